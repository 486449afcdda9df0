// Text-effect fields: rendering on the screen, the picture they are
// stored as, and drawing.
#include "model/GLumifex.h"
#include "model/GDoc.h"
#include "model/object_fields.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include <cstring>

namespace {

const UINT kMovableZeroed = GMEM_MOVEABLE | GMEM_ZEROINIT;
const double kTenthsPerInch = 254.0;

DWORD BitmapBytes(const CFX& fx)
{
    return fx.GetBits() ? (DWORD)fx.GetRowBytes() * fx.GetBitmapHeader().biHeight : 0;
}

} // namespace

GLumifex::GLumifex(GDoc* owner, long position)
    : GField(owner, position), m_rect(0, 0, 0, 0), m_pScreen(new CClientDC((HWND)NULL))
{
    m_nKind = kFieldLumifex;
    m_fx.m_bStretch = 1;
    m_fx.m_bTransparent = 0;
    m_fx.m_crBack = Options.Colors[CWOptions::kColorPage];
    m_fx.RetriveText(m_pScreen);
}

GLumifex::GLumifex(const GLumifex& other)
    : GField(other), m_rect(other.m_rect), m_nWidth(other.m_nWidth), m_nHeight(other.m_nHeight), m_fx(other.m_fx),
      m_pScreen(new CClientDC((HWND)NULL))
{
    m_fx.RetriveText(m_pScreen);
}

GLumifex::~GLumifex()
{
    DropText();
    delete m_pScreen;
}

void GLumifex::DropText()
{
    delete[] m_pText;
    m_pText = NULL;
}

char* GLumifex::AsText(long)
{
    if (!m_pText)
    {
        const int length = m_fx.m_strText.GetLength();
        m_pText = new char[length + 1];
        memcpy(m_pText, (const char*)m_fx.m_strText, length + 1);
    }
    return m_pText;
}

void GLumifex::SaveZVW(CArchive& ar)
{
    const BITMAPINFOHEADER& header = m_fx.GetBitmapHeader();
    const DWORD rows = BitmapBytes(m_fx);
    ar << kFieldImage << m_nPos;
    WriteSizeAndRect(ar, m_nWidth, m_nHeight, m_rect);
    if (!rows)
    {
        ar << (DWORD)0;
        return;
    }
    ar << (DWORD)(header.biSize + rows);
    ar.Write(&header, header.biSize);
    ar.Write(m_fx.GetBits(), rows);
}

void GLumifex::Update()
{
    CWView* view = FirstViewOf(*this);
    if (!view || m_nWidth || m_nHeight || !m_fx.GetBits())
        return;
    SetSize(CSize(view->mm01(m_fx.GetBitmapHeader().biWidth, 1), view->mm01(m_fx.GetBitmapHeader().biHeight, 0)));
}

void GLumifex::SetSize(CSize size)
{
    size = ClampObjectSize(size);
    m_nWidth = size.cx;
    m_nHeight = size.cy;
}

CSize GLumifex::GetSize(CDC*, int& ascent, long)
{
    Update();
    const CSize size = FitObjectSize(*this, CSize(m_nWidth, m_nHeight));
    ascent = size.cy;
    return size;
}

void GLumifex::Draw(CDC* dc, int, long page, CWView* view)
{
    if (m_pDoc && m_pDoc->m_pOwner && m_pDoc->m_pOwner->m_bClipboard)
        return;
    const CPoint pen = CWView::PenPosition(dc, view);
    int ascent = 0;
    CSize size = GetSize(dc, ascent, page);
    if (!dc->IsPrinting())
    {
        if (view)
            size = CSize(view->Pixels(size.cx, 1), view->Pixels(size.cy, 0));
        else
            dc->LPtoDP(&size);
    }
    else
    {
        size.cx = (LONG)(dc->GetDeviceCaps(LOGPIXELSX) * (double)size.cx / kTenthsPerInch);
        size.cy = (LONG)(dc->GetDeviceCaps(LOGPIXELSY) * (double)size.cy / kTenthsPerInch);
    }
    dc->DPtoLP(&size);
    m_rect.SetRect(pen.x, pen.y - size.cy, pen.x + size.cx, pen.y);
    m_fx.Draw(dc, m_rect);
    dc->MoveTo(pen.x + size.cx, pen.y);
}

GField& GLumifex::operator=(const GField& other)
{
    const GLumifex* source = dynamic_cast<const GLumifex*>(&other);
    if (source == this || !source)
        return *this;
    const GLumifex& from = *source;
    m_fx = from.m_fx;
    m_fx.RetriveText(m_pScreen);
    DropText();
    m_rect = from.m_rect;
    m_nWidth = from.m_nWidth;
    m_nHeight = from.m_nHeight;
    return *this;
}

bool GLumifex::operator==(const GField& other) const
{
    return GField::operator==(other);
}

HGLOBAL GLumifex::CopyToClipboardDIB(COleDataSource*)
{
    const BITMAPINFOHEADER& header = m_fx.GetBitmapHeader();
    const DWORD rows = BitmapBytes(m_fx);
    if (!rows)
        return NULL;
    HGLOBAL block = GlobalAlloc(kMovableZeroed, sizeof(BITMAPINFOHEADER) + rows);
    BYTE* to = block ? static_cast<BYTE*>(GlobalLock(block)) : NULL;
    if (!to)
    {
        if (block)
            GlobalFree(block);
        return NULL;
    }
    memcpy(to, &header, sizeof(BITMAPINFOHEADER));
    memcpy(to + sizeof(BITMAPINFOHEADER), m_fx.GetBits(), rows);
    GlobalUnlock(block);
    return block;
}

void GLumifex::Save(CArchive& ar)
{
    ar << kFieldLumifex << m_nPos << (LONG)m_rect.top << (LONG)m_rect.left << m_nWidth << m_nHeight;
    m_fx.Serialize(ar);
}

void GLumifex::Load(CArchive& ar)
{
    LONG top, left;
    ar >> m_nPos >> top >> left >> m_nWidth >> m_nHeight;
    m_rect.SetRect(left, top, left + m_nWidth, top + m_nHeight);
    m_fx.Serialize(ar);
    m_fx.RetriveText(m_pScreen);
    DropText();
}
