// A document saved as HTML and read again: its paragraphs, characters,
// lists and picture come back; the page's elements nest properly. The page
// is kept for the independent checkers of the test command (python3's
// html.parser and tidy, scripts/check-html-pages.sh).
#include "tests/html/export_test_support.h"
#include "model/GListField.h"
#include "model/utilities.h"
#include "tests/support/flow_inspection.h"
#include <algorithm>
#include <cctype>
#include <vector>

using namespace html_test;

namespace {

// Tenths of a millimetre to whole points.
int WholePoints(int tenths)
{
    return Round(tenths * 72.0 / 254.0);
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = (char)tolower((unsigned char)c);
    return text;
}

// Empty when every end tag of the page closes the element open there and
// every element is closed; else where it first goes wrong.
std::string NestingFault(const std::string& page)
{
    static const char* const kEmpty[] = {"img", "meta", "hr", "br"};
    std::vector<std::string> open;
    for (size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1))
    {
        const size_t close = page.find('>', at);
        if (close == std::string::npos)
            return "a tag without its end at " + std::to_string(at);
        if (page[at + 1] == '!')
            continue;
        const bool end = page[at + 1] == '/';
        size_t nameEnd = at + 1 + end;
        while (nameEnd < close && isalnum((unsigned char)page[nameEnd]))
            nameEnd++;
        const std::string name = Lower(page.substr(at + 1 + end, nameEnd - at - 1 - end));
        if (end)
        {
            if (open.empty() || open.back() != name)
                return "</" + name + "> closes " + (open.empty() ? "nothing" : open.back()) + " at " +
                       std::to_string(at);
            open.pop_back();
        }
        else if (std::find(std::begin(kEmpty), std::end(kEmpty), name) == std::end(kEmpty))
            open.push_back(name);
    }
    return open.empty() ? "" : "<" + open.back() + "> is never closed";
}

// One paragraph as the tests compare it: text without field marks,
// alignment, list kind and level, and every character's look.
std::vector<std::string> Snapshot(CWDocument& doc)
{
    GDoc& flow = *doc.m_flows[kBodyFlow];
    std::vector<std::string> paragraphs;
    for (long p = 0; p + 1 < flow.m_paras.GetCount(); p++)
    {
        const long start = flow.GetParaChar(p);
        const long end = std::min(flow.GetParaChar(p + 1), (long)flow.m_chars.GetCount() - 3);
        std::string line;
        GList* list = flow.GetListField(start);
        if (list)
            line += std::string(doc.m_listStyles[list->m_nStyle].style.IsBullet() ? "bullet" : "number") + " " +
                    std::to_string(list->m_nLevel) + ": ";
        line += "align " + std::to_string(flow.GetParaStylePtr(p)->m_Align) + ": ";
        std::string last;
        for (long pos = start; pos < end; pos++)
        {
            const BYTE c = flow.m_chars[pos];
            if (c == kFieldMark || c == kParagraphEnd || c == kBreak)
                continue;
            const GFontStyle& font = *flow.GetCharFStylePtr(pos);
            char look[96];
            sprintf(look, "[%s %d %06lx %c%c%c]", font.GetFace(), WholePoints(font.GetSize()),
                    (unsigned long)font.GetColour(), font.GetAttr(GFontStyle::kBold) == 1 ? 'b' : '-',
                    font.GetAttr(GFontStyle::kItalic) == 1 ? 'i' : '-',
                    font.GetAttr(GFontStyle::kUnderline) == 1 ? 'u' : '-');
            line += (char)c;
            // A look is written where it changes.
            if (pos == start || last != look)
                line += look;
            last = look;
        }
        paragraphs.push_back(line);
    }
    return paragraphs;
}

std::vector<std::pair<int, int>> PictureSizes(CWDocument& doc)
{
    GDoc& flow = *doc.m_flows[kBodyFlow];
    std::vector<std::pair<int, int>> sizes;
    for (LONG i = 0; i < flow.m_fields.GetCount(); i++)
        if (flow.m_fields[i]->m_nKind == kFieldImage)
        {
            const GImage* picture = (const GImage*)flow.m_fields[i];
            sizes.push_back(picture->m_pImage ? std::make_pair(picture->m_pImage->width(), picture->m_pImage->height())
                                              : std::make_pair(0, 0));
        }
    return sizes;
}

class HtmlRoundTrip : public ExportFixture
{
};

} // namespace

TEST_F(HtmlRoundTrip, ADocumentComesBackFromItsPage)
{
    Type("Heading\rLeft words bold italic under red\rCentred\rRight\rJustified text\r"
         "first bullet\rsecond bullet\rone\rone a\rtwo\r");
    // The picture stands in a paragraph of its own.
    Body().InsertField(new GImage(&Body(), Body().m_chars.GetCount() - 3, GreyPicture(5, 3)));
    GDoc& body = Body();
    body.SetMasterStyle(ParaStart(0), ParaStart(0), doc->m_masterStyles.FindStyle("(M) Heading 1"));
    body.SetFontAttr(At("bold"), At("bold") + 4, GFontStyle::kBold, GFontStyle::kBold);
    body.SetFontAttr(At("italic"), At("italic") + 6, GFontStyle::kItalic, GFontStyle::kItalic);
    body.SetFontAttr(At("under"), At("under") + 5, GFontStyle::kUnderline, GFontStyle::kUnderline);
    body.SetFontColor(At("red"), At("red") + 3, RGB(255, 0, 0));
    body.SetParaAlign(ParaStart(2), ParaStart(2), GParaStyle::kAlignCentre);
    body.SetParaAlign(ParaStart(3), ParaStart(3), GParaStyle::kAlignRight);
    body.SetParaAlign(ParaStart(4), ParaStart(4), GParaStyle::kAlignJustify);
    MakeList(5, 6, AddList(GSequence::kBullet), 1);
    const long numbers = AddList(GSequence::kArabic);
    MakeList(7, 9, numbers, 1);
    MakeList(8, 8, numbers, 2);

    const std::string page = Export("trip.htm");
    KeepPage(page, "round_trip.htm");
    EXPECT_EQ(NestingFault(page), "") << page;

#if __has_include("html/CWHtmlImport.h")
    std::unique_ptr<CWDocument> read = maker.New();
    ASSERT_TRUE(HtmlImportFile(folder / "trip.htm", read.get()));
    EXPECT_EQ(Snapshot(*read), Snapshot(*doc)) << page;
    EXPECT_EQ(PictureSizes(*read), (std::vector<std::pair<int, int>>{{5, 3}}));
    ReleaseDocEditing(read.get());
#else
    GTEST_SKIP() << "reading HTML is not built yet";
#endif
}
