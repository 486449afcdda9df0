// The number-format converters. Words and endings come from the string
// table so that a translated build can change them.
#include "afxwin.h"
#include "model/number_formats.h"
#include "resources/resource.h"
#include "model/utilities.h"

#include <stdio.h>
#include <string.h>

// Ranges of the converters.
const int kMaxRoman = 3999;
const int kMaxLetter = 25999;
const int kMax1st2nd = 1000;
const int kMaxFirst = 9999;
const int kMaxOneTwo = 1000;

// Word lists hold the words for 0-19 in entries 0-19 and the tens words in
// entries 20-29 (entry 20, for a tens digit 0, is empty).
const int kTensEntry = 20;

static char* Store(char* buffer, const CString& text)
{
    lstrcpynA(buffer, text, kNumberTextSize);
    return buffer;
}

static char* Empty(char* buffer)
{
    buffer[0] = 0;
    return buffer;
}

// Entry `index` of a comma-separated list; empty when the list is shorter.
static CString ListEntry(const CString& list, int index)
{
    int begin = 0;
    for (int k = 0; k < index; k++)
    {
        int comma = list.Find(',', begin);
        if (comma < 0)
            return CString();
        begin = comma + 1;
    }
    int end = list.Find(',', begin);
    if (end < 0)
        end = list.GetLength();
    return list.Mid(begin, end - begin);
}

// Capitals for the upper-case formats, or a capital first letter for the
// word formats in natural case.
static char* ApplyCase(char* buffer, int natural, bool capitalFirst)
{
    if (!natural)
        ::CharUpperA(buffer);
    else if (capitalFirst && buffer[0])
        ::CharUpperBuffA(buffer, 1);
    return buffer;
}

static void TrimTrailingBlank(CString& text)
{
    int n = text.GetLength();
    if (n > 0 && text[n - 1] == ' ')
        text = text.Left(n - 1);
}

char* NumConvert(int n, char* buffer, int format)
{
    switch (format)
    {
    case kNumArabic: return ToArabic(n, buffer);
    case kNumRomanLower: return ToRoman(n, buffer, 1);
    case kNumRomanUpper: return ToRoman(n, buffer, 0);
    case kNumLetterLower: return ToLetter(n, buffer, 1);
    case kNumLetterUpper: return ToLetter(n, buffer, 0);
    case kNumOrdinalLower: return To1st2nd(n, buffer, 1);
    case kNumOrdinalUpper: return To1st2nd(n, buffer, 0);
    case kNumFirstLower: return ToFirst(n, buffer, 1);
    case kNumFirstUpper: return ToFirst(n, buffer, 0);
    case kNumWordsLower: return ToOneTwo(n, buffer, 1);
    case kNumWordsUpper: return ToOneTwo(n, buffer, 0);
    default: return Empty(buffer);
    }
}

char* ToArabic(int n, char* buffer)
{
    if (n < 1)
        return Empty(buffer);
    snprintf(buffer, kNumberTextSize, "%d", n);
    return buffer;
}

char* ToRoman(int n, char* buffer, int natural)
{
    if (n < 1 || n > kMaxRoman)
        return Empty(buffer);
    static const char* const kUnits[10] = {"", "i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix"};
    static const char* const kTens[10] = {"", "x", "xx", "xxx", "xl", "l", "lx", "lxx", "lxxx", "xc"};
    static const char* const kHundreds[10] = {"", "c", "cc", "ccc", "cd", "d", "dc", "dcc", "dccc", "cm"};
    static const char* const kThousands[4] = {"", "m", "mm", "mmm"};
    buffer[0] = 0;
    strcat(buffer, kThousands[n / 1000]);
    strcat(buffer, kHundreds[n / 100 % 10]);
    strcat(buffer, kTens[n / 10 % 10]);
    strcat(buffer, kUnits[n % 10]);
    return ApplyCase(buffer, natural, false);
}

char* ToLetter(int n, char* buffer, int natural)
{
    if (n < 1 || n > kMaxLetter)
        return Empty(buffer);
    int k = n - 1;
    buffer[0] = (char)('a' + k % 26);
    buffer[1] = 0;
    // Past z the letters start again with a round counter: a1, b1, ...
    if (k / 26 > 0)
        snprintf(buffer + 1, kNumberTextSize - 1, "%d", k / 26);
    return ApplyCase(buffer, natural, false);
}

char* To1st2nd(int n, char* buffer, int natural)
{
    if (n < 1 || n > kMax1st2nd)
        return Empty(buffer);
    CString endings = GetResourceString(IDS_NUM_ORDINAL_ENDINGS);
    // Eleventh, twelfth and thirteenth keep "th" whatever their last digit;
    // the table's ending for 3 would otherwise make 13 "13rd".
    int lastTwo = n % 100;
    CString ending = (lastTwo >= 11 && lastTwo <= 13) ? ListEntry(endings, 0) : ListEntry(endings, n % 10);
    CString text;
    text.Format("%d%s", n, (const char*)ending);
    Store(buffer, text);
    return ApplyCase(buffer, natural, false);
}

char* ToFirst(int n, char* buffer, int natural)
{
    if (n < 1 || n > kMaxFirst)
        return Empty(buffer);
    CString cardinal = GetResourceString(IDS_NUM_CARDINAL_WORDS);
    CString ordinal = GetResourceString(IDS_NUM_ORDINAL_WORDS);
    int thousands = n / 1000;
    int hundreds = n / 100 % 10;
    int rest = n % 100;
    CString text;
    if (thousands)
    {
        text += ListEntry(cardinal, thousands);
        if (n % 1000 == 0)
            text += GetResourceString(IDS_NUM_THOUSANDTH);
        else
            text += GetResourceString(IDS_NUM_THOUSAND) + " ";
    }
    if (hundreds)
    {
        text += ListEntry(cardinal, hundreds);
        if (rest == 0)
            text += GetResourceString(IDS_NUM_HUNDREDTH);
        else
            text += GetResourceString(IDS_NUM_HUNDRED) + " ";
    }
    if (rest < kTensEntry)
        text += ListEntry(ordinal, rest);
    else if (rest % 10 == 0)
        text += ListEntry(ordinal, kTensEntry + rest / 10);
    else
        text += ListEntry(cardinal, kTensEntry + rest / 10) + "-" + ListEntry(ordinal, rest % 10);
    TrimTrailingBlank(text);
    Store(buffer, text);
    return ApplyCase(buffer, natural, true);
}

char* ToOneTwo(int n, char* buffer, int natural)
{
    if (n < 1 || n > kMaxOneTwo)
        return Empty(buffer);
    CString cardinal = GetResourceString(IDS_NUM_CARDINAL_WORDS);
    int thousands = n / 1000;
    int hundreds = n / 100 % 10;
    int rest = n % 100;
    CString text;
    if (thousands)
    {
        text += ListEntry(cardinal, thousands) + GetResourceString(IDS_NUM_THOUSAND);
        if (n % 1000 != 0)
            text += " ";
    }
    if (hundreds)
        text += ListEntry(cardinal, hundreds) + GetResourceString(IDS_NUM_HUNDRED) + " ";
    if (rest < kTensEntry)
    {
        text += ListEntry(cardinal, rest);
    }
    else
    {
        text += ListEntry(cardinal, kTensEntry + rest / 10);
        if (rest % 10 != 0)
            text += "-" + ListEntry(cardinal, rest % 10);
    }
    TrimTrailingBlank(text);
    Store(buffer, text);
    return ApplyCase(buffer, natural, true);
}
