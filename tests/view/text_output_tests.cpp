// Runs drawn in the layout's cells (CWView::DrawTextA with cells, which
// DoExtTextOut centres each glyph in) on a memory DC mapped like the view:
// the widths remembered from earlier runs must paint exactly what widths
// read afresh paint, whatever fonts and zooms came between.
#include "tests/editing/editing_test_support.h"
#include "tests/support/dib_canvas.h"
#include "view/CWView.h"
#include "view/text_widths.h"
#include "model/GFontStyle.h"
#include <memory>
#include <vector>

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const short kAllAttributes = GFontStyle::kBold | GFontStyle::kItalic | GFontStyle::kUnderline |
                             GFontStyle::kStrikeout | GFontStyle::kSuperscript | GFontStyle::kSubscript;
// Equal cells of 3 mm: where a glyph lands inside its cell is decided by
// its plain width alone, so a width of another font shows at once.
const int kCell = 30;

struct RunStyle
{
    const char* what;
    int size;
    short attributes;
};
const RunStyle kStyles[] = {
    {"plain", 35, 0},
    {"bold", 35, GFontStyle::kBold},
    {"big italic", 80, GFontStyle::kItalic},
    {"raised", 60, GFontStyle::kSuperscript},
};
const int kZooms[] = {100, 150, 25};

class CellRuns : public EditingFixture
{
protected:
    void SetUp() override
    {
        EditingFixture::SetUp();
        view.m_pDoc = &doc;
        // Characters from three blocks of the character set.
        Type(0, "Wide HHH iiii W\xe9ll \xfc\xdf!");
        count = flow->m_chars.count - 3;
        cells.assign(count, kCell);
        face = flow->GetCharFStylePtr(0)->GetFace();
    }
    // A style as a run of a document has it: its fonts not built yet.
    std::unique_ptr<GFontStyle> Fresh(const RunStyle& s)
    {
        return std::unique_ptr<GFontStyle>(new GFontStyle(face.c_str(), s.size, RGB(0, 0, 0), s.attributes,
                                                          kAllAttributes));
    }
    // The run drawn at zoom percent, its pen a little inside the canvas,
    // the window origin moved as rows move it.
    std::vector<DWORD> Paint(GFontStyle& style, int percent)
    {
        view.m_nZoomPercent = (short)percent;
        view.m_fZoom = 100.0f / percent;
        DibCanvas c(900, 200, kPaper);
        view.ZoomViewDC(&c.dc);
        c.dc.SetWindowOrg(-40, -90);
        c.dc.MoveTo(0, 0);
        view.DrawTextA(&c.dc, 0, 0, count, &style, cells.data(), 0);
        return c.Snapshot();
    }
    // The reference: the run drawn with every width read afresh.
    std::vector<DWORD> PaintCold(const RunStyle& s, int percent)
    {
        TextWidths::Forget();
        return Paint(*Fresh(s), percent);
    }
    static int Inked(const std::vector<DWORD>& pixels)
    {
        int n = 0;
        for (DWORD p : pixels)
            n += (p & 0xFFFFFF) != 0xFFFFFF;
        return n;
    }
    CWView view;
    long count = 0;
    std::vector<int> cells;
    std::string face;
};

TEST_F(CellRuns, AWarmCachePaintsWhatAColdOnePaintsAndReadsNothing)
{
    for (int percent : kZooms)
        for (const RunStyle& s : kStyles)
        {
            SCOPED_TRACE(std::string(s.what) + " at " + std::to_string(percent) + "%");
            TextWidths::Forget();
            const long before = TextWidths::Reads();
            std::unique_ptr<GFontStyle> style = Fresh(s);
            const std::vector<DWORD> cold = Paint(*style, percent);
            ASSERT_GT(Inked(cold), 50);
            const long read = TextWidths::Reads();
            EXPECT_GT(read, before) << "the first run reads its widths";

            EXPECT_TRUE(Paint(*style, percent) == cold) << "the same style again";
            // Another record of the same values finds the same widths.
            EXPECT_TRUE(Paint(*Fresh(s), percent) == cold) << "an equal style";
            EXPECT_EQ(TextWidths::Reads(), read) << "warm runs read no widths";
        }
}

TEST_F(CellRuns, FontsAndZoomsTakingTurnsNeverGetEachOthersWidths)
{
    std::vector<std::vector<DWORD>> cold;
    for (int percent : kZooms)
        for (const RunStyle& s : kStyles)
            cold.push_back(PaintCold(s, percent));

    // Every font at every zoom, twice over, the cache kept throughout.
    TextWidths::Forget();
    for (int pass = 0; pass < 2; ++pass)
        for (size_t k = 0; k < cold.size(); ++k)
        {
            // Styles change fastest, zooms alternate between neighbours.
            const size_t styleIndex = k % (sizeof kStyles / sizeof kStyles[0]);
            const size_t zoomIndex = k / (sizeof kStyles / sizeof kStyles[0]);
            const RunStyle& s = kStyles[styleIndex];
            const int percent = kZooms[zoomIndex];
            SCOPED_TRACE(std::string(s.what) + " at " + std::to_string(percent) + "% in pass " +
                         std::to_string(pass));
            EXPECT_TRUE(Paint(*Fresh(s), percent) == cold[k]);
        }
}

TEST_F(CellRuns, AStyleChangedInPlaceDrawsInItsNewFontsWidths)
{
    const RunStyle normal = kStyles[0];
    const RunStyle larger = {"plain large", 70, 0};
    const std::vector<DWORD> wantNormal = PaintCold(normal, 100), wantLarger = PaintCold(larger, 100);
    ASSERT_FALSE(wantNormal == wantLarger);

    TextWidths::Forget();
    std::unique_ptr<GFontStyle> style = Fresh(normal);
    EXPECT_TRUE(Paint(*style, 100) == wantNormal);
    style->SetSize(larger.size);
    EXPECT_TRUE(Paint(*style, 100) == wantLarger) << "the new size's widths";
    style->SetSize(normal.size);
    EXPECT_TRUE(Paint(*style, 100) == wantNormal) << "and back";
}

} // namespace
