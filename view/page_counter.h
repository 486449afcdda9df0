// CScrollViewPageCounter: the small pale-yellow popup beside the vertical
// scroll bar that shows "Page n" while the thumb is dragged. The view makes
// one when it is first shown, drives it from its vertical scrolling and
// deletes it with itself.
#pragma once
#include "afxwin.h"

class CScrollViewPageCounter : public CWnd
{
public:
    // Makes the (hidden) popup window at once, owned by parent.
    explicit CScrollViewPageCounter(CWnd* parent);
    virtual ~CScrollViewPageCounter();
    virtual BOOL Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect, CWnd* parent,
                        UINT id, CCreateContext* context = NULL) override;

    // Shows "Page page" 10 pixels above where the mouse was at the drag's
    // first step, 50 pixels left of the parent's right edge.
    void DisplayPageNumber(UINT page);
    // Hides the popup; the next drag takes the mouse height again.
    void Reset();

    const CString& Text() const { return m_strText; }

    // 1 until the first step of a drag, shared by every counter.
    static int s_bFirstCallDuringScrolling;

protected:
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    void OnDestroy();
    virtual void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    CString m_strText;
    int m_nTop = 0;
    HWND m_hParent = NULL;   // screen y of the popup's top edge plus 10
};
