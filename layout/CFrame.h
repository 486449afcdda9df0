// A frame: a rectangle on a page through which part of a flow is shown
// (body, header, footer, text box, callout, footnote or column area), with
// its anchoring, sizing, text distance, chain and the holes it cuts into
// the rows beside it. Flows own the frames anchored in them, the document
// those of its pages; layout, drawing and editing place and query them.
#pragma once
#include "afxwin.h"
#include "model/GArray.h"
#include "model/flow_records.h"
#include "view/arrow_style.h"
#include "model/forward.h"

class CWRectTracker;
class CWLimitedTracker;
class CWView;

// The last frame found for a row, which row drawing and margin queries
// pass from call to call.
struct SLastFrameParams
{
    CFrame* frame = NULL;
    LONG row = 0;
    LONG yOffset = 0;
};

// Horizontal kinds: what x is measured from.
enum
{
    kHFromMargin = 0,
    kHFromPage = 1,
    kHInColumn = 2,
    kHHeaderOdd = 3,
    kHHeaderEven = 4,
    kHRightOfFrame = 5
};

// Vertical kinds: what y is measured from (see GetVPos).
enum
{
    kVPageMargin = 0,
    kVPageTop = 1,
    kVBelowPara = 2,
    kVNextPage = 3,
    kVHeaderOdd = 4,
    kVHeaderEven = 5,
    kVPageBottom = 6,
    kVFooterOdd = 7,
    kVFooterEven = 8,
    kVBelowFrame = 9,
    kVLevelWithFrame = 10,
    kVWithContentPara = 11,
    kVHeaderFirst = 12,
    kVFooterFirst = 13,
    kVAboveFrame = 14
};

// Size modes.
const LONG kSizeAuto = 0;
const LONG kSizeAtLeast = 1;     // height only
const LONG kSizeFixedWidth = 1;
const LONG kSizeFixedHeight = 2;

// A frame that is not placed yet has this left edge.
const LONG kNotPlaced = (LONG)0x80000000;
// No height limit.
const LONG kNoHeightLimit = 0x3fffffff;
// Text keeps at least this distance from a border line.
const LONG kBorderClearance = 4;
// Words of the stored form: "none" for an index.
const DWORD kNoIndex = 0x80000000;

// Set to keep AddNextFrame from adding continuation frames; both
// constructors clear it.
extern int DisableNextFrame;

class CFrame final
{
public:
    CRect area;                  // margin-relative; left kNotPlaced until placed
    GDoc* anchor;                // flow the frame is anchored in; null for page frames
    GDoc* content;               // flow the frame shows; may be null
    CWDocument* owner;
    CFrame* next;                // next frame of the chain showing content
    LONG reserved;
    LONG userFrame;              // 1 for text boxes and callouts the user inserts
    LONG hKind;
    LONG vKind;
    LONG_PTR hAnchor;            // column, page or CFrame* (kind 5)
    LONG_PTR vAnchor;            // page, paragraph or CFrame* (kinds 3, 9, 10, 14)
    LONG hTextDistance;
    LONG vTextDistance;
    LONG x;
    LONG y;
    LONG width;
    LONG height;
    LONG widthMode;
    LONG heightMode;
    LONG maxHeight;              // 0 or less: none
    LONG columnPara;
    LONG columnCount;            // 0 unless the frame is one column of a set
    LONG columnIndex;
    GArray<CData>* columnData;   // shared by every frame of a column set
    LONG hasArrow;
    LONG arrowPara;
    LONG arrowTipY;
    LONG arrowTipX;
    CPoint arrowFrom;
    CPoint arrowTo;
    CWRectTracker* arrowTracker; // owned; never stored
    tagArrowStyle arrowStyle;
    CString name;                // never stored
    LONG tag;
    CWLimitedTracker* tracker;   // owned; never stored
    LONG alive;                  // Destroy acts only when 1
    LONG arrowTracking;
    CRect pageArea;              // page-relative, without text distance

    CFrame();
    CFrame(CWDocument* owner, GDoc* anchor, GDoc* content, long x, long y, long width, long height,
           long hAnchor, long vAnchor, int hKind, int vKind, int heightMode, int widthMode,
           int hTextDistance, int vTextDistance, int userFrame);
    // Copies every member but the owned trackers: a copy starts without
    // them, so two frames never delete the same tracker.
    CFrame& operator=(const CFrame& other);
    ~CFrame();

