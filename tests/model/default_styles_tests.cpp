// The styles a new or emptied document starts with: names, shortcuts and
// values of the character, paragraph, list and master tables, the face
// fallback of the default font, and the tab stops reaching the text edge.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "app/CWApp.h"
#include "model/default_styles.h"

namespace {

const unsigned char kCS = GKey::kCtrl | GKey::kShift;
const unsigned char kACS = GKey::kAlt | GKey::kCtrl | GKey::kShift;

// Options are global: every test leaves them as it found them.
class DefaultStyles : public ::testing::Test
{
protected:
    void SetUp() override { saved = Options; }
    void TearDown() override { Options = saved; }
    CWOptions saved;
};

// Tab stops of a style as (kind, position), the empty slots left out.
std::vector<std::pair<int, int>> Stops(const GTabArr& tabs)
{
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < GTabArr::kCount; i++)
        if (tabs[i].IsValid())
            out.push_back({tabs[i].type, tabs[i].Pos()});
    return out;
}

bool HasStop(const GTabArr& tabs, int kind, int pos)
{
    for (auto& s : Stops(tabs))
        if (s.first == kind && s.second == pos)
            return true;
    return false;
}

} // namespace

TEST_F(DefaultStyles, FontStylesInOrderWithNamesShortcutsAndValues)
{
    Options.FontSize = 40;
    Options.FontColor = RGB(1, 2, 3);
    Options.FontAttributes = GFontStyle::kItalic;
    lstrcpyA(Options.FontName, kDosStyleFace);   // an installed face
    CWDocument doc;

    const struct
    {
        const char* name;
        WORD key;
        const char* face;
        int size;
        COLORREF colour;
        WORD attr;
    } expected[] = {
        {"(f) Normal", 'N', kDosStyleFace, 40, RGB(1, 2, 3), GFontStyle::kItalic},
        {"(f) Heading 1", '1', kDosStyleFace, 63, 0, GFontStyle::kBold},
        {"(f) Heading 2", '2', kDosStyleFace, 56, 0, GFontStyle::kBold},
        {"(f) Heading 3", '3', kDosStyleFace, 49, 0, GFontStyle::kBold},
        {"(f) Zentavo for DOS", 'D', "Courier New", 42, 0, 0},
    };
    ASSERT_EQ(kDefaultFontStyleCount, doc.m_fontStyles.GetCount());
    for (int i = 0; i < kDefaultFontStyleCount; i++)
    {
        SCOPED_TRACE(i);
        const GStyleItem<GFontStyle>& item = doc.m_fontStyles[i];
        EXPECT_STREQ(expected[i].name, item.name);
        EXPECT_EQ(GKey(expected[i].key, kCS), item.key);
        EXPECT_STRCASEEQ(expected[i].face, item.style.GetFace());
        EXPECT_EQ(expected[i].size, item.style.GetSize());
        EXPECT_EQ(expected[i].colour, item.style.GetColour());
        EXPECT_EQ(expected[i].attr, item.style.GetAttributes());
        EXPECT_EQ(0xFFFF, item.style.GetMask());   // every attribute defined
    }
}

TEST_F(DefaultStyles, UnknownDefaultFaceFallsBackToFirstFaceOfFontList)
{
    ASSERT_GT(App.GetNumberFontNames(), 0);
    const CString first = App.GetFontName(0);
    lstrcpyA(Options.FontName, "No Such Face Here");
    CWDocument doc;
    for (int i = 0; i < 4; i++)
        EXPECT_STREQ((const char*)first, doc.m_fontStyles[i].style.GetFace()) << i;
    EXPECT_STREQ("Courier New", doc.m_fontStyles[4].style.GetFace());
    // The settings themselves keep the face they had.
    EXPECT_STREQ("No Such Face Here", Options.FontName);
}

TEST_F(DefaultStyles, ParagraphStylesInOrderWithValues)
{
    CWDocument doc;
    const struct
    {
        const char* name;
        GKey key;
        short left, firstRow, before, after;
    } expected[] = {
        {"(p) Paragraph", GKey('P', kCS), 0, 0, 0, 0},
        {"(p) Title", GKey('T', kCS), 0, 0, 42, 21},
        {"(p) Indent", GKey('E', kCS), 0, 0, 21, 10},
        {"(p) Stretch", GKey('S', kCS), 0, 0, 21, 10},
        {"(p) Paragraph Right", GKey(), 64, 0, 0, 0},
        {"(p) Paragraph Right", GKey(), 64, 64, 0, 0},
        {"(p) Paragraph Right", GKey(), 0, 0, 21, 21},
        {"(p) Paragraph Right", GKey(), 0, 0, 0, 0},
    };
    ASSERT_EQ(kDefaultParaStyleCount, doc.m_paraStyles.GetCount());
    for (int i = 0; i < kDefaultParaStyleCount; i++)
    {
        SCOPED_TRACE(i);
        const GStyleItem<GParaStyle>& item = doc.m_paraStyles[i];
        const GParaStyle& s = item.style;
        EXPECT_STREQ(expected[i].name, item.name);
        EXPECT_EQ(expected[i].key, item.key);
        EXPECT_EQ(Gint(expected[i].left), s.m_Left);
        EXPECT_EQ(Gint(expected[i].firstRow), s.m_FirstLine);
        EXPECT_EQ(Gint(0), s.m_Right);
        EXPECT_EQ(Gint(expected[i].before), s.m_Before);
        EXPECT_EQ(Gint(expected[i].after), s.m_After);
        EXPECT_EQ(Gfloat(1.0f), s.m_Spacing);
        EXPECT_EQ(Gint(0), s.m_Extra);
        EXPECT_EQ(GParaStyle::kAlignLeft, s.m_Align);
    }
    // Two styles share every value; one name serves four entries.
    EXPECT_EQ(doc.m_paraStyles[2].style, doc.m_paraStyles[3].style);
    EXPECT_EQ(4, doc.m_paraStyles.FindStyle("(p) Paragraph Right"));
}

