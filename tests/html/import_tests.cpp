// The HTML importer: pages read into a new document's body, checked by
// their text, character and paragraph formats, list numbers and pictures.
#include "tests/html/html_test_support.h"
#include "html/CWHtmlImport.h"
#include "html/html_services.h"
#include "html/CStyleSheetManager.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GListField.h"
#include "model/GImage.h"
#include "tests/support/flow_inspection.h"
#include "view/CWView.h"
#include "resources/resource.h"
#include <memory>

using namespace html_test;

namespace {

struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    std::unique_ptr<CWDocument> New() { return std::unique_ptr<CWDocument>((CWDocument*)tpl.CreateNewDocument()); }
};

// A 2 x 2 24-bit BMP file.
std::string TinyBitmap()
{
    const int rowBytes = 8, pixels = rowBytes * 2;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + pixels;
    info.biSize = sizeof(info);
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string bytes((const char*)&file, sizeof(file));
    bytes.append((const char*)&info, sizeof(info));
    bytes.append(pixels, '\x7f');
    return bytes;
}

// The name part of a path.
std::string FileName(const CString& path)
{
    std::string p = (LPCSTR)path;
    return p.substr(p.find_last_of("\\/") + 1);
}

class HtmlImport : public testing::Test
{
protected:
    CBoxKeepingApp app;
    Template maker;
    std::unique_ptr<CWDocument> doc = maker.New();

    // Reads html into the document as the open path does.
    BOOL Open(const std::string& html)
    {
        CTempFile file(html);
        return HtmlImportFile(file.Path(), doc.get());
    }
    GDoc& Body() { return *doc->m_flows[kBodyFlow]; }
    std::string Text() { return MarkedFlowText(Body()); }
    long At(const char* piece)
    {
        std::string text = FlowText(Body());
        size_t at = text.find(piece);
        EXPECT_NE(at, std::string::npos) << piece << " in " << text;
        return (long)at;
    }
    unsigned short Attributes(long pos) { return Body().GetCharFStylePtr(pos)->GetAttributes(); }
    bool Has(long pos, unsigned short bit) { return (Attributes(pos) & bit) != 0; }
    GParaStyle& Para(long pos) { return *Body().GetCharPStylePtr(pos); }
    Mint ParaReference(long pos) { return Body().m_paras[Body().GetCharPara(pos)].style; }
    Mint FormatReference(long pos) { return Body().m_formats[Body().GetCharFormat(pos)].style; }
    long Master(const char* name) { return doc->m_masterStyles.FindStyle(name); }
    std::vector<GList*> ListFields()
    {
        std::vector<GList*> lists;
        for (long i = 0; i < Body().m_fields.GetCount(); ++i)
            if (Body().m_fields[i]->m_nKind == kFieldList)
                lists.push_back((GList*)Body().m_fields[i]);
        return lists;
    }
    std::string ListStyleName(const GList* field) { return doc->m_listStyles[field->m_nStyle].name; }
};

struct TextCase
{
    const char* html;
    const char* text;   // | a paragraph end, @ a field
};

TEST_F(HtmlImport, GivesTheBodysText)
{
    const TextCase cases[] = {
        {"<body>a<b>b</b>.</body>", "ab."},
        {"<html><head><title>Title</title></head><body><p>One</p>\r\n<p>Two</p>\r\n</body></html>", "One|Two"},
        // Lines ended by line feeds alone are one paragraph, as HTML reads them.
        {"<body>\nline one\nline two\n</body>\n", "line one line two"},
        {"<body><pre>a\n  b\n</pre>c</body>", "a|  b|c"},
        // Blanks at a paragraph's edges show nothing.
        {"<body>  a  <p> b </p> <p>c <b>d</b> </p> </body>", "a|b|c d"},
        {"<body>a<br>b<br><br>c<br></body>", "a|b|c"},
        {"<body><h1>Head</h1><p>Text</p></body>", "Head|Text"},
        {"<body>a<!-- note -->b</body>", "ab"},
        {"<body>a<x>b</x>c</body>", "abc"},
        // Before BODY and after its end tag nothing is imported.
        {"<title>T</title><body>in</body>after", "in"},
        // Pages without a BODY tag get their body where HTML implies it.
        {"<html><head><title>T</title></head><p>Hello</p></html>", "Hello"},
        {"Hello <b>world</b>", "Hello world"},
        {"<title>T</title>Text", "Text"},
        {"<head><style>p {color: red}</style></head>Text", "Text"},
        // Skipped elements and stray end tags of the skip list.
        {"<body>a<table><tr><td>x</td></tr></table>b</body>", "ab"},
        {"<body>a<script>var x;</script>b<form>c</form>d</body>", "abd"},
        {"<body>a</table>b</td>c<col>d</ul>e</tr>f</body>", "abcdef"},
        {"<body>a<table><table>x</table>b</table>c</body>", "abc"},
        // A stray /BODY before the body: the text after it begins the body.
        {"</body>a<body>b</body>c", "ab"},
        {"<body><center>c</center>d</body>", "c|d"},
        // PRE adds no paragraph end of its own.
        {"<body>a<pre>b</pre>c</body>", "abc"},
        {"<body>a<pre>\nb</pre></body>", "a|b"},
        {"<body><bdo dir=rtl>abc</bdo>d</body>", "cbad"},
        {"<body><bdo>abc</bdo>d</body>", "abcd"},
        {"<body><dl><dt>term<dd>means</dl></body>", "term|means"},
        {"<body></body>", ""},
        {"", ""},
    };
    for (const TextCase& c : cases)
    {
        doc = maker.New();
        EXPECT_TRUE(Open(c.html)) << c.html;
        EXPECT_EQ(Text(), c.text) << c.html;
    }
    EXPECT_TRUE(app.boxes.empty());
}

