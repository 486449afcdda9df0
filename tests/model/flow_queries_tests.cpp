// Flow queries: finding the record that holds a position (at and around
// run boundaries, below the start and past the end), exact tab and field
// look-ups, text columns, next boundaries, style patterns, the styles
// shared by a range, and the word count.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GDoc.h"
#include "tests/model/flow_builders.h"
#include "model/GField.h"
#include "model/GCaption.h"
#include "model/GStyleTbl.h"
#include "document/CWDocument.h"
#include <string>
#include <type_traits>
#include <vector>

namespace {

typedef std::vector<long> Longs;

void SetRows(GDoc& f, std::initializer_list<LONG> firsts)
{
    f.m_rows.Flush();
    for (LONG first : firsts)
    {
        GRow row;
        row.first = first;
        row.holes = GRow::NewHoles();
        f.m_rows.Add(row);
    }
}

// Blocks {first character, first rows of its text columns}; the last one
// closes.
void SetColumns(GDoc& f, std::initializer_list<std::pair<LONG, Longs>> blocks)
{
    f.m_columns.Flush();
    size_t k = 0;
    for (auto& b : blocks)
    {
        bool closing = ++k == blocks.size();
        GColumn c(b.first, closing ? kClosingColumnCount : (unsigned char)b.second.size(), 0, b.second[0]);
        for (size_t i = 0; i < b.second.size(); ++i)
            c.startRows[i] = (LONG)b.second[i];
        f.m_columns.Add(c);
    }
}

void AddTab(GDoc& f, LONG pos)
{
    GTabulator t;
    t.pos = pos;
    f.m_tabs.Add(t);
}

// "a<tab>", "cd", "e<field>", "g<tab>": four paragraphs of one row each;
// runs from 0, 4 and 9; block 0 on page 0; block 1 (three text columns,
// the second from row 3, the third not begun) on page 1.
//   a0 tab1 CR2 | c3 d4 CR5 | e6 field7 CR8 | g9 tab10 CR11 FF12 NUL13
class FlowQueryTest : public testing::Test
{
protected:
    CWDocument doc;
    GDoc f{&doc, 0};

    void SetUp() override
    {
        SetText(f, "a\t\rcd\re\x01\rg\t");
        SetFormats(f, {{0, Mint(1, 0)}, {4, Mint(2, 0)}, {9, Mint(3, 0)}, {13, Mint()}});
        SetRows(f, {0, 3, 6, 9, 13});
        SetParas(f, {{0, Mint(0, 1)}, {1, Mint(2, 0)}, {2, Mint(3, 0)}, {3, Mint(4, 0)}, {4, Mint()}});
        SetColumns(f, {{0, {0}}, {6, {2, 3, -1}}, {13, {4}}});
        SetPages(f, {0, 1, 2});
        AddTab(f, 1);
        AddTab(f, 10);
        f.m_fields.Add(new GField(&f, 7));
    }
};

TEST_F(FlowQueryTest, PositionsFindTheRecordsThatHoldThem)
{
    struct Case
    {
        long pos;
        long format, row, para, block, col, page;
    } cases[] = {
        {-5, 0, 0, 0, 0, 0, 0},     // below the start: the first records
        {0, 0, 0, 0, 0, 0, 0},
        {3, 0, 1, 1, 0, 0, 0},      // a row start inside a run
        {4, 1, 1, 1, 0, 0, 0},      // a run start
        {5, 1, 1, 1, 0, 0, 0},
        {6, 1, 2, 2, 1, 0, 1},      // a block and page start
        {8, 1, 2, 2, 1, 0, 1},      // the character before a run start
        {9, 2, 3, 3, 1, 1, 1},      // text column 1 of the block
        {11, 2, 3, 3, 1, 1, 1},     // the last paragraph end
        {13, 3, 4, 4, 2, 0, 2},     // the final 0: the closing records
        {40, 3, 4, 4, 2, 0, 2},     // past the end
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "pos " << c.pos);
        EXPECT_EQ(f.GetCharFormat(c.pos), c.format);
        EXPECT_EQ(f.GetCharRow(c.pos), c.row);
        EXPECT_EQ(f.GetCharPara(c.pos), c.para);
        EXPECT_EQ(f.GetCharColumn(c.pos), c.block);
        EXPECT_EQ(f.GetCharCol(c.pos), c.col);
        EXPECT_EQ(f.GetCharPage(c.pos), c.page);
    }
}

