// The view's life cycle, its document parts and small questions.
#include "view/CWView.h"
#include "view/GHitTest.h"
#include "view/page_counter.h"
#include "view/header_footer_bar.h"
#include "resources/resource.h"
#include "app/CWCustomFrameData.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GPageInfo.h"

IMPLEMENT_DYNCREATE(CWView, CScrollView)

BEGIN_MESSAGE_MAP(CWView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CHAR()
    ON_MESSAGE(WM_INPUTLANGCHANGE, OnInputLanguageChange)
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_COMMAND(ID_EDIT_UNDO_ZVW, OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO_ZVW, OnUpdateEditUndo)
    ON_COMMAND(ID_EDIT_REDO_ZVW, OnEditRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO_ZVW, OnUpdateEditRedo)
    ON_COMMAND(ID_EDIT_DELETE_ZVW, OnEditDelete)
    ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_ZVW, OnUpdateEditDelete)
    ON_COMMAND(ID_EDIT_SELECT_ALL_ZVW, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL_ZVW, OnUpdateEditSelectAll)
    ON_COMMAND(ID_EDIT_FIND_NEXT_ZVW, OnEditFindNext)
    ON_UPDATE_COMMAND_UI(ID_EDIT_FIND_NEXT_ZVW, OnUpdateEditFindNext)
    ON_COMMAND(ID_EDIT_FIND_ZVW, OnEditFind)
    ON_COMMAND(ID_EDIT_REPLACE_ZVW, OnEditReplace)
    ON_COMMAND(ID_EDIT_GOTO_ZVW, OnEditGoto)
    ON_COMMAND(ID_UNDO_DIALOG, OnUndoDialog)
    ON_UPDATE_COMMAND_UI(ID_UNDO_DIALOG, OnUpdateEditUndo)
    ON_COMMAND(ID_REDO_DIALOG, OnRedoDialog)
    ON_UPDATE_COMMAND_UI(ID_REDO_DIALOG, OnUpdateEditRedo)
    ON_COMMAND(ID_INSERT_NEW_PAGE, OnInsertNewPage)
    ON_COMMAND(ID_CANCEL_EDIT_CNTR, OnCancelEditCntr)
    ON_COMMAND(ID_FILE_PRINT_ZVW, OnFilePrint)
    ON_COMMAND(ID_FILE_PREVIEW_ZVW, OnFilePrintPreview)
END_MESSAGE_MAP()

int InPlaceFlag = 0;
UINT oldTextAlign = 0;
UINT CWView::m_cfObjectDescriptor = 0;

namespace {

const LONG kGap = 30;

} // namespace

CWView::CWView() : m_nPageWidth(GPageInfo::kDefaultWidth), m_nPageHeight(GPageInfo::kDefaultHeight)
{
    m_nMapMode = MM_ANISOTROPIC;
    if (!m_cfObjectDescriptor)
        m_cfObjectDescriptor = ::RegisterClipboardFormatA("Object Descriptor");
}

CWView::~CWView()
{
    delete m_pKeyHit;
    if (CWCustomFrameData* data = GetCustomFrameData())
    {
        if (data->GetCurrentView() == this)
            data->SetCurrentView(NULL);
        if (m_pDoc && IsHeaderFooterPart(CurPart()))
            ShowHeaderFooterBar(false);
    }
    if (m_pDoc && m_pDoc->m_pFirstView == this)
        m_pDoc->m_pFirstView = NULL;
    // The counter does not outlive the view (its window may be gone already).
    delete m_pPageCounter;
}

