// The view's units: 0.1 mm and pixels at the zoom, the mapping of a
// context, and the origin at which a row of a flow draws.
#include "view/CWView.h"
#include "view/view_offsets.h"
#include "document/CWDocument.h"
#include "layout/text_measure.h"
#include "model/GParaStyle.h"
#include <cmath>

namespace {

// The window extent is the zoom in thousandths; the viewport extent the
// pixels of 1000 units (10 cm) at the screen's resolution.
const double kZoomScale = 1000.0;
const double kInchesPer10Cm = 10 / 2.54;

long Round(double v)
{
    return (long)std::floor(v + 0.5);
}

long ZoomUnits(float zoom)
{
    return Round(zoom * kZoomScale);
}

long DotsPer10Cm(long dpi)
{
    return Round(dpi * kInchesPer10Cm);
}

} // namespace

long CWView::mm01(long pixels, int horizontal)
{
    const long z = ZoomUnits(m_fZoom);
    const long d = DotsPer10Cm(horizontal ? m_nDpiX : m_nDpiY);
    return Round((double)pixels * z / d);
}

long CWView::Pixels(long length, int horizontal)
{
    const long z = ZoomUnits(m_fZoom);
    const long d = DotsPer10Cm(horizontal ? m_nDpiX : m_nDpiY);
    return Round((double)length * d / z);
}

void CWView::ZoomViewDC(CDC* dc)
{
    const long z = ZoomUnits(m_fZoom);
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt((int)z, (int)z);
    dc->SetViewportExt((int)DotsPer10Cm(m_nDpiX), (int)DotsPer10Cm(m_nDpiY));
    dc->SetViewportOrg(0, 0);
    oldTextAlign = dc->SetTextAlign(TA_BASELINE | TA_UPDATECP);
    dc->SetBkMode(TRANSPARENT);
}

GDoc* CWView::DocM(long part)
{
    if (!m_pDoc)
        return NULL;
    return m_pDoc->GetFlow(part < 0 ? CurPart() : part);
}

void CWView::OfsViewDC(CDC* dc, long part, long page, long row)
{
    const bool inPlace = InPlaceFlag != 0;
    const long sx = inPlace ? 0 : mm01(GetDeviceScrollPosition().x, 1);
    const long sy = inPlace ? 0 : m_yPos;
    long x = 0, y = 0;
    if (m_bPageMode)
    {
        x = m_nLeftGap - sx;
        y = (m_nPageGap + m_nPageHeight) * page - sy + m_nPageGap;
    }
    else if (!inPlace)
    {
        // The printable area starts at the printer's physical offsets,
        // which preparing the printer's context stored in the document.
        x = m_pDoc ? -m_pDoc->m_printOffset[0] : -m_printerOffset.cx;
        y = m_pDoc ? -m_pDoc->m_printOffset[1] : -m_printerOffset.cy;
    }
    GDoc* flow = part >= 0 ? DocM(part) : NULL;
    if (flow && row >= 0 && row < flow->m_rows.count)
    {
        const CSize inPage = RowOffsetInPage(*flow, part, page, row, inPlace);
        x += inPage.cx;
        y += inPage.cy;
        const long areaPage = part == kBodyFlow ? page : 0;
        const long pageBlock = areaPage < flow->m_pages.count ? flow->m_pages[areaPage].block : 0;
        const long firstRow = flow->GetColumnRow(pageBlock, 0);
        y += ParaStyleOf(*flow, flow->GetRowPara(firstRow)).m_Before.value;
    }
    dc->SetWindowOrg((int)-x, (int)-y);
}

int CWView::GetTextAlign(CDC*, long part, long row, int& indent)
{
    GDoc* flow = DocM(part);
    if (!flow)
        return 0;
    const GParaStyle& style = ParaStyleOf(*flow, flow->GetRowPara(row));
    const int kFirstRowBit = 1;
    indent = flow->RowInParaIs(row) & kFirstRowBit ? style.m_FirstLine.value : style.m_Left.value;
    return 0;
}
