// Pictures, text effects, embedded objects and cells in a flow: their
// sizes fitted to the row, the size range and its message, natural sizes
// from the document's view, drawing on a memory context, copies, and
// fields whose item or picture was lost.
#include "tests/editing/editing_test_support.h"
#include "tests/support/solid_image.h"
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include "view/CWView.h"
#include "layout/text_measure.h"
#include "layout/row_drawing.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <cstring>
#include <memory>

namespace {

const COLORREF kRed = RGB(255, 0, 0);

// Catches the message boxes the fields show.
class MessageApp : public CWinApp
{
public:
    MessageApp() : CWinApp("ZtObjectFieldTest") {}
    std::vector<std::string> shown;
    int DoMessageBox(LPCSTR text, UINT, UINT) override
    {
        shown.push_back(text ? text : "");
        return IDOK;
    }
};

class ObjectFields : public EditingFixture
{
protected:
    void SetUp() override
    {
        EditingFixture::SetUp();
        Type(0, "ab");
    }
    template <class F> F* Insert(F* field)
    {
        flow->InsertField(field);
        return field;
    }
    long RowWidth(long pos) { return flow->GetRowWidth(flow->GetCharRow(pos), -1); }
};

TEST_F(ObjectFields, APictureWiderThanItsRowIsShownAtTheRowWidthInProportion)
{
    GImage* picture = Insert(new GImage(flow, 1, SolidImage(4, 2, kRed)));
    picture->m_nWidth = 2400;
    picture->m_nHeight = 600;
    const long row = RowWidth(1);
    ASSERT_LT(row, 2400);
    int ascent = 0;
    const CSize size = picture->GetSize(GetCalcDC(), ascent, 1);
    EXPECT_EQ(size.cx, row);
    EXPECT_EQ(size.cy, (LONG)(row / 4.0));
    EXPECT_EQ(ascent, size.cy);
    EXPECT_EQ(picture->m_nWidth, 2400) << "the stored size stays";
    EXPECT_EQ(picture->m_nHeight, 600);
}

TEST_F(ObjectFields, SizesOutOfRangeAreClampedWithOneMessageInTheUnitOfTheOptions)
{
    MessageApp app;
    const BYTE units = Options.Units;
    struct Case
    {
        BYTE unit;
        int message;
    } cases[] = {{CWOptions::kUnitCentimetre, IDS_OBJECT_SIZE_CM}, {CWOptions::kUnitInch, IDS_OBJECT_SIZE_INCH}};
    for (const Case& c : cases)
    {
        Options.Units = c.unit;
        app.shown.clear();
        GImage picture(flow, 1, NULL);
        picture.SetSize(CSize(20, 3000));
        EXPECT_EQ(picture.GetObjectSize(), CSize(25, 2540));
        ASSERT_EQ(app.shown.size(), 1u);
        EXPECT_EQ(app.shown[0], std::string(GetResourceString(c.message)));
        GOle object(flow, 1, NULL);
        object.SetSize(CSize(300, 200));
        EXPECT_EQ(object.GetObjectSize(), CSize(300, 200));
        EXPECT_EQ(app.shown.size(), 1u) << "a size in range says nothing";
    }
    Options.Units = units;
}

TEST_F(ObjectFields, NaturalSizesComeFromTheDocumentsView)
{
    GImage* picture = Insert(new GImage(flow, 1, SolidImage(96, 48, kRed)));
    int ascent = 0;
    picture->GetSize(GetCalcDC(), ascent, 1);
    EXPECT_EQ(picture->GetObjectSize(), CSize(0, 0)) << "without a view the picture keeps 0 x 0";

    CWView view;
    doc.m_pFirstView = &view;
    picture->GetSize(GetCalcDC(), ascent, 1);
    EXPECT_EQ(picture->GetObjectSize(), CSize(view.mm01(96, 1), view.mm01(48, 0)));
    EXPECT_EQ(picture->m_nWidth, 254) << "96 pixels at 96 dpi are an inch";

    GLumifex* effect = new GLumifex(flow, 2);
    effect->m_fx.m_strText = "Hello";
    effect->m_fx.RetriveText(effect->m_pScreen);
    Insert(effect);
    effect->GetSize(GetCalcDC(), ascent, 1);
    EXPECT_EQ(effect->m_nWidth, view.mm01(effect->m_fx.GetBitmapHeader().biWidth, 1));
    doc.m_pFirstView = NULL;
}

TEST_F(ObjectFields, APictureFillsItsRectangleAboveTheBaseline)
{
    for (WORD bits : {WORD(24), WORD(8), WORD(32)})
    {
        SCOPED_TRACE(bits);
        GImage picture(flow, 1, SolidImage(5, 5, kRed, bits));
        picture.m_nWidth = 60;
        picture.m_nHeight = 40;
        DibCanvas canvas(200, 200);
        canvas.dc.MoveTo(10, 150);
        picture.Draw(&canvas.dc, 0, 1, NULL);
        EXPECT_EQ(picture.m_rect, CRect(10, 110, 70, 150));
        EXPECT_EQ(canvas.Count(CRect(10, 110, 70, 150), kRed), 60 * 40);
        EXPECT_EQ(canvas.Count(CRect(0, 0, 200, 200), kRed), 60 * 40) << "nothing outside, nothing below";
        EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(70, 150));
    }
}

