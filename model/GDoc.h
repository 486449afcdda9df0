// GDoc, one text flow: the characters of the body, a header or footer, a
// frame, callout or footnote, with its runs and layout records. Owned by
// its CWDocument; model, layout and editing define its members by topic.
#pragma once
#include "afxwin.h"
#include "model/flow_records.h"
#include "model/GText.h"
#include "model/GRedraw.h"
#include "model/forward.h"

class GList;

// Set for the whole of a mail merge or a whole-document paste; field
// copies then know they are merge copies (editing/mail_merge.cpp).
extern int bPasteMerge;

// Grow steps of the flow's arrays.
const long kCharGrow = 256;
const long kRowGrow = 128;
const long kRecordGrow = 32;

// Flow indexes in the document's flow list.
const LONG kBodyFlow = 0;
const LONG kFirstContentFlow = 7;   // frames, callouts and footnotes from here on

// A new flow's closing column block stands at this vertical position.
const LONG kClosingColumnPosition = 50;
// Paragraph style of the first paragraph of every flow but the body.
const short kOtherFlowParaStyle = 7;

class GDoc
{
public:
    // The text and its position-sorted records; each array but tabs and
    // fields ends with a closing record (see flow_records.h).
    GText m_chars;                   // one block, a gap where it was last edited
    GArray<GTabulator> m_tabs;
    GArrayI<GField*> m_fields;       // owned, one per field mark
    GArray<GFormat> m_formats;
    GShiftedArray<GRow> m_rows;      // a shift of later rows waits
    GArray<GPara> m_paras;
    GArray<GBorder> m_borders;
    GArray<GShade> m_shades;
    GArray<GColumn> m_columns;
    GArray<GPage> m_pages;
    GArrayI<CFrame*> m_frames;       // owned frames anchored in this flow

    CWDocument* m_pOwner;            // the document that owns the flow
    LONG m_nIndex;                   // place in the owner's flow list
    LONG m_bMain;                    // 1 for the body flow
    GRedraw m_redraw;
    // Copy of the closing column block's position; re-columning and the
    // native reader keep the two equal.
    LONG m_nClosingColumnPos;
    LONG m_nCaret;
    LONG m_nSelFirst;                // the selection is first up to end
    LONG m_nSelEnd;
    LONG m_nPasteCount;              // used while pasting
    LONG m_nPasteSpaces;             // blanks a paste inserted
    LONG m_bDeletable;               // Destroy deletes the flow only while set
    LONG m_nSavedCaret;              // kept by SavePosition
    LONG m_nSavedSelFirst;
    LONG m_nSavedSelEnd;
    CFrame* m_pFirstFrame;           // first frame of the chain that shows the flow
    // Where the flow's frames must be repainted (page-relative; empty when
    // nothing is pending) and the frame it belongs to. The frame is only
    // compared, never followed: a destroyed frame leaves its box here.
    // The views repaint and clear it; never stored.
    CRect m_rcFrameRepaint{0, 0, 0, 0};
    CFrame* m_pRepaintFrame = NULL;
    // The print-time merge's lists, empty outside a merge: the values
    // merged into the cell fields and their saved formulas (empty for a
    // field the merge removed), the fields' positions and cell objects.
    CStringArray m_strings1;
    CStringArray m_strings2;
    CUIntArray m_uints;
    CPtrArray m_ptrs;
    LONG m_bInsertingPara;           // set while InsParaItem runs

    // An empty flow of the document: 13, 12, 0 with its runs, two rows,
    // paragraphs, column blocks and pages.
    GDoc(CWDocument* owner, long flowIndex);
    ~GDoc();

    // Deletes the flow while its deletable flag is set, else does nothing;
    // arrays of flows release their elements this way.
    void Destroy();
    void SavePosition();
    void LoadPosition();
    // Does nothing.
    void Debug(long);

    // ---- Item primitives and flow queries (model/flow_items.cpp,
    // model/flow_queries.cpp).