TEST_F(HtmlImport, BoldEndsWithItsElement)
{
    Open("<body>a<b>b</b>.</body>");
    EXPECT_FALSE(Has(0, GFontStyle::kBold));
    EXPECT_TRUE(Has(1, GFontStyle::kBold));
    EXPECT_FALSE(Has(2, GFontStyle::kBold));
}

// Unknown tags and comments open no element: the end tag after them closes
// the element they stand in.
TEST_F(HtmlImport, TagsThatNeverCloseTakeNoStackEntry)
{
    for (const char* html : {"<body><b>a<x>b</x></b>c</body>", "<body><b>a<!--x-->b</b>c</body>",
                             "<body><b>a<!DOCTYPE x>b</b>c</body>", "<body><b>a<col>b</b>c</body>"})
    {
        doc = maker.New();
        Open(html);
        ASSERT_EQ(Text(), "abc") << html;
        EXPECT_TRUE(Has(0, GFontStyle::kBold)) << html;
        EXPECT_TRUE(Has(1, GFontStyle::kBold)) << html;
        EXPECT_FALSE(Has(2, GFontStyle::kBold)) << html;
    }
}

TEST_F(HtmlImport, AttributeElementsNest)
{
    Open("<body><i>a<b>b</b>c</i><b>d<sub>e</sub></b></body>");
    ASSERT_EQ(Text(), "abcde");
    EXPECT_EQ(Attributes(0) & 3, GFontStyle::kItalic);
    EXPECT_EQ(Attributes(1) & 3, GFontStyle::kBold | GFontStyle::kItalic);
    // The enclosing element lost its attributes to the nested one.
    EXPECT_EQ(Attributes(2) & 3, 0);
    // Subscript inside bold is not bold: the candidate had a bit of its own.
    EXPECT_TRUE(Has(4, GFontStyle::kSubscript));
    EXPECT_FALSE(Has(4, GFontStyle::kBold));
}

TEST_F(HtmlImport, StrayEndTagsPopNothingBelowTheBody)
{
    Open("<body><b>a</b></b></i></p>b</body>");
    ASSERT_EQ(Text(), "ab");
    EXPECT_FALSE(Has(1, GFontStyle::kBold));
}

TEST_F(HtmlImport, ParagraphsTakeTheirMasterStyles)
{
    Open("<body><h1>Head</h1><p>Text</p><pre>code</pre><p align=center>mid</p><address>here</address></body>");
    ASSERT_EQ(Text(), "Head|Text|code|mid|here");
    EXPECT_EQ(ParaReference(At("Head")), Mint((short)Master("(M) HTML Heading1"), 1));
    EXPECT_EQ(FormatReference(At("Head")), Mint((short)Master("(M) HTML Heading1"), 1));
    EXPECT_TRUE(Has(At("Head"), GFontStyle::kBold));
    EXPECT_EQ(ParaReference(At("Text")), Mint((short)Master("(M) HTML Paragraph"), 1));
    EXPECT_EQ(FormatReference(At("code")), Mint((short)Master("(M) HTML Preformatted"), 1));
    EXPECT_STREQ(Body().GetCharFStylePtr(At("code"))->GetFace(), "Courier New");
    // With attributes the element takes its stack style, aligned as asked.
    EXPECT_EQ(Para(At("mid")).m_Align, GParaStyle::kAlignCentre);
    EXPECT_EQ(FormatReference(At("here")), Mint((short)Master("(M) HTML Address"), 1));
}

