// The ten border line styles and the two shading colours of the format
// controls; border layout, border drawing, callout arrows and the shading
// table read them, so this header may be included from any folder.
#pragma once
#include "afxwin.h"

// One row of the line-style table: four signed 32-bit words.
struct tagLineStyle
{
    LONG number;       // the row's own index, 0 to 9
    LONG penStyle;     // PS_SOLID, PS_DASH, PS_DOT or PS_DASHDOT
    LONG width;        // the line's width on the page, 0.1 mm
    LONG penWidth;     // the pen's width on the screen, pixels
};

const int kLineStyleCount = 10;
// The row of the line that has no width.
const int kNoLineStyle = 9;

extern const tagLineStyle LineStyles[kLineStyleCount];

// The row of a stored line-style number. A number outside the table (a
// damaged file) reads as the line of no width, never past the table.
const tagLineStyle& LineStyleRow(long number);

// Back and fore colour of the shading table's styles.
extern COLORREF White;
extern COLORREF Silver;
