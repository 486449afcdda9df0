// The style of a callout arrow (line style, heads, colour) that frames keep
// and store, and the drawing of such an arrow, which frames call.
#pragma once
#include "afxwin.h"
#include "model/colors.h"

struct tagArrowStyle
{
    LONG lineStyle = 0;          // row of the line-style table, 0 to 9
    // 0 none; 1 open, 2 filled head at the second point; 3 open, 4 filled
    // at the first point; 5 open, 6 filled heads at both ends.
    LONG headKind = 0;
    LONG headWidth = 1;          // 1 narrow, 2 medium, 3 wide; else flat
    LONG headLength = 1;         // 1 short, 2 medium, 3 long; else none
    LONG middleOfSide = 0;       // the arrow leaves the frame from the middle of a side
    LONG colour = 0;             // RGB

    static const int kStoredSize = 24;
    void Save(CArchive& ar) const { ar << lineStyle << headKind << headWidth << headLength << middleOfSide << colour; }
    // Older files kept a colour number of the named-colour table (1 to 14)
    // in the colour word; it is read as that colour.
    void Load(CArchive& ar)
    {
        ar >> lineStyle >> headKind >> headWidth >> headLength >> middleOfSide >> colour;
        if (colour >= kFirstOldColourNumber && colour <= kLastOldColourNumber)
            colour = (LONG)GetColor((unsigned char)colour);
    }
    static const LONG kFirstOldColourNumber = 1;
    static const LONG kLastOldColourNumber = 14;
};

// Head kinds.
enum
{
    kArrowNoHead = 0,
    kArrowOpenAtSecond = 1,
    kArrowFilledAtSecond = 2,
    kArrowOpenAtFirst = 3,
    kArrowFilledAtFirst = 4,
    kArrowOpenBoth = 5,
    kArrowFilledBoth = 6
};

// Draws the line from first to second with the style's heads. ownPen:
// the arrow's own pen (style's row and colour) draws it and the heads take
// their size from the row's pen width; otherwise dc's pen draws, and the
// heads take their size from the row's width on the page. Two points that
// coincide give the line and no head.
void DrawArrow(CDC* dc, CPoint first, CPoint second, tagArrowStyle style, int ownPen);
// One open (two strokes) or filled head at tip for a line coming from
// from, width to either side and length along the line; tip comes back as
// the centre of the head's base, where the line ends under the head.
void DrawSimple(CDC* dc, CPoint from, CPoint& tip, tagArrowStyle style, double width, double length);
void DrawTriangle(CDC* dc, CPoint from, CPoint& tip, tagArrowStyle style, double width, double length);
