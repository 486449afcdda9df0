// The first view follows a document a read replaced: its page count, its
// paper and, in a fitting zoom mode, its zoom.
#include "tests/view/view_window.h"
#include "model/GDoc.h"
#include "tests/support/archive_bytes.h"

namespace {

class FirstViewFit : public ViewWindowFixture
{
};

TEST_F(FirstViewFit, TheViewTakesThePagesThePaperAndAFittingZoom)
{
    const short kPageWidthMode = 0;
    MakeView();
    SetZoom(kPageWidthMode, 100);
    const short fittedBefore = view->m_nZoomPercent;

    MakePages(3);
    GPageInfo& setup = doc->m_pageInfos[0];
    setup.paperWidth = setup.paperWidth * 3 / 4;
    setup.paperHeight += 100;
    view->m_nPages = 1;
    doc->FitFirstView();

    EXPECT_EQ(view->m_nPages, body->m_pages.GetCount() - 1);
    EXPECT_EQ(view->m_nPages, 3);
    EXPECT_EQ(view->m_nPageWidth, setup.paperWidth);
    EXPECT_EQ(view->m_nPageHeight, setup.paperHeight);
    // Narrower paper fits the window at a larger zoom: the one the view
    // fits to the new paper by itself.
    const short fitted = view->m_nZoomPercent;
    EXPECT_GT(fitted, fittedBefore);
    SetZoom(kPageWidthMode, 100);
    EXPECT_EQ(fitted, view->m_nZoomPercent);
}

// An ordinary open reads the file through the document's serializing
// after the view was made for the empty document.
TEST_F(FirstViewFit, ADocumentReadThroughItsArchiveFitsTheFirstView)
{
    MakeView();
    CWDocument* source = (CWDocument*)RUNTIME_CLASS(CWDocument)->CreateObject();
    source->m_bUndoEnabled = FALSE;
    source->m_bAutoDelete = FALSE;
    TypeInto(source, source->GetFlow(kBodyFlow), 0, "One\r\fTwo\r\fThree\r\fFour");
    source->m_pageInfos[0].paperHeight += 200;
    const Bytes stored = StoreToBytes([&](CArchive& ar) { source->Serialize(ar); });
    const LONG paperHeight = source->m_pageInfos[0].paperHeight;
    delete source;

    ASSERT_EQ(view->m_nPages, 1);
    doc->m_bStylesChanged = FALSE;
    LoadFromBytes(stored, [&](CArchive& ar) { doc->Serialize(ar); });

    EXPECT_EQ(view->m_nPages, 4);
    EXPECT_EQ(view->m_nPageHeight, paperHeight);
    EXPECT_TRUE(doc->m_bStylesChanged);
}

} // namespace
