// The Save As dialog's first filter for each file type.
#include "tests/support/zt_gtest.h"
#include "app/filter_index.h"

TEST(FilterIndex, EachTypeShowsItsFirstFilter)
{
    struct Case
    {
        int type;
        int filter;
    } cases[] = {
        {200, 1}, {213, 1}, {206, 1}, {201, 2}, {202, 3}, {1, 3},  {204, 0},  {19, 4},   {210, 5},  {211, 6},
        {212, 7}, {44, 8},  {49, 9},  {6, 10},  {7, 11},  {48, 12}, {33, 13}, {43, 15}, {108, 16}, {205, 17},
        {203, 1}, {0, 1},   {-1, 1},  {20000, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetFilterIndex(c.type), c.filter) << c.type;
}
