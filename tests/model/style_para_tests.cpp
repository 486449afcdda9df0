// Paragraph and master styles: tri-state Combine, Upgrade and equality,
// and the stored forms, current and older.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "model/GParaStyle.h"
#include "model/GMasterStyle.h"
#include "tests/model/style_test_support.h"

using namespace style_tests;

TEST(StyleTriState, CombineAndUpgradeOfValues)
{
    struct Case
    {
        Gint a, b;
        Gint combined, upgraded;
    } cases[] = {
        { Gint(5), Gint(5), Gint(5), Gint(5) },
        { Gint(5), Gint(6), Gint(5, 0), Gint(6) },
        { Gint(5), Gint(6, 0), Gint(5, 0), Gint(5) },
        { Gint(5, 0), Gint(5), Gint(5, 0), Gint(5) },
        { Gint(5, 0), Gint(7, 0), Gint(5, 0), Gint(5, 0) },
    };
    for (const Case& c : cases)
    {
        Gint x = c.a;
        x.Combine(c.b);
        EXPECT_TRUE(x == c.combined) << c.a.value << "/" << c.b.value;
        Gint y = c.a;
        y.Upgrade(c.b);
        EXPECT_TRUE(y == c.upgraded) << c.a.value << "/" << c.b.value;
    }
    Gfloat f(1.5f);
    f.Combine(Gfloat(2.0f));
    EXPECT_FALSE(f.IsDefined());
    EXPECT_EQ(1.5f, f.value);
    f.Upgrade(Gfloat(2.0f));
    EXPECT_TRUE(f == Gfloat(2.0f));
    // An undefined value still counts in equality.
    EXPECT_FALSE(Gint(3, 0) == Gint(3, 1));
}

TEST(StylePara, DefaultsAndSixValueConstructor)
{
    GParaStyle d;
    EXPECT_TRUE(d.m_Left == Gint(0));
    EXPECT_TRUE(d.m_Right == Gint(0));
    EXPECT_TRUE(d.m_FirstLine == Gint(127));
    EXPECT_TRUE(d.m_Spacing == Gfloat(1.0f));
    EXPECT_TRUE(d.m_Extra == Gint(0));
    EXPECT_EQ(GParaStyle::kAlignLeft, d.m_Align);
    EXPECT_TRUE(d.IsAllDefined());

    // Built in two places from the same values: equal, and the same bytes.
    GParaStyle a(100, 50, 0, 1.5f, 20, GParaStyle::kAlignJustify);
    GParaStyle b(100, 50, 0, 1.5f, 20, GParaStyle::kAlignJustify);
    EXPECT_TRUE(a == b);
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { a.SaveZVW(ar); }), StoreToBytes([&](CArchive& ar) { b.SaveZVW(ar); }));
}

TEST(StylePara, EqualityComparesEveryField)
{
    struct Case
    {
        const char* what;
        void (*change)(GParaStyle&);
    } cases[] = {
        { "left value", [](GParaStyle& p) { p.m_Left.value = 1; } },
        { "right flag", [](GParaStyle& p) { p.m_Right.defined = 0; } },
        { "spacing", [](GParaStyle& p) { p.m_Spacing.value = 2.0f; } },
        { "space after", [](GParaStyle& p) { p.m_After.value = 30; } },
        { "alignment", [](GParaStyle& p) { p.m_Align = GParaStyle::kAlignRight; } },
        { "a stop's type", [](GParaStyle& p) { p.m_Tabs[3].type = GTab::kDecimal; } },
        { "a stop's flag", [](GParaStyle& p) { p.m_Tabs[15].position.defined = 0; } },
        { "previous edge", [](GParaStyle& p) { p.m_Tabs.m_PrevLeft = 10; } },
    };
    for (const Case& c : cases)
    {
        GParaStyle p;
        c.change(p);
        EXPECT_FALSE(p == GParaStyle()) << c.what;
    }
}