TEST_F(FlowQueryTest, RowsBlocksAndPagesLeadToEachOther)
{
    EXPECT_EQ(f.GetRowPara(-1), 0);
    EXPECT_EQ(f.GetRowPara(2), 2);
    EXPECT_EQ(f.GetRowPara(9), 4);   // past the last paragraph's first row
    EXPECT_EQ(f.GetRowCol(2), 0);
    EXPECT_EQ(f.GetRowCol(3), 1);
    EXPECT_EQ(f.GetColumnPage(0), 0);
    EXPECT_EQ(f.GetColumnPage(1), 1);
    EXPECT_EQ(f.GetColumnPage(2), 2);

    struct Case
    {
        long block, col, row, pos;
    } cases[] = {
        {0, 0, 0, 0},
        {0, 1, 2, 6},     // past the block's one text column: the next block
        {1, 0, 2, 6},
        {1, 1, 3, 9},
        {1, 2, -1, 13},   // not begun: the character falls to the next block
        {1, 3, 4, 13},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "block " << c.block << " column " << c.col);
        EXPECT_EQ(f.GetColumnRow(c.block, c.col), c.row);
        EXPECT_EQ(f.GetColumnChar(c.block, c.col), c.pos);
    }
    EXPECT_EQ(f.GetColumnPara(1), 2);
    EXPECT_EQ(f.GetPageColumn(1), 1);
    EXPECT_EQ(f.GetPageRow(1), 2);
    EXPECT_EQ(f.GetPageChar(1), 6);
    EXPECT_EQ(f.GetParaChar(3), 9);
    EXPECT_EQ(f.GetRowPage(3), 1);
    EXPECT_EQ(f.GetParaColumn(1), 0);
    EXPECT_EQ(f.GetFormatRow(2), 3);
    EXPECT_EQ(f.GetTabPara(1), 3);
    EXPECT_EQ(f.GetFieldFormat(0), 1);
    EXPECT_EQ(f.GetFieldPage(0), 1);
}

TEST_F(FlowQueryTest, TabsAndFieldsAreFoundOnlyExactly)
{
    struct Case
    {
        long pos, tab, field;
    } cases[] = {
        {0, -1, -1}, {1, 0, -1}, {4, -1, -1}, {7, -1, 0}, {9, -1, -1}, {10, 1, -1}, {12, -1, -1}, {-3, -1, -1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "pos " << c.pos);
        EXPECT_EQ(f.GetCharTab(c.pos), c.tab);
        EXPECT_EQ(f.GetCharField(c.pos), c.field);
    }
    // Many tabs, none at the position between them.
    f.m_tabs.Flush();
    for (LONG p = 0; p < 40; p += 4)
        AddTab(f, p);
    EXPECT_EQ(f.GetCharTab(18), -1);
    EXPECT_EQ(f.GetCharTab(36), 9);
    EXPECT_EQ(f.GetCharTab(20), 5);
    f.m_tabs.Flush();
    EXPECT_EQ(f.GetCharTab(1), -1);
}

TEST_F(FlowQueryTest, BorderRunsAreFoundByTheirExactRange)
{
    GBorder b;
    b.first = 0;
    b.end = 3;
    f.m_borders.Add(b);
    b.first = 3;
    b.end = 9;
    f.m_borders.Add(b);
    EXPECT_EQ(f.GetCharBorder(3, 9), 1);
    EXPECT_EQ(f.GetCharBorder(0, 9), -1);
    EXPECT_EQ(f.GetBorderRow1(1), 1);
    EXPECT_EQ(f.GetBorderRow2(1), 3);
}

TEST_F(FlowQueryTest, NextBoundaries)
{
    struct Case
    {
        long pos, tab, field, format, row, para, block, page, different;
    } cases[] = {
        {0, 1, 7, 4, 3, 3, 6, 6, 1},
        {1, 10, 7, 4, 3, 3, 6, 6, 2},       // on a tab: the next character
        {2, 10, 7, 4, 3, 3, 6, 6, 4},
        {4, 10, 7, 9, 6, 6, 6, 6, 7},       // the field comes before the run end
        {7, 10, -1, 9, 9, 9, 13, 13, 8},    // on the field
        {8, 10, -1, 9, 9, 9, 13, 13, 9},
        {10, -1, -1, 13, 13, 13, 13, 13, 11},
        {11, -1, -1, 13, 13, 13, 13, 13, 13},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "pos " << c.pos);
        EXPECT_EQ(f.CharWithNextTab(c.pos), c.tab);
        EXPECT_EQ(f.CharWithNextField(c.pos), c.field);
        EXPECT_EQ(f.CharWithNextFormat(c.pos), c.format);
        EXPECT_EQ(f.CharWithNextRow(c.pos), c.row);
        EXPECT_EQ(f.CharWithNextPara(c.pos), c.para);
        EXPECT_EQ(f.CharWithNextColumn(c.pos), c.block);
        EXPECT_EQ(f.CharWithNextPage(c.pos), c.page);
        EXPECT_EQ(f.NextDifferentChar(c.pos), c.different);
    }
    f.m_tabs.Flush();
    EXPECT_EQ(f.CharWithNextTab(0), -1);
}

