// The format translators: the records each writes for a change of state,
// and the state each builds from the records it reads.
#include "tests/convert/convert_test_support.h"
#include "convert/translators.h"

using namespace convert_test;

namespace {

class Translators : public testing::Test
{
protected:
    std::unique_ptr<CWDocument> doc = NewDocument();

    GFontStyle Style(const char* face, int size, COLORREF colour, short attributes)
    {
        return GFontStyle(face, size, colour, attributes, 0x7F);
    }
    std::string Rule(TTabulators& tabs)
    {
        return Written([&](TIntermediateFile& f) { tabs.Out(f); });
    }
};

TEST_F(Translators, CharacterRecordsAreWrittenOnlyForChanges)
{
    TFontSty font(doc.get());
    const GFontStyle plain = Style("Arial", 42, 0, 0);
    const std::string spf = Rec("SPF", {"00", "00", "10", "3", "238", "Arial"});
    EXPECT_EQ(spf, Written([&](TIntermediateFile& f) { font.SetFontSty(plain, 3, f); }));
    EXPECT_EQ("", Written([&](TIntermediateFile& f) { font.SetFontSty(plain, 3, f); }));
    EXPECT_EQ(Rec("SPF", {"00", "00", "10", "4", "238", "Times"}),
              Written([&](TIntermediateFile& f) { font.SetFontSty(Style("Times", 42, 0, 0), 4, f); }));
    EXPECT_EQ(Rec("BCL", {"12", "200", "0", "0"}),
              Written([&](TIntermediateFile& f) { font.SetFontSty(Style("Times", 42, RGB(200, 0, 0), 0), 4, f); }));
    EXPECT_EQ(Rec("BCL", {"3", "0", "100", "100"}),
              Written([&](TIntermediateFile& f) { font.SetFontSty(Style("Times", 42, RGB(0, 100, 100), 0), 4, f); }));
    const std::string on = Rec("BBT") + Rec("ITO") + Rec("BSO", {"-"}) + Rec("SUM", {"0", "2"}) + Rec("BUL") +
                           Rec("SBS") + Rec("SPS") + Rec("BCS");
    EXPECT_EQ(on, Written([&](TIntermediateFile& f) {
                  font.SetFontSty(Style("Times", 42, RGB(0, 100, 100), 0x7F), 4, f);
              }));
    const std::string off = Rec("EBT") + Rec("ITF") + Rec("ESO") + Rec("EUL") + Rec("EBS") + Rec("EPS") + Rec("ECS");
    EXPECT_EQ(off, Written([&](TIntermediateFile& f) {
                  font.SetFontSty(Style("Times", 42, RGB(0, 100, 100), 0), 4, f);
              }));
}

TEST_F(Translators, TheFontTableNamesEveryCharacterStyle)
{
    TFontSty font(doc.get());
    const long n = doc->m_fontStyles.GetCount();
    ASSERT_GT(n, 0);
    EXPECT_EQ(3 * n + 3, font.GetCountArg());
    char face[kMostArgLength + 1];
    ASSERT_TRUE(font.GetFontName(n - 1, face));
    EXPECT_STREQ(doc->m_fontStyles[n - 1].style.GetFace(), face);
    EXPECT_FALSE(font.GetFontName(n, face));
    EXPECT_FALSE(font.GetFontName(-1, face));
    EXPECT_FALSE(font.GetFontName(0x7FFFFFFF, face));
}

TEST_F(Translators, CharacterStateFromRecords)
{
    const std::string fdt = Rec("FDT", {"2", "3", "00", "0", "Courier", "00", "1", "Arial CE", "00"});
    TFontSty font(doc.get(), fdt.c_str(), (long)fdt.size());
    GFontStyle style;
    EXPECT_EQ(0, font.GetFontStyle(style));

    // The face of font 1 from the table; a face ending in " CE" loses it.
    font.SPF(TCommandArg(Rec("SPF", {"00", "00", "10", "1"}).c_str()));
    ASSERT_EQ(1, font.GetFontStyle(style));
    EXPECT_STREQ("Arial", style.GetFace());
    EXPECT_EQ(238, style.GetCharSet());
    EXPECT_EQ(42, style.GetSize());
    EXPECT_EQ(0, font.GetFontStyle(style));

    // Font numbers the table lacks, huge and negative, find no face.
    for (const char* number : {"2", "-1", "2147483647", "715827882"})
    {
        font.SPF(TCommandArg(Rec("SPF", {"00", "00", "0", number}).c_str()));
        GFontStyle s;
        font.GetFontStyle(s);
        EXPECT_STREQ("Arial", s.GetFace()) << number;
        EXPECT_EQ(42, s.GetSize()) << number;
    }
    // The exact size and the face of the record win; a long face keeps 31.
    font.SPF(TCommandArg(Rec("SPF", {"00", "00", "10", "0", "480", std::string(60, 'F')}).c_str()));
    font.BCL(TCommandArg(Rec("BCL", {"8", "300", "-5", "17"}).c_str()));
    font.Attribute(TCommandArg(Rec("BBT").c_str()));
    font.Attribute(TCommandArg(Rec("BUL").c_str()));
    ASSERT_EQ(1, font.GetFontStyle(style));
    EXPECT_EQ(std::string(31, 'F'), style.GetFace());
    EXPECT_EQ(85, style.GetSize());
    EXPECT_EQ(RGB(255, 0, 17), style.GetColour());
    EXPECT_EQ(GFontStyle::kBold | GFontStyle::kUnderline, style.GetAttributes());
    font.ECL(TCommandArg(Rec("ECL").c_str()));
    font.Attribute(TCommandArg(Rec("EBT").c_str()));
    ASSERT_EQ(1, font.GetFontStyle(style));
    EXPECT_EQ(0u, style.GetColour());
    EXPECT_EQ(GFontStyle::kUnderline, style.GetAttributes());
}

TEST_F(Translators, TabRulers)
{
    TTabulators tabs(1440);
    GTabArr none;
    for (int i = 0; i < GTabArr::kCount; ++i)
        none[i] = GTab(GTab::kLeft, GTab::kEmpty, 0);
    tabs.SetTabs(none);
    std::string expected = Rec("RUL", {"01", "0"});
    std::vector<std::string> ntb(32, "00");
    ntb.insert(ntb.end(), 20, "00");
    ntb.insert(ntb.end(), 40, "");
    ntb.push_back("0");
    expected += Rec("NTB", ntb);
    EXPECT_EQ(expected, Rule(tabs));
    EXPECT_EQ("", Rule(tabs));

    // Four kinds, at 1, 2, 3 and 4 inches from the margin.
    GTabArr four = none;
    four[0] = GTab(GTab::kLeft, 254);
    four[1] = GTab(GTab::kCentre, 508);
    four[2] = GTab(GTab::kRight, 762);
    four[3] = GTab(GTab::kDecimal, 1016);
    tabs.SetTabs(four);
    const std::string rule = Rule(tabs);
    std::vector<std::string> map(32, "00");
    map[2] = "08";    // 20 tenths of an inch: bit 3 of argument 3
    map[3] = "02";    // 30: bit 1 of argument 4
    map[5] = "80";    // 40: bit 7 of argument 6
    map[6] = "20";    // 50: bit 5 of argument 7
    std::vector<std::string> args = map;
    args.push_back("01");
    args.push_back("23");
    args.insert(args.end(), 18, "00");
    args.insert(args.end(), 40, "");
    for (const char* a : {"4", "2880", "4320", "5760", "7200"})
        args.push_back(a);
    EXPECT_EQ(Rec("RUL", {"01", "4", "2880", "4320", "5760", "7200", "L", "C", "R", "D", "", "", "", ""}) +
                  Rec("NTB", args),
              rule);

    // Read back: the ruler wins over the map that follows it.
    const auto items = ReadItems(rule);
    ASSERT_EQ(2u, items.size());
    TTabulators read(1440);
    read._RUL(TCommandArg(items[0].bytes.c_str()));
    read.NTB(TCommandArg(items[1].bytes.c_str()));
    GTabArr back;
    read.GetTabs(back);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(four[i].Pos(), back[i].Pos()) << i;
        EXPECT_EQ(four[i].type, back[i].type) << i;
    }
    EXPECT_FALSE(back[4].IsValid());