// Only the text right after P's start tag takes the master style by name;
// after a nested element the stack's style follows.
TEST_F(HtmlImport, TextAfterANestedElementTakesTheStackStyle)
{
    Open("<body><p>a<b>b</b>c</p></body>");
    ASSERT_EQ(Text(), "abc");
    EXPECT_EQ(FormatReference(0), Mint((short)Master("(M) HTML Paragraph"), 1));
    EXPECT_EQ(FormatReference(2).master, 0);
    EXPECT_FALSE(Has(2, GFontStyle::kBold));
    EXPECT_STREQ(Body().GetCharFStylePtr(2)->GetFace(), "Verdana");
}

TEST_F(HtmlImport, BaseFontSetsTheRestOfItsElement)
{
    Open("<body>a<basefont size=7 face=Arial>b<b>c</b></body>");
    ASSERT_EQ(Text(), "abc");
    EXPECT_GT(Body().GetCharFStylePtr(1)->GetSize(), Body().GetCharFStylePtr(0)->GetSize());
    EXPECT_STREQ(Body().GetCharFStylePtr(1)->GetFace(), "Arial");
    EXPECT_STREQ(Body().GetCharFStylePtr(2)->GetFace(), "Arial");
    EXPECT_TRUE(Has(2, GFontStyle::kBold));
}

TEST_F(HtmlImport, BlockquoteIsItalicAndIndented)
{
    Open("<body><blockquote>quoted</blockquote>after</body>");
    ASSERT_EQ(Text(), "quoted|after");
    EXPECT_EQ(Attributes(0) & 0x3F, GFontStyle::kItalic);
    const GParaStyle& p = Para(0);
    EXPECT_EQ(p.m_Left, Gint(64));
    EXPECT_EQ(p.m_Right, Gint(64));
    EXPECT_EQ(p.m_FirstLine, Gint(64));
}

TEST_F(HtmlImport, FontValuesAndFaces)
{
    const std::string longFace(40, 'F');
    Open("<body><font face=\"Arial, Helvetica\" color=#FF0000>a</font><font face=\"" + longFace +
         "\">b</font><font size=7>c</font><big>d</big></body>");
    ASSERT_EQ(Text(), "abcd");
    EXPECT_STREQ(Body().GetCharFStylePtr(0)->GetFace(), "Arial");
    EXPECT_EQ(Body().GetCharFStylePtr(0)->GetColour(), RGB(255, 0, 0));
    // Faces are cut to what the style holds.
    EXPECT_EQ(std::string(Body().GetCharFStylePtr(1)->GetFace()), longFace.substr(0, 31));
    EXPECT_GT(Body().GetCharFStylePtr(2)->GetSize(), Body().GetCharFStylePtr(0)->GetSize());
    EXPECT_EQ(Body().GetCharFStylePtr(3)->GetSize(), GetFontSize("large", -1));
}

TEST_F(HtmlImport, CssOnlySwitchesAttributesOn)
{
    Open("<head><style>.u {text-decoration: underline;} .q {font-family: 'Times New Roman', serif;}</style></head>"
         "<body><b>a<span class=u>b</span></b><span class=q>c</span></body>");
    ASSERT_EQ(Text(), "abc");
    EXPECT_TRUE(Has(0, GFontStyle::kBold));
    // The span's own bit keeps the enclosing bold out.
    EXPECT_TRUE(Has(1, GFontStyle::kUnderline));
    EXPECT_FALSE(Has(1, GFontStyle::kBold));
    EXPECT_STREQ(Body().GetCharFStylePtr(2)->GetFace(), "Times New Roman");
}

TEST_F(HtmlImport, ListItemsGetListNumbers)
{
    Open("<body><ul><li>a<li>b</ul>c<ol><li>one<li>two</ol></body>");
    ASSERT_EQ(Text(), "@a|@b|c|@one|@two");
    std::vector<GList*> lists = ListFields();
    ASSERT_EQ(lists.size(), 4u);
    EXPECT_EQ(ListStyleName(lists[0]), "Bullet");
    EXPECT_FALSE(lists[0]->m_bContinues);
    EXPECT_TRUE(lists[1]->m_bContinues);
    EXPECT_EQ(ListStyleName(lists[2]), "Number");
    EXPECT_EQ(lists[3]->m_nNumbers[0], 2);
}

