// The document template, its child frames and the clipboard document,
// under the X display in a main frame of their own; and the start-up's
// placement of the window before the first document. Without a display
// these tests skip.
#include "tests/support/zt_gtest.h"
#include "tests/support/window_test_support.h"
#include "tests/app/frame_window_test.h"
#include "app/CWApp.h"
#include "app/CWChildFrame.h"
#include "app/CWDocManager.h"
#include "app/CWInPlaceFrame.h"
#include "app/CWMainFrame.h"
#include "app/CWMultiDocTemplate.h"
#include "app/clipboard_document.h"
#include "app/window_placement.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "resources/resource.h"
#include "resources/startup_ids.h"
#include "view/CWView.h"
#include "tests/support/flow_inspection.h"
#include <string>
#include <vector>

namespace {

// A document whose OnNewDocument can be made to fail once.
class CFailingDocument : public CWDocument
{
    DECLARE_DYNCREATE(CFailingDocument)
public:
    static bool failNext;
    BOOL OnNewDocument() override
    {
        if (failNext)
        {
            failNext = false;
            return FALSE;
        }
        return CWDocument::OnNewDocument();
    }
};
bool CFailingDocument::failNext = false;
IMPLEMENT_DYNCREATE(CFailingDocument, CWDocument)

// What an update handler set.
class ItemState : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { enabled = bOn; }
    void SetCheck(int nCheck) override { check = nCheck; }
    BOOL enabled = TRUE;
    int check = 0;
};

std::vector<CDocument*> DocumentsOf(CDocTemplate* pTemplate)
{
    std::vector<CDocument*> documents;
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos;)
        documents.push_back(pTemplate->GetNextDoc(pos));
    return documents;
}

CFrameWnd* FrameOf(CDocument* pDocument)
{
    POSITION pos = pDocument->GetFirstViewPosition();
    CView* view = pos ? pDocument->GetNextView(pos) : nullptr;
    return view ? view->GetParentFrame() : nullptr;
}

class TemplateTest : public FrameWindowTest
{
protected:
    void SetUp() override { OpenFrame("document template"); }
};

TEST_F(TemplateTest, UntitledDocumentsAndTemplatesAreNumberedEachByItself)
{
    CWMultiDocTemplate docTemplate(IDR_ZTWRITETYPE, RUNTIME_CLASS(CFailingDocument), RUNTIME_CLASS(CWChildFrame),
                                   RUNTIME_CLASS(CWView));
    docTemplate.m_bAutoDelete = FALSE;
    docTemplate.LoadTemplate();
    std::vector<std::string> titles;
    for (int i = 0; i < 3; i++)
    {
        CDocument* doc = docTemplate.OpenDocumentFile(nullptr, TRUE);
        ASSERT_NE(doc, nullptr);
        titles.push_back((LPCSTR)doc->GetTitle());
    }
    IsNewDocumentTemplate = 1;
    CDocument* newTemplate = docTemplate.OpenDocumentFile(nullptr, TRUE);
    ASSERT_NE(newTemplate, nullptr);
    titles.push_back((LPCSTR)newTemplate->GetTitle());
    EXPECT_EQ(IsNewDocumentTemplate, 0) << "lasts for one document";
    EXPECT_EQ(((CWDocument*)newTemplate)->m_nFileType, 201);

    CFailingDocument::failNext = true;
    EXPECT_EQ(docTemplate.OpenDocumentFile(nullptr, TRUE), nullptr);
    PumpWaitingMessages();
    EXPECT_EQ(DocumentsOf(&docTemplate).size(), 4u) << "the failed document went with its frame";
    CDocument* after = docTemplate.OpenDocumentFile(nullptr, TRUE);
    ASSERT_NE(after, nullptr);
    titles.push_back((LPCSTR)after->GetTitle());

    const std::vector<std::string> expected = { "Write1", "Write2", "Write3", "Template1", "Write5" };
    EXPECT_EQ(titles, expected);
    docTemplate.CloseAllDocuments(FALSE);
    PumpWaitingMessages();
}

TEST_F(TemplateTest, VisibleDocumentsOpenMaximizedAndInvisibleOnesHiddenAndEmbedded)
{
    CWMultiDocTemplate* docTemplate = ApplicationTemplate();
    CDocument* shown = docTemplate->OpenDocumentFile(nullptr, TRUE);
    ASSERT_NE(shown, nullptr);
    PumpWaitingMessages();
    CFrameWnd* shownFrame = FrameOf(shown);
    ASSERT_NE(shownFrame, nullptr);
    ASSERT_TRUE(shownFrame->IsKindOf(RUNTIME_CLASS(CWChildFrame)));
    EXPECT_TRUE(shownFrame->IsWindowVisible());
    EXPECT_TRUE(::IsZoomed(shownFrame->m_hWnd));
    EXPECT_EQ(((CWChildFrame*)shownFrame)->GetDocument(), shown);
    EXPECT_FALSE(shown->m_bEmbedded);

    CDocument* hidden = docTemplate->OpenDocumentFile(nullptr, FALSE);
    ASSERT_NE(hidden, nullptr);
    PumpWaitingMessages();
    ASSERT_NE(FrameOf(hidden), nullptr);
    EXPECT_FALSE(FrameOf(hidden)->IsWindowVisible());
    EXPECT_TRUE(hidden->m_bEmbedded);
}