    virtual void Destroy();
    virtual long GetHPos();
    virtual long GetVPos();
    virtual long GetWidth();
    virtual long GetHeight();
    // Recomputes the area and what depends on it; nonzero when nothing
    // changed.
    virtual int MakeArea(int force);

    long GetMaxHeight(int = 0);
    long GetPage();
    int IsVisible(long page);
    CRect GetAreaByMargin(long page, int inner);
    CRect GetAreaByPage(long page, int inner);
    CRect GetAreaByPara(long para);
    int SetHTextDistance(int distance);
    int SetVTextDistance(int distance);
    int IsFrameSizeValid(CRect rect);
    CFrame* GetFrameByCol(long n);
    long GetCols();
    long GetFrameIndex();
    // While a caller walks a chain in order it names the frame it stands on
    // and that frame's place, so that the frame's own questions about its
    // place do not walk the chain again (a chain has a frame per page).
    class KnownIndex
    {
    public:
        KnownIndex(CFrame* frame, long index);
        ~KnownIndex();

    private:
        CFrame* m_pFrame;
        CFrame* m_pFirst;
        long m_nIndex;
        const KnownIndex* m_pOuter;
        friend class CFrame;
    };
    CFrame* GetFrameByRow(long row, long* yOffset, SLastFrameParams* cache);
    CRect CorrectArea();

    // Chains, columns and holes.
    void AddNextFrame();
    void ContinueColsInPage(long page, long height);
    void InsertCol();
    void AddHoleInRow(GDoc* flow, long row, long height);

    CString MakeUniqueName();
    int CheckUniqueName(CString candidate);

    // The stored form: 41 words plus the optional column data. Reading
    // throws the int kFrameReadFault for a damaged record.
    void Serialize(CArchive& ar);
    void MakePointerFromIndex(int withContent);

    // Trackers of a selected frame (layout/frame_trackers.cpp): the
    // selection tracker, placed on the frame's page area in the view's
    // client pixels and kept to its page.
    void CreateTracker(CWView* view);
    void DestroyTracker();
    void UpdateTracker(CWView* view, long page);
    // The callout arrow (layout/callout_arrow.cpp): recomputes its tip
    // (arrowFrom) and start on the frame (arrowTo); with draw, marks the
    // anchor's rows it left or reached for repainting and draws it on dc
    // (and places the tip tracker while the frame is selected).
    void DrawArrow(int draw, CDC* dc, CWView* view, int track);
    // After the arrow may have moved (or with force): the content flow's
    // pending repaint box takes in the old and the new arrow.
    void CheckArrow(int force);

    // Painting (view/frame_painting.cpp): draws the frame's rows on page,
    // its selection and, when selected in the current part, its tracker.
    // Answers 0 when it lies outside clip and drew nothing, else 1.
    int OnDraw(CDC* dc, CWView* view, CRect* clip, long page);

    // The list the frame lives in: anchor's frame list, else the document's
    // page frame list (null while the document keeps none).
    GArrayI<CFrame*>* GetList() const;

    static CFrame* FromAnchor(LONG_PTR value) { return (CFrame*)value; }

    // Stored indexes of a frame read from a file until
    // MakePointerFromIndex turns them into pointers (kNoIndex: none).
    DWORD storedAnchor;
    DWORD storedContent;
    DWORD storedNext;

private:
    CFrame(const CFrame&) = delete;
    void CopyMembers(const CFrame& other);
    long GetMode0Height();
    long GetVPosAsKind1(long page);
    GArrayI<CFrame*>* PageFrames() const;
};

// Thrown (as a plain int) by the frame reader for a damaged frame record or
// list: an index out of range.
const int kFrameReadFault = 2;

// Reads and writes a flow's frame list, or the document's page frame list:
// the count, then each frame's stored form; after reading, every stored
// index is turned back into a pointer. The column data shared inside the
// list is kept per list, so two lists never share one.
void SaveFrameList(CArchive& ar, const GArrayI<CFrame*>& list);
void LoadFrameList(CArchive& ar, GArrayI<CFrame*>& list, CWDocument* owner, int withContent);

// Takes frame out of the list that holds it, which releases it: the frame
// list of its content flow, or the document's page frames for a frame that
// shows no flow. A frame in neither list is left as it is.
void DestroyFrame(CFrame* frame, CWDocument* doc);
