// CWView, the view of a document: shows its pages at a zoom, draws the
// paragraph borders of the rows that layout paints. Declared once here;
// its members are defined by topic in view/.
#pragma once
#include "afxwin.h"
#include "model/GDoc.h"

class GFontStyle;
class GHitTest;
class CScrollViewPageCounter;

// Set while the embedding server item draws the document into a container:
// rows then draw without the view's scroll position and page areas.
extern int InPlaceFlag;
// The text alignment that ZoomViewDC replaced last.
extern UINT oldTextAlign;
// Sets the application's input character set to the keyboard's.
void InitInputCharSet();

// The screen information context on which list labels and text effects
// are measured: a "DISPLAY" information context that every view's context
// preparation maps at that view's zoom. Measuring before any view exists
// makes it at once, mapped like a view at 100 %.
CDC* GetMemIC();

// The smallest zoom, in percent.
const short kLeastZoomPercent = 15;

// The window in which one document is shown and edited. Creation sets the
// document, resolution, page size and zoom from the options; tests also set
// those members on a view that has no window.
class CWView : public CScrollView
{
    DECLARE_DYNCREATE(CWView)
public:
    CWView();
    virtual ~CWView();
    virtual void OnDraw(CDC* dc) override;

    CWDocument* m_pDoc = NULL;
    LONG m_yPos = 0;             // view-space y of the client area's top, 0.1 mm
    short m_nZoomMode = 4;
    short m_nZoomPercent = 100;
    float m_fZoom = 1.0f;        // 100 / m_nZoomPercent
    LONG m_nPageWidth;           // paper of the first page set-up, 0.1 mm
    LONG m_nPageHeight;
    LONG m_nPageGap = 30;        // between pages, at the zoom
    LONG m_nBaseGap = 30;
    LONG m_nLeftGap = 30;        // view space's left edge to the pages'
    LONG m_nDpiX = 96;           // the screen's resolution
    LONG m_nDpiY = 96;
    LONG m_bPageMode = 1;        // 1 drawing the screen, 0 a printer
    // The printer's physical offsets in 0.1 mm, which preparing a printer
    // context stores here and in the document (a view without one uses
    // these).
    CSize m_printerOffset = CSize(0, 0);

    // ---- Units and context set-up (view/view_units.cpp). Lengths in 0.1 mm
    // and view pixels at the zoom; horizontal non-zero takes the horizontal
    // resolution.
    long mm01(long pixels, int horizontal);
    long Pixels(long length, int horizontal);
    // Maps dc to 0.1 mm at the zoom (anisotropic), baseline text that
    // moves the current position, transparent background.
    void ZoomViewDC(CDC* dc);
    // Sets dc's window origin so that (0, 0) is the top-left of row of flow
    // part on page, less the scroll position; part -1 sets it for the page.
    void OfsViewDC(CDC* dc, long part, long page, long row);
    // indent: where the row's text starts (the first-line indent on a
    // paragraph's first row, else the left indent). Answers 0.
    int GetTextAlign(CDC* dc, long part, long row, int& indent);
    // The flow of part, or the flow being edited for a negative part.
    GDoc* DocM(long part);
    // dc's current position: the attribute context answers on the screen
    // (view drawing its pages) and for metafiles, the output context when
    // printing or without a view.
    static CPoint PenPosition(CDC* dc, const CWView* view);
    // The offset, negated, of the place of pos in flow: the page that holds
    // it (less the scroll position unless withText), the row's place on the
    // page and, with withText, the row's text before pos
    // (view/view_offsets.cpp).
    void CalcOfsView(GDoc* flow, int pos, CSize& offset, int withText);

    // ---- Pages in view space (view/view_pages.cpp). View space is 0.1 mm
    // at the zoom, pages stacked from the top with m_nPageGap between
    // them and m_nLeftGap to their left.
    // View space to client pixels: the pages' left gap added, less the
    // scroll position.
    void PageToScreen(long& x, long& y);
    // The view-space y of the top of page.
    long CalcPageToY(long page);

    // ---- Text output (view/text_output.cpp). DrawTextA draws from..to of
    // flow part at the current position in style's font and moves the
    // position past it; widths, when given, are the layout's cells, in
    // which DoExtTextOut centres each glyph.
    void DrawTextA(CDC* dc, long part, long from, long to, const GFontStyle* style, int* widths, int);
    void DoExtTextOut(CPoint pt, CDC* dc, long from, long to, int* widths, const GDoc* flow,
                      const GFontStyle* style);

