// Frames: visibility by kind, heights and their limits, text insets,
// unique names, areas, the holes a frame cuts into rows beside it, and the
// stored form of a frame list.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_test_support.h"
#include "layout/CFrame.h"
#include "document/CWDocument.h"
#include "model/GPageInfo.h"
#include <string>
#include <vector>

using namespace layout_test;

namespace {

class FrameTest : public testing::Test
{
protected:
    FallbackParaScope scope;
    CWDocument doc;
    GDoc* body = NULL;
    GDoc* boxText = NULL;     // the text flow of a text box (index 7 or more)
    CFrame* bodyFrame = NULL;
    GPageInfo info;

    void SetUp() override
    {
        GParaStyle& style = FallbackParaScope::Style();
        style.m_Left = Gint(0);
        style.m_FirstLine = Gint(0);
        style.m_Right = Gint(0);
        style.m_Align = GParaStyle::kAlignLeft;
        while (doc.m_flows.GetCount() < kFirstContentFlow)
            doc.m_flows.Add(new GDoc(&doc, doc.m_flows.GetCount()));
        body = doc.m_flows[0];
        boxText = new GDoc(&doc, doc.m_flows.GetCount());
        doc.m_flows.Add(boxText);
        info = doc.m_pageInfos[0];
        if (!body->m_pFirstFrame)
        {
            bodyFrame = new CFrame(&doc, NULL, body, info.textLeft, info.textTop, info.GetTextWidth(),
                                   info.GetTextHeight(), 0, 0, kHFromPage, kVPageTop, kSizeFixedHeight,
                                   kSizeFixedWidth, 0, 0, 0);
            body->m_pFirstFrame = bodyFrame;
            bodyFrame->MakeArea(0);
        }
    }

    void TearDown() override
    {
        // Frames go without touching the flows they show.
        for (long i = 0; i < doc.m_flows.GetCount(); ++i)
            for (long k = 0; k < doc.m_flows[i]->m_frames.GetCount(); ++k)
                doc.m_flows[i]->m_frames[k]->content = NULL;
        if (bodyFrame)
        {
            body->m_pFirstFrame = NULL;
            bodyFrame->content = NULL;
            bodyFrame->Destroy();
        }
    }

    // Where the body's text begins on page 0.
    long BodyTextTop() { return body->m_pFirstFrame->GetAreaByPage(0, 1).top; }

    // A text box anchored in the body, placed on page 0 by its
    // page-relative top left corner.
    CFrame* AddBox(long x, long y, long width, long height, GDoc* content = NULL, int hDistance = 0,
                   int vDistance = 0)
    {
        CFrame* f = new CFrame(&doc, body, content, x, y, width, height, 0, 0, kHFromPage, kVPageTop,
                               kSizeFixedHeight, kSizeFixedWidth, hDistance, vDistance, 1);
        body->m_frames.Add(f);
        f->MakeArea(0);
        return f;
    }
};

TEST_F(FrameTest, DestroyFrameTakesAFrameOutOfTheListThatHoldsIt)
{
    // A frame that shows no flow is one of the document's page frames.
    const long before = doc.m_frames.GetCount();
    CFrame* loose = new CFrame(&doc, NULL, NULL, 0, 0, 100, 100, 0, 0, kHFromPage, kVPageTop, kSizeFixedHeight,
                               kSizeFixedWidth, 0, 0, 0);
    doc.m_frames.Add(loose);
    DestroyFrame(loose, &doc);
    EXPECT_EQ(doc.m_frames.GetCount(), before);

    // A frame in neither list is left alone.
    CFrame* stray = new CFrame(&doc, NULL, NULL, 0, 0, 100, 100, 0, 0, kHFromPage, kVPageTop, kSizeFixedHeight,
                               kSizeFixedWidth, 0, 0, 0);
    DestroyFrame(stray, &doc);
    EXPECT_EQ(doc.m_frames.GetCount(), before);
    stray->Destroy();
}

TEST_F(FrameTest, VisibilityFollowsKindAndPage)
{
    struct Case
    {
        int vKind;
        bool visible[3];   // pages 0, 1, 2
    } cases[] = {
        {kVHeaderOdd, {true, true, true}},   // odd and even pages do not differ
        {kVFooterOdd, {true, true, true}},
        {kVHeaderEven, {false, false, false}},
        {kVFooterEven, {false, false, false}},
        {kVHeaderFirst, {false, false, false}},   // the first page does not differ
        {kVFooterFirst, {false, false, false}},
        {kVPageTop, {true, false, false}},        // on its own page only
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.vKind);
        CFrame f(&doc, NULL, NULL, 0, 0, 100, 100, 0, 0, kHFromPage, c.vKind, kSizeFixedHeight, kSizeFixedWidth,
                 0, 0, 0);
        EXPECT_TRUE(f.IsVisible(-1));
        for (int page = 0; page < 3; ++page)
            EXPECT_EQ(f.IsVisible(page) != 0, c.visible[page]) << "page " << page;
    }
}

