// Picture fields: their DIB in the document, fitting and drawing.
#include "model/GImage.h"
#include "model/GDoc.h"
#include "model/object_fields.h"
#include "view/CWView.h"
#include <cstring>

namespace {

const UINT kMovableZeroed = GMEM_MOVEABLE | GMEM_ZEROINIT;
const DWORD kReadChunk = 64 * 1024;

// A stored DIB that cannot be kept is read past, chunk by chunk; a length
// past the stream's end is damage.
void SkipBytes(CArchive& ar, DWORD n)
{
    BYTE chunk[4096];
    while (n)
    {
        const UINT part = n < sizeof(chunk) ? (UINT)n : (UINT)sizeof(chunk);
        if (ar.Read(chunk, part) != part)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        n -= part;
    }
}

// n bytes of the stream in a new locked global block that holds a whole
// DIB, or null (the bytes consumed all the same) when memory is short or
// the header does not fit the block.
void* ReadDib(CArchive& ar, DWORD n)
{
    HGLOBAL block = n && n <= kLargestPictureBytes ? GlobalAlloc(kMovableZeroed, n) : NULL;
    void* dib = block ? GlobalLock(block) : NULL;
    if (!dib)
    {
        if (block)
            GlobalFree(block);
        SkipBytes(ar, n);
        return NULL;
    }
    BYTE* at = static_cast<BYTE*>(dib);
    for (DWORD left = n; left;)
    {
        const UINT part = left < kReadChunk ? (UINT)left : (UINT)kReadChunk;
        if (ar.Read(at, part) != part)
        {
            GlobalUnlock(block);
            GlobalFree(block);
            AfxThrowArchiveException(CArchiveException::endOfFile);
        }
        at += part;
        left -= part;
    }
    if (!DibFitsBlock(dib, n))
    {
        GlobalUnlock(block);
        GlobalFree(block);
        return NULL;
    }
    return dib;
}

} // namespace

GImage::GImage(GDoc* owner, long position, Image* image) : GField(owner, position), m_rect(0, 0, 0, 0), m_pImage(image)
{
    m_nKind = kFieldImage;
    if (image)
        Update();
}

GImage::GImage(const GImage& other)
    : GField(other), m_nWidth(other.m_nWidth), m_nHeight(other.m_nHeight), m_rect(other.m_rect), m_pImage(new Image)
{
    m_pImage->attach(CopyDib(other.m_pImage));
}

GImage::~GImage()
{
    delete m_pImage;
}

void* GImage::CopyDib(const Image* image)
{
    if (!image || !image->get_dib())
        return NULL;
    const unsigned long size = image->dib_size();
    HGLOBAL block = GlobalAlloc(kMovableZeroed, size);
    void* copy = block ? GlobalLock(block) : NULL;
    if (!copy)
    {
        if (block)
            GlobalFree(block);
        return NULL;
    }
    memcpy(copy, image->get_dib(), size);
    return copy;
}

void GImage::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ReadSizeAndRect(ar, m_nWidth, m_nHeight, m_rect);
    DWORD n;
    ar >> n;
    void* dib = ReadDib(ar, n);
    delete m_pImage;
    m_pImage = NULL;
    if (dib)
    {
        m_pImage = new Image;
        m_pImage->attach(dib);
    }
}

void GImage::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    WriteSizeAndRect(ar, m_nWidth, m_nHeight, m_rect);
    const DWORD n = m_pImage && m_pImage->get_dib() ? (DWORD)m_pImage->dib_size() : 0;
    ar << n;
    if (n)
        ar.Write(m_pImage->get_dib(), n);
}

void GImage::Update()
{
    if (m_nWidth || m_nHeight || !m_pImage || !m_pImage->get_dib())
        return;
    CWView* view = FirstViewOf(*this);
    if (!view)
        return;
    CSize size(view->mm01(m_pImage->width(), 1), view->mm01(m_pImage->height(), 0));
    const CSize room = NaturalSizeRoom(*this);
    if (size.cx > room.cx)
        size.cx = room.cx;
    if (room.cy > 0 && size.cy > room.cy)
        size.cy = room.cy;
    SetSize(size);
}

void GImage::SetSize(CSize size)
{
    size = ClampObjectSize(size);
    m_nWidth = size.cx;
    m_nHeight = size.cy;
}

CSize GImage::GetSize(CDC*, int& ascent, long)
{
    Update();
    const CSize size = FitObjectSize(*this, CSize(m_nWidth, m_nHeight));
    ascent = size.cy;
    return size;
}

void GImage::Draw(CDC* dc, int, long page, CWView* view)
{
    const CPoint pen = CWView::PenPosition(dc, view);
    int ascent = 0;
    const CSize size = GetSize(dc, ascent, page);
    m_rect.SetRect(pen.x, pen.y - size.cy, pen.x + size.cx, pen.y);
    if (m_pImage && DibFitsBlock(m_pImage->get_dib(), m_pImage->dib_size()))
    {
        const int oldMode = dc->SetStretchBltMode(COLORONCOLOR);
        ::StretchDIBits(dc->m_hDC, m_rect.left, m_rect.top, size.cx, size.cy, 0, 0, m_pImage->width(),
                        m_pImage->height(), m_pImage->bits(),
                        static_cast<const BITMAPINFO*>(m_pImage->get_dib()), DIB_RGB_COLORS, SRCCOPY);
        dc->SetStretchBltMode(oldMode);
    }
    dc->MoveTo(pen.x + size.cx, pen.y);
}

GField& GImage::operator=(const GField& other)
{
    const GImage* source = dynamic_cast<const GImage*>(&other);
    if (source == this || !source)
        return *this;
    const GImage& from = *source;
    m_pDoc = from.m_pDoc;
    m_nKind = from.m_nKind;
    m_nPos = from.m_nPos;
    m_pSource = from.m_pSource;
    m_nWidth = from.m_nWidth;
    m_nHeight = from.m_nHeight;
    m_rect = from.m_rect;
    if (!m_pImage)
        m_pImage = new Image;
    m_pImage->attach(CopyDib(from.m_pImage));
    return *this;
}

bool GImage::operator==(const GField& other) const
{
    if (!GField::operator==(other))
        return false;
    const GImage& o = static_cast<const GImage&>(other);
    return m_nWidth == o.m_nWidth && m_nHeight == o.m_nHeight && m_rect == o.m_rect && m_pImage == o.m_pImage;
}

HGLOBAL GImage::CopyToClipboardDIB(COleDataSource*)
{
    void* copy = CopyDib(m_pImage);
    if (!copy)
        return NULL;
    HGLOBAL block = GlobalHandle(copy);
    GlobalUnlock(block);
    return block;
}
