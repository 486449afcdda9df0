// The tools library's splash window: a borderless window in the middle of
// the screen that shows one bitmap while the program starts.
#pragma once
#include "afxwin.h"

class CXLogoWnd : public CWnd
{
    DECLARE_DYNAMIC(CXLogoWnd)
public:
    CXLogoWnd();
    virtual ~CXLogoWnd();

    // Remembers the bitmap resource; no window yet (static objects make
    // this before the program has started).
    BOOL Create(UINT nIDBitmap);
    // Shows the bitmap centred on the screen until EndLogo. Without the
    // bitmap among the resources nothing is shown.
    void BeginLogo();
    void EndLogo();
    BOOL IsShowing() const { return m_hWnd != nullptr; }
    UINT GetBitmapID() const { return m_nIDBitmap; }

    void OnPaint();

protected:
    UINT m_nIDBitmap = 0;
    HBITMAP m_hBitmap = nullptr;
    CSize m_size;
    DECLARE_MESSAGE_MAP()
};
