// Printing a document: the default printer test, copies and collation,
// the printer's device mode from the page set-up, where a page's text
// lands on the printer, the colour of white normal text, a page that
// fails, and the document, undo and redo lists after a job.
#include "tests/view/print_test_support.h"
#include "view/printing.h"
#include "editing/CWUndoRedoStack.h"
#include "editing/document_editing.h"
#include "model/GOle.h"
#include "model/GPageInfo.h"
#include "resources/resource.h"
#include "CCCell.h"
#include "tests/support/cell_fields.h"
#include "ZTItems.h"
#include <string>
#include <vector>

namespace {

// Answers the message boxes and notes their texts.
class MessageApp : public CWinApp
{
public:
    MessageApp() : CWinApp("ZtPrintTest") {}
    std::vector<std::string> shown;
    int DoMessageBox(LPCSTR text, UINT, UINT) override
    {
        shown.push_back(text ? text : "");
        return IDOK;
    }
};

// An object whose drawing fails.
class FailingItem : public CZTFieldItem
{
public:
    FailingItem() { SetSize(CSize(100, 100)); }
    void ExternalDraw(CDC*, const CRect&) override { throw CString("drawing failed"); }
};

BOOL CALLBACK CountVisible(HWND wnd, LPARAM count)
{
    *(int*)count += ::IsWindowVisible(wnd) ? 1 : 0;
    return TRUE;
}

int VisibleWindowsOfThread()
{
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountVisible, (LPARAM)&count);
    return count;
}

std::string Numbers(const std::vector<UINT>& pages)
{
    std::string s;
    for (UINT p : pages)
        s += std::to_string(p);
    return s;
}

class Printing : public PrintFixture
{
protected:
    // The body's text, each @ a cell whose formula names field F<n>.
    void FillWithCells(const std::string& pattern)
    {
        CChangeBracket bracket(doc);
        AppendWithCells(doc, body, pattern);
    }
    std::string Text() const
    {
        return std::string((const char*)body->m_chars.GetData(), body->m_chars.count - 3);
    }
    std::string Formulas() const
    {
        std::string s;
        for (LONG i = 0; i < body->m_fields.count; ++i)
            if (GOle* cell = dynamic_cast<GOle*>(body->m_fields[i]))
                if (CCCell* item = dynamic_cast<CCCell*>(cell->m_pItem))
                    s += std::string((LPCSTR)item->GetFormulaText()) + ";";
        return s;
    }
    std::string UndoLists() const
    {
        CWUndoRedoStack* stack = GetDocUndoStack(doc);
        std::string s = std::to_string(stack->GetUndoLen()) + "/" + std::to_string(stack->GetRedoLen()) + ":";
        for (long i = 0; i < stack->GetUndoLen(); ++i)
            s += std::string((LPCSTR)stack->GetUndoName(i)) + ",";
        return s;
    }
    // What the user can see of the document.
    std::string State() const
    {
        return Text() + "|" + Formulas() + "|" + UndoLists() + "|" + std::to_string(body->m_nCaret) + "," +
               std::to_string(body->m_nSelFirst) + "," + std::to_string(body->m_nSelEnd) + "|" +
               std::to_string(doc->m_nViewNotify);
    }
    GFontStyle& NormalText()
    {
        CString name;
        name.LoadString(IDS_MSTYLE_NORMAL);
        const long master = doc->m_masterStyles.FindStyle((LPCSTR)name);
        return doc->m_fontStyles[doc->m_masterStyles[master].style.m_Font].style;
    }
    // Page 1 printed on printer, offsets of the printable area as given
    // (0.1 mm); OnPrint runs with what OnPrepareDC left, like the loop.
    void PrintFirstPage(TestPrinter& printer, LONG offsetX, LONG offsetY)
    {
        CPrintInfo info;
        printer.GiveTo(info);
        ASSERT_TRUE(printView.OnPreparePrinting(&info));
        PrinterDC dc(info);
        info.m_nCurPage = 1;
        printView.OnPrepareDC(&dc, &info);
        doc->m_printOffset[0] = offsetX;
        doc->m_printOffset[1] = offsetY;
        printView.OnPrint(&dc, &info);
    }
};

TEST_F(Printing, WithoutAPrinterPrintAndPreviewDoNothingAndShowNothing)
{
    MakeView(400, 300, true);
    MakePages(2);
    PumpMessages();
    const int before = VisibleWindowsOfThread();
    for (UINT command : {ID_FILE_PRINT_ZVW, ID_FILE_PREVIEW_ZVW})
    {
        view->SendMessage(WM_COMMAND, command, 0);
        PumpMessages();
        EXPECT_EQ(VisibleWindowsOfThread(), before) << command;
        EXPECT_EQ(doc->m_nViewNotify, 0) << command;
    }
}

