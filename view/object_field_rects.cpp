// Where pictures, text effects and objects were drawn, as a view sees it.
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include "model/object_fields.h"
#include "layout/row_drawing.h"
#include "view/CWView.h"

CRect ObjectRectInView(const GField& field, const CRect& stored, CWView* view)
{
    if (bDrawMem || !view || !field.m_pDoc)
        return stored;
    CSize offset(0, 0);
    view->CalcOfsView(field.m_pDoc, field.m_nPos, offset, 0);
    CRect rect = stored;
    rect.OffsetRect(-offset.cx, -offset.cy);
    return rect;
}

CRect GImage::GetRect(CWView* view)
{
    return ObjectRectInView(*this, m_rect, view);
}

CRect GLumifex::GetRect(CWView* view)
{
    return ObjectRectInView(*this, m_rect, view);
}

CRect GOle::GetRect(CWView* view)
{
    return ObjectRectInView(*this, m_rect, view);
}
