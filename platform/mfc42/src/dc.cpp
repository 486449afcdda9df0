// CDC's life cycle, objects, clipping and mapping, and the window DCs.
// Drawing and text members are in dc_draw.cpp.
#include "afxwin.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)

static HWND NoWindowHandle(CWnd*)
{
    return nullptr;
}

HWND (*afxWndToHwnd)(CWnd* pWnd) = NoWindowHandle;

static HWND SafeHwnd(CWnd* pWnd)
{
    return pWnd ? afxWndToHwnd(pWnd) : nullptr;
}

// ---------------------------------------------------------------------------
// Handles and life cycle

static CObject* NewTempDC(HANDLE h)
{
    CDC* dc = new CDC;
    dc->m_hDC = dc->m_hAttribDC = (HDC)h;
    return dc;
}

static void ForgetDC(CObject* pObject)
{
    CDC* dc = static_cast<CDC*>(pObject);
    dc->m_hDC = dc->m_hAttribDC = nullptr;
}

static CHandleMap g_dcMap(NewTempDC, ForgetDC);

CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
    // Called through null pointers on purpose, like the class library's;
    // the barrier keeps the compiler from assuming this is never null.
    const void* self = this;
    __asm__("" : "+r"(self));
    return self ? m_hDC : nullptr;
}

CDC* CDC::FromHandle(HDC hDC)
{
    return static_cast<CDC*>(g_dcMap.FromHandle(hDC));
}

void CDC::DeleteTempMap()
{
    g_dcMap.DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    ASSERT(m_hDC == nullptr);
    if (!hDC)
        return FALSE;
    m_hDC = hDC;
    g_dcMap.SetPermanent(hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC)
        g_dcMap.RemoveHandle(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}

void CDC::ReleaseOutputDC()
{
    m_hDC = nullptr;
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int saved = 0;
    if (m_hAttribDC)
        saved = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        saved = -1;   // the two DCs' save numbers differ; only "last" fits both
    return saved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL ok = TRUE;
    if (m_hDC && m_hDC != m_hAttribDC)
        ok = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC)
        ok = ::RestoreDC(m_hAttribDC, nSavedDC) && ok;
    return ok;
}

BOOL CDC::ResetDC(const DEVMODE* lpDevMode)
{
    if (m_hAttribDC && m_hAttribDC != m_hDC && !::ResetDCA(m_hAttribDC, lpDevMode))
        return FALSE;
    return ::ResetDCA(m_hDC, lpDevMode) != nullptr;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

// ---------------------------------------------------------------------------
// Objects

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hAttribDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hAttribDC, OBJ_BRUSH));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hAttribDC, OBJ_FONT));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hAttribDC, OBJ_BITMAP));
}

CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle((HPALETTE)::GetCurrentObject(m_hAttribDC, OBJ_PAL));
}

// Selects into both DCs; the attribute DC's previous object is the answer.
static HGDIOBJ SelectIntoBoth(HDC hDC, HDC hAttribDC, HGDIOBJ h)
{
    HGDIOBJ old = nullptr;
    if (hDC && hDC != hAttribDC)
        old = ::SelectObject(hDC, h);
    if (hAttribDC)
        old = ::SelectObject(hAttribDC, h);
    return old;
}

static HGDIOBJ HandleOf(const CGdiObject* pObject)
{
    return pObject ? pObject->m_hObject : nullptr;
}

CGdiObject* CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
    return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, ::GetStockObject(nIndex)));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return (CPen*)CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, HandleOf(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return (CBrush*)CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, HandleOf(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, HandleOf(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    // A bitmap can only be selected into a memory DC, which is its own
    // attribute DC.
    return (CBitmap*)CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, HandleOf(pBitmap)));
}