TEST(StylePara, CombineClearsFlagsWhereValuesDiffer)
{
    GParaStyle a(100, 0, 127, 1.0f, 0, GParaStyle::kAlignCentre);
    GParaStyle b(100, 20, 127, 2.0f, 0, GParaStyle::kAlignRight);
    b.m_Before = Gint(10);
    b.m_Tabs[2] = GTab(GTab::kRight, 381);
    b.m_Tabs[5].position.defined = 0;   // src flags are not consulted
    a.Combine(b);
    EXPECT_TRUE(a.m_Left == Gint(100));
    EXPECT_TRUE(a.m_Right == Gint(0, 0));
    EXPECT_TRUE(a.m_FirstLine == Gint(127));
    EXPECT_TRUE(a.m_Spacing == Gfloat(1.0f, 0));
    EXPECT_TRUE(a.m_Before == Gint(0, 0));
    EXPECT_TRUE(a.m_After == Gint(0));
    EXPECT_EQ(GParaStyle::kAlignUndefined, a.m_Align);
    EXPECT_FALSE(a.m_Tabs[2].position.IsDefined());
    EXPECT_TRUE(a.m_Tabs[5].position.IsDefined());
    EXPECT_TRUE(a.m_Tabs[1].position.IsDefined());
    EXPECT_FALSE(a.IsAllDefined());
}

TEST(StylePara, UpgradeTakesDefinedValuesAndAlwaysTheStops)
{
    GParaStyle target(100, 0, 127, 1.0f, 0, GParaStyle::kAlignCentre);
    target.m_Tabs.m_PrevLeft = 7;
    GParaStyle src(300, 40, 0, 2.0f, 5, GParaStyle::kAlignUndefined);
    src.m_Left.defined = 0;
    src.m_Spacing.defined = 0;
    src.m_After = Gint(55);
    src.m_Before = Gint(66, 0);
    for (int i = 0; i < GTabArr::kCount; i++)
        src.m_Tabs[i] = GTab(GTab::kCentre, (short)(GTabArr::kCount - i) * 10, 0);
    target.Upgrade(src);
    EXPECT_TRUE(target.m_Left == Gint(100));
    EXPECT_TRUE(target.m_Right == Gint(40));
    EXPECT_TRUE(target.m_FirstLine == Gint(0));
    EXPECT_TRUE(target.m_Spacing == Gfloat(1.0f));
    EXPECT_TRUE(target.m_Extra == Gint(5));
    EXPECT_EQ(GParaStyle::kAlignCentre, target.m_Align);   // undefined alignment keeps the target's
    EXPECT_TRUE(target.m_Before == Gint(0));
    EXPECT_TRUE(target.m_After == Gint(55));
    // The stops came over, undefined and all, sorted.
    for (int i = 0; i < GTabArr::kCount; i++)
    {
        EXPECT_EQ((i + 1) * 10, target.m_Tabs[i].Pos());
        EXPECT_EQ(GTab::kCentre, target.m_Tabs[i].type);
        EXPECT_FALSE(target.m_Tabs[i].position.IsDefined());
    }
    EXPECT_EQ(7, target.m_Tabs.m_PrevLeft);
}

