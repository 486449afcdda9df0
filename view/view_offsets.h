// Where a row of a flow stands within a page, shared by the context origin
// rows draw at (OfsViewDC) and the offset of a place (CalcOfsView).
#pragma once
#include "afxwin.h"

class GDoc;

// The flow's area on page (left out while drawing in place), the column
// block's place below the page's first block, the rows above row in its
// text column and the text columns before it.
CSize RowOffsetInPage(GDoc& flow, long part, long page, long row, bool inPlace);
