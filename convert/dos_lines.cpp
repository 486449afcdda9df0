#include "convert/dos_lines.h"

namespace dos
{
namespace
{
const int kMostRow = 0x7FFF;
const char kEndOfFileMark = 26;
const char kCarriageReturn = 13;
} // namespace

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find(kLineFeed, start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == kCarriageReturn || line.back() == kEndOfFileMark))
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool ReadNumber(const std::string& text, size_t& i, int most, int& value)
{
    if (i >= text.size() || !IsDigit(text[i]))
        return false;
    long long n = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        if (n <= most)
            n = n * 10 + (text[i] - '0');
    value = n > most ? most : (int)n;
    return true;
}

CellLineKind ParseCellLine(const std::string& line, CellLine& out)
{
    size_t i = 1;
    if (line.empty() || line[0] != 'R' || !ReadNumber(line, i, kMostRow, out.row))
        return kNotCellLine;
    if (i >= line.size() || line[i] != 'C')
        return kNotCellLine;
    ++i;
    if (!ReadNumber(line, i, kMostRow, out.column))
        return kNotCellLine;
    if (i >= line.size() || !IsBlank(line[i]))
        return kBadCellLine;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    out.rest = line.substr(i);
    return kCellLine;
}

std::string UpperCase(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = (char)(c - 'a' + 'A');
    return out;
}
} // namespace dos
