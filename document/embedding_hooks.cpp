// What the base document asks when embedded items come and go: placing a
// new item in the text, freeing one, and the sizes and scaling of the
// server's drawing.
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "model/GDoc.h"
#include "model/GOle.h"
#include "view/CWView.h"
#include <algorithm>

namespace
{
// A new object is never smaller than this (0.1 mm), however small its
// natural size.
const LONG kLeastObjectWidth = 200;
const LONG kLeastObjectHeight = 50;
} // namespace

BOOL CWDocument::OnCreateItem(CZTOleRectItem* item)
{
    GDoc* flow = GetFlow(m_nCurPart);
    if (!item || !flow)
        return FALSE;
    if (item->GetDocument() != this)
        AddItem(item);
    item->SetSize(CSize(kLeastObjectWidth, kLeastObjectHeight));
    GCell* field = new GCell(flow, flow->m_nCaret, item);
    flow->InsertField(field);

    int ascent = 0;
    CSize size = field->GetSize(GetMemIC(), ascent, flow->GetCharPage(field->m_nPos) + 1);
    size.cx = std::max(size.cx, kLeastObjectWidth);
    size.cy = std::max(size.cy, kLeastObjectHeight);
    item->SetSize(size);
    if (CZTFieldItem* cell = dynamic_cast<CZTFieldItem*>(item))
        cell->SetBackColor(Options.Colors[CWOptions::kColorMailMerge]);
    return TRUE;
}

void CWDocument::DeleteItem(CZTOleRectItem* item)
{
    SetModifiedFlag(TRUE);
    if (item)
        item->Release();
}

BOOL CWDocument::GetServerObjectSize(RECT& r)
{
    SetRectEmpty(&r);
    if (HWND focus = GetFocus())
        GetClientRect(focus, &r);
    return TRUE;
}

BOOL CWDocument::ScaleDC(CView* view, CDC* dc)
{
    if (view && dc && view->IsKindOf(RUNTIME_CLASS(CWView)))
        ((CWView*)view)->ZoomViewDC(dc);
    return TRUE;
}