TEST_F(TemplateTest, ChildFrameViewFocusActivationAndRulers)
{
    CWMultiDocTemplate* docTemplate = ApplicationTemplate();
    CDocument* first = docTemplate->OpenDocumentFile(nullptr, TRUE);
    CDocument* second = docTemplate->OpenDocumentFile(nullptr, TRUE);
    ASSERT_TRUE(first && second);
    PumpWaitingMessages();
    CWChildFrame* firstFrame = (CWChildFrame*)FrameOf(first);
    CWChildFrame* secondFrame = (CWChildFrame*)FrameOf(second);

    // The view inside the splitter is the focused pane; with the focus
    // elsewhere (a frame passes it on to its view) there is none.
    CWnd* pane = secondFrame->GetSplitter().GetPane(0, 0);
    ASSERT_NE(pane, nullptr);
    pane->SetFocus();
    EXPECT_EQ((CWnd*)secondFrame->GetView(), pane);
    EXPECT_EQ((CWnd*)secondFrame->GetAnyView(), pane);
    HWND elsewhere = ::CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, frame->m_hWnd, nullptr,
                                     nullptr, nullptr);
    ::SetFocus(elsewhere);
    EXPECT_EQ(secondFrame->GetView(), nullptr);
    EXPECT_EQ(secondFrame->GetAnyView(), nullptr);
    ::DestroyWindow(elsewhere);

    // Activating a document window makes the style box refill from it.
    ((CWDocument*)first)->m_bStylesChanged = FALSE;
    frame->MDIActivate(firstFrame);
    PumpWaitingMessages();
    EXPECT_TRUE(((CWDocument*)first)->m_bStylesChanged);

    // Without rulers the commands change nothing and leave the items
    // enabled and unchecked.
    for (UINT id : { ID_VIEW_RULER_BOTH, ID_VIEW_RULER_HORIZONTAL, ID_VIEW_RULER_VERTICAL })
    {
        firstFrame->SendMessage(WM_COMMAND, id);
        ItemState state;
        state.m_nID = id;
        state.DoUpdate(firstFrame, TRUE);
        EXPECT_TRUE(state.enabled) << id;
        EXPECT_EQ(state.check, 0) << id;
    }
}

TEST_F(TemplateTest, ClipboardDocumentIsHiddenUnlistedAndOutlivesCloseAll)
{
    ApplicationTemplate();
    CloseClipboardDocument();
    CWDocument* clip = CreateInternalClipboard();
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(CreateInternalClipboard(), clip) << "one for the application";
    EXPECT_EQ(Clipboard, clip);
    CString title = clip->GetTitle();
    EXPECT_EQ(title.Find("Zentavo.Clipboard "), 0) << (LPCSTR)title;
    EXPECT_FALSE(clip->m_bUndoEnabled);
    EXPECT_TRUE(clip->m_bClipboard);
    EXPECT_EQ(clip->m_nViewNotify, 1);
    EXPECT_FALSE(clip->m_bEmbedded);
    CFrameWnd* clipFrame = FrameOf(clip);
    ASSERT_NE(clipFrame, nullptr);
    EXPECT_TRUE(clipFrame->IsKindOf(RUNTIME_CLASS(CWClipboardFrame)));
    EXPECT_FALSE(clipFrame->IsWindowVisible());

    for (POSITION pos = App.GetFirstDocTemplatePosition(); pos;)
        for (CDocument* doc : DocumentsOf(App.GetNextDocTemplate(pos)))
            EXPECT_NE(doc, clip);

    // Typing into it records no undo and tells no view.
    GDoc* body = clip->m_flows[kBodyFlow];
    std::string text("copied");
    body->InsertText(0, &text[0], 0);
    EXPECT_FALSE(clip->CanUndo());
    EXPECT_EQ(clip->m_flows.GetCount(), kFirstContentFlow);
    // Brackets inside stay closed to the views.
    clip->ViewNotify(0);
    clip->ViewNotify(1);
    EXPECT_EQ(clip->m_nViewNotify, 1);

    ApplicationTemplate()->OpenDocumentFile(nullptr, TRUE);
    ((CWDocManager*)App.m_pDocManager)->SmartCloseAll();
    App.CloseAllDocuments(FALSE);
    PumpWaitingMessages();
    EXPECT_EQ(App.GetOpenDocumentCount(), 0);
    EXPECT_EQ(Clipboard, clip);
    EXPECT_EQ(FlowText(*body), "copied");
    clip->ClearAllDocument();
    EXPECT_EQ(FlowText(*body), "");
    EXPECT_EQ(clip->m_nViewNotify, 1);

    CloseClipboardDocument();
    PumpWaitingMessages();
    EXPECT_EQ(Clipboard, nullptr);
    EXPECT_FALSE(::IsWindow(clipFrame->m_hWnd)) << "its hidden frame went with it";
}