    // The only code that adds or removes records; each shifts the
    // positions and indexes that other records hold (model/flow_items.cpp).
    void InsCharItem(long pos, long n, char c = 0);
    void DelCharItem(long from, long to);
    void InsTabItem(long pos);
    void DelTabItem(long pos);
    void InsFormatItem(const GFormat& format, long index);
    void DelFormatItem(long index);
    void InsFieldItem(GField* field, long index);
    void DelFieldItem(long index);
    void InsRowItem(const GRow& row, long index);
    void InsRowItems(const GRow& row, long index, long n);
    void DelRowItem(long index, int reposition);
    void InsParaItem(const GPara& para, long index);
    void DelParaItem(long index);
    void InsBorderItem(const GBorder& border, long index);
    void DelBorderItem(long index);
    void InsColumnItem(const GColumn& block, long index);
    void DelColumnItem(long index);
    // Paragraph indexes held by frames follow a paragraph inserted
    // (delta 1) or removed (delta -1) at index.
    void ShiftFrameParas(long index, int delta);

    // Merges neighbouring format runs that became equal or empty
    // (model/format_merge.cpp).
    void ReFormat(long fromRun, long toRun);
    // Reflow members the primitives call (layout/reflow.cpp,
    // layout/text_columns.cpp): place rows from row - 1 on, move column
    // blocks, balance a block's columns.
    void SetRowPos(long row, long y);
    void SetColumnPos(long block, long value);
    long EqualizeCols(long block);
    // List and paragraph-style members the primitives call (editing/lists.cpp
    // until the editing interface takes them over).
    void PropagateDown(long fieldIndex, int all);
    // The list field at pos, or null when no list field stands there.
    GList* GetListField(long pos) const;
    // The list style a range uses or continues: the first of its
    // paragraphs that begins with a list field gives its style and its
    // continues flag; else the nearest list paragraph before the range
    // gives its style, with fromPrev 1 only when it stands right before
    // the range. Without either, style -1 and fromPrev 0. An empty range
    // at a paragraph's start holds no paragraph.
    void FindListStyle(long start, long end, long& style, int& fromPrev) const;
    // Makes the selection's paragraphs items of list style at level, as one
    // undoable step: the first new item continues the list before it when
    // fromPrev is set, later ones always do; with change, items of another
    // style take this one. Answers 1, or 0 when the table has no such style.
    int ApplyListStyle(long style, int level, int* starts, int fromPrev, int change);
    // Lists (editing/lists.cpp). LocateField: the index of the field at
    // pos, else of the last field before it, else -1 (a binary search,
    // RecurseField). IsFromPrev: the paragraph before pos's begins with a
    // list field of style. FormatPara carries a level's paragraph values
    // into paragraph para, whose first character is at pos.
    long LocateField(long pos) const;
    long RecurseField(long pos, long lo, long hi, long last) const;
    int IsFromPrev(long pos, int style) const;
    void FormatPara(int style, int level, long para, long pos);
    // One level up or down for the paragraphs of start..end, their indents
    // moving by one step (12.7 mm with inches as the unit, else 10 mm).
    void Promote(long start, long end);
    void Demote(long start, long end);
    // The selection's paragraphs lose their list numbers and take the
    // plain paragraph style, as one undoable step.
    int RemoveList();
    void SetParaStyle(long from, long to, Mint style);

    // Lookups by position: binary search over the sorted arrays; a position
    // at or past the end yields the closing record (model/flow_queries.cpp).
    long GetCharFormat(long pos) const;
    long GetCharRow(long pos) const;
    long GetCharPara(long pos) const;
    long GetCharColumn(long pos) const;
    long GetCharCol(long pos) const;
    long GetCharPage(long pos) const;
    long GetCharTab(long pos) const;      // exact, else -1
    long GetCharField(long pos) const;    // exact, else -1
    long GetCharBorder(long first, long last) const;
    long GetRowPara(long row) const;
    long GetRowCol(long row) const;
    long GetColumnPage(long block) const;
    long GetColumnRow(long block, long col) const;
    long GetColumnChar(long block, long col) const;
    long GetColumnPara(long block) const;

    long GetTabChar(long i) const { return m_tabs[i].pos; }
    long GetFieldChar(long i) const;
    long GetFormatChar(long i) const { return m_formats[i].pos; }
    long GetRowChar(long i) const { return m_rows[i].first; }
    long GetParaRow(long i) const { return m_paras[i].row; }
    long GetParaChar(long i) const { return GetRowChar(GetParaRow(i)); }
    long GetBorderChar1(long i) const { return m_borders[i].first; }
    long GetBorderChar2(long i) const { return m_borders[i].end; }
    long GetPageColumn(long i) const { return m_pages[i].block; }
    long GetPageRow(long i) const { return GetColumnRow(GetPageColumn(i), 0); }
    long GetPageChar(long i) const { return GetColumnChar(GetPageColumn(i), 0); }

