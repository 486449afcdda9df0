// Style descriptions: the texts of character and paragraph styles, of
// table entries with names, shortcuts and trimming, and of master and list
// styles, each built from the real string table.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/style_descriptions.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

CString S(int id)
{
    return GetResourceString(id);
}

GFontStyle Undefined()
{
    GFontStyle s;
    s.Reset();
    return s;
}

class StyleDescription : public ::testing::Test
{
protected:
    void SetUp() override { saved = Options; Options.Units = CWOptions::kUnitCentimetre; }
    void TearDown() override { Options = saved; }
    CWOptions saved;
};

} // namespace

TEST_F(StyleDescription, StringTableHoldsTheQuotedTexts)
{
    EXPECT_STREQ("Font", S(IDS_DESC_FONT));
    EXPECT_STREQ("Color:", S(IDS_DESC_COLOR));
    EXPECT_STREQ("Name:", S(IDS_DESC_NAME));
    EXPECT_STREQ("(undefined)", S(IDS_DESC_UNDEFINED));
    EXPECT_STREQ("Shortcut: ", S(IDS_DESC_SHORTCUT));
    EXPECT_STREQ("RGB", S(IDS_DESC_RGB));
}

TEST_F(StyleDescription, FontStyle)
{
    const CString undefinedColour = "\n" + S(IDS_DESC_COLOR) + " " + S(IDS_DESC_UNDEFINED);
    EXPECT_STREQ(S(IDS_DESC_FONT) + ": " + undefinedColour, GetFontStyleDescription(Undefined()));

    GFontStyle bold = Undefined();
    bold.SetSize(42);
    bold.SetAttr(GFontStyle::kBold, 1);
    bold.SetAttr(GFontStyle::kItalic, 0);   // defined but off: not named
    EXPECT_STREQ(S(IDS_DESC_FONT) + ": 12pt, " + S(IDS_DESC_BOLD) + ", " + undefinedColour,
                 GetFontStyleDescription(bold));

    // Face first; attributes in their fixed order, superscript before subscript.
    GFontStyle all("Arial", 63, RGB(128, 0, 0), -1, -1);
    CString expected = S(IDS_DESC_FONT) + ": Arial, 18pt, ";
    for (int id : {IDS_DESC_BOLD, IDS_DESC_ITALIC, IDS_DESC_UNDERLINE, IDS_DESC_STRIKEOUT, IDS_DESC_SMALLCAPS,
                   IDS_DESC_SUPERSCRIPT, IDS_DESC_SUBSCRIPT})
        expected += S(id) + ", ";
    expected += "\n" + S(IDS_DESC_COLOR) + " " + S(IDS_DESC_DARKRED);
    EXPECT_STREQ(expected, GetFontStyleDescription(all));
}

TEST_F(StyleDescription, ColourNames)
{
    const struct
    {
        COLORREF colour;
        int name;
    } cases[] = {
        {0x000000, IDS_DESC_BLACK},      {0x0000FF, IDS_DESC_RED},        {0x00FF00, IDS_DESC_GREEN},
        {0xFF0000, IDS_DESC_BLUE},       {0x00FFFF, IDS_DESC_YELLOW},     {0xFFFF00, IDS_DESC_CYAN},
        {0xFF00FF, IDS_DESC_MAGENTA},    {0xFFFFFF, IDS_DESC_WHITE},      {0x000080, IDS_DESC_DARKRED},
        {0x008000, IDS_DESC_DARKGREEN},  {0x800000, IDS_DESC_DARKBLUE},   {0x008080, IDS_DESC_DARKYELLOW},
        {0x808000, IDS_DESC_DARKCYAN},   {0x800080, IDS_DESC_DARKMAGENTA}, {0x808080, IDS_DESC_DARKGRAY},
        {0xC0C0C0, IDS_DESC_GRAY},       {0x80000000, IDS_DESC_UNDEFINED},
    };
    for (const auto& c : cases)
    {
        GFontStyle s = Undefined();
        s.SetColour(c.colour);
        CString text = GetFontStyleDescription(s);
        EXPECT_STREQ(S(c.name), text.Mid(text.Find(' ', text.Find('\n')) + 1)) << std::hex << c.colour;
    }
    GFontStyle other = Undefined();
    other.SetColour(0x123456);
    CString text = GetFontStyleDescription(other);
    EXPECT_STREQ(S(IDS_DESC_RGB) + "(86,52,18)", text.Mid(text.Find(' ', text.Find('\n')) + 1));
}