    // ---- Paragraph border painters (view/border_painters.cpp): one side of
    // border run border around the text rectangle, in the coordinates of
    // the context the caller prepared (0.1 mm, y down). Row 1 to 5 of the
    // line-style table draws a band as thick as the line; any other row a
    // one-pixel line of the side's pen style at the band's outer edge.
    // The top and bottom lines reach out over the side lines, as far as
    // the page margins allow; the side lines take joinTop/joinBottom (reach
    // up or down over the top or bottom line), the room beside the text
    // (negative: no limit) and whether the row starts the run.
    void DrawUpLine(const GDoc& flow, CDC* dc, int border, CRect text);
    void DrawBottomLine(const GDoc& flow, CDC* dc, int border, CRect text);
    void DrawLeftLine(const GDoc& flow, CDC* dc, int border, CRect text, int joinTop, int joinBottom, int room,
                      int first);
    void DrawRightLine(const GDoc& flow, CDC* dc, int border, CRect text, int joinTop, int joinBottom, int room,
                       int first);

    // ---- The zoom combo's cache (view/zoom_cache.cpp): the zoom text the
    // toolbar showed last. A frame that takes a new current view sets it to
    // "GGG", which no zoom reads as, so that the next text is applied.
    // Still missing: the zoom combo that reads and writes it.
    static CString sZoomCache;

    // ---- The view's own state, in the order of its life cycle
    // (view/view.cpp). Lengths in 0.1 mm.
    CScrollViewPageCounter* m_pPageCounter = NULL;  // made by OnInitialUpdate, freed with its window
    BOOL m_bHFBarShown = FALSE;  // the header-and-footer toolbar was floated for this view
    LONG m_nPages = 1;           // body pages: the page records less the closing one
    LONG m_nTypingValue = -1;    // kept by typing
    CPoint m_caretPoint = CPoint(-1, -1);  // remembered over vertical caret moves; -1 none
    LONG m_nCaretPage = 0;       // page and row of the current part's caret
    LONG m_nCaretRow = 0;
    LONG m_nAnchorRow = -1;      // first row of a whole-row selection, -1 none
    BYTE m_nUndoStep = 1;        // kind of the last editing step
    BOOL m_bMouseSelect = FALSE; // the left button extends a selection
    BOOL m_bInsert = TRUE;       // insert mode, else overwrite
    BOOL m_bAutoScroll = TRUE;   // ScrollToCaret acts only while set
    // The view's own caret (view/caret_drawing.cpp), in client pixels.
    CRect m_caretRect = CRect(0, 0, 0, 0);  // where SetCaret last placed it; empty: none
    BOOL m_bCaretShown = FALSE;  // placed and not hidden since
    BOOL m_bCaretOn = FALSE;     // its inversion is on the window now
    DWORD m_caretPlacedAt = 0;   // tick of the last placing: it holds still while typing
    UINT m_caretBlink = 0;       // blink half-period in ms; 0: the blink timer is off
    BOOL m_bHasFocus = FALSE;    // between the focus messages: the keyboard's window
    // Set by the format toolbar's bridges.
    int m_nColorIndex = 0;
    int m_nLineStyle = 0;
    int m_nLineWidth = 0;
    WORD m_shadeStyle[4] = {0, 0, 0, 0};
    // Drag and drop between the two sides of a text drag.
    DWORD m_prevDropEffect = 0;
    CPoint m_dragPoint = CPoint(0, 0);
    CSize m_dragSize = CSize(0, 0);
    CSize m_dragOffset = CSize(0, 0);
    CRect m_dragFocusRect = CRect(0, 0, 0, 0);
    LONG m_dropPos = -1;
    LONG m_dropPart = -1;
    void* m_pDragSource = NULL;
    BOOL m_bDragItem = FALSE;    // an object is being dragged with the mouse
    // Set by GDoc::Select: the selection lies on one row and holds only
    // blanks, page ends and paragraph ends.
    BOOL m_bBlankSelection = FALSE;
    BOOL m_bAddFrame = FALSE;    // the next click inserts a frame
    BOOL m_bAddCallout = FALSE;  // the next click inserts a callout
    BYTE m_nHitKind = 1;         // kind of the last hit test
    GHitTest* m_pKeyHit = NULL;  // the keyboard's hit test, owned
    // Still missing: the drop target (registered on creation), the page
    // background picture and the in-place item's rectangles after zooming
    // and scrolling, which wait for the embedding layer and the page
    // background; pages are filled with the page colour meanwhile.
    static UINT m_cfObjectDescriptor;  // "Object Descriptor", registered by the first view

