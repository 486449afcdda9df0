// The handle-to-wrapper maps and the GDI object wrappers: pens, brushes,
// fonts, bitmaps, palettes and regions.
#include "afxwin.h"
#include <mutex>
#include <unordered_map>
#include <vector>

// ---------------------------------------------------------------------------
// CHandleMap

struct CHandleMap::Impl
{
    std::unordered_map<HANDLE, CObject*> permanent;
    std::unordered_map<HANDLE, CObject*> temporary;
    // Temporaries that lost their handle before the idle-time clean-up.
    std::vector<CObject*> retired;
};

// One lock for all maps: they are touched briefly and rarely at once.
static std::mutex g_handleMapLock;

CHandleMap::Impl* CHandleMap::GetImpl() const
{
    if (!m_pImpl)
        m_pImpl = new Impl;
    return m_pImpl;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    std::lock_guard<std::mutex> lock(g_handleMapLock);
    Impl* impl = GetImpl();
    auto it = impl->permanent.find(h);
    return it == impl->permanent.end() ? nullptr : it->second;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    std::lock_guard<std::mutex> lock(g_handleMapLock);
    Impl* impl = GetImpl();
    auto it = impl->temporary.find(h);
    return it == impl->temporary.end() ? nullptr : it->second;
}

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (!h)
        return nullptr;
    {
        std::lock_guard<std::mutex> lock(g_handleMapLock);
        Impl* impl = GetImpl();
        auto it = impl->permanent.find(h);
        if (it != impl->permanent.end())
            return it->second;
        it = impl->temporary.find(h);
        if (it != impl->temporary.end())
            return it->second;
    }
    // Made outside the lock: the factory may ask GDI about the handle.
    CObject* made = m_pfnNewTemp(h);
    std::lock_guard<std::mutex> lock(g_handleMapLock);
    auto inserted = GetImpl()->temporary.emplace(h, made);
    if (!inserted.second)
    {
        // Another thread got there first; keep its wrapper.
        m_pfnForget(made);
        delete made;
    }
    return inserted.first->second;
}

void CHandleMap::SetPermanent(HANDLE h, CObject* pObject)
{
    std::lock_guard<std::mutex> lock(g_handleMapLock);
    GetImpl()->permanent[h] = pObject;
}

void CHandleMap::RemoveHandle(HANDLE h, CObject* pObject)
{
    std::lock_guard<std::mutex> lock(g_handleMapLock);
    Impl* impl = GetImpl();
    auto it = impl->permanent.find(h);
    if (it != impl->permanent.end() && it->second == pObject)
        impl->permanent.erase(it);
    it = impl->temporary.find(h);
    if (it != impl->temporary.end() && it->second == pObject)
    {
        impl->temporary.erase(it);
        impl->retired.push_back(pObject);
    }
}

void CHandleMap::DeleteTemp()
{
    std::vector<CObject*> doomed;
    {
        std::lock_guard<std::mutex> lock(g_handleMapLock);
        Impl* impl = GetImpl();
        for (auto& entry : impl->temporary)
            doomed.push_back(entry.second);
        impl->temporary.clear();
        doomed.insert(doomed.end(), impl->retired.begin(), impl->retired.end());
        impl->retired.clear();
    }
    // Temporary wrappers never own their handles.
    for (CObject* object : doomed)
    {
        m_pfnForget(object);
        delete object;
    }
}

// ---------------------------------------------------------------------------
// CGdiObject

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

// The wrapper class that fits a handle's kind, so that the casts of
// CPen::FromHandle and its siblings name the object's real class.
static CRuntimeClass* GdiClassFor(DWORD type)
{
    switch (type)
    {
    case OBJ_PEN:
    case OBJ_EXTPEN: return RUNTIME_CLASS(CPen);
    case OBJ_BRUSH: return RUNTIME_CLASS(CBrush);
    case OBJ_FONT: return RUNTIME_CLASS(CFont);
    case OBJ_BITMAP: return RUNTIME_CLASS(CBitmap);
    case OBJ_PAL: return RUNTIME_CLASS(CPalette);
    case OBJ_REGION: return RUNTIME_CLASS(CRgn);
    default: return RUNTIME_CLASS(CGdiObject);
    }
}

static CGdiObject* NewGdiWrapperFor(DWORD type)
{
    CRuntimeClass* cls = GdiClassFor(type);
    if (cls == RUNTIME_CLASS(CPen)) return new CPen;
    if (cls == RUNTIME_CLASS(CBrush)) return new CBrush;
    if (cls == RUNTIME_CLASS(CFont)) return new CFont;
    if (cls == RUNTIME_CLASS(CBitmap)) return new CBitmap;
    if (cls == RUNTIME_CLASS(CPalette)) return new CPalette;
    if (cls == RUNTIME_CLASS(CRgn)) return new CRgn;
    return new CGdiObject;
}

static CObject* NewTempGdiObject(HANDLE h)
{
    CGdiObject* object = NewGdiWrapperFor(::GetObjectType((HGDIOBJ)h));
    object->m_hObject = (HGDIOBJ)h;
    return object;
}

static void ForgetGdiObject(CObject* pObject)
{
    static_cast<CGdiObject*>(pObject)->m_hObject = nullptr;
}

