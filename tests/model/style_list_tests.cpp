// List styles: label sequences (Nth) for every kind, level set-up, previews
// and labels, tri-state Combine, Upgrade and equality of levels, and the
// stored forms, current and older.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "model/GListStyle.h"
#include "model/number_formats.h"
#include "tests/model/style_test_support.h"
#include <string>

using namespace style_tests;

namespace {

GSequence Seq(unsigned char kind, unsigned char bullet = GSequence::kDefaultBullet)
{
    GSequence s;
    s.kind = kind;
    s.bullet = bullet;
    return s;
}

std::string Convert(int n, int format)
{
    char text[kNumberTextSize];
    return NumConvert(n, text, format);
}

// An older level record: font, 4 skipped bytes, paragraph, texts, numbering.
Bytes OldLevel(unsigned char kind, short start, short step, unsigned char upper, unsigned char storedAlign,
               short box, short gap)
{
    Fixture f;
    f.text("Wingdings", 32).i16(90).i32(0x000000FF).i16(0x01).i16(0x0F).i16(0);
    f.zeros(4);
    f.i16(300).u8(1).i16(0).u8(1).i16(150).u8(1).f32(1.0f).u8(1).i16(0).u8(1).u8(GParaStyle::kAlignLeft);
    for (int i = 0; i < GTabArr::kCount; i++)
        f.u8(1).i16(127 * (i + 1)).u8(1);
    f.text("(", 16).text(")", 16);
    f.u8(kind).i16(start).i16(step).u8(upper).u8(0).u8(storedAlign).i16(box).i16(gap);
    return f.b;
}

} // namespace

TEST(StyleList, NthFormatsEveryNumberingKindAndCharacterKind)
{
    struct Case
    {
        unsigned char kind;
        int format;
    } numbering[] = {
        { 1, kNumArabic }, { '1', kNumArabic },
        { 2, kNumLetterLower }, { 'a', kNumLetterLower },
        { 3, kNumLetterUpper }, { 'A', kNumLetterUpper },
        { 4, kNumRomanLower }, { 'i', kNumRomanLower },
        { 5, kNumRomanUpper }, { 'I', kNumRomanUpper },
        { 6, kNumOrdinalLower }, { 'S', kNumOrdinalLower },
        { 7, kNumFirstUpper }, { 'F', kNumFirstUpper },
        { 8, kNumWordsUpper }, { 'O', kNumWordsUpper },
    };
    char text[kNumberTextSize];
    for (const Case& c : numbering)
        for (int n : { 1, 4, 27, 1994 })
            EXPECT_EQ(Convert(n, c.format), Seq(c.kind).Nth(n, text)) << "kind " << (int)c.kind << " n " << n;

    // Kinds whose texts need no string table, spelled out.
    struct Literal
    {
        unsigned char kind, bullet;
        int n;
        const char* text;
    } literal[] = {
        { 0, 183, 5, "" },
        { 1, 183, 12, "12" },
        { 2, 183, 27, "a1" },
        { 3, 183, 2, "B" },
        { 4, 183, 4, "iv" },
        { 5, 183, 1994, "MCMXCIV" },
        { 9, 183, 1, "\xB7" },
        { 9, 183, 40, "\xB7" },
        { 9, 'o', 3, "o" },
        { 'b', 0, 2, "c" },
        { 200, 0, 100, "+" },   // counts on from its own code, modulo 256
    };
    for (const Literal& c : literal)
    {
        EXPECT_STREQ(c.text, Seq(c.kind, c.bullet).Nth(c.n, text)) << "kind " << (int)c.kind;
        EXPECT_STREQ(c.text, Seq(c.kind, c.bullet).Nth(c.n)) << "kind " << (int)c.kind;
    }
}

TEST(StyleList, BulletAndNumberKinds)
{
    struct Case
    {
        unsigned char kind;
        bool bullet, number;
    } cases[] = {
        { 0, false, false }, { 1, false, true }, { 8, false, true }, { 9, true, false },
        { '1', true, false }, { 'a', true, false }, { 255, true, false },
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.bullet, Seq(c.kind).IsBullet()) << (int)c.kind;
        EXPECT_EQ(c.number, Seq(c.kind).IsNumber()) << (int)c.kind;
    }
}