TEST_F(ObjectFields, PictureCopiesAndAssignmentsOwnTheirDib)
{
    GImage source(flow, 1, SolidImage(7, 3, kRed));
    source.m_nWidth = 70;
    source.m_nHeight = 30;
    GImage copy(source);
    ASSERT_NE(copy.m_pImage->get_dib(), source.m_pImage->get_dib());
    EXPECT_EQ(memcmp(copy.m_pImage->get_dib(), source.m_pImage->get_dib(), source.m_pImage->dib_size()), 0);
    GImage target(flow, 1, SolidImage(2, 2, RGB(0, 0, 255)));
    target = static_cast<GField&>(source);
    EXPECT_EQ(target.GetObjectSize(), CSize(70, 30));
    EXPECT_NE(target.m_pImage->get_dib(), source.m_pImage->get_dib());
    EXPECT_EQ(target.m_pImage->width(), 7);
    EXPECT_FALSE(target == static_cast<GField&>(source)) << "equal pictures are the same image";

    // The clipboard copy is the DIB's block, whatever its bit count (a
    // 24-bit DIB is far smaller than width x height x 4 + 40).
    HGLOBAL block = source.CopyToClipboardDIB(NULL);
    ASSERT_TRUE(block);
    EXPECT_EQ(GlobalSize(block), source.m_pImage->dib_size());
    GlobalFree(block);
}

TEST_F(ObjectFields, ATextEffectLeavesInkAndNoneInTheClipboardDocument)
{
    GLumifex effect(flow, 1);
    effect.m_fx.m_strText = "Wave";
    effect.m_fx.m_crText = kRed;
    effect.m_fx.m_crBack = RGB(255, 255, 255);
    effect.m_fx.RetriveText(effect.m_pScreen);
    effect.m_nWidth = 150;
    effect.m_nHeight = 50;
    DibCanvas canvas(300, 100);
    canvas.dc.MoveTo(20, 80);
    effect.Draw(&canvas.dc, 0, 1, NULL);
    EXPECT_EQ(effect.m_rect, CRect(20, 30, 170, 80));
    EXPECT_GT(canvas.Count(effect.m_rect, kRed), 20);
    EXPECT_EQ(std::string(effect.AsText(1)), "Wave");

    doc.m_bClipboard = TRUE;
    DibCanvas clean(300, 100);
    clean.dc.MoveTo(20, 80);
    effect.Draw(&clean.dc, 0, 1, NULL);
    EXPECT_EQ(clean.Count(CRect(0, 0, 300, 100), RGB(255, 255, 255)), 300 * 100);
    doc.m_bClipboard = FALSE;

    HGLOBAL block = effect.CopyToClipboardDIB(NULL);
    ASSERT_TRUE(block);
    const BITMAPINFOHEADER& h = effect.m_fx.GetBitmapHeader();
    EXPECT_EQ(GlobalSize(block), 40u + h.biWidth * 4 * h.biHeight);
    GlobalFree(block);
}

TEST_F(ObjectFields, AnObjectLargerThanItsRowTakesTheFittedSize)
{
    CZTOleRectItem* item = new CZTOleRectItem(CSize(3000, 1000));
    doc.AddItem(item);
    GOle* object = Insert(new GOle(flow, 1, item));
    EXPECT_EQ(item->GetOleItem()->m_pOwner, object) << "the item's object points back at its field";
    const long row = RowWidth(1);
    int ascent = 0;
    const CSize size = object->GetSize(GetCalcDC(), ascent, 1);
    EXPECT_EQ(size, CSize(row, (LONG)(row / 3.0)));
    EXPECT_EQ(object->GetObjectSize(), size) << "the fitted size is stored";
}

TEST_F(ObjectFields, ACellShowsItsValueOrTwoSpacesAndIsClippedToItsRow)
{
    GCell* lost = Insert(new GCell(flow, 1, NULL));
    EXPECT_EQ(std::string(lost->AsText(1)), "  ");
    CZTCell* cell = new CZTCell;
    doc.AddItem(cell);
    GCell* empty = Insert(new GCell(flow, 2, cell));
    EXPECT_EQ(std::string(empty->AsText(1)), "  ");
    int ascent = 0;
    EXPECT_GT(empty->GetSize(GetCalcDC(), ascent, 1).cx, 0) << "two spaces keep a visible width";

    cell->SetFieldValue(CString('W', 600));
    const long row = RowWidth(2);
    DibCanvas canvas(row + 400, 300);
    canvas.dc.SetTextAlign(TA_BASELINE | TA_UPDATECP);   // as rows draw
    canvas.dc.MoveTo(0, 200);
    empty->Draw(&canvas.dc, 0, 1, NULL);
    const COLORREF paper = RGB(255, 255, 255);
    EXPECT_GT(canvas.Count(CRect(0, 0, row, 300), [&](COLORREF c) { return c != paper; }), 0);
    EXPECT_EQ(canvas.Count(CRect(row, 0, row + 400, 300), [&](COLORREF c) { return c != paper; }), 0)
        << "nothing beyond the row";
    EXPECT_EQ(cell->GetBackColor(), Options.Colors[CWOptions::kColorMailMerge]);
}

