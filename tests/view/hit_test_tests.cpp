// Hit tests of every kind on a view in a hidden window, with the usable
// position GetNearDocPos gives for each.
#include "tests/view/view_window.h"
#include "view/GHitTest.h"

namespace {

class HitTests : public ViewWindowFixture
{
protected:
    void Prepare(const char* text)
    {
        Type(body, 0, text);
        MakeView();
        SetZoom(4, 100);
        setup = doc->m_pageInfos[0];
    }
    GHitTest Hit(CPoint p, int nearest = 0)
    {
        GHitTest hit(p, view);
        view->HitTestPos(hit, nearest);
        return hit;
    }
    GPageInfo setup;
};

TEST_F(HitTests, KindsAroundTheBodyText)
{
    Prepare("Wrap one\rtwo");
    const long left = setup.textLeft, right = setup.textRight, top = setup.textTop;
    const long row0 = body->GetRowChar(0), row1 = body->GetRowChar(1);
    const struct
    {
        const char* where;
        long x, y;
        int kind;
        long nearPos;
    } cases[] = {
        {"in the first row", left + 3, top + 20, kHitText, 1},
        {"2 mm left of the text", left - 20, top + 20, kHitText, row0},
        {"4 mm left of the text", left - 40, top + 20, kHitLeft, row0},
        {"4 mm right of the text", right + 40, top + 20, kHitRight, row1 - 1},
        {"right of a paragraph's end", left + 1200, top + 20, kHitText, 8},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.where);
        GHitTest hit = Hit(At(c.x, c.y));
        EXPECT_EQ(hit.kind, c.kind);
        EXPECT_EQ(hit.part, 0);
        EXPECT_EQ(hit.page, 0);
        EXPECT_EQ(hit.GetNearDocPos(), c.nearPos);
        EXPECT_EQ(view->m_nHitKind, c.kind);
    }
}

TEST_F(HitTests, AboveBelowAndBetweenPages)
{
    Prepare("Short\rtext");
    GHitTest above = Hit(CPoint(200, -20));
    EXPECT_EQ(above.kind, kHitAbove);
    EXPECT_EQ(above.page, 0);
    EXPECT_EQ(above.part, -1) << "no further step runs";
    EXPECT_EQ(above.GetNearDocPos(), 0);

    CPoint gapAbove = At(500, -10);
    GHitTest inGap(gapAbove, view);
    view->HitTestPage(inGap);
    EXPECT_EQ(inGap.page, 0);
    EXPECT_EQ(inGap.kind, kHitText);
    EXPECT_LT(inGap.y, 0);

    GHitTest below = Hit(At(500, 2970 + 20));
    EXPECT_EQ(below.kind, kHitBelow);
    EXPECT_EQ(below.page, 0);
    EXPECT_EQ(below.GetNearDocPos(), body->GetPageChar(1) - 1);

    GHitTest underText = Hit(At(setup.textLeft + 100, setup.textTop + 1000));
    EXPECT_EQ(underText.kind, kHitBelowBlocks);
    EXPECT_EQ(underText.GetNearDocPos(), body->GetColumnChar(underText.block, 0) - 1);
}

TEST_F(HitTests, AnEmptyTextColumnAndTheNearestOfTwoPositions)
{
    Prepare("W");
    tagColumnData data[kMostTextColumns] = {{700, 60}, {700, 0}};
    {
        CChangeBracket bracket(doc);
        body->SetColumns(0, body->m_chars.count - 3, 2, data, 0);
    }
    const long block = body->GetCharColumn(0);
    ASSERT_EQ((BYTE)body->m_columns[block].count, 2);
    ASSERT_LT(body->m_columns[block].startRows[1], 0) << "one row fills only the first column";
    GHitTest empty = Hit(At(setup.textLeft + 700 + 60 + 100, setup.textTop + 10));
    EXPECT_EQ(empty.kind, kHitBelowRows);
    EXPECT_EQ(empty.column, 1);
    EXPECT_EQ(empty.GetNearDocPos(), body->GetColumnChar(block, 2) - 1);

    int ascent = 0;
    const long w = body->CalcTextSizeSimple(0, 1, 1, ascent, GetMemIC()).cx;
    ASSERT_GT(w, 20);
    GHitTest rightHalf = Hit(At(setup.textLeft + w * 3 / 4, setup.textTop + 10), 1);
    EXPECT_EQ(rightHalf.character, 1);
    EXPECT_EQ(rightHalf.nearest, 1);
    GHitTest leftHalf = Hit(At(setup.textLeft + w / 4, setup.textTop + 10), 1);
    EXPECT_EQ(leftHalf.character, 0);
    EXPECT_EQ(leftHalf.nearest, 0);
}

TEST_F(HitTests, TheHigherTextFrameWinsWhereFramesOverlap)
{
    Prepare("Body");
    GDoc* texts[2];
    for (int i = 0; i < 2; ++i)
    {
        texts[i] = new GDoc(doc, doc->m_flows.GetCount());
        doc->m_flows.Add(texts[i]);
        CFrame* f = new CFrame(doc, body, texts[i], 400 + 100 * i, 1000, 600, 400, 0, 0, kHFromPage, kVPageTop,
                               kSizeFixedHeight, kSizeFixedWidth, 0, 0, 1);
        body->m_frames.Add(f);
        texts[i]->m_pFirstFrame = f;
        f->MakeArea(0);
    }
    GHitTest both = Hit(At(700, 1200));
    EXPECT_EQ(both.part, texts[1]->m_nIndex);
    GHitTest first = Hit(At(450, 1200));
    EXPECT_EQ(first.part, texts[0]->m_nIndex);
    doc->m_nCurPart = texts[0]->m_nIndex;
    GHitTest nowhere = Hit(At(2150, 1200));
    EXPECT_EQ(nowhere.part, -1);
    EXPECT_EQ(nowhere.kind, kHitNoPart) << "level with the current frame, in no part";
    EXPECT_EQ(nowhere.GetNearDocPos(), -1);
    doc->m_nCurPart = 0;
}

} // namespace
