// The HTML exporter: a small document written byte for byte, the classes,
// declarations, lists and pictures of the page, text that stays text, the
// declared character set, and saves that fail without harm.
#include "tests/html/export_test_support.h"
#include "model/GOle.h"
#include "model/GCaption.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"

using namespace html_test;

namespace {

class HtmlExport : public ExportFixture
{
};

// A cell that shows a value of its own, as a cell of a sheet would.
class CValuedCell : public GCell
{
public:
    CValuedCell(GDoc* owner, long position, const char* value) : GCell(owner, position, NULL)
    {
        m_strText = value;
    }
    char* AsText(long) override { return m_strText.GetBuffer(0); }
};

} // namespace

// A page read back from a document with the HTML styles, a master of its
// own added after them, plain, bold, centred and listed paragraphs.
TEST_F(HtmlExport, ASmallDocumentIsWrittenByteForByte)
{
    AddHtmlStyles();
    AddMaster("(M) Pull Quote", 1, 2);
    Type("Hello <world> & more\rA bold\tword\rCentred\rOne\rTwo\rQuoted");
    Body().SetFontAttr(At("bold"), At("bold") + 4, GFontStyle::kBold, GFontStyle::kBold);
    Body().SetParaAlign(ParaStart(2), ParaStart(2), GParaStyle::kAlignCentre);
    MakeList(3, 4, AddList(GSequence::kBullet), 1);
    Body().SetMasterStyle(ParaStart(5), ParaStart(5), "(M) Pull Quote");
    const std::string page = Export();
    KeepPage(page, "small.htm");
    EXPECT_EQ(page, SourceFixture("small_export.htm")) << page;
}

// The class of a paragraph without a master: the HTML body and paragraph
// classes when the document holds them, else the normal masters.
TEST_F(HtmlExport, APlainParagraphTakesTheClassOfItsDocumentsBaseMaster)
{
    Type("first\rsecond");
    WithoutMasters();
    const std::vector<std::string> plain = Paragraphs(Export("plain.htm"));
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_TRUE(Contains(plain[0], "class=\"ZtWriteNormalBody\"")) << plain[0];
    EXPECT_TRUE(Contains(plain[1], "class=\"ZtWriteNormal\"")) << plain[1];

    AddHtmlStyles();
    const std::vector<std::string> read = Paragraphs(Export("read.htm"));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_TRUE(Contains(read[0], "class=\"HTMLBody\"")) << read[0];
    EXPECT_TRUE(Contains(read[1], "class=\"HTMLParagraph\"")) << read[1];
}

// Without any of the four base masters a paragraph is compared with the
// first character and paragraph styles.
TEST_F(HtmlExport, WithoutABaseMasterAParagraphIsComparedWithTheFirstStyles)
{
    for (LONG i = 0; i < doc->m_masterStyles.GetCount(); i++)
        doc->m_masterStyles[i].SetName("(M) Renamed");
    Type("plain\rshown");
    WithoutMasters();
    GParaStyle centred = doc->m_paraStyles[0].style;
    centred.m_Align = GParaStyle::kAlignCentre;
    Body().SetParaStyle(ParaStart(1), ParaStart(1), centred);
    const std::vector<std::string> paragraphs = Paragraphs(Export());
    ASSERT_EQ(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[0], "<p class=\"ZtWriteNormalBody\">plain</p>");
    EXPECT_EQ(paragraphs[1], "<p class=\"ZtWriteNormal\" style=\"text-align : center;\">shown</p>");
}

TEST_F(HtmlExport, AMasterParagraphNamesItsClassAndCarriesNoStyle)
{
    AddMaster("(M) Heading 1", 1, 1);
    Type("Title\rText");
    Body().SetMasterStyle(0, 0, "(M) Heading 1");
    const std::string page = Export();
    EXPECT_TRUE(Contains(page, "\n.ZtWriteHeading1   {\n")) << page;
    EXPECT_TRUE(Contains(page, "\n<p class=\"ZtWriteHeading1\">Title</p>\n")) << page;
}

