// Undo and redo of page breaks.
#include "CWOpBreaks.h"
#include "resource.h"
#include "GDoc.h"

IMPLEMENT_DYNCREATE(CWOpNewPage, CWOperationItem)

namespace
{
const int kIdsInsertPageBreak = IDS_OP_INSERT_PAGE_BREAK;
}

CWOpNewPage::CWOpNewPage(GDoc* flow, long pos) : m_nPos((LONG)pos)
{
    m_pDoc = flow;
}

BOOL CWOpNewPage::ActionUndo()
{
    m_pDoc->SetPos(m_nPos);
    m_pDoc->DeleteChar(m_nPos + 1);
    m_pDoc->DeleteChar(m_nPos);
    return TRUE;
}

BOOL CWOpNewPage::ActionRedo()
{
    m_pDoc->InsertChar(m_nPos, kParagraphEnd, 1);
    m_pDoc->InsertChar(m_nPos + 1, kBreak, 1);
    m_pDoc->SetPos(m_nPos + 2);
    return TRUE;
}

CString CWOpNewPage::GetName()
{
    return OperationName(kIdsInsertPageBreak, "Insert Page Break");
}
