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
      m_frames(0, 32), m_bClipboard(FALSE), m_nFileType(kNativeDocumentType), m_bServerMenu(FALSE),
      m_bStylesChanged(FALSE), m_bViewsInvalidated(FALSE), m_nCurPageInfo(0)
{
    RegisterClipboardFormats();
    m_docInfo.created = (LONG)CTime::GetCurrentTime().GetTime();
    memset(m_docInfo.values, 0, sizeof(m_docInfo.values));
    memset(m_extraInfo, 0, sizeof(m_extraInfo));
    GPageInfo page;
    page.DefaultInit();
    m_pageInfos.Add(page);
    CreateDefaultStyles();
    m_printOffset[0] = m_printOffset[1] = kDefaultPrintOffset;
    AfxOleLockApp();
}

// Frames point into flows, so the page frames go first, then the flows
// (each releases its own frames), then the page set-ups.
CWDocument::~CWDocument()
{
    // The hidden clipboard document stands in no template's list.
    if (m_bClipboard)
        m_pDocTemplate = NULL;
    ReleaseDocEditing(this);
    m_frames.Flush();
    for (long i = 0; i < m_flows.GetCount(); ++i)
        if (m_flows[i])
            m_flows[i]->m_pFirstFrame = NULL;
    m_flows.Flush();
    AfxOleUnlockApp();
}

long CWDocument::GetPageHeader(long page) const
{
    return PageHeaderIndex(page);
}

// Footers follow the headers in the flow list: 4 first page, 5 all or
// odd pages, 6 even pages.
long CWDocument::GetPageFooter(long page) const
{
    return PageHeaderIndex(page) + 3;
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


void CWDocument::ReRows(int resume)
{
    if (!resume)
        ++m_nReRows;
    else if (m_nReRows > 0)
        --m_nReRows;
}


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

// The seven page-part flows stay (other code keeps pointers to them) with
// nothing but their closing 13, 12, 0; frame texts and their frames go, so
// a clipboard document does not pile them up copy after copy.
void CWDocument::ClearAllDocument()
{
    // Emptying a body with footnotes may take their note flows along, so
    // the page parts are emptied before the frame texts go.
    const BOOL undo = m_bUndoEnabled;
    m_bUndoEnabled = FALSE;
    {
        CChangeBracket bracket(this);
        for (long i = 0; i < kFirstContentFlow && i < m_flows.GetCount(); ++i)
        {
            GDoc* flow = m_flows[i];
            if (!flow)
                continue;
            if (flow->m_chars.GetCount() > 3)
                flow->DeleteText(0, flow->m_chars.GetCount() - 3, 0);
            flow->m_fields.Flush();
            flow->m_borders.count = 0;
            flow->m_shades.count = 0;
            flow->m_nCaret = flow->m_nSelFirst = flow->m_nSelEnd = 0;
            if (!flow->m_pFirstFrame && i < m_frames.GetCount())
                flow->m_pFirstFrame = m_frames[i];
            flow->m_redraw.Reset(0, 0);
        }
    }
    m_bUndoEnabled = undo;
    if (m_flows.GetCount() > kFirstContentFlow)
        m_flows.Destroy(kFirstContentFlow, m_flows.GetCount() - kFirstContentFlow);
    if (m_frames.GetCount() > kFirstContentFlow)
        m_frames.Destroy(kFirstContentFlow, m_frames.GetCount() - kFirstContentFlow);
    if (m_frames.GetCount() > kBodyFlow && m_frames[kBodyFlow])
        m_frames[kBodyFlow]->next = NULL;
    DeleteUnusedSite();

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
