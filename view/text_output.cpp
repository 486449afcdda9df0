// Drawing a run of a flow's characters: in the style's font and colour,
// greyed for the parts not being edited, each glyph centred in the cell
// the layout gave it.
#include "view/CWView.h"
#include "view/text_widths.h"
#include "model/GFontStyle.h"
#include <string.h>
#include <vector>

namespace {

const unsigned short kRaisedOrLowered = 0x10 | 0x20;   // superscript, subscript
const long kFirstHeaderPart = 1;
const long kLastHeaderPart = 6;
const COLORREF kOtherPartGrey = RGB(128, 128, 128);
const COLORREF kBodyWhileHeaderGrey = RGB(127, 127, 127);
// Below this window extent the run is drawn ten times finer.
const int kFineExtentLimit = 3276;
const int kFineScale = 10;

bool IsHeaderPart(long part)
{
    return part >= kFirstHeaderPart && part <= kLastHeaderPart;
}

// ---- The widths of the characters, remembered per font and mapping.
//
// GDI gives the plain width of a character from the font as realised at
// the context's scale, and realisation depends on the device: a key holds
// what the style builds its font from, the scale k, both extents of the
// mapping as the run is drawn (k applied) and the kind of device.

const int kCharCount = 256;
// Characters are read in blocks: a run of ordinary text touches two or
// three of them, and a font's first run no longer measures all 256 glyphs.
const int kBlockChars = 32;
const int kFontsRemembered = 16;

struct WidthKey
{
    char face[GFontStyle::kFaceSize];
    int size;
    unsigned short attributes;
    unsigned char charset;
    int scale;
    SIZE viewport;
    SIZE window;
    int technology;

    bool operator==(const WidthKey& o) const
    {
        return size == o.size && attributes == o.attributes && charset == o.charset && scale == o.scale &&
               viewport.cx == o.viewport.cx && viewport.cy == o.viewport.cy && window.cx == o.window.cx &&
               window.cy == o.window.cy && technology == o.technology &&
               strncmp(face, o.face, GFontStyle::kFaceSize) == 0;
    }
};

struct FontWidths
{
    WidthKey key;
    unsigned blocksRead = 0;   // bit b: characters b * kBlockChars on are in widths
    int widths[kCharCount];
};

class WidthCache
{
public:
    // The widths of key's font at its mapping; the characters of text that
    // were never read are read now from dc, which has that font selected
    // and that mapping.
    const int* For(const WidthKey& key, CDC* dc, const BYTE* text, int n)
    {
        FontWidths& f = Entry(key);
        unsigned wanted = 0;
        for (int i = 0; i < n; ++i)
            wanted |= 1u << (text[i] / kBlockChars);
        for (unsigned missing = wanted & ~f.blocksRead; missing; missing &= missing - 1)
        {
            const int first = __builtin_ctz(missing) * kBlockChars;
            ++m_reads;
            if (dc->GetCharWidth32(first, first + kBlockChars - 1, &f.widths[first]))
                f.blocksRead |= 1u << (first / kBlockChars);
            else   // nothing known: such glyphs start at their cell's middle
                memset(&f.widths[first], 0, kBlockChars * sizeof(int));
        }
        return f.widths;
    }
    void Forget()
    {
        for (FontWidths& f : m_fonts)
            f.blocksRead = 0;
        m_used = 0;
        m_last = 0;
    }
    long Reads() const { return m_reads; }

    // The kind of device behind dc's attribute context, asked once per
    // context: asking costs a call into the display driver, and a context
    // keeps its device for life.
    int TechnologyOf(CDC* dc)
    {
        if (dc->m_hAttribDC != m_techDC)
        {
            m_techDC = dc->m_hAttribDC;
            m_technology = ::GetDeviceCaps(m_techDC, TECHNOLOGY);
        }
        return m_technology;
    }

private:
    FontWidths& Entry(const WidthKey& key)
    {
        if (m_used && m_fonts[m_last].key == key)
            return m_fonts[m_last];
        for (int i = 0; i < m_used; ++i)
            if (m_fonts[i].key == key)
                return m_fonts[m_last = i];
        // A new font takes a free place, or the place after the one taken
        // last, in turn.
        m_last = m_used < kFontsRemembered ? m_used++ : (m_next++ % kFontsRemembered);
        FontWidths& f = m_fonts[m_last];
        f.key = key;
        f.blocksRead = 0;
        return f;
    }

    FontWidths m_fonts[kFontsRemembered];
    int m_used = 0, m_last = 0, m_next = 0;
    long m_reads = 0;
    HDC m_techDC = NULL;
    int m_technology = 0;
};

WidthCache& Widths()
{
    static WidthCache cache;
    return cache;
}

WidthKey KeyOf(const GFontStyle& style, int scale, CSize viewport, CSize window, int technology)
{
    WidthKey key;
    memset(&key, 0, sizeof(key));
    strncpy(key.face, style.GetFace(), GFontStyle::kFaceSize);
    key.size = style.GetSize();
    key.attributes = style.GetAttributes();
    key.charset = style.GetCharSet();
    key.scale = scale;
    key.viewport = viewport;
    key.window = window;
    key.technology = technology;
    return key;
}

// Both contexts of dc are mapped anisotropically (as the view maps them
// for drawing): then the mode need not be switched there and back.
bool IsAnisotropic(const CDC* dc)
{
    return ::GetMapMode(dc->m_hAttribDC) == MM_ANISOTROPIC &&
           (!dc->m_hDC || dc->m_hDC == dc->m_hAttribDC || ::GetMapMode(dc->m_hDC) == MM_ANISOTROPIC);
}

} // namespace

void TextWidths::Forget()
{
    Widths().Forget();
}

