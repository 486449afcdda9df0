// The item primitives: inserting and deleting characters shifts every
// position-held run the way editing relies on; rows, paragraphs, column
// blocks, tabs and fields come and go with their references; footnote,
// list and caption fields react to the changes.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GDoc.h"
#include "tests/model/flow_builders.h"
#include "tests/support/flow_inspection.h"
#include "model/GField.h"
#include "model/GFootNote.h"
#include "model/GListField.h"
#include "model/GCaption.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include <string>
#include <vector>

extern int bInsertOnlyNewLine;

namespace {

typedef std::vector<long> Longs;
typedef std::vector<Longs> Table;

const Mint kM0(0, 1), kP7(7, 0), kF1(1, 0), kF2(2, 0), kF3(3, 0), kF4(4, 0), kNone;
const LONG kRowHeight = 40;

// ---- Building flows by hand

// Rows of equal height, stacked; hole 1 of a row (when given) resumes at
// the position.
void SetRows(GDoc& f, std::initializer_list<std::pair<LONG, LONG>> rows)
{
    f.m_rows.Flush();
    LONG y = 0;
    for (auto& r : rows)
    {
        GRow row;
        row.first = r.first;
        row.y = y;
        row.height = kRowHeight;
        row.holes = GRow::NewHoles();
        if (r.second != kNoPosition)
        {
            CHole hole;
            hole.x = 500;
            hole.width = 300;
            hole.resume = r.second;
            row.holes->Add(hole);
        }
        f.m_rows.Add(row);
        y += kRowHeight;
    }
}

// Blocks {first character, text columns, first rows}; the last is the
// closing block.
void SetColumns(GDoc& f, std::initializer_list<std::pair<LONG, Longs>> blocks)
{
    f.m_columns.Flush();
    LONG position = 0;
    size_t k = 0;
    for (auto& b : blocks)
    {
        bool closing = ++k == blocks.size();
        GColumn c(b.first, closing ? kClosingColumnCount : (unsigned char)b.second.size(), 0, b.second[0]);
        for (size_t i = 0; i < b.second.size(); ++i)
            c.startRows[i] = (LONG)b.second[i];
        c.position = position;
        position += 1000;
        f.m_columns.Add(c);
    }
}

void AddTab(GDoc& f, LONG pos)
{
    GTabulator t;
    t.pos = pos;
    t.x = 100 + pos;
    t.width = 50;
    f.m_tabs.Add(t);
}

GBorder Border(LONG first, LONG end)
{
    GBorder b;
    b.first = first;
    b.end = end;
    b.distance = 20;
    b.sides = kBorderBox;
    b.top.colour = RGB(1, 2, 3);
    return b;
}

GShade Shade(LONG first, LONG end)
{
    GShade s;
    s.first = first;
    s.end = end;
    s.style.percent = 50;
    return s;
}

// ---- Reading flows back as tables

Table Formats(const GDoc& f)
{
    Table t;
    for (LONG i = 0; i < f.m_formats.count; ++i)
        t.push_back({f.m_formats[i].pos, f.m_formats[i].style.index, f.m_formats[i].style.master});
    return t;
}

// Each row: first character, then the resume position of every hole.
Table Rows(const GDoc& f)
{
    Table t;
    for (LONG i = 0; i < f.m_rows.count; ++i)
    {
        Longs row{f.m_rows[i].first};
        for (LONG h = 0; h < f.m_rows[i].holes->count; ++h)
            row.push_back((*f.m_rows[i].holes)[h].resume);
        t.push_back(row);
    }
    return t;
}

Table Paras(const GDoc& f)
{
    Table t;
    for (LONG i = 0; i < f.m_paras.count; ++i)
        t.push_back({f.m_paras[i].row, f.m_paras[i].style.index, f.m_paras[i].style.master});
    return t;
}

Table Tabs(const GDoc& f)
{
    Table t;
    for (LONG i = 0; i < f.m_tabs.count; ++i)
        t.push_back({f.m_tabs[i].pos, f.m_tabs[i].x, f.m_tabs[i].width});
    return t;
}

Table Borders(const GDoc& f)
{
    Table t;
    for (LONG i = 0; i < f.m_borders.count; ++i)
    {
        const GBorder& b = f.m_borders[i];
        t.push_back({b.first, b.end, b.distance, b.sides, (long)b.top.colour});
    }
    return t;
}

Table Shades(const GDoc& f)
{
    Table t;
    for (LONG i = 0; i < f.m_shades.count; ++i)
        t.push_back({f.m_shades[i].first, f.m_shades[i].end, f.m_shades[i].style.percent});
    return t;
}

// Each block: first character, count byte, the six first rows, position.
Table Columns(const GDoc& f)
{
    Table t;
    for (LONG i = 0; i < f.m_columns.count; ++i)
    {
        const GColumn& c = f.m_columns[i];
        Longs row{c.first, (BYTE)c.count};
        for (LONG r : c.startRows)
            row.push_back(r);
        row.push_back(c.position);
        t.push_back(row);
    }
    return t;
}

Longs Pages(const GDoc& f)
{
    Longs t;
    for (LONG i = 0; i < f.m_pages.count; ++i)
        t.push_back(f.m_pages[i].block);
    return t;
}

Longs FieldPositions(const GDoc& f)
{
    Longs t;
    for (LONG i = 0; i < f.m_fields.count; ++i)
        t.push_back(f.m_fields[i]->m_nPos);
    return t;
}

Longs Block(long first, long row, long position, bool closing = false)
{
    return {first, closing ? 255 : 1, row, -1, -1, -1, -1, -1, position};
}

// "ab cd<tab>ef" and "gh": two paragraphs, the first over two rows, four
// format runs (one starting mid-paragraph at a row start), a tab at 5, a
// border over the first paragraph, a shade over the second, and a hole
// in the second paragraph's row.
//   a0 b1 _2 c3 d4 tab5 e6 f7 CR8 | g9 h10 CR11 FF12 NUL13
class FlowItemTest : public testing::Test
{
protected:
    CWDocument doc;
    GDoc f{&doc, 0};

