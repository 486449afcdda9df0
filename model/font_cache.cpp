// The fonts a character style builds for itself: made when first needed,
// cached with two metrics, dropped on every change of the style.
#include "afxwin.h"
#include "model/GFontStyle.h"

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
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return nullptr;

    const int height = -DrawnSize(size, m_Attr);
    const int weight = (m_Attr & kBold) ? kWeightBold : kWeightNormal;
    const BYTE italic = (m_Attr & kItalic) ? 1 : 0;
    const BYTE underline = (m_Attr & kUnderline) ? 1 : 0;
    const BYTE strikeout = (m_Attr & kStrikeout) ? 1 : 0;

    CFont* font = new CFont;
    BOOL made;
    if (const LOGFONTA* listed = FindListedFont(m_Face, m_CharSet))
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
    }
    if (!made)
    {
        delete font;
        return nullptr;
    }

    CFont* previous = dc.SelectObject(font);
    TEXTMETRICA tm;
    memset(&tm, 0, sizeof(tm));
    dc.GetTextMetrics(&tm);
    m_Ascent = (short)tm.tmAscent;
    m_Descent = (short)tm.tmDescent;
    m_Reserved2 = 0;
    if (previous)
        dc.SelectObject(previous);

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