TEST(StylePara, StoredFormRoundTripsIn132Bytes)
{
    GParaStyle p(-50, 120, 30, 1.5f, 250, GParaStyle::kAlignRight);
    p.m_Before = Gint(12);
    p.m_After = Gint(34, 0);
    p.m_Tabs[1] = GTab(GTab::kDecimal, 222, 0);
    Bytes bytes = StoreToBytes([&](CArchive& ar) { p.SaveZVW(ar); });
    ASSERT_EQ((size_t)kGParaStyleStoredSize, bytes.size());
    EXPECT_EQ(-50, ReadI16(bytes, 0));
    EXPECT_EQ(1, bytes[2]);
    EXPECT_EQ(0, bytes[3]);
    float spacing;
    memcpy(&spacing, &bytes[12], 4);
    EXPECT_EQ(1.5f, spacing);
    EXPECT_EQ(1, bytes[16]);
    EXPECT_EQ(12, ReadI16(bytes, 24));
    EXPECT_EQ(34, ReadI16(bytes, 28));
    EXPECT_EQ(0, bytes[30]);
    EXPECT_EQ(GParaStyle::kAlignRight, bytes[32]);
    EXPECT_EQ(GTab::kDecimal, bytes[34 + 6]);
    EXPECT_EQ(222, ReadI16(bytes, 34 + 6 + 2));
    EXPECT_EQ(0, ReadI16(bytes, 130));

    GParaStyle back(0, 0, 0, 3.0f, 0, 0);
    EXPECT_EQ(0u, LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); }));
    EXPECT_TRUE(back == p);
}

TEST(StylePara, OlderRecordReadsThroughItsConverter)
{
    Fixture f;
    f.i16(200).u8(1).i16(-10).u8(0).i16(127).u8(1);   // left, right, first line
    f.f32(2.0f).u8(1);                                // spacing
    f.i16(40).u8(1);                                  // extra row height
    f.u8(GParaStyle::kAlignJustify);
    for (int i = 0; i < GTabArr::kCount; i++)         // type + 1, packed position
        f.u8(i == 0 ? 4 : 1).i16(100 * (i + 1)).u8(1);
    ASSERT_EQ((size_t)kOldGParaStyleStoredSize, f.b.size());

    GParaStyle p;
    EXPECT_EQ(0u, LoadFromBytes(f.b, [&](CArchive& ar) { p.OpenOldZVW(ar); }));
    EXPECT_TRUE(p.m_Left == Gint(200));
    EXPECT_TRUE(p.m_Right == Gint(-10, 0));
    EXPECT_TRUE(p.m_FirstLine == Gint(127));
    EXPECT_TRUE(p.m_Spacing == Gfloat(2.0f));
    EXPECT_TRUE(p.m_Extra == Gint(40));
    EXPECT_EQ(GParaStyle::kAlignJustify, p.m_Align);
    EXPECT_EQ(GTab::kDecimal, p.m_Tabs[0].type);
    EXPECT_EQ(GTab::kLeft, p.m_Tabs[1].type);
    EXPECT_EQ(1600, p.m_Tabs[15].Pos());
    // No space before or after in the older record.
    EXPECT_TRUE(p.m_Before == Gint(0));
    EXPECT_TRUE(p.m_After == Gint(0));
}

TEST(StyleMaster, EqualityAndStoredForms)
{
    struct Case
    {
        GMasterStyle a, b;
        bool equal;
    } cases[] = {
        { GMasterStyle(1, 2), GMasterStyle(1, 2), true },
        { GMasterStyle(1, 2), GMasterStyle(1, 3), false },
        { GMasterStyle(0, 2), GMasterStyle(1, 2), false },
        { GMasterStyle(), GMasterStyle(-1, -1), true },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.equal, c.a == c.b) << c.a.m_Font << "," << c.a.m_Para;

    GMasterStyle m(70000, -1);
    Bytes bytes = StoreToBytes([&](CArchive& ar) { m.SaveZVW(ar); });
    ASSERT_EQ((size_t)kGMasterStyleStoredSize, bytes.size());
    EXPECT_EQ(70000, ReadI32(bytes, 0));
    EXPECT_EQ(-1, ReadI32(bytes, 4));
    GMasterStyle back;
    LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); });
    EXPECT_TRUE(back == m);

    Bytes old = { 0xFF, 0xFF, 0x05, 0x00 };
    ASSERT_EQ((size_t)kOldGMasterStyleStoredSize, old.size());
    EXPECT_EQ(0u, LoadFromBytes(old, [&](CArchive& ar) { back.OpenOldZVW(ar); }));
    EXPECT_EQ(-1, back.m_Font);
    EXPECT_EQ(5, back.m_Para);
}
