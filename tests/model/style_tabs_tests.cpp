// Tab stops: the default array, AddTab, SetTab in each mode, Reordering,
// GuessTabStep, Validate, and the stored forms of a stop.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "model/GTabArr.h"
#include "tests/model/style_test_support.h"
#include <vector>

using namespace style_tests;

namespace {

const int E = GTab::kEmpty;

// An array holding the given positions (left stops), the rest empty.
GTabArr Tabs(std::vector<int> positions)
{
    GTabArr a;
    for (int i = 0; i < GTabArr::kCount; i++)
        a[i] = GTab(GTab::kLeft, (short)(i < (int)positions.size() ? positions[i] : E));
    return a;
}

std::vector<int> Positions(const GTabArr& a)
{
    std::vector<int> out;
    for (int i = 0; i < GTabArr::kCount; i++)
        if (a[i].IsValid())
            out.push_back(a[i].Pos());
    return out;
}

} // namespace

TEST(StyleTabs, NewArrayHoldsLeftStopsEvery127)
{
    GTabArr a;
    for (int i = 0; i < GTabArr::kCount; i++)
    {
        EXPECT_EQ((i + 1) * 127, a[i].Pos());
        EXPECT_EQ(GTab::kLeft, a[i].type);
        EXPECT_TRUE(a[i].position.IsDefined());
    }
    EXPECT_EQ(2032, a[15].Pos());
    EXPECT_EQ(-1, a.m_PrevLeft);
    EXPECT_EQ(-1, a.m_PrevRight);
    EXPECT_EQ(16, a.GetValidItems());
}

TEST(StyleTabs, AddTabAndDelTab)
{
    GTabArr a = Tabs({ 100, 300 });
    EXPECT_EQ(1, a.AddTab(GTab(GTab::kLeft, 200)));
    EXPECT_EQ((std::vector<int>{ 100, 200, 300 }), Positions(a));
    // The same stop again is found, not added.
    EXPECT_EQ(1, a.AddTab(GTab(GTab::kLeft, 200)));
    EXPECT_EQ(3, a.GetValidItems());
    // Same position, other type: a second stop.
    EXPECT_EQ(2, a.AddTab(GTab(GTab::kRight, 200)));
    EXPECT_EQ(4, a.GetValidItems());
    a.DelTab(0);
    EXPECT_EQ((std::vector<int>{ 200, 200, 300 }), Positions(a));

    // A full array gives up the stop in slot 15.
    GTabArr full;
    EXPECT_EQ(0, full.AddTab(GTab(GTab::kCentre, 50)));
    EXPECT_EQ(16, full.GetValidItems());
    EXPECT_EQ(1905, full[15].Pos());
}

TEST(StyleTabs, SetTabInEachMode)
{
    struct Case
    {
        const char* what;
        std::vector<int> before;
        int index, position, mode;
        std::vector<int> after;
    } cases[] = {
        { "mode 1 forward keeps order", { 100, 200, 300, 400 }, 0, 350, GTabArr::kMoveOne, { 200, 300, 350, 400 } },
        { "mode 1 backward keeps order", { 100, 200, 300, 400 }, 3, 150, GTabArr::kMoveOne, { 100, 150, 200, 300 } },
        { "mode 1 small move", { 100, 200, 300 }, 1, 210, GTabArr::kMoveOne, { 100, 210, 300 } },
        { "mode 3 forward swallows", { 100, 200, 300, 400 }, 0, 350, GTabArr::kMoveSwallow, { 350, 400 } },
        { "mode 3 backward swallows", { 100, 200, 300, 400 }, 3, 150, GTabArr::kMoveSwallow, { 100, 150 } },
        { "mode 2 shifts the following", { 100, 200, 300 }, 1, 250, GTabArr::kMoveFollowing, { 100, 250, 350 } },
        { "mode 2 back removes passed stops", { 100, 200, 300 }, 1, 50, GTabArr::kMoveFollowing, { 50, 150 } },
        { "mode 2 far back leaves empty slots empty", { 9000, 10000 }, 0, 100, GTabArr::kMoveFollowing, { 100, 1100 } },
        { "unknown mode changes nothing", { 100, 200 }, 0, 150, 4, { 100, 200 } },
        { "negative position empties the slot", { 100, 200 }, 0, -20, GTabArr::kMoveOne, { 200 } },
        { "beyond 24000 empties the slot", { 100, 200 }, 1, 24001, GTabArr::kMoveOne, { 100 } },
        { "24000 itself is kept", { 100, 200 }, 1, 24000, GTabArr::kMoveOne, { 100, 24000 } },
    };
    for (const Case& c : cases)
    {
        GTabArr a = Tabs(c.before);
        a.SetTab((unsigned char)c.index, GTab(GTab::kLeft, (short)c.position), (unsigned char)c.mode);
        EXPECT_EQ(c.after, Positions(a)) << c.what;
        // Empty slots stay at the end.
        int valid = a.GetValidItems();
        for (int i = valid; i < GTabArr::kCount; i++)
            EXPECT_FALSE(a[i].IsValid()) << c.what << " slot " << i;
    }

    // A stop equal in all six bytes changes nothing.
    GTabArr a = Tabs({ 100, 200 });
    GTabArr before = a;
    a.SetTab(0, a[0], GTabArr::kMoveSwallow);
    EXPECT_TRUE(a == before);
}