    int OnCreate(LPCREATESTRUCT lpcs);
    virtual void OnInitialUpdate() override;
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
    // The flow being edited: its index is held by the document.
    long CurPart() const;
    GDoc* DocC() { return DocM(-1); }
    // Switches editing to part n; nothing for the current part or for a
    // header or footer while the page set-up keeps them off.
    void SetDocPart(long n);
    static BOOL Ctrl() { return ::GetKeyState(VK_CONTROL) < 0; }
    static BOOL Alt() { return ::GetKeyState(VK_MENU) < 0; }
    static BOOL Shift() { return ::GetKeyState(VK_SHIFT) < 0; }
    BOOL Ins() const { return m_bInsert; }
    void UndoStep(unsigned char kind);
    // No ruler bars are made: both answer null and the ruler steps of the
    // view do nothing.
    CControlBar* GetHRuler();
    CControlBar* GetVRuler();
    BOOL IsHRuler();
    BOOL IsVRuler();
    // The window has been made and not destroyed.
    BOOL HasWindow() const { return m_hWnd != NULL && ::IsWindow(m_hWnd); }
    // The client rectangle, empty without a window.
    CRect ClientRect() const;

    // ---- More of view space (view/view_pages.cpp).
    void ScreenToPage(long& x, long& y);
    long CalcYToPage(long y);
    long DocToPageY(long part, long page, long y, long rowPage);
    void GetClientSizeMM(long& w, long& h);
    BOOL IsPageVisible(long page);
    long RowDistance(long part, long row1, long row2);
    long TuneRow(long, long, long) { return 0; }

    // ---- Zoom (view/zoom.cpp). ZoomPage fits the zoom mode to the client
    // area; a fit that has nothing to divide by keeps the current percent.
    void SetZoom(float factor);
    void ZoomPage(int invalidate);
    void UpdateScroller(int);
    void OnSize(UINT nType, int cx, int cy);

    // ---- Caret (view/caret.cpp, view/caret_moves.cpp). SetCaret places
    // the view's own caret; HideCaret takes it off the window until SetCaret
    // shows it again, however often the view's repaint steps ask.
    void SetCaret(int force);
    void HideCaret();
    CRect ShownCaretRect() const;  // where the caret is on the window now; empty: nowhere
    void OnCaretTimer();           // one blink
    void CalcCaretRect(long pos, long& x, long& y, CSize* size);
    void CalcCharPos(int pos, CSize& out, GDoc* part, CDC* dc);
    void ScrollToCaret();
    void MoveCaret(long pos);
    void Delete();

