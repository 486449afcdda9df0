// Paper sizes of the Windows paper codes, in tenths of a millimetre; sizes
// given in inches are converted at 254 tenths to the inch.
#include "view/papers.h"
#include <stdlib.h>

const PaperRow papers[kPaperCount] = {
    {1, 2159, 2794},    // Letter
    {5, 2159, 3556},    // Legal
    {9, 2100, 2970},    // A4: the size used when the printer gives none
    {24, 4318, 5588},   // C sheet
    {25, 5588, 8636},   // D sheet
    {26, 8636, 11176},  // E sheet
    {2, 2159, 2794},    // Letter small
    {3, 2794, 4318},    // Tabloid
    {4, 4318, 2794},    // Ledger
    {6, 1397, 2159},    // Statement
    {7, 1841, 2667},    // Executive
    {8, 2970, 4200},    // A3
    {10, 2100, 2970},   // A4 small
    {11, 1480, 2100},   // A5
    {12, 2500, 3540},   // B4 (JIS)
    {13, 1820, 2570},   // B5 (JIS)
    {14, 2159, 3302},   // Folio
    {15, 2150, 2750},   // Quarto
    {16, 2540, 3556},   // 10 x 14 in
    {17, 2794, 4318},   // 11 x 17 in
    {18, 2159, 2794},   // Note
    {19, 984, 2254},    // Envelope #9
    {20, 1048, 2413},   // Envelope #10
    {21, 1143, 2635},   // Envelope #11
    {22, 1206, 2794},   // Envelope #12
    {23, 1270, 2921},   // Envelope #14
    {27, 1100, 2200},   // Envelope DL
    {28, 1620, 2290},   // Envelope C5
    {29, 3240, 4580},   // Envelope C3
    {30, 2290, 3240},   // Envelope C4
    {31, 1140, 1620},   // Envelope C6
    {32, 1140, 2290},   // Envelope C65
    {33, 2500, 3530},   // Envelope B4
    {34, 1760, 2500},   // Envelope B5
    {35, 1760, 1250},   // Envelope B6
    {36, 1100, 2300},   // Envelope Italy
    {37, 984, 1905},    // Envelope Monarch
    {38, 921, 1651},    // Envelope 6 3/4
    {39, 3778, 2794},   // US standard fanfold
    {40, 2159, 3048},   // German standard fanfold
    {41, 2159, 3302},   // German legal fanfold
    {42, 2500, 3530},   // B4 (ISO)
    {43, 1000, 1480},   // Japanese postcard
    {44, 2286, 2794},   // 9 x 11 in
    {45, 2540, 2794},   // 10 x 11 in
    {46, 3810, 2794},   // 15 x 11 in
    {47, 2200, 2200},   // Envelope invite
    {48, 0, 0},         // reserved
    {49, 0, 0},         // reserved
    {50, 2286, 3048},   // Letter extra
    {51, 2286, 3810},   // Legal extra
    {52, 2969, 4572},   // Tabloid extra
    {53, 2355, 3223},   // A4 extra
    {54, 2032, 2794},   // Letter transverse
    {55, 2100, 2970},   // A4 transverse
    {56, 2286, 3048},   // Letter extra transverse
    {57, 2270, 3560},   // SuperA/A+
    {58, 3050, 4870},   // SuperB/B+
    {59, 2159, 3223},   // Letter plus
    {60, 2100, 3300},   // A4 plus
    {61, 1480, 2100},   // A5 transverse
    {62, 1820, 2570},   // B5 (JIS) transverse
    {63, 3220, 4450},   // A3 extra
    {64, 1740, 2350},   // A5 extra
    {65, 2010, 2760},   // B5 (ISO) extra
    {66, 4200, 5940},   // A2
    {67, 2970, 4200},   // A3 transverse
    {68, 3220, 4450},   // A3 extra transverse
};

CSize GetPaperSize(int code)
{
    for (const PaperRow& row : papers)
        if (row.code == code)
            return CSize(row.width, row.height);
    return CSize(papers[2].width, papers[2].height);
}

int GetPaperType(CSize size, int portrait)
{
    const int kTolerance = 2;
    for (const PaperRow& row : papers)
    {
        int width = portrait ? row.width : row.height;
        int height = portrait ? row.height : row.width;
        if (abs(size.cx - width) <= kTolerance && abs(size.cy - height) <= kTolerance)
            return row.code;
    }
    return 0;
}
