// Page information: the record a new document gets without a printer and
// from printer settings, the margin fallback, naming the paper among the
// known sizes, and the paper table look-ups by code and by size.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "afxdlgs.h"
#include "model/GPageInfo.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "view/papers.h"
#include <vector>

namespace {

class PageInfo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = Options;
        savedFind = IsPageInfoFindPrinter;
        Options.TopPageMargins = Options.BottomPageMargins = Options.LeftPageMargins = Options.RightPageMargins = 254;
    }
    void TearDown() override
    {
        Options = saved;
        IsPageInfoFindPrinter = savedFind;
    }
    CWOptions saved;
    LONG savedFind;
};

SPrinterPaper Printer(LONG width, LONG height, short code, short orientation = DMORIENT_PORTRAIT,
                      short colour = DMCOLOR_MONOCHROME)
{
    SPrinterPaper p;
    p.hasPrinter = TRUE;
    p.setupWidth = width;
    p.setupHeight = height;
    p.paperCode = code;
    p.orientation = orientation;
    p.colour = colour;
    return p;
}

void ExpectA4Portrait(const GPageInfo& info)
{
    EXPECT_EQ(2100, info.paperWidth);
    EXPECT_EQ(2970, info.paperHeight);
    EXPECT_EQ(1, info.portrait);
    EXPECT_EQ(DMPAPER_A4, info.paperType);
}

} // namespace

// Under this test run there is no printer: every path ends in A4.
TEST_F(PageInfo, WithoutPrinterANewRecordIsA4PortraitAndComplete)
{
    GPageInfo info;
    memset(info.pageValues, 0x55, sizeof(info.pageValues));
    info.useFontStyle = 7;
    info.DefaultInit();
    ExpectA4Portrait(info);
    EXPECT_EQ(0, info.colourPrinter);
    EXPECT_EQ(254, info.textLeft);
    EXPECT_EQ(254, info.textTop);
    EXPECT_EQ(2100 - 254, info.textRight);
    EXPECT_EQ(2970 - 254, info.textBottom);
    EXPECT_EQ(1, info.pageValues[0]);
    EXPECT_EQ(1, info.pageValues[1]);
    EXPECT_EQ(0, info.useFontStyle);
    EXPECT_EQ(30, info.distances[0]);
    EXPECT_EQ(30, info.distances[1]);
    EXPECT_EQ(1, info.oneValue);
    EXPECT_EQ(1, info.finalValue);
    EXPECT_FALSE(info.fontStyle.IsAllDefined());

    // The document's page format is the same record.
    CWDocument doc;
    ExpectA4Portrait(doc.m_pageInfos[0]);
    EXPECT_EQ(info.GetTextWidth(), doc.GetCurPageInfo()->GetTextWidth());
}

TEST_F(PageInfo, CountryOfTheProfileChangesNothing)
{
    char original[64] = "";
    DWORD had = ::GetProfileStringA("intl", "sCountry", "\x01", original, sizeof(original));
    std::vector<GPageInfo> made;
    for (const char* country : {"Germany", "United States", "Nowhere at all, a long name", ""})
    {
        ::WriteProfileStringA("intl", "sCountry", country);
        GPageInfo info;
        info.DefaultInit();
        made.push_back(info);
    }
    ::WriteProfileStringA("intl", "sCountry", had && original[0] != 1 ? original : NULL);
    for (const GPageInfo& info : made)
    {
        EXPECT_EQ(made[0].paperType, info.paperType);
        EXPECT_EQ(made[0].paperWidth, info.paperWidth);
        EXPECT_EQ(made[0].paperHeight, info.paperHeight);
        EXPECT_EQ(made[0].textRight, info.textRight);
        EXPECT_EQ(made[0].textBottom, info.textBottom);
    }
    GPageInfo first, other;
    first.CountryInit(0);
    other.CountryInit(10);
    EXPECT_EQ(first.paperType, other.paperType);
    EXPECT_EQ(first.textRight, other.textRight);
}

