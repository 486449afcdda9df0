// Letters, digits and case of the ANSI code page, read on unsigned bytes,
// as the text search of the utilities compares them; used by find and
// replace and change case.
#pragma once

bool IsAnsiLetter(char c);
bool IsAnsiLetterOrDigit(char c);
bool IsAnsiUpper(char c);
bool IsAnsiLower(char c);
char AnsiUpper(char c);
char AnsiLower(char c);