TEST_F(TemplateTest, ClosingAFloatingToolbarTakesTheViewBackToTheBody)
{
    CDocument* doc = ApplicationTemplate()->OpenDocumentFile(nullptr, TRUE);
    ASSERT_NE(doc, nullptr);
    PumpWaitingMessages();
    CFrameWnd* active = frame->GetActiveFrame();
    ASSERT_NE(active, nullptr);
    CView* view = active->GetActiveView();
    ASSERT_TRUE(view && view->IsKindOf(RUNTIME_CLASS(CWView)));
    ((CWDocument*)doc)->m_nCurPart = 2;   // editing a header
    ((CWView*)view)->m_bHFBarShown = TRUE;

    CToolBar* bar = frame->GetToolBarManager()->GetToolBarAt(0);
    frame->FloatControlBar(bar, CPoint(200, 200));
    PumpWaitingMessages();
    CWnd* mini = bar->GetParent();
    ASSERT_TRUE(mini && mini->IsKindOf(RUNTIME_CLASS(CWMiniDockingFrame)));
    mini->SendMessage(WM_CLOSE);
    PumpWaitingMessages();
    EXPECT_EQ(((CWView*)view)->CurPart(), 0);
    EXPECT_FALSE(((CWView*)view)->m_bHFBarShown);
    EXPECT_FALSE(bar->IsWindowVisible()) << "the bar closes as any floating bar";
}

TEST_F(TemplateTest, TemplateCarriesTheEmbeddingMenusAndKeys)
{
    CWMultiDocTemplate* docTemplate = ApplicationTemplate();
    EXPECT_NE(docTemplate->m_hMenuShared, nullptr);
    EXPECT_NE(docTemplate->m_hMenuInPlace, nullptr);
    EXPECT_NE(docTemplate->m_hMenuEmbedding, nullptr);
    EXPECT_NE(docTemplate->m_hMenuInPlaceServer, nullptr);
    // Escape ends in-place editing in both tables.
    for (HACCEL table : { docTemplate->m_hAccelInPlace, docTemplate->m_hAccelEmbedding })
    {
        ASSERT_NE(table, nullptr);
        ACCEL keys[8];
        int count = ::CopyAcceleratorTableA(table, keys, 8);
        ASSERT_EQ(count, 1);
        EXPECT_EQ(keys[0].key, VK_ESCAPE);
        EXPECT_EQ(keys[0].cmd, ID_CANCEL_EDIT_CNTR);
    }
    EXPECT_EQ(docTemplate->m_pOleFrameClass, RUNTIME_CLASS(CWInPlaceFrame));
    EXPECT_TRUE(IsEqualGUID(App.m_server.GetClassID(), clsid));
    EXPECT_EQ(App.m_server.GetProgID(), CString("ZentavoWrite2000.Document"));
}

// The ids of a popup's items, found by the texts of the popups on the way.
std::vector<UINT> ItemIds(HMENU menu, std::vector<std::string> path)
{
    for (const std::string& text : path)
    {
        HMENU next = nullptr;
        for (int i = 0; menu && i < ::GetMenuItemCount(menu) && !next; i++)
        {
            char label[64] = "";
            ::GetMenuStringA(menu, i, label, sizeof(label), MF_BYPOSITION);
            if (text == label)
                next = ::GetSubMenu(menu, i);
        }
        menu = next;
    }
    std::vector<UINT> ids;
    for (int i = 0; menu && i < ::GetMenuItemCount(menu); i++)
        ids.push_back(::GetMenuItemID(menu, i));
    return ids;
}

TEST(DocumentMenuTest, RulerBarsAndTileHaveTheirOwnCommands)
{
    HMENU menu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_ZTWRITETYPE));
    ASSERT_NE(menu, nullptr);
    const std::vector<UINT> rulers = { ID_VIEW_RULER_BOTH, ID_VIEW_RULER_HORIZONTAL, ID_VIEW_RULER_VERTICAL };
    EXPECT_EQ(ItemIds(menu, { "&View", "&Ruler Bars" }), rulers);
    const std::vector<UINT> tile = { ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT };
    EXPECT_EQ(ItemIds(menu, { "&Window", "&Tile" }), tile);
    ::DestroyMenu(menu);
}

}  // namespace