// ---- Style patterns

TEST(FlowStylePatternTest, AFontPatternMatchesWhatItDefines)
{
    GFontStyle style("Arial", 100, RGB(1, 2, 3), GFontStyle::kBold | GFontStyle::kUnderline, 0x7F);
    struct Case
    {
        const char* what;
        GFontStyle pattern;
        int match;
    } cases[] = {
        {"nothing defined", GFontStyle(), 1},
        {"same face", GFontStyle("Arial", -1, GFontStyle::kUndefinedColour, 0, 0), 1},
        {"face differs in case", GFontStyle("arial", -1, GFontStyle::kUndefinedColour, 0, 0), 0},
        {"size 99", GFontStyle("", 99, GFontStyle::kUndefinedColour, 0, 0), 1},
        {"size 101", GFontStyle("", 101, GFontStyle::kUndefinedColour, 0, 0), 1},
        {"size 98", GFontStyle("", 98, GFontStyle::kUndefinedColour, 0, 0), 0},
        {"size 102", GFontStyle("", 102, GFontStyle::kUndefinedColour, 0, 0), 0},
        {"colour", GFontStyle("", -1, RGB(1, 2, 3), 0, 0), 1},
        {"other colour", GFontStyle("", -1, RGB(1, 2, 4), 0, 0), 0},
        {"bold on", GFontStyle("", -1, GFontStyle::kUndefinedColour, GFontStyle::kBold, GFontStyle::kBold), 1},
        {"italic on", GFontStyle("", -1, GFontStyle::kUndefinedColour, GFontStyle::kItalic, GFontStyle::kItalic), 0},
        {"italic off", GFontStyle("", -1, GFontStyle::kUndefinedColour, 0, GFontStyle::kItalic), 1},
        {"underline off", GFontStyle("", -1, GFontStyle::kUndefinedColour, 0, GFontStyle::kUnderline), 0},
        {"italic on but undefined", GFontStyle("", -1, GFontStyle::kUndefinedColour, GFontStyle::kItalic, 0), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GDoc::CompareFStyle(c.pattern, style), c.match) << c.what;

    // The character sets must always agree.
    GFontStyle pattern;
    pattern.SetCharSet(GFontStyle::kDefaultCharSet);
    EXPECT_EQ(GDoc::CompareFStyle(pattern, style), 0);
    style.SetCharSet(GFontStyle::kDefaultCharSet);
    EXPECT_EQ(GDoc::CompareFStyle(pattern, style), 1);
}

TEST(FlowStylePatternTest, AParagraphPatternMatchesWhatItDefines)
{
    GParaStyle style(10, 20, 30, 1.5f, 5, GParaStyle::kAlignCentre);
    GParaStyle blank = style;
    blank.m_Left.defined = blank.m_Right.defined = blank.m_FirstLine.defined = 0;
    blank.m_Spacing.defined = 0;
    blank.m_Extra.defined = blank.m_Before.defined = blank.m_After.defined = 0;
    blank.m_Align = GParaStyle::kAlignUndefined;
    for (int i = 0; i < GTabArr::kCount; ++i)
        blank.m_Tabs[i].position.defined = 0;
    EXPECT_EQ(GDoc::ComparePStyle(blank, style), 1);
    EXPECT_EQ(GDoc::ComparePStyle(style, style), 1);

    struct Case
    {
        const char* what;
        void (*change)(GParaStyle&);
        int match;
    } cases[] = {
        {"left equal", [](GParaStyle& p) { p.m_Left = Gint(10); }, 1},
        {"left differs", [](GParaStyle& p) { p.m_Left = Gint(11); }, 0},
        {"right differs", [](GParaStyle& p) { p.m_Right = Gint(0); }, 0},
        {"first line differs", [](GParaStyle& p) { p.m_FirstLine = Gint(0); }, 0},
        {"spacing differs", [](GParaStyle& p) { p.m_Spacing = Gfloat(2.0f); }, 0},
        {"extra differs", [](GParaStyle& p) { p.m_Extra = Gint(6); }, 0},
        {"alignment differs", [](GParaStyle& p) { p.m_Align = GParaStyle::kAlignRight; }, 0},
        {"space before differs", [](GParaStyle& p) { p.m_Before = Gint(1); }, 0},
        {"space after equal", [](GParaStyle& p) { p.m_After = Gint(0); }, 1},
        {"a tab stop differs", [](GParaStyle& p) { p.m_Tabs[3] = GTab(GTab::kRight, 999); }, 0},
        {"an undefined tab stop differs", [](GParaStyle& p) { p.m_Tabs[3] = GTab(GTab::kRight, 999, 0); }, 1},
    };
    for (const Case& c : cases)
    {
        GParaStyle pattern = blank;
        c.change(pattern);
        EXPECT_EQ(GDoc::ComparePStyle(pattern, style), c.match) << c.what;
    }
}

// ---- Styles of ranges

// The document gets its style tables with its style management; the
// tests that need them fill them when the document has them.
template <class D, class = void>
struct HasStyleTables : std::false_type
{
};
template <class D>
struct HasStyleTables<D, std::void_t<decltype(&D::m_fontStyles), decltype(&D::m_paraStyles),
                                     decltype(&D::m_masterStyles)>> : std::true_type
{
};

// Fonts 0 (Arial 100 bold) and 1 (Arial 120 bold); paragraph styles 0 and
// 1; masters 0 {font 0, para 0}, 1 {font 0, para 1}, 2 {font 1, para 1}.
template <class D>
bool FillStyles(D& doc)
{
    if constexpr (HasStyleTables<D>::value)
    {
        doc.m_fontStyles.Flush();
        doc.m_paraStyles.Flush();
        doc.m_masterStyles.Flush();
        doc.m_fontStyles.Add(GStyleItem<GFontStyle>("A", GFontStyle("Arial", 100, RGB(0, 0, 0), 1, 0x7F)));
        doc.m_fontStyles.Add(GStyleItem<GFontStyle>("B", GFontStyle("Arial", 120, RGB(0, 0, 0), 1, 0x7F)));
        doc.m_paraStyles.Add(GStyleItem<GParaStyle>("P", GParaStyle(0, 0, 0, 1.0f, 0, GParaStyle::kAlignLeft)));
        doc.m_paraStyles.Add(GStyleItem<GParaStyle>("Q", GParaStyle(50, 0, 0, 1.0f, 0, GParaStyle::kAlignLeft)));
        doc.m_masterStyles.Add(GStyleItem<GMasterStyle>("M0", GMasterStyle(0, 0)));
        doc.m_masterStyles.Add(GStyleItem<GMasterStyle>("M1", GMasterStyle(0, 1)));
        doc.m_masterStyles.Add(GStyleItem<GMasterStyle>("M2", GMasterStyle(1, 1)));
        return true;
    }
    else
        return false;
}

// "abc def" and "ghij": runs master 0 from 0, master 0 from 3, master 1
// from 8, font 1 from 10; paragraphs master 0 and paragraph style 1.
//   a0 b1 c2 _3 d4 e5 f6 CR7 | g8 h9 i10 j11 CR12 FF13 NUL14
class FlowRangeStyleTest : public testing::Test
{
protected:
    CWDocument doc;
    GDoc f{&doc, 0};

    void SetUp() override
    {
        if (!FillStyles(doc))
            GTEST_SKIP() << "the document has no style tables yet";
        SetText(f, "abc def\rghij");
        SetFormats(f, {{0, Mint(0, 1)}, {3, Mint(0, 1)}, {8, Mint(1, 1)}, {10, Mint(1, 0)}, {14, Mint()}});
        SetRows(f, {0, 8, 14});
        SetParas(f, {{0, Mint(0, 1)}, {1, Mint(1, 0)}, {2, Mint()}});
        SetColumns(f, {{0, {0}}, {14, {2}}});
        SetPages(f, {0, 1});
    }
};

TEST_F(FlowRangeStyleTest, StyleLookupsResolveMasters)
{
    EXPECT_EQ(f.GetCharFStyleIdx(9), 0);    // master 1's font
    EXPECT_EQ(f.GetCharFStyleIdx(10), 1);
    EXPECT_EQ(f.GetCharPStyleIdx(2), 0);    // master 0's paragraph style
    EXPECT_EQ(f.GetCharPStyleIdx(9), 1);
    ASSERT_NE(f.GetCharFStylePtr(11), nullptr);
    EXPECT_EQ(f.GetCharFStylePtr(11)->GetSize(), 120);
    EXPECT_EQ(f.GetFontStyle(Mint(2, 1))->GetSize(), 120);
    EXPECT_EQ(f.GetParaStyle(Mint(2, 1))->m_Left.value, 50);
    EXPECT_EQ(f.GetFontStyle(Mint(7, 1)), nullptr);   // no such master
    EXPECT_EQ(f.GetFontStyle(Mint()), nullptr);
}

TEST_F(FlowRangeStyleTest, ARangeReportsTheStyleAllItsRunsShare)
{
    struct Case
    {
        long from, to;
        const char* what;
        Mint font;
        int size;
    } cases[] = {
        {1, 6, "two runs of one master", Mint(0, 1), 100},
        {4, 10, "two masters sharing a font style", Mint(0, 0), 100},
        {9, 11, "a master and another font style", Mint(-1, 0), -1},
        {0, 12, "everything", Mint(-1, 0), -1},
        {10, 12, "one font style", Mint(1, 0), 120},
        {8, 8, "empty after a paragraph end: the run that starts there", Mint(1, 1), 100},
        {10, 10, "empty at a run start: the run before", Mint(1, 1), 100},
        {0, 0, "empty at the start", Mint(0, 1), 100},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << ": " << c.what);
        GFontStyle out;
        Mint m = f.CombineSameFStyles(c.from, c.to, out);
        EXPECT_EQ(m, c.font);
        EXPECT_EQ(out.GetSize(), c.size);
        EXPECT_STREQ(out.GetFace(), "Arial");
        EXPECT_EQ(out.GetMask() & GFontStyle::kBold, GFontStyle::kBold);
    }
}

