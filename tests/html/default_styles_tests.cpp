// The built-in HTML styles: what a creation appends to the document's
// tables, the pairs it sets, a second creation, and the pairs found again
// by name.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "document/CWDocument.h"
#include "html/CHtmlDefaultStyles.h"

namespace {

// A document whose tables hold one style each.
class HtmlDefaultStyles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        KeepFirst(doc.m_fontStyles);
        KeepFirst(doc.m_paraStyles);
        KeepFirst(doc.m_masterStyles);
    }
    template <class T>
    static void KeepFirst(GStyleTbl<T>& table)
    {
        while (table.GetCount() > 1)
            table.Destroy(table.GetCount() - 1, 1);
    }
    CWDocument doc;
};

std::vector<std::pair<int, int>> Pairs(const CHtmlDefaultStyles& styles)
{
    std::vector<std::pair<int, int>> pairs;
    for (const GMasterStyle& pair : styles.m_Styles)
        pairs.push_back({pair.m_Font, pair.m_Para});
    return pairs;
}

// The font indexes of the 17 masters when the 13 font styles follow one
// style: Body 1, Paragraph 2, Heading1-6 3-8, Preformatted 9, Cite 10,
// Hyperlink 11, Sample 12, Keyboard 13.
const int kMasterFonts[kHtmlBuiltinStyleCount] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 11, 9, 13, 9, 12, 10};

} // namespace

TEST_F(HtmlDefaultStyles, ACreationAppendsTheStylesInOrderAndSetsThePairs)
{
    CHtmlDefaultStyles styles(&doc);
    for (const GMasterStyle& pair : styles.m_Styles)
        EXPECT_EQ(pair, GMasterStyle(-1, -1));
    styles.CreateHtmlStyles();
    ASSERT_EQ(doc.m_fontStyles.GetCount(), 14);
    ASSERT_EQ(doc.m_paraStyles.GetCount(), 2);
    ASSERT_EQ(doc.m_masterStyles.GetCount(), 18);

    const struct
    {
        const char* name;
        const char* face;
        int size;
        COLORREF colour;
        WORD attributes;
    } fonts[] = {
        {"(f) HTML Body", "Verdana", 42, 0, 0},
        {"(f) HTML Paragraph", "Verdana", 42, 0, 0},
        {"(f) HTML Heading1", "Verdana", 85, 0, GFontStyle::kBold},
        {"(f) HTML Heading2", "Verdana", 64, 0, GFontStyle::kBold},
        {"(f) HTML Heading3", "Verdana", 49, 0, GFontStyle::kBold},
        {"(f) HTML Heading4", "Verdana", 42, 0, GFontStyle::kBold},
        {"(f) HTML Heading5", "Verdana", 35, 0, GFontStyle::kBold},
        {"(f) HTML Heading6", "Verdana", 28, 0, GFontStyle::kBold},
        {"(f) HTML Preformatted", "Courier New", 35, 0, 0},
        {"(f) HTML Cite", "Times New Roman", 42, 0, GFontStyle::kItalic},
        {"(f) HTML Hyperlink", "Verdana", 42, 0xFF0000, GFontStyle::kUnderline},
        {"(f) HTML Sample", "Courier New", 42, 0, 0},
        {"(f) HTML Keyboard", "Courier New", 35, 0, GFontStyle::kBold},
    };
    for (int i = 0; i < 13; i++)
    {
        const auto& item = doc.m_fontStyles[i + 1];
        EXPECT_STREQ(item.name, fonts[i].name);
        EXPECT_EQ(item.key.vkey, 0);
        EXPECT_STREQ(item.style.GetFace(), fonts[i].face) << fonts[i].name;
        EXPECT_EQ(item.style.GetSize(), fonts[i].size) << fonts[i].name;
        EXPECT_EQ(item.style.GetColour(), fonts[i].colour) << fonts[i].name;
        EXPECT_EQ(item.style.GetAttributes(), fonts[i].attributes) << fonts[i].name;
        EXPECT_EQ(item.style.GetMask(), 0xFFFF) << fonts[i].name;
    }

    const auto& para = doc.m_paraStyles[1];
    EXPECT_STREQ(para.name, "(p) HTML Paragraph");
    EXPECT_TRUE(para.style.IsAllDefined());
    EXPECT_EQ(para.style.m_Left, Gint(0));
    EXPECT_EQ(para.style.m_FirstLine, Gint(0));
    EXPECT_EQ(para.style.m_Before, Gint(42));
    EXPECT_EQ(para.style.m_After, Gint(21));
    EXPECT_EQ(para.style.m_Align, GParaStyle::kAlignLeft);
    EXPECT_EQ(para.style.m_Tabs, GParaStyle().m_Tabs);

    const char* masters[kHtmlBuiltinStyleCount] = {
        "(M) HTML Body",     "(M) HTML Paragraph",    "(M) HTML Heading1", "(M) HTML Heading2", "(M) HTML Heading3",
        "(M) HTML Heading4", "(M) HTML Heading5",     "(M) HTML Heading6", "(M) HTML Preformatted",
        "(M) HTML Cite",     "(M) HTML Address",      "(M) HTML Hyperlink", "(M) HTML Code",    "(M) HTML Keyboard",
        "(M) HTML Typewriter", "(M) HTML Sample",     "(M) HTML Variable"};
    for (int row = 0; row < kHtmlBuiltinStyleCount; row++)
    {
        GMasterStyle expected(kMasterFonts[row], row == htmlStyleBody ? 0 : 1);
        EXPECT_STREQ(doc.m_masterStyles[row + 1].name, masters[row]);
        EXPECT_EQ(doc.m_masterStyles[row + 1].style, expected) << masters[row];
        EXPECT_EQ(styles.m_Styles[row], expected) << masters[row];
    }
}