TEST_F(HtmlExport, DeclarationsOfLengthsSizesAndBorders)
{
    CWHtmlExport exporter(doc.get());
    GFontStyle font("Arial", 42, 0x0000FF, GFontStyle::kBold, -1);
    EXPECT_EQ(std::string(exporter.ExportFontStyleExplicit(font)),
              " font-family : 'Arial'; font-weight : bold; font-size : 12pt; color : rgb(255, 0, 0);");
    GFontStyle big("Arial", 127, 0x0000FF, 0, -1);
    EXPECT_EQ(std::string(exporter.ExportFontStyle(big, font)), " font-weight : normal; font-size : 36pt;");

    GParaStyle para(0, 0, -127, 1.0f, 0, GParaStyle::kAlignCentre);
    EXPECT_EQ(std::string(exporter.ExportParaStyleExplicit(para, NULL)), "text-align : center; text-indent : -36pt;");
    GParaStyle left(0, 0, 0, 1.0f, 0, GParaStyle::kAlignLeft);
    EXPECT_EQ(std::string(exporter.ExportParaStyle(left, para, NULL)), " text-align : left; text-indent : 0pt;");

    const struct
    {
        LONG sides;
        LONG line;
        COLORREF colour;
        const char* declarations;
    } borders[] = {
        {0, 0, GFontStyle::kUndefinedColour, " border-style : solid;"},
        {kBorderLeft, 6, GFontStyle::kUndefinedColour, " border-left-style : dashed;"},
        {kBorderTop | kBorderBottom, 2, 0x00FF00,
         " border-top-color : rgb(0, 255, 0); border-top-width : medium; border-bottom-color : rgb(0, 255, 0);"
         " border-bottom-width : medium; border-style : solid;"},
        {kBorderRight, 9, GFontStyle::kUndefinedColour, " border-style : solid;"},
    };
    for (const auto& c : borders)
    {
        GBorder border;
        border.sides = c.sides;
        border.left.lineStyle = c.line;
        border.left.colour = c.colour;
        EXPECT_EQ(std::string(exporter.ExportBorder(border)), c.declarations) << c.sides;
    }
}

TEST_F(HtmlExport, NumberedListsNameTheirKindAndStart)
{
    const struct
    {
        unsigned char kind;
        const char* open;
    } kinds[] = {
        {GSequence::kLower, "<ol type=a start=3>"},      {GSequence::kUpper, "<ol type=A start=3>"},
        {GSequence::kLowerRoman, "<ol type=i start=3>"}, {GSequence::kUpperRoman, "<ol type=I start=3>"},
        {GSequence::kArabic, "<ol type=1 start=3>"},
    };
    Type("before\ritem\rafter");
    for (const auto& c : kinds)
    {
        MakeList(1, 1, AddList(c.kind, 3), 1);
        const std::string page = Export();
        EXPECT_TRUE(Contains(page, c.open)) << page;
        // The item's number is not written; its text follows the tag.
        EXPECT_TRUE(Contains(page, "\">item</li>\n</ol>")) << page;
    }
}

TEST_F(HtmlExport, ANestedListFollowsItsOuterItem)
{
    AddHtmlStyles();
    Type("outer\rinner\rback\rlast");
    const long numbers = AddList(GSequence::kArabic);
    MakeList(0, 2, numbers, 1);
    MakeList(1, 1, numbers, 2);
    const std::string page = Export();
    KeepPage(page, "nested.htm");
    EXPECT_TRUE(Contains(page, "\n<ol type=1 start=1>\n\n<li class=\"HTMLBody\">outer</li>\n"
                               "\n<ol type=1 start=1>\n\n<li class=\"HTMLParagraph\">inner</li>\n</ol>"
                               "\n<li class=\"HTMLParagraph\">back</li>\n</ol>"))
        << page;
    EXPECT_TRUE(Contains(page, ">last</p>")) << page;
}

TEST_F(HtmlExport, TextStaysTextAndRunsStayInTheirLine)
{
    Type("a < b & c > d\tnext ");
    const long cell = Body().m_chars.GetCount() - 3;
    Body().InsertField(new CValuedCell(&Body(), cell, "x < y & z"));
    Type("\rH2O and E=mc2");
    Body().SetFontAttr(At("2O"), At("2O") + 1, GFontStyle::kSubscript, GFontStyle::kSubscript);
    Body().SetFontAttr(At("c2") + 1, At("c2") + 2, GFontStyle::kSuperscript | GFontStyle::kBold,
                       GFontStyle::kSuperscript | GFontStyle::kBold);
    const std::string page = Export();
    KeepPage(page, "text.htm");
    const std::vector<std::string> paragraphs = Paragraphs(page);
    ASSERT_EQ(paragraphs.size(), 2u) << page;
    EXPECT_TRUE(Contains(paragraphs[0], ">a &lt; b &amp; c &gt; d next x &lt; y &amp; z</p>")) << page;
    EXPECT_TRUE(Contains(paragraphs[1], ">H<sub>2</sub>O and E=mc<span style=\" font-weight : bold;\"><sup>2</sup></span></p>"))
        << page;
    for (const std::string& p : paragraphs)
        EXPECT_EQ(p.find('\n'), std::string::npos) << p;
}

