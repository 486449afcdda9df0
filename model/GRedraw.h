// The redraw tracker of one flow: rows to repaint and how the selection
// and caret moved since the views were last told. Editing and layout
// record into it; GDoc::Notify reads and resets it.
#pragma once
#include "afx.h"
#include "model/forward.h"

class GRedraw : public CObject
{
    DECLARE_DYNCREATE(GRedraw)
    friend CArchive& operator>>(CArchive& ar, GRedraw*& pOb);

public:
    LONG m_nIndex;               // the owning flow's index
    GDoc* m_pDoc;                // the owning flow
    LONG m_nFirstRow;            // first row to repaint; -1 after a reset
    LONG m_nEndRow;              // row after the last; first == end: no rows
    LONG m_nOldSelFirst;         // the selection at the last reset
    LONG m_nOldSelEnd;
    LONG m_nSelFirst;            // the selection now
    LONG m_nSelEnd;
    LONG m_nNewCaret;            // caret set since the reset, or -1
    LONG m_bExtraDirty;          // not 0: dirty whatever else says

    GRedraw();
    virtual ~GRedraw();

    void Reset(long first, long end);
    // Adds rows first up to end (end excluded; end == first counts as one
    // row) to the range.
    void InvalByRow(long first, long end);
    // Adds the rows of the characters from up to to (one row for an empty
    // range).
    void InvalByPos(long from, long to);
    // Keep the range on the same rows when a row is inserted or removed.
    void InsRowItem(long row);
    void DelRowItem(long row);
    void Select(long first, long end);
    void NewPos(long pos);
    int IsDirty() const;
};