    long GetTabRow(long i) const { return GetCharRow(GetTabChar(i)); }
    long GetTabPara(long i) const { return GetCharPara(GetTabChar(i)); }
    long GetTabPStyleIdx(long i) const { return GetCharPStyleIdx(GetTabChar(i)); }
    GParaStyle* GetTabPStylePtr(long i) const { return GetCharPStylePtr(GetTabChar(i)); }
    long GetFieldFormat(long i) const { return GetCharFormat(GetFieldChar(i)); }
    long GetFieldRow(long i) const { return GetCharRow(GetFieldChar(i)); }
    long GetFieldPara(long i) const { return GetCharPara(GetFieldChar(i)); }
    long GetFieldPage(long i) const { return GetCharPage(GetFieldChar(i)); }
    long GetFieldFStyleIdx(long i) const { return GetCharFStyleIdx(GetFieldChar(i)); }
    GFontStyle* GetFieldFStylePtr(long i) const { return GetCharFStylePtr(GetFieldChar(i)); }
    long GetFieldPStyleIdx(long i) const { return GetCharPStyleIdx(GetFieldChar(i)); }
    GParaStyle* GetFieldPStylePtr(long i) const { return GetCharPStylePtr(GetFieldChar(i)); }
    long GetFormatRow(long i) const { return GetCharRow(GetFormatChar(i)); }
    long GetFormatStyleIdx(long i) const;
    GFontStyle* GetFormatStylePtr(long i) const { return GetFontStyle(m_formats[i].style); }
    long GetRowColumn(long i) const { return GetCharColumn(GetRowChar(i)); }
    long GetRowPage(long i) const { return GetCharPage(GetRowChar(i)); }
    long GetRowPStyleIdx(long i) const { return GetParaStyleIdx(GetRowPara(i)); }
    GParaStyle* GetRowPStylePtr(long i) const { return GetParaStylePtr(GetRowPara(i)); }
    long GetParaColumn(long i) const { return GetCharColumn(GetParaChar(i)); }
    long GetParaStyleIdx(long i) const;
    GParaStyle* GetParaStylePtr(long i) const { return GetParaStyle(m_paras[i].style); }
    long GetBorderRow1(long i) const { return GetCharRow(GetBorderChar1(i)); }
    long GetBorderRow2(long i) const { return GetCharRow(GetBorderChar2(i) - 1) + 1; }

    // The styles a Mint names in the owner's tables, masters resolved; -1
    // and null when the entry does not exist.
    long GetFontIndex(Mint style) const;
    long GetParaIndex(Mint style) const;
    GFontStyle* GetFontStyle(Mint style) const;
    GParaStyle* GetParaStyle(Mint style) const;
    long GetCharFStyleIdx(long pos) const { return GetFormatStyleIdx(GetCharFormat(pos)); }
    GFontStyle* GetCharFStylePtr(long pos) const { return GetFormatStylePtr(GetCharFormat(pos)); }
    long GetCharPStyleIdx(long pos) const { return GetParaStyleIdx(GetCharPara(pos)); }
    GParaStyle* GetCharPStylePtr(long pos) const { return GetParaStylePtr(GetCharPara(pos)); }
    CFont* GetCharFont(long pos) const;

    // The common style of a range: out gets what all runs share; the Mint
    // names the one style (or master) they all use, else index -1.
    Mint CombineSameFStyles(long from, long to, class GFontStyle& out) const;
    Mint CombineSamePStyles(long from, long to, class GParaStyle& out) const;
    Mint CombineSameMStyles(long from, long to) const;
    // 1 when style matches what pattern defines.
    static int CompareFStyle(const class GFontStyle& pattern, const class GFontStyle& style);
    static int ComparePStyle(const class GParaStyle& pattern, const class GParaStyle& style);