int CWView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CView::OnCreate(lpcs) == -1)
        return -1;
    m_pDoc = (CWDocument*)GetDocument();
    if (m_pDoc && !m_pDoc->m_pFirstView)
        m_pDoc->m_pFirstView = this;
    if (CWCustomFrameData* data = GetCustomFrameData())
        data->SetCurrentView(this);
    {
        CWindowDC screen((CWnd*)NULL);
        m_nDpiX = screen.GetDeviceCaps(LOGPIXELSX);
        m_nDpiY = screen.GetDeviceCaps(LOGPIXELSY);
    }
    const GPageInfo& setup = CWDocument::PageSetupOf(m_pDoc);
    m_nPageWidth = setup.paperWidth;
    m_nPageHeight = setup.paperHeight;
    m_nZoomMode = Options.ZoomMode;
    m_nZoomPercent = Options.Percent >= kLeastZoomPercent ? Options.Percent : 100;
    m_nPageGap = m_nBaseGap = m_nLeftGap = kGap;
    m_nCaretPage = m_nCaretRow = 0;
    m_nTypingValue = -1;
    m_caretPoint = CPoint(-1, -1);
    m_nAnchorRow = -1;
    m_bMouseSelect = FALSE;
    m_bInsert = m_bPageMode = m_bAutoScroll = TRUE;
    m_nUndoStep = 1;
    GDoc* body = m_pDoc ? m_pDoc->GetFlow(kBodyFlow) : NULL;
    m_nPages = body ? body->m_pages.count - 1 : 1;
    m_fZoom = 100.0f / m_nZoomPercent;
    m_nLineStyle = m_nLineWidth = m_nColorIndex = 0;
    return 0;
}

void CWView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    SetCaret(1);
    if (!m_pPageCounter)
        m_pPageCounter = new CScrollViewPageCounter(this);
    ::ActivateKeyboardLayout(::GetKeyboardLayout(0), KLF_REORDER);
}

void CWView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (bActivate && pActivateView == this && m_hWnd && ::GetFocus() == m_hWnd)
        return;
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
    if (CWCustomFrameData* data = GetCustomFrameData())
        data->SetCurrentView(this);
    UpdateScroller(1);
    if (!bActivate)
        return;
    ShowHeaderFooterBar(m_pDoc && IsHeaderFooterPart(CurPart()) && m_bHFBarShown);
    SetCaret(0);
}

long CWView::CurPart() const
{
    return m_pDoc ? m_pDoc->m_nCurPart : kBodyFlow;
}

void CWView::SetDocPart(long n)
{
    const long current = CurPart();
    GDoc* old = DocC();
    GDoc* next = DocM(n);
    if (!m_pDoc || n == current || !old || !next)
        return;
    // The page set-up's second value says whether headers and footers are
    // set up at all (the same switch lets their flows tell the views).
    const GPageInfo& setup = CWDocument::PageSetupOf(m_pDoc);
    if (IsHeaderFooterPart(n) && !setup.pageValues[1])
        return;
    bool full = false;
    old->UnSelect();
    if (old->m_pFirstFrame && old->m_pFirstFrame->tracker)
    {
        for (CFrame* f = old->m_pFirstFrame; f; f = f->next)
            f->DestroyTracker();
        full = true;
    }
    if (IsHeaderFooterPart(n) && !IsHeaderFooterPart(current))
        full = true;
    else if (!IsHeaderFooterPart(n) && IsHeaderFooterPart(current))
    {
        if (HasWindow())
            InvalidateRect(NULL, FALSE);
        full = true;
    }
    m_pDoc->CheckFramesHeight(current);
    if (current != kBodyFlow)
        if (GDoc* body = m_pDoc->GetFlow(kBodyFlow))
            body->ReColumn(0);
    m_pDoc->m_nCurPart = n;
    m_nCaretRow = next->GetCharRow(next->m_nCaret);
    ScrollToCaret();
    if (IsHeaderFooterPart(n))
    {
        ShowHeaderFooterBar(true);
        m_bHFBarShown = TRUE;
    }
    else
        ShowHeaderFooterBar(false);
    if (next->m_pFirstFrame && next->m_pFirstFrame->tracker)
        full = true;
    if (full)
        InvalidateView();
    SetCaret(1);
}

void CWView::UndoStep(unsigned char kind)
{
    if (m_nUndoStep != kind)
        m_nUndoStep = kind;
}

CControlBar* CWView::GetHRuler()
{
    return NULL;
}

CControlBar* CWView::GetVRuler()
{
    return NULL;
}

BOOL CWView::IsHRuler()
{
    CControlBar* bar = GetHRuler();
    return bar && bar->GetSafeHwnd() && bar->IsWindowVisible();
}

BOOL CWView::IsVRuler()
{
    CControlBar* bar = GetVRuler();
    return bar && bar->GetSafeHwnd() && bar->IsWindowVisible();
}

CRect CWView::ClientRect() const
{
    CRect r(0, 0, 0, 0);
    if (HasWindow())
        GetClientRect(&r);
    return r;
}
