// The importer on hand-made files: text and paragraphs, tabs, tables,
// margins before and after text, character sets, headers and footers.
#include "tests/convert/convert_test_support.h"
#include "layout/CFrame.h"
#include "model/GPageNum.h"

using namespace convert_test;

namespace {

std::string Body(CWDocument& doc)
{
    return MarkedFlowText(*doc.m_flows[0]);
}

TEST(Importer, TextParagraphsTabsAndFields)
{
    const struct
    {
        const char* what;
        std::string bytes;
        const char* body;
    } cases[] = {
        {"an empty file", "", ""},
        {"no trailing empty paragraph", "abc" + Rec("HNL"), "abc"},
        {"paragraphs", "a" + Rec("HNL") + "b" + Rec("HNL") + Rec("HNL") + "c", "a|b||c"},
        {"TAB 1 inserts nothing", "a" + Rec("TAB", {"1"}) + "b" + Rec("TAB", {"0"}) + "c" + Rec("TAB") + "d",
         "ab\tc\td"},
        {"AFR 44 is a tab", "a" + Rec("AFR", {"44"}) + "b", "a\tb"},
        {"a page break", "a" + Rec("HNP") + "b", "a|#b"},
        {"HEX0A ends a paragraph", "a" + Rec("HEX", {"0A"}) + "b" + Rec("HEX", {"0B"}), "a|b"},
        {"page numbers", "p" + Rec("PPN") + "/" + Rec("PLN"), "p@/@"},
        {"NBR", "a" + Rec("NBR") + "b", "a\xFF" "b"},
        {"unknown and ignored records", Rec("DID", {"99"}) + Rec("ZZZ", {"1"}) + "x" + Rec("SNL") + Rec("DTF") + "y",
         "xy"},
        {"nul and 1 in text", std::string("a\0b\x01", 4), "a b "},
    };
    for (const auto& c : cases)
    {
        auto doc = NewDocument();
        EXPECT_TRUE(Import(*doc, c.bytes)) << c.what;
        EXPECT_EQ(c.body, Body(*doc)) << c.what;
        EXPECT_TRUE(PassesStructureCheck(*doc->m_flows[0])) << c.what;
    }
}

TEST(Importer, AMissingFileFailsAndAReadFileIsDeleted)
{
    auto doc = NewDocument();
    const std::string path = TempPath("gone");
    {
        TConvertorTo importer(nullptr, doc.get(), path.c_str());
        EXPECT_FALSE(importer.Go());
    }
    WriteBytes(path, "text");
    {
        TConvertorTo importer(nullptr, doc.get(), path.c_str());
        EXPECT_TRUE(importer.Go());
    }
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ("text", Body(*doc));
}

TEST(Importer, PageNumberFieldsTakeTheirFormats)
{
    auto doc = NewDocument();
    Import(*doc, Rec("PPN") + Rec("PLN"));
    GDoc* body = doc->m_flows[0];
    ASSERT_EQ(2, body->m_fields.GetCount());
    EXPECT_EQ(0, ((GPageNum*)body->m_fields[0])->m_nFormat);
    EXPECT_EQ(8, ((GPageNum*)body->m_fields[1])->m_nFormat);
}

TEST(Importer, ATableBecomesTabSeparatedRowsUnderItsRuler)
{
    // Three columns starting 1, 3 and 5 inches from the page edge.
    const std::string cds = Rec("CDS", {"08", "3", "10", "30", "0", "30", "50", "0", "50", "70", "0", "1440", "4320",
                                        "0", "4320", "7200", "0", "7200", "10080", "0"});
    const std::string table = "before" + Rec("HNL") + cds + "a" + Rec("HCB") + "b" + Rec("HCB") + "c" + Rec("BRO") +
                              "d" + Rec("HCB") + Rec("HCB") + "f" + Rec("ECM") + "after";
    auto doc = NewDocument();
    Import(*doc, table);
    EXPECT_EQ("before|a\tb\tc|d\t\tf|\t\t||after", Body(*doc));
    GDoc* body = doc->m_flows[0];
    const GParaStyle& row = *body->GetCharPStylePtr(8);
    // The starts less the ruler's offset, an inch until a margin is read.
    EXPECT_EQ(508, row.m_Tabs[0].Pos());
    EXPECT_EQ(1016, row.m_Tabs[1].Pos());
    EXPECT_EQ(GTab::kLeft, row.m_Tabs[1].type);
    EXPECT_TRUE(PassesStructureCheck(*body));

    // The rows and tabs survive a further round trip.
    auto again = NewDocument();
    Import(*again, Export(*doc));
    EXPECT_EQ(Body(*doc), Body(*again));
    const GParaStyle& back = *again->m_flows[0]->GetCharPStylePtr(8);
    EXPECT_EQ(row.m_Tabs[0].Pos(), back.m_Tabs[0].Pos());
    EXPECT_EQ(row.m_Tabs[1].Pos(), back.m_Tabs[1].Pos());
}

TEST(Importer, MarginsBeforeTextAreThePagesAfterTextTheParagraphs)
{
    const std::string rsm = Rec("RSM", {"0", "0", "15", "70", "2160", "10080"});
    auto doc = NewDocument();
    Import(*doc, Rec("PGW", {"85", "12240"}) + rsm + "page" + Rec("HNL") + rsm + "para");
    const GPageInfo& info = doc->m_pageInfos[0];
    EXPECT_EQ(381, info.textLeft);
    EXPECT_EQ(1778, info.textRight);
    EXPECT_EQ(2159, info.paperWidth);
    GDoc* body = doc->m_flows[0];
    EXPECT_EQ(0, body->GetCharPStylePtr(0)->m_Left.value);
    // Inside margins equal to the page's: no indents; the ruler's offset
    // is the page's left margin.
    const GParaStyle& para = *body->GetCharPStylePtr(6);
    EXPECT_EQ(0, para.m_Left.value);
    EXPECT_EQ(0, para.m_Right.value);
    auto later = NewDocument();
    Import(*later, Rec("PGW", {"85", "12240"}) + rsm + "page" + Rec("HNL") +
                       Rec("RSM", {"0", "0", "0", "0", "2880", "9360"}) + "para");
    const GParaStyle& indented = *later->m_flows[0]->GetCharPStylePtr(6);
    EXPECT_EQ(127, indented.m_Left.value);
    EXPECT_EQ(127, indented.m_FirstLine.value);
    EXPECT_EQ(127, indented.m_Right.value);
    EXPECT_EQ(381, later->m_pageInfos[0].textLeft);
}

TEST(Importer, CharacterSetsComeFromCharacterRecords)
{
    auto doc = NewDocument();
    Import(*doc, "a" + CharRec(0xC0, "1251") + "b");
    GDoc* body = doc->m_flows[0];
    EXPECT_EQ("a\xC0" "b", FlowText(*body));
    EXPECT_EQ(204, body->GetCharFStylePtr(1)->GetCharSet());
    EXPECT_EQ(0, body->GetCharFStylePtr(2)->GetCharSet());
    EXPECT_EQ(0, body->GetCharFStylePtr(0)->GetCharSet());
}

TEST(Importer, HeaderAndFooterBlocks)
{
    const auto block = [](const char* start, const std::string& inside, const char* kind, const char* pages) {
        return Rec(start, {"00", "0", "10", "75", "1", "1"}) + inside + Rec("HFX", {"3", kind, "360", pages});
    };
    const struct
    {
        const char* what;
        std::string bytes;
        std::vector<std::string> flows;   // body, then flows 1 to 6
        int first, oddEven;
    } cases[] = {
        {"a header and a footer", block("HF2", "head", "04", "3") + block("HF1", "foot", "06", "3") + "body",
         {"body", "", "head", "", "", "foot", ""}, 0, 0},
        {"first page and even pages",
         block("HF2", "one", "08", "1") + block("HF2", "even", "11", "2") + block("HF1", "f1", "0A", "1") + "b",
         {"b", "one", "", "even", "f1", "", ""}, 1, 1},
        {"a second block for the same flow is ignored",
         block("HF2", "first", "04", "3") + block("HF2", "second", "04", "3") + "b",
         {"b", "", "first", "", "", "", ""}, 0, 0},
        {"HFX in text does not end the block", block("HF2", "the HFX text", "04", "3") + "b",
         {"b", "", "the HFX text", "", "", "", ""}, 0, 0},
        {"a nested block is ignored",
         block("HF2", "out" + Rec("HF1", {"00"}) + "in", "04", "3") + "b",
         {"b", "", "outin", "", "", "", ""}, 0, 0},
        {"HFX missing: the rest is the header", "b" + Rec("HF2", {"00"}) + "head" + Rec("HNL") + "more",
         {"b", "", "head|more", "", "", "", ""}, 0, 0},
        {"an unknown kind is the header", block("HF1", "x", "7F", "3"), {"", "", "x", "", "", "", ""}, 0, 0},
    };
    for (const auto& c : cases)
    {
        auto doc = NewDocument();
        Import(*doc, c.bytes);
        for (long flow = 0; flow <= 6; ++flow)
        {
            EXPECT_EQ(c.flows[flow], MarkedFlowText(*doc->m_flows[flow])) << c.what << " flow " << flow;
            EXPECT_TRUE(PassesStructureCheck(*doc->m_flows[flow])) << c.what << " flow " << flow;
        }
        EXPECT_EQ(c.first != 0, doc->FirstPageDiffers()) << c.what;
        EXPECT_EQ(c.oddEven != 0, doc->OddEvenDiffers()) << c.what;
    }
}

TEST(Importer, HeaderAndFooterPlaces)
{
    auto doc = NewDocument();
    Import(*doc, Rec("HTM", {"3", "720"}) + Rec("FBM", {"2", "360"}) + "x");
    for (long flow = 1; flow <= 3; ++flow)
        EXPECT_EQ(127, doc->m_flows[flow]->m_pFirstFrame->y) << flow;
    for (long flow = 4; flow <= 6; ++flow)
        EXPECT_EQ(64, doc->m_flows[flow]->m_pFirstFrame->y) << flow;
}

TEST(Importer, TextColumnsOfABlock)
{
    const std::string cds = Rec("CDS", {"00", "2", "10", "40", "0", "45", "75", "0", "1440", "5760", "0", "6480",
                                        "10800", "0"});
    auto doc = NewDocument();
    Import(*doc, "a" + Rec("HNL") + cds + Rec("BCM") + "b" + Rec("HNL") + "c" + Rec("ECM") + "d");
    GDoc* body = doc->m_flows[0];
    EXPECT_EQ("a|b|c|d", Body(*doc));
    const GColumn& block = body->m_columns[body->GetCharColumn(2)];
    ASSERT_EQ(2, block.count);
    EXPECT_EQ(762, block.cols[0].width);
    EXPECT_EQ(127, block.cols[0].gap);
    EXPECT_EQ(762, block.cols[1].width);
    EXPECT_EQ(1, body->m_columns[body->GetCharColumn(6)].count);
    EXPECT_TRUE(PassesStructureCheck(*body));

    // Equal columns: the first column's width, spaced to fill the text.
    auto equal = NewDocument();
    Import(*equal, "a" + Rec("HNL") + Rec("CDS", {"01", "3", "10", "30", "0"}) + Rec("BCM") + "b" + Rec("ECM"));
    const GColumn& eq = equal->m_flows[0]->m_columns[equal->m_flows[0]->GetCharColumn(2)];
    ASSERT_EQ(3, eq.count);
    const long width = equal->m_pageInfos[0].GetTextWidth();
    EXPECT_EQ(508, eq.cols[0].width);
    EXPECT_EQ(508, eq.cols[2].width);
    EXPECT_EQ((width - 3 * 508) / 2, eq.cols[0].gap);

    // Counts outside 1 to 6 make no columns.
    for (const char* count : {"0", "7", "-2", "2147483647"})
    {
        auto outside = NewDocument();
        Import(*outside, "a" + Rec("HNL") + Rec("CDS", {"00", count, "10", "20", "0"}) + Rec("BCM") + "b" + Rec("ECM"));
        GDoc& flow = *outside->m_flows[0];
        EXPECT_EQ(1, flow.m_columns[flow.GetCharColumn(2)].count) << count;
        EXPECT_EQ("a|b", MarkedFlowText(flow)) << count;
    }
}

} // namespace
