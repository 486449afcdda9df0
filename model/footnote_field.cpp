// The footnote mark: numbering, the note flow and its frame, the stored
// form, and keeping a removed mark's note for undo.
#include "model/GFootNote.h"
#include "model/GPageInfo.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include <map>

namespace {

// The note frame: placed beside the footer (its x and width), 50 high to
// start with, on the reference's page, stacked above the footer.
const LONG kNoteFrameStartHeight = 50;
const LONG kNoteFrameTextDistance = 26;
const LONG kNoteFrameRowGap = 5;

// How many undo records keep each removed note. Never freed: flows freed
// during the process's exit still ask it.
std::map<GDoc*, int>& NoteKeepers()
{
    static std::map<GDoc*, int>* keepers = new std::map<GDoc*, int>;
    return *keepers;
}

bool IsFootNoteField(const GField* f)
{
    return f && f->m_nKind == kFieldFootNote;
}

bool IsReference(const GField* f)
{
    return IsFootNoteField(f) && ((const GFootNote*)f)->m_nStyle >= 0;
}

LONG FlowPlace(CWDocument* doc, GDoc* flow)
{
    if (doc)
        for (LONG i = 0; i < doc->m_flows.count; ++i)
            if (doc->m_flows[i] == flow)
                return i;
    return -1;
}

void RenumberFlows(CWDocument* doc)
{
    for (LONG i = kFirstContentFlow; i < doc->m_flows.count; ++i)
    {
        doc->m_flows[i]->m_nIndex = i;
        doc->m_flows[i]->m_redraw.m_nIndex = i;
    }
}

} // namespace

GFootNote::GFootNote(GDoc* owner, long position, int style)
    : GField(owner, position), m_nStyle(style), m_bPerPage(0), m_nFixed(0), m_nNumber(0), m_nShownStyle(-2),
      m_nShownPerPage(0), m_strMark("1"), m_pNote(NULL), m_bStale(1), m_nNoteIndex(-1)
{
    m_nKind = kFieldFootNote;
    if (style >= 0)
        CreateNote();
}

GFootNote::GFootNote(GDoc* target, const GFootNote& other)
    : GField(other), m_nStyle(other.m_nStyle), m_bPerPage(other.m_bPerPage), m_nFixed(other.m_nFixed),
      m_nNumber(other.m_nNumber), m_nShownStyle(-2), m_nShownPerPage(0), m_strMark(other.m_strMark), m_pNote(NULL),
      m_bStale(1), m_nNoteIndex(-1)
{
    if (target)
    {
        m_pDoc = target;
        if (m_nStyle >= 0)
            CreateNote();
    }
}

GField& GFootNote::operator=(const GField& other)
{
    const GFootNote* o = dynamic_cast<const GFootNote*>(&other);
    if (!o || o == this)
        return *this;
    GField::operator=(other);
    m_nStyle = o->m_nStyle;
    m_bPerPage = o->m_bPerPage;
    return *this;
}

bool GFootNote::operator==(const GField& other) const
{
    // Where a mark was copied from does not tell two marks apart.
    const GFootNote* o = dynamic_cast<const GFootNote*>(&other);
    return o && o->m_pDoc == m_pDoc && o->m_nPos == m_nPos && o->m_nStyle == m_nStyle &&
           o->m_bPerPage == m_bPerPage;
}

GField* GFootNote::CreateCopy()
{
    GFootNote* copy = new GFootNote(NULL, *this);
    copy->m_nShownStyle = m_nShownStyle;
    copy->m_nShownPerPage = m_nShownPerPage;
    copy->m_pNote = m_pNote;
    copy->m_bStale = m_bStale;
    return copy;
}

void GFootNote::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ar >> m_nStyle >> m_strMark >> m_bPerPage >> m_nFixed >> m_nNumber >> m_nNoteIndex;
    m_pNote = NULL;
    m_bStale = 0;
}

void GFootNote::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    CWDocument* doc = m_pDoc ? m_pDoc->m_pOwner : NULL;
    LONG note = m_pNote ? FlowPlace(doc, m_pNote) : -1;
    ar << m_nStyle << m_strMark << m_bPerPage << m_nFixed << m_nNumber << note;
}

void GFootNote::LinkNotes(GDoc& flow)
{
    CWDocument* doc = flow.m_pOwner;
    for (LONG i = 0; i < flow.m_fields.count; ++i)
    {
        if (!IsFootNoteField(flow.m_fields[i]))
            continue;
        GFootNote* mark = (GFootNote*)flow.m_fields[i];
        LONG index = mark->m_nNoteIndex;
        mark->m_pNote = doc && index >= kFirstContentFlow && index < doc->m_flows.count ? doc->m_flows[index] : NULL;
        mark->m_nNoteIndex = -1;
    }
}

char* GFootNote::AsText(long)
{
    Update();
    return m_strMark.GetBuffer(128);
}

CFrame* GFootNote::NoteFrame() const
{
    return m_pNote ? m_pNote->m_pFirstFrame : NULL;
}

