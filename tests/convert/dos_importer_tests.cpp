// The DOS-document importer: the body's attributes, alignment, indents,
// soft line ends, chart lines and tabs; headers and footers with their
// fields; the date styles of the settings file; calculation fields as
// cells; settings lines it refuses.
#include "tests/convert/dos_test_support.h"
#include "convert/GDosConvertor.h"
#include "app/CWOptions.h"
#include "model/GDateTime.h"
#include "model/GFontStyle.h"
#include "model/GOle.h"
#include "model/GPageNum.h"
#include "model/GParaStyle.h"
#include "ZTItems.h"
#include <stdio.h>

using namespace dos_test;

namespace {

class DosImporter : public DosFixture
{
protected:
    DosDocument Doc(const std::string& body, std::vector<std::string> settings = {},
                    std::vector<std::string> formats = {})
    {
        DosDocument d;
        d.body = body;
        d.settings = settings;
        d.formats = formats;
        return d;
    }
    const GParaStyle& Para(long pos) { return *Body().GetCharPStylePtr(pos); }
    unsigned char Attr(long pos, short bit) { return Body().GetCharFStylePtr(pos)->GetAttr(bit); }
    CZTCell* CellAt(long fieldIndex)
    {
        GOle* field = dynamic_cast<GOle*>(Body().m_fields[fieldIndex]);
        return field ? dynamic_cast<CZTCell*>(field->m_pItem) : nullptr;
    }
    GField* FieldOf(GDoc& flow, long i) { return i < flow.m_fields.GetCount() ? flow.m_fields[i] : nullptr; }
    // The importer on its own on the bytes of d, into a new document;
    // check sees it after the import, with the character cell it set.
    template <class Check>
    void ImportDirectly(const DosDocument& d, Check check)
    {
        const std::string bytes = d.Bytes();
        FILE* file = tmpfile();
        ASSERT_TRUE(file);
        fwrite(bytes.data(), 1, bytes.size(), file);
        rewind(file);
        CWnd owner;
        CSize cell;
        doc->OnNewDocument();
        {
            GDosConvertor convertor(file, owner, *doc, cell);
            EXPECT_EQ(convertor.ReadLib(), 1);
            EXPECT_EQ(convertor.LoadZentavoTX(), 0) << Told();
            check(convertor, cell);
        }
        fclose(file);
    }
};

TEST_F(DosImporter, AttributeBytesToggleFromWhereTheyStand)
{
    struct Case
    {
        char code;
        short bit;
    };
    const Case cases[] = {{kBold, GFontStyle::kBold},           {kUnderline, GFontStyle::kUnderline},
                          {21, GFontStyle::kUnderline},         {kItalic, GFontStyle::kItalic},
                          {kSuperscript, GFontStyle::kSuperscript}, {kSubscript, GFontStyle::kSubscript}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE((int)c.code);
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        ASSERT_TRUE(Open(Doc(std::string("a") + c.code + "b" + c.code + "c\n" + c.code + "d\ne\n")));
        EXPECT_EQ(MarkedFlowText(Body()), "abc|d|e|");
        EXPECT_EQ(Attr(0, c.bit), 0);
        EXPECT_EQ(Attr(1, c.bit), 1);
        EXPECT_EQ(Attr(2, c.bit), 0);
        EXPECT_EQ(Attr(4, c.bit), 1);
        // A paragraph end turns every attribute off.
        EXPECT_EQ(Attr(6, c.bit), 0);
    }
    doc.reset((CWDocument*)tpl.CreateNewDocument());
    ASSERT_TRUE(Open(Doc(std::string() + kSuperscript + "a" + kSubscript + "b\n")));
    EXPECT_EQ(Attr(0, GFontStyle::kSuperscript), 1);
    EXPECT_EQ(Attr(1, GFontStyle::kSuperscript), 0);
    EXPECT_EQ(Attr(1, GFontStyle::kSubscript), 1);
}

TEST_F(DosImporter, AlignmentHoldsForItsParagraphAndJustflagDecides)
{
    struct Case
    {
        const char* what;
        std::vector<std::string> settings;
        unsigned char plain;
    };
    const Case cases[] = {{"no justflag", {}, GParaStyle::kAlignLeft},
                          {"justflag=1", {Setting(19, "justflag=", "1")}, GParaStyle::kAlignJustify},
                          {"justflag=0", {Setting(19, "justflag=", "0")}, GParaStyle::kAlignLeft}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        ASSERT_TRUE(Open(Doc(std::string() + kCentre + "   mid\n" + kRight + " r\nplain\n", c.settings)));
        // Blanks at the start of a centred or right-aligned line go.
        EXPECT_EQ(MarkedFlowText(Body()), "mid|r|plain|");
        EXPECT_EQ(Para(0).m_Align, GParaStyle::kAlignCentre);
        EXPECT_EQ(Para(4).m_Align, GParaStyle::kAlignRight);
        EXPECT_EQ(Para(6).m_Align, c.plain);
    }
}

TEST_F(DosImporter, IndentMarksSoftLineEndsAndHangingParagraphs)
{
    const long most = 2100 - 2 * 254 - 254;   // what an indent leaves of the default page's line
    struct Case
    {
        const char* what;
        std::string body;
        const char* text;
        short firstLine, left;
    };
    const Case cases[] = {
        {"blanks before the mark", std::string("   ") + kIndent + "text\n", "text|", 101, 0},
        {"text before the mark", std::string("ab") + kIndent + "cd\n", "abcd|", 0, 0},
        {"soft end without a further mark", std::string("  ") + kIndent + "one" + kSoftLineEnd + "\ntwo\n",
         "one two|", 76, 76},
        {"a further mark", std::string("  ") + kIndent + "one" + kSoftLineEnd + "\n     " + kIndent + "two\n",
         "one two|", 76, 152},
        {"hanging", "Hang. this\n", "Hang. this|", 0, 254},
        {"hanging in lower case", "hang. that\n", "hang. that|", 0, 254},
        {"beyond the text width", std::string(300, ' ') + kIndent + "far\n", "far|", (short)most, 0},
        {"control bytes count as blanks", std::string("\x01\x10 ") + kIndent + "x\n", "x|", 76, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        ASSERT_TRUE(Open(Doc(c.body)));
        EXPECT_EQ(MarkedFlowText(Body()), c.text);
        EXPECT_EQ(Para(0).m_FirstLine.value, c.firstLine);
        EXPECT_EQ(Para(0).m_Left.value, c.left);
    }
}

TEST_F(DosImporter, LineEndsOfSoftBreaksAndChartsJoinLines)
{
    struct Case
    {
        const char* what;
        DosDocument d;
        const char* text;
    };
    const Case cases[] = {
        {"soft line end", Doc(std::string("one") + kSoftLineEnd + "\ntwo\nthree\n"), "one two|three|"},
        {"chart lines", Doc("a\nb\nc\n", {Cell(1, 0, "G=PIC.XGR")}), "a|b c"},
        {"tabs and other controls", Doc(std::string("a") + kTabByte + "b\x04\x0B" + kSkipNext + "Zc\n"), "a\tb  c|"},
        {"line drawing as blanks", Doc("\xB3\xC4\xDA|x\x80\n"), "   |x\xC7|"},
        {"carriage returns and 1 ignored", Doc("a\r\x01" "b\r\n"), "ab|"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        ASSERT_TRUE(Open(c.d));
        EXPECT_EQ(MarkedFlowText(Body()), c.text);
    }
}

TEST_F(DosImporter, TabColumnsAndDecimalTabsGiveSixteenStops)
{
    std::string twenty;
    for (int i = 1; i <= 20; ++i)
        twenty += std::to_string(i) + " ";
    struct Case
    {
        const char* what;
        std::vector<std::string> settings;
        std::vector<short> positions;
        std::vector<unsigned char> kinds;
    };
    const Case cases[] = {
        {"tabs and dtabs", {Setting(12, "tabs=", "10 4"), Setting(35, "dtabs=", "20")},
         {102, 254, 508, 711, 914}, {0, 0, 3, 0, 0}},
        {"twenty columns", {Setting(12, "tabs=", twenty)}, {25, 51, 76, 102}, {0, 0, 0, 0}},
        {"huge column", {Setting(12, "tabs=", "99999")}, {6477}, {0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        ASSERT_TRUE(Open(Doc("a\tb\nc\n", c.settings)));
        const GTabArr& tabs = Para(0).m_Tabs;
        for (size_t i = 0; i < c.positions.size(); ++i)
        {
            EXPECT_EQ(tabs[(int)i].Pos(), c.positions[i]) << i;
            EXPECT_EQ(tabs[(int)i].type, c.kinds[i]) << i;
        }
        EXPECT_TRUE(tabs[GTabArr::kCount - 1].IsValid());
        EXPECT_EQ(Para(2).m_Tabs, tabs);
    }
}

TEST_F(DosImporter, HeaderAndFooterPartsGoIntoTheirFlows)
{
    struct Case
    {
        const char* what;
        std::vector<std::string> settings;
        long flow;
        const char* text;
        bool firstPage;
    };
    const Case cases[] = {
        {"three parts", {Setting(13, "pghead0=", "'Left"), Setting(14, "pghead1=", "'#pp"),
                         Setting(15, "pghead2=", "'Right")}, 2, "Left\t@\tRight", false},
        {"right part alone", {Setting(15, "pghead2=", "'R")}, 2, "\t\tR", false},
        {"no apostrophe", {Setting(13, "pghead0=", "plain")}, 2, "", false},
        {"second line", {Setting(13, "pghead0=", "'a"), Setting(28, "pghead6=", "'b")}, 2, "a|b", false},
        {"footer", {Setting(16, "pghead3=", "'f"), Setting(18, "pghead5=", "'#pp")}, 5, "f\t\t@", false},
        {"first-page header", {Setting(26, "firsthead=", "2"), Setting(13, "pghead0=", "'one")}, 1, "one", true},
        {"first-page footer", {Setting(27, "firstfoot=", "2"), Setting(16, "pghead3=", "'ft")}, 4, "ft", true},
        {"unknown number skipped", {Setting(43, "whatever=", "1"), Setting(13, "pghead0=", "'x")}, 2, "x", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        ASSERT_TRUE(Open(Doc("body\n", c.settings))) << Told();
        EXPECT_EQ(MarkedFlowText(Flow(c.flow)), c.text);
        EXPECT_EQ(doc->FirstPageDiffers(), c.firstPage);
        const long width = doc->m_pageInfos[0].GetTextWidth();
        const GTabArr& tabs = Flow(c.flow).GetCharPStylePtr(0)->m_Tabs;
        EXPECT_EQ(tabs[0].type, GTab::kCentre);
        EXPECT_EQ(tabs[0].Pos(), width / 2);
        EXPECT_EQ(tabs[1].type, GTab::kRight);
        EXPECT_EQ(tabs[1].Pos(), width);
    }
}

TEST_F(DosImporter, PageNumberAndDateFieldsFollowThePatternAndSettings)
{
    struct Case
    {
        const char* what;
        std::string part;
        std::string settingsFile;   // empty: none
        int kind;                   // 3 page number, 2 date, 0 nothing
        int format;
    };
    const Case cases[] = {
        {"page", "'#pp", "", kFieldPageNum, 0},
        {"page with dashes", "'- #pp -", "", kFieldPageNum, 1},
        {"page word", "'Page #pp", "", kFieldPageNum, 3},
        {"long date, default style", "'#mmmm #dd, #yyyy", "", kFieldDateTime, 10},
        {"long date, style 1", "'#dd #mmmm #yyyy", SettingsFile("December 20, 1987", "dd-mm-yy"), kFieldDateTime, 9},
        {"long date, style 4", "'#dd. #mmmm #yyyy", SettingsFile("20. December 1987", "dd-mm-yy"), kFieldDateTime,
         10},
        {"short date, default style", "'#dd-#mm-#yy", "", kFieldDateTime, 2},
        {"short date, style 1", "'#mm/#dd/#yy", SettingsFile("20 December 1987", "mm/dd/yy"), kFieldDateTime, 0},
        {"short date, style 4", "'#dd.#mm.#yyyy", SettingsFile("20 December 1987", "dd.mm.yyyy"), kFieldDateTime,
         3},
        {"short date, style 8", "'#yy-#mm-#dd", SettingsFile("20 December 1987", "yy-mm-dd"), kFieldDateTime, 4},
        {"a settings file with another first line", "'#mm/#dd/#yy",
         SettingsFile("20 December 1987", "mm/dd/yy", "--HDR1.0--\n"), kFieldDateTime, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        DeleteFileA(Path(kSettingsFileName).c_str());
        if (!c.settingsFile.empty())
            Write(kSettingsFileName, c.settingsFile);
        ASSERT_TRUE(Open(Doc("x\n", {Setting(13, "pghead0=", c.part)})));
        GField* field = FieldOf(Flow(2), 0);
        ASSERT_TRUE(field);
        EXPECT_EQ(field->m_nKind, c.kind);
        if (c.kind == kFieldPageNum)
            EXPECT_EQ(((GPageNum*)field)->m_nFormat, c.format);
        else
            EXPECT_EQ(((GDateTime*)field)->m_date.format, c.format);
    }
}

// A settings file beside the program counts when the current folder has
// none.
TEST_F(DosImporter, TheSettingsFileBesideTheProgramCounts)
{
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, MAX_PATH);
    std::string beside = module;
    beside = beside.substr(0, beside.find_last_of('\\') + 1) + kSettingsFileName;
    convert_test::WriteBytes(beside, SettingsFile("20 December 1987", "yy-mm-dd"));
    const BOOL opened = Open(Doc("x\n", {Setting(13, "pghead0=", "'#yy-#mm-#dd")}));
    DeleteFileA(beside.c_str());
    ASSERT_TRUE(opened);
    GField* field = FieldOf(Flow(2), 0);
    ASSERT_TRUE(field);
    EXPECT_EQ(((GDateTime*)field)->m_date.format, 4);
}

TEST_F(DosImporter, CalculationFieldsBecomeCells)
{
    const std::string body = std::string("a ") + kField + kField + kField + " b " + kFieldToo + kFieldToo +
                             "\nnext " + kField + "\n" + kField + "\n";
    ASSERT_TRUE(Open(Doc(body,
                         {Cell(0, 0, "total=+1.5+2"), Cell(0, 1, "#rate=a1*2,5"), Cell(1, 0, "n=+3*4"),
                          Cell(2, 0, "t='<abc")},
                         {Cell(0, 0, "#Z$,(2"), Cell(0, 1, "!")})))
        << Told();
    EXPECT_EQ(MarkedFlowText(Body()), "a @ b @|next @|@|");
    ASSERT_EQ(Body().m_fields.GetCount(), 4);
    char list[8] = ",", decimal[8] = ".";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SLIST, list, sizeof list);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);

    CZTCell* total = CellAt(0);
    ASSERT_TRUE(total);
    EXPECT_EQ(std::string(total->GetName()), "TOTAL");
    EXPECT_EQ(std::string(total->GetFormula()), std::string("=1") + decimal + "5+2");
    CZTCellFormat money;
    money.locked = money.hidden = money.thousands = money.negativeInBrackets = true;
    money.numberType = CZTCellFormat::kCurrency;
    money.precision = 2;
    EXPECT_EQ(total->GetFormat(), money);
    EXPECT_EQ(total->GetBackColor(), Options.Colors[CWOptions::kColorMailMerge]);
    EXPECT_EQ(total->GetSize(), CSize(3 * 25, 42));

    CZTCell* rate = CellAt(1);
    ASSERT_TRUE(rate);
    EXPECT_EQ(std::string(rate->GetName()), "#RATE");
    EXPECT_EQ(std::string(rate->GetFormula()), std::string("A1*2") + list + "5");
    EXPECT_EQ(rate->GetFormat(), money);   // "!" repeats the line before

    CZTCell* numeric = CellAt(2);
    ASSERT_TRUE(numeric);
    EXPECT_EQ(numeric->GetValueType(), CZTCell::kValueNumericFormula);
    EXPECT_EQ(numeric->GetFormat().precision, 2);

    CZTCell* text = CellAt(3);
    ASSERT_TRUE(text);
    EXPECT_EQ(std::string(text->GetFormula()), "'     ");
    EXPECT_EQ(text->GetFormat().precision, CZTCellFormat::kNoPrecision);
}

TEST_F(DosImporter, FormatLettersGiveTheCellFormat)
{
    struct Case
    {
        const char* letters;
        int type;
        bool dayFirst, monthName;
        int precision;
    };
    const Case cases[] = {
        {"D", CZTCellFormat::kDate, false, false, -1},       {"Ddmy", CZTCellFormat::kDate, true, false, -1},
        {"Dmdy2", CZTCellFormat::kDate, false, false, 2},    {"Dlmmy", CZTCellFormat::kDate, false, true, -1},
        {"Dd", CZTCellFormat::kDate, true, false, -1},       {"L", CZTCellFormat::kGeneral, false, false, -1},
        {"%.", CZTCellFormat::kPercent, false, false, 0},    {"E99999", CZTCellFormat::kScientific, false, false, 15},
        {"?U3", CZTCellFormat::kGeneral, false, false, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.letters);
        const CZTCellFormat f = GDosConvertor::FormatFromLetters(c.letters);
        EXPECT_EQ(f.numberType, c.type);
        EXPECT_EQ(f.dayFirst, c.dayFirst);
        EXPECT_EQ(f.monthName, c.monthName);
        EXPECT_EQ(f.precision, c.precision);
    }
}

// The importer on its own: the fields' lines, indices, widths and columns,
// the named cells (at most 50 in the list, the rest still named), the
// chart rows.
TEST_F(DosImporter, FieldsAreFoundByLineAndIndexAndNamesAreListed)
{
    std::string body = std::string("x") + kField + "y" + kFieldToo + kFieldToo + "\n";
    std::vector<std::string> cells = {Cell(0, 1, "second=2"), Cell(0, 0, "first=1"), Cell(70, 0, "c=X.xgr")};
    for (int i = 0; i < 60; ++i)
    {
        body += std::string(1, kField) + "\n";
        cells.push_back(Cell(i + 1, 0, "#n" + std::to_string(i) + "=1"));
    }
    ImportDirectly(Doc(body, cells), [&](GDosConvertor& convertor, const CSize& cell) {
        EXPECT_EQ(convertor.Settings().longDateStyle, 2);
        EXPECT_EQ(convertor.Settings().shortDateStyle, 2);
        EXPECT_EQ(std::string(convertor.Settings().country), "UK");
        EXPECT_EQ(std::string(convertor.Settings().symbols[0]), "\xA3");
        EXPECT_EQ(convertor.Settings().leadingSymbols, 0x2F);
        EXPECT_EQ(cell, CSize(25, 42));
        const std::vector<DosField>& fields = convertor.Fields();
        ASSERT_EQ(fields.size(), 62u);
        EXPECT_EQ(fields[0].line, 0);
        EXPECT_EQ(fields[0].index, 0);
        EXPECT_EQ(fields[0].width, 1);
        EXPECT_EQ(fields[0].column, 1);
        EXPECT_EQ(fields[0].name, "FIRST");
        EXPECT_EQ(fields[1].line, 0);
        EXPECT_EQ(fields[1].index, 1);
        EXPECT_EQ(fields[1].width, 2);
        EXPECT_EQ(fields[1].column, 3);
        EXPECT_EQ(fields[1].name, "SECOND");
        EXPECT_EQ(fields[61].name, "#N59");
        ASSERT_EQ(convertor.NamedCells().size(), 50u);
        EXPECT_EQ(convertor.NamedCells()[49].name, "N49");
        EXPECT_EQ(convertor.ChartRows(), std::vector<int>{70});
    });
    ASSERT_EQ(Body().m_fields.GetCount(), 62);
    EXPECT_EQ(std::string(CellAt(61)->GetName()), "#N59");
}

// Names, contents and formats are cut to their fields; numbers stop at
// their range.
TEST_F(DosImporter, OverlongTextsAreCutToTheirFields)
{
    const DosDocument d =
        Doc(std::string(1, kField) + "\n", {Cell(0, 0, std::string(5000, 'n') + "=" + std::string(5000, 'c'))},
            {Cell(0, 0, std::string(3000, '#'))});
    ImportDirectly(d, [](GDosConvertor& convertor, const CSize&) {
        ASSERT_EQ(convertor.Fields().size(), 1u);
        const DosField& field = convertor.Fields()[0];
        EXPECT_EQ(field.name, std::string(DosField::kMostName, 'N'));
        EXPECT_EQ(field.contents, std::string(DosField::kMostContents, 'C'));
        EXPECT_EQ(field.format, std::string(DosField::kMostFormat, '#'));
    });
}

TEST_F(DosImporter, ABadSettingsLineFailsTheOpen)
{
    struct Case
    {
        const char* what;
        std::string line;
    };
    const Case cases[] = {
        {"keyword of another number", "RaC5\tfixleft=1"},
        {"no number", "RaCx\ttypeid=1"},
        {"negative number", "RaC-1\ttypeid=1"},
        {"no blank after the number", "RaC0typeid=1"},
        {"cell column without a blank", "R1C2x=1"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        app.told.clear();
        doc.reset((CWDocument*)tpl.CreateNewDocument());
        EXPECT_FALSE(Open(Doc("text\n", {Setting(0, "typeid=", "1"), c.line})));
        EXPECT_EQ(Told(), Text(IDS_DOS_BAD_SETTINGS_LINE) + " / " + Text(IDS_DOS_WRONG_FORMAT));
    }
}

} // namespace
