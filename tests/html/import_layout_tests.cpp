// A page read and laid out: rows of text in several fonts (bold, italic,
// larger, raised, a word longer than the row) must break, stand and be as
// high as measuring the whole rest of each paragraph makes them.
#include "tests/html/html_test_support.h"
#include "html/html_services.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include <memory>
#include <string>
#include <vector>

extern bool bLayoutBoundedSearch;

using namespace html_test;

namespace {

// Paragraphs of several pages, each with inline elements of other widths
// and heights at places that move from one paragraph to the next.
std::string PageWithRunsOfSeveralFonts()
{
    static const char* const words[] = {"measure", "of", "text", "in", "rows", "that", "wrap", "and",
                                        "the", "a", "paragraph", "with", "fonts", "runs", "breaks", "page"};
    static const char* const opens[] = {"<b>", "<i>", "<big>", "<sup>", "<b><i>", "<font size=6>", "<small>"};
    static const char* const closes[] = {"</b>", "</i>", "</big>", "</sup>", "</i></b>", "</font>", "</small>"};
    static const char* const paragraphs[] = {"<p>", "<p align=right>", "<p align=center>", "<p align=justify>",
                                             "<h3>"};
    std::string page = "<body>";
    for (int p = 0; p < 60; ++p)
    {
        page += paragraphs[p % 5];
        const int count = 15 + (p * 37) % 160;
        for (int w = 0; w < count; ++w)
        {
            if (w)
                page += " ";
            const int kind = (p + w) % 7;
            const bool inRun = (w * 5 + p) % 11 == 0;
            if (inRun)
                page += opens[kind];
            page += p % 13 == 6 && w == 3 ? std::string(90, 'w') : words[(p * 3 + w * 7) % 16];
            if (inRun && w % 3 == 0)
                page += std::string(" ") + words[w % 16];
            if (inRun)
                page += closes[kind];
        }
        page += p % 5 == 4 ? "</h3>" : "</p>";
    }
    return page + "</body>";
}

// Where every row begins, where it stands and how high it is, and the
// page each column block starts.
std::vector<long> LayoutOf(const GDoc& f)
{
    std::vector<long> out;
    for (long r = 0; r < f.m_rows.GetCount(); ++r)
        out.insert(out.end(), {(long)f.m_rows[r].first, (long)f.m_rows[r].y, (long)f.m_rows[r].height,
                               (long)f.m_rows[r].ascent});
    for (long p = 0; p < f.m_pages.GetCount(); ++p)
        out.push_back(f.m_pages[p].block);
    return out;
}

std::vector<long> ReadAndLayOut(const CString& path, bool bounded)
{
    bLayoutBoundedSearch = bounded;
    CWDocument doc;
    doc.CreateFrames();
    EXPECT_TRUE(HtmlImportFile(path, &doc));
    bLayoutBoundedSearch = true;
    const GDoc& body = *doc.m_flows[kBodyFlow];
    EXPECT_GT(body.m_pages.GetCount() - 1, 3);
    return LayoutOf(body);
}

} // namespace

TEST(HtmlImportLayout, RunsOfSeveralFontsBreakAsTheWholeMeasure)
{
    CBoxKeepingApp app;
    CTempFile file(PageWithRunsOfSeveralFonts());
    const std::vector<long> reference = ReadAndLayOut(file.Path(), false);
    const std::vector<long> fast = ReadAndLayOut(file.Path(), true);
    EXPECT_EQ(reference, fast);
}