long GFootNote::ReferencePage() const
{
    if (!m_pDoc || m_pDoc->m_pages.count < 2)
        return 0;
    return std::max(0L, m_pDoc->GetCharPage(m_nPos));
}

void GFootNote::CreateNote()
{
    CWDocument* doc = m_pDoc ? m_pDoc->m_pOwner : NULL;
    if (!doc)
        return;
    GDoc* note = new GDoc(doc, doc->m_flows.count);
    doc->m_flows.Add(note);
    m_pNote = note;

    const long page = ReferencePage();
    GDoc* footerFlow = doc->GetFlow(doc->GetPageFooter(page));
    CFrame* footer = footerFlow ? footerFlow->m_pFirstFrame : NULL;
    const GPageInfo& info = CWDocument::PageSetupOf(doc);
    const long x = footer ? footer->x : 0;
    const long width = footer ? footer->GetWidth() : info.textRight - info.textLeft;
    for (LONG i = 0; i < note->m_columns.count; ++i)
        note->m_columns[i].cols[0].width = (LONG)width;

    CFrame* frame = new CFrame(doc, NULL, note, x, 0, width, kNoteFrameStartHeight, page, (long)(LONG_PTR)footer,
                               kHFromPage, kVAboveFrame, kSizeAuto, kSizeFixedWidth, kNoteFrameTextDistance, 0, 0);
    note->m_pFirstFrame = frame;
    if (footer)
        frame->maxHeight = footer->maxHeight;
    doc->m_frames.Add(frame);

    // The note-side mark belongs to the note: it comes and goes with the
    // reference, so inserting it is no step of its own.
    const BOOL undo = doc->m_bUndoEnabled;
    doc->m_bUndoEnabled = FALSE;
    note->InsertField(new GFootNote(note, 0, (int)kNoteSideMark));
    doc->m_bUndoEnabled = undo;
}

GFootNote* GFootNote::NoteSideMark() const
{
    if (m_pNote)
        for (LONG i = 0; i < m_pNote->m_fields.count; ++i)
        {
            GField* f = m_pNote->m_fields[i];
            if (IsFootNoteField(f) && ((GFootNote*)f)->m_nStyle == kNoteSideMark)
                return (GFootNote*)f;
        }
    return NULL;
}

void GFootNote::Update()
{
    if (m_nStyle < 0)
        return;
    m_bStale = 0;
    const long page = ReferencePage();
    LONG number = m_nFixed;
    if (number == 0)
    {
        number = 1;
        for (LONG i = m_pDoc ? m_pDoc->m_fields.count - 1 : -1; i >= 0; --i)
        {
            GField* f = m_pDoc->m_fields[i];
            if (f == this || !IsReference(f) || f->m_nPos >= m_nPos)
                continue;
            GFootNote* before = (GFootNote*)f;
            if (!m_bPerPage && before->m_nStyle != m_nStyle)
                continue;
            if (m_bPerPage && before->ReferencePage() != page)
                continue;
            if (before->m_nStyle == m_nStyle)
                number = before->m_nNumber + 1;
            break;
        }
    }
    if (number != m_nNumber || m_nShownStyle != m_nStyle || m_nShownPerPage != m_bPerPage)
    {
        m_nNumber = number;
        m_strMark = NumberText(m_nStyle, m_nNumber);
        m_nShownStyle = m_nStyle;
        m_nShownPerPage = m_bPerPage;
        if (m_pDoc)
        {
            m_pDoc->m_redraw.InvalByPos(m_nPos, m_nPos + 1);
            m_pDoc->Notify(1);
        }
        if (GFootNote* side = NoteSideMark())
        {
            side->m_nNumber = m_nNumber;
            side->m_strMark = m_strMark;
            m_pNote->m_redraw.InvalByPos(side->m_nPos, side->m_nPos + 1);
            m_pNote->Notify(1);
        }
    }
    CFrame* frame = NoteFrame();
    if (!frame)
        return;
    SizeNoteFrame(page);
    if (frame->GetPage() != page)
        OnChangePage(page, 0, 0);
}

// The note frame may grow into the room between the reference's row and
// the footer, never beyond the greatest note height; with hardly any room
// left it takes the greatest height and moves on with the text.
void GFootNote::SizeNoteFrame(long page)
{
    CFrame* frame = NoteFrame();
    CWDocument* doc = m_pDoc ? m_pDoc->m_pOwner : NULL;
    if (!frame || !doc || m_pDoc->m_rows.count < 2)
        return;
    const long row = m_pDoc->GetCharRow(m_nPos);
    const long first = m_pDoc->m_pages.count >= 2 ? m_pDoc->GetPageRow(page) : 0;
    GDoc* footerFlow = doc->GetFlow(doc->GetPageFooter(page));
    CFrame* footer = footerFlow ? footerFlow->m_pFirstFrame : NULL;
    const GPageInfo& info = CWDocument::PageSetupOf(doc);
    const long footerTop = footer ? footer->GetAreaByPage(page, 0).top : info.textBottom;
    const long next = row + 1 < m_pDoc->m_rows.count ? row + 1 : row;
    const long room = m_pDoc->m_rows[first].y - kNoteFrameRowGap + (footerTop - info.textTop) - m_pDoc->m_rows[next].y;
    frame->maxHeight = room < kNoteFrameLeastRoom ? kNoteFrameMostHeight : std::min(room, (long)kNoteFrameMostHeight);
    frame->MakeArea(0);
}

