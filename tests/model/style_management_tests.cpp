// The document's style management: adding, replacing and removing styles
// of the four kinds, the size check, refusals, and collecting unused
// unnamed entries with every reference renumbered.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GListField.h"
#include "resources/resource.h"
#include <string>
#include <vector>

namespace {

// Catches the message boxes the management shows.
class MessageApp : public CWinApp
{
public:
    MessageApp() : CWinApp("ZtStyleManagementTest") {}
    std::vector<std::string> shown;
    int DoMessageBox(LPCSTR text, UINT, UINT) override
    {
        shown.push_back(text ? text : "");
        return IDOK;
    }
};

GFontStyle Font(const char* face, int size)
{
    return GFontStyle(face, size, RGB(0, 0, 0), 0, GFontStyle::kBold);
}

class StyleManagement : public testing::Test
{
protected:
    void SetUp() override
    {
        flow = new GDoc(&doc, 0);
        doc.m_flows.Add(flow);
        char text[] = "abcdef\rghi";
        flow->InsertText(0, text, 1);
        doc.SetModifiedFlag(FALSE);
    }
    // Format run at pos from now on refers to style.
    void StyleFrom(long pos, Mint style)
    {
        GFormat run;
        run.pos = (LONG)pos;
        run.style = style;
        flow->InsFormatItem(run, flow->GetCharFormat(pos) + 1);
    }
    int AddFont(const char* name, const GFontStyle& style)
    {
        GStyleItem<GFontStyle> item(name, style);
        return doc.AddNewFStyle(item);
    }
    MessageApp app;
    CWDocument doc;
    GDoc* flow = NULL;
};

TEST_F(StyleManagement, AddingByNameKeepsChangesOrAppends)
{
    const int added = AddFont("Extra", Font("Arial", 100));
    EXPECT_EQ(added, doc.m_fontStyles.count - 1);
    doc.SetModifiedFlag(FALSE);
    // Equal under its name: the same index, nothing modified.
    EXPECT_EQ(AddFont("extra", Font("Arial", 100)), added);
    EXPECT_FALSE(doc.IsModified());
    // Different under its name: replaced in place.
    EXPECT_EQ(AddFont("Extra", Font("Arial", 200)), added);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_fontStyles[added].style.GetSize(), 200);
    // Unnamed and equal to a named one: that one.
    EXPECT_EQ(AddFont("", Font("Arial", 200)), added);
    EXPECT_TRUE(app.shown.empty());
}

TEST_F(StyleManagement, SizesOutsideFourToOneHundredTwentySevenPointsAreCorrectedWithAMessage)
{
    const struct
    {
        int given, kept;
        bool told;
    } cases[] = {{100, 100, false}, {10, 14, true}, {1, 1, false}, {5000, 448, true}};
    for (const auto& c : cases)
    {
        app.shown.clear();
        const int i = AddFont(("Size " + std::to_string(c.given)).c_str(), Font("Arial", c.given));
        EXPECT_EQ(doc.m_fontStyles[i].style.GetSize(), c.kept) << c.given;
        EXPECT_EQ(app.shown.size(), c.told ? 1u : 0u) << c.given;
    }
    EXPECT_EQ(app.shown.back(), "Font size must be between 4 and 127 points. Size recalculated to fit.");
}

TEST_F(StyleManagement, RemovingAnUnusedStyleRenumbersEveryReference)
{
    const int unused = AddFont("Extra A", Font("Arial", 100));
    AddFont("Extra C", Font("Arial", 150));
    const int c = (int)doc.m_fontStyles.FindStyle("Extra C");
    StyleFrom(2, Mint((short)c, 0));
    GStyleItem<GMasterStyle> master("Extra M", GMasterStyle(c, 0));
    const int m = doc.AddNewMStyle(master);
    GParaStyle p1, p2;
    p1.m_Left = Gint(111);
    p2.m_Left = Gint(222);
    GStyleItem<GParaStyle> unusedPara("Extra P1", p1), usedPara("Extra P2", p2);
    const int p1Index = doc.AddNewPStyle(unusedPara);
    flow->m_paras[1].style = Mint((short)doc.AddNewPStyle(usedPara), 0);
    const int fonts = doc.m_fontStyles.count;

    EXPECT_EQ(doc.RemoveFStyle(unused), 1);
    EXPECT_EQ(doc.m_fontStyles.count, fonts - 1);
    EXPECT_EQ(doc.m_fontStyles.FindStyle("Extra A"), -1);
    const long cNow = doc.m_fontStyles.FindStyle("Extra C");
    EXPECT_EQ(cNow, c - 1);
    EXPECT_EQ(flow->m_formats[flow->GetCharFormat(2)].style, Mint((short)cNow, 0));
    EXPECT_EQ(doc.m_masterStyles[m].style.m_Font, cNow);

    EXPECT_EQ(doc.RemovePStyle(p1Index), 1);
    EXPECT_EQ(flow->m_paras[1].style, Mint((short)doc.m_paraStyles.FindStyle("Extra P2"), 0));
    EXPECT_EQ(flow->GetParaStylePtr(1)->m_Left.value, 222);
}

