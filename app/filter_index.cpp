#include "app/filter_index.h"

namespace
{
struct FilterOfType
{
    int filterIndex;
    int type;
};
// Searched in order; the first row of a type wins (Ami Pro has two filters).
const FilterOfType FilterIndexTable[] = {
    {0, 204}, {1, 200}, {1, 213}, {2, 201}, {3, 202}, {3, 1},   {4, 19},  {5, 210}, {6, 211}, {7, 212}, {8, 44},
    {9, 49},  {10, 6},  {11, 7},  {12, 48}, {13, 33}, {14, 33}, {15, 43}, {16, 108}, {17, 205}, {1, 206},
};
const int kUnknownTypeFilter = 1;
} // namespace

int GetFilterIndex(const int& type)
{
    for (const FilterOfType& row : FilterIndexTable)
        if (row.type == type)
            return row.filterIndex;
    return kUnknownTypeFilter;
}