long TextWidths::Reads()
{
    return Widths().Reads();
}

CPoint CWView::PenPosition(CDC* dc, const CWView* view)
{
    POINT pt = {0, 0};
    const bool screen = view && view->m_bPageMode;
    HDC from = screen || ::GetObjectType(dc->m_hDC) == OBJ_METADC ? dc->m_hAttribDC : dc->m_hDC;
    ::GetCurrentPositionEx(from ? from : dc->m_hDC, &pt);
    return CPoint(pt);
}

void CWView::DrawTextA(CDC* dc, long part, long from, long to, const GFontStyle* style, int* widths, int)
{
    GDoc* flow = DocM(part);
    if (from >= to || !flow || !style)
        return;
    // Building the font also gives the style its baseline offset. With
    // cells, DoExtTextOut selects the font it draws in itself.
    CFont* font = style->GetFont();
    CFont* old = widths ? NULL : dc->SelectObject(font);
    COLORREF colour = style->GetColour();
    if (m_bPageMode)
    {
        if (IsHeaderPart(part) && !IsHeaderPart(CurPart()))
            colour = kOtherPartGrey;
        else if (!IsHeaderPart(part) && IsHeaderPart(CurPart()))
            colour = kBodyWhileHeaderGrey;
    }
    dc->SetTextColor(colour);
    const CPoint pt = PenPosition(dc, this);
    const LPCSTR text = (LPCSTR)flow->m_chars.Span(from, to - from);
    if (!(style->GetAttributes() & kRaisedOrLowered))
    {
        if (widths)
            DoExtTextOut(pt, dc, from, to, widths, flow, style);
        else
            dc->TextOut(pt.x, pt.y, text, (int)(to - from));
    }
    else
    {
        const CPoint shifted(pt.x, pt.y + style->GetBaselineOffset());
        if (widths)
            DoExtTextOut(shifted, dc, from, to, widths, flow, style);
        else
        {
            dc->MoveTo(shifted);
            dc->TextOut(shifted.x, shifted.y, text, (int)(to - from));
        }
        dc->MoveTo(PenPosition(dc, this).x, pt.y);
    }
    if (old)
        dc->SelectObject(old);
}

void CWView::DoExtTextOut(CPoint pt, CDC* dc, long from, long to, int* widths, const GDoc* flow,
                          const GFontStyle* style)
{
    const int n = (int)(to - from);
    if (n <= 0)
        return;
    const bool anisotropic = IsAnisotropic(dc);
    const int oldMode = anisotropic ? MM_ANISOTROPIC : dc->SetMapMode(MM_ANISOTROPIC);
    const CSize viewportExt = dc->GetViewportExt();
    const CSize windowExt = dc->GetWindowExt();
    const CPoint windowOrg = dc->GetWindowOrg();
    int k = 1;
    // Building a style's finer font rebuilds its plain one: ask for both
    // before either is selected.
    CFont* font = NULL;
    if (windowExt.cx < kFineExtentLimit && windowExt.cy < kFineExtentLimit && style->GetFont10())
    {
        k = kFineScale;
        font = style->GetFont10();
        dc->SetWindowExt(windowExt.cx * k, windowExt.cy * k);
        if (windowOrg.x || windowOrg.y)
            dc->SetWindowOrg(windowOrg.x * k, windowOrg.y * k);
    }
    else
        font = style->GetFont();
    CFont* oldFont = dc->SelectObject(font);
    const BYTE* text = (const BYTE*)flow->m_chars.Span(from, n);
    const CSize window(windowExt.cx * k, windowExt.cy * k);
    // Half a device pixel in logical units.
    CSize pixel(1, 1);
    int unknown[kCharCount];
    const int* plain = unknown;
    if (anisotropic && font)
    {
        // The view's mapping, untouched but for k: known without asking.
        pixel.cx = MulDiv(1, abs(window.cx), abs(viewportExt.cx));
        plain = Widths().For(KeyOf(*style, k, viewportExt, window, Widths().TechnologyOf(dc)), dc, text, n);
    }
    else
    {
        // A context mapped otherwise, or no font (then the widths are those
        // of the font the context holds): read afresh, not remembered.
        dc->DPtoLP(&pixel);
        if (!dc->GetCharWidth32(0, kCharCount - 1, unknown))
            memset(unknown, 0, sizeof(unknown));
    }
    const int half = pixel.cx / 2;

    // The advances of the glyphs, each from its start to the next one's;
    // the last reaches the end of its cell.
    static std::vector<int> advance;
    if ((int)advance.size() < n)
        advance.resize(n);
    long cell = (long)k * pt.x;
    int start = 0, first = 0;
    for (int i = 0; i < n; ++i)
    {
        const long w = (long)k * widths[i];
        const int glyph = (int)(cell + (w - half - plain[text[i]]) / 2);
        if (i)
            advance[i - 1] = glyph - start;
        else
            first = glyph;
        start = glyph;
        cell += w;
    }
    advance[n - 1] = (int)(cell - start);
    dc->MoveTo(first, k * pt.y);
    dc->ExtTextOut(0, 0, 0, NULL, (LPCSTR)text, (UINT)n, advance.data());

    // The old font goes back before the mapping, so the font drawn in is
    // never realised at the coarser mapping for nothing.
    dc->SelectObject(oldFont);
    if (!anisotropic)
        dc->SetMapMode(oldMode);
    if (k != 1)
    {
        dc->SetWindowExt(windowExt.cx, windowExt.cy);
        if (windowOrg.x || windowOrg.y)
            dc->SetWindowOrg(windowOrg.x, windowOrg.y);
    }
    if (!anisotropic)
        dc->SetViewportExt(viewportExt.cx, viewportExt.cy);
    dc->MoveTo((int)(cell / k), pt.y);
}
