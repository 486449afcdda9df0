// CPoint, CSize and CRect: the Win32 rectangle rules (right and bottom edges
// exclusive, empty results zeroed) and the operators built on them.
#include "tests/support/zt_gtest.h"
#include "afx.h"

namespace {

::testing::AssertionResult RectIs(const CRect& r, int l, int t, int rt, int b)
{
    if (r.left == l && r.top == t && r.right == rt && r.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << r.left << "," << r.top << ")-(" << r.right << ","
                                         << r.bottom << "), want (" << l << "," << t << ")-(" << rt << "," << b << ")";
}

TEST(CRectTest, IntersectAndUnion)
{
    const struct
    {
        const char* label;
        CRect a, b;
        BOOL intersects;
        CRect intersection, unionRect;
    } cases[] = {
        {"overlap", {0, 0, 10, 10}, {5, 5, 20, 20}, TRUE, {5, 5, 10, 10}, {0, 0, 20, 20}},
        {"contained", {0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {2, 3, 4, 5}, {0, 0, 10, 10}},
        {"touching edges", {0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}, {0, 0, 20, 10}},
        {"apart", {0, 0, 5, 5}, {8, 8, 9, 9}, FALSE, {0, 0, 0, 0}, {0, 0, 9, 9}},
        {"one empty", {0, 0, 5, 5}, {3, 3, 3, 9}, FALSE, {0, 0, 0, 0}, {0, 0, 5, 5}},
        {"both empty", {1, 1, 1, 5}, {2, 2, 9, 2}, FALSE, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.label);
        CRect r(-1, -1, -1, -1);
        EXPECT_EQ(c.intersects, r.IntersectRect(&c.a, &c.b));
        EXPECT_TRUE(RectIs(r, c.intersection.left, c.intersection.top, c.intersection.right, c.intersection.bottom));
        EXPECT_TRUE(RectIs(c.a & c.b, c.intersection.left, c.intersection.top, c.intersection.right, c.intersection.bottom));
        EXPECT_EQ(!c.unionRect.IsRectEmpty(), r.UnionRect(&c.a, &c.b));
        EXPECT_TRUE(RectIs(r, c.unionRect.left, c.unionRect.top, c.unionRect.right, c.unionRect.bottom));
        EXPECT_TRUE(c.unionRect == (c.a | c.b));

        CRect inPlace = c.a;
        inPlace &= c.b;
        EXPECT_TRUE(inPlace == c.intersection);
        inPlace = c.a;
        inPlace |= c.b;
        EXPECT_TRUE(inPlace == c.unionRect);
    }
}

TEST(CRectTest, PointsOnTheRightAndBottomEdgesAreOutside)
{
    const CRect r(10, 20, 30, 40);
    const struct { int x, y; BOOL inside; } cases[] = {
        {10, 20, TRUE}, {29, 39, TRUE}, {20, 30, TRUE},
        {30, 25, FALSE}, {15, 40, FALSE}, {30, 40, FALSE}, {9, 25, FALSE}, {15, 19, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.inside, r.PtInRect(CPoint(c.x, c.y))) << c.x << "," << c.y;
    EXPECT_FALSE(CRect(5, 5, 5, 9).PtInRect(CPoint(5, 6)));
}

TEST(CRectTest, ShapeEdits)
{
    CRect r(30, 40, 10, 20);
    EXPECT_EQ(-20, r.Width());
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    EXPECT_TRUE(RectIs(r, 10, 20, 30, 40));
    EXPECT_EQ(20, r.Width());
    EXPECT_EQ(20, r.Height());
    EXPECT_TRUE(r.Size() == CSize(20, 20));
    EXPECT_TRUE(r.CenterPoint() == CPoint(20, 30));

    r.InflateRect(2, 3);
    EXPECT_TRUE(RectIs(r, 8, 17, 32, 43));
    r.DeflateRect(2, 3);
    EXPECT_TRUE(RectIs(r, 10, 20, 30, 40));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(r, 9, 18, 33, 44));
    r.DeflateRect(1, 2, 3, 4);
    const RECT margins = {1, 2, 3, 4};
    r.InflateRect(&margins);
    EXPECT_TRUE(RectIs(r, 9, 18, 33, 44));
    r.DeflateRect(&margins);
    r.InflateRect(CSize(5, 5));
    r.DeflateRect(CSize(5, 5));
    EXPECT_TRUE(RectIs(r, 10, 20, 30, 40));

    r.OffsetRect(-10, 5);
    EXPECT_TRUE(RectIs(r, 0, 25, 20, 45));
    r.OffsetRect(CPoint(1, 1));
    r.OffsetRect(CSize(-1, -1));
    EXPECT_TRUE(RectIs(r, 0, 25, 20, 45));

    // TopLeft/BottomRight are views onto the fields.
    r.TopLeft() = CPoint(1, 2);
    r.BottomRight().Offset(1, 1);
    EXPECT_TRUE(RectIs(r, 1, 2, 21, 46));

    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect(3, 3, 3, 3).IsRectEmpty());
    EXPECT_FALSE(CRect(3, 3, 3, 3).IsRectNull());
    EXPECT_TRUE(RectIs(CRect(CPoint(1, 2), CSize(3, 4)), 1, 2, 4, 6));
    EXPECT_TRUE(RectIs(CRect(CPoint(1, 2), CPoint(3, 4)), 1, 2, 3, 4));
}

TEST(CRectTest, Operators)
{
    const CRect r(0, 0, 10, 10);
    EXPECT_TRUE(RectIs(r + CPoint(2, 3), 2, 3, 12, 13));
    EXPECT_TRUE(RectIs(r - CPoint(2, 3), -2, -3, 8, 7));
    EXPECT_TRUE(RectIs(r + CSize(1, 1), 1, 1, 11, 11));
    EXPECT_TRUE(RectIs(r - CSize(1, 1), -1, -1, 9, 9));
    EXPECT_TRUE(RectIs(CPoint(5, 5) + &r, 5, 5, 15, 15));
    EXPECT_TRUE(RectIs(CPoint(5, 5) - &r, -5, -5, 5, 5));

    CRect m = r;
    m += CPoint(1, 2);
    m -= CSize(1, 2);
    EXPECT_TRUE(m == r);
    EXPECT_FALSE(m != r);
    m += CSize(0, 1);
    EXPECT_TRUE(m != r);
    RECT plain = {1, 2, 3, 4};
    m = plain;
    EXPECT_TRUE(m.EqualRect(&plain));
    EXPECT_EQ(3, ((LPCRECT)m)->right);
}

TEST(CPointSizeTest, Arithmetic)
{
    CPoint p(3, 4);
    EXPECT_TRUE(p + CSize(1, 1) == CPoint(4, 5));
    EXPECT_TRUE(p - CSize(1, 1) == CPoint(2, 3));
    EXPECT_TRUE(p + CPoint(1, 2) == CPoint(4, 6));
    CSize d = p - CPoint(1, 1);
    EXPECT_TRUE(d == CSize(2, 3));
    EXPECT_TRUE(-p == CPoint(-3, -4));
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    EXPECT_TRUE(p == CPoint(2, 3));
    p.Offset(CSize(-2, -3));
    EXPECT_TRUE(p == CPoint(0, 0));
    // Packed coordinates are signed 16-bit, as in mouse messages.
    EXPECT_TRUE(CPoint((DWORD)MAKELONG(-5, 7)) == CPoint(-5, 7));
    EXPECT_TRUE(CSize((DWORD)MAKELONG(2, -3)) == CSize(2, -3));

    CSize s(2, 3);
    EXPECT_TRUE(s + CSize(1, 1) == CSize(3, 4));
    EXPECT_TRUE(s - CSize(1, 1) == CSize(1, 2));
    EXPECT_TRUE(-s == CSize(-2, -3));
    EXPECT_TRUE(s + CPoint(1, 1) == CPoint(3, 4));
    s += CSize(1, 1);
    s -= CSize(3, 4);
    EXPECT_TRUE(s == CSize(0, 0));
    EXPECT_TRUE(s != CSize(0, 1));
}

}  // namespace