TEST_F(StyleDescription, ParagraphStyle)
{
    GParaStyle none;
    none.m_Align = 0;
    none.m_Left = none.m_Right = none.m_FirstLine = none.m_Before = none.m_After = Gint(0, 0);
    EXPECT_STREQ("Align: " + S(IDS_DESC_UNDEFINED), GetParaStyleDescription(none));

    GParaStyle some = none;
    some.m_Align = GParaStyle::kAlignCentre;
    some.m_FirstLine = Gint(127);
    some.m_Left = Gint(-5);    // negative: left out
    some.m_After = Gint(50);
    EXPECT_STREQ("Align: " + S(IDS_DESC_CENTER) + ", " + S(IDS_DESC_FIRSTLINE) + "=1.27 cm, " +
                     S(IDS_DESC_AFTER) + "=0.5 cm",
                 GetParaStyleDescription(some));

    Options.Units = CWOptions::kUnitInch;
    CString inches;
    AppendToStr(inches, Gint(254), IDS_DESC_LEFT);
    EXPECT_STREQ(", " + S(IDS_DESC_LEFT) + "=1\"", inches);
    CString nothing;
    AppendToStr(nothing, Gint(-1), IDS_DESC_LEFT);
    AppendToStr(nothing, Gint(10, 0), IDS_DESC_LEFT);
    EXPECT_TRUE(nothing.IsEmpty());
}

TEST_F(StyleDescription, EntriesWithNameStyleAndShortcut)
{
    GStyleItem<GFontStyle> item("(f) Normal", Undefined(), GKey('N', GKey::kCtrl | GKey::kShift));
    char text[kStyleDescriptionSize];
    const CString nameLine = S(IDS_DESC_FONT) + " " + S(IDS_DESC_NAME) + " ";
    const CString style = GetFontStyleDescription(item.style);
    const CString key = item.key.GetDescription();

    const struct
    {
        int name, style, key, trim;
        CString expected;
    } cases[] = {
        {1, 0, 0, 0, nameLine + "(f) Normal "},
        {1, 0, 0, 1, nameLine + "Normal "},
        {0, 1, 0, 0, style},
        {1, 1, 1, 1, nameLine + "Normal \n" + style + "\n" + key},
        {0, 0, 1, 0, key},
        {0, 1, 1, 0, style + "\n" + key},
        {0, 0, 0, 0, ""},
    };
    for (const auto& c : cases)
    {
        DescriptionStyle(item, text, c.name, c.style, c.key, c.trim);
        EXPECT_STREQ(c.expected, text) << c.name << c.style << c.key << c.trim;
    }

    // Trimming: blanks, then the four-character tag, then blanks again.
    const struct
    {
        const char* stored;
        const char* shown;
    } names[] = {{"  (p) Title", "Title"}, {"(p)", ""}, {"abcd", ""}, {"abcde", "e"}, {"(p)   x", "x"}};
    GStyleItem<GParaStyle> para;
    for (const auto& n : names)
    {
        para.SetName(n.stored);
        DescriptionStyle(para, text, 1, 0, 0, 1);
        EXPECT_STREQ(S(IDS_DESC_PARAGRAPH) + " " + S(IDS_DESC_NAME) + " " + n.shown + " ", text) << n.stored;
    }
}

TEST_F(StyleDescription, LongTextsAreCutToTheBuffer)
{
    GFontStyle s("Arial", 42, 0x123456, -1, -1);
    GStyleItem<GFontStyle> item("0123456789012345678901234567890", s, GKey('A', GKey::kCtrl));
    char text[kStyleDescriptionSize + 16];
    memset(text, 'x', sizeof(text));
    DescriptionStyle(item, text, 1, 1, 1, 0);
    EXPECT_LT(strlen(text), (size_t)kStyleDescriptionSize);
    EXPECT_EQ('x', text[kStyleDescriptionSize]);
}

TEST_F(StyleDescription, MasterAndListStyles)
{
    CWDocument doc;
    const GStyleItem<GMasterStyle>& master = doc.m_masterStyles[1];
    const GStyleItem<GFontStyle>& font = doc.m_fontStyles[master.style.m_Font];
    const GStyleItem<GParaStyle>& para = doc.m_paraStyles[master.style.m_Para];
    char text[kMasterDescriptionSize];

    DescriptionStyle(master, font, para, text, 1, 1, 1, 1);
    CString expected = S(IDS_DESC_NAME) + " Heading 1\n" + GetFontStyleDescription(font.style) + "\n" +
                       GetParaStyleDescription(para.style) + "\n" + master.key.GetDescription();
    EXPECT_STREQ(expected, text);

    DescriptionStyle(master, font, para, text, 0, 0, 0, 0);
    EXPECT_STREQ(GetFontStyleDescription(font.style) + "\n", text);

    char list[kListDescriptionSize];
    DescriptionStyle(doc.m_listStyles[0], list, 1, 1);
    EXPECT_STREQ(S(IDS_DESC_NAME) + " Bullet\n" + S(IDS_DESC_TYPE) + ": " + S(IDS_DESC_BULLET) + "\n" +
                     S(IDS_DESC_SHORTCUT) + S(IDS_DESC_UNDEFINED),
                 list);
    DescriptionStyle(doc.m_listStyles[7], list, 0, 0);
    EXPECT_STREQ(S(IDS_DESC_TYPE) + ": " + S(IDS_DESC_NUMBERING) + "\n", list);
}
