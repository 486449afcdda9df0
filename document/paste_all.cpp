// Making a document a whole copy of another (a new document from a
// template): page set-up, document information, the four style tables,
// every flow with its text and formats, and every frame with its links.
// Links into the source become links to the copy's flow or frame of the
// same index, so the copy keeps no reference into the source.
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "layout/CFrame.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include <algorithm>
#include <map>

namespace
{
// A flow's text ends with 13, 12, 0.
const long kClosingChars = 3;

// Vertical kinds whose anchor is a frame.
bool AnchorsOnFrame(LONG vKind)
{
    return vKind == kVNextPage || vKind == kVBelowFrame || vKind == kVLevelWithFrame || vKind == kVAboveFrame;
}

template <class T>
long IndexFromLast(const GArrayI<T*>& list, const T* item)
{
    for (long i = list.count - 1; i >= 0; --i)
        if (list[i] == item)
            return i;
    return -1;
}

// Source flows and frames and what stands for them in the copy.
class Translation
{
public:
    Translation(const CWDocument& src, CWDocument& dst) : m_src(src), m_dst(dst) {}

    // A flow not among the source's becomes the copy's body.
    GDoc* Flow(const GDoc* flow) const
    {
        const long i = IndexFromLast(m_src.m_flows, flow);
        return m_dst.m_flows[i >= 0 && i < m_dst.m_flows.count ? i : kBodyFlow];
    }
    // A frame not among the source's becomes null.
    CFrame* Frame(const CFrame* frame) const
    {
        if (!frame)
            return NULL;
        const long i = IndexFromLast(m_src.m_frames, frame);
        if (i >= 0 && i < m_dst.m_frames.count)
            return m_dst.m_frames[i];
        auto anchored = m_anchored.find(frame);
        return anchored != m_anchored.end() ? anchored->second : NULL;
    }
    void AddAnchored(const CFrame* from, CFrame* to) { m_anchored[from] = to; }
    // Anchored frames may follow or stand beside one another: their links
    // are translated once every copy exists.
    void AnchoredLinks()
    {
        for (auto& copied : m_anchored)
            Links(*copied.second);
    }

    // Next-frame, frame-anchor and column links of a copied frame; the
    // column widths a set shares get one copy per set.
    void Links(CFrame& frame)
    {
        frame.next = Frame(frame.next);
        if (AnchorsOnFrame(frame.vKind))
            frame.vAnchor = (LONG_PTR)Frame(CFrame::FromAnchor(frame.vAnchor));
        if (frame.hKind == kHRightOfFrame)
            frame.hAnchor = (LONG_PTR)Frame(CFrame::FromAnchor(frame.hAnchor));
        if (frame.columnData)
        {
            GArray<CData>*& copy = m_columnSets[frame.columnData];
            if (!copy)
            {
                copy = new GArray<CData>(0, 4);
                for (LONG k = 0; k < frame.columnData->count; ++k)
                    copy->Add((*frame.columnData)[k]);
            }
            frame.columnData = copy;
        }
    }

private:
    const CWDocument& m_src;
    CWDocument& m_dst;
    std::map<const CFrame*, CFrame*> m_anchored;
    std::map<const GArray<CData>*, GArray<CData>*> m_columnSets;
};

template <class T>
void CopyTable(GStyleTbl<T>& to, const GStyleTbl<T>& from)
{
    to.Flush();
    for (LONG i = 0; i < from.count; ++i)
        to.Add(from[i]);
}

// Pastes the whole text of src into flow at its caret; src's caret and
// selection are put back.
void PasteWholeText(GDoc& flow, GDoc& src)
{
    const long length = src.m_chars.count - kClosingChars;
    if (length <= 0)
        return;
    const LONG caret = src.m_nCaret, first = src.m_nSelFirst, end = src.m_nSelEnd;
    src.m_nSelFirst = 0;
    src.m_nSelEnd = (LONG)length;
    flow.PasteDoc(&src);
    src.m_nCaret = caret;
    src.m_nSelFirst = first;
    src.m_nSelEnd = end;
}

// A frame anchored in src's flow, copied for flow.
void CopyAnchoredFrame(GDoc& flow, const CFrame& from, Translation& links)
{
    CFrame* frame = new CFrame();
    *frame = from;
    frame->owner = flow.m_pOwner;
    frame->anchor = &flow;
    frame->content = from.content ? links.Flow(from.content) : NULL;
    flow.m_frames.Add(frame);
    links.AddAnchored(&from, frame);
    if (GDoc* content = frame->content)
    {
        content->m_pFirstFrame = frame;
        for (LONG k = 0; k < content->m_columns.count; ++k)
            content->m_columns[k].cols[0].width = frame->width - 2 * frame->hTextDistance;
        frame->MakeArea(0);
    }
}

CWView* ActiveView()
{
    CWnd* main = AfxGetMainWnd();
    CFrameWnd* frame = main && main->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)main : NULL;
    CFrameWnd* active = frame ? frame->GetActiveFrame() : NULL;
    CView* view = active ? active->GetActiveView() : NULL;
    return view && view->IsKindOf(RUNTIME_CLASS(CWView)) ? (CWView*)view : NULL;
}
} // namespace

