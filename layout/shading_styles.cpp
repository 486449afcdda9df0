// The shading table, its pattern bitmaps and the fills of a shading style.
#include "layout/shading.h"
#include "controls/LineStyles.h"
#include "app/CWOptions.h"
#include "resources/resource.h"
#include <cstdlib>

namespace {

// Percent and hatch of each table entry, in the order of the names string.
const struct { LONG percent; LONG pattern; } kTable[kShadingStyleCount] = {
    {kClearPercent, kNoHatch}, {kSolidPercent, kNoHatch},
    {5, kNoHatch}, {10, kNoHatch}, {20, kNoHatch}, {25, kNoHatch}, {30, kNoHatch}, {40, kNoHatch},
    {50, kNoHatch}, {60, kNoHatch}, {70, kNoHatch}, {80, kNoHatch}, {90, kNoHatch},
    {kSolidPercent, HS_BDIAGONAL}, {kSolidPercent, HS_CROSS}, {kSolidPercent, HS_DIAGCROSS},
    {kSolidPercent, HS_FDIAGONAL}, {kSolidPercent, HS_HORIZONTAL}, {kSolidPercent, HS_VERTICAL},
};

// Resources of the pattern bitmaps, Brushes' order (table entries 2 to 12).
const UINT kBitmapIds[kPatternBitmapCount] = {
    IDB_SHADE_5, IDB_SHADE_10, IDB_SHADE_20, IDB_SHADE_25, IDB_SHADE_30, IDB_SHADE_40,
    IDB_SHADE_50, IDB_SHADE_60, IDB_SHADE_70, IDB_SHADE_80, IDB_SHADE_90,
};

// A percent is taken for a table entry's when it lies this close.
const LONG kPercentTolerance = 5;

struct TableFiller
{
    TableFiller()
    {
        for (int i = 0; i < kShadingStyleCount; ++i)
        {
            ShadingStyles[i].back = White;
            ShadingStyles[i].fore = Silver;
            ShadingStyles[i].percent = kTable[i].percent;
            ShadingStyles[i].pattern = kTable[i].pattern;
        }
    }
};

// The fill's colours on the context, put back when the fill ends.
class FillColours
{
public:
    FillColours(CDC* dc, const CShadeStyle& style)
        : m_dc(dc), m_back(dc->SetBkColor(style.back)), m_fore(dc->SetTextColor(style.fore))
    {
    }
    ~FillColours()
    {
        m_dc->SetBkColor(m_back);
        m_dc->SetTextColor(m_fore);
    }

private:
    CDC* m_dc;
    COLORREF m_back;
    COLORREF m_fore;
};

} // namespace

CShadeStyle ShadingStyles[kShadingStyleCount];
CBitmap Brushes[kPatternBitmapCount];
// Filled when the library loads; White and Silver are constant-initialised.
static TableFiller fillTable;

CString ShadingStyleName(int index)
{
    CString names;
    if (index < 0 || index >= kShadingStyleCount || !names.LoadString(IDS_SHADING_NAMES))
        return CString();
    int start = 0;
    for (int i = 0; i < index && start >= 0; ++i)
    {
        start = names.Find(',', start);
        if (start >= 0)
            ++start;
    }
    if (start < 0)
        return CString();
    const int end = names.Find(',', start);
    return end < 0 ? names.Mid(start) : names.Mid(start, end - start);
}

void LoadBrushes()
{
    for (int i = 0; i < kPatternBitmapCount; ++i)
    {
        Brushes[i].DeleteObject();
        HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(kBitmapIds[i]), RT_BITMAP);
        Brushes[i].Attach(::LoadBitmapA(module, MAKEINTRESOURCEA(kBitmapIds[i])));
    }
}

void DeleteBrushes()
{
    for (CBitmap& b : Brushes)
        b.DeleteObject();
}

int FindShading(const CShadeStyle& style)
{
    for (int i = 0; i < kShadingStyleCount; ++i)
        if (labs((long)ShadingStyles[i].percent - style.percent) < kPercentTolerance &&
            ShadingStyles[i].pattern == style.pattern)
            return i;
    return 0;
}

void ChooseBrush(const CShadeStyle& style, CBrush* brush, int index, CDC*)
{
    if (style.percent == kClearPercent)
        brush->CreateSolidBrush(Options.Colors[CWOptions::kColorPage]);
    else if (style.percent == kSolidPercent)
    {
        if (style.pattern == kNoHatch)
            brush->CreateSolidBrush(style.fore);
        else
            brush->CreateHatchBrush(style.pattern, style.fore);
    }
    else
    {
        int bitmap = index - kFirstPatternShading;
        if (bitmap < 0 || bitmap >= kPatternBitmapCount)
            bitmap = 0;
        brush->CreatePatternBrush(&Brushes[bitmap]);
    }
}

void DrawShade(CDC* dc, CRect rect, const CShadeStyle& style)
{
    CBrush brush;
    ChooseBrush(style, &brush, FindShading(style), dc);
    FillColours colours(dc, style);
    dc->FillRect(&rect, &brush);
}

void DrawShade(CDC* dc, CRgn* region, const CShadeStyle& style)
{
    CBrush brush;
    ChooseBrush(style, &brush, FindShading(style), dc);
    FillColours colours(dc, style);
    const int mode = dc->SetBkMode(OPAQUE);
    dc->FillRgn(region, &brush);
    dc->SetBkMode(mode);
}

COLORREF CalcColor(unsigned long colour, int percent)
{
    const double keep = 1.0 - percent / 100.0;
    auto lighten = [keep](BYTE c) { return (BYTE)(c + (255 - c) * keep); };
    return RGB(lighten(GetRValue(colour)), lighten(GetGValue(colour)), lighten(GetBValue(colour)));
}

void SortShades(GArray<GShade>& shades)
{
    for (LONG i = 0; i < shades.count; ++i)
    {
        LONG least = i;
        for (LONG j = i + 1; j < shades.count; ++j)
            if (shades[j].first < shades[least].first)
                least = j;
        if (least != i)
        {
            const GShade t = shades[i];
            shades[i] = shades[least];
            shades[least] = t;
        }
    }
}
