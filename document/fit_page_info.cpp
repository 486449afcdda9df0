// Fitting the flows and page-part frames to page set-up 0 after it was
// replaced under them (an older native file, a converted one).
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"

namespace
{
// A left margin of 0 is no margin a file means: 31.8 mm.
const LONG kFallbackLeftMargin = 318;
// What narrow widens the text by on each side.
const LONG kNarrowCorrection = 31;
const long kLastHeaderFlow = 3;
const long kLastPartFlow = 6;

// Every column of a block shares the width left after its gaps; a block
// of one column (and the closing block) takes it whole.
void FitColumns(GDoc& flow, LONG width)
{
    for (long b = 0; b < flow.m_columns.GetCount(); ++b)
    {
        GColumn& block = flow.m_columns[b];
        const int n = (BYTE)block.count >= 1 && (BYTE)block.count <= kMostTextColumns ? (BYTE)block.count : 1;
        LONG gaps = 0;
        for (int i = 0; i < n - 1; ++i)
            gaps += block.cols[i].gap;
        for (int i = 0; i < n; ++i)
            block.cols[i].width = (width - gaps) / n;
    }
}
} // namespace

void CWDocument::FitDocumentToPageInfo(int narrow)
{
    if (m_pageInfos.GetCount() == 0)
        return;
    GPageInfo& info = m_pageInfos[0];
    if (info.textLeft == 0)
        info.textLeft = kFallbackLeftMargin;
    info.FindPaperType();
    LONG correction = 0;
    if (narrow && info.textLeft != 0)
    {
        info.textLeft -= kNarrowCorrection;
        info.textRight += kNarrowCorrection;
        correction = kNarrowCorrection;
    }
    const LONG textWidth = info.textRight - info.textLeft;

    for (long i = 0; i <= kLastPartFlow && i < m_flows.GetCount(); ++i)
        FitColumns(*m_flows[i], textWidth - 2 * correction);

    GDoc* body = GetFlow(kBodyFlow);
    for (CFrame* f = body ? body->m_pFirstFrame : NULL; f; f = f->next)
    {
        f->x = info.textLeft;
        f->width = textWidth;
    }
    // The headers and footers; text boxes and callouts keep their own place
    // and size.
    for (long i = 1; i <= kLastPartFlow && i < m_flows.GetCount(); ++i)
    {
        CFrame* f = m_flows[i]->m_pFirstFrame;
        if (!f)
            continue;
        f->x = info.textLeft;
        f->width = textWidth;
        if (i <= kLastHeaderFlow)
        {
            f->area.top = f->y;
            f->area.bottom = f->y + f->height;
        }
        else if (i <= kLastPartFlow)
        {
            // Footers count their position from the paper's bottom edge.
            f->area.top = info.paperHeight - (f->height + f->y);
            f->area.bottom = f->area.top + f->height;
        }
        // The text of the part wraps at its new width.
        f->MakeArea(0);
    }

    if (!body || !body->m_pFirstFrame)
        return;
    body->m_pFirstFrame->MakeArea(0);
    for (long i = 0; i < body->m_frames.GetCount(); ++i)
        body->m_frames[i]->MakeArea(0);
}
