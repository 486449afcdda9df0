// Sizes and rectangles of the fields that show an object.
#include "model/object_fields.h"
#include "model/GDoc.h"
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include "model/utilities.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include "resources/resource.h"

namespace {

LONG Clamp(LONG v, bool& clamped)
{
    const LONG c = v < kSmallestObjectSide ? kSmallestObjectSide : v > kLargestObjectSide ? kLargestObjectSide : v;
    clamped |= c != v;
    return c;
}

} // namespace

CSize ClampObjectSize(CSize size)
{
    bool clamped = false;
    size.cx = Clamp(size.cx, clamped);
    size.cy = Clamp(size.cy, clamped);
    if (clamped)
        MsgBox(Options.Units == CWOptions::kUnitCentimetre ? IDS_OBJECT_SIZE_CM : IDS_OBJECT_SIZE_INCH);
    return size;
}

CSize FitObjectSize(GField& field, CSize size)
{
    GDoc* flow = field.m_pDoc;
    if (!flow)
        return size;
    const CSize stored = size;
    const double ratio = size.cy ? (double)size.cx / size.cy : (double)size.cx;
    const long rowWidth = flow->GetRowWidth(flow->GetCharRow(field.m_nPos), -1);
    if (size.cx > rowWidth && ratio > 0)
    {
        size.cx = rowWidth;
        size.cy = (LONG)(size.cx / ratio);
    }
    if (flow->m_pFirstFrame)
    {
        const long limit = flow->m_pFirstFrame->GetMaxHeight(0) - kFrameFitMargin;
        if (size.cy > limit && stored.cy)
        {
            size.cy = limit;
            size.cx = (LONG)(size.cy * ((double)stored.cx / stored.cy));
        }
    }
    return size;
}

CSize NaturalSizeRoom(GField& field)
{
    GDoc* flow = field.m_pDoc;
    const long row = flow->GetCharRow(field.m_nPos);
    const long width = flow->GetRowWidth(row, -1) - flow->GetRowLeftMargin(row, -1) - 1;
    const long height = flow->m_pFirstFrame ? flow->m_pFirstFrame->GetMaxHeight(0) - 1 : 0;
    return CSize(width, height);
}

CWView* FirstViewOf(const GField& field)
{
    if (!field.m_pDoc || !field.m_pDoc->m_pOwner)
        return NULL;
    return field.m_pDoc->m_pOwner->GetFirstView();
}

void WriteSizeAndRect(CArchive& ar, LONG width, LONG height, const CRect& rect)
{
    ar << width << height << (LONG)rect.left << (LONG)rect.top << (LONG)rect.right << (LONG)rect.bottom;
}

void ReadSizeAndRect(CArchive& ar, LONG& width, LONG& height, CRect& rect)
{
    LONG l, t, r, b;
    ar >> width >> height >> l >> t >> r >> b;
    rect.SetRect(l, t, r, b);
}

CRect* StoredObjectRect(GField& field)
{
    if (GImage* image = dynamic_cast<GImage*>(&field))
        return &image->m_rect;
    if (GLumifex* effect = dynamic_cast<GLumifex*>(&field))
        return &effect->m_rect;
    if (GOle* ole = dynamic_cast<GOle*>(&field))
        return &ole->m_rect;
    return NULL;
}
