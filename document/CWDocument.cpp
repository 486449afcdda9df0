// Making, emptying and releasing a document (the parts that exist so far).
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GFootNote.h"
#include "layout/CFrame.h"

int bReadOldVersion = 0;

CWDocument::CWDocument(int)
    : m_pageInfos(0, 32), m_flows(7, 32), m_nViewNotify(0), m_nReRows(0), m_bUndoEnabled(TRUE),
      m_frames(0, 32), m_bClipboard(FALSE), m_nCurPageInfo(0)
{
    GPageInfo page;
    page.DefaultInit();
    m_pageInfos.Add(page);
    CreateDefaultStyles();
}

// Frames point into flows, so the page frames go first, then the flows
// (each releases its own frames), then the page set-ups.
CWDocument::~CWDocument()
{
    ReleaseDocEditing(this);
    m_frames.Flush();
    for (long i = 0; i < m_flows.GetCount(); ++i)
        if (m_flows[i])
            m_flows[i]->m_pFirstFrame = NULL;
    m_flows.Flush();
}

GDoc* CWDocument::GetPageHeader(long page)
{
    return GetFlow(PageHeaderIndex(page));
}

// Footers follow the headers in the flow list: 4 first page, 5 all or
// even pages, 6 odd pages.
GDoc* CWDocument::GetPageFooter(long page)
{
    return GetFlow(PageHeaderIndex(page) + 3);
}

long CWDocument::PageHeaderIndex(long page) const
{
    if (page == 0 && FirstPageDiffers())
        return 1;
    if (page % 2 == 1 && OddEvenDiffers())
        return 3;
    return 2;
}

// The switches are the first two layout values of the page set-up.
bool CWDocument::FirstPageDiffers() const
{
    return PageSetupOf(this).layoutValues[0] != 0;
}

bool CWDocument::OddEvenDiffers() const
{
    return PageSetupOf(this).layoutValues[1] != 0;
}

GDoc* CWDocument::GetFlow(long index) const
{
    return index >= 0 && index < m_flows.GetCount() ? m_flows[index] : NULL;
}

long CWDocument::FlowIndex(const GDoc* flow) const
{
    if (!flow)
        return -1;
    for (long i = 0; i < m_flows.GetCount(); ++i)
        if (m_flows[i] == flow)
            return i;
    return -1;
}

const GPageInfo& CWDocument::PageSetupOf(const CWDocument* doc)
{
    static const GPageInfo fallback;
    if (doc && doc->m_pageInfos.GetCount() > 0)
        return doc->m_pageInfos[0];
    return fallback;
}

CView* CWDocument::FindView()
{
    return NULL;
}

void CWDocument::ViewNotify(int resume)
{
    if (!resume)
        ++m_nViewNotify;
    else if (m_nViewNotify > 0)
        --m_nViewNotify;
}

void CWDocument::ReRows(int resume)
{
    if (!resume)
        ++m_nReRows;
    else if (m_nReRows > 0)
        --m_nReRows;
}

void CWDocument::InvalidateAllViews() {}

int CWDocument::IsFootNoteDoc(const GDoc* flow)
{
    GDoc* body = GetFlow(kBodyFlow);
    if (!body || !flow || flow == body)
        return 0;
    for (long i = 0; i < body->m_fields.GetCount(); ++i)
    {
        GField* f = body->m_fields[i];
        if (f && f->m_nKind == kFieldFootNote && ((GFootNote*)f)->m_pNote == flow)
            return 1;
    }
    return 0;
}

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
