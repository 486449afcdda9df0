// The state of one print job that the view's printing keeps between pages.
#pragma once

// Copies the view makes itself (1 when the driver makes them), the copy
// being printed (from 1), and non-zero when the view collates.
extern int nNumCopies;
extern int nCurCopy;
extern int bCollate;

// What OnPrint shows when a page could not be merged or drawn.
extern const char kPrintFailure[];
