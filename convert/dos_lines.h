// Reading the lines of a DOS document's settings, cell and format sections:
// numbers that stop at their range, and cell and format lines taken apart.
// Used by the DOS importer's steps.
#pragma once
#include <string>
#include <vector>

namespace dos
{
const char kFormFeed = 12;
const char kLineFeed = 10;

// The lines of text, without their line ends (13 and 26 at the end dropped).
std::vector<std::string> SplitLines(const std::string& text);

bool IsBlank(char c);
bool IsDigit(char c);

// The decimal number at text[i], i moved past its digits; a number above
// most counts as most. False when no digit stands there.
bool ReadNumber(const std::string& text, size_t& i, int most, int& value);

// A cell or format line: "R", row, "C", column, tabs or blanks, the rest.
struct CellLine
{
    int row = 0;
    int column = 0;
    std::string rest;
};
enum CellLineKind { kNotCellLine, kCellLine, kBadCellLine };
// kBadCellLine: the column number is not followed by a tab or a blank.
CellLineKind ParseCellLine(const std::string& line, CellLine& out);

// Upper case of a to z only.
std::string UpperCase(const std::string& text);
} // namespace dos
