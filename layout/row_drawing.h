// State that drawing rows shares with measuring and with field drawing.
#pragma once
#include "afxwin.h"

// 1 while DrawRowMem draws into its bitmap: fields keep object rectangles
// page-relative.
extern LONG bDrawMem;
// 1 while the selection measures a row's text.
extern LONG bDrawSelFlag;
