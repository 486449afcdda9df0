// Implied end tags, the order the optional elements are visited in, stray
// end tags, and the tag-class lists.
#include "tests/html/html_test_support.h"

using namespace html_test;
using Events = std::vector<std::string>;

TEST(HtmlOptionalTags, ImpliedAndExplicitEndTags)
{
    const struct
    {
        const char* what;
        const char* html;
        Events events;
    } cases[] = {
        {"the next item and the list end close items", "<ul><li>a<li>b</ul>",
         {"UL:", "LI:a", "/LI:", "LI:b", "/LI:", "/UL:"}},
        {"an explicit end tag is delivered once", "<ul><li>a</li></ul>", {"UL:", "LI:a", "/LI:", "/UL:"}},
        {"a heading closes a paragraph", "<p>a<h1>b", {"P:a", "/P:", "H1:b"}},
        {"/P is not implied before /P", "<p>a</p>", {"P:a", "/P:"}},
        {"a stray end tag is dropped, its text kept", "</p>x<b>y", {"$EOT$:x", "B:y"}},
        {"one tag closing two: the last visited is delivered", "<ul><li><p>a</ul>",
         {"UL:", "LI:", "P:a", "/P:", "/UL:"}},
        {"an inline tag closes DT", "<dl><dt>a<b>x</b>", {"DL:", "DT:a", "/DT:", "B:x", "/B:"}},
        {"TD is visited before TR, P last", "<table><tr><td><p>x</table>",
         {"TABLE:", "TR:", "TD:", "P:x", "/P:", "/TABLE:"}},
        {"TD then TR: /TR is delivered", "<table><tr><td>x</table>", {"TABLE:", "TR:", "TD:x", "/TR:", "/TABLE:"}},
        {"a second LI stops the visit before P", "<li>a<p>b<li>c", {"LI:a", "P:b", "/LI:", "LI:c"}},
        {"TD does not close TH", "<tr><th>a<td>b", {"TR:", "TH:a", "TD:b"}},
        {"a stray /P, then three P: each P closes the one before", "</p><p>a<p>b<p>c",
         {"P:a", "/P:", "P:b", "/P:", "P:c"}},
        {"a stray /LI does not keep the next list's items open", "</li><ul><li>a<li>b</ul>",
         {"UL:", "LI:a", "/LI:", "LI:b", "/LI:", "/UL:"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EventsOf(c.html), c.events) << c.what;
}

TEST(HtmlOptionalTags, TheMapVisitsItsElementsInTheFixedOrder)
{
    COptionalTagsMap map;
    EXPECT_EQ(map.GetCount(), 9);
    std::vector<std::string> order;
    for (POSITION pos = map.GetStartPosition(); pos;)
    {
        HtmlTagType type;
        COptionalTagMapData data;
        map.GetNextAssoc(pos, type, data);
        order.push_back((LPCSTR)data.m_EndTag);
        EXPECT_EQ(data.m_nOpen, 0);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"/TH", "/TFOOT", "/TD", "/TR", "/DD", "/DT", "/LI", "/OPTION", "/P"}));
    EXPECT_EQ(COptionalTagsMap::FoundIn(tagEndP, COptionalTagsMap::m_PTags), tagEOT);
    EXPECT_EQ(COptionalTagsMap::FoundIn(tagEndLI, COptionalTagsMap::m_ListItemTags), tagEOT);
}

TEST(HtmlTagClasses, ListsAndTests)
{
    auto count = [](const HtmlTagType* list) {
        int n = 0;
        while (list[n] != tagEOT)
            n++;
        return n;
    };
    EXPECT_EQ(count(CHtmlParser::m_BlockLevelTags), 41);
    EXPECT_EQ(count(CHtmlParser::m_InlineTags), 62);
    EXPECT_EQ(count(CHtmlParser::m_PhraseTags), 20);
    EXPECT_EQ(count(CHtmlParser::m_ForbiddenEndTags), 12);
    EXPECT_EQ(count(CHtmlParser::m_OptionalTags), 18);
    EXPECT_EQ(count(COptionalTagsMap::m_DTTags), 65);
    EXPECT_EQ(count(COptionalTagsMap::m_PTags), 40);

    EXPECT_TRUE(CHtmlParser::IsBlockLevelTag(tagEndTABLE));
    EXPECT_FALSE(CHtmlParser::IsBlockLevelTag(tagSPAN));
    EXPECT_TRUE(CHtmlParser::IsInlineTag(tagEndABBR));   // in the phrase list only
    EXPECT_TRUE(CHtmlParser::IsInlineTag(tagIMG));
    EXPECT_TRUE(CHtmlParser::IsPhraseTag(tagKBD));
    EXPECT_TRUE(CHtmlParser::IsForbiddenEndTag(tagBR));
    EXPECT_FALSE(CHtmlParser::IsForbiddenEndTag(tagCOL));
    EXPECT_TRUE(CHtmlParser::IsOptionalTag(tagEndP));
    EXPECT_FALSE(CHtmlParser::IsOptionalTag(tagP));
    EXPECT_TRUE(CHtmlParser::IsRequaredEndTag(tagP));
    EXPECT_FALSE(CHtmlParser::IsRequaredEndTag(tagHR));
    EXPECT_FALSE(CHtmlParser::IsRequaredEndTag(tagEndLI));

    EXPECT_TRUE(CHtmlParser::IsBeginTag(CHtmlParser::TagRow(tagP)));
    EXPECT_TRUE(CHtmlParser::IsEndTag(CHtmlParser::TagRow(tagEndP)));
    EXPECT_TRUE(CHtmlParser::HasEndTag(CHtmlParser::TagRow(tagSPAN)));
    for (HtmlTagType noEnd : {tagBR, tagCOL, tagPLAINTEXT, tagComment, tagDOCTYPE, tagEOT, tagEndP})
        EXPECT_FALSE(CHtmlParser::HasEndTag(CHtmlParser::TagRow(noEnd))) << CHtmlParser::TagRow(noEnd).name;
}
