// The fonts a character style builds for itself: made when first needed,
// cached with two metrics, dropped on every change of the style.
#include "afxwin.h"
#include "model/GFontStyle.h"
#include <map>
#include <string>
#include <tuple>

namespace {

// Superscript and subscript are drawn in a smaller font, shifted up or down
// from the baseline; the style keeps its bits, only the drawn font differs.
constexpr int kScriptSizeNum = 2;     // drawn at two thirds of the size
constexpr int kScriptSizeDen = 3;
constexpr int kSuperscriptRaiseDen = 3;   // raised by a third of the size
constexpr int kSubscriptDropDen = 5;      // lowered by a fifth of the size

constexpr int kWeightNormal = FW_NORMAL;  // 400
constexpr int kWeightBold = FW_BOLD;      // 700

// The application's font list (each face with the LOGFONT it was enumerated
// with) is not kept yet: this finds nothing, so every face is asked for by
// name until the application object provides the list.
const LOGFONTA* FindListedFont(const char* /*face*/, unsigned char /*charset*/)
{
    return nullptr;
}

// Everything a font asked for by name is made from: the same request
// always gives the same font, and so the same metrics.
struct SFontRequest
{
    std::string face;
    int height, weight;
    BYTE italic, underline, strikeout, charset;

    bool operator<(const SFontRequest& o) const
    {
        return std::tie(face, height, weight, italic, underline, strikeout, charset) <
               std::tie(o.face, o.height, o.weight, o.italic, o.underline, o.strikeout, o.charset);
    }
};

struct SFontMetrics
{
    short ascent, descent;
};

// The metrics of every font asked for by name so far. Every element of a
// page read builds its style's font again, and measuring a font costs a
// context and the font's realisation, far more than making the font.
std::map<SFontRequest, SFontMetrics>& MeasuredFonts()
{
    static std::map<SFontRequest, SFontMetrics> measured;
    return measured;
}

} // namespace

int GFontStyle::DrawnSize(int size, unsigned short attributes)
{
    if (!(attributes & (kSuperscript | kSubscript)))
        return size;
    int reduced = size * kScriptSizeNum / kScriptSizeDen;
    return reduced > 0 ? reduced : 1;
}

void GFontStyle::DeleteFonts() const
{
    delete m_pFont;
    m_pFont = nullptr;
    delete m_pFont10;
    m_pFont10 = nullptr;
}

CFont* GFontStyle::BuildFont(int size) const
{
    const int height = -DrawnSize(size, m_Attr);
    const int weight = (m_Attr & kBold) ? kWeightBold : kWeightNormal;
    const BYTE italic = (m_Attr & kItalic) ? 1 : 0;
    const BYTE underline = (m_Attr & kUnderline) ? 1 : 0;
    const BYTE strikeout = (m_Attr & kStrikeout) ? 1 : 0;

    CFont* font = new CFont;
    BOOL made;
    const SFontMetrics* known = nullptr;
    SFontRequest request;
    const LOGFONTA* listed = FindListedFont(m_Face, m_CharSet);
    if (listed)
    {
        LOGFONTA lf = *listed;
        lf.lfHeight = height;
        lf.lfWidth = lf.lfEscapement = lf.lfOrientation = 0;
        lf.lfWeight = weight;
        lf.lfItalic = italic;
        lf.lfUnderline = underline;
        lf.lfStrikeOut = strikeout;
        if (m_CharSet == kDefaultCharSet)
            lf.lfCharSet = kDefaultCharSet;
        made = font->CreateFontIndirect(&lf);
    }
    else
    {
        made = font->CreateFont(height, 0, 0, 0, weight, italic, underline, strikeout, m_CharSet, 0, 0, 0,
                                0, m_Face);
        request = SFontRequest{std::string(m_Face, strnlen(m_Face, kFaceSize)), height, weight, italic,
                               underline, strikeout, m_CharSet};
        auto found = MeasuredFonts().find(request);
        if (found != MeasuredFonts().end())
            known = &found->second;
    }
    if (!made)
    {
        delete font;
        return nullptr;
    }

    if (known)
    {
        m_Ascent = known->ascent;
        m_Descent = known->descent;
    }
    else
    {
        CDC dc;
        if (!dc.CreateCompatibleDC(nullptr))
        {
            delete font;
            return nullptr;
        }
        CFont* previous = dc.SelectObject(font);
        TEXTMETRICA tm;
        memset(&tm, 0, sizeof(tm));
        const BOOL measured = dc.GetTextMetrics(&tm);
        m_Ascent = (short)tm.tmAscent;
        m_Descent = (short)tm.tmDescent;
        if (previous)
            dc.SelectObject(previous);
        if (!listed && measured)
            MeasuredFonts()[request] = SFontMetrics{m_Ascent, m_Descent};
    }
    m_Reserved2 = 0;

    if (m_Attr & kSuperscript)
        m_Offset = -(size / kSuperscriptRaiseDen);
    else if (m_Attr & kSubscript)
        m_Offset = size / kSubscriptDropDen;
    else
        m_Offset = 0;
    return font;
}

CFont* GFontStyle::CreateFontA(unsigned char charset) const
{
    delete m_pFont;
    m_pFont = nullptr;

    if (charset != kMixedCharSet)
        m_CharSet = charset;
    else if (m_CharSet == kMixedCharSet)
        m_CharSet = kDefaultCharSet;

    if (!m_Face[0] || m_Size == kUndefinedSize)
        return nullptr;
    m_pFont = BuildFont(m_Size);
    return m_pFont;
}

CFont* GFontStyle::GetFont() const
{
    if (!m_pFont)
        CreateFontA(kMixedCharSet);
    return m_pFont;
}

CFont* GFontStyle::GetFont10() const
{
    if (!m_pFont10)
    {
        if (m_CharSet == kMixedCharSet)
            m_CharSet = kDefaultCharSet;
        if (m_Face[0] && m_Size != kUndefinedSize)
            m_pFont10 = BuildFont(m_Size * 10);
        // The cached metrics describe the font at the style's own size.
        CreateFontA(kMixedCharSet);
    }
    return m_pFont10;
}
