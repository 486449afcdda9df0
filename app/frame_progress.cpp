// The progress display of long reads and writes: a bar beside its label
// in the status bar's message pane, with the percent done after it.
#include "app/CWCustomFrameData.h"
#include "resources/resource.h"

namespace {

const int kBarTop = 2;
const int kBarWidth = 150;
const int kBarRightMargin = 5;      // from pane 0's right edge
const int kBlanksAfterBar = 20;
const UINT kProgressControlId = 1001;

}  // namespace

void CWCustomFrameData::InitStatusBarPercent(int labelId, int steps)
{
    CString label;
    label.LoadString((UINT)labelId);
    InitStatusBarPercent(label.GetBuffer(0), steps);
    label.ReleaseBuffer();
}

void CWCustomFrameData::InitStatusBarPercent(char* label, int steps)
{
    if (!m_bStatusBarEnabled)
        return;
    m_strProgressLabel = label;
    CClientDC dc(&m_statusBar);
    CFont* oldFont = dc.SelectObject(m_statusBar.GetFont());
    CSize text = dc.GetTextExtent(m_strProgressLabel);
    CSize blank = dc.GetTextExtent(" ", 1);
    dc.SelectObject(oldFont);
    CRect pane;
    m_statusBar.GetItemRect(0, &pane);

    CRect bar(text.cx, kBarTop, text.cx + kBarWidth, text.cy - kBarTop);
    if (pane.right - kBarRightMargin < bar.right)
        bar.right = pane.right - kBarRightMargin;
    int blanks = (bar.right - text.cx) / (blank.cx > 0 ? blank.cx : 1) + kBlanksAfterBar;
    m_strProgressLabel += CString(' ', blanks);

    m_strSavedPaneText = m_statusBar.GetPaneText(0);
    CString completed;
    completed.LoadString(IDS_PERCENT_COMPLETED);
    m_statusBar.SetPaneText(0, m_strProgressLabel + "   0" + completed, TRUE);

    m_progress.Create(WS_CHILD, bar, &m_statusBar, kProgressControlId);
    m_progress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, steps));
    m_dProgressMax = steps;
    m_progress.SetStep(1);
    m_nProgressPos = 1;
    m_progress.ShowWindow(SW_SHOW);
    m_statusBar.UpdateWindow();
}

void CWCustomFrameData::SetStatusBarPercent(int position)
{
    if (!m_bStatusBarEnabled)
        return;
    // A display started with no steps has nothing to divide by: it shows 0.
    int percent = m_dProgressMax > 0 ? (int)(position / m_dProgressMax * 100.0) : 0;
    CString completed;
    completed.LoadString(IDS_PERCENT_COMPLETED);
    CString text;
    text.Format("%s   %d%s", (LPCSTR)m_strProgressLabel, percent, (LPCSTR)completed);
    m_statusBar.SetPaneText(0, text, TRUE);
    for (int step = m_nProgressPos; step < position; step++)
        m_progress.StepIt();
    m_nProgressPos = position;
    m_statusBar.UpdateWindow();
}

void CWCustomFrameData::DoneStatusBarPercent()
{
    if (!m_bStatusBarEnabled)
        return;
    m_statusBar.SetPaneText(0, m_strSavedPaneText, TRUE);
    m_progress.DestroyWindow();
    m_statusBar.UpdateWindow();
}