TEST_F(FrameTest, HeadersAndFootersShowOnThePagesTheirSwitchesGive)
{
    struct Case
    {
        LONG first, oddEven;
        int vKind;
        bool visible[3];   // pages 0, 1, 2
    } cases[] = {
        {1, 0, kVHeaderOdd, {false, true, true}},
        {1, 0, kVHeaderFirst, {true, false, false}},
        {1, 0, kVFooterFirst, {true, false, false}},
        {0, 1, kVHeaderOdd, {true, false, true}},
        {0, 1, kVFooterOdd, {true, false, true}},
        {0, 1, kVHeaderEven, {false, true, false}},
        {0, 1, kVFooterEven, {false, true, false}},
        {1, 1, kVHeaderOdd, {false, false, true}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.first << c.oddEven << " kind " << c.vKind);
        doc.m_pageInfos[0].layoutValues[0] = c.first;   // first page differs
        doc.m_pageInfos[0].layoutValues[1] = c.oddEven; // odd and even pages differ
        CFrame f(&doc, NULL, NULL, 0, 0, 100, 100, 0, 0, kHFromPage, c.vKind, kSizeFixedHeight, kSizeFixedWidth,
                 0, 0, 0);
        for (int page = 0; page < 3; ++page)
            EXPECT_EQ(f.IsVisible(page) != 0, c.visible[page]) << "page " << page;
    }
}

TEST_F(FrameTest, APageBeyondTheBodyIsLoweredToItsLastPage)
{
    CFrame f(&doc, NULL, NULL, 0, 0, 100, 100, 0, 5, kHFromPage, kVPageMargin, kSizeFixedHeight, kSizeFixedWidth,
             0, 0, 0);
    const long last = body->m_pages.GetCount() - 2;
    EXPECT_EQ(f.GetPage(), last);
    EXPECT_EQ(f.vAnchor, last);
    EXPECT_EQ(f.y, -info.textTop);   // page-relative 0 made margin-relative
    EXPECT_EQ(f.GetAreaByMargin(last + 1, 0), CRect(0, 0, 0, 0));
}

TEST_F(FrameTest, HeightsFollowTheirModeAndLimits)
{
    CFrame* f = AddBox(info.textLeft, info.textTop, 500, 300, boxText);
    boxText->m_pFirstFrame = f;
    const long text = boxText->m_rows[1].y - boxText->m_rows[0].y;
    ASSERT_GT(text, 0);

    EXPECT_EQ(f->GetMaxHeight(), kNoHeightLimit);   // fixed and last of its chain
    EXPECT_EQ(f->GetHeight(), 300);
    f->maxHeight = 100;
    EXPECT_EQ(f->GetHeight(), 100);
    f->maxHeight = 0;

    f->heightMode = kSizeAuto;
    EXPECT_EQ(f->GetMaxHeight(), info.paperHeight);   // anchored: the page
    f->height = 0;
    EXPECT_EQ(f->GetHeight(), text + 2 * kBorderClearance);
    f->vTextDistance = 10;
    EXPECT_EQ(f->GetHeight(), text + 20);
    EXPECT_EQ(f->height, text + 20);   // raised to the text with its distances

    f->heightMode = kSizeAtLeast;
    f->height = 1000;
    EXPECT_EQ(f->GetHeight(), 1000);

    f->heightMode = 7;
    EXPECT_EQ(f->GetHeight(), -1);
    f->widthMode = 7;
    EXPECT_EQ(f->GetWidth(), -1);

    // A fixed frame followed by another takes its own height as its limit.
    CFrame* g = AddBox(info.textLeft, info.textTop + 500, 500, 300, boxText);
    f->heightMode = kSizeFixedHeight;
    f->height = 250;
    f->next = g;
    EXPECT_EQ(f->GetMaxHeight(), 250);
    f->next = NULL;
}