// Arms the page information's style for an empty selection, when the
// record carries one; false when it does not.
template <class P>
bool ArmPageStyle(P* page, const GFontStyle& style)
{
    if constexpr (std::is_same<decltype(page->useFontStyle), LONG>::value)
    {
        page->useFontStyle = 1;
        page->fontStyle = style;
        return true;
    }
    else
        return false;
}

TEST_F(FlowRangeStyleTest, AnEmptySelectionTakesThePagesArmedStyle)
{
    GFontStyle armed("Arial", 120, RGB(0, 0, 0), 1, 0x7F);
    if (!ArmPageStyle(doc.GetCurPageInfo(), armed))
        GTEST_SKIP() << "the page information carries no style yet";
    GFontStyle out;
    EXPECT_EQ(f.CombineSameFStyles(2, 2, out), Mint(1, 0));   // the equal table entry
    EXPECT_EQ(out, armed);
    armed.SetSize(140);
    ArmPageStyle(doc.GetCurPageInfo(), armed);
    EXPECT_EQ(f.CombineSameFStyles(2, 2, out), Mint());        // none equal
    EXPECT_EQ(out.GetSize(), 140);
    // A range is not affected.
    EXPECT_EQ(f.CombineSameFStyles(1, 2, out), Mint(0, 1));
}

