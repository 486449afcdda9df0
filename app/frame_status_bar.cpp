// The frame data's status bar: the message pane and five indicator panes
// for page, line, position, insert mode and the modified state.
#include "app/CWCustomFrameData.h"
#include "resources/resource.h"

namespace {

const DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM;   // 0x50008200
const UINT kIndicators[] = { ID_SEPARATOR, ID_INDICATOR_PAGE, ID_INDICATOR_LINE, ID_INDICATOR_POS,
                             ID_INDICATOR_INSERT, ID_INDICATOR_MODIFIED };
const int kPixelsPerCharacter = 7;   // a widened pane's room for each character
const int kPaneShare = 10;           // panes 1 to 5 take a tenth of the bar each

CString IndicatorText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

}  // namespace

int CWCustomFrameData::CreateStatusBar(CFrameWnd* parent)
{
    if (!m_statusBar.Create(parent, kStatusBarStyle, AFX_IDW_STATUS_BAR))
        return 0;
    return m_statusBar.SetIndicators(kIndicators, _countof(kIndicators));
}

void CWCustomFrameData::SetStatusBarSize()
{
    if (!m_statusBar.m_hWnd || m_statusBar.GetCount() < kPaneCount)
        return;
    CRect client;
    m_statusBar.GetClientRect(&client);
    int width = client.Width() / kPaneShare;
    for (int pane = kPanePage; pane < kPaneCount; pane++)
    {
        UINT id, style;
        int old;
        m_statusBar.GetPaneInfo(pane, id, style, old);
        m_statusBar.SetPaneInfo(pane, id, style | SBPS_POPOUT, width);
    }
}

void CWCustomFrameData::SetPaneTextNow(int index, const CString& text, BOOL widen)
{
    // Every key sets the caret's panes: a pane that already reads so is
    // not drawn again (each drawing is a round trip to the window server).
    if (index < 0 || m_statusBar.GetPaneText(index) == text)
        return;
    m_statusBar.SetPaneText(index, text, TRUE);
    if (widen)
    {
        UINT id, style;
        int width;
        m_statusBar.GetPaneInfo(index, id, style, width);
        int wanted = kPixelsPerCharacter * text.GetLength();
        if (wanted > width)
            m_statusBar.SetPaneInfo(index, id, style, wanted);
    }
    m_statusBar.UpdateWindow();
}

void CWCustomFrameData::SetStatusBarPage(int page, int count)
{
    if (!m_bStatusBarEnabled)
        return;
    CString text;
    text.Format("%s %d/%d", (LPCSTR)IndicatorText(ID_INDICATOR_PAGE), page, count);
    SetPaneTextNow(m_statusBar.CommandToIndex(ID_INDICATOR_PAGE), text, TRUE);
}

void CWCustomFrameData::SetStatusBarLine(int line, int count)
{
    if (!m_bStatusBarEnabled)
        return;
    CString text;
    text.Format("%s %d/%d", (LPCSTR)IndicatorText(ID_INDICATOR_LINE), line, count);
    SetPaneTextNow(m_statusBar.CommandToIndex(ID_INDICATOR_LINE), text, TRUE);
}

void CWCustomFrameData::SetStatusBarPos(int a, int b)
{
    if (!m_bStatusBarEnabled)
        return;
    CString text;
    text.Format("Pos: %d/%d", a, b);
    SetPaneTextNow(m_statusBar.CommandToIndex(ID_INDICATOR_POS), text, TRUE);
}

void CWCustomFrameData::SetStatusBarInsert(int insert)
{
    if (!m_bStatusBarEnabled)
        return;
    SetPaneTextNow(m_statusBar.CommandToIndex(ID_INDICATOR_INSERT),
                   IndicatorText(insert ? ID_INDICATOR_INSERT : IDS_OVERWRITE), FALSE);
}

void CWCustomFrameData::SetStatusBarModify(int modified)
{
    if (!m_bStatusBarEnabled)
        return;
    SetPaneTextNow(m_statusBar.CommandToIndex(ID_INDICATOR_MODIFIED),
                   IndicatorText(modified ? ID_INDICATOR_MODIFIED : IDS_SAVED), FALSE);
}
