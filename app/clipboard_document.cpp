// The hidden clipboard document.
#include "app/clipboard_document.h"
#include "app/CWApp.h"
#include "app/CWDocManager.h"
#include "document/CWDocument.h"

CWDocument* Clipboard = nullptr;

CWDocument* CreateInternalClipboard()
{
    if (Clipboard)
        return Clipboard;
    CDocument* made = nullptr;
    if (App.m_pDocManager && App.m_pDocManager->IsKindOf(RUNTIME_CLASS(CWDocManager)))
        made = ((CWDocManager*)App.m_pDocManager)->OpenDocFile();
    else
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    if (!made)
        return nullptr;
    if (!made->IsKindOf(RUNTIME_CLASS(CWDocument)))
    {
        made->OnCloseDocument();
        return nullptr;
    }
    Clipboard = (CWDocument*)made;
    Clipboard->m_bClipboard = TRUE;
    Clipboard->ViewNotify(0);
    Clipboard->m_bUndoEnabled = FALSE;
    return Clipboard;
}

void CloseClipboardDocument()
{
    if (!Clipboard)
        return;
    CWDocument* closing = Clipboard;
    Clipboard = nullptr;
    closing->ClearAllDocument();
    // Its hidden frame goes with it; a document that never had one is
    // deleted all the same.
    closing->m_bAutoDelete = TRUE;
    closing->OnCloseDocument();
}
