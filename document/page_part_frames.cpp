// The frames of the page parts (body, headers and footers) that the
// document makes itself, and how header and footer heights move the body's
// text area.
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GFootNote.h"
#include "layout/CFrame.h"
#include <algorithm>

namespace
{
// Headers and footers stand this far from the text area's top, measured
// from the paper's top and bottom edge.
const long kPartOffset = 127;
const long kPartHeight = 50;
const int kPartTextDistance = 26;
// The least room between the text area's top and the footer, and the
// least text height.
const long kLeastBodyRoom = 200;
const long kLeastTextHeight = 50;
const long kLeastFooterHeight = 15;

// Flows 1-3 (first page, odd or all pages, even pages) and 4-6 (footers),
// with their horizontal and vertical kinds.
struct PartKinds
{
    int hKind, vKind;
};
const PartKinds kPartKinds[7] = {
    {kHFromPage, kVBelowFrame},                                             // body
    {kHFromPage, kVHeaderFirst}, {kHHeaderOdd, kVHeaderOdd}, {kHHeaderEven, kVHeaderEven},
    {kHFromPage, kVFooterFirst}, {kHHeaderOdd, kVFooterOdd}, {kHHeaderEven, kVFooterEven},
};

// Re-entered from re-columning the body while the body's frames are
// fitted; the outer call finishes the work.
bool fittingFrames = false;
} // namespace

void CWDocument::CreateFrames()
{
    while (m_flows.GetCount() < kFirstContentFlow)
        m_flows.Add(new GDoc(this, m_flows.GetCount()));
    GDoc* body = m_flows[kBodyFlow];
    if (body->m_pFirstFrame)
        return;
    const GPageInfo& info = PageSetupOf(this);
    const long textHeight = info.GetTextHeight();
    const long partLimit = textHeight / 3;

    CFrame* made[kFirstContentFlow] = {};
    auto make = [&](long flow, long y) {
        const PartKinds& k = kPartKinds[flow];
        CFrame* frame = new CFrame(this, NULL, m_flows[flow], info.textLeft, y, info.GetTextWidth(), kPartHeight,
                                   0, 0, k.hKind, k.vKind, kSizeAtLeast, kSizeFixedWidth, kPartTextDistance, 0, 0);
        m_flows[flow]->m_pFirstFrame = frame;
        frame->maxHeight = (LONG)partLimit;
        made[flow] = frame;
        return frame;
    };
    const long partY = info.textTop - kPartOffset;
    for (long flow = 1; flow <= 3; ++flow)
        make(flow, partY)->MakeArea(0);
    // The body stands below the header; CheckFramesHeight gives it the
    // gap that puts its text at the text area's top.
    CFrame* bodyFrame = make(kBodyFlow, 0);
    bodyFrame->vAnchor = (LONG_PTR)made[2];
    bodyFrame->y = 0;
    bodyFrame->MakeArea(0);
    for (long flow = 4; flow <= 6; ++flow)
        make(flow, partY)->MakeArea(0);
    bodyFrame->maxHeight = (LONG)(textHeight - made[2]->GetHeight() - made[5]->GetHeight());
    bodyFrame->MakeArea(0);
    for (long flow = 0; flow < kFirstContentFlow; ++flow)
        m_frames.Add(made[flow]);
    CheckFramesHeight(0);
}

