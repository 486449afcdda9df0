// A formatted document exported and imported into a new document comes
// back as the intermediate file carries it, and further round trips
// write the same file again.
#include "tests/convert/convert_test_support.h"
#include "model/GPageNum.h"

using namespace convert_test;

namespace {

struct Run
{
    const char* text;
    const char* face;
    int size;
    COLORREF colour;
    short attributes;
};

struct Para
{
    std::vector<Run> runs;
    short left, right, first;
    float spacing;
    unsigned char align;
    std::vector<GTab> tabs;
};

const std::vector<Para> kParas = {
    {{{"Plain ", "Arial", 42, RGB(0, 0, 0), 0}, {"bold", "Arial", 42, RGB(0, 0, 0), GFontStyle::kBold}},
     0, 0, 0, 1.0f, GParaStyle::kAlignLeft, {}},
    {{{"Caf\xE9 na\xEFve ", "Times New Roman", 56, RGB(200, 0, 0), GFontStyle::kItalic},
      {"under", "Times New Roman", 56, RGB(0, 128, 255), GFontStyle::kUnderline | GFontStyle::kStrikeout}},
     254, 127, 381, 1.5f, GParaStyle::kAlignCentre, {}},
    {{{"x", "Courier New", 35, RGB(0, 0, 0), GFontStyle::kSuperscript},
      {"y", "Courier New", 35, RGB(0, 0, 0), GFontStyle::kSubscript},
      {"Small caps\tTab\tTab\tTab", "Courier New", 35, RGB(0, 0, 0), GFontStyle::kSmallCaps}},
     100, 0, 100, 2.0f, GParaStyle::kAlignRight,
     {GTab(GTab::kLeft, 300), GTab(GTab::kCentre, 600), GTab(GTab::kRight, 900), GTab(GTab::kDecimal, 1200)}},
    {{{"Justified text in the second of two columns, long enough to wrap over a few rows of the column.",
       "Arial", 42, RGB(0, 0, 0), 0}},
     0, 0, 0, 1.0f, GParaStyle::kAlignJustify, {}},
    {{{"Last", "Arial", 42, RGB(0, 0, 0), 0}}, 0, 0, 0, 1.0f, GParaStyle::kAlignLeft, {}},
};

void Append(GDoc& flow, const char* text, const GFontStyle* style)
{
    const long from = flow.m_chars.count - 3;
    flow.InsertText(from, (char*)text, 1);
    if (style)
        flow.SetFontStyle(from, flow.m_chars.count - 3, *(GFontStyle*)style, 1);
}

std::unique_ptr<CWDocument> MakeDocument(int first, int oddEven)
{
    auto doc = NewDocument();
    GPageInfo& page = doc->m_pageInfos[0];
    page.portrait = 0;
    page.paperWidth = 2970;
    page.paperHeight = 2100;
    page.textLeft = 200;
    page.textTop = 300;
    page.textRight = 2970 - 250;
    page.textBottom = 2100 - 350;
    doc->SetFirstPageDiff(first, 1);
    doc->SetOddEvenPageDiff(oddEven, 1);
    GDoc& body = *doc->m_flows[0];
    long columnsFrom = 0, columnsTo = 0;
    for (size_t p = 0; p < kParas.size(); ++p)
    {
        const Para& para = kParas[p];
        const long start = body.m_chars.count - 3;
        if (p == 3)
            columnsFrom = start;
        for (const Run& run : para.runs)
        {
            GFontStyle style(run.face, run.size, run.colour, run.attributes, 0x7F);
            Append(body, run.text, &style);
        }
        GParaStyle style(para.left, para.right, para.first, para.spacing, 0, para.align);
        for (int i = 0; i < GTabArr::kCount; ++i)
            style.m_Tabs[i] = i < (int)para.tabs.size() ? para.tabs[i] : GTab(GTab::kLeft, GTab::kEmpty, 0);
        body.SetParaStyle(start, body.m_chars.count - 3, style);
        if (p + 1 < kParas.size())
            Append(body, "\r", nullptr);
        if (p == 3)
            columnsTo = body.m_chars.count - 3;
    }
    CData data[2] = {{1000, 200}, {1200, 0}};
    body.SetColumns(columnsFrom, columnsTo, 2, data, 0);

    // Headers and footers with page numbers.
    const char* parts[] = {nullptr, "First header ", "Header ", "Even header ", "First footer ", "Footer ", "Even footer "};
    for (long f = 1; f <= 6; ++f)
    {
        GDoc& flow = *doc->m_flows[f];
        Append(flow, parts[f], nullptr);
        GPageNum* number = new GPageNum(&flow, flow.m_chars.count - 3, 0, 1);
        number->m_nFormat = f <= 3 ? 0 : 7;
        flow.InsertField(number);
    }
    return doc;
}

// The text flows expected back: the header and footer flows the switches
// leave out are not written.
bool Written(long flow, int first, int oddEven)
{
    if (flow == 1 || flow == 4)
        return first != 0;
    if (flow == 3 || flow == 6)
        return oddEven != 0;
    return true;
}

TEST(RoundTrip, AFormattedDocumentComesBackAndTheFileSettles)
{
    for (int first = 0; first <= 1; ++first)
        for (int oddEven = 0; oddEven <= 1; ++oddEven)
        {
            SCOPED_TRACE(testing::Message() << "first page " << first << ", odd and even " << oddEven);
            auto doc = MakeDocument(first, oddEven);
            const std::string file1 = Export(*doc);
            auto back = NewDocument();
            ASSERT_TRUE(Import(*back, file1));

            for (long f = 0; f <= 6; ++f)
            {
                // A footer's "Page n of m" comes back as text and two fields.
                std::string expected = Written(f, first, oddEven) ? MarkedFlowText(*doc->m_flows[f]) : "";
                if (f >= 4 && !expected.empty())
                    expected.replace(expected.find('@'), 1, "Page @ of @");
                EXPECT_EQ(expected, MarkedFlowText(*back->m_flows[f])) << "flow " << f;
                EXPECT_TRUE(PassesStructureCheck(*back->m_flows[f])) << "flow " << f;
            }
            EXPECT_EQ(first != 0, back->FirstPageDiffers());
            EXPECT_EQ(oddEven != 0, back->OddEvenDiffers());
            for (long f = 1; f <= 6; ++f)
                if (Written(f, first, oddEven))
                {
                    GDoc& flow = *back->m_flows[f];
                    ASSERT_EQ(f <= 3 ? 1 : 2, flow.m_fields.GetCount()) << f;
                    EXPECT_EQ(0, ((GPageNum*)flow.m_fields[0])->m_nFormat) << f;
                    if (f > 3)
                        EXPECT_EQ(8, ((GPageNum*)flow.m_fields[1])->m_nFormat) << f;
                }

            // Characters and paragraphs as they were made.
            GDoc& a = *doc->m_flows[0];
            GDoc& b = *back->m_flows[0];
            ASSERT_EQ(a.m_chars.count, b.m_chars.count);
            for (long pos = 0; pos < a.m_chars.count - 3; ++pos)
            {
                const GFontStyle& x = *a.GetCharFStylePtr(pos);
                const GFontStyle& y = *b.GetCharFStylePtr(pos);
                EXPECT_STREQ(x.GetFace(), y.GetFace()) << pos;
                EXPECT_EQ(x.GetSize(), y.GetSize()) << pos;
                EXPECT_EQ(x.GetColour(), y.GetColour()) << pos;
                EXPECT_EQ(x.GetAttributes() & x.GetMask(), y.GetAttributes() & y.GetMask()) << pos;
                EXPECT_EQ(0, y.GetCharSet()) << pos;
                const GParaStyle& p = *a.GetCharPStylePtr(pos);
                const GParaStyle& q = *b.GetCharPStylePtr(pos);
                EXPECT_EQ(p.m_Left.value, q.m_Left.value) << pos;
                EXPECT_EQ(p.m_Right.value, q.m_Right.value) << pos;
                EXPECT_EQ(p.m_FirstLine.value, q.m_FirstLine.value) << pos;
                EXPECT_FLOAT_EQ(p.m_Spacing.value, q.m_Spacing.value) << pos;
                EXPECT_EQ(p.m_Align, q.m_Align) << pos;
                for (int t = 0; t < GTabArr::kCount && p.m_Tabs[t].IsValid(); ++t)
                {
                    EXPECT_EQ(p.m_Tabs[t].Pos(), q.m_Tabs[t].Pos()) << pos << " tab " << t;
                    EXPECT_EQ(p.m_Tabs[t].type, q.m_Tabs[t].type) << pos << " tab " << t;
                }
            }
            const long inColumns = a.m_chars.count - 10;
            const GColumn& ca = a.m_columns[a.GetCharColumn(inColumns)];
            const GColumn& cb = b.m_columns[b.GetCharColumn(inColumns)];
            ASSERT_EQ(2, cb.count);
            EXPECT_EQ(ca.cols[0].width, cb.cols[0].width);
            EXPECT_EQ(ca.cols[0].gap, cb.cols[0].gap);
            EXPECT_EQ(ca.cols[1].width, cb.cols[1].width);

            const GPageInfo& pa = doc->m_pageInfos[0];
            const GPageInfo& pb = back->m_pageInfos[0];
            EXPECT_EQ(0, pb.portrait);
            EXPECT_EQ(pa.paperWidth, pb.paperWidth);
            EXPECT_EQ(pa.paperHeight, pb.paperHeight);
            EXPECT_EQ(pa.textLeft, pb.textLeft);
            EXPECT_EQ(pa.textRight, pb.textRight);

            // Twice more: the last two files are the same bytes.
            const std::string file2 = Export(*back);
            auto third = NewDocument();
            Import(*third, file2);
            const std::string file3 = Export(*third);
            EXPECT_EQ(file2, file3);
        }
}

} // namespace
