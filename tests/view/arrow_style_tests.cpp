// The stored callout arrow style: six words, and the colour numbers older
// files kept in place of a colour.
#include "tests/support/zt_gtest.h"
#include "tests/support/archive_bytes.h"
#include "view/arrow_style.h"

namespace {

tagArrowStyle ReadWithColourWord(LONG colourWord)
{
    tagArrowStyle stored;
    stored.lineStyle = 3;
    stored.colour = colourWord;
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { stored.Save(ar); });
    EXPECT_EQ(bytes.size(), (size_t)tagArrowStyle::kStoredSize);
    tagArrowStyle read;
    LoadFromBytes(bytes, [&](CArchive& ar) { read.Load(ar); });
    EXPECT_EQ(read.lineStyle, 3);
    return read;
}

TEST(ArrowStyle, AnOlderColourNumberIsReadAsItsColour)
{
    InitColors();
    struct Case { LONG word; COLORREF expected; } cases[] = {
        {0, 0},                                   // black stays black
        {1, GetColor(1)}, {5, GetColor(5)}, {7, GetColor(7)}, {14, GetColor(14)},
        {15, 15},                                 // past the numbers: a colour as stored
        {(LONG)RGB(1, 2, 3), RGB(1, 2, 3)},
    };
    for (const Case& c : cases)
        EXPECT_EQ((COLORREF)ReadWithColourWord(c.word).colour, c.expected) << c.word;
}

} // namespace
