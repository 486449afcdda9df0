// Tests of the named colour table: names from the string table, colours of
// the default palette and the nearest-colour search.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/colors.h"

class ColorTable : public testing::Test
{
protected:
    void SetUp() override { InitColors(); }
    void TearDown() override { InitColors(); }
};

TEST_F(ColorTable, HoldsNamedPaletteColours)
{
    struct Case { int index; const char* name; COLORREF color; };
    const Case cases[] = {
        {0, "Black", RGB(0, 0, 0)},        {1, "Maroon", RGB(128, 0, 0)},
        {6, "Teal", RGB(0, 128, 128)},     {7, "Gray", RGB(128, 128, 128)},
        {8, "Silver", RGB(192, 192, 192)}, {9, "Red", RGB(255, 0, 0)},
        {13, "Fuchsia", RGB(255, 0, 255)}, {15, "White", RGB(255, 255, 255)},
    };
    EXPECT_EQ(17, GetNumColors());
    for (const Case& c : cases)
    {
        EXPECT_STREQ(c.name, GetColorName((unsigned char)c.index));
        EXPECT_EQ(c.color, GetColor((unsigned char)c.index)) << c.name;
    }
    EXPECT_STREQ("Automatic", GetColorName(16));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), GetColor(16));
}

TEST_F(ColorTable, IndexesPastTheTableGiveAutomaticAndNoName)
{
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), GetColor(17));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), GetColor(200));
    EXPECT_STREQ("", GetColorName(17));
    EXPECT_STREQ("", GetColorName(255));
}

TEST_F(ColorTable, NearestFixedColour)
{
    struct Case { COLORREF color; int expected; };
    const Case cases[] = {
        {RGB(255, 0, 0), 9},
        {RGB(250, 0, 0), 9},
        {RGB(100, 100, 100), 7},       // gray at 84 beats black (300) and silver (276)
        {RGB(0, 0, 0), 0},
        {RGB(255, 255, 255), 15},
        {RGB(64, 0, 0), 0},            // as near black as maroon: the first wins
        {RGB(0, 0, 200), 12},
        {RGB(0, 255, 255) | 0x02000000, 14},   // only the colour bytes count
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, GetColorIndex(c.color)) << std::hex << c.color;
}

TEST_F(ColorTable, NearestNeverAnswersAutomatic)
{
    Color[16].color = RGB(1, 2, 3);
    EXPECT_EQ(0, GetColorIndex(RGB(1, 2, 3)));
}
