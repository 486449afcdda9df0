// Text effects rendered with GDI into a 32-bit DIB section.
#include "CFX.h"
#include <cstring>

namespace
{
const WORD kRecordVersion = 1;
const LONG kDefaultPointSize = 36;
const int kPointsPerInch = 72;
const int kOutlineWidth = 1;     // pixels around each glyph
const int kShadowOffset = 3;     // pixels down and right
const int kMargin = 2;           // pixels around the text
}

CFX::CFX()
    : m_strText(""), m_strFace("Arial"), m_nPointSize(kDefaultPointSize), m_crText(RGB(0, 0, 128)),
      m_crBack(RGB(255, 255, 255)), m_crOutline(RGB(0, 0, 0)), m_crShadow(RGB(128, 128, 128)),
      m_dwEffects(kFXShadow), m_bStretch(1), m_bTransparent(0), m_header(), m_nRowBytes(0),
      m_pBits(NULL), m_hBitmap(NULL)
{
}

CFX::CFX(const CFX& other) : CFX()
{
    *this = other;
}

CFX::~CFX()
{
    DropBitmap();
}

void CFX::CopySettings(const CFX& other)
{
    m_strText = other.m_strText;
    m_strFace = other.m_strFace;
    m_nPointSize = other.m_nPointSize;
    m_crText = other.m_crText;
    m_crBack = other.m_crBack;
    m_crOutline = other.m_crOutline;
    m_crShadow = other.m_crShadow;
    m_dwEffects = other.m_dwEffects;
    m_bStretch = other.m_bStretch;
    m_bTransparent = other.m_bTransparent;
}

CFX& CFX::operator=(const CFX& other)
{
    if (this == &other)
        return *this;
    CopySettings(other);
    DropBitmap();
    if (other.m_pBits)
        RetriveText(NULL);
    return *this;
}

bool CFX::operator==(const CFX& other) const
{
    return m_strText == other.m_strText && m_strFace == other.m_strFace
           && m_nPointSize == other.m_nPointSize && m_crText == other.m_crText
           && m_crBack == other.m_crBack && m_crOutline == other.m_crOutline
           && m_crShadow == other.m_crShadow && m_dwEffects == other.m_dwEffects
           && m_bStretch == other.m_bStretch && m_bTransparent == other.m_bTransparent;
}

void CFX::DropBitmap()
{
    if (m_hBitmap)
        DeleteObject(m_hBitmap);
    m_hBitmap = NULL;
    m_pBits = NULL;
    m_nRowBytes = 0;
    memset(&m_header, 0, sizeof(m_header));
}

void CFX::RetriveText(CDC* dc)
{
    DropBitmap();
    HDC reference = dc ? (dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC) : NULL;
    HDC memory = CreateCompatibleDC(reference);
    if (!memory)
        return;
    const int dpi = GetDeviceCaps(reference ? reference : memory, LOGPIXELSY);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(m_nPointSize > 0 ? m_nPointSize : kDefaultPointSize, dpi, kPointsPerInch);
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, m_strFace, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(memory, font);

    const char* text = m_strText;
    const int length = m_strText.GetLength();
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(memory, text, length, &extent);
    const int grow = kMargin + ((m_dwEffects & kFXOutline) ? kOutlineWidth : 0);
    const int extra = (m_dwEffects & kFXShadow) ? kShadowOffset : 0;
    const int width = extent.cx + 2 * grow + extra;
    const int height = (extent.cy ? extent.cy : 1) + 2 * grow + extra;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;   // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    m_hBitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (m_hBitmap && bits)
    {
        HGDIOBJ oldBitmap = SelectObject(memory, m_hBitmap);
        RECT all = {0, 0, width, height};
        HBRUSH back = CreateSolidBrush(m_crBack);
        FillRect(memory, &all, back);
        DeleteObject(back);
        SetBkMode(memory, TRANSPARENT);
        SetTextAlign(memory, TA_TOP | TA_LEFT);
        if (m_dwEffects & kFXShadow)
        {
            SetTextColor(memory, m_crShadow);
            TextOutA(memory, grow + kShadowOffset, grow + kShadowOffset, text, length);
        }
        if (m_dwEffects & kFXOutline)
        {
            SetTextColor(memory, m_crOutline);
            for (int dy = -kOutlineWidth; dy <= kOutlineWidth; ++dy)
                for (int dx = -kOutlineWidth; dx <= kOutlineWidth; ++dx)
                    if (dx || dy)
                        TextOutA(memory, grow + dx, grow + dy, text, length);
        }
        SetTextColor(memory, m_crText);
        TextOutA(memory, grow, grow, text, length);
        GdiFlush();
        SelectObject(memory, oldBitmap);
        m_header = info.bmiHeader;
        m_nRowBytes = width * 4;
        m_header.biSizeImage = m_nRowBytes * height;
        m_pBits = static_cast<BYTE*>(bits);
    }
    else if (m_hBitmap)
    {
        DeleteObject(m_hBitmap);
        m_hBitmap = NULL;
    }
    SelectObject(memory, oldFont);
    DeleteObject(font);
    DeleteDC(memory);
}

void CFX::Draw(CDC* dc, CRect rect)
{
    if (!dc || !m_pBits)
        return;
    if (!m_bStretch)
        rect = CRect(rect.TopLeft(), CSize(m_header.biWidth, m_header.biHeight));
    const int oldMode = SetStretchBltMode(dc->m_hDC, COLORONCOLOR);
    StretchDIBits(dc->m_hDC, rect.left, rect.top, rect.Width(), rect.Height(), 0, 0, m_header.biWidth,
                  m_header.biHeight, m_pBits, reinterpret_cast<const BITMAPINFO*>(&m_header),
                  DIB_RGB_COLORS, m_bTransparent ? SRCAND : SRCCOPY);
    SetStretchBltMode(dc->m_hDC, oldMode);
}

void CFX::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << kRecordVersion << m_strText << m_strFace << m_nPointSize << (DWORD)m_crText
           << (DWORD)m_crBack << (DWORD)m_crOutline << (DWORD)m_crShadow << m_dwEffects << m_bStretch
           << m_bTransparent;
        return;
    }
    WORD version;
    ar >> version;
    if (version != kRecordVersion)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CFX read;
    DWORD text, back, outline, shadow;
    ar >> read.m_strText >> read.m_strFace >> read.m_nPointSize >> text >> back >> outline >> shadow
        >> read.m_dwEffects >> read.m_bStretch >> read.m_bTransparent;
    read.m_crText = text, read.m_crBack = back, read.m_crOutline = outline, read.m_crShadow = shadow;
    CopySettings(read);
    RetriveText(NULL);
}