TEST_F(ObjectFields, FieldsWhoseItemWasLostMeasureTheirStoredSizeAndDrawAnOutline)
{
    for (BYTE kind : {kFieldOle, kFieldCell})
    {
        SCOPED_TRACE((int)kind);
        std::unique_ptr<GOle> field(kind == kFieldOle ? new GOle(flow, 1, NULL) : new GCell(flow, 1, NULL));
        field->m_nWidth = 80;
        field->m_nHeight = 30;
        int ascent = 0;
        const CSize size = field->GetSize(GetCalcDC(), ascent, 1);
        EXPECT_GT(size.cx, 0);
        DibCanvas canvas(200, 100);
        canvas.dc.MoveTo(10, 60);
        field->Draw(&canvas.dc, 1, 1, NULL);
        EXPECT_GT(canvas.Count(CRect(0, 0, 200, 100), [](COLORREF c) { return c != RGB(255, 255, 255); }), 0);
        field->Update();
        field->NullOwner();
    }
}

TEST_F(ObjectFields, DestroyingTheSelectedObjectFieldClearsTheDocumentsRecord)
{
    CZTOleRectItem* item = new CZTOleRectItem(CSize(300, 200));
    doc.AddItem(item);
    GOle* object = new GOle(flow, 1, item);
    doc.m_pSelOle = object;
    doc.m_pSelItem = item;
    object->Destroy();
    EXPECT_EQ(doc.m_pSelOle, nullptr);
    EXPECT_FALSE(doc.IsOLEObjectSelected());
    EXPECT_EQ(doc.GetItemCount(), 0) << "a field that still holds its item releases it";

    GOle* other = new GOle(flow, 1, NULL);
    GImage picture(flow, 1, NULL);
    doc.m_pSelOle = &picture;
    other->Destroy();
    EXPECT_EQ(doc.m_pSelOle, &picture) << "another field's record stays";
    doc.m_pSelOle = NULL;
}

TEST_F(ObjectFields, CopiesIntoAnotherDocumentCloneTheItemAndKeepTheCellName)
{
    CZTCell* cell = new CZTCell;
    cell->SetName("B7");
    cell->SetFieldValue("42");
    doc.AddItem(cell);
    GCell source(flow, 1, cell);
    source.m_nWidth = 100;

    CWDocument other;
    GDoc* target = new GDoc(&other, 0);
    other.m_flows.Add(target);
    GCell copy(source, target);
    ASSERT_NE(copy.m_pItem, nullptr);
    EXPECT_NE(copy.m_pItem, cell);
    EXPECT_EQ(copy.m_pItem->GetDocument(), &other);
    EXPECT_EQ(copy.GetCellName(), CString("B7"));
    EXPECT_EQ(std::string(copy.AsText(1)), "42");
    EXPECT_EQ(copy.m_pDoc, target);

    GOle object(source, target);
    EXPECT_EQ(object.m_pItem->GetDocument(), &other);
    EXPECT_EQ(object.m_pItem->GetOleItem()->m_pOwner, &object);

    GField* saved = source.CreateCopy();
    EXPECT_EQ(static_cast<GCell*>(saved)->m_pItem, cell) << "a saved state shares the item";
    EXPECT_TRUE(*static_cast<GCell*>(saved) == static_cast<GField&>(source));
    static_cast<GCell*>(saved)->m_pItem = NULL;
    saved->Destroy();
}

TEST_F(ObjectFields, RectanglesMoveIntoTheViewUnlessRowsDrawOffScreen)
{
    CWView view;
    view.m_nLeftGap = 30;
    view.m_nPageGap = 40;
    view.m_yPos = 100;
    GImage picture(flow, 1, NULL);
    picture.m_rect = CRect(0, 0, 10, 10);
    EXPECT_EQ(picture.GetRect(&view), CRect(30, -60, 40, -50)) << "page 1 starts at the gaps, less the scroll";
    const LONG drawMem = bDrawMem;
    bDrawMem = 1;
    EXPECT_EQ(picture.GetRect(&view), CRect(0, 0, 10, 10));
    bDrawMem = drawMem;
    GOle object(flow, 1, NULL);
    object.m_rect = CRect(5, 5, 6, 6);
    EXPECT_EQ(object.GetRect(NULL), CRect(5, 5, 6, 6));
}

} // namespace
