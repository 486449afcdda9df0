// Style tables: look-ups by name (ignoring case), by value and by key,
// entry management, and the stored table, current and older, with its
// count limit and unterminated names.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "model/GStyleTbl.h"
#include "tests/model/style_test_support.h"

using namespace style_tests;

namespace {

// Sets the older-layout flag for one scope.
struct OldVersion
{
    OldVersion() { bReadOldVersion = 1; }
    ~OldVersion() { bReadOldVersion = 0; }
};

template <class T>
Bytes StoreTable(const GStyleTbl<T>& t)
{
    return StoreToBytes([&](CArchive& ar) { t.SaveZVW(ar); });
}

template <class T>
void RoundTrip(GStyleTbl<T>& table, int styleSize)
{
    Bytes bytes = StoreTable(table);
    ASSERT_EQ((size_t)(4 + table.GetCount() * (32 + 4 + styleSize)), bytes.size());
    EXPECT_EQ(table.GetCount(), ReadI32(bytes, 0));
    GStyleTbl<T> back;
    EXPECT_EQ(0u, LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); }));
    ASSERT_EQ(table.GetCount(), back.GetCount());
    for (LONG i = 0; i < table.GetCount(); i++)
    {
        EXPECT_STREQ(table[i].name, back[i].name);
        EXPECT_TRUE(table[i].key == back[i].key);
    }
    EXPECT_EQ(bytes, StoreTable(back));
}

} // namespace

TEST(StyleTable, FindByNameIgnoresCase)
{
    GStyleTbl<GMasterStyle> t;
    t.Add(GStyleItem<GMasterStyle>("(M) Normal", GMasterStyle(0, 0)));
    t.Add(GStyleItem<GMasterStyle>("", GMasterStyle(1, 1)));
    t.Add(GStyleItem<GMasterStyle>("Heading 1", GMasterStyle(2, 2)));
    t.Add(GStyleItem<GMasterStyle>("", GMasterStyle(3, 3)));
    struct Case
    {
        const char* name;
        long index;
    } cases[] = {
        { "(M) Normal", 0 }, { "(m) NORMAL", 0 }, { "heading 1", 2 }, { "HEADING 1", 2 },
        { "Heading", -1 }, { "Heading 12", -1 }, { "", 1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.index, t.FindStyle(c.name)) << c.name;

    GStyleTbl<GMasterStyle> named;
    named.Add(GStyleItem<GMasterStyle>("A", GMasterStyle()));
    EXPECT_EQ(-1, named.FindStyle(""));
}

TEST(StyleTable, FindByValueAppendsAnUnnamedEntry)
{
    GStyleTbl<GParaStyle> t;
    EXPECT_EQ(0, t.FindStyle(GParaStyle()));
    EXPECT_EQ(1, t.GetCount());
    EXPECT_STREQ("", t[0].name);
    EXPECT_EQ(0, t[0].key.vkey);

    GParaStyle centred(0, 0, 0, 1.0f, 0, GParaStyle::kAlignCentre);
    EXPECT_EQ(1, t.FindStyle(centred));
    EXPECT_EQ(1, t.FindStyle(centred));
    EXPECT_EQ(0, t.FindStyle(GParaStyle()));
    // Every field counts: the previous tab edges too.
    GParaStyle validated;
    validated.m_Tabs.Validate(0, 1500);
    EXPECT_EQ(2, t.FindStyle(validated));
    EXPECT_EQ(3, t.GetCount());

    // A character style arrives without the fonts of the one looked for.
    GStyleTbl<GFontStyle> fonts;
    GFontStyle arial("Arial", 100, 0, 0, 0x0F);
    arial.GetFont();
    EXPECT_EQ(0, fonts.FindStyle(arial));
    EXPECT_FALSE(fonts[0].style.HasFont());
    EXPECT_EQ(arial.GetAscent(), fonts[0].style.GetAscent());
    EXPECT_EQ(0, fonts.FindStyle(GFontStyle("ARIAL", 100, 0, 0, 0x0F)));
}

TEST(StyleTable, FindByKey)
{
    GStyleTbl<GMasterStyle> t;
    t.Add(GStyleItem<GMasterStyle>("", GMasterStyle(0, 0)));
    t.Add(GStyleItem<GMasterStyle>("Quote", GMasterStyle(1, 1), GKey('Q', GKey::kCtrl)));
    t.Add(GStyleItem<GMasterStyle>("Quiet", GMasterStyle(2, 2), GKey('Q', GKey::kCtrl | GKey::kShift)));
    struct Case
    {
        GKey key;
        long index;
    } cases[] = {
        { GKey('Q', GKey::kCtrl), 1 },
        { GKey('Q', GKey::kCtrl | GKey::kShift), 2 },
        { GKey('Q', GKey::kAlt), -1 },
        { GKey('R', GKey::kCtrl), -1 },
        { GKey(0, 0), -1 },   // unnamed entries carry key 0, yet it finds nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.index, t.FindStyle(c.key)) << c.key.vkey << "/" << (int)c.key.modifiers;
}

TEST(StyleTable, EntriesAreOwnedAndRemoved)
{
    GStyleTbl<GFontStyle> t;
    EXPECT_EQ(0, t.capacity);
    EXPECT_EQ(4, t.grow);
    for (int i = 0; i < 6; i++)
    {
        char name[8];
        wsprintfA(name, "S%d", i);
        t.Add(GStyleItem<GFontStyle>(name, GFontStyle("Arial", 100 + i, 0, 0, 0x0F)));
        t[i].style.GetFont();
    }
    EXPECT_EQ(8, t.capacity);
    t.Destroy(1, 2);
    ASSERT_EQ(4, t.GetCount());
    EXPECT_STREQ("S3", t[1].name);
    EXPECT_EQ(103, t[1].style.GetSize());
    EXPECT_EQ(4, t.capacity);
    EXPECT_EQ(3, t.FindStyle("s5"));
    t.Flush();
    EXPECT_EQ(0, t.GetCount());
    EXPECT_EQ(0, t.capacity);
}

TEST(StyleTable, EveryTableRoundTripsAtItsSize)
{
    GStyleTbl<GFontStyle> fonts;
    fonts.Add(GStyleItem<GFontStyle>("Normal", GFontStyle("Arial", 100, 0, 0, 0x0F), GKey('N', GKey::kAlt)));
    fonts.Add(GStyleItem<GFontStyle>("", GFontStyle("Times", 120, 0xFF, 3, 0x0F)));
    RoundTrip(fonts, kGFontStyleStoredSize);

    GStyleTbl<GParaStyle> paras;
    paras.Add(GStyleItem<GParaStyle>("Body", GParaStyle(10, 20, 30, 1.5f, 0, 4)));
    paras.Add(GStyleItem<GParaStyle>("Quote", GParaStyle(), GKey(VK_F5, GKey::kCtrl)));
    RoundTrip(paras, kGParaStyleStoredSize);

    GStyleTbl<GMasterStyle> masters;
    masters.Add(GStyleItem<GMasterStyle>("(M) Normal", GMasterStyle(0, 0)));
    RoundTrip(masters, kGMasterStyleStoredSize);

    GStyleTbl<GListStyle> lists;
    lists.Add(GStyleItem<GListStyle>("Numbers", GListStyle(1)));
    lists.Add(GStyleItem<GListStyle>("Bullets", GListStyle(183)));
    RoundTrip(lists, kGListStyleStoredSize);

    GStyleTbl<GMasterStyle> empty;
    EXPECT_EQ((Bytes{ 0, 0, 0, 0 }), StoreTable(empty));
}

TEST(StyleTable, CountAboveOneThousandIsRefused)
{
    GStyleTbl<GMasterStyle> big;
    for (int i = 0; i < 1000; i++)
        big.Add(GStyleItem<GMasterStyle>("", GMasterStyle(i, i)));
    Bytes bytes = StoreTable(big);
    GStyleTbl<GMasterStyle> back;
    LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); });
    EXPECT_EQ(1000, back.GetCount());
    EXPECT_EQ(999, back[999].style.m_Font);

    // One more entry: the integer 1 is thrown and the table keeps its entries.
    Fixture f;
    f.i32(1001).add(Bytes(bytes.begin() + 4, bytes.end())).text("", 32).zeros(4).i32(0).i32(0);
    int thrown = 0;
    try
    {
        LoadFromBytes(f.b, [&](CArchive& ar) { back.OpenZVW(ar); });
    }
    catch (int e)
    {
        thrown = e;
    }
    EXPECT_EQ(1, thrown);
    EXPECT_EQ(1000, back.GetCount());
}