TEST(StyleTabs, ReorderingRefillsAtAStep)
{
    struct Case
    {
        const char* what;
        std::vector<int> before;
        int index, step, left, right;
        std::vector<int> after;
    } cases[] = {
        { "after a set stop", { 0, 100, 700 }, 1, 200, 0, 1000, { 0, 100, 300, 500, 700, 900, 1000 } },
        { "a set stop near the right edge moves to it", { 0, 950 }, 1, 100, 0, 1000, { 0, 1000, 1000 } },
        { "from an empty slot", { 300 }, 1, 250, 100, 1000, { 100, 300, 350, 600, 850, 1000 } },
        { "a stop before the fill outside the edges goes", { 50, 200 }, 1, 300, 100, 850, { 100, 200, 500, 800, 850 } },
    };
    for (const Case& c : cases)
    {
        GTabArr a = Tabs(c.before);
        a.Reordering((unsigned char)c.index, c.step, c.left, c.right);
        EXPECT_EQ(c.after, Positions(a)) << c.what;
    }
}

TEST(StyleTabs, GuessTabStepTakesTheMostFrequentGap)
{
    struct Case
    {
        std::vector<int> stops;
        int step;
    } cases[] = {
        { {}, 127 },
        { { 345 }, 345 },
        { { 100, 200, 300, 500 }, 100 },
        { { 100, 250, 400, 500, 600 }, 150 },   // tie: the first seen
        { { 0, 50, 100, 300, 500, 700 }, 200 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.step, Tabs(c.stops).GuessTabStep()) << c.stops.size() << " stops";
}

TEST(StyleTabs, ValidateFitsTheStopsToTheTextEdges)
{
    GTabArr a;
    a.Validate(0, 1500);
    std::vector<int> first = { 0 };
    for (int p = 127; p < 1500; p += 127)
        first.push_back(p);
    first.push_back(1500);
    EXPECT_EQ(first, Positions(a));
    EXPECT_EQ(GTab::kLeft, a[0].type);
    EXPECT_EQ(GTab::kRight, a[a.GetValidItems() - 1].type);
    EXPECT_EQ(0, a.m_PrevLeft);
    EXPECT_EQ(1500, a.m_PrevRight);

    // The left edge moves in: the stops at or below it go.
    a.Validate(300, 1500);
    std::vector<int> second = { 300 };
    for (int p = 381; p < 1500; p += 127)
        second.push_back(p);
    second.push_back(1500);
    EXPECT_EQ(second, Positions(a));

    // The edges move out again: default stops fill the freed room.
    a.Validate(0, 1800);
    std::vector<int> third = { 0, 127, 254 };
    for (int p = 381; p < 1500; p += 127)
        third.push_back(p);
    third.insert(third.end(), { 1524, 1651, 1778, 1800 });
    EXPECT_EQ(third, Positions(a));
    EXPECT_EQ(GTab::kRight, a[a.GetValidItems() - 1].type);

    // Filling never pushes out the right edge of a full array.
    GTabArr b = Tabs({ 2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900, 3000, 3100, 3200 });
    b.m_PrevLeft = 1999;
    b.m_PrevRight = 3300;
    b.Validate(0, 3300);
    EXPECT_EQ(16, b.GetValidItems());
    EXPECT_EQ(3300, b[15].Pos());
    EXPECT_EQ(GTab::kRight, b[15].type);
}

TEST(StyleTabs, StoredStopIs6BytesAndOlderIs4)
{
    GTab t(GTab::kDecimal, 1234);
    Bytes bytes = StoreToBytes([&](CArchive& ar) { t.SaveZVW(ar); });
    EXPECT_EQ((Bytes{ 3, 0, 0xD2, 0x04, 1, 0 }), bytes);
    GTab back;
    EXPECT_EQ(0u, LoadFromBytes(bytes, [&](CArchive& ar) { back.OpenZVW(ar); }));
    EXPECT_TRUE(back == t);

    // Older: type stored one higher, packed position.
    Bytes old = { 3, 0x10, 0x00, 0 };
    _GTab packed;
    EXPECT_EQ(0u, LoadFromBytes(old, [&](CArchive& ar) { packed.OpenZVW(ar); }));
    Eq(back, packed);
    EXPECT_EQ(GTab::kRight, back.type);
    EXPECT_EQ(16, back.Pos());
    EXPECT_FALSE(back.position.IsDefined());
}
