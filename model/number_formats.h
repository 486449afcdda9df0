// Number formats of page, list and caption numbers: arabic, roman, letters,
// 1st/2nd, first/second and one/two, each in natural case or capitals.
#pragma once

// Formats understood by NumConvert.
enum NumberFormat
{
    kNumArabic = 0,          // 4
    kNumRomanLower = 1,      // iv
    kNumRomanUpper = 2,      // IV
    kNumLetterLower = 3,     // d
    kNumLetterUpper = 4,     // D
    kNumOrdinalLower = 5,    // 4th
    kNumOrdinalUpper = 6,    // 4TH
    kNumFirstLower = 7,      // Fourth
    kNumFirstUpper = 8,      // FOURTH
    kNumWordsLower = 9,      // Four
    kNumWordsUpper = 10,     // FOUR
};

// The buffer every converter writes into must hold this many characters;
// the longest text of any format's range is well below it.
const int kNumberTextSize = 64;

// Writes n in the given format into buffer and answers buffer; an unknown
// format or a number out of the format's range gives an empty text.
char* NumConvert(int n, char* buffer, int format);

// The converters. `natural` is 1 for the natural case, 0 for capitals.
char* ToArabic(int n, char* buffer);                 // 1 and above
char* ToRoman(int n, char* buffer, int natural);     // 1 to 3999
char* ToLetter(int n, char* buffer, int natural);    // 1 to 25999: a..z, a1..z1, ...
char* To1st2nd(int n, char* buffer, int natural);    // 1 to 1000
char* ToFirst(int n, char* buffer, int natural);     // 1 to 9999
char* ToOneTwo(int n, char* buffer, int natural);    // 1 to 1000
