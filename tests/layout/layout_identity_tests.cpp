// A whole layout of a body of several pages made twice, with the bounded
// search for row breaks and with the whole measure of each paragraph:
// every row, paragraph, column block and page must come out the same.
#include "zt_gtest.h"
#include "CWDocument.h"
#include "GDoc.h"
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

// The body filled with the paragraphs, each one row, then laid out whole.
void LayOutBody(GDoc& f)
{
    std::string all;
    std::vector<long> starts;
    for (int i = 0; i < kParagraphs; ++i)
    {
        starts.push_back((long)all.size());
        all += ParagraphText(i);
        if (i + 1 < kParagraphs)
            all += '\r';
    }
    const long n = (long)all.size();
    std::vector<GChar> chars(all.begin(), all.end());
    f.m_chars.InsertAt(0, chars.data(), n);
    f.m_formats.Last().pos += n;
    f.m_rows.Last().first += n;
    f.m_columns.Last().first += n;
    for (long i = 1; i < kParagraphs; ++i)
    {
        GRow row;
        row.first = (LONG)starts[i];
        row.holes = GRow::NewHoles();
        f.m_rows.AddAt(row, i);
        GPara para = f.m_paras[0];
        para.row = (LONG)i;
        f.m_paras.AddAt(para, i);
    }
    f.m_paras.Last().row = kParagraphs;
    f.m_columns.Last().startRows[0] = kParagraphs;
    f.ReRowByRow(0, kParagraphs, 1, 1);
}

// Everything layout decides: rows (start, place, height, ascent), each
// paragraph's first row, the column blocks and the pages.
std::vector<long> LayoutRecords(const GDoc& f)
{
    std::vector<long> out;
    for (long r = 0; r < f.m_rows.GetCount(); ++r)
    {
        const GRow& row = f.m_rows[r];
        out.insert(out.end(), {row.first, row.y, row.height, row.ascent});
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

std::vector<long> LayOutNewBody()
{
    CWDocument doc;
    doc.CreateFrames();
    GDoc& body = *doc.m_flows[kBodyFlow];
    LayOutBody(body);
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
