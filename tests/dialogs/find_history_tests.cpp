// Find and replace requests and their histories: a new request, newest
// first, case-sensitive texts, moving an entry to the front, long
// histories.
#include "tests/support/zt_gtest.h"
#include "dialogs/CWFndRpl.h"
#include <string>
#include <vector>

namespace
{
class FindHistories : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FndArr->Flush();
        RplArr->Flush();
    }
    void TearDown() override { SetUp(); }
    static CWFndRpl Named(const char* text, LONG position = 0)
    {
        CWFndRpl r;
        r.SetText(text);
        r.position = position;
        return r;
    }
    static std::vector<std::string> Texts(CWFndHistory& history)
    {
        std::vector<std::string> texts;
        for (long i = 0; i < history.GetCount(); ++i)
            texts.push_back(history[i].text);
        return texts;
    }
};

TEST_F(FindHistories, ANewRequestIsEmptyAndSearchesDown)
{
    CWFndRpl r;
    EXPECT_EQ(r.text[0], 0);
    EXPECT_FALSE(r.fontStyle.IsNamed());
    EXPECT_EQ(r.direction, CWFndRpl::kDown);
    EXPECT_EQ(r.position, 0);
    EXPECT_EQ(r.matchFontFormat + r.matchParaFormat + r.wholeWord + r.matchCase, 0);
    EXPECT_EQ(r.fontStyle.style.GetAttr(GFontStyle::kBold), 2);
}

TEST_F(FindHistories, NewestFirstCaseSensitiveAndMovedToTheFront)
{
    for (const char* t : {"a", "b", "c", "d", "word"})
        AddNewFnd(Named(t));
    AddNewFnd(Named("Word"));
    EXPECT_EQ(Texts(FndArr), (std::vector<std::string>{"Word", "word", "d", "c", "b", "a"}));
    AddNewFnd(Named("c", 42));
    EXPECT_EQ(Texts(FndArr), (std::vector<std::string>{"c", "Word", "word", "d", "b", "a"}));
    EXPECT_EQ(FndArr[0].position, 42);
    SetFndActive(0);
    EXPECT_EQ(Texts(FndArr), (std::vector<std::string>{"c", "Word", "word", "d", "b", "a"}));
    SetFndActive(5);
    EXPECT_EQ(Texts(FndArr), (std::vector<std::string>{"a", "c", "Word", "word", "d", "b"}));
    SetFndActive(6);   // outside: nothing
    EXPECT_EQ(FndArr.GetCount(), 6);
    EXPECT_EQ(RplArr.GetCount(), 0);
    AddNewRpl(Named("x"));
    AddNewRpl(Named("y"));
    SetRplActive(1);
    EXPECT_EQ(Texts(RplArr), (std::vector<std::string>{"x", "y"}));
}

TEST_F(FindHistories, ALongHistoryIsSearchedWhole)
{
    for (int i = 0; i < 300; ++i)
        AddNewFnd(Named(std::to_string(i).c_str()));
    AddNewFnd(Named("0", 7));
    EXPECT_EQ(FndArr.GetCount(), 300);
    EXPECT_STREQ(FndArr[0].text, "0");
    EXPECT_EQ(FndArr[0].position, 7);
    EXPECT_STREQ(FndArr[1].text, "299");
}
} // namespace
