// Character styles and shortcut keys: tri-state Combine, Upgrade and
// equality, the font cache (superscript and subscript keep their bits and
// draw smaller and shifted), and the stored forms, current and older.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GFontStyle.h"
#include "model/style_key.h"
#include "model/utilities.h"
#include "tests/model/style_test_support.h"

using namespace style_tests;

namespace {

struct FontValues
{
    const char* face;
    int size;
    DWORD colour;
    WORD attr;
    WORD mask;
    BYTE charset;
};

GFontStyle Make(const FontValues& v)
{
    GFontStyle s(v.face, v.size, v.colour, (short)v.attr, (short)v.mask);
    s.SetCharSet(v.charset);
    return s;
}

void ExpectValues(const GFontStyle& s, const FontValues& v, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_STREQ(v.face, s.GetFace());
    EXPECT_EQ(v.size, s.GetSize());
    EXPECT_EQ(v.colour, s.GetColour());
    EXPECT_EQ(v.attr, s.GetAttributes());
    EXPECT_EQ(v.mask, s.GetMask());
    EXPECT_EQ(v.charset, s.GetCharSet());
}

const DWORD U = 0x80000000;   // undefined colour

} // namespace

TEST(StyleFont, CombineKeepsOnlyWhatBothShare)
{
    struct Case
    {
        const char* what;
        FontValues a, b, expected;
    } cases[] = {
        { "bold and plain: bold set but undefined",
          { "Arial", 100, 0, 0x01, 0x0F, 0 }, { "Arial", 100, 0, 0x00, 0x0F, 0 }, { "Arial", 100, 0, 0x01, 0x0E, 0 } },
        { "faces differing in case, sizes, colours and charsets",
          { "Arial", 100, 0xFF, 0, 0x0F, 0 }, { "arial", 120, 0x00, 0, 0x0F, 2 }, { "", -1, U, 0, 0x0F, 255 } },
        { "undefined against defined stays undefined",
          { "", -1, U, 0, 0, 0 }, { "Arial", 100, 0, 0x02, 0x0F, 0 }, { "", -1, U, 0x02, 0, 0 } },
        { "the source's mask is not consulted",
          { "Times", 80, 5, 0x02, 0x0F, 1 }, { "Times", 80, 5, 0x02, 0x00, 1 }, { "Times", 80, 5, 0x02, 0x0F, 1 } },
        { "superscript against subscript",
          { "Times", 80, 5, 0x10, 0x3F, 0 }, { "Times", 80, 5, 0x20, 0x3F, 0 }, { "Times", 80, 5, 0x30, 0x0F, 0 } },
    };
    for (const Case& c : cases)
    {
        GFontStyle a = Make(c.a);
        a.Combine(Make(c.b));
        ExpectValues(a, c.expected, c.what);
    }
}

TEST(StyleFont, UpgradeLaysDefinedValuesOver)
{
    struct Case
    {
        const char* what;
        FontValues target, src, expected;
    } cases[] = {
        { "an empty source changes only the charset",
          { "Arial", 100, 7, 0x05, 0x0F, 2 }, { "", -1, U, 0, 0, 0 }, { "Arial", 100, 7, 0x05, 0x0F, 0 } },
        { "face, size and colour come over",
          { "Arial", 100, 7, 0, 0x0F, 0 }, { "Times", 120, 9, 0, 0, 1 }, { "Times", 120, 9, 0, 0x0F, 1 } },
        { "defined bits set and clear, undefined ones leave the target",
          { "Arial", 100, 7, 0x02, 0x00, 0 }, { "", -1, U, 0x01, 0x03, 0 }, { "Arial", 100, 7, 0x01, 0x03, 0 } },
        { "superscript and subscript come over",
          { "Arial", 100, 7, 0x00, 0x0F, 0 }, { "", -1, U, 0x30, 0x30, 0 }, { "Arial", 100, 7, 0x30, 0x3F, 0 } },
        { "small capitals never comes over",
          { "Arial", 100, 7, 0x00, 0x0F, 0 }, { "", -1, U, 0x40, 0x40, 0 }, { "Arial", 100, 7, 0x00, 0x0F, 0 } },
    };
    for (const Case& c : cases)
    {
        GFontStyle t = Make(c.target);
        t.Upgrade(Make(c.src));
        ExpectValues(t, c.expected, c.what);
    }
}

