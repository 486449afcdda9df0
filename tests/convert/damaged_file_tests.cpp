// Damaged intermediate files: every import ends, the file's readable part
// in the document, and every flow passes the native reader's structure
// check.
#include "tests/convert/convert_test_support.h"
#include "model/GPageNum.h"

using namespace convert_test;

namespace {

void ExpectSoundImport(const std::string& bytes, const std::string& what)
{
    auto doc = NewDocument();
    EXPECT_TRUE(Import(*doc, bytes)) << what;
    for (long flow = 0; flow <= 6; ++flow)
        EXPECT_TRUE(PassesStructureCheck(*doc->m_flows[flow])) << what << " flow " << flow;
    // What was read can be written again.
    bool written = false;
    Export(*doc, &written);
    EXPECT_TRUE(written) << what;
}

// A file as the exporter writes it: formats, a header, a page number.
std::string SampleFile()
{
    auto doc = NewDocument();
    GDoc& body = *doc->m_flows[0];
    body.InsertText(0, (char*)"Caf\xE9 first\rsecond\tpara\rthird", 1);
    GFontStyle bold("Arial", 56, RGB(200, 10, 10), GFontStyle::kBold, 0x7F);
    body.SetFontStyle(2, 9, bold, 1);
    body.SetParaAlign(11, 20, GParaStyle::kAlignCentre);
    GDoc& header = *doc->m_flows[2];
    header.InsertText(0, (char*)"Head ", 1);
    header.InsertField(new GPageNum(&header, 5, 0, 1));
    return Export(*doc);
}

TEST(DamagedFiles, ACutFileReadsUpToTheCut)
{
    const std::string file = SampleFile();
    ASSERT_GT(file.size(), 200u);
    const size_t step = file.size() / 37 + 1;
    for (size_t cut = 0; cut < file.size(); cut += step)
        ExpectSoundImport(file.substr(0, cut), "cut at " + std::to_string(cut));
    // Cut inside a record right after its ESC and its GS.
    const size_t record = file.find("\x1B\x1DSPF");
    ExpectSoundImport(file.substr(0, record + 1), "cut after ESC");
    ExpectSoundImport(file.substr(0, record + 2), "cut after GS");
}

TEST(DamagedFiles, BrokenRecordsAndNumbers)
{
    const std::string huge = "99999999999999999999";
    const std::string big = "2147483647";
    const std::string negative = "-2147483648";
    std::vector<std::pair<std::string, std::string>> cases = {
        {"an unbalanced record", "a\x1B\x1DSPF\x1B\x1D\x1B\x1D" "00\x1F" "b"},
        {"stray RS and US", "a\x1E\x1E\x1F" "b" + Rec("HNL") + "\x1E"},
        {"ESC GS alone", "\x1B\x1D"},
        {"a name cut short", "\x1B\x1DH\x1E" "x"},
        {"nul and 1 in text", std::string("a\0\0b\x01\x01", 6) + Rec("HNL")},
        {"HFX missing", "x" + Rec("HF2", {"00"}) + "y" + Rec("CDS", {"08", "2"}) + "z"},
        {"HFX only in text", Rec("HF1", {"00"}) + "HFX HFX" + Rec("HNL")},
        {"nested header blocks",
         Rec("HF2") + Rec("HF1") + Rec("HF2") + "deep" + Rec("HFX", {"1", "04"}) + "x" + Rec("HFX", {"1", "06"})},
        {"an empty header block", Rec("HF2") + Rec("HFX", {"0", "08", "0", "1"}) + "b"},
        {"a table without end", Rec("CDS", {"08", "64"}) + "a" + Rec("HCB") + "b" + Rec("BRO")},
        {"table records outside a table", Rec("BRO") + Rec("HCB") + Rec("ECM") + "x" + Rec("BCM")},
        {"column counts out of range",
         Rec("CDS", {"00", "0"}) + Rec("CDS", {"00", "7"}) + Rec("CDS", {"08", "65"}) + Rec("CDS", {"00", negative}) +
             Rec("BCM") + "x" + Rec("ECM")},
        {"columns of huge widths",
         Rec("CDS", {"00", "2", huge, negative, "0", negative, huge, "0"}) + Rec("BCM") + "x" + Rec("HNL") + "y" +
             Rec("ECM")},
        {"equal columns of a negative width", Rec("CDS", {"01", "3", big, negative}) + Rec("BCM") + "x" + Rec("ECM")},
        {"an SPF font number of the file", Rec("FDT", {"1", "3", "00", "0", "Arial", "00"}) +
                                               Rec("SPF", {"00", "00", "0", big}) +
                                               Rec("SPF", {"00", "00", "0", "715827883"}) + "x"},
        {"sizes and colours out of range",
         Rec("SPF", {"00", "00", negative, "0", huge, std::string(200, 'F')}) + Rec("BCL", {"0", huge, negative, big}) +
             "x"},
        {"page records out of range",
         Rec("POR", {huge}) + Rec("PGW", {huge, negative}) + Rec("PGW", {big, big}) +
             Rec("SFL", {"0", "0", huge, huge, negative, negative}) + Rec("STP", {"0", big, big}) +
             Rec("SBP", {negative, negative}) + Rec("RSM", {"0", "0", big, negative, big, negative}) + "x"},
        {"header and footer places out of range",
         Rec("HTM", {huge, big}) + Rec("FBM", {huge, negative}) + Rec("HTM", {"0", negative}) + "x"},
        {"indents, spacing and tabs out of range",
         Rec("IPS", {big, negative, big, negative, big}) + Rec("RSP", {big, big, big}) + Rec("LMR", {negative}) +
             Rec("STM", {"0", big}) + Rec("RUL", {"0", "40", big, negative, "X"}) +
             Rec("NTB", std::vector<std::string>(32, "FF")) + "x" + Rec("HNL") + Rec("RSM", {"0", "0", big, negative}) +
             "y"},
        {"a ruler of a huge count", Rec("RUL", {"0", big}) + Rec("NTB", {"FF", "FF"}) + "x"},
        {"character records with bad digits",
         Rec("XCS", {"12345678901", "ZZ"}) + "_a" + Rec("XCS", {"819"}) + "b" + Rec("XCS") + "c" +
             Rec("SPF", {"00", "00", "10", "0", "40", Rec("XCS", {"819", "00"})})},
        {"page breaks and fields in a table",
         Rec("CDS", {"08", "2", "1", "2", "0", "3", "4", "0"}) + Rec("HNP") + Rec("PPN") + Rec("NBR") +
             Rec("TAB") + Rec("HEX", {"0A"}) + Rec("ECM")},
        {"a second FDT in the middle", "a" + Rec("FDT") + Rec("SPF", {"00", "00", "10", "0"}) + "b"},
    };
    for (const auto& c : cases)
        ExpectSoundImport(c.second, c.first);
}

} // namespace
