// The document as a framework document: dynamic creation, the change
// brackets that repaint the views once, the page set-up's header and
// footer switches, the undo pass-throughs and closing.
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "view/CWView.h"
#include <cstdio>
#include <cstdlib>

WORD CWDocument::m_cfPrivate = 0;
WORD CWDocument::m_cfLumifex = 0;

namespace
{
// Page set-up 0's header and footer switches.
const int kFirstPageSwitch = 0;
const int kOddEvenSwitch = 1;
const int kFacingSwitch = 2;
// The redraw argument of the switch setters that repaints.
const unsigned char kRedrawNow = 2;
} // namespace

// A template's document is whole: its seven flows with their page-part
// frames. Documents made with new are bare until CreateFrames, so that
// model and layout tests can lay out flows of their own.
CObject* CWDocument::CreateObject()
{
    CWDocument* doc = new CWDocument(1);
    doc->CreateFrames();
    return doc;
}
_IMPLEMENT_RUNTIMECLASS(CWDocument, CZTDoc, 0xFFFF, CWDocument::CreateObject)
static AFX_CLASSINIT _init_CWDocument(RUNTIME_CLASS(CWDocument));

BEGIN_MESSAGE_MAP(CWDocument, CZTDoc)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(kIdFileSummaryInfo, OnFileSummaryInfo)
    // The OLE document's paste, links and object verbs.
    ON_UPDATE_COMMAND_UI(kIdEditPaste, OnUpdatePasteMenu)
    ON_UPDATE_COMMAND_UI(kIdEditPasteLink, OnUpdatePasteLinkMenu)
    ON_UPDATE_COMMAND_UI(kIdEditLinks, OnUpdateEditLinksMenu)
    ON_COMMAND(kIdEditLinks, OnEditLinks)
    ON_UPDATE_COMMAND_UI(kIdObjectVerbs, OnUpdateObjectVerbMenu)
    ON_UPDATE_COMMAND_UI(kIdEditConvert, OnUpdateObjectVerbMenu)
    ON_COMMAND(kIdEditConvert, OnEditConvert)
END_MESSAGE_MAP()

void CWDocument::RegisterClipboardFormats()
{
    if (m_cfPrivate == 0)
    {
        m_cfPrivate = (WORD)RegisterClipboardFormatA("ZTWrite 95 Format");
        m_cfLumifex = (WORD)RegisterClipboardFormatA("Zentavo Lumifex");
    }
}

BOOL CWDocument::OnNewDocument()
{
    return CZTDoc::OnNewDocument() ? TRUE : FALSE;
}

// The document is not edited after this: its undo stack goes.
void CWDocument::OnCloseDocument()
{
    UpdateServerItem();
    ReleaseDocEditing(this);
    m_bUndoEnabled = FALSE;
    CZTDoc::OnCloseDocument();
}

void CWDocument::ViewNotify(int resume)
{
    if (!resume)
    {
        ++m_nViewNotify;
        return;
    }
    if (m_nViewNotify <= 0)
        return;
    if (--m_nViewNotify != 0)
        return;
    if (m_bViewsInvalidated)
    {
        // A view was repainted whole meanwhile: what the flows recorded is
        // shown already.
        m_bViewsInvalidated = FALSE;
        for (long i = 0; i < m_flows.GetCount(); ++i)
            if (GDoc* flow = m_flows[i])
                flow->m_redraw.Reset(flow->m_nSelFirst, flow->m_nSelEnd);
        return;
    }
    for (long i = 0; i < m_flows.GetCount(); ++i)
        if (m_flows[i])
            m_flows[i]->Notify(1);
}

void CWDocument::InvalidateAllViews()
{
    POSITION pos = GetFirstViewPosition();
    while (pos)
    {
        CView* view = GetNextView(pos);
        if (view && view->GetSafeHwnd())
            view->InvalidateRect(NULL, TRUE);
    }
}

void CWDocument::InvalidateViews(int full)
{
    for (long i = 0; i < m_flows.GetCount(); ++i)
    {
        GDoc* flow = m_flows[i];
        if (!flow)
            continue;
        if (full)
            flow->ReRowByRow(0, flow->m_rows.GetCount() - 1, i == kBodyFlow ? GDoc::kReRowLayout : GDoc::kReRowEdit,
                             GDoc::kWholeParagraph);
        else
            flow->ReColumn(0);
        flow->m_redraw.Reset(flow->m_nSelFirst, flow->m_nSelEnd);
    }
    UpdateAllViews(NULL, 0, NULL);
    UpdateAllItems(NULL, 0, NULL, DVASPECT_CONTENT);
    SetModifiedFlag(TRUE);
}

CWView* CWDocument::FindView()
{
    CWView* found = NULL;
    const HWND focus = GetFocus();
    POSITION pos = GetFirstViewPosition();
    while (pos)
    {
        CView* view = GetNextView(pos);
        if (!view || !view->IsKindOf(RUNTIME_CLASS(CWView)))
            continue;
        found = (CWView*)view;
        if (focus && view->GetSafeHwnd() == focus)
            break;
    }
    return found;
}

void CWDocument::SetLayoutSwitch(int i, int value, unsigned char redraw, int full)
{
    if (m_pageInfos.GetCount() == 0)
        return;
    LONG& flag = m_pageInfos[0].layoutValues[i];
    const bool changed = flag != value;
    flag = value;
    if (changed && redraw == kRedrawNow)
        InvalidateViews(full);
}

void CWDocument::SetFirstPageDiff(int value, unsigned char redraw)
{
    SetLayoutSwitch(kFirstPageSwitch, value, redraw, 0);
}

void CWDocument::SetOddEvenPageDiff(int value, unsigned char redraw)
{
    SetLayoutSwitch(kOddEvenSwitch, value, redraw, 0);
}

void CWDocument::SetFacingPages(int value, unsigned char redraw)
{
    SetLayoutSwitch(kFacingSwitch, value, redraw, 1);
}

bool CWDocument::FacingPages() const
{
    return PageSetupOf(this).layoutValues[kFacingSwitch] != 0;
}

BOOL CWDocument::CanUndo()
{
    return DocCanUndo(this);
}

BOOL CWDocument::CanRedo()
{
    return DocCanRedo(this);
}

BOOL CWDocument::MakeUndo()
{
    return DocMakeUndo(this);
}

BOOL CWDocument::MakeRedo()
{
    return DocMakeRedo(this);
}

void CWDocument::SetupFromDocument(const CWDocument& other)
{
    if (m_pageInfos.GetCount() > 0 && other.m_pageInfos.GetCount() > 0)
        m_pageInfos[0] = other.m_pageInfos[0];
}

BOOL CWDocument::UpdateServerMenu(int)
{
    m_bServerMenu = TRUE;
    return TRUE;
}

void Data(char* out, CTime& t)
{
    sprintf(out, "%d/%d/%d", t.GetDay(), t.GetMonth(), t.GetYear());
}

BOOL AlmostEqualRect(const CRect& a, const CRect& b, int d)
{
    return abs(a.left - b.left) <= d && abs(a.top - b.top) <= d && abs(a.right - b.right) <= d &&
           abs(a.bottom - b.bottom) <= d;
}
