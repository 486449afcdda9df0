// The hidden clipboard document.
#include "app/clipboard_document.h"
#include "document/CWDocument.h"

CWDocument* Clipboard = nullptr;

CWDocument* CreateClipboardDocument()
{
    if (Clipboard)
        return Clipboard;
    Clipboard = (CWDocument*)RUNTIME_CLASS(CWDocument)->CreateObject();
    Clipboard->m_bClipboard = TRUE;
    Clipboard->m_bUndoEnabled = FALSE;
    Clipboard->ViewNotify(0);
    return Clipboard;
}

void CloseClipboardDocument()
{
    if (!Clipboard)
        return;
    Clipboard->ClearAllDocument();
    // Still missing: the document manager's hidden document and its frame;
    // until documents are the framework's, closing it is deleting it.
    delete Clipboard;
    Clipboard = nullptr;
}
