// The frames a document makes for its body, headers and footers, and how
// header and footer heights move the body's text area.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GFootNote.h"
#include "model/GPageInfo.h"
#include <algorithm>

namespace {

class PagePartFrames : public testing::Test
{
protected:
    CWDocument doc;
    GPageInfo info;   // the page set-up before the frames were fitted

    void SetUp() override
    {
        info = doc.m_pageInfos[0];
        doc.CreateFrames();
    }
    CFrame* FrameOf(long flow) { return doc.m_flows[flow]->m_pFirstFrame; }
    // A header or footer is at least 50 high and grows to hold its empty
    // paragraph in the default font.
    long PartHeight()
    {
        CFrame* header = FrameOf(2);
        const int mode = header->heightMode;
        header->heightMode = kSizeAuto;
        const long text = header->GetHeight();
        header->heightMode = mode;
        return std::max(50L, text);
    }
};

TEST_F(PagePartFrames, ANewDocumentsFramesCarryTheirKindsSizesAndLimits)
{
    const long partY = info.textTop - 127;
    const long third = info.GetTextHeight() / 3;
    const long gap = info.textTop - partY - PartHeight();   // header bottom to text top
    struct Row
    {
        const char* what;
        long hKind, vKind, y, maxHeight;
    } rows[] = {
        {"body", kHFromPage, kVBelowFrame, gap, info.GetTextHeight()},
        {"first-page header", kHFromPage, kVHeaderFirst, partY, third},
        {"header", kHHeaderOdd, kVHeaderOdd, partY, third},
        {"even-page header", kHHeaderEven, kVHeaderEven, partY, third},
        {"first-page footer", kHFromPage, kVFooterFirst, partY, third},
        {"footer", kHHeaderOdd, kVFooterOdd, partY, third},
        {"even-page footer", kHHeaderEven, kVFooterEven, partY, third},
    };
    ASSERT_EQ(doc.m_frames.GetCount(), kFirstContentFlow);
    for (long flow = 0; flow < kFirstContentFlow; ++flow)
    {
        const Row& r = rows[flow];
        SCOPED_TRACE(r.what);
        CFrame* f = FrameOf(flow);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(doc.m_frames[flow], f) << "page frames stand in flow order";
        EXPECT_EQ(f->hKind, r.hKind);
        EXPECT_EQ(f->vKind, r.vKind);
        EXPECT_EQ(f->x, info.textLeft);
        EXPECT_EQ(f->y, r.y);
        EXPECT_EQ(f->width, info.GetTextWidth());
        EXPECT_EQ(f->heightMode, kSizeAtLeast);
        EXPECT_EQ(f->widthMode, kSizeFixedWidth);
        EXPECT_EQ(f->hTextDistance, 26);
        EXPECT_EQ(f->vTextDistance, 0);
        EXPECT_EQ(f->maxHeight, r.maxHeight);
        EXPECT_EQ(f->userFrame, 0);
        EXPECT_EQ(f->anchor, nullptr);
        EXPECT_EQ(f->content, doc.m_flows[flow]);
        if (flow > 0)
            EXPECT_EQ(f->height, PartHeight());
    }
    CFrame* body = FrameOf(kBodyFlow);
    EXPECT_EQ(body->vAnchor, (LONG_PTR)FrameOf(2)) << "the body stands below the header";
    EXPECT_EQ(body->hAnchor, 0) << "on page 0";
}

// The fitted frames leave the page set-up's text area where it was: the
// body's text begins at its top, the header and footer stand 127 from it.
TEST_F(PagePartFrames, TheBodyBeginsAtTheTextTopBetweenHeaderAndFooter)
{
    const GPageInfo& now = doc.m_pageInfos[0];
    EXPECT_EQ(now.textTop, info.textTop);
    EXPECT_EQ(now.textBottom, info.textBottom);
    EXPECT_EQ(FrameOf(kBodyFlow)->GetAreaByPage(0, 0).top, info.textTop);
    CRect header = FrameOf(2)->GetAreaByPage(0, 0);
    EXPECT_EQ(header.top, info.textTop - 127);
    EXPECT_EQ(header.bottom, info.textTop - 127 + PartHeight());
    CRect footer = FrameOf(5)->GetAreaByPage(0, 0);
    EXPECT_EQ(footer.bottom, info.paperHeight - (info.textTop - 127));
}

TEST_F(PagePartFrames, AGrownHeaderGivesItsHeightAndPlaceToAllHeadersAndMovesTheText)
{
    CFrame* header = FrameOf(2);
    header->height = 120;
    header->y -= 10;
    doc.CheckFramesHeight(2);
    for (long flow = 1; flow <= 3; ++flow)
    {
        EXPECT_EQ(FrameOf(flow)->height, 120) << flow;
        EXPECT_EQ(FrameOf(flow)->y, header->y) << flow;
    }
    // The gap below the header stays; the text top follows the header's
    // bottom, which grew to 120 and was raised by 10.
    const long moved = 120 - PartHeight() - 10;
    EXPECT_EQ(doc.m_pageInfos[0].textTop, info.textTop + moved);
    EXPECT_EQ(FrameOf(kBodyFlow)->GetAreaByPage(0, 0).top, info.textTop + moved);
    EXPECT_EQ(doc.m_pageInfos[0].textBottom, info.textBottom);
}

TEST_F(PagePartFrames, AFooterIsAtLeastFifteenHighAndTheTextKeepsFiftyOrTheFootersRoom)
{
    FrameOf(4)->heightMode = kSizeFixedHeight;   // not taller for its text
    FrameOf(4)->height = 5;
    doc.CheckFramesHeight(4);
    EXPECT_EQ(FrameOf(4)->height, 15);

    // Margins that would leave less than 50 of text keep 50.
    doc.m_pageInfos[0].textBottom = doc.m_pageInfos[0].textTop + 20;
    doc.CheckFramesHeight(0);
    EXPECT_EQ(doc.m_pageInfos[0].GetTextHeight(), 50);
    EXPECT_EQ(FrameOf(kBodyFlow)->maxHeight, 50);
}

// A footnote on page 0 whose note frame is 300 high takes its height from
// that page's text.
TEST_F(PagePartFrames, FootnotesTakeTheirHeightFromTheirPage)
{
    GDoc* body = doc.m_flows[kBodyFlow];
    body->m_chars.InsertAt(0, NULL, 1);
    body->m_chars[0] = GChar(kFieldMark);
    body->InsCharItem(0, 1);
    GDoc* note = new GDoc(&doc, doc.m_flows.GetCount());
    doc.m_flows.Add(note);
    CFrame* noteFrame = new CFrame(&doc, NULL, note, info.textLeft, 0, 500, 300, 0, 0, kHFromPage, kVPageTop,
                                   kSizeFixedHeight, kSizeFixedWidth, 0, 0, 0);
    doc.m_frames.Add(noteFrame);
    note->m_pFirstFrame = noteFrame;
    // A mark of its own making, with the note frame built above.
    GFootNote* mark = new GFootNote(body, 0, (int)kNoteSideMark);
    mark->m_nStyle = kMarkArabic;
    mark->m_pNote = note;
    body->InsFieldItem(mark, 0);
    ASSERT_TRUE(doc.HasFootnotes());

    // The room between the text area and the first-page footer goes to
    // the notes first.
    const GPageInfo& now = doc.m_pageInfos[0];
    auto footerGap = [&] { return now.paperHeight - FrameOf(4)->y - FrameOf(4)->GetHeight() - now.textBottom; };
    ASSERT_GT(footerGap(), 0);
    EXPECT_EQ(doc.GetFootnotesHeight(0), 300 - footerGap());
    EXPECT_EQ(doc.GetFootnotesHeight(1), 0);
    doc.CheckFramesHeight(0);
    EXPECT_EQ(FrameOf(kBodyFlow)->maxHeight, now.GetTextHeight() - (300 - footerGap()));

    // A footer no lower than the text area's bottom leaves the notes whole.
    FrameOf(4)->y += footerGap();
    EXPECT_EQ(doc.GetFootnotesHeight(0), 300);
}

} // namespace