    void SetUp() override
    {
        SetText(f, "ab cd\tef\rgh");
        SetFormats(f, {{0, kF1}, {3, kF2}, {6, kF3}, {9, kF4}, {13, kNone}});
        SetRows(f, {{0, -1}, {3, -1}, {9, 10}, {13, -1}});
        SetParas(f, {{0, kM0}, {2, kP7}, {3, kNone}});
        SetColumns(f, {{0, {0}}, {13, {3}}});
        SetPages(f, {0, 1});
        f.m_tabs.Flush();
        f.m_borders.Flush();
        f.m_shades.Flush();
        AddTab(f, 5);
        f.m_borders.Add(Border(0, 9));
        f.m_shades.Add(Shade(9, 12));
        // The rows stand where placing puts them, with the border's space.
        f.PlaceRows(0, 0, 0, -1);
    }

    void Insert(long pos, const char* text)
    {
        long n = (long)strlen(text);
        f.m_chars.InsertAt(pos, NULL, n);
        for (long i = 0; i < n; ++i)
            f.m_chars[pos + i] = GChar((BYTE)text[i]);
        f.InsCharItem(pos, n, 0);
    }
};

// ---- Inserting characters

TEST_F(FlowItemTest, InsertingCharactersShiftsEveryRunAsTheCaseSays)
{
    struct Case
    {
        long pos;
        const char* where;
        Longs formats;      // positions of the five runs
        Longs rows;         // first characters of the four rows
        long hole;          // resume position of the third row's hole
        Longs tabs;
        Longs border;       // first, end
        Longs shade;
    } cases[] = {
        {0, "flow start", {0, 5, 8, 11, 15}, {0, 5, 11, 15}, 12, {7}, {0, 11}, {11, 14}},
        {1, "inside a run", {0, 5, 8, 11, 15}, {0, 5, 11, 15}, 12, {7}, {0, 11}, {11, 14}},
        {3, "run and row start mid-paragraph: joins the run before", {0, 5, 8, 11, 15}, {0, 3, 11, 15}, 12, {7},
         {0, 11}, {11, 14}},
        {4, "inside the second run", {0, 3, 8, 11, 15}, {0, 3, 11, 15}, 12, {7}, {0, 11}, {11, 14}},
        {5, "at the tab", {0, 3, 8, 11, 15}, {0, 3, 11, 15}, 12, {7}, {0, 11}, {11, 14}},
        {6, "run end after the tab", {0, 3, 8, 11, 15}, {0, 3, 11, 15}, 12, {5}, {0, 11}, {11, 14}},
        {9, "paragraph start: takes the run there, border end stays", {0, 3, 6, 9, 15}, {0, 3, 9, 15}, 10, {5},
         {0, 9}, {9, 14}},
        {11, "last paragraph end", {0, 3, 6, 9, 15}, {0, 3, 9, 15}, 10, {5}, {0, 9}, {9, 14}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "insert at " << c.pos << " (" << c.where << ")");
        SetUp();
        Insert(c.pos, "xy");
        std::string text = "ab cd\tef\rgh";
        text.insert(c.pos, "xy");
        EXPECT_EQ(FlowText(f), text);
        EXPECT_EQ(Formats(f), (Table{{c.formats[0], 1, 0},
                                     {c.formats[1], 2, 0},
                                     {c.formats[2], 3, 0},
                                     {c.formats[3], 4, 0},
                                     {c.formats[4], -1, 0}}));
        EXPECT_EQ(Rows(f), (Table{{c.rows[0], -1}, {c.rows[1], -1}, {c.rows[2], -1, c.hole}, {c.rows[3], -1}}));
        EXPECT_EQ(Paras(f), (Table{{0, 0, 1}, {2, 7, 0}, {3, -1, 0}}));
        Table tabs;
        for (long t : c.tabs)
            tabs.push_back({t, 105, 50});
        EXPECT_EQ(Tabs(f), tabs);
        EXPECT_EQ(Borders(f), (Table{{c.border[0], c.border[1], 20, 15, (long)RGB(1, 2, 3)}}));
        EXPECT_EQ(Shades(f), (Table{{c.shade[0], c.shade[1], 50}}));
        EXPECT_EQ(Columns(f), (Table{Block(0, 0, 0), Block(15, 3, 1000, true)}));
        EXPECT_EQ(Pages(f), (Longs{0, 1}));
    }
}

TEST_F(FlowItemTest, TypingAfterABreakTakesTheRunThatStartsThere)
{
    SetText(f, "ab\fcd");   // a break at 2, then a run at 3
    SetFormats(f, {{0, kF1}, {3, kF2}, {7, kNone}});
    SetRows(f, {{0, -1}, {3, -1}, {7, -1}});
    SetParas(f, {{0, kM0}, {2, kNone}});
    SetColumns(f, {{0, {0}}, {7, {2}}});
    f.m_tabs.Flush();
    f.m_borders.Flush();
    f.m_shades.Flush();
    Insert(3, "x");
    EXPECT_EQ(Formats(f), (Table{{0, 1, 0}, {3, 2, 0}, {8, -1, 0}}));
}

// ---- Deleting characters

TEST_F(FlowItemTest, DeletingCharactersRemovesAndPullsBackEveryRun)
{
    struct Case
    {
        long from, to;
        const char* where;
        const char* text;
        Table formats;
        Table rows;
        Table paras;
        Longs tabs;
        Table borders;
        Table shades;
        Table columns;
    } cases[] = {
        {1, 2, "inside the first run", "a cd\tef\rgh",
         {{0, 1, 0}, {2, 2, 0}, {5, 3, 0}, {8, 4, 0}, {12, -1, 0}},
         {{0, -1}, {2, -1}, {8, -1, 9}, {12, -1}},
         {{0, 0, 1}, {2, 7, 0}, {3, -1, 0}},
         {4}, {{0, 8}}, {{8, 11}}, {Block(0, 0, 0), Block(12, 3, 1000, true)}},
        {3, 5, "from the start of a run and a row", "ab \tef\rgh",
         {{0, 1, 0}, {3, 2, 0}, {4, 3, 0}, {7, 4, 0}, {11, -1, 0}},
         {{0, -1}, {3, -1}, {7, -1, 8}, {11, -1}},
         {{0, 0, 1}, {2, 7, 0}, {3, -1, 0}},
         {3}, {{0, 7}}, {{7, 10}}, {Block(0, 0, 0), Block(11, 3, 1000, true)}},
        {4, 7, "across a run end, taking the tab", "ab cf\rgh",
         {{0, 1, 0}, {3, 2, 0}, {4, 3, 0}, {6, 4, 0}, {10, -1, 0}},
         {{0, -1}, {3, -1}, {6, -1, 7}, {10, -1}},
         {{0, 0, 1}, {2, 7, 0}, {3, -1, 0}},
         {}, {{0, 6}}, {{6, 9}}, {Block(0, 0, 0), Block(10, 3, 1000, true)}},
        {6, 9, "a whole run with the paragraph end: paragraphs join", "ab cd\tgh",
         {{0, 1, 0}, {3, 2, 0}, {6, 4, 0}, {10, -1, 0}},
         {{0, -1}, {3, -1}, {10, -1}},
         {{0, 0, 1}, {2, -1, 0}},
         {5}, {{0, 6}}, {{6, 9}}, {Block(0, 0, 0), Block(10, 2, 1000, true)}},
        {0, 3, "from the flow start to a row start", "cd\tef\rgh",
         {{0, 2, 0}, {3, 3, 0}, {6, 4, 0}, {10, -1, 0}},
         {{0, -1}, {6, -1, 7}, {10, -1}},
         {{0, 0, 1}, {1, 7, 0}, {2, -1, 0}},
         {2}, {{0, 6}}, {{6, 9}}, {Block(0, 0, 0), Block(10, 2, 1000, true)}},
        {9, 11, "a whole paragraph's text: the shade inside goes", "ab cd\tef\r",
         {{0, 1, 0}, {3, 2, 0}, {6, 3, 0}, {9, 4, 0}, {11, -1, 0}},
         {{0, -1}, {3, -1}, {9, -1, 10}, {11, -1}},
         {{0, 0, 1}, {2, 7, 0}, {3, -1, 0}},
         {5}, {{0, 9}}, {}, {Block(0, 0, 0), Block(11, 3, 1000, true)}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "delete " << c.from << ".." << c.to << " (" << c.where << ")");
        SetUp();
        f.DelCharItem(c.from, c.to);
        EXPECT_EQ(FlowText(f), c.text);
        EXPECT_EQ(f.m_chars.count, (LONG)strlen(c.text) + 3);
        EXPECT_EQ(Formats(f), c.formats);
        EXPECT_EQ(Rows(f), c.rows);
        EXPECT_EQ(Paras(f), c.paras);
        Table tabs;
        for (long t : c.tabs)
            tabs.push_back({t, 105, 50});
        EXPECT_EQ(Tabs(f), tabs);
        Table borders;
        for (const Longs& b : c.borders)
            borders.push_back({b[0], b[1], 20, 15, (long)RGB(1, 2, 3)});
        EXPECT_EQ(Borders(f), borders);
        Table shades;
        for (const Longs& s : c.shades)
            shades.push_back({s[0], s[1], 50});
        EXPECT_EQ(Shades(f), shades);
        EXPECT_EQ(Columns(f), c.columns);
        EXPECT_EQ(Pages(f), (Longs{0, 1}));
        // Rows are stacked again from the top, with the space the border
        // lines take before a row.
        long y = 0;
        for (LONG r = 0; r < f.m_rows.count; ++r)
        {
            if (r > 0)
                y += kRowHeight + f.GetBorderForRow((int)r);
            EXPECT_EQ(f.m_rows[r].y, y) << "row " << r;
        }
    }
}

TEST_F(FlowItemTest, DeletingNeverTakesTheClosingCharacters)
{
    f.DelCharItem(9, 14);
    EXPECT_EQ(FlowText(f), "ab cd\tef\r");
    EXPECT_EQ(f.m_chars.count, 12);
    EXPECT_EQ(Formats(f), (Table{{0, 1, 0}, {3, 2, 0}, {6, 3, 0}, {9, 4, 0}, {11, -1, 0}}));
    EXPECT_EQ(Rows(f), (Table{{0, -1}, {3, -1}, {9, -1, 10}, {11, -1}}));
}

TEST_F(FlowItemTest, DeletingFromAParagraphStartKeepsTheStyleWhereItEnds)
{
    // Three paragraphs "ab", "cd", "ef" with styles 1, 2, 3.
    SetText(f, "ab\rcd\ref");
    SetFormats(f, {{0, kF1}, {10, kNone}});
    SetRows(f, {{0, -1}, {3, -1}, {6, -1}, {10, -1}});
    SetParas(f, {{0, Mint(1, 0)}, {1, Mint(2, 0)}, {2, Mint(3, 0)}, {3, kNone}});
    SetColumns(f, {{0, {0}}, {10, {3}}});
    f.m_tabs.Flush();
    f.m_borders.Flush();
    f.m_shades.Flush();

    f.DelCharItem(3, 7);   // "cd\re" from the start of the second paragraph
    EXPECT_EQ(FlowText(f), "ab\rf");
    EXPECT_EQ(Paras(f), (Table{{0, 1, 0}, {1, 3, 0}, {2, -1, 0}}));
    EXPECT_EQ(Rows(f), (Table{{0, -1}, {3, -1}, {6, -1}}));

    f.DelCharItem(1, 4);   // "b\rf" from inside the first paragraph
    EXPECT_EQ(FlowText(f), "a");
    EXPECT_EQ(Paras(f), (Table{{0, 1, 0}, {1, -1, 0}}));
    EXPECT_EQ(Rows(f), (Table{{0, -1}, {3, -1}}));
    EXPECT_EQ(Columns(f), (Table{Block(0, 0, 0), Block(3, 1, 1000, true)}));
}

TEST_F(FlowItemTest, DeletingNeverRemovesTheLastTwoFormatRuns)
{
    SetText(f, "abc");
    SetFormats(f, {{0, kF1}, {1, kF2}, {2, kF3}, {5, kNone}});
    SetRows(f, {{0, -1}, {5, -1}});
    SetParas(f, {{0, kM0}, {1, kNone}});
    SetColumns(f, {{0, {0}}, {5, {1}}});
    f.m_tabs.Flush();
    f.m_borders.Flush();
    f.m_shades.Flush();
    f.DelCharItem(0, 3);
    EXPECT_EQ(FlowText(f), "");
    EXPECT_EQ(Formats(f), (Table{{0, 3, 0}, {2, -1, 0}}));
}

TEST_F(FlowItemTest, DeletingMergesRunsThatBecameEqual)
{
    SetFormats(f, {{0, kF1}, {3, kF2}, {6, kF1}, {9, kF4}, {13, kNone}});
    f.DelCharItem(3, 6);   // the whole F2 run; F1 on both sides joins
    EXPECT_EQ(Formats(f), (Table{{0, 1, 0}, {6, 4, 0}, {10, -1, 0}}));
}

TEST_F(FlowItemTest, BorderAndShadeRunsThatBecomeEqualKeepOnlyTheLater)
{
    f.m_borders.Flush();
    f.m_borders.Add(Border(0, 9));
    GBorder second = Border(0, 11);
    second.distance = 30;
    f.m_borders.Add(second);
    f.DelCharItem(9, 11);   // both now cover 0..9
    EXPECT_EQ(Borders(f), (Table{{0, 9, 30, 15, (long)RGB(1, 2, 3)}}));
}

// ---- Tabs, formats, borders

TEST_F(FlowItemTest, TabRecordsGoInPositionOrderAndAreRemovedOnlyWhenExact)
{
    f.m_tabs.Flush();
    AddTab(f, 2);
    AddTab(f, 8);
    f.InsTabItem(5);
    f.InsTabItem(0);
    f.InsTabItem(8);
    EXPECT_EQ(Tabs(f), (Table{{0, 0, 0}, {2, 102, 50}, {5, 0, 0}, {8, 108, 50}, {8, 0, 0}}));
    f.DelTabItem(4);
    EXPECT_EQ(f.m_tabs.count, 5);
    f.DelTabItem(2);
    EXPECT_EQ(Tabs(f), (Table{{0, 0, 0}, {5, 0, 0}, {8, 108, 50}, {8, 0, 0}}));
}

TEST_F(FlowItemTest, FormatAndBorderItemsChangeNothingElse)
{
    GFormat run;
    run.pos = 4;
    run.style = Mint(9, 0);
    f.InsFormatItem(run, 2);
    EXPECT_EQ(Formats(f), (Table{{0, 1, 0}, {3, 2, 0}, {4, 9, 0}, {6, 3, 0}, {9, 4, 0}, {13, -1, 0}}));
    f.DelFormatItem(2);
    EXPECT_EQ(Formats(f), (Table{{0, 1, 0}, {3, 2, 0}, {6, 3, 0}, {9, 4, 0}, {13, -1, 0}}));

    f.InsBorderItem(Border(9, 12), 1);
    EXPECT_EQ(Borders(f), (Table{{0, 9, 20, 15, (long)RGB(1, 2, 3)}, {9, 12, 20, 15, (long)RGB(1, 2, 3)}}));
    f.DelBorderItem(0);
    EXPECT_EQ(Borders(f), (Table{{9, 12, 20, 15, (long)RGB(1, 2, 3)}}));
    EXPECT_EQ(Rows(f), (Table{{0, -1}, {3, -1}, {9, -1, 10}, {13, -1}}));
    EXPECT_EQ(Shades(f), (Table{{9, 12, 50}}));
}

// ---- Rows, paragraphs, column blocks and pages

// Four rows in one block of two text columns (the second from row 2),
// a one-row block on a page of its own, and the closing block.
class FlowBlockTest : public FlowItemTest
{
protected:
    void SetUp() override
    {
        FlowItemTest::SetUp();
        SetText(f, "ab\rcd\ref\rgh\rij");
        SetFormats(f, {{0, kF1}, {17, kNone}});
        SetRows(f, {{0, -1}, {3, -1}, {6, -1}, {9, -1}, {12, -1}, {17, -1}});
        SetParas(f, {{0, kM0}, {1, kP7}, {2, kF2}, {3, kF3}, {4, kF4}, {5, kNone}});
        SetColumns(f, {{0, {0, 2}}, {12, {4}}, {17, {5}}});
        SetPages(f, {0, 1, 2});
        f.m_tabs.Flush();
        f.m_borders.Flush();
        f.m_shades.Flush();
    }