void CWDocument::CheckFramesHeight(int part)
{
    if (fittingFrames || m_flows.GetCount() < kFirstContentFlow || m_pageInfos.GetCount() == 0)
        return;
    CFrame* frames[kFirstContentFlow];
    for (long i = 0; i < kFirstContentFlow; ++i)
    {
        frames[i] = m_flows[i] ? m_flows[i]->m_pFirstFrame : NULL;
        if (!frames[i])
            return;
    }
    fittingFrames = true;
    GPageInfo& info = m_pageInfos[0];

    // Headers share one height, footers another; an edited part gives its
    // height and place to its kind.
    if (part <= 0)
        for (long first = 1; first <= 4; first += 3)
        {
            long tallest = 0;
            for (long i = first; i < first + 3; ++i)
                tallest = std::max(tallest, frames[i]->GetHeight());
            for (long i = first; i < first + 3; ++i)
                frames[i]->height = (LONG)tallest;
        }
    else if (part < kFirstContentFlow)
    {
        const long first = part <= 3 ? 1 : 4;
        const long height = frames[part]->GetHeight();
        const LONG y = frames[part]->y;
        for (long i = first; i < first + 3; ++i)
        {
            frames[i]->height = (LONG)height;
            frames[i]->y = y;
        }
    }
    for (long i = 1; i < kFirstContentFlow; ++i)
        frames[i]->MakeArea(0);

    CFrame* header = frames[2];
    CFrame* footer = frames[4];
    if (footer->y < 0)
        footer->y = 0;
    if (footer->height < kLeastFooterHeight)
        footer->height = kLeastFooterHeight;

    long gap = part <= 0 ? info.textTop - header->GetVPos() - header->GetHeight() : frames[0]->y;
    bool changed = false;
    auto room = [&]() { return info.paperHeight - info.textTop - footer->y - footer->GetHeight(); };
    if (room() < kLeastBodyRoom)
    {
        gap -= kLeastBodyRoom - room();
        changed = true;
    }
    if (gap < 0)
    {
        gap = 0;
        changed = true;
    }
    info.textTop = (LONG)(gap + header->GetVPos() + header->GetHeight());
    long textHeight = info.textBottom - info.textTop;
    if (textHeight < kLeastTextHeight)
    {
        textHeight = kLeastTextHeight;
        changed = true;
    }
    if (room() < textHeight)
    {
        textHeight = room();
        changed = true;
    }
    info.textBottom = (LONG)(info.textTop + textHeight);

    const bool anyNotes = HasFootnotes();
    long page = 0;
    for (CFrame* f = frames[0]; f; f = f->next, ++page)
    {
        CFrame::KnownIndex known(f, page);
        if (f->y != gap)
        {
            f->y = (LONG)gap;
            changed = true;
        }
        const long limit = textHeight - (anyNotes ? GetFootnotesHeight(page) : 0);
        if (f->maxHeight != limit)
        {
            f->maxHeight = (LONG)limit;
            changed = true;
        }
        f->height = (LONG)std::min(limit, textHeight);
        f->MakeArea(0);
    }
    if (changed)
    {
        m_flows[kBodyFlow]->ReColumn(0);
        page = 0;
        for (CFrame* f = m_flows[kBodyFlow]->m_pFirstFrame; f; f = f->next, ++page)
        {
            CFrame::KnownIndex known(f, page);
            f->MakeArea(0);
        }
    }
    fittingFrames = false;
}

bool CWDocument::HasFootnotes() const
{
    GDoc* body = GetFlow(kBodyFlow);
    if (body)
        for (long i = 0; i < body->m_fields.GetCount(); ++i)
            if (body->m_fields[i]->m_nKind == kFieldFootNote)
                return true;
    return false;
}

long CWDocument::GetFootnotesHeight(long page)
{
    GDoc* body = GetFlow(kBodyFlow);
    if (!body)
        return 0;
    long sum = 0;
    for (long i = 0; i < body->m_fields.GetCount(); ++i)
    {
        GField* field = body->m_fields[i];
        if (field->m_nKind != kFieldFootNote)
            continue;
        GDoc* note = ((GFootNote*)field)->m_pNote;
        if (note && note->m_pFirstFrame && body->GetFieldPage(i) == page)
            sum += note->m_pFirstFrame->GetHeight();
    }
    // Notes may use the room between the text area and a footer that
    // stands lower.
    CFrame* footer = GetFlow(4) ? GetFlow(4)->m_pFirstFrame : NULL;
    const GPageInfo& info = PageSetupOf(this);
    if (sum != 0 && footer)
    {
        const long footerTop = info.paperHeight - footer->y - footer->GetHeight();
        if (footerTop > info.textBottom)
            sum = std::max(0L, sum - (footerTop - info.textBottom));
    }
    return sum;
}
