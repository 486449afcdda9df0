// The paper table and its look-ups by code and by size.
#include "tests/support/zt_gtest.h"
#include "view/papers.h"
#include <set>

TEST(Papers, OneRowPerCodeInPageSetupOrder)
{
    std::set<int> codes;
    for (const PaperRow& row : papers)
        codes.insert(row.code);
    EXPECT_EQ(codes.size(), (size_t)kPaperCount);
    EXPECT_EQ(*codes.begin(), 1);
    EXPECT_EQ(*codes.rbegin(), 68);
    const int head[] = {1, 5, 9, 24, 25, 26, 2, 3, 4, 6, 7, 8, 10};
    for (size_t i = 0; i < _countof(head); ++i)
        EXPECT_EQ(papers[i].code, head[i]) << i;
}

TEST(Papers, SizeByCode)
{
    struct Case { int code; int width; int height; };
    const Case cases[] = {
        {9, 2100, 2970}, {1, 2159, 2794}, {7, 1841, 2667}, {20, 1048, 2413},
        {39, 3778, 2794}, {48, 0, 0}, {68, 3220, 4450},
        {0, 2100, 2970}, {256, 2100, 2970}, {-1, 2100, 2970},   // unknown codes: A4
    };
    for (const Case& c : cases)
    {
        CSize size = GetPaperSize(c.code);
        EXPECT_EQ(size.cx, c.width) << c.code;
        EXPECT_EQ(size.cy, c.height) << c.code;
    }
}

TEST(Papers, TypeBySizeWithinTolerance)
{
    struct Case { int width; int height; int portrait; int code; };
    const Case cases[] = {
        {2100, 2970, 1, 9},      // A4
        {2102, 2968, 1, 9},      // within 2 each way
        {2103, 2970, 1, 0},      // just outside
        {2970, 2100, 0, 9},      // landscape A4 is compared crosswise
        {2159, 2794, 1, 1},      // Letter, not Letter small or Note: first row wins
        {2000, 2000, 1, 0},
        {2794, 4318, 1, 3},      // Tabloid comes before 11 x 17
        {0, 0, 1, 48},           // the reserved rows hold zero sizes
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetPaperType(CSize(c.width, c.height), c.portrait), c.code)
            << c.width << "x" << c.height << " portrait " << c.portrait;
}
