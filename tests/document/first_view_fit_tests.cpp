// The first view follows a document a read replaced: its page count, its
// paper and, in a fitting zoom mode, its zoom.
#include "tests/view/view_window.h"
#include "model/GDoc.h"

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

} // namespace