TEST_F(Printing, CopiesAndCollationGiveThePageSequences)
{
    MakePages(3);
    struct Case
    {
        const char* name;
        short driverCollates;
        int copies;
        bool collated;
        const char* pages;
        short deviceCopies;   // what the printer is left to make
    } cases[] = {
        {"driver collates, three collated", 1, 3, true, "123", 3},
        {"driver collates, three", 1, 3, false, "123", 3},
        {"driver collates, one", 1, 1, true, "123", 1},
        {"view collates, one", 0, 1, true, "123", 1},
        {"view copies, one", 0, 1, false, "123", 1},
        {"view copies, three", 0, 3, false, "111222333", 1},
        {"view collates, three", 0, 3, true, "123123123", 1},
    };
    for (const Case& c : cases)
    {
        TestPrinter printer;
        CPrintInfo info;
        printer.GiveTo(info);
        PRINTDLGA& pd = info.m_pPD->m_pd;
        // A driver that collates takes the copies in its device mode.
        pd.hDevMode = MakeDevMode(c.driverCollates, (short)(c.driverCollates ? c.copies : 1));
        pd.nCopies = (WORD)c.copies;
        if (c.collated)
            pd.Flags |= PD_COLLATE;
        printView.printed.clear();
        RunJob(info);
        EXPECT_EQ(Numbers(printView.printed), c.pages) << c.name;
        const DEVMODEA* mode = (const DEVMODEA*)::GlobalLock(pd.hDevMode);
        EXPECT_EQ(mode->dmCopies, c.deviceCopies) << c.name;
        ::GlobalUnlock(pd.hDevMode);
        ::GlobalFree(pd.hDevMode);
        pd.hDevMode = NULL;
        EXPECT_EQ(doc->m_nViewNotify, 0) << c.name;
        // The view measures for the screen again.
        EXPECT_TRUE(printView.m_bPageMode) << c.name;
    }
}

TEST_F(Printing, AGivenRangeIsCopiedAndCollatedAsAWhole)
{
    MakePages(4);
    TestPrinter printer;
    CPrintInfo info;
    printer.GiveTo(info);
    PRINTDLGA& pd = info.m_pPD->m_pd;
    pd.hDevMode = MakeDevMode(0, 1);
    pd.nCopies = 2;
    pd.Flags |= PD_COLLATE | PD_PAGENUMS;
    pd.nFromPage = 2;
    pd.nToPage = 9;   // beyond the document: it ends at page 4
    RunJob(info);
    EXPECT_EQ(Numbers(printView.printed), "234234");
    ::GlobalFree(pd.hDevMode);
    pd.hDevMode = NULL;
}

TEST_F(Printing, TheDeviceModeTakesThePageSetUp)
{
    struct Case
    {
        const char* name;
        BYTE paper;
        LONG portrait, width, height;
        short orientation, paperSize, length, widthOut;
    } cases[] = {
        {"A4 upright", DMPAPER_A4, 1, 2100, 2970, DMORIENT_PORTRAIT, DMPAPER_A4, 0, 0},
        {"letter lying", DMPAPER_LETTER, 0, 2794, 2159, DMORIENT_LANDSCAPE, DMPAPER_LETTER, 0, 0},
        {"own size upright", 255, 1, 1500, 2000, DMORIENT_PORTRAIT, DMPAPER_USER, 2000, 1500},
        // The sheet's size goes to the printer upright.
        {"own size lying", 255, 0, 2500, 1800, DMORIENT_LANDSCAPE, DMPAPER_USER, 2500, 1800},
    };
    for (const Case& c : cases)
    {
        GPageInfo& setup = doc->m_pageInfos[0];
        setup.paperType = c.paper;
        setup.portrait = c.portrait;
        setup.paperWidth = c.width;
        setup.paperHeight = c.height;
        TestPrinter printer;
        CPrintInfo info;
        printer.GiveTo(info);
        PRINTDLGA& pd = info.m_pPD->m_pd;
        pd.hDevMode = MakeDevMode(1, 1);
        ASSERT_TRUE(printView.OnPreparePrinting(&info)) << c.name;
        const DEVMODEA* mode = (const DEVMODEA*)::GlobalLock(pd.hDevMode);
        EXPECT_EQ(mode->dmOrientation, c.orientation) << c.name;
        EXPECT_EQ(mode->dmPaperSize, c.paperSize) << c.name;
        if (c.paperSize == DMPAPER_USER)
        {
            EXPECT_EQ(mode->dmPaperLength, c.length) << c.name;
            EXPECT_EQ(mode->dmPaperWidth, c.widthOut) << c.name;
        }
        ::GlobalUnlock(pd.hDevMode);
        ::GlobalFree(pd.hDevMode);
        pd.hDevMode = NULL;
    }
}

TEST_F(Printing, TheFirstRowLandsInThePrintableAreaLessTheOffsets)
{
    Type(body, 0, "HHHH first row");
    const GPageInfo& setup = doc->m_pageInfos[0];
    const int dpi = ::GetDeviceCaps(::GetDC(NULL), LOGPIXELSX);
    struct Case
    {
        LONG x, y;   // physical offsets, 0.1 mm
    } cases[] = {{0, 0}, {100, 50}};
    for (const Case& c : cases)
    {
        TestPrinter printer;
        PrintFirstPage(printer, c.x, c.y);
        const CRect ink = printer.Ink();
        ASSERT_FALSE(ink.IsRectEmpty()) << c.x;
        const int left = ::MulDiv(setup.textLeft - c.x, dpi, 254);
        const int top = ::MulDiv(setup.textTop - c.y, dpi, 254);
        EXPECT_NEAR(ink.left, left, 3) << c.x;
        EXPECT_GE(ink.top, top) << c.x;
        EXPECT_LT(ink.top, top + 30) << c.x;   // within the first row
    }
}

