// The page information: paper and text area of a document's pages, kept by
// CWDocument in a GArray<GPageInfo>; flows take their text width from it.
#pragma once
#include "afxwin.h"
#include "model/GFontStyle.h"

// What the default printer reports, gathered before a record is filled so
// that the filling does not depend on a printer being there.
struct SPrinterPaper
{
    BOOL hasPrinter = FALSE;   // a default printer exists
    LONG setupWidth = 0;       // page-setup paper size, 0.01 mm, as the sheet lies
    LONG setupHeight = 0;
    short orientation = DMORIENT_PORTRAIT;
    short paperCode = 0;       // DMPAPER_* of the printer; 0 or 256: user-defined
    short colour = DMCOLOR_MONOCHROME;
};

// 1 until the default printer is found to report no paper size.
extern LONG IsPageInfoFindPrinter;

// A new record describes an A4 portrait sheet with one-inch margins; the
// document fills its records with DefaultInit.
struct GPageInfo
{
    // Paper sizes FindPaperType knows; their index is its paper type.
    static constexpr int kKnownPaperCount = 9;
    static constexpr BYTE kOtherPaper = 9;
    static const SIZE kKnownPapers[kKnownPaperCount];
    static constexpr LONG kDefaultWidth = 2100;    // A4, 0.1 mm
    static constexpr LONG kDefaultHeight = 2970;
    static constexpr BYTE kDefaultPaperCode = DMPAPER_A4;
    static constexpr LONG kMarginFallback = 254;   // one inch

    // After DefaultInit the Windows paper code of the size (0 for a size
    // without one); after FindPaperType an index of kKnownPapers, or
    // kOtherPaper.
    BYTE paperType = kDefaultPaperCode;
    LONG portrait = 1;
    LONG paperWidth = kDefaultWidth;      // 0.1 mm, as the sheet lies
    LONG paperHeight = kDefaultHeight;
    // The text area, 0.1 mm from the paper's top left corner.
    LONG textLeft = 254;
    LONG textTop = 254;
    LONG textRight = kDefaultWidth - 254;
    LONG textBottom = kDefaultHeight - 254;
    // The values below belong to the page-setup, header and footer code of
    // the document and the view; here they are only initialised, copied
    // and kept, in the order of the record.
    LONG pageValues[2] = {1, 1};
    LONG layoutValues[4] = {0, 0, 0, 0};
    LONG useFontStyle = 0;                // set: fontStyle is the empty-selection style
    LONG distances[2] = {30, 30};
    LONG oneValue = 1;
    LONG unsetValue = 0;                  // left as it is by DefaultInit
    LONG moreValues[4] = {0, 0, 0, 0};
    LONG finalValue = 1;
    GFontStyle fontStyle;
    LONG colourPrinter = 0;               // the default printer prints in colour

    // Notifications of flows other than the body reach the views only
    // while this is set.
    LONG OtherFlowsNotified() const { return pageValues[1]; }

    LONG GetTextWidth() const { return textRight - textLeft; }
    LONG GetTextHeight() const { return textBottom - textTop; }

    // Fills the record from the default printer and the margins of Options.
    // The country of the Windows profile is looked up but changes nothing.
    void DefaultInit();
    void CountryInit(int country);
    // The part of CountryInit after the printer was asked.
    void InitFromPrinter(const SPrinterPaper& printer);
    // Sets the paper type to the index of the known size that matches the
    // paper within 2 (0.1 mm), compared as a portrait sheet; kOtherPaper
    // when none does.
    void FindPaperType();

    // Asks the default printer through the print and page-setup dialogs
    // without showing them.
    static SPrinterPaper QueryDefaultPrinter();
};