    // Starts of the next record after the one that holds pos.
    long CharWithNextTab(long pos) const;
    long CharWithNextField(long pos) const;
    long CharWithNextFormat(long pos) const;
    long CharWithNextRow(long pos) const;
    long CharWithNextPara(long pos) const;
    long CharWithNextColumn(long pos) const;
    long CharWithNextPage(long pos) const;
    long NextDifferentChar(long pos) const;
    // Counts the selection (or the whole flow), or text when given.
    void WordCount(int& chars, int& spaces, int& lines, int& paras, int& pages, int& words, int& separator,
                   char* text = NULL) const;

    // ---- Layout: measuring, row breaking, reflow, columns and pages
    // (layout/).

    // Measuring on the layout context (layout/text_measure.cpp): the size
    // of the characters from up to to of one row; the x reached at to as
    // the row's alignment places it; the last tab before to.
    CSize CalcTextSizeSimple(long from, long to, int keepSpaces, int& ascent, CDC* dc = NULL, int = 0,
                             long split = -1);
    CSize CalcTextSizeForView(long from, long to, int keepSpaces, int& ascent, CDC* dc = NULL, int = 0);
    long GetLastTabIndex(long from, long to);

    // Row breaking (layout/row_breaking.cpp, layout/tab_layout.cpp,
    // layout/holes.cpp).
    long CalcRow(CDC* dc, long row);
    long GetRowLeftMargin(long row, long para = -1);
    long GetRowWidth(long row, long para = -1);
    int RowInParaIs(long row);
    int GetTextAlign(CDC* dc, long row, GParaStyle* style, int& indent);
    CRect GetRowMargins(long row, int, SLastFrameParams* cache);
    void ClearAndSetHoles(long row, long);
    long GetLastDivide(long from, long to);
    long GetFirstDivide(long from, long to);
    long MaxFreeSpace(long row);
    void CheckRowTabs(CDC* dc, long row, long from, long to, long para);
    void CalcTab(CDC* dc, long tabPos, long to, long row, long para);
    void CalcTabsRightText(CDC* dc, long tabPos, long to, long row, long para);
    void CalcHoleDxWidths(long row, long hole, long end, CDC* dc);
    // For drawing: the right boundary and last character of the text
    // segment that ends at a hole of a row.
    void GetHoleCoordsAndLastCharPos(long row, int hole, long& x, long& width, long& last, long defaultX);
    // Width of the text column that holds a row.
    long GetRowColumnWidth(long row);

    // Reflow (layout/reflow.cpp): re-breaking the paragraph of a row from
    // that row on, or the paragraphs of a character or row range; placing
    // rows from row - 1 on (stopWhenSame: up to the first row that stays,
    // lastRow >= 0: up to that row); telling the views.
    // wholeParagraph: kUntilRowsStay stops at the first row that breaks
    // where it did; kWholeParagraph breaks to the paragraph's end.
    // allParagraphs (ReRowByRow): kReRowEdit re-breaks the paragraphs of the
    // rows; kReRowLayout does so as a layout: in one change bracket, a
    // right-aligned paragraph from its last row, columns from the block
    // before, and the page frames follow header and footer heights.
    static const int kUntilRowsStay = 0;
    static const int kWholeParagraph = 1;
    static const int kReRowEdit = 0;
    static const int kReRowLayout = 1;
    void ReRowFromRow(long row, int noEarlyStop, int wholeParagraph);
    // textOnly: the edit put ordinary text into one paragraph (no paragraph
    // end, break, tab or field); when the rows then keep their places and
    // heights, the columns and pages, made from those alone, stay as they are.
    void ReRowByPos(long from, long to, int wholeParagraph, bool textOnly = false);
    // textOnly: only ordinary characters of one paragraph were taken out
    // (no row went), so the pages below may stay as they are.
    void ReRowByRow(long fromRow, long toRow, int allParagraphs, int wholeParagraph, bool textOnly = false);
    void PlaceRows(long row, long y, int stopWhenSame, long lastRow);
    void UpdateFlowFrames();
    void UpdateAnchoredFrames();
    long RowHi(long row, long toRow = -1);
    long GetLastCharInRow(long row);
    long GetLastCharInColumn(long block);
    CRect CalcRowsRect(long fromRow, long toRow);
    long CountSpaces(long from, long to, int withTrailing);
    void Notify(int force);
    // Kept for callers of older code: answer 0, do nothing, answer -1.
    int CanRowGoUp(long);
    void ReCalcRows();
    void AddBorders();
    long BreakScan();

