// The page information: paper and text area of a document's pages, kept by
// CWDocument in a GArray<GPageInfo>; flows take their text width from it.
#pragma once
#include "afx.h"

// Still missing here: the header, footer and page-layout values after the
// text area, the pending GFontStyle, the colour-printer flag, DefaultInit
// (default printer and margin settings) and FindPaperType; until they join,
// a new record describes an A4 portrait sheet with one-inch margins.
struct GPageInfo
{
    BYTE paperType = 9;          // Windows paper code (9: A4)
    LONG portrait = 1;
    LONG paperWidth = 2100;      // 0.1 mm, as the sheet lies
    LONG paperHeight = 2970;
    // The text area, 0.1 mm from the paper's top left corner.
    LONG textLeft = 254;
    LONG textTop = 254;
    LONG textRight = 2100 - 254;
    LONG textBottom = 2970 - 254;

    LONG GetTextWidth() const { return textRight - textLeft; }
    LONG GetTextHeight() const { return textBottom - textTop; }
};