TEST_F(HtmlImport, ListStylesByTypeAndDepth)
{
    Open("<body><ol type=i><li>a</ol><ol type=A><li>b</ol><ol type=x><li>c</ol>"
         "<ul type=x><li>d<ul><li>e<ul><li>f</ul></ul></ul></body>");
    std::vector<GList*> lists = ListFields();
    ASSERT_EQ(lists.size(), 6u);
    // TYPE i takes CapLetter like TYPE A; an unknown type numbers plainly.
    EXPECT_EQ(ListStyleName(lists[0]), "CapLetter");
    EXPECT_EQ(ListStyleName(lists[1]), "CapLetter");
    EXPECT_EQ(ListStyleName(lists[2]), "Number");
    EXPECT_EQ(ListStyleName(lists[3]), "Asterisk");
    EXPECT_EQ(ListStyleName(lists[4]), "Diamond");
    EXPECT_EQ(ListStyleName(lists[5]), "Bullet");
    EXPECT_EQ(lists[3]->m_nLevel, 1);
    EXPECT_EQ(lists[5]->m_nLevel, 3);
}

TEST_F(HtmlImport, OrderedListStartCarriesOn)
{
    Open("<body><ol start=5><li>a</ol><ol><li>b</ol></body>");
    std::vector<GList*> lists = ListFields();
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0]->m_nNumbers[0], 5);
    EXPECT_EQ(lists[1]->m_nNumbers[0], 5);
    EXPECT_EQ(lists[0]->m_nStyle, lists[1]->m_nStyle);
    EXPECT_EQ(doc->m_listStyles[lists[0]->m_nStyle].name[0], 0);
}

TEST_F(HtmlImport, ListDepthNeverFallsBelowNothing)
{
    Open("<body>a</ul></ul></ol><ul><li>b</ul></body>");
    ASSERT_EQ(Text(), "a|@b");
    std::vector<GList*> lists = ListFields();
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_EQ(lists[0]->m_nLevel, 1);
}

// An item without text, like a paragraph holding only a picture, keeps
// its own paragraph.
TEST_F(HtmlImport, LabelsAndPicturesEndTheirParagraphs)
{
    Open("<body><ul><li><li>b</ul></body>");
    EXPECT_EQ(Text(), "@|@b");
}

// A long page moves the flow's arrays many times while it is read: each
// piece of it comes out as the piece alone does, and the room left over
// afterwards is no more than the arrays keep for typing.
TEST_F(HtmlImport, LongPagesReadAsTheirPiecesDo)
{
    const std::string piece = "<h2>Head</h2><p>one <b>two</b> <i>three <u>four</u></i></p>"
                              "<ul><li>item<li><b>bold item</b></ul><pre>a\n b</pre><p align=center>mid</p>";
    struct Char
    {
        char c;
        unsigned short attributes;
        Mint format, para;
        bool operator==(const Char& o) const
        {
            return c == o.c && attributes == o.attributes && format == o.format && para == o.para;
        }
    };
    auto read = [this](long from, long to) {
        std::vector<Char> chars;
        for (long i = from; i < to; ++i)
            chars.push_back({(char)Body().m_chars[i], Attributes(i), FormatReference(i), ParaReference(i)});
        return chars;
    };
    ASSERT_TRUE(Open("<body>" + piece + "</body>"));
    const long n = Body().m_chars.GetCount() - 3;
    const std::vector<Char> alone = read(0, n);

    constexpr int kPieces = 400;
    doc = maker.New();
    std::string page = "<body>";
    for (int i = 0; i < kPieces; ++i)
        page += piece;
    ASSERT_TRUE(Open(page + "</body>"));
    ASSERT_EQ(Body().m_chars.GetCount() - 3, kPieces * (n + 1) - 1);
    for (int i = 0; i < kPieces; ++i)
    {
        const long from = i * (n + 1);
        ASSERT_TRUE(read(from, from + n) == alone) << "piece " << i;
        if (i + 1 < kPieces)
            ASSERT_EQ(Body().m_chars[from + n], (BYTE)kParagraphEnd);
    }
    // The text's room is its typing gap: a small share of it, in whole steps.
    EXPECT_LE(Body().m_chars.GapLength(), Body().m_chars.GapStep() + kCharGrow);
    EXPECT_LT(Body().m_formats.capacity - Body().m_formats.GetCount(), kRecordGrow);
    EXPECT_LT(Body().m_paras.capacity - Body().m_paras.GetCount(), kRecordGrow);
    EXPECT_LT(Body().m_rows.capacity - Body().m_rows.GetCount(), kRowGrow);
}