    // Column blocks and pages (layout/text_columns.cpp).
    long BalanceColumns(long block);
    long GetMaxLenForColumn(long block, long page);
    long BreakColumn(long block, long maxHeight, long page);
    int CanJoinColumns(long block);
    void ReColumn(long block);

    // Page areas, border allowances and copies (layout/page_areas.cpp).
    int IsVisible(long page, long col);
    CRect GetAreaByPage(long page, int, long col);
    CRect GetAreaByMargin(long page, int, long col);
    void GetMaxBorderRect(CRect& rect);
    void GetPageBorderRect(CRect& rect, long page);
    long GetPageTextOffset(long page);
    // A new flow with the same content, made through the stored form; the
    // caller owns it.
    GDoc* CreateCopy();

    // Paragraph border widths (layout/paragraph_borders.cpp): for a side
    // bit the run has, its distance plus line width plus 2; else -4.
    long GetBorderWidth(int run, int side) const;
    // Widens a row's shading rectangle by the sides of the border run that
    // holds the row: each side it has by its line width and distance, the
    // top on the run's first row only, the bottom on its last row only.
    void AddJustShade(int row, CRect& rect);

    // Drawing rows, their shading and borders, and the selection
    // (layout/row_drawing.cpp, layout/border_drawing.cpp). flowPage is the
    // page of the flow's own frame chain, page the document page painted.
    void DrawRows(CDC* dc, CWView* view, long from, long to, long flowPage, long page);
    void DrawRowsMem(CDC* dc, CWView* view, long from, long to, long flowPage, long page);
    void DrawRow(CDC* dc, CWView* view, long row, long flowPage, long page, SLastFrameParams* cache);
    void DrawRowMem(CDC* dc, CWView* view, long row, long flowPage, long page);
    void DrawFormatedText(CDC* dc, CWView* view, long& pos, long end, const GParaStyle* style, long page,
                          long row, int yShift);
    void DrawShade(CDC* dc, CWView* view, long row, long flowPage, long page, CRect& band, CRect& shade,
                   long& shadeIndex);
    void DrawArrows(CDC* dc, long flowPage, CWView* view);
    long FindShade(long row);
    long FindBorder(long row, int& first);
    void DrawSelection(CDC* dc, CWView* view, long fromRow, long toRow, long selStart, long selEnd, long flowPage,
                       long page);
    void DrawBorders(CDC* dc, CWView* view, long row, long flowPage, long page);
    void DrawBordersMem(CDC* dc, CWView* view, long row, long flowPage, long page, CRect rect);
    long AddBorderOffset(CDC* dc, CWView* view, CRect& band, long row, long& distance);
    void AddColumnOffset(CRect& band, CFrame* frame, long area, long column);
    void ClearLastColumnRow(CDC* dc, CWView* view, CRect& band, CFrame* frame, long area, long column, long row,
                            long flowPage);
    // The frame of the flow's chain that shows flowPage (the first frame
    // for flows other than the body).
    CFrame* ChainFrame(long flowPage);

    // Selections, words and sentences (layout/words.cpp).
    void GetSelectionC(long& s, long& e);
    void GetSelectionW(long& s, long& e);
    void GetSelection(long& s, long& e);
    long GetCurrentWord(long pos, long& s, long& e);
    long GetFirstWord(long pos, long& s, long& e);
    long GetFirstSentence(long pos, long& s, long& e);
    int IsWordUpper(long s, long e);
    long CountWordsInDoc();
    int IsDivider(long pos);

    // The flow body in the native file (document/flow_body.cpp).
    void SaveZVW(CArchive& ar);
    void OpenZVW(CArchive& ar);
    void SerializeRows(CArchive& ar);
    int ReadFields(CArchive& ar);
    void LoadFrames(CArchive& ar);
    // The text-effect stream (document/new_fields.cpp): a count, then each
    // text effect's record and its index in m_fields. Reading replaces the
    // picture at that index by the effect; a count that cannot be read
    // reads nothing.
    void SaveNewFields(CArchive& ar);
    void ReadNewFields(CArchive& ar);