    static Longs TwoColumns(long first, long row0, long row1, long position)
    {
        return {first, 2, row0, row1, -1, -1, -1, -1, position};
    }
};

TEST_F(FlowBlockTest, InsertingARowShiftsParagraphsAndTextColumns)
{
    struct Case
    {
        long index;
        Longs paraRows;
        Longs blockStarts;   // first rows: block 0 columns 0 and 1, block 1, closing
    } cases[] = {
        {1, {0, 2, 3, 4, 5, 6}, {0, 3, 5, 6}},
        {2, {0, 1, 3, 4, 5, 6}, {0, 3, 5, 6}},   // before a text column's first row
        {3, {0, 1, 2, 4, 5, 6}, {0, 2, 5, 6}},
        {4, {0, 1, 2, 3, 5, 6}, {0, 2, 5, 6}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "row at " << c.index);
        SetUp();
        f.m_redraw.Reset(0, 0);
        f.m_redraw.InvalByRow(3, 5);
        GRow row;
        row.first = 7;
        f.InsRowItem(row, c.index);
        ASSERT_EQ(f.m_rows.count, 7);
        EXPECT_EQ(f.m_rows[c.index].first, 7);
        ASSERT_NE(f.m_rows[c.index].holes, nullptr);
        Longs paraRows;
        for (LONG p = 0; p < f.m_paras.count; ++p)
            paraRows.push_back(f.m_paras[p].row);
        EXPECT_EQ(paraRows, c.paraRows);
        EXPECT_EQ(Columns(f), (Table{TwoColumns(0, c.blockStarts[0], c.blockStarts[1], 0),
                                     Block(12, c.blockStarts[2], 1000), Block(17, c.blockStarts[3], 2000, true)}));
        EXPECT_EQ(Pages(f), (Longs{0, 1, 2}));
        // The repaint range follows the rows.
        EXPECT_EQ(f.m_redraw.m_nFirstRow, c.index <= 3 ? 4 : 3);
        EXPECT_EQ(f.m_redraw.m_nEndRow, 6);
    }
}

TEST_F(FlowBlockTest, DeletingTheOnlyRowOfABlockTakesTheBlockAndItsPage)
{
    f.DelRowItem(4, 0);
    EXPECT_EQ(f.m_rows.count, 5);
    EXPECT_EQ(Paras(f), (Table{{0, 0, 1}, {1, 7, 0}, {2, 2, 0}, {3, 3, 0}, {4, 4, 0}, {4, -1, 0}}));
    // Block 1 goes; the closing block takes its position value.
    EXPECT_EQ(Columns(f), (Table{TwoColumns(0, 0, 2, 0), Block(17, 4, 1000, true)}));
    EXPECT_EQ(Pages(f), (Longs{0, 1}));
    EXPECT_EQ(f.m_nClosingColumnPos, 1000);
}

TEST_F(FlowBlockTest, DeletingARowLowersLaterTextColumnsAndRepositions)
{
    f.DelRowItem(1, 1);
    EXPECT_EQ(Rows(f), (Table{{0, -1}, {6, -1}, {9, -1}, {12, -1}, {17, -1}}));
    EXPECT_EQ(Paras(f), (Table{{0, 0, 1}, {1, 7, 0}, {1, 2, 0}, {2, 3, 0}, {3, 4, 0}, {4, -1, 0}}));
    EXPECT_EQ(Columns(f), (Table{TwoColumns(0, 0, 1, 0), Block(12, 3, 1000), Block(17, 4, 2000, true)}));
    // The rows below are placed again: stacked from the top, each at least
    // a row's height below the one before (paragraph spacing may add more).
    EXPECT_EQ(f.m_rows[0].y, 0);
    for (LONG r = 1; r < f.m_rows.count; ++r)
        EXPECT_GE(f.m_rows[r].y, f.m_rows[r - 1].y + kRowHeight) << "row " << r;
}

TEST_F(FlowBlockTest, DeletingAParagraphThatFillsABlockTakesTheBlock)
{
    f.DelParaItem(4);
    EXPECT_EQ(Paras(f), (Table{{0, 0, 1}, {1, 7, 0}, {2, 2, 0}, {3, 3, 0}, {5, -1, 0}}));
    EXPECT_EQ(Columns(f), (Table{TwoColumns(0, 0, 2, 0), Block(17, 5, 1000, true)}));
    EXPECT_EQ(Pages(f), (Longs{0, 1}));

    // A paragraph of block 0 leaves the blocks alone.
    f.DelParaItem(0);
    EXPECT_EQ(Paras(f), (Table{{1, 7, 0}, {2, 2, 0}, {3, 3, 0}, {5, -1, 0}}));
    EXPECT_EQ(f.m_columns.count, 2);
}

TEST_F(FlowBlockTest, ColumnBlocksShiftPageReferences)
{
    GColumn block(9, (unsigned char)1, 0, 3);
    block.position = 500;
    f.InsColumnItem(block, 1);
    EXPECT_EQ(Pages(f), (Longs{0, 2, 3}));
    EXPECT_EQ(f.m_columns.count, 4);
    EXPECT_EQ(f.m_columns[1].first, 9);

    // Block 1 shares page 0 with block 0: the page stays.
    f.DelColumnItem(1);
    EXPECT_EQ(Pages(f), (Longs{0, 1, 2}));
    EXPECT_EQ(Columns(f), (Table{TwoColumns(0, 0, 2, 0), Block(12, 4, 500), Block(17, 5, 1500, true)}));
}

TEST_F(FlowBlockTest, ParagraphsShiftTheParagraphsThatFramesName)
{
    CFrame* anchored = new CFrame();
    anchored->vKind = kVBelowPara;
    anchored->vAnchor = 2;
    anchored->hasArrow = 1;
    anchored->arrowPara = 1;
    f.m_frames.Add(anchored);
    CFrame* paged = new CFrame();   // kind 11 anchors to a paragraph of the flow it shows
    paged->vKind = kVWithContentPara;
    paged->vAnchor = 3;
    paged->columnPara = 4;
    paged->next = NULL;
    f.m_pFirstFrame = paged;

    GPara para;
    para.row = 2;
    para.style = kF1;
    f.InsParaItem(para, 2);
    EXPECT_EQ(f.m_paras.count, 7);
    EXPECT_EQ(anchored->vAnchor, 3);
    EXPECT_EQ(anchored->arrowPara, 1);
    EXPECT_EQ(paged->vAnchor, 4);
    EXPECT_EQ(paged->columnPara, 5);
    EXPECT_EQ(f.m_bInsertingPara, 0);

    f.DelParaItem(3);
    EXPECT_EQ(anchored->vAnchor, 3);
    EXPECT_EQ(anchored->arrowPara, 1);
    EXPECT_EQ(paged->vAnchor, 3);
    EXPECT_EQ(paged->columnPara, 4);
    f.DelParaItem(0);
    EXPECT_EQ(anchored->vAnchor, 2);
    EXPECT_EQ(anchored->arrowPara, 0);
    EXPECT_EQ(paged->vAnchor, 2);
    EXPECT_EQ(paged->columnPara, 3);

    f.m_pFirstFrame = NULL;
    f.m_frames[0] = NULL;
    delete anchored;
    delete paged;
}

// ---- Fields and their side effects

class FlowFieldTest : public FlowItemTest
{
protected:
    // Puts a field at pos: its mark in the text, its record in order.
    template <class F>
    F* Place(F* field)
    {
        long pos = field->m_nPos;
        f.m_chars[pos] = GChar(kFieldMark);
        LONG i = 0;
        while (i < f.m_fields.count && f.m_fields[i]->m_nPos < pos)
            ++i;
        f.InsFieldItem(field, i);
        return field;
    }
};

TEST_F(FlowFieldTest, FieldsMoveWithTheTextAndGoWithTheirCharacters)
{
    GField* a = Place(new GField(&f, 1));
    GField* b = Place(new GField(&f, 4));
    Place(new GField(&f, 10));
    EXPECT_EQ(FieldPositions(f), (Longs{1, 4, 10}));
    EXPECT_EQ(f.m_fields[0], a);
    EXPECT_EQ(f.m_fields[1], b);

    Insert(4, "xyz");   // a field at the insertion point moves on
    EXPECT_EQ(FieldPositions(f), (Longs{1, 7, 13}));

    f.DelCharItem(0, 3);   // takes the field at 1
    EXPECT_EQ(FieldPositions(f), (Longs{4, 10}));
    EXPECT_EQ(f.m_fields[0], b);
}

TEST_F(FlowFieldTest, MovedFootnotesAreNumberedAgain)
{
    GFootNote* first = Place(new GFootNote(&f, 1, kMarkArabic));
    GFootNote* second = Place(new GFootNote(&f, 7, kMarkArabic));
    first->Update();
    second->Update();
    EXPECT_EQ(second->m_strMark, CString("2"));

    // Only marks at or after the insertion point move and are renumbered.
    first->m_nNumber = 4;
    Insert(4, "x");
    EXPECT_EQ(first->m_nPos, 1);
    EXPECT_EQ(first->m_nNumber, 4);
    EXPECT_EQ(second->m_nPos, 8);
    EXPECT_EQ(second->m_bStale, 0);
    EXPECT_EQ(second->m_nNumber, 5);
    EXPECT_EQ(second->m_strMark, CString("5"));
}

TEST_F(FlowFieldTest, RemovingAFootnoteRenumbersTheLaterOnesAndReleasesItsFlow)
{
    // The document's flows: seven standard ones, the note flow, one more.
    while (doc.m_flows.count < kFirstContentFlow)
        doc.m_flows.Add(new GDoc(&doc, doc.m_flows.count));
    doc.m_flows.Destroy(kFirstContentFlow, doc.m_flows.count - kFirstContentFlow);
    GDoc* noteFlow = new GDoc(&doc, 7);
    doc.m_flows.Add(noteFlow);
    GDoc* frameFlow = new GDoc(&doc, 8);
    doc.m_flows.Add(frameFlow);

    GFootNote* first = Place(new GFootNote(&f, 1, kMarkLetterUpper));
    first->m_pNote = noteFlow;
    GField* between = Place(new GField(&f, 3));
    GFootNote* second = Place(new GFootNote(&f, 7, kMarkLetterUpper));
    first->Update();
    second->Update();
    EXPECT_EQ(second->m_strMark, CString("B"));

    f.DelCharItem(1, 2);
    ASSERT_EQ(f.m_fields.count, 2);
    EXPECT_EQ(f.m_fields[0], between);
    EXPECT_EQ(second->m_nPos, 6);
    EXPECT_EQ(second->m_nNumber, 1);
    EXPECT_EQ(second->m_strMark, CString("A"));
    // The note flow left the list alive; the flows after it moved up.
    ASSERT_EQ(doc.m_flows.count, 8);
    EXPECT_EQ(doc.m_flows[7], frameFlow);
    EXPECT_EQ(frameFlow->m_nIndex, 7);
    EXPECT_EQ(frameFlow->m_redraw.m_nIndex, 7);
    EXPECT_EQ(noteFlow->m_bDeletable, 1);
    delete noteFlow;
}

TEST_F(FlowFieldTest, AnEarlierNoteOnThePageStacksWhereTheRemovedNoteStood)
{
    // Notes at 1 and 4 share the page; each note flow's frame stacks on
    // the frame named by its vertical anchor.
    GDoc firstNote(&doc, 7), secondNote(&doc, 8);
    CFrame firstFrame, secondFrame;
    firstFrame.vAnchor = 111;
    secondFrame.vAnchor = 222;
    firstNote.m_pFirstFrame = &firstFrame;
    secondNote.m_pFirstFrame = &secondFrame;
    GFootNote* first = Place(new GFootNote(&f, 1, kMarkArabic));
    first->m_pNote = &firstNote;
    GFootNote* second = Place(new GFootNote(&f, 4, kMarkArabic));
    second->m_pNote = &secondNote;

    f.DelFieldItem(1);
    EXPECT_EQ(firstFrame.vAnchor, 222);
    firstNote.m_pFirstFrame = NULL;
    secondNote.m_pFirstFrame = NULL;
}

TEST_F(FlowFieldTest, RemovingAFieldRenumbersTheCaptionsAfterIt)
{
    GCaption* fig1 = Place(new GCaption(&f, 1, kMarkArabic, "Figure "));
    GCaption* table1 = Place(new GCaption(&f, 3, kMarkArabic, "Table "));
    GCaption* fig2 = Place(new GCaption(&f, 7, kMarkArabic, "Figure "));
    for (LONG i = 0; i < f.m_fields.count; ++i)
        f.m_fields[i]->Update();
    EXPECT_EQ(fig2->m_strText, CString("Figure 2"));
    EXPECT_EQ(table1->m_strText, CString("Table 1"));

    f.DelFieldItem(0);
    EXPECT_EQ(fig2->m_strText, CString("Figure 1"));
    EXPECT_EQ(table1->m_strText, CString("Table 1"));
    (void)fig1;
}

TEST_F(FlowFieldTest, RemovingTheListItemThatStartsAListMakesTheNextOneStartIt)
{
    struct Case
    {
        LONG removedContinues;
        long nextStyle;
        LONG expectedNextContinues;
    } cases[] = {
        {0, 2, 0},   // the next item of the same list now starts it
        {1, 2, 1},   // the removed item only continued the list
        {0, 3, 1},   // the next item belongs to another list
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "continues " << c.removedContinues << ", next list " << c.nextStyle);
        SetUp();
        f.m_fields.Flush();
        Place(new GList(&f, 0, 2, c.removedContinues, 1));
        GList* next = Place(new GList(&f, 9, c.nextStyle, 1, 1));
        f.DelFieldItem(0);
        ASSERT_EQ(f.m_fields.count, 1);
        EXPECT_EQ(next->m_bContinues, c.expectedNextContinues);
    }
}

