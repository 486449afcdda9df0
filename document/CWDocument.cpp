// Making and releasing a document (the parts that exist so far).
#include "CWDocument.h"
#include "GDoc.h"

CWDocument::CWDocument(int)
    : m_pageInfos(0, 32), m_flows(7, 32), m_nViewNotify(0), m_nReRows(0), m_bUndoEnabled(TRUE),
      m_nCurPageInfo(0), m_bModified(FALSE)
{
    m_pageInfos.Add(GPageInfo());
}

// The flows go first (through GDoc::Destroy), then the page set-ups.
CWDocument::~CWDocument() {}

GPageInfo* CWDocument::GetCurPageInfo()
{
    if (m_nCurPageInfo < 0 || m_nCurPageInfo >= m_pageInfos.count)
        return NULL;
    return &m_pageInfos[m_nCurPageInfo];
}
