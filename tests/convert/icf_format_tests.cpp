// The intermediate file's syntax: byte strings, records and their typed
// arguments, the block-wise writer and the item reader with its character
// records, as byte tables.
#include "tests/convert/convert_test_support.h"
#include "convert/TCommand.h"
#include <cstring>

using namespace convert_test;

namespace {

const int kText = TIntermediateFile::kText;
const int kRecord = TIntermediateFile::kRecord;

TEST(IcfBytes, ByteStringOperationsAnswerAsTheyShould)
{
    TBuffICF s("abcdef");
    EXPECT_EQ(0, s.Insert(-1, "x", 1));
    EXPECT_EQ(0, s.Insert(7, "x", 1));
    EXPECT_EQ(0, s.Insert(0, "x", 0));
    EXPECT_EQ(0, s.Insert(0, nullptr, 1));
    EXPECT_EQ(1, s.Insert(6, "gh", 2));
    EXPECT_STREQ("abcdefgh", s.Get());
    EXPECT_EQ(0, s.Delete(3, 2));
    EXPECT_EQ(1, s.Delete(1, 2));
    EXPECT_STREQ("adefgh", s.Get());
    EXPECT_EQ(0, s.Add("z", 0));
    EXPECT_EQ(0, s.Add(nullptr, 3));
    TBuffICF copy(s);
    EXPECT_TRUE(copy == s);
    copy.Add("!");
    EXPECT_FALSE(copy == s);
    EXPECT_STREQ("", TBuffICF((const char*)nullptr).Get());
    EXPECT_STREQ("Convert", TBuffICF(57765u).Get());
}

TEST(IcfBytes, HexadecimalAndCodePages)
{
    char hex[8];
    LtoHEX(0xE9, hex, 2);
    EXPECT_STREQ("E9", hex);
    LtoHEX(0x1A, hex, 4);
    EXPECT_STREQ("001A", hex);
    EXPECT_EQ(0xE9, HEXtoL("e9"));
    EXPECT_EQ(0xE9, HEXtoL("E9"));
    EXPECT_EQ(0x09, HEXtoL("x9"));
    EXPECT_EQ(0, HEXtoL(""));
    const struct
    {
        long codePage;
        int charSet;
    } pages[] = {{1251, 204}, {1258, 0}, {819, 0}, {1250, 238}, {932, 128}, {9998, 2}, {866, 204}, {-5, 0}};
    for (const auto& p : pages)
        EXPECT_EQ(p.charSet, CodePage2CharSet(p.codePage)) << p.codePage;
}

TEST(IcfRecords, NamesArgumentsAndCounts)
{
    TCommandArg none(Rec("HNL").c_str());
    EXPECT_STREQ("HNL", none.Name());
    EXPECT_EQ(0, none.GetCountArg());
    TCommandArg tab(Rec("TAB", {"0"}).c_str());
    EXPECT_EQ(1, tab.GetCountArg());
    char text[kMostArgLength + 1];
    ASSERT_EQ(1, tab.GetText(1, text));
    EXPECT_STREQ("0", text);
    int32_t target = 77;
    EXPECT_EQ(0, tab.GetNum(2, target));
    EXPECT_EQ(0, tab.GetNum(0, target));
    EXPECT_EQ(0, tab.GetNum(-3, target));
    EXPECT_EQ(77, target);
    EXPECT_STREQ("BC", TCommand("BC").Name());
    EXPECT_STREQ("SPF", TCommand("SPFx").Name());

    // An argument longer than 99 bytes is cut when read.
    TCommandArg longArg(Rec("SPF", {std::string(300, 'a')}).c_str());
    ASSERT_EQ(1, longArg.GetText(1, text));
    EXPECT_EQ(std::string(99, 'a'), text);
}

TEST(IcfRecords, ConversionCodesOfSetArgAndGetArg)
{
    const struct
    {
        long value;
        int valType, outType;
        const char* text;
    } written[] = {
        {254, kIcfTenthMm, kIcfNumber, "1440"}, {254, kIcfTenthMm, kIcfTenthInch, "10"},
        {254, kIcfTenthMm, kIcfLine, "6"},      {1440, kIcfNumber, kIcfTenthInch, "10"},
        {42, kIcfTenthMm, kIcfPitch, "10"},     {0, kIcfNumber, kIcfPitch, "0"},
        {0xAB, kIcfNumber, kIcfHex, "AB"},      {0xAB, kIcfNumber, kIcfHex4, "00AB"},
        {5, kIcfNumber, kIcfTenthMm, ""},       {-7, kIcfNumber, kIcfNumber, "-7"},
    };
    for (const auto& w : written)
    {
        TCommandArg r("XXX");
        r.SetTheCountArg(2);
        ASSERT_EQ(1, r.SetArg(2, w.value, w.valType, w.outType));
        char text[kMostArgLength + 1];
        r.GetText(2, text);
        EXPECT_STREQ(w.text, text) << w.value << " " << w.valType << "," << w.outType;
        EXPECT_EQ(0, r.SetArg(3, w.value, w.valType, w.outType));
    }
    const struct
    {
        const char* text;
        int outType, inType;
        int32_t value;
    } read[] = {
        {"1440", kIcfTenthMm, kIcfNumber, 254}, {"10", kIcfTenthMm, kIcfTenthInch, 254},
        {"6", kIcfTenthMm, kIcfLine, 254},      {"10", kIcfNumber, kIcfPitch, 240},
        {"0", kIcfNumber, kIcfPitch, 0},        {"ff", kIcfNumber, kIcfHex, 255},
        {"99999999999", kIcfNumber, kIcfNumber, INT32_MAX},
        {"-99999999999", kIcfNumber, kIcfNumber, INT32_MIN},
        {"99999999999", kIcfTenthMm, kIcfTenthInch, 2147483647},
    };
    for (const auto& r : read)
    {
        TCommandArg record(Rec("XXX", {r.text}).c_str());
        int32_t v = -1;
        ASSERT_EQ(1, record.GetArg(1, &v, r.outType, r.inType)) << r.text;
        EXPECT_EQ(r.value, v) << r.text << " " << r.outType << "," << r.inType;
    }
}

TEST(IcfWriter, CharacterRecordsAndBlocks)
{
    const std::string e9 = "\x1B\x1DXCS819\x1F" "E9\x1F\x1E_";
    EXPECT_EQ(14u, e9.size());
    EXPECT_EQ(e9, Written([](TIntermediateFile& f) { f.Put((char)0xE9); }));
    EXPECT_EQ("a" + e9 + "b", Written([](TIntermediateFile& f) {
                  TBuffICF s("a\xE9" "b");
                  f.Put(s);
              }));

    // Text that fills blocks is written whole, and a record longer than a
    // block goes out in one piece.
    const std::string text(25000, 'x');
    EXPECT_EQ(text, Written([&](TIntermediateFile& f) { f.PutText(text.c_str()); }));
    TCommandArg big("FDT");
    for (int i = 0; i < 3000; ++i)
        big.AddArg("Face name number");
    const std::string bigBytes = Written([&](TIntermediateFile& f) {
        f.PutText("ab");
        big.out_icf(f);
        f.PutText("cd");
    });
    ASSERT_GT(bigBytes.size(), 20000u);
    const auto items = ReadItems(bigBytes);
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ("ab", items[0].bytes);
    EXPECT_EQ(kRecord, items[1].kind);
    EXPECT_EQ(3000, TCommandArg(items[1].bytes.c_str()).GetCountArg());
    EXPECT_EQ("cd", items[2].bytes);

    // A file that cannot be made tells so.
    bool failed = false;
    Written([&](TIntermediateFile&) {
        TIntermediateFile bad("Z:\\no\\such\\folder\\x.tmp", TIntermediateFile::kWrite);
        bad.PutText("x");
        failed = !bad.Flush();
    });
    EXPECT_TRUE(failed);
}

TEST(IcfReader, ItemsOfHandMadeFiles)
{
    const std::string e9 = CharRec(0xE9);
    const std::string bareE9 = Rec("XCS", {"819", "E9"});
    const struct
    {
        const char* what;
        std::string bytes;
        std::vector<Item> items;
    } cases[] = {
        {"an empty file", "", {}},
        {"text after the last record", Rec("HNL") + "tail", {{kRecord, Rec("HNL"), 0}, {kText, "tail", 0}}},
        {"a character record", "a" + e9 + "b",
         {{kText, "a", 0}, {kText, "\xE9", 0}, {kText, "b", 0}}},
        {"a record of code page 1251", CharRec(0xC0, "1251") + "_x" + "y",
         {{kText, "\xC0", 204}, {kText, "_xy", 0}}},
        {"a placeholder alone", bareE9 + "_", {{kText, "\xE9", 0}}},
        {"text without its placeholder keeps its first byte", bareE9 + "z", {{kText, "\xE9", 0}, {kText, "z", 0}}},
        {"nested records", Rec("SPF", {"00", "Caf" + CharRec(0xE9) + " Th" + CharRec(0xE8)}),
         {{kRecord, Rec("SPF", {"00", "Caf\xE9 Th\xE8"}), 0}}},
        {"a nested record leaves the pending placeholder alone",
         bareE9 + Rec("SPF", {"A" + CharRec(0xE8)}) + "_q",
         {{kText, "\xE9", 0}, {kRecord, Rec("SPF", {"A\xE8"}), 0}, {kText, "q", 0}}},
        {"UCS goes, HEX after a character record goes",
         bareE9 + Rec("HEX", {"E9"}) + Rec("UCS", {"1"}) + "_k",
         {{kText, "\xE9", 0}, {kText, "_k", 0}}},
        {"nul and 1 in text are blanks", std::string("a\0b\x01" "c", 5), {{kText, "a b c", 0}}},
        {"ESC and GS apart in text", "a\x1B" "b\x1D" "c", {{kText, "a\x1B" "b\x1D" "c", 0}}},
        {"a record nesting a record", "\x1B\x1DHF2a\x1B\x1DHNL\x1E\x1F\x1E" "t",
         {{kRecord, "\x1B\x1DHF2a\x1B\x1DHNL\x1E\x1F\x1E", 0}, {kText, "t", 0}}},
        {"a record cut short", "ab\x1B\x1DSPF00\x1F" "12", {{kText, "ab", 0}, {kRecord, "\x1B\x1DSPF00\x1F" "12", 0}}},
        {"a control byte in a character record", "a" + CharRec(0x1F) + "b",
         {{kText, "a", 0}, {kText, " ", 0}, {kText, "b", 0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.items, ReadItems(c.bytes)) << c.what;
}

TEST(IcfReader, BlockEdges)
{
    // Text that fills the block exactly, then a record.
    std::string full(kIcfBlockSize, 't');
    auto items = ReadItems(full + Rec("HNL") + "u");
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ(full, items[0].bytes);
    EXPECT_EQ(Rec("HNL"), items[1].bytes);
    EXPECT_EQ("u", items[2].bytes);

    // A record across the edge, and ESC and GS on either side of it.
    for (long before : {kIcfBlockSize - 3, kIcfBlockSize - 1, kIcfBlockSize - 2})
    {
        const std::string text(before, 'a');
        items = ReadItems(text + Rec("TAB", {"0"}) + "b");
        ASSERT_EQ(3u, items.size()) << before;
        EXPECT_EQ(text, items[0].bytes);
        EXPECT_EQ(Rec("TAB", {"0"}), items[1].bytes);
        EXPECT_EQ("b", items[2].bytes);
    }

    // A record longer than a block.
    std::string face(25000, 'f');
    items = ReadItems(Rec("SPF", {"00", face}) + "x");
    ASSERT_EQ(2u, items.size());
    EXPECT_EQ(Rec("SPF", {"00", face}), items[0].bytes);
}

TEST(IcfReader, ADamagedFileLeavesTheNextFileWhole)
{
    ReadItems("x\x1B\x1DSPF\x1B\x1DXCS819\x1F" "41\x1F\x1E" "\x1B\x1D\x1B\x1D");
    const std::vector<Item> expected = {{kRecord, Rec("HNL"), 0}, {kText, "ok", 0}};
    EXPECT_EQ(expected, ReadItems(Rec("HNL") + "ok"));
}

TEST(IcfWriter, ALongPathIsKeptWhole)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + std::string(180, 'p') + ".tmp";
    {
        TIntermediateFile file(path.c_str(), TIntermediateFile::kWrite);
        file.PutText("long");
        EXPECT_TRUE(file.Flush());
    }
    EXPECT_EQ("long", ReadBytes(path));
    EXPECT_EQ((std::vector<Item>{{kText, "long", 0}}), ReadItems(ReadBytes(path)));
    DeleteFileA(path.c_str());
}

TEST(IcfProgress, WithoutAFrameThereIsNoProgressAndNoCrash)
{
    CWCustomFrameData* saved = MainFrame;
    MainFrame = nullptr;
    EXPECT_EQ(0, Display(50));
    EXPECT_EQ(0, Display(-7));
    EXPECT_EQ(0, Display(1000));
    MainFrame = saved;
}

TEST(IcfReader, AMissingFileReadsNothingAndTheReadFileIsDeleted)
{
    const std::string path = TempPath("missing");
    {
        TIntermediateFile file(path.c_str(), TIntermediateFile::kRead);
        EXPECT_FALSE(file.Exist());
        TBuffICF item;
        EXPECT_EQ(TIntermediateFile::kEnd, file.GetNext(item));
    }
    WriteBytes(path, "abc");
    {
        TIntermediateFile file(path.c_str(), TIntermediateFile::kRead);
        EXPECT_EQ(3, file.GetSize());
    }
    EXPECT_FALSE(FileExists(path));
}

} // namespace
