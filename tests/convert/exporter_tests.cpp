// The exporter: what it writes for an empty document, for text with tabs,
// breaks, control bytes and page numbers, for wrapped centred paragraphs,
// and for headers and footers under the page set-up's two switches.
#include "tests/convert/convert_test_support.h"
#include "layout/CFrame.h"
#include "model/GPageNum.h"
#include <cmath>

using namespace convert_test;

namespace {

long Twips(long tenthMm)
{
    return (long)std::trunc(tenthMm * 1440.0 / 254 + 0.5);
}
std::string N(long v)
{
    return std::to_string(v);
}
std::string Tenths(long twips)
{
    return N((long)std::trunc(twips / 144.0 + 0.5));
}
std::string Lines(long twips)
{
    return N((long)std::trunc(twips / 240.0 + 0.5));
}

// The records of the exported file, with text runs as they stand.
std::vector<std::string> Items(const std::string& bytes)
{
    std::vector<std::string> out;
    for (const Item& item : ReadItems(bytes))
        out.push_back(item.bytes);
    return out;
}

size_t Count(const std::string& bytes, const std::string& part)
{
    size_t n = 0;
    for (size_t at = bytes.find(part); at != std::string::npos; at = bytes.find(part, at + 1))
        ++n;
    return n;
}

void Type(CWDocument& doc, long flow, const char* text)
{
    GDoc* f = doc.m_flows[flow];
    f->InsertText(f->m_chars.count - 3, (char*)text, 1);
}

TEST(Exporter, AnEmptyDocumentWritesTheOpeningRecordsItsFirstParagraphAndHNL)
{
    auto doc = NewDocument();
    const GPageInfo& info = doc->m_pageInfos[0];
    GDoc* body = doc->m_flows[0];
    const long W = Twips(info.paperWidth), H = Twips(info.paperHeight), L = Twips(info.textLeft);
    const long T = Twips(info.textTop), R = Twips(info.textRight), B = Twips(info.paperHeight - info.textBottom);
    CFrame* header = doc->m_flows[doc->GetPageHeader(0)]->m_pFirstFrame;
    CFrame* footer = doc->m_flows[doc->GetPageFooter(0)]->m_pFirstFrame;
    const long hd = Twips(header->y), fd = Twips(footer->y);
    const long hm = std::max(0L, (long)info.textTop - header->y - header->GetHeight());
    const long fm = std::max(0L, (long)(info.paperHeight - info.textBottom) - footer->y - footer->GetHeight());

    std::vector<std::string> fdt = {N(doc->m_fontStyles.GetCount()), "3", "00"};
    for (long i = 0; i < doc->m_fontStyles.GetCount(); ++i)
    {
        fdt.push_back(N(i));
        fdt.push_back(doc->m_fontStyles[i].style.GetFace());
        fdt.push_back("00");
    }
    std::string expected = Rec("DID", {"99"}) +
                           Rec("SSI", {"Convert", "Ztcv", "", "Ztcv", "Ztcv", "", "", "", "Ztcv", "", "", "", "", "",
                                       "", "", "", N(doc->m_docInfo.values[4] / 60), "", ""}) +
                           Rec("FDT", fdt) + Rec("SLG", {"1033"}) + Rec("POR", {info.portrait ? "0" : "1"}) +
                           Rec("PGW", {Tenths(W), N(W)}) +
                           Rec("SFL", {"0", "0", Lines(H), Lines(H - B - T), N(H), N(H - B - T)}) +
                           Rec("HTM", {Lines(hd), N(hd)}) + "\x1B\x1DHM" + Lines(Twips(hm)) + "\x1F\x1E" +
                           Rec("FBM", {Lines(fd), N(fd)}) + "\x1B\x1D" "FM" + Lines(Twips(fm)) + "\x1F\x1E" +
                           Rec("STP", {"0", Lines(T), N(T)}) + Rec("SBP", {Lines(B), N(B)}) + Rec("NPG", {"0"}) +
                           Rec("RSM", {"0", "0", Tenths(L), Tenths(R), N(L), N(R)}) +
                           Rec("SPN", {"0", "0", "0", "1", "0"});

    // The first paragraph: its face and size, its ruler, its indents.
    const GFontStyle& font = *body->GetCharFStylePtr(0);
    ASSERT_EQ(font.GetColour() & 0xFFFFFF, doc->m_fontStyles[0].style.GetColour() & 0xFFFFFF);
    ASSERT_EQ(font.GetAttributes() & font.GetMask(),
              doc->m_fontStyles[0].style.GetAttributes() & doc->m_fontStyles[0].style.GetMask());
    const long size = Twips(font.GetSize());
    expected += Rec("SPF", {"00", "00", N((long)std::trunc(2400.0 / size + 0.5)), N(body->GetCharFStyleIdx(0)),
                            N(size), font.GetFace()});
    const GParaStyle& para = *body->GetCharPStylePtr(0);
    ASSERT_EQ(0, para.m_Right.value);
    ASSERT_FLOAT_EQ(1.0f, para.m_Spacing.value);
    ASSERT_EQ(GParaStyle::kAlignLeft, para.m_Align);
    TTabulators tabs(L);
    tabs.SetTabs(para.m_Tabs);
    expected += Written([&](TIntermediateFile& f) { tabs.Out(f); });
    expected += Rec("IPS", {Tenths(Twips(para.m_Left.value)), Tenths(Twips(para.m_FirstLine.value)),
                            N(Twips(para.m_Left.value) + L), N(Twips(para.m_FirstLine.value) + L), N(W - R)});
    expected += Rec("HNL");

    bool written = false;
    EXPECT_EQ(expected, Export(*doc, &written));
    EXPECT_TRUE(written);
}

TEST(Exporter, TextTabsBreaksAndControlBytes)
{
    auto doc = NewDocument();
    Type(*doc, 0, "a\tb\x02" "c\xE9");
    GDoc* body = doc->m_flows[0];
    body->InsertChar(body->m_chars.count - 3, 12, 1);
    Type(*doc, 0, "d");
    const std::string bytes = Export(*doc);
    const size_t text = bytes.find("a" + Rec("TAB", {"0"}) + "b c" + CharRec(0xE9));
    EXPECT_NE(std::string::npos, text);
    EXPECT_EQ(std::string::npos, bytes.find('\t'));
    EXPECT_EQ(1u, Count(bytes, Rec("HNP"))) << MarkedFlowText(*body);
    EXPECT_LT(bytes.find(Rec("HNP")), bytes.find("d"));
    // The flow's own closing page end is never written.
    EXPECT_EQ(Rec("HNL"), bytes.substr(bytes.size() - 6));
}

TEST(Exporter, PageNumberFieldsByTheirFormat)
{
    const char* expected[] = {
        "\x1B\x1DPPN\x1E",
        "-\x1B\x1DPPN\x1E-",
        "Page:\x1B\x1DPPN\x1E",
        "Page \x1B\x1DPPN\x1E",
        "\x1B\x1DPPN\x1E/\x1B\x1DPLN\x1E",
        "\x1B\x1DPPN\x1E of \x1B\x1DPLN\x1E",
        "Page:\x1B\x1DPPN\x1E/\x1B\x1DPLN\x1E",
        "Page \x1B\x1DPPN\x1E of \x1B\x1DPLN\x1E",
        "\x1B\x1DPLN\x1E",
        "Pages\x1B\x1DPLN\x1E",
    };
    for (unsigned char format = 0; format < 10; ++format)
    {
        auto doc = NewDocument();
        GDoc* body = doc->m_flows[0];
        Type(*doc, 0, "<");
        GPageNum* field = new GPageNum(body, 1, 0, 1);
        field->m_nFormat = format;
        body->InsertField(field);
        Type(*doc, 0, ">");
        const std::string bytes = Export(*doc);
        EXPECT_NE(std::string::npos, bytes.find(std::string("<") + expected[format] + ">")) << (int)format;
    }
}

TEST(Exporter, ACentredParagraphRepeatsItsCentringOnEveryRow)
{
    auto doc = NewDocument();
    std::string text;
    while (text.size() < 300)
        text += "centred words ";
    Type(*doc, 0, text.c_str());
    GDoc* body = doc->m_flows[0];
    body->SetParaAlign(0, body->m_chars.count - 3, GParaStyle::kAlignCentre);
    const long rows = body->m_rows.count - 1;
    ASSERT_GE(rows, 3);
    const std::string bytes = Export(*doc);
    const std::string ctx = "\x1B\x1D" "CTX0\x1F";
    EXPECT_EQ((size_t)rows - 1, Count(bytes, Rec("SNL")));
    EXPECT_EQ((size_t)rows, Count(bytes, ctx));
    EXPECT_EQ((size_t)rows - 1, Count(bytes, Rec("ECT") + Rec("SNL") + ctx));
}

TEST(Exporter, HeadersAndFootersUnderTheTwoSwitches)
{
    const struct
    {
        int first, oddEven;
        std::vector<std::string> written;   // flow text, kind, pages
    } rows[] = {
        {0, 0, {"H2 04 3", "H5 06 3"}},
        {0, 1, {"H3 11 3", "H6 13 3", "H2 08 3", "H5 0A 3"}},
        {1, 0, {"H2 04 2", "H5 0A 2", "H1 08 1", "H4 0A 1"}},
        {1, 1, {"H3 11 2", "H6 13 2", "H2 08 2", "H5 0A 2", "H1 08 1", "H4 0A 1"}},
    };
    for (const auto& row : rows)
    {
        auto doc = NewDocument();
        for (long flow = 1; flow <= 6; ++flow)
            Type(*doc, flow, ("H" + N(flow)).c_str());
        doc->SetFirstPageDiff(row.first, 1);
        doc->SetOddEvenPageDiff(row.oddEven, 1);
        std::vector<std::string> written;
        std::string open, text;
        for (const std::string& item : Items(Export(*doc)))
        {
            TCommandArg r(item.c_str());
            if (item[0] != '\x1B')
                text += item;
            else if (r.Is("HF1") || r.Is("HF2"))
            {
                open = r.Name();
                text.clear();
            }
            else if (r.Is("HFX"))
            {
                char kind[100], pages[100];
                r.GetText(2, kind);
                r.GetText(4, pages);
                EXPECT_EQ(text[1] <= '3' ? "HF2" : "HF1", open) << text;
                written.push_back(text + " " + kind + " " + pages);
            }
        }
        EXPECT_EQ(row.written, written) << row.first << row.oddEven;
    }
}

TEST(Exporter, TwoTextColumnsAreABlockOfTheirOwn)
{
    auto doc = NewDocument();
    Type(*doc, 0, "one\rtwo\rthree\r");
    GDoc* body = doc->m_flows[0];
    CData data[2] = {{700, 100}, {800, 0}};
    body->SetColumns(4, 8, 2, data, 0);
    const std::string bytes = Export(*doc);
    const long L = Twips(doc->m_pageInfos[0].textLeft);
    const long end0 = L + Twips(700), start1 = end0 + Twips(100), end1 = start1 + Twips(800);
    const std::string cds = Rec("CDS", {"00", "2", Tenths(L), Tenths(end0), "0", Tenths(start1), Tenths(end1), "0",
                                        N(L), N(end0), "0", N(start1), N(end1), "0"});
    const std::string spn = Rec("SPN", {"0", "0", "0", "1", "0"});
    const size_t begin = bytes.find(spn + cds + Rec("BCM"));
    ASSERT_NE(std::string::npos, begin);
    const size_t end = bytes.find(Rec("ECM") + spn, begin);
    ASSERT_NE(std::string::npos, end);
    EXPECT_LT(bytes.find("one"), begin);
    EXPECT_LT(begin, bytes.find("two"));
    EXPECT_LT(bytes.find("two"), end);
    EXPECT_LT(end, bytes.find("three"));
}

} // namespace
