// The font size range of text.
#include "model/font_size.h"
#include "model/utilities.h"

bool FitFontSize(int& size, bool onePasses)
{
    if (onePasses && size == kPassingFontSize)
        return false;
    const int points = Round(size * 72.0 / 254.0);
    if (points < kLeastFontPoints)
        size = kLeastFontSize;
    else if (points > kMostFontPoints)
        size = kMostFontSize;
    else
        return false;
    return true;
}