    // A map alone gives stops at its bits; a relative ruler adds the offset.
    TTabulators mapOnly(1440);
    mapOnly.NTB(TCommandArg(Rec("NTB", map).c_str()));
    GTabArr fromMap;
    mapOnly.GetTabs(fromMap);
    EXPECT_EQ(254, fromMap[0].Pos());
    EXPECT_EQ(1016, fromMap[3].Pos());
    TTabulators relative(1440);
    relative._RUL(TCommandArg(Rec("RUL", {"0", "1", "1440", "R"}).c_str()));
    GTabArr fromRelative;
    relative.GetTabs(fromRelative);
    EXPECT_EQ(254, fromRelative[0].Pos());
    EXPECT_EQ(GTab::kRight, fromRelative[0].type);
}

TEST_F(Translators, ParagraphStateFromRecords)
{
    TParaSty para(doc.get(), "SYT");
    para.SetPage(1440, 10800, 12240);
    GParaStyle style;
    para.RSP(TCommandArg(Rec("RSP", {"1", "1", "0"}).c_str()));
    para.GetParaStyle(style);
    EXPECT_FLOAT_EQ(1.0f, style.m_Spacing.value);
    para.RSP(TCommandArg(Rec("RSP", {"2", "3", "0"}).c_str()));
    para.GetParaStyle(style);
    EXPECT_FLOAT_EQ(1.5f, style.m_Spacing.value);
    para.RSP(TCommandArg(Rec("RSP", {"2", "3", "999999"}).c_str()));
    para.GetParaStyle(style);
    EXPECT_FLOAT_EQ(10.0f, style.m_Spacing.value);

    // Exact positions from the page's edges; huge ones keep a text width.
    para.IPS(TCommandArg(Rec("IPS", {"0", "0", "2880", "3600", "1800"}).c_str()));
    para.GetParaStyle(style);
    EXPECT_EQ(254, style.m_Left.value);
    EXPECT_EQ(381, style.m_FirstLine.value);
    EXPECT_EQ(64, style.m_Right.value);
    para.IPS(TCommandArg(Rec("IPS", {"0", "0", "2000000000", "-2000000000", "2000000000"}).c_str()));
    para.GetParaStyle(style);
    const long width = (10800 - 1440) * 254 / 1440;
    EXPECT_LE(style.m_Left.value + style.m_Right.value, width - 100);
    EXPECT_EQ(0, style.m_FirstLine.value);
    para.SetDefaults();
    para.RSMforPara(TCommandArg(Rec("RSM", {"0", "0", "0", "0", "2160", "9360"}).c_str()));
    para.GetParaStyle(style);
    EXPECT_EQ(127, style.m_Left.value);
    EXPECT_EQ(127, style.m_FirstLine.value);
    EXPECT_EQ(254, style.m_Right.value);

    const struct
    {
        std::string record;
        unsigned char align;
        int tab;
    } aligns[] = {
        {Rec("BCA"), GParaStyle::kAlignCentre, 0}, {Rec("BRA"), GParaStyle::kAlignRight, 0},
        {Rec("BRJ"), GParaStyle::kAlignJustify, 0}, {Rec("ERJ"), GParaStyle::kAlignLeft, 0},
        {Rec("AFR", {"10", "65", "0"}), GParaStyle::kAlignRight, 0}, {Rec("EAT"), GParaStyle::kAlignLeft, 0},
        {Rec("AFR", {"44"}), GParaStyle::kAlignLeft, 1}, {Rec("AFR", {"46"}), GParaStyle::kAlignLeft, 1},
    };
    for (const auto& a : aligns)
    {
        TCommandArg r(a.record.c_str());
        int tab = 0;
        if (r.Is("AFR"))
            tab = para.AFR(r);
        else if (r.Is("BCA"))
            para.BCA(r);
        else if (r.Is("BRA"))
            para.BRA(r);
        else if (r.Is("BRJ"))
            para.BRJ(r);
        else if (r.Is("ERJ"))
            para.ERJ(r);
        else
            para.EAT(r);
        EXPECT_EQ(a.align, para.m_align) << a.record;
        EXPECT_EQ(a.tab, tab) << a.record;
    }
}