TEST_F(PageInfo, FromPrinterSettings)
{
    const struct
    {
        const char* what;
        SPrinterPaper printer;
        LONG width, height, portrait;
        int type;
        LONG colour;
    } cases[] = {
        {"no printer", SPrinterPaper(), 2100, 2970, 1, DMPAPER_A4, 0},
        {"A4 by code", Printer(21000, 29700, DMPAPER_A4), 2100, 2970, 1, DMPAPER_A4, 0},
        {"square user size", Printer(20000, 20000, 0), 2000, 2000, 1, 0, 0},
        {"user size, code 256", Printer(21590, 27940, DMPAPER_USER), 2159, 2794, 1, DMPAPER_LETTER, 0},
        {"letter landscape by code", Printer(27940, 21590, DMPAPER_LETTER, DMORIENT_LANDSCAPE), 2794, 2159, 0,
         DMPAPER_LETTER, 0},
        {"colour printer", Printer(21000, 29700, DMPAPER_A4, DMORIENT_PORTRAIT, DMCOLOR_COLOR), 2100, 2970, 1,
         DMPAPER_A4, 1},
        {"no paper size", Printer(0, 29700, DMPAPER_LETTER, DMORIENT_LANDSCAPE, DMCOLOR_COLOR), 2100, 2970, 1,
         DMPAPER_A4, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        IsPageInfoFindPrinter = 1;
        GPageInfo info;
        info.InitFromPrinter(c.printer);
        EXPECT_EQ(c.width, info.paperWidth);
        EXPECT_EQ(c.height, info.paperHeight);
        EXPECT_EQ(c.portrait, info.portrait);
        EXPECT_EQ(c.type, info.paperType);
        EXPECT_EQ(c.colour, info.colourPrinter);
        EXPECT_EQ(c.width - 254, info.textRight);
        EXPECT_EQ(c.height - 254, info.textBottom);
        // Only a printer without a paper size clears the flag.
        EXPECT_EQ(c.printer.hasPrinter && c.printer.setupWidth == 0 ? 0 : 1, IsPageInfoFindPrinter);
    }
}

TEST_F(PageInfo, MarginsThatDoNotFitAreAllReplaced)
{
    const struct
    {
        LONG top, bottom, left, right;
        bool replaced;
    } cases[] = {
        {1500, 1500, 100, 100, true},    // 3000 > 2970
        {1485, 1485, 100, 100, false},   // exactly the height fits
        {100, 100, 1100, 1001, true},    // 2101 > 2100
        {100, 200, 300, 400, false},
    };
    for (const auto& c : cases)
    {
        Options.TopPageMargins = c.top;
        Options.BottomPageMargins = c.bottom;
        Options.LeftPageMargins = c.left;
        Options.RightPageMargins = c.right;
        GPageInfo info;
        info.InitFromPrinter(SPrinterPaper());
        LONG top = c.replaced ? 254 : c.top, bottom = c.replaced ? 254 : c.bottom;
        LONG left = c.replaced ? 254 : c.left, right = c.replaced ? 254 : c.right;
        EXPECT_EQ(top, Options.TopPageMargins);
        EXPECT_EQ(right, Options.RightPageMargins);
        EXPECT_EQ(left, info.textLeft);
        EXPECT_EQ(top, info.textTop);
        EXPECT_EQ(2100 - right, info.textRight);
        EXPECT_EQ(2970 - bottom, info.textBottom);
    }
}

TEST_F(PageInfo, FindPaperTypeNamesTheKnownSize)
{
    const struct
    {
        LONG width, height, portrait;
        int type;
    } cases[] = {
        {2794, 2159, 0, 0},   // letter, landscape
        {2159, 2794, 1, 0},
        {2101, 2968, 1, 3},   // A4 within the tolerance
        {2103, 2970, 1, 9},   // just outside it
        {2000, 2000, 1, 9},
        {2159, 3556, 1, 1},
        {3556, 2159, 1, 9},   // legal lying wide but marked portrait
        {984, 1905, 1, 8},
        {1905, 984, 0, 8},
        {2413, 1048, 0, 4},
    };
    for (const auto& c : cases)
    {
        GPageInfo info;
        info.paperWidth = c.width;
        info.paperHeight = c.height;
        info.portrait = c.portrait;
        info.FindPaperType();
        EXPECT_EQ(c.type, info.paperType) << c.width << "x" << c.height << " portrait " << c.portrait;
    }
}

TEST(Papers, TableRowsAndLookUps)
{
    ASSERT_EQ(68, kPaperCount);
    // One row per code 1..68, in the order page setup lists them.
    const int firstCodes[] = {1, 5, 9, 24, 25, 26, 2, 3, 4, 6, 7, 8, 10};
    for (int i = 0; i < 13; i++)
        EXPECT_EQ(firstCodes[i], papers[i].code);
    bool seen[69] = {};
    for (const PaperRow& row : papers)
    {
        ASSERT_TRUE(row.code >= 1 && row.code <= 68);
        EXPECT_FALSE(seen[row.code]) << row.code;
        seen[row.code] = true;
    }

    EXPECT_EQ(CSize(1841, 2667), GetPaperSize(DMPAPER_EXECUTIVE));
    EXPECT_EQ(CSize(984, 2254), GetPaperSize(DMPAPER_ENV_9));
    EXPECT_EQ(CSize(2100, 2970), GetPaperSize(0));     // unknown: A4
    EXPECT_EQ(CSize(2100, 2970), GetPaperSize(256));

    const struct
    {
        CSize size;
        int portrait;
        int code;
    } cases[] = {
        {CSize(2100, 2970), 1, DMPAPER_A4},     // A4 comes before A4 small
        {CSize(2102, 2968), 1, DMPAPER_A4},
        {CSize(2103, 2970), 1, 0},
        {CSize(2970, 2100), 0, DMPAPER_A4},
        {CSize(2970, 2100), 1, 0},
        {CSize(2159, 2794), 1, DMPAPER_LETTER},
        {CSize(4318, 2794), 1, DMPAPER_LEDGER},
        {CSize(2000, 2000), 1, 0},
        {CSize(0, 0), 1, 48},                   // the reserved rows hold no size
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, GetPaperType(c.size, c.portrait)) << c.size.cx << "x" << c.size.cy;
}

// The print dialog's defaults: nothing is shown, and without a printer
// the answer is FALSE with no handles.
TEST(PrintDialogDefaults, AnswerWithoutShowingAnything)
{
    CPrintDialog dlg(TRUE);
    EXPECT_TRUE(dlg.m_pd.Flags & PD_PRINTSETUP);
    EXPECT_EQ(CPrintDialog::kDefaultFlags | PD_PRINTSETUP, dlg.m_pd.Flags);
    BOOL found = dlg.GetDefaults();
    EXPECT_EQ(dlg.m_pd.Flags & PD_RETURNDEFAULT, 0u);   // flags restored
    if (!found)
    {
        EXPECT_EQ(nullptr, dlg.m_pd.hDevMode);
        EXPECT_EQ(nullptr, dlg.GetDevMode());
        EXPECT_TRUE(dlg.GetDeviceName().IsEmpty());
    }
    else
    {
        ::GlobalFree(dlg.m_pd.hDevMode);
        ::GlobalFree(dlg.m_pd.hDevNames);
    }

    CPageSetupDialog setup(PSD_RETURNDEFAULT | PSD_INHUNDREDTHSOFMILLIMETERS);
    EXPECT_EQ((DWORD)sizeof(PAGESETUPDLGA), setup.m_psd.lStructSize);
    if (!found)
    {
        EXPECT_EQ(IDCANCEL, setup.DoModal());
    }
}
