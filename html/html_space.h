// White space as the HTML reader and its style sheets see it: the C
// locale's isspace, for any byte (signed or not).
#pragma once

inline bool IsHtmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
