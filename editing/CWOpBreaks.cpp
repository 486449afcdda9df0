// Undo and redo of page breaks.
#include "editing/CWOpBreaks.h"
#include "editing/format_runs.h"
#include "resources/resource.h"
#include "model/GDoc.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"

IMPLEMENT_DYNCREATE(CWOpNewPage, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpNewColumn, CWOperationItem)

namespace
{
const int kIdsInsertPageBreak = IDS_OP_INSERT_PAGE_BREAK;
const int kIdsInsertColumnBreak = IDS_OP_INSERT_COLUMN_BREAK;

// One text column of width at the paragraph of pos.
void OneColumn(GDoc* flow, long pos, long width)
{
    tagColumnData data[kMostTextColumns];
    data[0].width = (LONG)width;
    data[0].gap = 0;
    flow->SetColumns(pos, pos + 1, 1, data, 0);
}
}

CWOpNewPage::CWOpNewPage(GDoc* flow, long pos) : CWOperationItem(flow), m_nPos((LONG)pos)
{
}

// A break typed before the empty last paragraph: runs over that paragraph
// that began at the break stay on it.
BOOL CWOpNewPage::ActionUndo()
{
    m_pDoc->SetPos(m_nPos);
    KeepLastParagraphRuns(*m_pDoc, m_nPos, m_nPos + 2, [&] {
        m_pDoc->DeleteChar(m_nPos + 1);
        m_pDoc->DeleteChar(m_nPos);
    });
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

CWOpNewColumn::CWOpNewColumn(GDoc* flow, long pos, long unused, long flags)
    : CWOperationItem(flow), m_nPos((LONG)pos), m_nUnused((LONG)unused), m_nFlags((LONG)flags)
{
}

BOOL CWOpNewColumn::ActionUndo()
{
    if (m_nFlags & kParaEndForms)
        m_pDoc->DeleteChar(m_nPos);
    if (m_nFlags & kParaEndBefore)
    {
        --m_nPos;
        m_pDoc->DeleteChar(m_nPos);
    }
    m_pDoc->SetPos(m_nPos);
    long width = m_pDoc->GetAreaByMargin(0, 0, 0).Width();
    // A flow not shown on a page yet has no margin area; the page's text
    // width keeps the column from collapsing to nothing.
    if (width <= 0)
        width = CWDocument::PageSetupOf(m_pDoc->m_pOwner).GetTextWidth();
    OneColumn(m_pDoc, m_nPos, width);
    return TRUE;
}

BOOL CWOpNewColumn::ActionRedo()
{
    if (m_nFlags & kParaEndBefore)
    {
        m_pDoc->InsertChar(m_nPos, kParagraphEnd, 1);
        ++m_nPos;
    }
    if (m_nFlags & kParaEndForms)
        m_pDoc->InsertChar(m_nPos, kParagraphEnd, 1);
    OneColumn(m_pDoc, m_nPos, CWDocument::PageSetupOf(m_pDoc->m_pOwner).GetTextWidth());
    return TRUE;
}

CString CWOpNewColumn::GetName()
{
    return OperationName(kIdsInsertColumnBreak, "Insert Column Break");
}