TEST(StyleFont, EqualityComparesFaceIgnoringCaseAndAttributesWithMask)
{
    const FontValues base = { "Arial", 100, 0x123456, 0x03, 0x0F, 0 };
    struct Case
    {
        const char* what;
        FontValues other;
        bool equal;
    } cases[] = {
        { "same values", base, true },
        { "face in other case", { "ARIAL", 100, 0x123456, 0x03, 0x0F, 0 }, true },
        { "size", { "Arial", 101, 0x123456, 0x03, 0x0F, 0 }, false },
        { "colour", { "Arial", 100, 0x123457, 0x03, 0x0F, 0 }, false },
        { "attributes", { "Arial", 100, 0x123456, 0x01, 0x0F, 0 }, false },
        { "upper mask bits", { "Arial", 100, 0x123456, 0x03, 0xFF0F, 0 }, false },
        { "charset", { "Arial", 100, 0x123456, 0x03, 0x0F, 1 }, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.equal, Make(base) == Make(c.other)) << c.what;

    // Cached fonts and metrics are not compared.
    GFontStyle built = Make(base);
    built.GetFont();
    EXPECT_TRUE(built == Make(base));
}

TEST(StyleFont, AttributesAreTriState)
{
    struct Case
    {
        short bit;
        unsigned char value;
        unsigned char expected;
        WORD attr, mask;
    } cases[] = {
        { GFontStyle::kBold, 1, 1, 0x01, 0x01 },
        { GFontStyle::kItalic, 0, 0, 0x00, 0x02 },
        { GFontStyle::kUnderline, 2, 2, 0x00, 0x00 },
        { GFontStyle::kStrikeout, 7, 2, 0x00, 0x00 },
    };
    for (const Case& c : cases)
    {
        GFontStyle s;
        s.SetAttr(c.bit, c.value);
        EXPECT_EQ(c.expected, s.GetAttr(c.bit)) << "bit " << c.bit;
        EXPECT_EQ(c.attr, s.GetAttributes()) << "bit " << c.bit;
        EXPECT_EQ(c.mask, s.GetMask()) << "bit " << c.bit;
    }
    GFontStyle s;
    EXPECT_FALSE(s.IsAllDefined());
    GFontStyle full("Arial", 100, 0, 0, 0x0F);
    EXPECT_TRUE(full.IsAllDefined());
}

TEST(StyleFont, FontsAreBuiltLazilyAndNeverShared)
{
    GFontStyle s("Arial", 45, 0, 0, 0x0F);
    EXPECT_FALSE(s.HasFont());
    CFont* font = s.GetFont();
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(font, s.GetFont());
    EXPECT_GT(s.GetAscent(), 0);
    LOGFONT lf;
    font->GetLogFont(&lf);
    EXPECT_EQ(-45, lf.lfHeight);

    const short ascent = s.GetAscent();
    CFont* font10 = s.GetFont10();
    ASSERT_NE(nullptr, font10);
    // The cached metrics still describe the font at the style's size.
    EXPECT_EQ(ascent, s.GetAscent());
    font10->GetLogFont(&lf);
    EXPECT_EQ(-450, lf.lfHeight);
    EXPECT_EQ(45, s.GetSize());
    EXPECT_TRUE(s.HasFont());

    GFontStyle copy(s);
    EXPECT_FALSE(copy.HasFont());
    GFontStyle assigned;
    assigned.GetFont();
    assigned = s;
    EXPECT_FALSE(assigned.HasFont());
    EXPECT_EQ(s.GetAscent(), assigned.GetAscent());

    s.SetCharSet(0);
    EXPECT_FALSE(s.HasFont());
    EXPECT_FALSE(s.HasFont10());

    // Bold is rebuilt into a cached font.
    s.GetFont();
    s.SetAttr(GFontStyle::kBold, 1);
    ASSERT_TRUE(s.HasFont());
    s.GetFont()->GetLogFont(&lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);

    GFontStyle noFace;
    noFace.SetSize(100);
    EXPECT_EQ(nullptr, noFace.GetFont());
    // A mixed charset becomes the default one when a font is asked for.
    GFontStyle mixed("Arial", 100, 0, 0, 0x0F);
    mixed.SetCharSet(255);
    mixed.GetFont();
    EXPECT_EQ(1, mixed.GetCharSet());
}

TEST(StyleFont, SuperscriptAndSubscriptKeepTheirBitsAndDrawSmallerAndShifted)
{
    struct Case
    {
        const char* what;
        WORD attr;
        int height;
        int offsetSign;
    } cases[] = {
        { "plain", 0, -90, 0 },
        { "superscript", GFontStyle::kSuperscript, -60, -1 },
        { "subscript", GFontStyle::kSubscript, -60, 1 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        GFontStyle s("Arial", 90, 0, (short)c.attr, 0x3F);
        ASSERT_NE(nullptr, s.GetFont());
        LOGFONT lf;
        s.GetFont()->GetLogFont(&lf);
        EXPECT_EQ(c.height, lf.lfHeight);
        EXPECT_EQ(c.attr, s.GetAttributes());
        int sign = s.GetBaselineOffset() < 0 ? -1 : s.GetBaselineOffset() > 0 ? 1 : 0;
        EXPECT_EQ(c.offsetSign, sign);
        // The stored record keeps the bits too.
        GFontStyle back;
        Bytes bytes = StoreToBytes([&](CArchive& ar) { s.SaveZVW(ar); });
        LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); });
        EXPECT_EQ(c.attr, back.GetAttributes());
    }
}

