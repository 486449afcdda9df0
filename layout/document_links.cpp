// The document services layout relies on, over what CWDocument offers.
#include "layout/document_links.h"
#include "document/CWDocument.h"
#include "model/GPageInfo.h"
#include "model/GDoc.h"

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

// The document's frame list (m_frames) once the document keeps one; until
// then frames without an anchor flow belong to no list.
namespace
{
template <class D>
auto PageFramesOf(D* doc, int) -> decltype(&doc->m_frames)
{
    return &doc->m_frames;
}
template <class D>
GArrayI<CFrame*>* PageFramesOf(D*, long)
{
    return NULL;
}
} // namespace

GArrayI<CFrame*>* DocPageFrames(CWDocument* doc)
{
    return doc ? PageFramesOf(doc, 0) : NULL;
}

// The header and footer switches are the first two of the page set-up's
// layout values (first page different, odd and even pages different),
// read while the page information keeps them there; without them the
// first page and odd and even pages never differ.
namespace
{
template <class P>
auto LayoutSwitch(const P& info, int which, int) -> decltype(info.layoutValues[0], LONG())
{
    return info.layoutValues[which];
}
template <class P>
LONG LayoutSwitch(const P&, int, long)
{
    return 0;
}
} // namespace

int DocFirstPageDiffers(CWDocument* doc)
{
    return doc && LayoutSwitch(DocPageInfo(doc), 0, 0) ? 1 : 0;
}

int DocOddEvenDiffers(CWDocument* doc)
{
    return doc && LayoutSwitch(DocPageInfo(doc), 1, 0) ? 1 : 0;
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
