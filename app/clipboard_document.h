// The hidden clipboard document that copy, paste and drag and drop use,
// ended when the main frame goes.
#pragma once

class CWDocument;

extern CWDocument* Clipboard;

// Makes the clipboard document when there is none: a whole document whose
// views are never told (one change bracket held open for its life) and
// which records no undo.
CWDocument* CreateClipboardDocument();

// Empties and closes the clipboard document, which is then null; nothing
// happens while there is none.
void CloseClipboardDocument();