TEST(StyleList, LevelsAreSetUpPerKindAndLevel)
{
    struct Case
    {
        unsigned char kind;
        int level;
        short left, firstLine;
        const char* suffix;
        unsigned char upper, seqKind, bullet;
        const char* face;
    } cases[] = {
        { 1, 1, 63, 0, ".", 1, 1, 183, "" },
        { 1, 2, 128, 64, ".", 1, 1, 183, "" },
        { 1, 3, 189, 126, ".", 1, 1, 183, "" },
        { 4, 9, 567, 504, ".", 1, 4, 183, "" },
        { 183, 1, 63, 0, "", 0, 9, 183, "Symbol" },
        { 'o', 4, 256, 192, "", 0, 9, 'o', "Symbol" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "kind " << (int)c.kind << " level " << c.level);
        GLevelStyle l(c.kind, c.level);
        EXPECT_EQ(c.left, l.m_Para.m_Left.value);
        EXPECT_EQ(c.firstLine, l.m_Para.m_FirstLine.value);
        EXPECT_EQ(-1, l.m_Para.m_Right.value);
        EXPECT_EQ(-1, l.m_Para.m_Extra.value);
        EXPECT_EQ(GParaStyle::kAlignUndefined, l.m_Para.m_Align);
        EXPECT_EQ(0, l.m_Para.m_Tabs[0].Pos());
        EXPECT_FALSE(l.m_Para.m_Tabs[0].position.IsDefined());
        EXPECT_STREQ(c.suffix, l.m_Suffix);
        EXPECT_EQ(c.upper, l.m_IncludeUpper);
        EXPECT_EQ(c.seqKind, l.m_Seq.kind);
        EXPECT_EQ(c.bullet, l.m_Seq.bullet);
        EXPECT_STREQ(c.face, l.m_Font.GetFace());
        EXPECT_EQ(-1, l.m_Font.GetSize());
        EXPECT_EQ(0, l.m_Font.GetMask());
        EXPECT_EQ(64, l.m_Width);
        EXPECT_EQ(0, l.m_Gap);
        EXPECT_EQ(1, l.m_Start);
        EXPECT_EQ(1, l.m_Step);
    }
    EXPECT_TRUE(GListStyle(183).IsBullet());
    EXPECT_FALSE(GListStyle(1).IsBullet());
    EXPECT_TRUE(GListStyle(1).IsNumber());
    // Bullets of different characters still make a bullet list; a level
    // with a number does not.
    EXPECT_TRUE(GListStyle(183, 'o', 183, 183, 183, 183, 183, 183, 183).IsBullet());
    EXPECT_FALSE(GListStyle(183, 183, 1, 183, 183, 183, 183, 183, 183).IsBullet());
    GListStyle prefixed(183);
    lstrcpyA(prefixed.Level(9).m_Prefix, "-");
    EXPECT_FALSE(prefixed.IsBullet());
}

TEST(StyleList, PreviewsFollowTheUpperLevels)
{
    GListStyle numbers(1);
    numbers.Level(2).m_IncludeUpper = 0;
    numbers.Level(2).m_Start = 4;
    GListStyle bullets(183);
    GListStyle roman(5, 2, 1, 1, 1, 1, 1, 1, 1);
    struct Case
    {
        const GListStyle* list;
        int level, all;
        const char* text;
    } cases[] = {
        { &numbers, 1, 0, "1." },
        { &numbers, 2, 0, "4." },
        { &numbers, 3, 0, "4.1." },
        { &numbers, 3, 1, "1.4.1." },
        { &bullets, 2, 0, "\xB7" },
        { &bullets, 2, 1, "\xB7\xB7" },
        { &roman, 2, 0, "I.a." },
        { &numbers, 0, 1, "" },
        { &numbers, 10, 1, "" },
    };
    for (const Case& c : cases)
    {
        char text[256] = "";
        c.list->GetPreview(c.level, text, c.all);
        EXPECT_STREQ(c.text, text) << c.level << "/" << c.all;
        EXPECT_STREQ(c.text, c.list->GetPreview(c.level, c.all)) << c.level << "/" << c.all;
    }
    // The shared buffer keeps 31 characters.
    GListStyle wide(1);
    for (int i = 1; i <= GListStyle::kLevels; i++)
        wide.Level(i).m_Start = 1000;
    EXPECT_EQ(31u, strlen(wide.GetPreview(9, 1)));
    EXPECT_EQ(0, strncmp("1000.1000.1000.1000.1000.1000.1", wide.GetPreview(9, 1), 31));
}