TEST(StyleTable, UnterminatedNameIsCutAt31Characters)
{
    Fixture f;
    f.i32(1);
    for (int i = 0; i < 32; i++)
        f.u8('a' + (i % 26));
    f.u8(0).u8(0).i16('K');    // key
    f.i32(4).i32(5);           // master style
    GStyleTbl<GMasterStyle> t;
    EXPECT_EQ(0u, LoadFromBytes(f.b, [&](CArchive& ar) { t.OpenZVW(ar); }));
    ASSERT_EQ(1, t.GetCount());
    EXPECT_EQ(31u, strlen(t[0].name));
    EXPECT_EQ(0, strncmp("abcdefghijklmnopqrstuvwxyzabcde", t[0].name, 31));
    EXPECT_EQ('K', t[0].key.vkey);
    EXPECT_EQ(5, t[0].style.m_Para);
}

TEST(StyleTable, OlderLayoutReadsThreeByteKeysAndOlderRecords)
{
    OldVersion old;
    // Two paragraph entries; space before and after are not in the older
    // record, so both keep the constructor's value.
    Fixture f;
    f.i32(2);
    for (int e = 0; e < 2; e++)
    {
        f.text(e == 0 ? "Body" : "Indented", 32).u8(GKey::kCtrl).i16('1' + e);
        f.i16(100 * e).u8(1).i16(0).u8(1).i16(127).u8(1).f32(1.0f).u8(1).i16(0).u8(1).u8(1);
        for (int i = 0; i < GTabArr::kCount; i++)
            f.u8(1).i16(127 * (i + 1)).u8(1);
    }
    GStyleTbl<GParaStyle> paras;
    EXPECT_EQ(0u, LoadFromBytes(f.b, [&](CArchive& ar) { paras.OpenZVW(ar); }));
    ASSERT_EQ(2, paras.GetCount());
    EXPECT_STREQ("Indented", paras[1].name);
    EXPECT_EQ('2', paras[1].key.vkey);
    EXPECT_EQ(GKey::kCtrl, paras[1].key.modifiers);
    EXPECT_EQ(100, paras[1].style.m_Left.value);
    EXPECT_TRUE(paras[1].style.m_Before == Gint(0));
    EXPECT_EQ(0, paras.FindStyle(GParaStyle(0, 0, 127, 1.0f, 0, 1)));

    // Master styles: 16-bit indices.
    Fixture m;
    m.i32(1).text("(M) Normal", 32).u8(0).i16(0).i16(-1).i16(3);
    GStyleTbl<GMasterStyle> masters;
    EXPECT_EQ(0u, LoadFromBytes(m.b, [&](CArchive& ar) { masters.OpenZVW(ar); }));
    EXPECT_EQ(-1, masters[0].style.m_Font);
    EXPECT_EQ(3, masters[0].style.m_Para);
}