TEST_F(HtmlImport, PicturesAreReadBesideThePage)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    CreateDirectoryA((std::string(folder) + "zt_html_pictures").c_str(), nullptr);
    CString picturePath = CString(folder) + "zt_html_pictures\\dot.bmp";
    {
        CFile picture(picturePath, CFile::modeCreate | CFile::modeWrite);
        std::string bytes = TinyBitmap();
        picture.Write(bytes.data(), (UINT)bytes.size());
    }
    CString sheetPath = CString(folder) + "zt_html_pictures\\sheet.css";
    {
        CFile sheet(sheetPath, CFile::modeCreate | CFile::modeWrite);
        const char rules[] = ".x {font-weight: bold;}";
        sheet.Write(rules, sizeof(rules) - 1);
    }
    CString page = CString(folder) + "zt_html_pictures\\page.htm";
    {
        CFile file(page, CFile::modeCreate | CFile::modeWrite);
        std::string html = "<head><link rel=stylesheet type=text/css href=sheet.css></head>"
                           "<body><p>a</p><img src=dot.bmp><p>b</p><img src=missing.bmp>"
                           "<span class=x>c</span></body>";
        file.Write(html.data(), (UINT)html.size());
    }
    // The program's current folder is elsewhere.
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA("C:\\");
    EXPECT_TRUE(HtmlImportFile(page, doc.get()));
    SetCurrentDirectoryA(current);

    EXPECT_EQ(Text(), "a|@|b|c");
    ASSERT_EQ(Body().m_fields.GetCount(), 1);
    EXPECT_EQ(Body().m_fields[0]->m_nKind, kFieldImage);
    EXPECT_NE(((GImage*)Body().m_fields[0])->m_pImage, nullptr);
    EXPECT_TRUE(Has(At("c"), GFontStyle::kBold));
    EXPECT_TRUE(app.boxes.empty());
    DeleteFileA(page);
    DeleteFileA(picturePath);
    DeleteFileA(sheetPath);
    RemoveDirectoryA((std::string(folder) + "zt_html_pictures").c_str());
}

TEST_F(HtmlImport, OpensUnmodifiedWithItsStylesAndNoUndo)
{
    EXPECT_TRUE(Open("<body><p>Text</p></body>"));
    EXPECT_EQ(Text(), "Text");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_TRUE(doc->m_bUndoEnabled);
    EXPECT_EQ(doc->m_nViewNotify, 0);
    EXPECT_GE(Master("(M) HTML Body"), 0);
    EXPECT_GE(Master("(M) HTML Variable"), 0);
    EXPECT_GE(doc->m_paraStyles.FindStyle("(p) HTML Paragraph"), 0);
}

TEST_F(HtmlImport, AnUnreadableFileFails)
{
    std::string kept = "kept";
    Body().InsertText(0, &kept[0], 1);
    EXPECT_FALSE(HtmlImportFile("C:\\no such folder\\page.htm", doc.get()));
    EXPECT_EQ(doc->m_nViewNotify, 0);
    // The user is told, and the document is left as it was.
    EXPECT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(Text(), "kept");
}

// Every import starts with nothing skipped.
TEST_F(HtmlImport, TheSkipStateDoesNotCarryOver)
{
    Open("<body>a<script>never closed");
    EXPECT_EQ(Text(), "a");
    doc = maker.New();
    Open("<body>b</body>");
    EXPECT_EQ(Text(), "b");
}

TEST(HtmlImportTable, TagEntriesAreSortedAndFound)
{
    for (int i = 1; i < CWHtmlImport::kTagEntryCount; ++i)
        EXPECT_LT(CWHtmlImport::TagEntries[i - 1].type, CWHtmlImport::TagEntries[i].type) << i;
    for (int i = 0; i + 1 < CWHtmlImport::kTagEntryCount; ++i)
        EXPECT_EQ(CWHtmlImport::FindHtmlTagEntry(CWHtmlImport::TagEntries[i].type), &CWHtmlImport::TagEntries[i]);
    EXPECT_EQ(CWHtmlImport::FindHtmlTagEntry(tagTABLE), nullptr);
    EXPECT_EQ(CWHtmlImport::FindHtmlTagEntry(tagEOT), nullptr);
}

} // namespace
