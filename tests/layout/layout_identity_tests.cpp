// A whole layout of a body of several pages made twice, with the bounded
// search for row breaks and with the whole measure of each paragraph; and
// a body edited keystroke by keystroke against the same text laid out from
// scratch: every row, paragraph, column block and page must come out the
// same.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "layout/CFrame.h"
#include "tests/support/unbroken_body.h"
#include <string>
#include <vector>

namespace {

const int kParagraphs = 120;

std::string ParagraphText(int i)
{
    static const char* const words[] = {"the", "layout", "of", "ordinary", "paragraphs", "with", "words",
                                        "that", "wrap", "across", "several", "rows", "and", "pages",
                                        "a", "considerablylongerwordthanmost"};
    std::string s;
    const int count = i == kParagraphs / 2 ? 700 : (i % 7 == 3 ? 1 : 20 + (i * 13) % 90);
    for (int w = 0; w < count; ++w)
    {
        if (w)
            s += (i % 5 == 2 && w % 9 == 0) ? "  " : " ";
        s += words[(i * 7 + w * 3) % 16];
    }
    return s;
}

std::vector<std::string> BodyParagraphs()
{
    std::vector<std::string> texts;
    for (int i = 0; i < kParagraphs; ++i)
        texts.push_back(ParagraphText(i));
    return texts;
}

// The body filled with the paragraphs, each one row, then laid out whole,
// or paragraph by paragraph as editing re-breaks them.
void LayOutBody(GDoc& f, const std::vector<std::string>& texts = BodyParagraphs(), bool byParagraph = false)
{
    PutParagraphsUnbroken(f, texts);
    const long paragraphs = (long)texts.size();
    if (!byParagraph)
    {
        f.ReRowByRow(0, paragraphs, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        return;
    }
    for (long p = 0; p < paragraphs; ++p)
        f.ReRowByRow(f.GetParaRow(p), f.GetParaRow(p) + 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
}

// A document whose body holds the test paragraphs laid out, undo off: each
// test compares its edits with a fresh layout, none is undone.
struct LaidOutBody
{
    CWDocument doc;
    GDoc* body = NULL;
    LaidOutBody()
    {
        doc.CreateFrames();
        doc.m_bUndoEnabled = FALSE;
        body = doc.m_flows[kBodyFlow];
        LayOutBody(*body);
    }
};

// Everything layout decides: rows (start, place, height, ascent, holes),
// each paragraph's first row, the column blocks and the pages.
std::vector<long> LayoutRecords(const GDoc& f)
{
    std::vector<long> out;
    for (long r = 0; r < f.m_rows.GetCount(); ++r)
    {
        const GRow& row = f.m_rows[r];
        out.insert(out.end(), {row.first, row.y, row.height, row.ascent});
        // Each hole's resume moves with every edit before it.
        const long holes = row.holes ? row.holes->GetCount() : -1;
        out.push_back(holes);
        for (long h = 0; h < holes; ++h)
        {
            const CHole& hole = (*row.holes)[h];
            out.insert(out.end(), {hole.x, hole.width, hole.resume});
        }
    }
    out.push_back(-1);
    for (long p = 0; p < f.m_paras.GetCount(); ++p)
        out.push_back(f.m_paras[p].row);
    out.push_back(-1);
    for (long b = 0; b < f.m_columns.GetCount(); ++b)
    {
        const GColumn& c = f.m_columns[b];
        out.push_back(c.first);
        out.push_back(c.position);
        for (LONG start : c.startRows)
            out.push_back(start);
    }
    out.push_back(-1);
    for (long p = 0; p < f.m_pages.GetCount(); ++p)
        out.push_back(f.m_pages[p].block);
    return out;
}

std::vector<long> LayOutNewBody(bool byParagraph = false)
{
    CWDocument doc;
    doc.CreateFrames();
    GDoc& body = *doc.m_flows[kBodyFlow];
    LayOutBody(body, BodyParagraphs(), byParagraph);
    EXPECT_GT(body.m_pages.GetCount() - 1, 5);
    return LayoutRecords(body);
}

} // namespace

extern bool bLayoutBoundedSearch;

// The bounded search for a row's break must find the breaks that measuring
// the whole rest of the paragraph finds, on the same measuring context.
TEST(LayoutIdentity, BoundedSearchLaysOutAsTheWholeMeasure)
{
    bLayoutBoundedSearch = false;
    const std::vector<long> reference = LayOutNewBody();
    bLayoutBoundedSearch = true;
    const std::vector<long> fast = LayOutNewBody();
    EXPECT_EQ(reference, fast);
}

// Laying out a whole body makes the rows of a paragraph many at a time;
// re-breaking one paragraph after another makes them one by one.
TEST(LayoutIdentity, AWholeBodyLaysOutAsItsParagraphsOneByOne)
{
    EXPECT_EQ(LayOutNewBody(true), LayOutNewBody(false));
}

namespace {

// The body's text split at its paragraph ends, closing characters left out.
std::vector<std::string> ParagraphsOf(const GDoc& f)
{
    std::vector<std::string> texts(1);
    for (long i = 0; i + 3 < f.m_chars.GetCount(); ++i)
    {
        if (f.m_chars[i] == '\r')
            texts.emplace_back();
        else
            texts.back() += (char)f.m_chars[i];
    }
    return texts;
}

} // namespace

// Typing re-breaks and re-columns only what it must; what it leaves must be
// what a layout from scratch gives: characters typed one by one into an
// early paragraph until rows and pages move, some deleted again, and a
// paragraph split and joined.
// The layout records of the body's text laid out afresh in a new document.
std::vector<long> FreshLayoutOf(const GDoc& body)
{
    CWDocument fresh;
    fresh.CreateFrames();
    GDoc& again = *fresh.m_flows[kBodyFlow];
    LayOutBody(again, ParagraphsOf(body));
    return LayoutRecords(again);
}

TEST(LayoutIdentity, EditingLaysOutAsAFreshLayout)
{
    LaidOutBody laidOut;
    GDoc& body = *laidOut.body;
    const long at = body.GetParaChar(2) + 3;
    for (int i = 0; i < 150; ++i)
    {
        char key[2] = {(char)(i % 9 == 8 ? ' ' : 'a' + i % 26), 0};
        body.InsertText(at + i, key, 1);
    }
    body.DeleteText(at + 20, at + 90, 1);
    char paragraphEnd[2] = {'\r', 0};
    body.InsertText(body.GetParaChar(kParagraphs / 2) + 40, paragraphEnd, 1);
    body.DeleteText(body.GetParaChar(5) - 1, body.GetParaChar(5), 1);

    CWDocument fresh;
    fresh.CreateFrames();
    GDoc& again = *fresh.m_flows[kBodyFlow];
    LayOutBody(again, ParagraphsOf(body));
    EXPECT_EQ(LayoutRecords(again), LayoutRecords(body));
    EXPECT_EQ(again.m_pFirstFrame->GetCols(), body.m_pFirstFrame->GetCols());
}

// Typing ordinary text keeps the columns and pages below when no row
// changes shape; every keystroke here either leaves the rows' shapes or
// wraps a word, at a flow's start, on a page's last row and in the middle
// of the long paragraph, and the layout must stay that of a fresh one.
TEST(LayoutIdentity, TypingKeepsTheLayoutOfAFreshOne)
{
    LaidOutBody laidOut;
    GDoc& body = *laidOut.body;
    ASSERT_GT(body.m_pages.GetCount(), 3);
    const long pageTwoRow = body.m_columns[body.m_pages[1].block].startRows[0];
    const long places[] = {0, body.m_rows[pageTwoRow - 1].first + 2,
                           body.GetParaChar(kParagraphs / 2) + 500};
    for (long place : places)
    {
        for (int i = 0; i < 40; ++i)
        {
            char key[2] = {(char)(i % 6 == 5 ? ' ' : 'a' + i % 26), 0};
            body.InsertText(place + i, key, 1);
            if (i % 8 != 7)
                continue;
            ASSERT_EQ(FreshLayoutOf(body), LayoutRecords(body)) << "place " << place << ", key " << i;
        }
    }
}

// Rows after an edit take its shift only when read: typing and deleting
// back and forth between a place far down and a place above it (the shift
// then lands before rows already given it) and near the end must still
// leave the layout of a fresh one, holes and all.
TEST(LayoutIdentity, EditsAtPlacesFarApartLayOutAsAFreshLayout)
{
    LaidOutBody laidOut;
    GDoc& body = *laidOut.body;
    long below = body.GetParaChar(kParagraphs / 2) + 300;
    long above = body.GetParaChar(3) + 5;
    const long nearEnd = body.GetParaChar(kParagraphs - 2) + 4;
    for (int round = 0; round < 6; ++round)
    {
        for (int i = 0; i < 12; ++i)
        {
            char key[2] = {(char)(i % 5 == 4 ? ' ' : 'a' + (i + round) % 26), 0};
            body.InsertText(below + i, key, 1);
            body.InsertText(above + i, key, 1);
            ++below;   // the text typed above moves the place below
        }
        below += 12;
        body.DeleteText(below - 7, below - 2, 1);
        below -= 5;
        body.DeleteText(above + 2, above + 6, 1);
        below -= 4;
        char key[2] = {(char)('k' + round), 0};
        body.InsertText(nearEnd + round, key, 1);

        ASSERT_EQ(FreshLayoutOf(body), LayoutRecords(body)) << "round " << round;
    }
}

// A word wider than a row typed at a paragraph's start moves the break of
// every row of the paragraph with each key, and nothing of their shapes:
// the pages below stay, as a fresh layout makes them.
TEST(LayoutIdentity, AWordWiderThanARowKeepsThePagesOfAFreshLayout)
{
    LaidOutBody laidOut;
    GDoc& body = *laidOut.body;
    const long places[] = {0, body.GetParaChar(kParagraphs / 2)};
    for (long place : places)
        for (int i = 0; i < 120; ++i)
        {
            char key[2] = {(char)('a' + i % 26), 0};
            body.InsertText(place + i, key, 1);
            if (i % 20 != 19)
                continue;
            ASSERT_EQ(FreshLayoutOf(body), LayoutRecords(body)) << "place " << place << ", key " << i;
        }
}

// Taking ordinary characters out one at a time (Backspace, or undoing typed
// keys) keeps the columns and pages below while the paragraph's rows keep
// their shapes; a word wrapping back up or a row going re-columns as
// before. At a flow's start, on a page's last row and in the long paragraph.
TEST(LayoutIdentity, DeletingCharactersKeepsTheLayoutOfAFreshOne)
{
    LaidOutBody laidOut;
    GDoc& body = *laidOut.body;
    const long pageTwoRow = body.m_columns[body.m_pages[1].block].startRows[0];
    const long places[] = {0, body.m_rows[pageTwoRow - 1].first + 2, body.GetParaChar(kParagraphs / 2) + 500};
    for (long place : places)
    {
        for (int i = 0; i < 90; ++i)
        {
            char key[2] = {(char)(i % 6 == 5 ? ' ' : 'a' + i % 26), 0};
            body.InsertText(place + i, key, 1);
        }
        for (int i = 89; i >= 0; --i)
        {
            body.DeleteText(place + i, place + i + 1, 1);
            if (i % 8 != 0)
                continue;
            ASSERT_EQ(FreshLayoutOf(body), LayoutRecords(body)) << "place " << place << ", key " << i;
        }
    }
}

// A page break typed into the last row of a page ends that row, so the
// page's next row begins after the break: the block that began the next
// page must begin there too, not stay as an empty block before the break's
// own (a blank page). At several places of the row, on the first two pages
// that begin inside a paragraph.
TEST(LayoutIdentity, APageBreakTypedIntoAPagesLastRowMakesNoBlankPage)
{
    int tried = 0;
    for (long page = 1; tried < 2; ++page)
    {
        LaidOutBody laidOut;
        GDoc& probe = *laidOut.body;
        ASSERT_LT(page, probe.m_pages.GetCount() - 1) << "no page begins inside a paragraph";
        const long firstRow = probe.m_columns[probe.m_pages[page].block].startRows[0];
        if (probe.GetRowPara(firstRow - 1) != probe.GetRowPara(firstRow) ||
            probe.m_rows[firstRow].first - probe.m_rows[firstRow - 1].first < 31)
            continue;
        ++tried;
        for (int back : {1, 5, 30})
        {
            LaidOutBody edited;
            GDoc& body = *edited.body;
            const long pages = body.m_pages.GetCount();
            const long at = body.m_rows[firstRow].first - back;
            body.InsertChar(at, kParagraphEnd, 1);
            body.InsertChar(at + 1, kBreak, 1);
            for (LONG b = 0; b + 1 < body.m_columns.count; ++b)
                EXPECT_NE(body.m_columns[b].startRows[0], body.m_columns[b + 1].startRows[0])
                    << "page " << page << ", " << back << " back: block " << b << " holds no row";
            EXPECT_LE(body.m_pages.GetCount(), pages + 1) << "page " << page << ", " << back << " back";
        }
    }
}
