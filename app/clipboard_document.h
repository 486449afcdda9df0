// The hidden clipboard document that copy, paste and drag and drop use,
// ended when the main frame goes.
#pragma once

class CWDocument;

extern CWDocument* Clipboard;

// Opens the clipboard document through the application's document manager
// (a document of the template in a hidden frame, in no window list) when
// there is none: a whole document whose views are never told (one change
// bracket held open for its life) and which records no undo. Null, after
// the failure was reported, when no document could be made.
CWDocument* CreateInternalClipboard();

// Empties and closes the clipboard document, which is then null; nothing
// happens while there is none.
void CloseClipboardDocument();
