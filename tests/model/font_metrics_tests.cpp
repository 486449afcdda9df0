// The metrics a character style keeps with its font: whatever the style
// was before and however often a font was made from the same values, they
// are those of the font the style holds now.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GFontStyle.h"

namespace {

// The font's ascent and descent measured on a context of its own.
std::pair<int, int> MeasuredMetrics(CFont* font)
{
    CDC dc;
    EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
    CFont* previous = dc.SelectObject(font);
    TEXTMETRICA tm = {};
    EXPECT_TRUE(dc.GetTextMetrics(&tm));
    dc.SelectObject(previous);
    return {tm.tmAscent, tm.tmDescent};
}

} // namespace

TEST(StyleFontMetrics, AChangedStyleIsMeasuredAnew)
{
    struct Values
    {
        const char* face;
        int size;
        unsigned short attributes;
    };
    const Values values[] = {
        {"Arial", 42, 0},
        {"Arial", 300, 0},
        {"Courier New", 120, GFontStyle::kBold},
        {"Times New Roman", 120, GFontStyle::kItalic},
        {"Times New Roman", 120, GFontStyle::kSuperscript},
    };
    GFontStyle style("Arial", 42, 0, 0, 0x7F);
    // The second round builds every font again from values met before.
    for (int round = 0; round < 2; ++round)
        for (const Values& v : values)
        {
            SCOPED_TRACE(std::string(v.face) + " " + std::to_string(v.size) + " " + std::to_string(v.attributes) +
                         " round " + std::to_string(round));
            style.SetFace(v.face);
            style.SetSize(v.size);
            style.m_Attr = v.attributes;
            CFont* font = style.CreateFontA(GFontStyle::kMixedCharSet);
            ASSERT_NE(nullptr, font);
            const std::pair<int, int> measured = MeasuredMetrics(font);
            EXPECT_EQ(measured.first, style.GetAscent());
            EXPECT_EQ(measured.second, style.GetDescent());

            GFontStyle fresh(v.face, v.size, 0, (short)v.attributes, 0x7F);
            fresh.GetFont();
            EXPECT_EQ(style.GetAscent(), fresh.GetAscent());
            EXPECT_EQ(style.GetDescent(), fresh.GetDescent());
        }
}