TEST_F(StyleManagement, RemovingAUsedStyleLeavesItUnnamed)
{
    const int used = AddFont("Extra U", Font("Arial", 120));
    StyleFrom(1, Mint((short)used, 0));
    EXPECT_EQ(doc.RemoveFStyle(used), 1);
    EXPECT_FALSE(doc.m_fontStyles[used].IsNamed());
    EXPECT_EQ(flow->GetCharFStylePtr(1)->GetSize(), 120);
}

TEST_F(StyleManagement, AnUnnamedMasterInUseKeepsItsStyles)
{
    const int font = AddFont("", Font("Courier", 130));
    GParaStyle para;
    para.m_Left = Gint(333);
    GStyleItem<GParaStyle> paraItem("", para);
    const int paraIndex = doc.AddNewPStyle(paraItem);
    GStyleItem<GMasterStyle> masterItem("", GMasterStyle(font, paraIndex));
    const int master = doc.AddNewMStyle(masterItem);
    StyleFrom(3, Mint((short)master, 1));
    flow->m_paras[1].style = Mint((short)master, 1);

    doc.GarbageCollection();
    EXPECT_EQ(flow->GetCharFStylePtr(3)->GetSize(), 130);
    EXPECT_EQ(flow->GetParaStylePtr(1)->m_Left.value, 333);
}

TEST_F(StyleManagement, RemovingAMasterTurnsItsUsesIntoItsTwoStyles)
{
    const int font = AddFont("Extra F", Font("Courier", 140));
    GStyleItem<GMasterStyle> masterItem("Extra Master", GMasterStyle(font, 0));
    const int master = doc.AddNewMStyle(masterItem);
    StyleFrom(3, Mint((short)master, 1));
    EXPECT_EQ(doc.RemoveMStyle(master), 1);
    EXPECT_EQ(flow->m_formats[flow->GetCharFormat(3)].style, Mint((short)doc.m_fontStyles.FindStyle("Extra F"), 0));
    EXPECT_EQ(flow->GetCharFStylePtr(3)->GetSize(), 140);
}

TEST_F(StyleManagement, StandardAndUsedListStylesAreRefused)
{
    while (doc.m_listStyles.count < 14)
    {
        GStyleItem<GListStyle> item(("List " + std::to_string(doc.m_listStyles.count)).c_str(),
                                    GListStyle((unsigned char)(doc.m_listStyles.count % 8 + 1)));
        doc.m_listStyles.Add(item);
    }
    flow->m_fields.Add(new GList(flow, 0, 12, 0, 1));
    flow->m_fields.Add(new GList(flow, 4, 13, 0, 1));
    EXPECT_EQ(doc.RemoveLStyle(11), 0);
    EXPECT_EQ(doc.RemoveLStyle(12), 0);
    ASSERT_EQ(app.shown.size(), 2u);
    EXPECT_EQ(app.shown[0], "Standard Bullet and Number styles cannot be deleted!");
    EXPECT_EQ(app.shown[1], "Bullet and Number styles in use cannot be deleted!");
    // An unused one goes; the fields after it follow.
    flow->m_fields.Destroy(0, 1);
    const int lists = doc.m_listStyles.count;
    EXPECT_EQ(doc.RemoveLStyle(12), 1);
    EXPECT_EQ(doc.m_listStyles.count, lists - 1);
    EXPECT_EQ(((GList*)flow->m_fields[0])->m_nStyle, 12);
}

} // namespace