    // The fields of a flow in the older native layout
    // (document/old_fields.cpp): dates, times and page numbers join the
    // flow at once; objects, cells and list numbers wait in the flow's
    // OleFields entry for the document to insert them. Answers 1.
    int ReadOldFields(CArchive& ar);

    // Appends a page of src (the body) or all of src (another flow) before
    // this flow's closing characters, with its formats; page numbers,
    // dates and list numbers are copied, other fields left out
    // (document/append_page.cpp).
    void AppendDocPage(const GDoc& src, long page);

    // ---- Editing interface (editing/).

    // Caret and selection; positions are clamped, never reported
    // (editing/caret_selection.cpp).
    void SetPos(long pos);
    void Select(long start, long end);
    void UnSelect();
    // Typing and overtyping (editing/insert_text.cpp): control characters
    // become records; with redraw 0 rows are not re-broken and nothing is
    // notified. text is written to during the call and restored.
    void InsertChar(long pos, char ch, int redraw);
    void InsertText(long pos, char* text, int redraw);
    void ReplaceChar(long pos, char ch);
    // Removes one character without recording it.
    void DeleteChar(long pos);
    // Removes from..to - 1 as one undoable step (editing/delete_text.cpp).
    void DeleteText(long from, long to, int redraw);
    // Puts field (owned from now on) at its own position and records it
    // (editing/insert_field.cpp); SetOleSize re-breaks the row of pos.
    void InsertField(GField* field);
    void SetOleSize(long pos, CSize& size);
    // Gives the whole paragraphs of from..to a layout of count text
    // columns (editing/set_columns.cpp); data holds six width/gap pairs and
    // comes back fitted to the paragraphs' side borders. Records no undo.
    void SetColumns(long from, long to, int count, tagColumnData* data, int equal);

    // ---- Formatting (editing/character_formatting.cpp,
    // editing/paragraph_formatting.cpp, editing/master_list_styles.cpp,
    // editing/set_border.cpp, editing/shading.cpp; the border and shading
    // queries in layout/border_queries.cpp).

    // Character formatting of from..to. An empty range arms the document's
    // pending style instead; the Mint and GFontStyle forms record undo.
    // The GFontStyle form brings style's size into range in place.
    void SetFontStyle(long from, long to, const char* name);
    void SetFontStyle(long from, long to, Mint style);
    void SetFontStyle(long from, long to, GFontStyle& style, int);
    void SetFontName(long from, long to, char* face);
    void SetFontSize(long from, long to, int size);
    void SetFontColor(long from, long to, unsigned long colour);
    void SetFontAttr(long from, long to, short value, short mask);
    void IncludeAttr(long from, long to, short bits);
    void ExcludeAttr(long from, long to, short bits);

    // Paragraph formatting of the paragraphs of from..to. The GParaStyle
    // form makes style valid in place.
    void SetParaStyle(long from, long to, const char* name);
    void SetParaStyle(long from, long to, GParaStyle& style);
    void SetParaLM(long from, long to, int left);
    void SetParaRM(long from, long to, int right);
    void SetParaIM(long from, long to, int first);
    void SetParaSpacing(long from, long to, float spacing, int extra);
    void SetParaAlign(long from, long to, unsigned char align);
    void SetParaTab(long from, long to, unsigned char index, struct GTab& tab, unsigned char flag);
    // A master style (character and paragraph part) as one undo step; -1
    // changes nothing.
    void SetMasterStyle(long from, long to, int index);
    void SetMasterStyle(long from, long to, const char* name);
    void SetMasterStyle(long from, long to, const class GMasterStyle& style);
    // The list style of the list numbers in from..to.
    void SetListStyle(long from, long to, int index);
    void SetListStyle(long from, long to, const char* name);
    void SetListStyle(long from, long to, const class GListStyle& style);

