// The hidden clipboard document that copy, paste and drag and drop use,
// ended when the main frame goes.
#pragma once

class CWDocument;

extern CWDocument* Clipboard;

// Empties and closes the clipboard document, which is then null; nothing
// happens while there is none.
void CloseClipboardDocument();