TEST_F(FrameTest, TextKeepsItsDistanceOrTheBorderClearanceFromTheEdges)
{
    struct Case
    {
        bool box;   // a text box's flow, else a header's
        int hDistance, vDistance;
        long left, top, right;   // inner minus outer edge
    } cases[] = {
        {true, 20, 10, 20, 10, -20},
        {true, 2, 0, 4, 4, -4},
        {false, 20, 10, 20, 10, -20},
        {false, 2, 0, 4, 4, -4},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.box << " " << c.hDistance);
        CFrame* f = AddBox(info.textLeft + 100, info.textTop + 100, 600, 400, c.box ? boxText : doc.m_flows[2],
                           c.hDistance, c.vDistance);
        CRect inner = f->GetAreaByMargin(-1, 1);
        CRect outer = f->GetAreaByMargin(-1, 0);
        EXPECT_EQ(inner.left - outer.left, c.left);
        EXPECT_EQ(inner.top - outer.top, c.top);
        EXPECT_EQ(inner.right - outer.right, c.right);
        if (c.box)
            EXPECT_EQ(outer.left, f->area.left);     // a box's outer edge is its area
        else
            EXPECT_EQ(inner.left, f->area.left);     // a text area's text is its area
    }
}

TEST_F(FrameTest, NamesAreUniqueInTheirList)
{
    CFrame* a = AddBox(0, 0, 10, 10);
    CFrame* b = AddBox(0, 0, 10, 10);
    CFrame* c = AddBox(0, 0, 10, 10);
    EXPECT_EQ(std::string(a->name), "Frame 1");
    EXPECT_EQ(std::string(b->name), "Frame 2");
    EXPECT_EQ(std::string(c->name), "Frame 3");
    b->name = "Frame 4";
    EXPECT_EQ(std::string(AddBox(0, 0, 10, 10)->name), "Frame 2");
    EXPECT_FALSE(a->CheckUniqueName("Frame 3"));
    EXPECT_TRUE(a->CheckUniqueName("frame 3"));   // names differ by case
    EXPECT_EQ(std::string(AddBox(0, 0, 10, 10)->name), "Frame 5");
}

TEST_F(FrameTest, AreasAreMarginAndPageRelative)
{
    CFrame unplaced(&doc, body, NULL, 300, 400, 500, 200, 0, 0, kHFromMargin, kVPageTop, kSizeFixedHeight,
                    kSizeFixedWidth, 0, 0, 1);
    EXPECT_EQ(unplaced.area.left, kNotPlaced);
    EXPECT_EQ(unplaced.x, 300 - info.textLeft);   // page-relative x made margin-relative
    EXPECT_EQ(unplaced.alive, 1);

    CFrame* f = AddBox(info.textLeft + 300, info.textTop + 400, 500, 200);
    EXPECT_EQ(f->area, CRect(300, 400, 800, 600));
    EXPECT_EQ(f->GetAreaByPage(-1, 0), CRect(info.textLeft + 300, info.textTop + 400, info.textLeft + 800,
                                             info.textTop + 600));
    EXPECT_EQ(f->pageArea, f->GetAreaByPage(-1, 0));
    EXPECT_NE(f->MakeArea(0), 0);   // nothing changed
    f->width = 600;
    EXPECT_EQ(f->MakeArea(0), 0);
    EXPECT_EQ(f->area.right, 900);

    CFrame copy;
    EXPECT_EQ(copy.alive, 0);
    copy = *f;
    EXPECT_EQ(copy.area, f->area);
    EXPECT_EQ(std::string(copy.name), std::string(f->name));
    EXPECT_EQ(copy.tracker, nullptr);
    copy.alive = 0;   // the copy owns nothing to release
}

