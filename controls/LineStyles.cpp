// The line-style table and the shading colours.
#include "controls/LineStyles.h"

const tagLineStyle LineStyles[kLineStyleCount] = {
    {0, PS_SOLID, 2, 1},
    {1, PS_SOLID, 5, 2},
    {2, PS_SOLID, 7, 3},
    {3, PS_SOLID, 10, 4},
    {4, PS_SOLID, 12, 6},
    {5, PS_SOLID, 15, 8},
    {6, PS_DASH, 2, 1},
    {7, PS_DOT, 2, 1},
    {8, PS_DASHDOT, 2, 1},
    {9, PS_SOLID, 0, 0},
};

const tagLineStyle& LineStyleRow(long number)
{
    if (number < 0 || number >= kLineStyleCount)
        number = kNoLineStyle;
    return LineStyles[number];
}

COLORREF White = 0x00FFFFFF;
COLORREF Silver = 0x00C0C0C0;