TEST_F(FlowFieldTest, DeletingAListItemRenumbersTheListFromThere)
{
    Place(new GList(&f, 0, 2, 0, 1));
    GList* second = Place(new GList(&f, 9, 2, 1, 1));
    f.m_redraw.Reset(0, 0);
    f.DelCharItem(0, 1);
    ASSERT_EQ(f.m_fields.count, 1);
    EXPECT_EQ(second->m_nPos, 8);
    EXPECT_EQ(second->m_bContinues, 0);
    // The list from the removed item on is repainted.
    EXPECT_LE(f.m_redraw.m_nFirstRow, f.GetCharRow(8));
    EXPECT_GT(f.m_redraw.m_nEndRow, f.GetCharRow(8));
}

// Paragraphs start at 0, 3 and 9; list fields stand on some of them.
TEST_F(FlowFieldTest, TheListStyleOfARangeComesFromItsItemsElseTheItemsBefore)
{
    struct Case
    {
        const char* what;
        std::vector<std::pair<LONG, LONG>> items;   // paragraph start, style
        long start, end;
        long style;
        int fromPrev;
    };
    const Case cases[] = {
        {"an item right before the range", {{0, 2}}, 3, 4, 2, 1},
        {"a plain paragraph between", {{0, 2}}, 9, 10, 2, 0},
        {"no item at all", {}, 3, 10, -1, 0},
        {"the range's own first item, with its own flag", {{3, 4}, {9, 5}}, 0, 12, 4, 1},
        {"an empty range at a paragraph start holds no paragraph", {{3, 4}}, 3, 3, -1, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        SetUp();
        f.m_fields.Flush();
        SetParas(f, {{0, kM0}, {1, kP7}, {2, kP7}, {3, kNone}});
        for (auto& item : c.items)
            Place(new GList(&f, item.first, item.second, item.first == 3, 1));
        long style = 99;
        int fromPrev = 99;
        f.FindListStyle(c.start, c.end, style, fromPrev);
        EXPECT_EQ(style, c.style);
        EXPECT_EQ(fromPrev, c.fromPrev);
    }
}

TEST_F(FlowFieldTest, ANewParagraphAfterAListItemContinuesTheListOnlyForEnter)
{
    GList* item = Place(new GList(&f, 0, 2, 0, 3));
    (void)item;
    for (int enter = 0; enter <= 1; ++enter)
    {
        SCOPED_TRACE(testing::Message() << "Enter " << enter);
        SetParas(f, {{0, kM0}, {2, kP7}, {3, kNone}});
        f.m_nCaret = 4;
        bInsertOnlyNewLine = enter;
        GPara para;
        para.row = 1;
        para.style = Mint(5, 0);
        f.InsParaItem(para, 1);
        bInsertOnlyNewLine = 0;
        EXPECT_EQ(Paras(f), (Table{{0, 0, 1}, {1, 5, 0}, {2, 7, 0}, {3, -1, 0}}));
        // With Enter the new paragraph gets its list number, and the caret
        // stands after it.
        EXPECT_EQ(f.m_nCaret, 4);
    }
}

}  // namespace