TEST_F(FrameTest, RowsSkipTheHoleAFrameCuts)
{
    SetText(*body, "aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo pppp");
    const long indent = body->GetRowLeftMargin(0);
    const long holeX = indent + 4 * Width(*body, 0, 1) + Width(*body, 0, 7);   // inside "bbbb" or later
    AddBox(info.textLeft + holeX, BodyTextTop(), 300, 200);

    const long next = body->CalcRow(NULL, 0);
    GArray<CHole>& holes = *body->m_rows[0].holes;
    ASSERT_EQ(holes.GetCount(), 2);
    EXPECT_EQ(holes[1].x, holeX);
    EXPECT_EQ(holes[1].width, 300);
    const long resume = holes[1].resume;
    ASSERT_GT(resume, 0);
    ASSERT_LT(resume, next);
    EXPECT_EQ(body->m_chars[resume - 1], ' ');   // a whole word went past the frame
    int a = 0;
    EXPECT_LE(body->CalcTextSizeSimple(0, resume, 0, a).cx, holeX - indent);
    long wordEnd = resume;
    while (body->m_chars[wordEnd] != ' ')
        ++wordEnd;
    EXPECT_GT(Width(*body, 0, wordEnd), holeX - indent);
    const long right = body->GetRowWidth(0) + indent;
    EXPECT_LE(body->CalcTextSizeSimple(resume, next, 0, a).cx, right - (holeX + 300));

    // Measuring after the hole starts at the hole's right edge.
    EXPECT_EQ(body->CalcTextSizeSimple(resume, resume + 4, 1, a).cx, Width(*body, resume, resume + 4));
}

TEST_F(FrameTest, AFrameOnARowWithoutHeightStillCutsAHole)
{
    SetText(*body, "some text");
    AddBox(info.textLeft + 300, BodyTextTop(), 200, 100);
    body->m_rows[0].height = 0;
    body->ClearAndSetHoles(0, 0);
    ASSERT_EQ(body->m_rows[0].holes->GetCount(), 2);
    EXPECT_EQ((*body->m_rows[0].holes)[1].x, 300);
    EXPECT_EQ((*body->m_rows[0].holes)[0].x, body->GetRowLeftMargin(0));

    // Frames the document makes (userFrame 0) and reserved ones cut nothing.
    body->m_frames[0]->userFrame = 0;
    body->ClearAndSetHoles(0, 0);
    EXPECT_EQ(body->m_rows[0].holes->GetCount(), 1);
}

TEST_F(FrameTest, ChainsGrowAndShrinkFrameByFrame)
{
    CFrame* first = AddBox(info.textLeft, info.textTop, 500, 300, boxText);
    first->heightMode = kSizeAuto;
    first->maxHeight = 700;
    boxText->m_pFirstFrame = first;
    first->AddNextFrame();
    ASSERT_NE(first->next, nullptr);
    CFrame* second = first->next;
    EXPECT_EQ(first->GetCols(), 2);
    EXPECT_EQ(second->GetFrameIndex(), 1);
    EXPECT_EQ(first->GetFrameByCol(1), second);
    EXPECT_EQ(first->GetFrameByCol(5), nullptr);
    EXPECT_EQ(second->hKind, kHFromPage);
    EXPECT_EQ(second->vKind, kVBelowFrame);
    EXPECT_EQ(second->maxHeight, 700);
    EXPECT_EQ(second->anchor, body);
    EXPECT_EQ(body->m_frames.Last(), second);

    DisableNextFrame = 1;
    second->AddNextFrame();
    EXPECT_EQ(first->GetCols(), 2);
    DisableNextFrame = 0;

    // Releasing a frame unlinks it from its chain; the place it leaves
    // waits to be repainted.
    second->pageArea = CRect(10, 20, 30, 40);
    body->m_frames.Destroy(body->m_frames.GetCount() - 1, 1);
    EXPECT_EQ(first->next, nullptr);
    EXPECT_EQ(first->GetCols(), 1);
    EXPECT_EQ(boxText->m_rcFrameRepaint, CRect(10, 20, 30, 40));
    EXPECT_EQ(boxText->m_pRepaintFrame, second);
}

TEST_F(FrameTest, TheLastFrameOfATextFlowTakesTheFlowWithIt)
{
    GDoc* other = new GDoc(&doc, doc.m_flows.GetCount());
    doc.m_flows.Add(other);
    const long flows = doc.m_flows.GetCount();
    CFrame* f = AddBox(info.textLeft, info.textTop, 500, 300, boxText);
    boxText->m_pFirstFrame = f;
    doc.m_nCurPart = flows - 1;   // the last frame text was being edited
    body->m_frames.Destroy(body->m_frames.GetCount() - 1, 1);
    EXPECT_EQ(doc.m_nCurPart, flows - 2);
    EXPECT_EQ(doc.m_flows.GetCount(), flows - 1);
    EXPECT_EQ(doc.m_flows[kFirstContentFlow], other);
    EXPECT_EQ(other->m_nIndex, kFirstContentFlow);
    boxText = NULL;
}