static CHandleMap g_gdiMap(NewTempGdiObject, ForgetGdiObject);

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    // Called through null pointers on purpose, like the class library's;
    // the barrier keeps the compiler from assuming this is never null.
    const void* self = this;
    __asm__("" : "+r"(self));
    return self ? m_hObject : nullptr;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    if (CObject* owner = g_gdiMap.LookupPermanent(hObject))
        return static_cast<CGdiObject*>(owner);
    // A handle value GDI reused for another kind of object since the last
    // clean-up must not hand out the old kind's wrapper.
    if (CObject* temp = g_gdiMap.LookupTemporary(hObject))
    {
        if (temp->GetRuntimeClass() == GdiClassFor(::GetObjectType(hObject)))
            return static_cast<CGdiObject*>(temp);
        g_gdiMap.RemoveHandle(hObject, temp);
    }
    return static_cast<CGdiObject*>(g_gdiMap.FromHandle(hObject));
}

void CGdiObject::DeleteTempMap()
{
    g_gdiMap.DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    ASSERT(m_hObject == nullptr);
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    g_gdiMap.SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject)
        g_gdiMap.RemoveHandle(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return (UINT)::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}

// ---------------------------------------------------------------------------
// CPen

// The class library's constructors throw a resource exception on failure;
// here a failed construction leaves an empty wrapper (handle null).
CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    return Attach(::ExtCreatePen((DWORD)nPenStyle, (DWORD)nWidth, pLogBrush, (DWORD)nStyleCount, lpStyle));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return Attach(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGPEN), pLogPen);
}

int CPen::GetExtLogPen(EXTLOGPEN* pLogPen) const
{
    return ::GetObjectA(m_hObject, sizeof(EXTLOGPEN), pLogPen);
}

// ---------------------------------------------------------------------------
// CBrush

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    CreateHatchBrush(nIndex, crColor);
}

CBrush::CBrush(CBitmap* pBitmap)
{
    CreatePatternBrush(pBitmap);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return Attach(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return Attach(::CreatePatternBrush(pBitmap ? (HBITMAP)pBitmap->m_hObject : nullptr));
}

BOOL CBrush::CreateDIBPatternBrush(HGLOBAL hPackedDIB, UINT nUsage)
{
    return Attach(::CreateDIBPatternBrush(hPackedDIB, nUsage));
}

BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage)
{
    return Attach(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGBRUSH), pLogBrush);
}

// ---------------------------------------------------------------------------
// CFont

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    if (lpszFaceName)
        lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    // Tenths of a point to device pixels, then to the DC's logical units; a
    // negative height asks for the character height (without leading).
    HDC hDC = pDC ? pDC->m_hAttribDC : nullptr;
    bool ownDC = hDC == nullptr;
    if (ownDC)
        hDC = ::CreateCompatibleDC(nullptr);
    LOGFONTA lf = *lpLogFont;
    POINT pt = { 0, MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720) };
    POINT origin = { 0, 0 };
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &origin, 1);
    int height = pt.y - origin.y;
    lf.lfHeight = -(height < 0 ? -height : height);
    if (ownDC)
        ::DeleteDC(hDC);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    return ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont);
}

// ---------------------------------------------------------------------------
// CBitmap

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
    return Attach(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap)
{
    return Attach(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : nullptr, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateDiscardableBitmap(pDC ? pDC->m_hDC : nullptr, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap)
{
    return ::GetObjectA(m_hObject, sizeof(BITMAP), pBitMap);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits)
{
    return (DWORD)::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
{
    return (DWORD)::GetBitmapBits((HBITMAP)m_hObject, (LONG)dwCount, lpBits);
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE old = { 0, 0 };
    ::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &old);
    return old;
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = { 0, 0 };
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

// ---------------------------------------------------------------------------
// CPalette

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette)
{
    return Attach(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(pDC ? pDC->m_hDC : nullptr));
}

int CPalette::GetEntryCount()
{
    // A palette's GetObject answer is its entry count as one WORD.
    WORD count = 0;
    if (!::GetObjectA(m_hObject, sizeof(WORD), &count))
        return 0;
    return count;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    return ::GetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
{
    return ::SetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    return ::GetNearestPaletteIndex((HPALETTE)m_hObject, crColor);
}

BOOL CPalette::ResizePalette(UINT nNumEntries)
{
    return ::ResizePalette((HPALETTE)m_hObject, nNumEntries);
}

// ---------------------------------------------------------------------------
// CRgn

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return Attach(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
    return Attach(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode)
{
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreatePolyPolygonRgn(LPPOINT lpPoints, LPINT lpPolyCounts, int nCount, int nPolyFillMode)
{
    return Attach(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreateFromPath(CDC* pDC)
{
    return Attach(::PathToRegion(pDC->m_hDC));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    ::SetRectRgn((HRGN)m_hObject, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
    // RGN_COPY reads only the first source.
    return ::CombineRgn((HRGN)m_hObject, pRgn1 ? (HRGN)pRgn1->m_hObject : nullptr,
                        pRgn2 ? (HRGN)pRgn2->m_hObject : nullptr, nCombineMode);
}

int CRgn::CopyRgn(CRgn* pRgnSrc)
{
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgnSrc->m_hObject, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(CRgn* pRgn) const
{
    return ::EqualRgn((HRGN)m_hObject, (HRGN)pRgn->m_hObject);
}

int CRgn::OffsetRgn(int x, int y)
{
    return ::OffsetRgn((HRGN)m_hObject, x, y);
}

int CRgn::OffsetRgn(POINT point)
{
    return ::OffsetRgn((HRGN)m_hObject, point.x, point.y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return ::GetRgnBox((HRGN)m_hObject, lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion((HRGN)m_hObject, x, y);
}

BOOL CRgn::PtInRegion(POINT point) const
{
    return ::PtInRegion((HRGN)m_hObject, point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return ::RectInRegion((HRGN)m_hObject, lpRect);
}

int CRgn::GetRegionData(LPRGNDATA lpRgnData, int nCount) const
{
    return (int)::GetRegionData((HRGN)m_hObject, (DWORD)nCount, lpRgnData);
}