TEST_F(FlowRangeStyleTest, ParagraphAndMasterStylesOfARange)
{
    GParaStyle out;
    EXPECT_EQ(f.CombineSamePStyles(1, 5, out), Mint(0, 1));
    EXPECT_EQ(out.m_Left, Gint(0));
    EXPECT_EQ(f.CombineSamePStyles(1, 9, out), Mint(-1, 0));
    EXPECT_FALSE(out.m_Left.IsDefined());
    EXPECT_EQ(f.CombineSamePStyles(9, 11, out), Mint(1, 0));

    EXPECT_EQ(f.CombineSameMStyles(1, 6), Mint(0, 1));
    EXPECT_EQ(f.CombineSameMStyles(1, 9), Mint());
    EXPECT_EQ(f.CombineSameMStyles(10, 11), Mint());   // no master at all
}

// ---- Word count

struct Counts
{
    int chars, spaces, lines, paras, pages, words;
    bool operator==(const Counts& o) const
    {
        return chars == o.chars && spaces == o.spaces && lines == o.lines && paras == o.paras && pages == o.pages &&
               words == o.words;
    }
};

std::ostream& operator<<(std::ostream& os, const Counts& c)
{
    return os << "{chars " << c.chars << ", spaces " << c.spaces << ", lines " << c.lines << ", paras " << c.paras
              << ", pages " << c.pages << ", words " << c.words << "}";
}

