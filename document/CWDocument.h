// The document: owner of the text flows and the page information. Model,
// layout and editing reach the flows and the page set-up through it.
#pragma once
#include "afx.h"
#include "GArray.h"
#include "GPageInfo.h"

class GDoc;

// Still missing: the framework document base (CZTDoc) and everything of
// the document but the flow list, the page set-ups and the counters below
// (style tables, frames, undo stack, view notification, file reading and
// writing); the seven standard flows are not made yet.
class CWDocument
{
public:
    GArray<GPageInfo> m_pageInfos;   // element 0 is the page set-up in force
    GArrayI<GDoc*> m_flows;          // 0 body, 1-6 headers and footers, 7 on frame texts
    LONG m_nViewNotify;              // depth of open change brackets
    LONG m_nReRows;                  // depth of suspended re-breaking
    BOOL m_bUndoEnabled;

    explicit CWDocument(int = 1);
    virtual ~CWDocument();

    // The page information in force. An index, not a pointer, is kept:
    // records move whenever the array grows.
    GPageInfo* GetCurPageInfo();

    // Comes from the framework document base later; until then it only
    // keeps the flag.
    void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }
    BOOL IsModified() const { return m_bModified; }

private:
    LONG m_nCurPageInfo;
    BOOL m_bModified;
};