    // ---- Painting (view/painting.cpp, view/page_drawing.cpp).
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = NULL) override;
    void DrawPage(CDC* dc, long page, CRgn* region = NULL, CPrintInfo* info = NULL);
    void FillWithBMP(CDC* dc, int x, int y, int w, int h);
    void DrawDocParts(CDC* dc, long page);
    void ClearEndOfPage(CDC* dc, GDoc* flow, int page, int viewPage, int firstRow, int endRow);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    // Excludes a frame's page area (grown for the tracker's handles when it
    // is selected in the current part) from dc's clip region.
    void ExcludeFrame(CDC* dc, CFrame* frame, long page, const CRect* narrowTo);

    // ---- Update and invalidation (view/update.cpp).
    void InvalidateView();
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* pHint) override;
    void CalcInvalidateRows(GRedraw* redraw, GDoc* flow, long& first, long& end);
    void UpdateHeaderFooter(CDC* dc, GDoc* flow, long first, long end, GRedraw* redraw);
    void InvalidateFrame(GRedraw* redraw);
    void ClipWithFrames(CDC* dc, long page, GDoc* flow);
    static long min3(long a, long b, long c);
    static long max3(long a, long b, long c);

    // ---- Scrolling (view/scrolling.cpp). The vertical position is m_yPos;
    // the bar's range is held under 32767 pixels and scaled.
    virtual BOOL OnScroll(UINT codes, UINT pos, BOOL doScroll = TRUE) override;
    virtual BOOL OnScrollBy(CSize size, BOOL doScroll = TRUE) override;
    CPoint GetScrollPosition();
    void ScrollToPosition(POINT pt);
    void ScrollBy(int dx, int dy);
    long GetTotalDocSize();
    long GetMaxScroll();
    void ScaleScroll(long& v);
    void InvScroll(long& v);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    // The page (from 0) whose middle is nearest the client area's middle.
    long PageNearestMiddle();

    // ---- Hit testing (view/hit_testing.cpp), one level each.
    void HitTestPage(GHitTest& hit);
    void HitTestDocType(GHitTest& hit);
    void HitTestColumn(GHitTest& hit);
    void HitTestCol(GHitTest& hit);
    void HitTestRow(GHitTest& hit);
    void HitTestPos(GHitTest& hit, int nearest);

    // ---- Typing, keys and the Edit menu (view/typing.cpp,
    // view/key_commands.cpp, view/edit_commands.cpp). A burst of queued
    // characters becomes one insertion of at most 127; a command key met
    // in the burst ends it and runs after the insertion.
    void OnChar(UINT code, UINT repeat, UINT flags);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKeyUp(UINT, UINT, UINT) {}
    virtual BOOL PreTranslateMessage(MSG* msg) override;
    void OnSetFocus(CWnd* old);
    void OnKillFocus(CWnd* next);
    void OnPaint();
    void OnTimer(UINT id);
    void OnCancelEditCntr();
    void OnInsertNewPage();
    // Arms the document's pending style when the text before the caret is
    // in another character set than the keyboard's.
    void CheckInputCharSet(GDoc* flow);
    // The keyboard switched language: the application's input character
    // set follows, and the text at the caret's style in the new set waits
    // for the next typed character. Answers 1.
    LRESULT OnInputLanguageChange(WPARAM charset, LPARAM layout);
    // The keyboard's language may have changed while another window had
    // the focus, which tells no view: read it again as a change would.
    void FollowKeyboardCharSet();
    // Inserts first and the printable characters queued behind it; true
    // when a message ended the batch (returned in pending).
    bool GatherAndInsert(GDoc* flow, unsigned char first, MSG& pending);
    // A key taken out of the queue goes the way of any other: the frame's
    // accelerators and shortcut keys, then its handler.
    void PassKeyOn(MSG& msg);
    void VerticalMove(bool down);
    void PageMove(bool down);
    void HeaderFooterPageMove(bool down);
    void OnEditUndo();
    void OnEditRedo();
    void OnEditDelete();
    void OnEditFind();
    void OnEditReplace();
    void OnEditGoto();
    void OnUndoDialog();
    void OnRedoDialog();
    void OnEditSelectAll();
    void OnEditFindNext();
    void OnUpdateEditUndo(CCmdUI* ui);
    void OnUpdateEditRedo(CCmdUI* ui);
    void OnUpdateEditDelete(CCmdUI* ui);
    void OnUpdateEditSelectAll(CCmdUI* ui);
    void OnUpdateEditFindNext(CCmdUI* ui);
    // The Go To dialog's moves: n counts from 1 when absolute, else from
    // the caret; 0 does nothing.
    void GotoPage(bool absolute, int n);
    void GotoField(bool absolute, int n);
    void GotoObject(bool absolute, int n);

    // ---- Embedded items selected as a whole (view/item_selection.cpp).
    virtual BOOL IsSelected(const CObject* item) const override;
    void SetSelection(class GOle* ole, int keep);
    void SetSelection(class GImage* image, int keep);
    void SetSelection(class GLumifex* effect, int keep);
    void InvalidateItem(GField* field);

    // ---- Trackers on those items (view/item_trackers.cpp). SetupTracker
    // puts tracker on the item in client pixels, limited to its flow's
    // frame area on its page, with the selected look (no style when the
    // item is neither selected nor open); trueRect, when given, receives
    // the tracker's true rectangle.
    void SetupTracker(class CWLimitedTracker* tracker, class GOle* ole, CRect* trueRect);
    void SetupTracker(class CWLimitedTracker* tracker, class GImage* image, CRect* trueRect);
    void SetupTracker(class CWLimitedTracker* tracker, class GLumifex* effect, CRect* trueRect);
    // Draws the outline of a selected or open item just drawn on dc.
    void DrawItemTracker(CDC* dc, GField* field);
    // Document units at the zoom (as GetRect gives them) to client pixels
    // and back, through a client context prepared as the view's own; the
    // rectangle to client pixels comes normalised, sizes non-negative.
    void DocToClient(CRect& rect);
    void ClientToDoc(CRect& rect);
    void DocToClient(CSize& size);
    void ClientToDoc(CSize& size);
    void DocToClient(CPoint& point);
    void ClientToDoc(CPoint& point);

    DECLARE_MESSAGE_MAP()

private:
    void PrepareItemTracker(class CWLimitedTracker* tracker, GField* field, CRect rect, int leftInset);
    // The view's own caret, in client pixels (view/caret_drawing.cpp).
    void PlaceCaret(CSize size, CPoint at);
    void RemoveCaret();
    void InvertCaret();
    bool CaretMayShow() const;
    void StartCaretBlink();
    void StopCaretBlink();

public:
    // ---- Printing (view/printing.cpp, view/print_pages.cpp). The class
    // library's print loop and preview call these; the view makes the
    // copies and collates itself when the driver does not, and merges each
    // printed page's data record.
    void OnFilePrint();
    void OnFilePrintPreview();
    virtual BOOL OnPreparePrinting(CPrintInfo* info) override;
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    virtual void OnPrint(CDC* dc, CPrintInfo* info) override;
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info) override;
    // The page's frames and column lines, drawn by OnPrint.
    void PrintPageContents(CDC* dc, long page, CPrintInfo* info);

    // ---- Formatting what the caret is on (view/format_commands_least.cpp).
    // The Font and Bullets commands of the Format menu.
    void OnFormatFont();
    void OnFormatBullets();
};
