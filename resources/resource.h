// Resource ids of ztwrite.rc, shared by the code and the resource script so
// the two cannot drift apart.
#pragma once

// The application's title (the class library reads it under this id).
#define AFX_IDS_APP_TITLE 0xE000

// Names of the fixed colours the user picks from, in the colour table's
// order; the last one is the window-text colour.
#define IDS_COLOR_BLACK     46020
#define IDS_COLOR_MAROON    46021
#define IDS_COLOR_GREEN     46022
#define IDS_COLOR_OLIVE     46023
#define IDS_COLOR_NAVY      46024
#define IDS_COLOR_PURPLE    46025
#define IDS_COLOR_TEAL      46026
#define IDS_COLOR_GRAY      46027
#define IDS_COLOR_SILVER    46028
#define IDS_COLOR_RED       46029
#define IDS_COLOR_LIME      46030
#define IDS_COLOR_YELLOW    46031
#define IDS_COLOR_BLUE      46032
#define IDS_COLOR_FUCHSIA   46033
#define IDS_COLOR_AQUA      46034
#define IDS_COLOR_WHITE     46035
#define IDS_COLOR_AUTOMATIC 46036

// Pieces of the number formats: ordinal endings by last digit, the cardinal
// and ordinal words (0-19, then the tens), and the scale words.
#define IDS_NUM_ORDINAL_ENDINGS 57738
#define IDS_NUM_CARDINAL_WORDS  57742
#define IDS_NUM_ORDINAL_WORDS   57743
#define IDS_NUM_THOUSAND        57744
#define IDS_NUM_THOUSANDTH      57745
#define IDS_NUM_HUNDRED         57746
#define IDS_NUM_HUNDREDTH       57747
