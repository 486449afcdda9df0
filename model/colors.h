// The named colours the user picks from: sixteen fixed colours of the
// default palette and "Automatic" (window text). Filled once at start-up.
#pragma once
#include "afxwin.h"

const int kNumColors = 17;
const int kNumFixedColors = 16;       // entries the nearest-colour search considers
const int kAutomaticColor = 16;       // the window-text entry
const int kColorNameSize = 32;

struct NamedColor
{
    char name[kColorNameSize];        // zero-terminated
    COLORREF color;
};

extern NamedColor Color[kNumColors];

// Loads the names from the string table and the colours from the stock
// default palette; may be called again to pick up a changed system colour.
void InitColors();
int GetNumColors();
// The entry's colour; indexes past the table give the Automatic colour.
COLORREF GetColor(unsigned char index);
// The entry's name; indexes past the table give an empty text.
const char* GetColorName(unsigned char index);
// Index (0-15) of the fixed colour nearest to colour by the sum of the
// differences of its red, green and blue; the first wins a tie.
int GetColorIndex(COLORREF colour);