TEST(StyleList, LabelOfTheFirstLevelFitsSevenCharacters)
{
    struct Case
    {
        const char* prefix;
        short start;
        const char* suffix;
        const char* label;
    } cases[] = {
        { "", 1, ".", "1." },
        { "Item ", 123, ".", "Item " },
        { "Item ", 12, ".", "Item 12" },
        { "Ab", 12, ")", "Ab12)" },
        { "Abcd", 12, "))", "Abcd12" },
        { "Abcdefgh", 1, "", "" },
        { "Abcdefg", 1, "", "Abcdefg" },
    };
    for (const Case& c : cases)
    {
        GListStyle l(1);
        lstrcpyA(l.Level(1).m_Prefix, c.prefix);
        lstrcpyA(l.Level(1).m_Suffix, c.suffix);
        l.Level(1).m_Start = c.start;
        char text[32];
        l.GetLabel(text);
        EXPECT_STREQ(c.label, text) << c.prefix << c.start << c.suffix;
    }
}

TEST(StyleList, LevelEqualityIgnoresNumberingValues)
{
    struct Case
    {
        const char* what;
        void (*change)(GLevelStyle&);
        bool equal;
    } cases[] = {
        { "start", [](GLevelStyle& l) { l.m_Start = 9; }, true },
        { "step", [](GLevelStyle& l) { l.m_Step = 3; }, true },
        { "include upper", [](GLevelStyle& l) { l.m_IncludeUpper = 0; }, true },
        { "label box", [](GLevelStyle& l) { l.m_Width = 10; l.m_Gap = 3; l.m_Align = 2; }, true },
        { "prefix case", [](GLevelStyle& l) { lstrcpyA(l.m_Prefix, "A"); }, false },
        { "bullet character", [](GLevelStyle& l) { l.m_Seq.bullet = 'x'; }, false },
        { "font size", [](GLevelStyle& l) { l.m_Font.SetSize(100); }, false },
        { "para indent", [](GLevelStyle& l) { l.m_Para.m_Left.value = 1; }, false },
    };
    for (const Case& c : cases)
    {
        GLevelStyle a(1, 2), b(1, 2);
        lstrcpyA(a.m_Prefix, "a");
        lstrcpyA(b.m_Prefix, "a");
        c.change(b);
        EXPECT_EQ(c.equal, a == b) << c.what;
    }
    // Lists differing only in start numbers are equal.
    GListStyle x(1), y(1);
    y.Level(4).m_Start = 7;
    EXPECT_TRUE(x == y);
    y.Level(9).m_Seq.kind = 2;
    EXPECT_FALSE(x == y);
}