TEST_F(Printing, WhiteNormalTextPrintsBlackOnABlackPageSetting)
{
    Type(body, 0, "HHHH white text");
    GFontStyle& normal = NormalText();
    const COLORREF savedPage = Options.Colors[CWOptions::kColorPage];
    normal.m_Colour = RGB(255, 255, 255);
    struct Case
    {
        COLORREF pageSetting;
        bool inked;
    } cases[] = {{RGB(0, 0, 0), true}, {RGB(255, 255, 255), false}};
    for (const Case& c : cases)
    {
        Options.Colors[CWOptions::kColorPage] = c.pageSetting;
        TestPrinter printer;
        PrintFirstPage(printer, 0, 0);
        EXPECT_EQ(!printer.Ink().IsRectEmpty(), c.inked) << c.pageSetting;
        EXPECT_EQ(normal.m_Colour, RGB(255, 255, 255)) << c.pageSetting;
    }
    Options.Colors[CWOptions::kColorPage] = savedPage;
}

TEST_F(Printing, APageThatFailsSaysSoAndLeavesTheDocumentAsItWas)
{
    MessageApp app;
    doc->SetMergeFieldNames({"F0"});
    doc->AddMergeRecord({""});   // the cell computes to nothing: the merge removes it
    FillWithCells("Dear @\rx");
    FailingItem* failing = new FailingItem;
    doc->AddItem(failing);
    {
        CChangeBracket bracket(doc);
        body->InsertField(new GOle(body, 0, failing));
    }
    body->m_nCaret = 2;
    GFontStyle& normal = NormalText();
    const COLORREF colour = normal.m_Colour;
    doc->m_pageInfos[0].useFontStyle = 1;
    const std::string before = State();

    TestPrinter printer;
    CPrintInfo info;
    printer.GiveTo(info);
    RunJob(info);
    ASSERT_EQ(app.shown.size(), 1u);
    EXPECT_EQ(app.shown[0], kPrintFailure);
    EXPECT_EQ(State(), before);
    EXPECT_EQ(normal.m_Colour, colour);
    EXPECT_EQ(doc->m_pageInfos[0].useFontStyle, 0);
}

TEST_F(Printing, AJobLeavesTextUndoAndRedoAsTheyWere)
{
    for (bool withCells : {false, true})
    {
        SCOPED_TRACE(withCells ? "with merge fields" : "plain");
        TearDown();
        SetUp();
        if (withCells)
        {
            doc->SetMergeFieldNames({"F0", "F1"});
            doc->AddMergeRecord({"Ann", ""});
            doc->AddMergeRecord({"", "Rome"});
            FillWithCells("To @\r@\rEnd\r\fLast");
        }
        else
            MakePages(2);
        doc->m_bUndoEnabled = TRUE;
        Type(body, 0, "First. ");
        Type(body, 0, "Second. ");
        GetDocUndoStack(doc)->Undo();
        printView.printed.clear();
        const std::string before = State();
        ASSERT_NE(UndoLists().find("1/1"), std::string::npos) << UndoLists();
        TestPrinter printer;
        CPrintInfo info;
        printer.GiveTo(info);
        RunJob(info);
        EXPECT_EQ(Numbers(printView.printed), "12");
        EXPECT_EQ(State(), before);
    }
}

TEST(SelectPrinter, TakesTheHandlesAndFreesTheOldOnlyWhenAsked)
{
    CWinApp* app = AfxGetApp();
    const HGLOBAL savedNames = app->m_hDevNames, savedMode = app->m_hDevMode;
    HGLOBAL names = ::GlobalAlloc(GMEM_MOVEABLE, 16), mode = MakeDevMode(1, 1);
    app->m_hDevNames = app->m_hDevMode = NULL;
    app->SelectPrinter(names, mode, FALSE);
    EXPECT_EQ(app->m_hDevNames, names);
    EXPECT_EQ(app->m_hDevMode, mode);
    // Selecting the printer in force again keeps it.
    app->SelectPrinter(names, mode, TRUE);
    EXPECT_NE(::GlobalSize(mode), 0u);
    HGLOBAL otherNames = ::GlobalAlloc(GMEM_MOVEABLE, 16), otherMode = MakeDevMode(0, 1);
    app->SelectPrinter(otherNames, otherMode, FALSE);
    EXPECT_NE(::GlobalSize(names), 0u);   // kept: the caller still holds them
    app->SelectPrinter(names, mode, TRUE);
    EXPECT_EQ(app->m_hDevMode, mode);
    app->m_hDevNames = savedNames;
    app->m_hDevMode = savedMode;
    for (HGLOBAL h : {names, mode})
        ::GlobalFree(h);
}

} // namespace
