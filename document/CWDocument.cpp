// Making, emptying and releasing a document (the parts that exist so far).
#include "CWDocument.h"
#include "GDoc.h"

int bReadOldVersion = 0;

CWDocument::CWDocument(int)
    : m_pageInfos(0, 32), m_flows(7, 32), m_nViewNotify(0), m_nReRows(0), m_bUndoEnabled(TRUE),
      m_nCurPageInfo(0), m_bModified(FALSE)
{
    GPageInfo page;
    page.DefaultInit();
    m_pageInfos.Add(page);
    CreateDefaultStyles();
}

// The flows go first (through GDoc::Destroy), then the page set-ups.
CWDocument::~CWDocument() {}

void CWDocument::CreateDefaultStyles()
{
    CreateDefaultFontStyles();
    CreateDefaultParaStyles();
    CreateDefaultListStyles();
    CreateDefaultMasterStyles();
}

void CWDocument::ClearAllDocument()
{
    if (m_flows.GetCount() > kFirstContentFlow)
        m_flows.Destroy(kFirstContentFlow, m_flows.GetCount() - kFirstContentFlow);

    m_fontStyles.Flush();
    m_paraStyles.Flush();
    m_masterStyles.Flush();
    m_listStyles.Flush();
    CreateDefaultStyles();

    if (m_flows.GetCount() > 0 && m_flows[0])
        m_flows[0]->m_nClosingColumnPos = kClosingColumnPosition;
}

GPageInfo* CWDocument::GetCurPageInfo()
{
    if (m_nCurPageInfo < 0 || m_nCurPageInfo >= m_pageInfos.count)
        return NULL;
    return &m_pageInfos[m_nCurPageInfo];
}
