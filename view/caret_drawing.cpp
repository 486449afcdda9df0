// The view's own caret: a bar inverted straight onto the window, blinking
// on the view's timer while the view has the keyboard.
//
// The system caret would cost three or four round trips to the window
// server on every key (moving it, showing it, restarting its blink timer,
// hiding it for the repaint); this one costs none. In return the view
// takes it off the window itself before anything paints over it: the
// repaint of typed rows (OnUpdate), a paint (OnPaint) and scrolling, the
// places that hid the system caret before.
#include "view/CWView.h"

namespace {

const UINT_PTR kCaretBlinkTimer = 0x5A43;  // the view's only timer

} // namespace

void CWView::InvertCaret()
{
    if (m_caretRect.IsRectEmpty())
        return;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return;
    ::PatBlt(dc, m_caretRect.left, m_caretRect.top, m_caretRect.Width(), m_caretRect.Height(), DSTINVERT);
    ::ReleaseDC(m_hWnd, dc);
}

void CWView::HideCaret()
{
    if (m_bCaretOn && HasWindow())
        InvertCaret();
    m_bCaretOn = FALSE;
    m_bCaretShown = FALSE;
}

void CWView::RemoveCaret()
{
    HideCaret();
    m_caretRect.SetRectEmpty();
}

// Only the window with the keyboard shows its caret, as with the system's,
// and a view an object is dragged over, where the caret marks the drop.
bool CWView::CaretMayShow() const
{
    return (m_bHasFocus || m_bDragItem) && HasWindow();
}

void CWView::PlaceCaret(CSize size, CPoint at)
{
    const CRect rect(at, size);
    const bool visible = CaretMayShow();
    m_caretPlacedAt = ::GetTickCount();
    if (m_bCaretOn && rect == m_caretRect && visible)
    {
        m_bCaretShown = TRUE;
        return;
    }
    if (m_bCaretOn)
        InvertCaret();
    m_bCaretOn = FALSE;
    m_caretRect = rect;
    m_bCaretShown = TRUE;
    if (visible)
    {
        InvertCaret();
        m_bCaretOn = TRUE;
    }
}

CRect CWView::ShownCaretRect() const
{
    return m_bCaretOn ? m_caretRect : CRect(0, 0, 0, 0);
}

void CWView::StartCaretBlink()
{
    const UINT blink = ::GetCaretBlinkTime();
    m_caretBlink = blink == INFINITE || blink == 0 ? 0 : blink;
    if (m_caretBlink && HasWindow())
        SetTimer(kCaretBlinkTimer, m_caretBlink, NULL);
}

void CWView::StopCaretBlink()
{
    if (m_caretBlink && HasWindow())
        KillTimer(kCaretBlinkTimer);
    m_caretBlink = 0;
}

// A caret placed within the last blink stays on, so that it does not
// flicker under a typist's keys.
void CWView::OnCaretTimer()
{
    if (!m_bCaretShown || m_caretRect.IsRectEmpty())
        return;
    if (!CaretMayShow())
    {
        HideCaret();
        return;
    }
    if (m_bCaretOn && m_caretBlink && ::GetTickCount() - m_caretPlacedAt < m_caretBlink)
        return;
    InvertCaret();
    m_bCaretOn = !m_bCaretOn;
}

void CWView::OnTimer(UINT id)
{
    if (id == kCaretBlinkTimer)
        OnCaretTimer();
    else
        CScrollView::OnTimer(id);
}

// A paint covers what its region covers: the caret comes off first, or a
// paint of part of it would leave the rest inverted when it goes. A caret
// the paint itself did not place again is put back where it was.
void CWView::OnPaint()
{
    const bool wasShown = m_bCaretShown;
    HideCaret();
    CScrollView::OnPaint();
    if (wasShown && !m_bCaretShown && !m_caretRect.IsRectEmpty())
        PlaceCaret(m_caretRect.Size(), m_caretRect.TopLeft());
}