    // Paragraph borders over the paragraphs of from..to (-1: the
    // selection's end). styles: left, right, top, bottom. A mask below 32
    // toggles its sides, mask - 32 above 31 sets them exactly.
    void SetBorder(long mask, CBorderStyle* styles, int distance, long from, long to);
    void SetBorder(long mask, CBorderStyle style, long from, long to);
    // Shading over the paragraphs of from..to (below 0: the selection's
    // end); cells: table cells in the range take the matching pattern.
    void AddShade(CShadeStyle style, long from, long to, int cells);
    // Extra space before a row for the border lines that begin or end on
    // it, 0.1 mm.
    long GetBorderForRow(int row) const;
    // The border or shade run under the selection, -1 when none; whether
    // that border run has every side of mask.
    long GetBorderSel();
    long GetShadeSel();
    int GetBorderPos(int mask);

    // ---- Pasting a flow, find and replace, change case and formatting
    // what the caret is on (editing/paste_flow.cpp, editing/find_replace.cpp,
    // editing/change_case.cpp, editing/format_caret_item.cpp).

    // Copies source's selection with its styles, fields, list items,
    // paragraph formats, borders and shading to the caret, in place of
    // this flow's selection, as one undo step; source does not change.
    void PasteDoc(const GDoc* source);
    // 1 when the character at pos passes request's style filters.
    int CheckCharStyles(long pos, struct CWFndRpl* request);
    // The next match of request from start, as [start, end); -1, -1 when
    // none. Neither selects nor moves the caret.
    void Find(long& start, long& end, struct CWFndRpl* request);
    // Puts replacement in place of [start, end); on return [start, end) is
    // the new text, selected, with the caret at its end.
    void Replace(long& start, long& end, struct CWFndRpl* replacement);
    // Knuth-Morris-Pratt search from from; flags: 1 match case, 2 whole
    // words, 8 the selection only, 16 backwards. The match's first
    // position, or -1.
    long FindTextA(long from, const char* text, unsigned short flags, class GFontStyle* font,
                   class GParaStyle* para) const;
    long CountStringInDoc(char* text);
    // Stretches in a character and/or paragraph style, from from towards to
    // (backwards when from is not below to); 1 with start and end set.
    int FindStyles(class GFontStyle* font, class GParaStyle* para, long& start, long& end, long from,
                   long to) const;
    int FindFStyle(class GFontStyle* font, long& start, long& end, long from, long to) const;
    int FindPStyle(class GParaStyle* para, long& start, long& end, long from, long to, int backwards) const;
    // Sets the character, then the paragraph style on [start, end); a null
    // style is left out.
    void ReplaceStyles(class GFontStyle* font, class GParaStyle* para, long& start, long& end);
    // Case of the selection's letters: 0 sentence, 1 lower, 2 upper, 3
    // title, 4 toggle (the word at the caret without a selection); one
    // undo step.
    void ChangeCase(unsigned char mode);
    // The kind of the field whose mark is the effective selection, else 0.
    unsigned char FormatXXXXType();
    // Opens what formats the thing at the caret: the font command, the
    // date or page-number dialog, bullets and numbering.
    void FormatXXXX(CWView* view, unsigned char fromCommand);
    // Puts newField (owned from now on; null: text instead) in place of
    // the field mark at pos, as one undo step, and marks the document
    // modified.
    void ReplaceFieldAt(long pos, GField* newField, const char* text);
    void InsertObject(int);

    // ---- Mail merge (editing/mail_merge.cpp) and the print-time merge
    // (document/print_merge.cpp).

    // Inserts a copy of source's text at the caret as pasting does, each
    // cell field replaced by its value, computed with source's document
    // current; with CloseBlanks on, lines an empty value leaves empty go.
    // source does not change.
    void MailMergeDoc(const GDoc* source);
    // Before printed page (from 1), with pagesPerRecord pages to a record:
    // makes record (page - 1) / pagesPerRecord + 1 current, freezes every
    // cell field to its value and removes those that come out empty (and,
    // with CloseBlanks on, the blank line they leave). The removals go to
    // a stack of the merge's own, whatever the document's stack holds.
    void MergeNextPage(long page, long pagesPerRecord);
    // After the page: undoes the merge's removals and gives every cell its
    // formula back; UpdateFormulaFields re-attaches the formulas.
    void RestoreFormulas();
    void UpdateFormulaFields();
    // The merge's undo stack while a merged page is out (a CWUndoRedoStack).
    CObject* m_pMergeUndo = NULL;

private:
    GDoc(const GDoc&) = delete;
    GDoc& operator=(const GDoc&) = delete;
};