TEST_F(DefaultStyles, TabStopsReachTheTextWidth)
{
    Options.LeftPageMargins = 300;
    Options.RightPageMargins = 200;
    CWDocument doc;
    const GPageInfo& page = doc.m_pageInfos[0];
    const int width = page.textRight - page.textLeft;
    ASSERT_EQ(page.paperWidth - 500, width);

    for (int i = 0; i < 7; i++)
    {
        SCOPED_TRACE(i);
        const GTabArr& tabs = doc.m_paraStyles[i].style.m_Tabs;
        EXPECT_TRUE(HasStop(tabs, GTab::kRight, width));
        EXPECT_TRUE(HasStop(tabs, GTab::kLeft, i == 4 || i == 5 ? 64 : 0));
    }
    // The validated sets hold no stop beyond the text width; style 4 is left
    // as the stops were added.
    for (int i : {0, 1, 2, 3, 5, 6, 7})
        for (auto& s : Stops(doc.m_paraStyles[i].style.m_Tabs))
            EXPECT_LE(s.second, width) << i;

    // Style 7 drops the default stops: a left, a centre and a right stop,
    // and what fitting to the edges adds there (a left stop at 0).
    const GTabArr& last = doc.m_paraStyles[7].style.m_Tabs;
    EXPECT_TRUE(HasStop(last, GTab::kLeft, 64));
    EXPECT_TRUE(HasStop(last, GTab::kCentre, width / 2));
    EXPECT_TRUE(HasStop(last, GTab::kRight, width));
    for (auto& s : Stops(last))
        EXPECT_TRUE(s.second == 0 || s.second == 64 || s.second == width / 2 || s.second == width)
            << s.first << "@" << s.second;
}

TEST_F(DefaultStyles, ListStylesInOrder)
{
    CWDocument doc;
    const struct
    {
        const char* name;
        unsigned char codes[9];   // sequence kind per level; >= 9: bullet character
        int size;                 // label size of every level
        const char* firstSuffix;
    } expected[] = {
        {"Bullet", {0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7}, 35, ""},
        {"Big Bullet", {0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7, 0xB7}, 42, ""},
        {"Diamond", {0xA8, 0xA8, 0xA8, 0xA8, 0xA8, 0xA8, 0xA8, 0xA8, 0xA8}, -1, ""},
        {"Diamond1", {0xE0, 0xE0, 0xE0, 0xE0, 0xE0, 0xE0, 0xE0, 0xE0, 0xE0}, -1, ""},
        {"Arrow", {0xDE, 0xDE, 0xDE, 0xDE, 0xDE, 0xDE, 0xDE, 0xDE, 0xDE}, -1, ""},
        {"Asterisk", {'*', '*', '*', '*', '*', '*', '*', '*', '*'}, -1, ""},
        {"Number", {1, 1, 1, 1, 1, 1, 1, 1, 1}, -1, "."},
        {"Roman", {5, 3, 1, 1, 1, 1, 1, 1, 1}, -1, "."},
        {"CapLetter", {3, 1, 2, 0, 0, 0, 0, 0, 0}, -1, "."},
        {"NumShort", {1, 0xB7, 0, 0, 0, 0, 0, 0, 0}, -1, ")"},
        {"CapShort", {3, 0, 0, 0, 0, 0, 0, 0, 0}, -1, ")"},
        {"Letter", {2, 0, 0, 0, 0, 0, 0, 0, 0}, -1, ")"},
    };
    ASSERT_EQ(kDefaultListStyleCount, doc.m_listStyles.GetCount());
    for (int i = 0; i < kDefaultListStyleCount; i++)
    {
        SCOPED_TRACE(expected[i].name);
        const GStyleItem<GListStyle>& item = doc.m_listStyles[i];
        EXPECT_STREQ(expected[i].name, item.name);
        EXPECT_FALSE(item.key.IsDefined());
        for (int level = 1; level <= 9; level++)
        {
            SCOPED_TRACE(level);
            const GLevelStyle& l = item.style.Level(level);
            unsigned char code = expected[i].codes[level - 1];
            if (code >= GSequence::kBullet)
            {
                EXPECT_EQ(GSequence::kBullet, l.m_Seq.kind);
                EXPECT_EQ(code, l.m_Seq.bullet);
                // Only the asterisk's first level shows in the text's face.
                bool plain = code == '*' && level == 1;
                EXPECT_STREQ(plain ? "" : "Symbol", l.m_Font.GetFace());
            }
            else
            {
                EXPECT_EQ(code, l.m_Seq.kind);
            }
            EXPECT_EQ(expected[i].size, l.m_Font.GetSize());
            if (level == 1)
            {
                EXPECT_STREQ(expected[i].firstSuffix, l.m_Suffix);
            }
            else if (code >= 1 && code < GSequence::kBullet)
            {
                EXPECT_STREQ(".", l.m_Suffix);
            }
        }
    }
    // The two bullet dots differ only in their label size.
    GListStyle big = doc.m_listStyles[1].style;
    for (int level = 1; level <= 9; level++)
        big.Level(level).m_Font.SetSize(35);
    EXPECT_EQ(doc.m_listStyles[0].style, big);
    EXPECT_TRUE(doc.m_listStyles[0].style.IsBullet());
    EXPECT_FALSE(doc.m_listStyles[6].style.IsBullet());
}