TEST_F(HtmlExport, ThePageDeclaresTheCharacterSetOfItsText)
{
    Type("Fa\xE7" "ade \xE0 la mode");
    const auto setAll = [&](unsigned char charset) {
        for (LONG i = 0; i < doc->m_fontStyles.GetCount(); i++)
            doc->m_fontStyles[i].style.SetCharSet(charset);
    };
    setAll(ANSI_CHARSET);
    EXPECT_TRUE(Contains(Export(), "CHARSET=Windows-1252\">"));
    setAll(RUSSIAN_CHARSET);
    EXPECT_TRUE(Contains(Export(), "CHARSET=Windows-1251\">"));
    setAll(EASTEUROPE_CHARSET);
    EXPECT_TRUE(Contains(Export(), "CHARSET=Windows-1250\">"));
    EXPECT_TRUE(Contains(Export(), "<META NAME=\"Generator\" CONTENT=\"Zentavo Write\">"));
}

TEST_F(HtmlExport, AMasterAddedAfterAnImportKeepsItsRule)
{
    AddHtmlStyles();
    AddMaster("(M) Late", 2, 3);
    AddMaster("(M) Late HTML", 2, 3);
    Type("text");
    const std::string page = Export();
    EXPECT_TRUE(Contains(page, "\n.ZtWriteLate   {\n")) << page;
    EXPECT_TRUE(Contains(page, "\n.ZtWriteLateHTML   {\n")) << page;
    EXPECT_TRUE(Contains(page, "\n.ZtWriteNormal   {\n")) << page;
    EXPECT_TRUE(Contains(page, "\n.HTMLParagraph   {\n font-family : 'Verdana'; font-size : 12pt; color : "
                               "rgb(0, 0, 0);  margin-bottom : 6pt; margin-top : 12pt;}\n"))
        << page;
    // The built-in masters are written once, under their HTML classes.
    EXPECT_FALSE(Contains(page, "ZtWriteHTML")) << page;
}

// Pictures go beside the page as Image<n>.jpg, numbered on over every
// save of the run and never over a file that is there.
TEST_F(HtmlExport, PicturesAreNumberedOnAndNeverOverwriteAFile)
{
    const int before = g_nHtmlPictureCounter;
    Type("a");
    Body().InsertField(new GImage(&Body(), 1, GreyPicture(4, 3)));
    Type(" b");
    Body().InsertField(new GImage(&Body(), Body().m_chars.GetCount() - 3, GreyPicture(2, 2)));
    const CString first = folder / "Image%d.jpg";
    CString taken;
    taken.Format(first, before + 3);
    {
        CFile file(taken, CFile::modeCreate | CFile::modeWrite);
        file.Write("keep", 4);
    }
    const std::string one = Export("one.htm");
    const std::string two = Export("two.htm");
    for (int n : {1, 2, 4, 5})
    {
        CString path, element;
        path.Format(first, before + n);
        element.Format("<img src=\"%s\">", (LPCSTR)path);
        EXPECT_TRUE(Contains(n < 3 ? one : two, (LPCSTR)element)) << element << "\n" << one << two;
        Image* image = NULL;
        ASSERT_TRUE(ReadImage(path, image)) << path;
        EXPECT_EQ(image->width(), n % 3 == 1 ? 4 : 2);
        delete image;
    }
    EXPECT_EQ(FileBytes(taken), "keep");
    EXPECT_EQ(g_nHtmlPictureCounter, before + 5);
}

TEST_F(HtmlExport, ASaveThatCannotWriteEverythingFails)
{
    Type("text");
    const CString path = folder / "held.htm";
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("old page", 8);
    }
    BOOL written = TRUE;
    {
        CFile held(path, CFile::modeRead | CFile::shareExclusive);
        Export("held.htm", &written);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(FileBytes(path), "old page");
    EXPECT_EQ(app.boxes.size(), 1u);

    // A picture whose bitmap is gone cannot be written.
    Body().InsertField(new GImage(&Body(), 1, NULL));
    Export("picture.htm", &written);
    EXPECT_FALSE(written);
}

// A caption writes its text as a date does; a cell without a value its
// two blanks.
TEST_F(HtmlExport, FieldsWriteTheTextTheyShow)
{
    Type("See ");
    Body().InsertField(new GCaption(&Body(), At(" ") + 1, kMarkArabic, kCaptionAfter, NULL));
    Type(" and ");
    Body().InsertField(new GCell(&Body(), Body().m_chars.GetCount() - 3, NULL));
    Type("|");
    const long caption = Body().GetCharField(At(" ") + 1);
    ASSERT_GE(caption, 0);
    const std::string text = Body().m_fields[caption]->AsText(0);
    ASSERT_FALSE(text.empty());
    const std::string page = Export();
    EXPECT_TRUE(Contains(page, ">See " + text + " and   |</p>")) << page;
}
