// CWView, the view of a document: shows its pages at a zoom, draws the
// paragraph borders of the rows that layout paints. Declared once here;
// its members are defined by topic in view/.
#pragma once
#include "afxwin.h"
#include "model/GDoc.h"

// The window, painting, caret, input and commands come with the view's
// own work; so far the view holds what drawing rows needs of it.
class CWView : public CScrollView
{
    DECLARE_DYNCREATE(CWView)
public:
    CWView();
    virtual ~CWView();
    virtual void OnDraw(CDC* dc) override;

    // ---- Paragraph border painters (view/border_painters.cpp): one side of
    // border run border around the text rectangle, in the coordinates of
    // the context the caller prepared (0.1 mm, y down). Row 1 to 5 of the
    // line-style table draws a band as thick as the line; any other row a
    // one-pixel line of the side's pen style at the band's outer edge.
    // The top and bottom lines reach out over the side lines, as far as
    // the page margins allow; the side lines take joinTop/joinBottom (reach
    // up or down over the top or bottom line), the room beside the text
    // (negative: no limit) and whether the row starts the run.
    void DrawUpLine(const GDoc& flow, CDC* dc, int border, CRect text);
    void DrawBottomLine(const GDoc& flow, CDC* dc, int border, CRect text);
    void DrawLeftLine(const GDoc& flow, CDC* dc, int border, CRect text, int joinTop, int joinBottom, int room,
                      int first);
    void DrawRightLine(const GDoc& flow, CDC* dc, int border, CRect text, int joinTop, int joinBottom, int room,
                       int first);
};