TEST(StyleList, LevelUpgradeAndCombine)
{
    GLevelStyle target(1, 1);
    lstrcpyA(target.m_Prefix, "<");
    target.m_Start = 3;
    target.m_Align = GLevelStyle::kLabelCentre;

    struct Case
    {
        const char* what;
        void (*src)(GLevelStyle&);
        void (*check)(const GLevelStyle&);
    } upgrades[] = {
        { "empty texts, kind 0 and undefined numbers keep the target",
          [](GLevelStyle& s) {
              s.m_Prefix[0] = s.m_Suffix[0] = 0;
              s.m_Seq.kind = 0;
              s.m_Start = s.m_Step = s.m_Width = s.m_Gap = -1;
              s.m_IncludeUpper = 2;
              s.m_Align = 0;
          },
          [](const GLevelStyle& t) {
              EXPECT_STREQ("<", t.m_Prefix);
              EXPECT_STREQ(".", t.m_Suffix);
              EXPECT_EQ(1, t.m_Seq.kind);
              EXPECT_EQ(3, t.m_Start);
              EXPECT_EQ(1, t.m_Step);
              EXPECT_EQ(64, t.m_Width);
              EXPECT_EQ(1, t.m_IncludeUpper);
              EXPECT_EQ(GLevelStyle::kLabelCentre, t.m_Align);
          } },
        { "defined values come over, the bullet character does not",
          [](GLevelStyle& s) {
              lstrcpyA(s.m_Prefix, "[");
              lstrcpyA(s.m_Suffix, "]");
              s.m_Seq.kind = 9;
              s.m_Seq.bullet = 'x';
              s.m_Start = 5;
              s.m_Step = 2;
              s.m_Width = 80;
              s.m_Gap = 10;
              s.m_IncludeUpper = 0;
              s.m_Align = GLevelStyle::kLabelRight;
              s.m_Font.SetSize(120);
          },
          [](const GLevelStyle& t) {
              EXPECT_STREQ("[", t.m_Prefix);
              EXPECT_STREQ("]", t.m_Suffix);
              EXPECT_EQ(9, t.m_Seq.kind);
              EXPECT_EQ(183, t.m_Seq.bullet);
              EXPECT_EQ(5, t.m_Start);
              EXPECT_EQ(2, t.m_Step);
              EXPECT_EQ(80, t.m_Width);
              EXPECT_EQ(10, t.m_Gap);
              EXPECT_EQ(0, t.m_IncludeUpper);
              EXPECT_EQ(GLevelStyle::kLabelRight, t.m_Align);
              EXPECT_EQ(120, t.m_Font.GetSize());
          } },
    };
    for (const auto& c : upgrades)
    {
        SCOPED_TRACE(c.what);
        GLevelStyle t = target;
        GLevelStyle s(1, 1);
        c.src(s);
        t.Upgrade(s);
        c.check(t);
    }

    GLevelStyle a(1, 1), b(2, 1);
    lstrcpyA(b.m_Prefix, "x");
    b.m_Start = 2;
    b.m_IncludeUpper = 0;
    b.m_Align = GLevelStyle::kLabelRight;
    b.m_Width = 10;
    a.Combine(b);
    EXPECT_STREQ("", a.m_Prefix);
    EXPECT_STREQ(".", a.m_Suffix);
    EXPECT_EQ(GSequence::kNone, a.m_Seq.kind);
    EXPECT_EQ(-1, a.m_Start);
    EXPECT_EQ(1, a.m_Step);
    EXPECT_EQ(2, a.m_IncludeUpper);
    EXPECT_EQ(GLevelStyle::kLabelLeft, a.m_Align);
    EXPECT_EQ(-1, a.m_Width);
    EXPECT_EQ(0, a.m_Gap);
}

TEST(StyleList, StoredLevelIs236BytesAndListIs2124)
{
    GLevelStyle l(4, 2);
    lstrcpyA(l.m_Prefix, "(");
    l.m_Start = 7;
    l.m_Step = 2;
    l.m_Align = GLevelStyle::kLabelRight;
    l.m_Gap = 5;
    l.m_Font = GFontStyle("Arial", 90, 0xFF, 1, 0x0F);
    Bytes bytes = StoreToBytes([&](CArchive& ar) { l.SaveZVW(ar); });
    ASSERT_EQ((size_t)kGLevelStyleStoredSize, bytes.size());
    EXPECT_EQ('A', bytes[0]);
    EXPECT_EQ(0, ReadI32(bytes, 52));
    EXPECT_EQ(128, ReadI16(bytes, 56));   // para left indent
    EXPECT_EQ('(', bytes[188]);
    EXPECT_EQ('.', bytes[204]);
    EXPECT_EQ(4, bytes[220]);
    EXPECT_EQ(183, bytes[221]);
    EXPECT_EQ(7, ReadI16(bytes, 222));
    EXPECT_EQ(2, ReadI16(bytes, 224));
    EXPECT_EQ(1, bytes[226]);
    EXPECT_EQ(2, bytes[227]);
    EXPECT_EQ(64, ReadI16(bytes, 228));
    EXPECT_EQ(5, ReadI16(bytes, 230));
    EXPECT_EQ(10, ReadI16(bytes, 232));
    EXPECT_EQ(0, ReadI16(bytes, 234));

    GLevelStyle back;
    EXPECT_EQ(0u, LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); }));
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { back.SaveZVW(ar); }), bytes);
    EXPECT_EQ(7, back.m_Start);
    EXPECT_EQ(2, back.m_Step);

    GListStyle list(1, 2, 3, 4, 5, 6, 7, 8, 183);
    list.Level(5).m_Start = 11;
    Bytes all = StoreToBytes([&](CArchive& ar) { list.SaveZVW(ar); });
    ASSERT_EQ((size_t)kGListStyleStoredSize, all.size());
    EXPECT_EQ(2124u, all.size());
    EXPECT_EQ(5, all[4 * 236 + 220]);
    GListStyle read;
    EXPECT_EQ(0u, LoadFromBytes(all, [&](CArchive& ar) { read.OpenZVW(ar); }));
    EXPECT_EQ(all, StoreToBytes([&](CArchive& ar) { read.SaveZVW(ar); }));
    EXPECT_EQ(11, read.Level(5).m_Start);
}

