// Tests of the number formats over every format's range, its limits and
// the casing of each form.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/number_formats.h"

#include <string.h>

struct FormatCase { int n; int format; const char* expected; };

static const FormatCase kFormatCases[] = {
    // arabic: 1 and above
    {0, kNumArabic, ""}, {-3, kNumArabic, ""}, {1, kNumArabic, "1"}, {4, kNumArabic, "4"},
    {2147483647, kNumArabic, "2147483647"},
    // roman: 1 to 3999
    {0, kNumRomanLower, ""}, {1, kNumRomanLower, "i"}, {4, kNumRomanLower, "iv"},
    {4, kNumRomanUpper, "IV"}, {1994, kNumRomanUpper, "MCMXCIV"}, {3888, kNumRomanLower, "mmmdccclxxxviii"},
    {3999, kNumRomanLower, "mmmcmxcix"}, {4000, kNumRomanLower, ""}, {4000, kNumRomanUpper, ""},
    // letters: 1 to 25999
    {0, kNumLetterLower, ""}, {1, kNumLetterLower, "a"}, {4, kNumLetterLower, "d"}, {4, kNumLetterUpper, "D"},
    {26, kNumLetterLower, "z"}, {27, kNumLetterLower, "a1"}, {52, kNumLetterLower, "z1"},
    {53, kNumLetterLower, "a2"}, {27, kNumLetterUpper, "A1"}, {25999, kNumLetterLower, "y999"},
    {26000, kNumLetterLower, ""},
    // 1st, 2nd: 1 to 1000
    {0, kNumOrdinalLower, ""}, {1, kNumOrdinalLower, "1st"}, {2, kNumOrdinalLower, "2nd"},
    {3, kNumOrdinalLower, "3rd"}, {4, kNumOrdinalLower, "4th"}, {4, kNumOrdinalUpper, "4TH"},
    {11, kNumOrdinalLower, "11th"}, {12, kNumOrdinalLower, "12th"}, {13, kNumOrdinalLower, "13th"},
    {21, kNumOrdinalLower, "21st"}, {111, kNumOrdinalLower, "111th"}, {122, kNumOrdinalLower, "122nd"},
    {213, kNumOrdinalLower, "213th"}, {101, kNumOrdinalUpper, "101ST"}, {1000, kNumOrdinalLower, "1000th"},
    {1001, kNumOrdinalLower, ""},
    // first, second: 1 to 9999
    {0, kNumFirstLower, ""}, {1, kNumFirstLower, "First"}, {4, kNumFirstLower, "Fourth"},
    {4, kNumFirstUpper, "FOURTH"}, {10, kNumFirstLower, "Tenth"}, {19, kNumFirstLower, "Nineteenth"},
    {20, kNumFirstLower, "Twentieth"}, {21, kNumFirstLower, "Twenty-first"},
    {99, kNumFirstLower, "Ninety-ninth"}, {100, kNumFirstLower, "One hundredth"},
    {200, kNumFirstLower, "Two hundredth"}, {1000, kNumFirstLower, "One thousandth"},
    {1010, kNumFirstLower, "One thousand tenth"}, {1203, kNumFirstLower, "One thousand two hundred third"},
    {3400, kNumFirstUpper, "THREE THOUSAND FOUR HUNDREDTH"},
    {9999, kNumFirstLower, "Nine thousand nine hundred ninety-ninth"}, {10000, kNumFirstLower, ""},
    // one, two: 1 to 1000
    {0, kNumWordsLower, ""}, {1, kNumWordsLower, "One"}, {4, kNumWordsLower, "Four"},
    {4, kNumWordsUpper, "FOUR"}, {20, kNumWordsLower, "Twenty"}, {45, kNumWordsLower, "Forty-five"},
    {90, kNumWordsLower, "Ninety"}, {100, kNumWordsLower, "One hundred"},
    {115, kNumWordsLower, "One hundred fifteen"}, {999, kNumWordsLower, "Nine hundred ninety-nine"},
    {1000, kNumWordsLower, "One thousand"}, {1000, kNumWordsUpper, "ONE THOUSAND"}, {1001, kNumWordsLower, ""},
    // unknown formats
    {4, 11, ""}, {4, -1, ""},
};

TEST(NumberFormats, ConvertsEveryFormatWithinItsRange)
{
    for (const FormatCase& c : kFormatCases)
    {
        char buffer[kNumberTextSize];
        memset(buffer, 'X', sizeof(buffer));   // an empty answer must still be written
        EXPECT_EQ(buffer, NumConvert(c.n, buffer, c.format));
        EXPECT_STREQ(c.expected, buffer) << c.n << " in format " << c.format;
    }
}

TEST(NumberFormats, ConvertersMatchNumConvert)
{
    char a[kNumberTextSize], b[kNumberTextSize];
    EXPECT_STREQ(NumConvert(1994, a, kNumRomanUpper), ToRoman(1994, b, 0));
    EXPECT_STREQ(NumConvert(27, a, kNumLetterLower), ToLetter(27, b, 1));
    EXPECT_STREQ(NumConvert(122, a, kNumOrdinalLower), To1st2nd(122, b, 1));
    EXPECT_STREQ(NumConvert(21, a, kNumFirstLower), ToFirst(21, b, 1));
    EXPECT_STREQ(NumConvert(115, a, kNumWordsLower), ToOneTwo(115, b, 1));
    EXPECT_STREQ(NumConvert(4, a, kNumArabic), ToArabic(4, b));
}

// Every number of the word ranges must fit the buffer without being cut:
// a cut text would lose its last letters silently.
TEST(NumberFormats, WordFormsFitTheBuffer)
{
    char buffer[kNumberTextSize];
    size_t longest = 0;
    for (int n = 1; n <= 9999; n++)
        longest = std::max(longest, strlen(ToFirst(n, buffer, 1)));
    for (int n = 1; n <= 1000; n++)
        longest = std::max(longest, strlen(ToOneTwo(n, buffer, 1)));
    EXPECT_LT(longest, (size_t)kNumberTextSize - 1);
    EXPECT_GE(longest, 40u);
}
