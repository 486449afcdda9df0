// CSS and HTML font sizes in tenths of a millimetre.
#include "html/CStyleSheetManager.h"
#include "model/utilities.h"
#include <stdlib.h>

namespace {

constexpr int kTenthsPerInch = 254;
constexpr int kTenthsPerCentimetre = 100;
constexpr int kPointsPerInch = 72;
constexpr int kNoSize = -1;

// The seven keywords, HTML sizes 1 to 7 in order.
const struct
{
    const char* keyword;
    int tenths;
} kSizeKeywords[] = {{"xx-small", 28}, {"x-small", 35}, {"small", 42},     {"medium", 49},
                     {"large", 64},    {"x-large", 85}, {"xx-large", 127}};
constexpr int kHtmlSizes = sizeof(kSizeKeywords) / sizeof(kSizeKeywords[0]);

} // namespace

// A percentage has no base to count from here and gives -1.
int GetFontSize(const CString& text, const int& htmlSize)
{
    if (htmlSize != kNoSize)
        return htmlSize >= 1 && htmlSize <= kHtmlSizes ? kSizeKeywords[htmlSize - 1].tenths : kNoSize;
    if (text.IsEmpty())
        return kNoSize;
    // The number that begins the text; what follows it is not looked at.
    long number = strtol(text, nullptr, 10);
    if (text.Find("pt") >= 0)
        return Round((double)number * kTenthsPerInch / kPointsPerInch);
    if (text.Find("cm") >= 0)
        return number * kTenthsPerCentimetre;
    if (text.Find("in") >= 0)
        return number * kTenthsPerInch;
    for (const auto& size : kSizeKeywords)
        if (text == size.keyword)
            return size.tenths;
    return kNoSize;
}
