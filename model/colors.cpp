// The named colour table and its lookups.
#include "afxwin.h"
#include "model/colors.h"
#include "resources/resource.h"
#include "model/utilities.h"

#include <stdlib.h>
#include <string.h>

NamedColor Color[kNumColors];

// The default-palette entry behind each fixed colour, in the table's order.
// The palette keeps its four extra system colours at 8-11, so gray and the
// bright colours come from its upper half.
static const int kPaletteIndex[kNumFixedColors] = {
    0, 1, 2, 3, 4, 5, 6, 12, 7, 13, 14, 15, 16, 17, 18, 19,
};

static void SetName(NamedColor& entry, int id)
{
    CString name = GetResourceString(id);
    lstrcpynA(entry.name, name, kColorNameSize);
}

void InitColors()
{
    HPALETTE palette = (HPALETTE)::GetStockObject(DEFAULT_PALETTE);
    for (int i = 0; i < kNumFixedColors; i++)
    {
        SetName(Color[i], IDS_COLOR_BLACK + i);
        PALETTEENTRY pe;
        if (palette && ::GetPaletteEntries(palette, kPaletteIndex[i], 1, &pe) == 1)
            Color[i].color = RGB(pe.peRed, pe.peGreen, pe.peBlue);
        else
            Color[i].color = ::GetSysColor(COLOR_WINDOWTEXT);
    }
    SetName(Color[kAutomaticColor], IDS_COLOR_AUTOMATIC);
    Color[kAutomaticColor].color = ::GetSysColor(COLOR_WINDOWTEXT);
}

int GetNumColors()
{
    return kNumColors;
}

COLORREF GetColor(unsigned char index)
{
    if (index >= kNumColors)
        index = kAutomaticColor;
    return Color[index].color;
}

const char* GetColorName(unsigned char index)
{
    if (index >= kNumColors)
        return "";
    return Color[index].name;
}

int GetColorIndex(COLORREF colour)
{
    int best = 0;
    int bestDistance = -1;
    for (int i = 0; i < kNumFixedColors; i++)
    {
        COLORREF c = Color[i].color;
        int distance = abs((int)GetRValue(c) - (int)GetRValue(colour))
                     + abs((int)GetGValue(c) - (int)GetGValue(colour))
                     + abs((int)GetBValue(c) - (int)GetBValue(colour));
        if (distance == 0)
            return i;
        if (bestDistance < 0 || distance < bestDistance)
        {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
