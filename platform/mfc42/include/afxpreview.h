// The print preview: a window over the application that shows a view's
// pages as its OnPrint draws them for the printer, two at a time, with
// buttons for the next and previous pages and to close it. The owner is
// disabled while it shows, as a modal dialog's would be.
#pragma once
#include "afxwin.h"
#include "afxctrls.h"

struct CPrintInfo;

class CPrintPreviewWnd : public CWnd
{
public:
    static const int kPagesShown = 2;
    enum { kIdNext = 1, kIdPrevious, kIdClose };

    // Takes info, made with new and holding its printer's DC.
    CPrintPreviewWnd(CView* view, CPrintInfo* info);
    // Runs the view's OnBeginPrinting and shows the first pages over owner;
    // when the window cannot be made, frees itself and answers FALSE.
    BOOL Create(CWnd* owner);

    // The first page shown (from the print info's first page).
    UINT GetFirstPage() const { return m_nFirst; }
    UINT GetLastPage() const;
    void ShowPages(UINT first);
    // The pages' places in the client area; page i of those shown.
    CRect PageRect(int i) const;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Runs the view's OnEndPrinting, enables the owner and frees itself
    // with the print info.
    virtual void PostNcDestroy() override;
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);

private:
    virtual ~CPrintPreviewWnd();
    CSize PagePixels() const;
    // The page recorded as OnPrint draws it; null when it cannot be.
    HENHMETAFILE RecordPage(UINT page);
    void PlaceButtons();

    CView* m_pView;
    CPrintInfo* m_pInfo;
    CDC m_printerDC;
    UINT m_nFirst;
    HWND m_hOwner = nullptr;
    CButton m_buttons[3];

    DECLARE_MESSAGE_MAP()
};