int CDC::SelectObject(CRgn* pRgn)
{
    // Selecting a region sets the clip region; GDI answers its type.
    int result = ERROR;
    if (m_hDC && m_hDC != m_hAttribDC)
        result = (int)(INT_PTR)::SelectObject(m_hDC, HandleOf(pRgn));
    if (m_hAttribDC)
        result = (int)(INT_PTR)::SelectObject(m_hAttribDC, HandleOf(pRgn));
    return result;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectIntoBoth(m_hDC, m_hAttribDC, HandleOf(pObject)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    HPALETTE h = (HPALETTE)HandleOf(pPalette);
    HPALETTE old = nullptr;
    if (m_hDC && m_hDC != m_hAttribDC)
        old = ::SelectPalette(m_hDC, h, bForceBackground);
    if (m_hAttribDC)
        old = ::SelectPalette(m_hAttribDC, h, bForceBackground);
    return CPalette::FromHandle(old);
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

// ---------------------------------------------------------------------------
// Clipping

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    int result = ERROR;
    if (m_hDC && m_hDC != m_hAttribDC)
        result = ::SelectClipRgn(m_hDC, (HRGN)HandleOf(pRgn));
    if (m_hAttribDC)
        result = ::SelectClipRgn(m_hAttribDC, (HRGN)HandleOf(pRgn));
    return result;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    int result = ERROR;
    if (m_hDC && m_hDC != m_hAttribDC)
        result = ::ExtSelectClipRgn(m_hDC, (HRGN)HandleOf(pRgn), nMode);
    if (m_hAttribDC)
        result = ::ExtSelectClipRgn(m_hAttribDC, (HRGN)HandleOf(pRgn), nMode);
    return result;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    int result = ERROR;
    if (m_hDC && m_hDC != m_hAttribDC)
        result = ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC)
        result = ::ExcludeClipRect(m_hAttribDC, x1, y1, x2, y2);
    return result;
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd)
{
    return ::ExcludeUpdateRgn(m_hDC, SafeHwnd(pWnd));
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    int result = ERROR;
    if (m_hDC && m_hDC != m_hAttribDC)
        result = ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC)
        result = ::IntersectClipRect(m_hAttribDC, x1, y1, x2, y2);
    return result;
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
    int result = ERROR;
    if (m_hDC && m_hDC != m_hAttribDC)
        result = ::OffsetClipRgn(m_hDC, x, y);
    if (m_hAttribDC)
        result = ::OffsetClipRgn(m_hAttribDC, x, y);
    return result;
}

int CDC::OffsetClipRgn(SIZE size)
{
    return OffsetClipRgn(size.cx, size.cy);
}

UINT CDC::SetBoundsRect(LPCRECT lpRectBounds, UINT flags)
{
    return ::SetBoundsRect(m_hDC, lpRectBounds, flags);
}

UINT CDC::GetBoundsRect(LPRECT lpRectBounds, UINT flags)
{
    return ::GetBoundsRect(m_hDC, lpRectBounds, flags);
}

// ---------------------------------------------------------------------------
// Mapping. Setters change the output DC first, then the attribute DC, whose
// previous value is the answer.

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
    int old = 0;
    if (m_hDC && m_hDC != m_hAttribDC)
        old = ::SetMapMode(m_hDC, nMapMode);
    if (m_hAttribDC)
        old = ::SetMapMode(m_hAttribDC, nMapMode);
    return old;
}

CPoint CDC::GetViewportOrg() const
{
    POINT p = { 0, 0 };
    ::GetViewportOrgEx(m_hAttribDC, &p);
    return p;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT p = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::SetViewportOrgEx(m_hDC, x, y, &p);
    if (m_hAttribDC)
        ::SetViewportOrgEx(m_hAttribDC, x, y, &p);
    return p;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT p = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &p);
    if (m_hAttribDC)
        ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &p);
    return p;
}

CSize CDC::GetViewportExt() const
{
    SIZE s = { 0, 0 };
    ::GetViewportExtEx(m_hAttribDC, &s);
    return s;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE s = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::SetViewportExtEx(m_hDC, cx, cy, &s);
    if (m_hAttribDC)
        ::SetViewportExtEx(m_hAttribDC, cx, cy, &s);
    return s;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE s = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::ScaleViewportExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &s);
    if (m_hAttribDC)
        ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &s);
    return s;
}

CPoint CDC::GetWindowOrg() const
{
    POINT p = { 0, 0 };
    ::GetWindowOrgEx(m_hAttribDC, &p);
    return p;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT p = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::SetWindowOrgEx(m_hDC, x, y, &p);
    if (m_hAttribDC)
        ::SetWindowOrgEx(m_hAttribDC, x, y, &p);
    return p;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT p = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &p);
    if (m_hAttribDC)
        ::OffsetWindowOrgEx(m_hAttribDC, nWidth, nHeight, &p);
    return p;
}

