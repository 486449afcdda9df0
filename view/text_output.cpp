// Drawing a run of a flow's characters: in the style's font and colour,
// greyed for the parts not being edited, each glyph centred in the cell
// the layout gave it.
#include "view/CWView.h"
#include "model/GFontStyle.h"
#include <vector>

namespace {

const unsigned short kRaisedOrLowered = 0x10 | 0x20;   // superscript, subscript
const long kFirstHeaderPart = 1;
const long kLastHeaderPart = 6;
const COLORREF kOtherPartGrey = RGB(128, 128, 128);
const COLORREF kBodyWhileHeaderGrey = RGB(127, 127, 127);
// Below this window extent the run is drawn ten times finer.
const int kFineExtentLimit = 3276;
const int kFineScale = 10;

bool IsHeaderPart(long part)
{
    return part >= kFirstHeaderPart && part <= kLastHeaderPart;
}

} // namespace

CPoint CWView::PenPosition(CDC* dc, const CWView* view)
{
    POINT pt = {0, 0};
    const bool screen = view && view->m_bPageMode;
    HDC from = screen || ::GetObjectType(dc->m_hDC) == OBJ_METADC ? dc->m_hAttribDC : dc->m_hDC;
    ::GetCurrentPositionEx(from ? from : dc->m_hDC, &pt);
    return CPoint(pt);
}

void CWView::DrawTextA(CDC* dc, long part, long from, long to, const GFontStyle* style, int* widths, int)
{
    GDoc* flow = DocM(part);
    if (from >= to || !flow || !style)
        return;
    CFont* old = dc->SelectObject(style->GetFont());
    COLORREF colour = style->GetColour();
    if (m_bPageMode)
    {
        if (IsHeaderPart(part) && !IsHeaderPart(m_nCurPart))
            colour = kOtherPartGrey;
        else if (!IsHeaderPart(part) && IsHeaderPart(m_nCurPart))
            colour = kBodyWhileHeaderGrey;
    }
    dc->SetTextColor(colour);
    const CPoint pt = PenPosition(dc, this);
    const LPCSTR text = (LPCSTR)&flow->m_chars[from];
    if (!(style->GetAttributes() & kRaisedOrLowered))
    {
        if (widths)
            DoExtTextOut(pt, dc, from, to, widths, flow, style);
        else
            dc->TextOut(pt.x, pt.y, text, (int)(to - from));
    }
    else
    {
        const CPoint shifted(pt.x, pt.y + style->GetBaselineOffset());
        if (widths)
            DoExtTextOut(shifted, dc, from, to, widths, flow, style);
        else
        {
            dc->MoveTo(shifted);
            dc->TextOut(shifted.x, shifted.y, text, (int)(to - from));
        }
        dc->MoveTo(PenPosition(dc, this).x, pt.y);
    }
    if (old)
        dc->SelectObject(old);
}

void CWView::DoExtTextOut(CPoint pt, CDC* dc, long from, long to, int* widths, const GDoc* flow,
                          const GFontStyle* style)
{
    const int n = (int)(to - from);
    if (n <= 0)
        return;
    const int oldMode = dc->SetMapMode(MM_ANISOTROPIC);
    const CSize viewportExt = dc->GetViewportExt();
    const CSize windowExt = dc->GetWindowExt();
    const CPoint windowOrg = dc->GetWindowOrg();
    int k = 1;
    CFont* font = style->GetFont();
    if (windowExt.cx < kFineExtentLimit && windowExt.cy < kFineExtentLimit && style->GetFont10())
    {
        k = kFineScale;
        font = style->GetFont10();
        dc->SetWindowExt(windowExt.cx * k, windowExt.cy * k);
        dc->SetWindowOrg(windowOrg.x * k, windowOrg.y * k);
    }
    CFont* oldFont = dc->SelectObject(font);
    const BYTE* text = (const BYTE*)&flow->m_chars[from];
    int plain[256];
    dc->GetCharWidth32(0, 255, plain);
    // Half a device pixel in logical units.
    CSize pixel(1, 1);
    dc->DPtoLP(&pixel);
    const int half = pixel.cx / 2;

    std::vector<int> start(n + 1), advance(n);
    long cell = (long)k * pt.x;
    for (int i = 0; i < n; ++i)
    {
        const long w = (long)k * widths[i];
        start[i] = (int)(cell + (w - half - plain[text[i]]) / 2);
        cell += w;
    }
    start[n] = (int)cell;
    for (int i = 0; i < n; ++i)
        advance[i] = start[i + 1] - start[i];
    if (n > 0)
        advance[n - 1] = (int)(cell - start[n - 1]);
    dc->MoveTo(start[0], k * pt.y);
    dc->ExtTextOut(0, 0, 0, NULL, (LPCSTR)text, (UINT)n, advance.data());

    dc->SetMapMode(oldMode);
    if (k != 1)
    {
        dc->SetWindowExt(windowExt.cx, windowExt.cy);
        dc->SetWindowOrg(windowOrg.x, windowOrg.y);
    }
    dc->SetViewportExt(viewportExt.cx, viewportExt.cy);
    dc->MoveTo((int)(cell / k), pt.y);
    dc->SelectObject(oldFont);
}
