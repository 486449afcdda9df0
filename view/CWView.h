// CWView, the view of a document: shows its pages at a zoom, draws the
// paragraph borders of the rows that layout paints. Declared once here;
// its members are defined by topic in view/.
#pragma once
#include "afxwin.h"
#include "model/GDoc.h"

class GFontStyle;

// Set while the embedding server item draws the document into a container:
// rows then draw without the view's scroll position and page areas.
extern int InPlaceFlag;
// The text alignment that ZoomViewDC replaced last.
extern UINT oldTextAlign;

// The screen information context on which list labels and text effects
// are measured. Still missing: the view's context preparation makes it and
// maps it at the view's zoom; until then it is made on first use as a
// "DISPLAY" information context mapped like a view at 100 %.
CDC* GetMemIC();

// The window, painting, caret, input and commands come with the view's
// own work (creation sets the document, resolution, page size and zoom
// from the options); so far the view holds what drawing rows needs of it,
// and tests set those members on a view that has no window.
class CWView : public CScrollView
{
    DECLARE_DYNCREATE(CWView)
public:
    CWView();
    virtual ~CWView();
    virtual void OnDraw(CDC* dc) override;

    CWDocument* m_pDoc = NULL;
    // The flow being edited (0 body, 1-6 headers and footers, 7 on frame
    // texts); the document keeps it once page set-ups hold it.
    long m_nCurPart = 0;
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
    // context stores (the document keeps them once printing is built).
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
    // it, less the scroll position unless withText (view/view_offsets.cpp).
    // Still missing: the area, column, row and text-width terms within the
    // page, which come with the view's hit testing.
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

    // ---- Formatting what the caret is on (view/format_commands_least.cpp,
    // view/caret_least.cpp).
    // The Font and Bullets commands of the Format menu.
    void OnFormatFont();
    void OnFormatBullets();
    // Places the caret at the current flow's caret position.
    void SetCaret(int);
};
