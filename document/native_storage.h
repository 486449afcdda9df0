// The text effects' stream "Lumifex" of the compound file the document is
// being written to or read from (document/native_storage.cpp); nothing
// happens for a document written to or read from a plain stream.
#pragma once

class CWDocument;

void SaveEffectsStream(CWDocument& doc);
void ReadEffectsStream(CWDocument& doc);
