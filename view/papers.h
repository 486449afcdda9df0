// The table of Windows paper codes with their sizes, and the look-ups by
// code and by size that page setup, printing and page information use.
#pragma once
#include "afxwin.h"

struct PaperRow
{
    int code;     // Windows paper code (DMPAPER_*)
    int width;    // 0.1 mm, portrait
    int height;   // 0.1 mm, portrait
};

const int kPaperCount = 68;
// Ordered as page setup lists them: the common sizes first.
extern const PaperRow papers[kPaperCount];

// Paper code for a size the table lacks (a user-defined size).
const int kUserDefinedPaper = 256;

// Width and height of the paper with this code; A4 when the table lacks it.
CSize GetPaperSize(int code);

// Code of the first paper within 2 (0.1 mm) of the size in each direction;
// a landscape size (portrait 0) is compared crosswise. 0 when none matches.
int GetPaperType(CSize size, int portrait);