void CWDocument::PasteAll(CWDocument* src)
{
    if (!src || src == this)
        return;
    ViewNotify(0);
    src->ViewNotify(0);
    m_pPasteAllSource = src;

    if (m_pageInfos.count == 0)
        m_pageInfos.Add(GPageInfo());
    if (src->m_pageInfos.count > 0)
        m_pageInfos[0] = src->m_pageInfos[0];
    m_docInfo = src->m_docInfo;
    std::copy(src->m_extraInfo, src->m_extraInfo + sizeof(m_extraInfo), m_extraInfo);
    bPasteMerge = 1;
    // The copy is the document's starting point: nothing of it is undone,
    // and its text comes over exactly as it stands, blanks and all.
    const BOOL undo = m_bUndoEnabled;
    m_bUndoEnabled = FALSE;
    const int smart = Options.SmartCutPaste;
    Options.SmartCutPaste = 0;

    const GPageInfo& setup = PageSetupOf(this);
    GDoc* body = GetFlow(kBodyFlow);
    for (CFrame* frame = body ? body->m_pFirstFrame : NULL; frame; frame = frame->next)
    {
        frame->x = setup.textLeft;
        frame->width = setup.GetTextWidth();
    }

    CopyTable(m_fontStyles, src->m_fontStyles);
    CopyTable(m_masterStyles, src->m_masterStyles);
    CopyTable(m_paraStyles, src->m_paraStyles);
    CopyTable(m_listStyles, src->m_listStyles);

    while (m_frames.count < src->m_frames.count)
        m_frames.Add(new CFrame());
    while (m_flows.count < src->m_flows.count)
        m_flows.Add(new GDoc(this, m_flows.count));

    Translation links(*src, *this);
    for (LONG i = 0; i < src->m_frames.count; ++i)
    {
        CFrame& frame = *m_frames[i];
        frame = *src->m_frames[i];
        frame.content = frame.content ? links.Flow(frame.content) : NULL;
        if (frame.anchor)
            frame.anchor = links.Flow(frame.anchor);
        frame.owner = this;
    }
    for (LONG i = 0; i < src->m_frames.count; ++i)
        links.Links(*m_frames[i]);

    for (LONG i = 0; i < src->m_flows.count; ++i)
    {
        GDoc& flow = *m_flows[i];
        GDoc& from = *src->m_flows[i];
        const long frameIndex = IndexFromLast(src->m_frames, from.m_pFirstFrame);
        if (frameIndex >= 0)
            flow.m_pFirstFrame = m_frames[frameIndex];
        // Column records past the source's keep their widths.
        const LONG widthCap = from.m_pFirstFrame ? from.m_pFirstFrame->width : 0;
        for (LONG k = 0; k < flow.m_columns.count && k < from.m_columns.count; ++k)
            for (int c = 0; c < kMostTextColumns; ++c)
                flow.m_columns[k].cols[c].width =
                    widthCap > 0 ? std::min(from.m_columns[k].cols[c].width, widthCap) : from.m_columns[k].cols[c].width;
        if (flow.m_pFirstFrame)
            flow.m_pFirstFrame->MakeArea(0);
        PasteWholeText(flow, from);
        for (LONG k = flow.m_frames.count; k < from.m_frames.count; ++k)
            CopyAnchoredFrame(flow, *from.m_frames[k], links);
        if (flow.m_rows.count > 0)
            flow.ReRowByRow(0, flow.m_rows.count - 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
    }
    links.AnchoredLinks();

    src->ViewNotify(1);
    ViewNotify(1);
    CWView* view = ActiveView();
    CheckFramesHeight(0);
    for (LONG i = 0; i < m_flows.count; ++i)
    {
        GDoc& flow = *m_flows[i];
        if (!m_bClipboard)
        {
            flow.m_nCaret = flow.m_nSelFirst = flow.m_nSelEnd = 0;
            if (flow.m_rows.count > 0)
                flow.ReRowByRow(0, flow.m_rows.count - 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
        }
        flow.m_redraw.Reset(flow.m_nSelFirst, flow.m_nSelEnd);
    }
    if (view && view->GetDocument() == this)
    {
        view->m_nPageWidth = setup.paperWidth;
        view->m_nPageHeight = setup.paperHeight;
        view->Invalidate(TRUE);
        m_bStylesChanged = TRUE;
    }
    Options.SmartCutPaste = smart;
    m_bUndoEnabled = undo;
    m_pPasteAllSource = nullptr;
    bPasteMerge = 0;
}

void CWDocument::AppendDocument(const CWDocument&)
{
}
