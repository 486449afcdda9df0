// Grouped undo steps.
#include "editing/CWOpBigUndo.h"
#include "editing/document_editing.h"
#include "model/utilities.h"

IMPLEMENT_DYNCREATE(CWOpBigUndo, CWOperationItem)

CWOpBigUndo::CWOpBigUndo(CWDocument* doc, CString name)
    : m_pDocument(doc), m_pInner(new CWUndoRedoStack(TRUE)), m_name(name)
{
}

CWOpBigUndo::CWOpBigUndo(CWDocument* doc, int nameId)
    : m_pDocument(doc), m_pInner(new CWUndoRedoStack(TRUE)), m_name(GetResourceString(nameId))
{
}

CWOpBigUndo::~CWOpBigUndo()
{
    delete m_pInner;
}

void CWOpBigUndo::Start()
{
    m_pSaved = GetDocUndoStack(m_pDocument);
    SetDocUndoStack(m_pDocument, m_pInner);
}

void CWOpBigUndo::End()
{
    CWUndoRedoStack* saved = m_pSaved;
    SetDocUndoStack(m_pDocument, saved);
    long recorded = m_pInner->GetUndoLen();
    if (m_name.IsEmpty() && recorded > 0 && m_pInner->GetSlot(0))
        m_name = m_pInner->GetSlot(0)->GetName();
    if (recorded == 0 && saved)
        saved->RemoveLast();   // deletes this group
}

// The views redraw once, when the bracket closes, however many inner
// operations ran; the bracket closes on every way out.
BOOL CWOpBigUndo::ActionUndo()
{
    CChangeBracket bracket(m_pDocument);
    while (m_pInner->Undo())
        ;
    return TRUE;
}

BOOL CWOpBigUndo::ActionRedo()
{
    CChangeBracket bracket(m_pDocument);
    while (m_pInner->Redo())
        ;
    return TRUE;
}

CString CWOpBigUndo::GetName()
{
    return m_name;
}