TEST(StyleList, OlderLevelReadsThroughItsConverter)
{
    Bytes one = OldLevel(3, 4, 2, 1, 2, 80, 10);
    ASSERT_EQ((size_t)kOldGLevelStyleStoredSize, one.size());
    GLevelStyle l(1, 1);
    EXPECT_EQ(0u, LoadFromBytes(one, [&](CArchive& ar) { l.OpenOldZVW(ar); }));
    EXPECT_STREQ("Wingdings", l.m_Font.GetFace());
    EXPECT_EQ(90, l.m_Font.GetSize());
    EXPECT_EQ(0, l.m_Font.GetCharSet());
    EXPECT_EQ(300, l.m_Para.m_Left.value);
    EXPECT_EQ(150, l.m_Para.m_FirstLine.value);
    EXPECT_STREQ("(", l.m_Prefix);
    EXPECT_STREQ(")", l.m_Suffix);
    EXPECT_EQ(3, l.m_Seq.kind);
    EXPECT_EQ('*', l.m_Seq.bullet);
    EXPECT_EQ(4, l.m_Start);
    EXPECT_EQ(2, l.m_Step);
    EXPECT_EQ(1, l.m_IncludeUpper);
    EXPECT_EQ(10, l.m_Value10);
    EXPECT_EQ(0, l.m_Value0);

    // The older label box splits into width and gap.
    struct Case
    {
        unsigned char storedAlign;
        short box, gap;
        unsigned char align;
        short width, newGap;
    } cases[] = {
        { 1, 80, 10, 0, 0, 80 },
        { 2, 80, 10, 1, 70, 10 },
        { 3, 5, 10, 2, 0, 10 },
        { 1, 80, -1, 0, 0, 80 },
        { 2, 81, -1, 1, 40, 40 },
        { 3, 80, -1, 2, 80, -1 },
    };
    for (const Case& c : cases)
    {
        GLevelStyle x;
        LoadFromBytes(OldLevel(1, 1, 1, 0, c.storedAlign, c.box, c.gap), [&](CArchive& ar) { x.OpenOldZVW(ar); });
        EXPECT_EQ(c.align, x.m_Align) << (int)c.storedAlign << "/" << c.box << "/" << c.gap;
        EXPECT_EQ(c.width, x.m_Width) << (int)c.storedAlign << "/" << c.box << "/" << c.gap;
        EXPECT_EQ(c.newGap, x.m_Gap) << (int)c.storedAlign << "/" << c.box << "/" << c.gap;
    }

    // A list is nine older levels.
    Bytes nine;
    for (int i = 0; i < GListStyle::kLevels; i++)
    {
        Bytes level = OldLevel((unsigned char)(i + 1), 1, 1, 0, 1, 64, 0);
        nine.insert(nine.end(), level.begin(), level.end());
    }
    GListStyle list;
    EXPECT_EQ(0u, LoadFromBytes(nine, [&](CArchive& ar) { list.OpenOldZVW(ar); }));
    EXPECT_EQ(9, list.Level(9).m_Seq.kind);
    EXPECT_EQ(2, list.Level(2).m_Seq.kind);
}