void GFootNote::OnChangePage(long page, int force, int cascade)
{
    CFrame* frame = NoteFrame();
    if (!frame || !m_pDoc)
        return;
    if (page < 0)
        page = ReferencePage();
    const long oldPage = frame->GetPage();
    if (oldPage == page && !force)
        return;
    if (page < oldPage)
    {
        // Moved back: size it again when the page's text leaves no more
        // room than the note already takes.
        CFrame* column = m_pDoc->m_pFirstFrame;
        const long row = m_pDoc->GetCharRow(m_nPos);
        const long first = m_pDoc->m_pages.count >= 2 ? m_pDoc->GetPageRow(page) : 0;
        const long used = m_pDoc->m_rows[row].y + m_pDoc->m_rows[row].height - m_pDoc->m_rows[first].y;
        if (column && column->GetMaxHeight(0) - used <= frame->GetHeight())
            SizeNoteFrame(page);
    }
    bool changed = frame->hAnchor != page;
    frame->hAnchor = page;

    // Stacked on the next note frame of the page, else on the footer.
    CFrame* below = NULL;
    for (LONG i = 0; i < m_pDoc->m_fields.count && !below; ++i)
    {
        GField* f = m_pDoc->m_fields[i];
        if (f == this || !IsReference(f) || f->m_nPos <= m_nPos)
            continue;
        CFrame* other = ((GFootNote*)f)->NoteFrame();
        if (other && other->GetPage() == page)
            below = other;
    }
    if (!below)
    {
        GDoc* footerFlow = m_pDoc->m_pOwner ? m_pDoc->m_pOwner->GetFlow(m_pDoc->m_pOwner->GetPageFooter(page)) : NULL;
        below = footerFlow ? footerFlow->m_pFirstFrame : NULL;
    }
    if (below != CFrame::FromAnchor(frame->vAnchor))
    {
        frame->vAnchor = (LONG_PTR)below;
        changed = true;
    }
    frame->MakeArea(0);
    if (changed || cascade)
        for (LONG i = 0; i < m_pDoc->m_fields.count; ++i)
        {
            GField* f = m_pDoc->m_fields[i];
            if (f != this && IsReference(f))
                ((GFootNote*)f)->OnChangePage(-1, 1, 0);
        }
}

// ---- Notes kept by undo records

void GFootNote::KeepNote(GDoc* note)
{
    if (note)
        ++NoteKeepers()[note];
}

void GFootNote::ReleaseNote(GDoc* note)
{
    auto it = NoteKeepers().find(note);
    if (it == NoteKeepers().end())
        return;
    if (--it->second <= 0)
    {
        NoteKeepers().erase(it);
        ReleaseDetachedNote(note);
    }
}

void GFootNote::ForgetNote(GDoc* note)
{
    NoteKeepers().erase(note);
}

bool GFootNote::IsNoteKept(GDoc* note)
{
    return NoteKeepers().count(note) != 0;
}

bool GFootNote::ReleaseDetachedNote(GDoc* note)
{
    if (!note || IsNoteKept(note))
        return false;
    CWDocument* doc = note->m_pOwner;
    if (doc && FlowPlace(doc, note) >= 0)
        return false;
    CFrame* frame = note->m_pFirstFrame;
    if (frame && doc)
        for (LONG i = 0; i < doc->m_frames.count; ++i)
            if (doc->m_frames[i] == frame)
                return false;
    note->m_pFirstFrame = NULL;
    delete frame;
    note->m_bDeletable = 1;
    note->Destroy();
    return true;
}

void GFootNote::AttachNote(GDoc* note)
{
    CWDocument* doc = note ? note->m_pOwner : NULL;
    if (!doc || FlowPlace(doc, note) >= 0)
        return;
    doc->m_flows.Add(note);
    RenumberFlows(doc);
    CFrame* frame = note->m_pFirstFrame;
    if (!frame)
        return;
    for (LONG i = 0; i < doc->m_frames.count; ++i)
        if (doc->m_frames[i] == frame)
            return;
    doc->m_frames.Add(frame);
}

bool GFootNote::DetachNote(GDoc* note)
{
    CWDocument* doc = note ? note->m_pOwner : NULL;
    if (!doc)
        return false;
    CFrame* frame = note->m_pFirstFrame;
    for (LONG i = 0; frame && i < doc->m_frames.count; ++i)
        if (doc->m_frames[i] == frame)
        {
            const LONG alive = frame->alive;
            frame->alive = 0;
            doc->m_frames.Destroy(i, 1);
            frame->alive = alive;
            break;
        }
    const LONG place = FlowPlace(doc, note);
    if (place >= 0)
    {
        const LONG deletable = note->m_bDeletable;
        note->m_bDeletable = 0;
        doc->m_flows.Destroy(place, 1);
        note->m_bDeletable = deletable;
        RenumberFlows(doc);
    }
    return place >= 0;
}
