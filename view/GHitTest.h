// GHitTest, the record that turns a client point into a place in the
// document level by level (page, part, column block, text column, row,
// character). Made on the stack by mouse, keyboard and drop handlers.
#pragma once
#include "afxwin.h"

class CWView;

// What the point hit: 1-3 let the deeper steps go on, above 3 stop them.
enum
{
    kHitText = 1,
    kHitLeft = 2,          // left of the text: margin strip or the gap before a column
    kHitRight = 3,
    kHitNoPart = 4,
    kHitAbove = 5,         // above the first page or the current part's frame
    kHitBelow = 6,         // in the gap below a page or below the current part's frame
    kHitBelowBlocks = 7,   // below the page's last column block
    kHitBelowRows = 8      // below the column's last row, or an empty column
};

const WORD kNoTextColumn = 0xFFFF;

class GHitTest
{
public:
    CWView* view;
    LONG x;              // 0.1 mm, relative to what the last step found
    LONG y;
    int nearest;
    BYTE kind;
    LONG page;
    LONG part;
    LONG block;          // the flow's column block
    WORD column;         // text column within the block
    LONG row;
    LONG character;

    // Converts the client point into the stack of pages (ScreenToPage).
    GHitTest(CPoint& point, CWView* view);
    void Clear();
    // A usable character position of the view's current flow for the kind.
    long GetNearDocPos();
};