CSize CDC::GetWindowExt() const
{
    SIZE s = { 0, 0 };
    ::GetWindowExtEx(m_hAttribDC, &s);
    return s;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE s = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::SetWindowExtEx(m_hDC, cx, cy, &s);
    if (m_hAttribDC)
        ::SetWindowExtEx(m_hAttribDC, cx, cy, &s);
    return s;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE s = { 0, 0 };
    if (m_hDC && m_hDC != m_hAttribDC)
        ::ScaleWindowExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &s);
    if (m_hAttribDC)
        ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &s);
    return s;
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2);
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2);
}

static int Abs(int v)
{
    return v < 0 ? -v : v;
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    CSize window = GetWindowExt();
    CSize viewport = GetViewportExt();
    lpSize->cx = MulDiv(lpSize->cx, Abs(window.cx), Abs(viewport.cx));
    lpSize->cy = MulDiv(lpSize->cy, Abs(window.cy), Abs(viewport.cy));
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize window = GetWindowExt();
    CSize viewport = GetViewportExt();
    lpSize->cx = MulDiv(lpSize->cx, Abs(viewport.cx), Abs(window.cx));
    lpSize->cy = MulDiv(lpSize->cy, Abs(viewport.cy), Abs(window.cy));
}

static const int kHimetricPerInch = 2540;

// The metric and English mapping modes have fixed extents that GDI derives
// from the device's physical size; for them the exact HIMETRIC scale comes
// from the MM_HIMETRIC extents of the same device. Other modes use the
// device's pixels per logical inch.
static bool HasFixedMetricScale(int mode)
{
    return mode != MM_TEXT && mode < MM_ISOTROPIC;
}

void CDC::DPtoHIMETRIC(LPSIZE lpSize) const
{
    int mode = GetMapMode();
    if (HasFixedMetricScale(mode))
    {
        ::SetMapMode(m_hAttribDC, MM_HIMETRIC);
        DPtoLP(lpSize);
        ::SetMapMode(m_hAttribDC, mode);   // fixed extents come back exactly
        return;
    }
    lpSize->cx = MulDiv(lpSize->cx, kHimetricPerInch, GetDeviceCaps(LOGPIXELSX));
    lpSize->cy = MulDiv(lpSize->cy, kHimetricPerInch, GetDeviceCaps(LOGPIXELSY));
}

void CDC::HIMETRICtoDP(LPSIZE lpSize) const
{
    int mode = GetMapMode();
    if (HasFixedMetricScale(mode))
    {
        ::SetMapMode(m_hAttribDC, MM_HIMETRIC);
        LPtoDP(lpSize);
        ::SetMapMode(m_hAttribDC, mode);
        return;
    }
    lpSize->cx = MulDiv(lpSize->cx, GetDeviceCaps(LOGPIXELSX), kHimetricPerInch);
    lpSize->cy = MulDiv(lpSize->cy, GetDeviceCaps(LOGPIXELSY), kHimetricPerInch);
}

void CDC::LPtoHIMETRIC(LPSIZE lpSize) const
{
    LPtoDP(lpSize);
    DPtoHIMETRIC(lpSize);
}

void CDC::HIMETRICtoLP(LPSIZE lpSize) const
{
    HIMETRICtoDP(lpSize);
    DPtoLP(lpSize);
}

// ---------------------------------------------------------------------------
// Window DCs. The class library throws a resource exception when the
// window gives no DC; here the object is then simply empty (m_hDC null).

CClientDC::CClientDC(CWnd* pWnd)
    : CClientDC(SafeHwnd(pWnd))
{
}

CClientDC::CClientDC(HWND hWnd)
    : m_hWnd(hWnd)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd)
    : CWindowDC(SafeHwnd(pWnd))
{
}

CWindowDC::CWindowDC(HWND hWnd)
    : m_hWnd(hWnd)
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* pWnd)
    : CPaintDC(SafeHwnd(pWnd))
{
}

CPaintDC::CPaintDC(HWND hWnd)
    : m_ps(), m_hWnd(hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC)
    {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}