TEST(StyleFont, MergeFontsFillsWhatTheSourceLeavesUndefined)
{
    GFontStyle deflt("Times", 100, 0x0000FF, 0x02, 0x0F);
    GFontStyle src("", -1, U, 0, 0);
    GFontStyle merged;
    merged.MergeFonts(src, &deflt);
    EXPECT_STREQ("Times", merged.GetFace());
    EXPECT_EQ(100, merged.GetSize());
    EXPECT_EQ(0x0000FFu, merged.GetColour());
    EXPECT_EQ(0x02, merged.GetAttributes());
    EXPECT_TRUE(merged.HasFont());

    GFontStyle own("Arial", 80, 0, 0x01, 0x01);
    merged.MergeFonts(own, &deflt);
    EXPECT_STREQ("Arial", merged.GetFace());
    EXPECT_EQ(0x01, merged.GetMask());
}

TEST(StyleFont, StoredFormRoundTripsIn52Bytes)
{
    GFontStyle s("Courier New", 123, 0x00A0B0C0, 0x25, 0x2F);
    s.SetCharSet(238);
    s.GetFont();
    Bytes bytes = StoreToBytes([&](CArchive& ar) { s.SaveZVW(ar); });
    ASSERT_EQ((size_t)kGFontStyleStoredSize, bytes.size());
    EXPECT_EQ('C', bytes[0]);
    EXPECT_EQ(123, ReadI32(bytes, 32));
    EXPECT_EQ(0x00A0B0C0, ReadI32(bytes, 36));
    EXPECT_EQ(0x25, ReadI16(bytes, 40));
    EXPECT_EQ(0x2F, bytes[42]);
    EXPECT_EQ(238, bytes[43]);
    EXPECT_EQ(s.GetAscent(), ReadI16(bytes, 44));
    EXPECT_EQ(0, ReadI16(bytes, 46));

    GFontStyle back;
    EXPECT_EQ(0u, LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); }));
    EXPECT_STREQ("Courier New", back.GetFace());
    EXPECT_EQ(123, back.GetSize());
    EXPECT_EQ(0x00A0B0C0u, back.GetColour());
    EXPECT_EQ(0x25, back.GetAttributes());
    EXPECT_EQ(0xFF2F, back.GetMask());   // upper mask bits read as set
    EXPECT_EQ(238, back.GetCharSet());
    EXPECT_EQ(s.GetAscent(), back.GetAscent());
    EXPECT_FALSE(back.HasFont());
    EXPECT_FALSE(back == s);             // the mask differs as a unit

    // A stored mixed charset reads back as 0.
    bytes[43] = 255;
    LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); });
    EXPECT_EQ(0, back.GetCharSet());
}

TEST(StyleFont, OlderRecordReadsThroughItsConverter)
{
    Fixture f;
    f.text("Arial", 32).i16(-5).i32(0x00112233).i16(0x0003).i16(0x000F).i16(17);
    ASSERT_EQ((size_t)kOldGFontStyleStoredSize, f.b.size());
    GFontStyle s("Times", 80, 0, 0, 0);
    s.SetCharSet(2);
    EXPECT_EQ(0u, LoadFromBytes(f.b, [&](CArchive& ar) { s.OpenOldZVW(ar); }));
    EXPECT_STREQ("Arial", s.GetFace());
    EXPECT_EQ(-5, s.GetSize());          // sign-extended
    EXPECT_EQ(0x00112233u, s.GetColour());
    EXPECT_EQ(0x03, s.GetAttributes());
    EXPECT_EQ(0x0F, s.GetMask());
    EXPECT_EQ(17, s.GetAscent());
    EXPECT_EQ(0, s.GetCharSet());
}

TEST(StyleKey, DescriptionNamesModifiersAndKey)
{
    const CString lead = GetResourceString(kIdsShortcut);
    struct Case
    {
        unsigned short vkey;
        unsigned char mods;
        const char* tail;   // after the leading text
    } cases[] = {
        { 'A', GKey::kCtrl | GKey::kShift, "Ctrl+Shift+A" },
        { '7', GKey::kAlt | GKey::kCtrl | GKey::kShift, "Alt+Ctrl+Shift+7" },
        { VK_F1, 0, "F1" },
        { VK_F12, GKey::kAlt, "Alt+F12" },
        { VK_SPACE, GKey::kCtrl, "Ctrl+" },   // other keys add nothing
    };
    for (const Case& c : cases)
        EXPECT_STREQ((LPCSTR)(lead + c.tail), (LPCSTR)GKey(c.vkey, c.mods).GetDescription());
    EXPECT_STREQ((LPCSTR)(lead + GetResourceString(kIdsUndefinedShortcut)),
                 (LPCSTR)GKey(0, GKey::kCtrl).GetDescription());
}

TEST(StyleKey, StoredFormIs4BytesAndOlderIs3)
{
    GKey k('Q', GKey::kAlt | GKey::kShift);
    Bytes bytes = StoreToBytes([&](CArchive& ar) { k.SaveZVW(ar); });
    EXPECT_EQ((Bytes{ 0x03, 0x00, 'Q', 0x00 }), bytes);
    GKey back;
    LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); });
    EXPECT_TRUE(back == k);

    Bytes old = { 0x04, 0x70, 0x00 };
    EXPECT_EQ(0u, LoadFromBytes(old, [&](CArchive& ar) { back.OpenOldZVW(ar); }));
    EXPECT_EQ(GKey::kCtrl, back.modifiers);
    EXPECT_EQ(VK_F1, back.vkey);
}