TEST_F(DefaultStyles, MasterStylesPairFontAndParagraphStyles)
{
    CWDocument doc;
    const struct
    {
        const char* name;
        WORD key;
        int font, para;
    } expected[] = {
        {"(M) Normal", 'N', 0, 0},          {"(M) Heading 1", '1', 1, 1},
        {"(M) Heading 2", '2', 2, 2},       {"(M) Heading 3", '3', 3, 3},
        {"(m) Default Font", 'D', 0, 0},    {"(M) Hanging Indent", 'H', 0, 4},
        {"(M) Normal Indent", 'I', 0, 5},   {"(M) Normal Body", 'B', 0, 6},
    };
    ASSERT_EQ(kDefaultMasterStyleCount, doc.m_masterStyles.GetCount());
    for (int i = 0; i < kDefaultMasterStyleCount; i++)
    {
        SCOPED_TRACE(i);
        const GStyleItem<GMasterStyle>& item = doc.m_masterStyles[i];
        EXPECT_STREQ(expected[i].name, item.name);
        EXPECT_EQ(GKey(expected[i].key, kACS), item.key);
        EXPECT_EQ(GMasterStyle(expected[i].font, expected[i].para), item.style);
    }
}

TEST_F(DefaultStyles, ClearAllDocumentRebuildsTheSameTables)
{
    CWDocument fresh, used;
    used.m_fontStyles.Add(GStyleItem<GFontStyle>("extra", GFontStyle()));
    used.m_paraStyles.Destroy(0, 3);
    used.m_masterStyles.Flush();
    used.m_listStyles.Add(GStyleItem<GListStyle>("mine", GListStyle(1)));
    used.ClearAllDocument();

    ASSERT_EQ(fresh.m_fontStyles.GetCount(), used.m_fontStyles.GetCount());
    ASSERT_EQ(fresh.m_paraStyles.GetCount(), used.m_paraStyles.GetCount());
    ASSERT_EQ(fresh.m_masterStyles.GetCount(), used.m_masterStyles.GetCount());
    ASSERT_EQ(fresh.m_listStyles.GetCount(), used.m_listStyles.GetCount());
    for (int i = 0; i < fresh.m_fontStyles.GetCount(); i++)
    {
        EXPECT_STREQ(fresh.m_fontStyles[i].name, used.m_fontStyles[i].name);
        EXPECT_EQ(fresh.m_fontStyles[i].style, used.m_fontStyles[i].style);
    }
    for (int i = 0; i < fresh.m_paraStyles.GetCount(); i++)
        EXPECT_EQ(fresh.m_paraStyles[i].style, used.m_paraStyles[i].style) << i;
    for (int i = 0; i < fresh.m_masterStyles.GetCount(); i++)
        EXPECT_EQ(fresh.m_masterStyles[i].style, used.m_masterStyles[i].style) << i;
    for (int i = 0; i < fresh.m_listStyles.GetCount(); i++)
        EXPECT_EQ(fresh.m_listStyles[i].style, used.m_listStyles[i].style) << i;
}

TEST_F(DefaultStyles, CalledOnAFilledTableAppendsASecondSet)
{
    CWDocument doc;
    doc.CreateDefaultMasterStyles();
    ASSERT_EQ(2 * kDefaultMasterStyleCount, doc.m_masterStyles.GetCount());
    EXPECT_STREQ("(M) Normal", doc.m_masterStyles[kDefaultMasterStyleCount].name);
}