TEST_F(FrameTest, OverlappingTextBoxesAndNegativeDistancesAreRefused)
{
    CFrame* f = AddBox(info.textLeft + 100, info.textTop + 100, 500, 300, boxText);
    boxText->m_pFirstFrame = f;
    CFrame* g = AddBox(info.textLeft + 1000, info.textTop + 100, 200, 200);
    EXPECT_FALSE(g->IsFrameSizeValid(CRect(550, 350, 300, 200)));   // normalised first
    EXPECT_TRUE(g->IsFrameSizeValid(CRect(700, 100, 900, 300)));
    EXPECT_TRUE(f->IsFrameSizeValid(CRect(100, 100, 600, 400)));    // not with itself
    EXPECT_EQ(g->SetHTextDistance(-1), 0);
    EXPECT_EQ(g->SetVTextDistance(-5), 0);
    EXPECT_EQ(g->SetVTextDistance(12), 1);
    EXPECT_EQ(g->vTextDistance, 12);
}

std::vector<BYTE> Store(const GArrayI<CFrame*>& list)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        SaveFrameList(ar, list);
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Reads a stored list; answers the int thrown, or 0.
int Load(std::vector<BYTE> bytes, GArrayI<CFrame*>& list, CWDocument* doc)
{
    CMemFile file(bytes.data(), (UINT)bytes.size(), 0);
    CArchive ar(&file, CArchive::load);
    try
    {
        LoadFrameList(ar, list, doc, 1);
    }
    catch (int fault)
    {
        return fault;
    }
    return 0;
}

void PutWord(std::vector<BYTE>& bytes, size_t at, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = (BYTE)(value >> (8 * i));
}

const size_t kFrameWords = 41;
const size_t kFrameBytes = kFrameWords * 4;

// Every word of a stored frame in its place: each field set to a value of
// its own, so that two fields written or read in each other's place fail.
TEST_F(FrameTest, AStoredFrameHoldsEachValueInItsOwnWord)
{
    CFrame* f = AddBox(0, 0, 10, 10, boxText);
    f->area = CRect(101, 102, 103, 104);
    f->reserved = 108;
    f->userFrame = 109;
    f->hKind = kHFromPage;
    f->vKind = kVPageTop;
    f->hAnchor = 112;
    f->vAnchor = 113;
    f->hTextDistance = 114;
    f->vTextDistance = 115;
    f->x = 116;
    f->y = 117;
    f->width = 118;
    f->height = 119;
    f->widthMode = 120;
    f->heightMode = 121;
    f->maxHeight = 122;
    f->columnPara = 123;
    f->columnCount = 124;
    f->columnIndex = 125;
    f->hasArrow = 126;
    f->arrowPara = 127;
    f->arrowTipY = 128;
    f->arrowTipX = 129;
    f->arrowFrom = CPoint(130, 131);
    f->arrowTo = CPoint(132, 133);
    f->arrowStyle.lineStyle = 134;
    f->arrowStyle.headKind = 135;
    f->arrowStyle.headWidth = 136;
    f->arrowStyle.headLength = 137;
    f->arrowStyle.middleOfSide = 138;
    f->arrowStyle.colour = 0x00BBCCDD;
    f->tag = 141;
    const std::vector<BYTE> bytes = Store(body->m_frames);
    ASSERT_EQ(bytes.size(), 4 + kFrameBytes);
    auto word = [&](int n) {   // words counted from 1 after the list's count
        LONG v;
        memcpy(&v, &bytes[4 + (n - 1) * 4], 4);
        return v;
    };
    const LONG boxIndex = (LONG)doc.FlowIndex(boxText);
    const LONG expected[kFrameWords] = {
        101, 102, 103, 104, 0, boxIndex, (LONG)0x80000000, 108, 109, kHFromPage, kVPageTop, 112, 113, 114,
        115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132, 133,
        134, 135, 136, 137, 138, 0x00BBCCDD, 0, 141,
    };
    for (int n = 1; n <= (int)kFrameWords; ++n)
        EXPECT_EQ(word(n), expected[n - 1]) << "word " << n;
}

