// Filling page information from the default printer and the margin
// settings, and naming its paper among the sizes page setup knows.
#include "afxwin.h"
#include "afxdlgs.h"
#include "model/GPageInfo.h"
#include "app/CWOptions.h"
#include "view/papers.h"
#include <stdlib.h>

LONG IsPageInfoFindPrinter = 1;

const SIZE GPageInfo::kKnownPapers[kKnownPaperCount] = {
    {2159, 2794},   // Letter
    {2159, 3556},   // Legal
    {1841, 2667},   // Executive
    {2100, 2970},   // A4
    {1048, 2413},   // Envelope #10
    {1100, 2200},   // Envelope DL
    {1620, 2290},   // Envelope C5
    {1760, 2500},   // Envelope B5
    {984, 1905},    // Envelope Monarch
};

namespace {

const int kPaperTolerance = 2;   // 0.1 mm
const int kCountryNameSize = 21;
const int kCountryCount = 10;
const char* const kCountries[kCountryCount] = {
    "United States", "United Kingdom", "Australia",      "Austria", "Canada[English]",
    "Canada[French]", "France",        "Germany",        "Ireland", "Italy"};

// The print-setup flags the default printer is asked with.
const DWORD kPrintSetupFlags = CPrintDialog::kDefaultFlags;
// Page setup answering its defaults in hundredths of millimetres.
const DWORD kPageSetupFlags = PSD_RETURNDEFAULT | PSD_INHUNDREDTHSOFMILLIMETERS;

} // namespace

void GPageInfo::DefaultInit()
{
    char country[kCountryNameSize] = "";
    ::GetProfileStringA("intl", "sCountry", "", country, sizeof(country));
    int index = kCountryCount;
    for (int i = 0; i < kCountryCount; i++)
        if (lstrcmpiA(country, kCountries[i]) == 0)
        {
            index = i;
            break;
        }
    CountryInit(index);
}

// Every country is set up alike: the printer and the settings decide.
void GPageInfo::CountryInit(int)
{
    InitFromPrinter(QueryDefaultPrinter());
}

SPrinterPaper GPageInfo::QueryDefaultPrinter()
{
    SPrinterPaper printer;
    CPrintDialog print(TRUE, kPrintSetupFlags);
    if (!print.GetDefaults())
        return printer;
    // Only whether there is a printer matters here; page setup answers
    // the settings with its own handles.
    if (print.m_pd.hDevMode)
        ::GlobalFree(print.m_pd.hDevMode);
    if (print.m_pd.hDevNames)
        ::GlobalFree(print.m_pd.hDevNames);
    printer.hasPrinter = TRUE;

    CPageSetupDialog setup(kPageSetupFlags);
    if (setup.DoModal() != IDOK)
        return printer;   // known printer, no paper size: A4
    printer.setupWidth = setup.m_psd.ptPaperSize.x;
    printer.setupHeight = setup.m_psd.ptPaperSize.y;
    if (LPDEVMODEA mode = setup.GetDevMode())
    {
        if (mode->dmFields & DM_ORIENTATION)
            printer.orientation = mode->dmOrientation;
        if (mode->dmFields & DM_PAPERSIZE)
            printer.paperCode = mode->dmPaperSize;
        if (mode->dmFields & DM_COLOR)
            printer.colour = mode->dmColor;
        ::GlobalUnlock(setup.m_psd.hDevMode);
    }
    return printer;
}

void GPageInfo::InitFromPrinter(const SPrinterPaper& printer)
{
    paperWidth = kDefaultWidth;
    paperHeight = kDefaultHeight;
    portrait = 1;
    colourPrinter = 0;
    if (printer.hasPrinter)
    {
        colourPrinter = printer.colour == DMCOLOR_COLOR ? 1 : 0;
        if (printer.setupWidth == 0 || printer.setupHeight == 0)
            IsPageInfoFindPrinter = 0;
        else
        {
            portrait = printer.orientation == DMORIENT_PORTRAIT ? 1 : 0;
            if (printer.paperCode == 0 || printer.paperCode == DMPAPER_USER)
            {
                paperWidth = printer.setupWidth / 10;
                paperHeight = printer.setupHeight / 10;
            }
            else
            {
                // The table holds portrait sizes; the record keeps the size
                // as the sheet lies, which the crosswise look-up expects.
                CSize size = GetPaperSize(printer.paperCode);
                paperWidth = portrait ? size.cx : size.cy;
                paperHeight = portrait ? size.cy : size.cx;
            }
        }
    }
    paperType = (BYTE)GetPaperType(CSize(paperWidth, paperHeight), portrait);

    const GPageInfo fresh;
    memcpy(pageValues, fresh.pageValues, sizeof(pageValues));
    memcpy(layoutValues, fresh.layoutValues, sizeof(layoutValues));
    useFontStyle = 0;
    memcpy(distances, fresh.distances, sizeof(distances));
    oneValue = fresh.oneValue;
    memcpy(moreValues, fresh.moreValues, sizeof(moreValues));
    finalValue = fresh.finalValue;
    fontStyle = GFontStyle();

    // Margins that leave no room on this paper are replaced for good.
    if (Options.TopPageMargins + Options.BottomPageMargins > paperHeight ||
        Options.LeftPageMargins + Options.RightPageMargins > paperWidth)
    {
        Options.TopPageMargins = Options.BottomPageMargins = kMarginFallback;
        Options.LeftPageMargins = Options.RightPageMargins = kMarginFallback;
    }
    textLeft = Options.LeftPageMargins;
    textTop = Options.TopPageMargins;
    textRight = paperWidth - Options.RightPageMargins;
    textBottom = paperHeight - Options.BottomPageMargins;
}

void GPageInfo::FindPaperType()
{
    LONG w = portrait ? paperWidth : paperHeight;
    LONG h = portrait ? paperHeight : paperWidth;
    paperType = kOtherPaper;
    for (int i = 0; i < kKnownPaperCount; i++)
        if (labs(kKnownPapers[i].cx - w) <= kPaperTolerance && labs(kKnownPapers[i].cy - h) <= kPaperTolerance)
        {
            paperType = (BYTE)i;
            return;
        }
}