TEST_F(HtmlDefaultStyles, BodyTakesTheFirstParagraphStyleWhateverItIs)
{
    doc.m_paraStyles[0].SetName("(p) Something else");
    CHtmlDefaultStyles styles(&doc);
    styles.CreateHtmlStyles();
    EXPECT_EQ(styles.m_Styles[htmlStyleBody].m_Para, 0);
    EXPECT_EQ(styles.m_Styles[htmlStyleParagraph].m_Para, 1);
}

TEST_F(HtmlDefaultStyles, ASecondCreationAppendsASecondSetThatLooksUpTheFirst)
{
    CHtmlDefaultStyles first(&doc);
    first.CreateHtmlStyles();
    CHtmlDefaultStyles second(&doc);
    second.CreateHtmlStyles();
    EXPECT_EQ(doc.m_fontStyles.GetCount(), 27);
    EXPECT_EQ(doc.m_paraStyles.GetCount(), 3);
    EXPECT_EQ(doc.m_masterStyles.GetCount(), 35);
    EXPECT_STREQ(doc.m_fontStyles[14].name, "(f) HTML Body");
    EXPECT_EQ(Pairs(second), Pairs(first));
    EXPECT_EQ(doc.m_masterStyles[18 + htmlStyleParagraph].style, GMasterStyle(2, 1));
    EXPECT_EQ(doc.m_masterStyles.FindStyle("(M) HTML Paragraph"), 1 + htmlStyleParagraph);
}

TEST_F(HtmlDefaultStyles, PairsFoundAgainByNameIgnoringCase)
{
    CHtmlDefaultStyles created(&doc);
    created.CreateHtmlStyles();
    CHtmlDefaultStyles found(&doc);
    found.GetCurrentHtmlStyles();
    EXPECT_EQ(Pairs(found), Pairs(created));
    EXPECT_EQ(doc.m_fontStyles.GetCount(), 14) << "nothing added";

    doc.m_fontStyles[1].SetName("(F) html BODY");
    doc.m_paraStyles[1].SetName("(P) HTML PARAGRAPH");
    found.GetCurrentHtmlStyles();
    EXPECT_EQ(Pairs(found), Pairs(created));
}

TEST_F(HtmlDefaultStyles, ADocumentWithoutThemGivesNoPairs)
{
    CHtmlDefaultStyles found(&doc);
    found.GetCurrentHtmlStyles();
    for (int row = 0; row < kHtmlBuiltinStyleCount; row++)
        EXPECT_EQ(found.m_Styles[row], GMasterStyle(-1, row == htmlStyleBody ? 0 : -1)) << row;
}