TEST_F(FrameTest, AFrameListRoundTripsWithSharedColumnData)
{
    CFrame* a = AddBox(info.textLeft, info.textTop, 500, 300, boxText, 26, 0);
    a->columnCount = 2;
    a->columnData = new GArray<CData>(6, 6);
    CData col;
    col.width = 500;
    col.gap = 50;
    a->columnData->Add(col);
    col.width = 400;
    col.gap = 0;
    a->columnData->Add(col);
    a->tag = 77;
    a->hasArrow = 1;
    a->arrowPara = 0;
    a->arrowTipX = 123;
    a->arrowFrom = CPoint(1, 2);
    a->arrowTo = CPoint(3, 4);
    a->maxHeight = 900;
    CFrame* b = new CFrame(&doc, body, boxText, 50, 0, 400, 0, 0, 0, kHRightOfFrame, kVLevelWithFrame, kSizeAuto,
                           kSizeFixedWidth, 26, 0, 0);
    b->hAnchor = (LONG_PTR)a;
    b->vAnchor = (LONG_PTR)a;
    b->columnCount = 2;
    b->columnIndex = 1;
    b->columnData = a->columnData;
    a->next = b;
    body->m_frames.Add(b);
    CFrame* c = AddBox(info.textLeft, info.textTop, 10, 10);
    c->vKind = kVNextPage;
    c->vAnchor = (LONG_PTR)a;   // a pointer has no stored form

    std::vector<BYTE> bytes = Store(body->m_frames);
    EXPECT_EQ(bytes.size(), 4 + 3 * kFrameBytes + 4 + 2 * CData::kStoredSize);

    GArrayI<CFrame*> read;
    ASSERT_EQ(Load(bytes, read, &doc), 0);
    ASSERT_EQ(read.GetCount(), 3);
    CFrame* ra = read[0];
    CFrame* rb = read[1];
    CFrame* rc = read[2];
    EXPECT_EQ(ra->anchor, body);
    EXPECT_EQ(ra->content, boxText);
    EXPECT_EQ(ra->next, rb);
    EXPECT_EQ(ra->area, a->area);
    EXPECT_EQ(ra->x, a->x);
    EXPECT_EQ(ra->hTextDistance, 26);
    EXPECT_EQ(ra->maxHeight, 900);
    EXPECT_EQ(ra->tag, 77);
    EXPECT_EQ(ra->arrowTipX, 123);
    EXPECT_EQ(ra->arrowTo, CPoint(3, 4));
    EXPECT_EQ(ra->alive, 1);   // can be released like a new frame
    EXPECT_EQ(rb->hAnchor, (LONG_PTR)ra);
    EXPECT_EQ(rb->vAnchor, (LONG_PTR)ra);
    ASSERT_NE(ra->columnData, nullptr);
    EXPECT_NE(ra->columnData, a->columnData);
    EXPECT_EQ(rb->columnData, ra->columnData);
    ASSERT_EQ(ra->columnData->GetCount(), 2);
    EXPECT_EQ((*ra->columnData)[0].gap, 50);
    EXPECT_EQ((*ra->columnData)[1].width, 400);
    EXPECT_EQ(rc->vAnchor, 0);
    EXPECT_EQ(rc->next, nullptr);

    // A list read later does not share the arrays of this one.
    GArrayI<CFrame*> plain;
    std::vector<BYTE> one = Store(plain);
    ASSERT_EQ(Load(one, plain, &doc), 0);

    delete ra->columnData;
    ra->columnData = rb->columnData = NULL;
    delete a->columnData;
    a->columnData = b->columnData = NULL;
}

TEST_F(FrameTest, AListWithABadIndexFailsToRead)
{
    CFrame* a = AddBox(info.textLeft, info.textTop, 500, 300, boxText);
    CFrame* b = AddBox(info.textLeft, info.textTop + 400, 500, 300);
    a->next = b;
    const std::vector<BYTE> good = Store(body->m_frames);
    struct Case
    {
        size_t word;   // 0-based word of the first frame
        DWORD value;
    } cases[] = {
        {4, 99},          // anchor flow
        {5, 1000},        // content flow
        {6, 2},           // next frame: only 0 and 1 exist
        {6, 0x7fffffff},
        {39, 5},          // the column-data flag
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.word);
        std::vector<BYTE> bytes = good;
        PutWord(bytes, 4 + c.word * 4, c.value);
        GArrayI<CFrame*> read;
        EXPECT_EQ(Load(bytes, read, &doc), kFrameReadFault);
        EXPECT_EQ(read.GetCount(), 0);
    }
    GArrayI<CFrame*> read;
    EXPECT_EQ(Load(good, read, &doc), 0);
    EXPECT_EQ(read.GetCount(), 2);
    a->next = NULL;
}

} // namespace
