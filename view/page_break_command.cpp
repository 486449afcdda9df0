// Insert Page Break (Ctrl+Enter): only the body is cut into pages.
#include "view/CWView.h"
#include "document/CWDocument.h"
#include "editing/CWOpBreaks.h"
#include "editing/editing_support.h"

namespace {
const char kParagraphEndCode = 13;
const char kPageEndCode = 12;
}

void CWView::OnInsertNewPage()
{
    GDoc* flow = DocC();
    if (!flow || !m_pDoc || CurPart() != kBodyFlow)
        return;
    const long pos = flow->m_nCaret;
    if (m_pDoc->m_bUndoEnabled)
        RecordOperation(flow, new CWOpNewPage(flow, pos));
    m_pDoc->ViewNotify(0);
    const long row = flow->GetCharRow(pos);
    const long page = flow->GetCharPage(pos);
    // On the last page no later page starts: the break is always needed
    // there (the closing page record starts no page).
    const long nextPageRow =
        page + 1 < flow->m_pages.count - 1 ? flow->GetCharRow(flow->GetPageChar(page + 1)) : -1;
    const long rowStart = flow->GetRowChar(row), rowEnd = flow->GetRowChar(row + 1);
    flow->InsertChar(pos, kParagraphEndCode, 1);
    if (row == nextPageRow - 1)
    {
        if (rowStart == rowEnd - 2)
        {
            flow->InsertChar(pos + 1, kParagraphEndCode, 1);
            flow->InsertChar(pos + 1, kPageEndCode, 1);
            MoveCaret(pos + 2);
        }
        else
            MoveCaret(pos + 1);
    }
    else
    {
        flow->InsertChar(pos + 1, kPageEndCode, 1);
        MoveCaret(pos + 2);
    }
    m_nPages = flow->m_pages.count - 1;
    m_pDoc->ViewNotify(1);
    UpdateScroller(0);
    SetCaret(0);
}