TEST_F(Translators, PageStateFromRecordsStaysAPage)
{
    TPageInfo page;
    page.PGW(TCommandArg(Rec("PGW", {"85", "12240"}).c_str()));
    EXPECT_EQ(10800, page.rightPos);
    page.PGW(TCommandArg(Rec("PGW", {"95", "13680"}).c_str()));
    EXPECT_EQ(13680, page.width);
    EXPECT_EQ(12240, page.rightPos);

    const char* extremes[] = {"2147483647", "-2147483648", "0"};
    for (const char* v : extremes)
    {
        TPageInfo bad;
        bad.PGW(TCommandArg(Rec("PGW", {"1", v}).c_str()));
        bad.SFL(TCommandArg(Rec("SFL", {"0", "0", "1", "1", v, v}).c_str()));
        bad.STP(TCommandArg(Rec("STP", {"0", "1", v}).c_str()));
        bad.SBP(TCommandArg(Rec("SBP", {"1", v}).c_str()));
        bad.RSM(TCommandArg(Rec("RSM", {"0", "0", "1", "1", v, v}).c_str()));
        GPageInfo info;
        bad.GetPageInfo(info);
        EXPECT_GE(info.textLeft, 0) << v;
        EXPECT_GE(info.textTop, 0) << v;
        EXPECT_GE(info.GetTextWidth(), 100) << v;
        EXPECT_GE(info.GetTextHeight(), 100) << v;
        EXPECT_LE(info.textRight, info.paperWidth) << v;
        EXPECT_LE(info.textBottom, info.paperHeight) << v;
    }
}

TEST_F(Translators, TheSummaryRecord)
{
    doc->m_docInfo.values[4] = 3725;
    const std::string expected =
        Rec("SSI", {"Convert", "Ztcv", "", "Ztcv", "Ztcv", "", "", "", "Ztcv", "", "", "", "", "", "", "", "", "62", "", ""});
    EXPECT_EQ(expected, Written([&](TIntermediateFile& f) { TTSsI(doc.get()).out_icf(f); }));
}

} // namespace