Counts Count(const GDoc& f, const char* text = NULL, int separator = 1)
{
    Counts c{-1, -1, -1, -1, -1, -1};
    f.WordCount(c.chars, c.spaces, c.lines, c.paras, c.pages, c.words, separator, (char*)text);
    return c;
}

TEST(FlowWordCountTest, TextAlone)
{
    CWDocument doc;
    GDoc f(&doc, 0);
    struct Case
    {
        const char* text;
        int separator;
        Counts expected;
    } cases[] = {
        {"it's me", 1, {6, 1, 0, 0, 0, 2}},
        {"ab\xe9" "cd", 1, {4, 0, 0, 0, 0, 2}},   // a byte above 127 separates
        {"ab cd", 0, {4, 1, 0, 0, 0, 1}},        // no word at the very start
        {"a-b, c!", 1, {6, 1, 0, 0, 0, 3}},
        {"", 1, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Count(f, c.text, c.separator), c.expected) << c.text;
}

TEST(FlowWordCountTest, AnEmptyFlowIsOneLineParagraphAndPage)
{
    CWDocument doc;
    GDoc f(&doc, 0);
    EXPECT_EQ(Count(f), (Counts{0, 0, 1, 1, 1, 0}));
}

// "it's<tab>me" and "<caption> cd", the caption showing "Fig 1".
class FlowWordCountFlowTest : public testing::Test
{
protected:
    CWDocument doc;
    GDoc f{&doc, 0};

    void SetUp() override
    {
        SetText(f, "it's\tme\r\x01 cd");
        SetFormats(f, {{0, Mint(0, 1)}, {14, Mint()}});
        SetRows(f, {0, 8, 14});
        SetParas(f, {{0, Mint(0, 1)}, {1, Mint(0, 1)}, {2, Mint()}});
        SetColumns(f, {{0, {0}}, {14, {2}}});
        SetPages(f, {0, 1});
        AddTab(f, 4);
        f.m_fields.Add(LabelledCaption(&f, 8, kMarkArabic, "Fig "));
    }
};

TEST_F(FlowWordCountFlowTest, TabsFieldsAndParagraphEndsSeparateWords)
{
    EXPECT_EQ(Count(f), (Counts{12, 2, 2, 2, 1, 5}));
}

TEST_F(FlowWordCountFlowTest, ASelectionIsCountedUpToTheClosingCharacters)
{
    f.m_nSelFirst = 5;
    f.m_nSelEnd = 16;   // past the closing characters: cut before them
    EXPECT_EQ(Count(f), (Counts{8, 2, 2, 2, 1, 4}));
    f.m_nSelFirst = 16;   // the same the other way round
    f.m_nSelEnd = 5;
    EXPECT_EQ(Count(f), (Counts{8, 2, 2, 2, 1, 4}));
}

TEST_F(FlowWordCountFlowTest, AFieldWithoutTextOnlySeparates)
{
    f.m_fields.Flush();
    f.m_fields.Add(new GField(&f, 8));
    EXPECT_EQ(Count(f), (Counts{8, 1, 2, 2, 1, 3}));
}

TEST(FlowWordCountPagesTest, EmptyParagraphsAfterTheFirstAreNotCounted)
{
    CWDocument doc;
    GDoc f(&doc, 0);
    // "a", "", "b" over two pages: a0 CR1 | CR2 | b3 CR4 FF5 NUL6
    SetText(f, "a\r\rb");
    SetFormats(f, {{0, Mint(0, 1)}, {6, Mint()}});
    SetRows(f, {0, 2, 3, 6});
    SetParas(f, {{0, Mint(0, 1)}, {1, Mint(0, 1)}, {2, Mint(0, 1)}, {3, Mint()}});
    SetColumns(f, {{0, {0}}, {3, {2}}, {6, {3}}});
    SetPages(f, {0, 1, 2});
    EXPECT_EQ(Count(f), (Counts{2, 0, 3, 2, 2, 2}));
}

}  // namespace
