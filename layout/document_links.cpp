// The document services layout relies on, over what CWDocument offers.
#include "document_links.h"
#include "CWDocument.h"
#include "GPageInfo.h"
#include "GDoc.h"

const GPageInfo& DocPageInfo(CWDocument* doc)
{
    static const GPageInfo fallback;
    if (doc && doc->m_pageInfos.GetCount() > 0)
        return doc->m_pageInfos[0];
    return fallback;
}

GDoc* DocFlow(CWDocument* doc, long index)
{
    if (!doc || index < 0 || index >= doc->m_flows.GetCount())
        return NULL;
    return doc->m_flows[index];
}

long DocFlowIndex(CWDocument* doc, const GDoc* flow)
{
    if (!doc || !flow)
        return -1;
    for (long i = 0; i < doc->m_flows.GetCount(); ++i)
        if (doc->m_flows[i] == flow)
            return i;
    return -1;
}

// Still missing: the document keeps no page frame list yet, so frames
// without an anchor flow belong to no list.
GArrayI<CFrame*>* DocPageFrames(CWDocument*)
{
    return NULL;
}

// Still missing: the page set-up carries no header and footer switches
// yet; until it does, the first page and odd and even pages never differ.
int DocFirstPageDiffers(CWDocument*)
{
    return 0;
}

int DocOddEvenDiffers(CWDocument*)
{
    return 0;
}

long DocPageHeader(CWDocument* doc, long page)
{
    if (page == 0 && DocFirstPageDiffers(doc))
        return 1;
    if (page % 2 == 1 && DocOddEvenDiffers(doc))
        return 3;
    return 2;
}

// Still missing: the document has no views yet; nothing is repainted.
void DocInvalidateView(CWDocument*) {}
