// Item primitives: the only code that adds and removes the records of a
// flow, shifting the positions and indexes that the other records hold.
// The editing interface and layout call them; they re-break no rows.
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GFootNote.h"
#include "model/GListField.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"

// Set while a paragraph end typed with Enter is inserted: the new
// paragraph then continues the list of the one before it.
extern int bInsertOnlyNewLine;

namespace {

// Moves a row's start and its holes back by n, never before from.
void PullRow(GRow& row, long from, long n)
{
    row.first = (LONG)std::max(row.first - n, from);
    if (!row.holes)
        return;
    for (LONG h = 0; h < row.holes->count; ++h)
    {
        CHole& hole = (*row.holes)[h];
        if (hole.resume != kNoPosition)
            hole.resume = (LONG)std::max(hole.resume - n, from);
    }
}

// First row that begins after pos, by the rows' positions as read.
long FirstRowAfter(const GShiftedArray<GRow>& rows, long pos)
{
    long low = 0, high = rows.count;
    while (low < high)
    {
        const long mid = (low + high) / 2;
        if (rows.PositionAt(mid) > pos)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// Rows after the removed characters from..from + n move back by n, their
// holes with them, in the array's pending step; rows that began inside
// them begin at from.
void PullRowsAfter(GShiftedArray<GRow>& rows, long from, long n)
{
    const long inside = FirstRowAfter(rows, from);
    const long after = FirstRowAfter(rows, from + n);
    for (long i = inside; i < after; ++i)
        PullRow(rows[i], from, n);
    rows.ShiftFrom(after, (LONG)-n);
}

// Border and shade runs shift the same way; both hold first and end.
template <class Run>
void ShiftRunsForInsert(GArray<Run>& runs, long pos, long n, bool paraStart)
{
    for (LONG i = 0; i < runs.count; ++i)
    {
        Run& run = runs[i];
        if (run.first > pos)
            run.first += (LONG)n;
        if (run.end > pos || (run.end == pos && !paraStart))
            run.end += (LONG)n;
    }
}

// Of two runs over the same range the earlier goes.
template <class Run>
void DropRepeatedRuns(GArray<Run>& runs)
{
    for (LONG i = 0; i < runs.count; ++i)
        for (LONG j = i + 1; j < runs.count; ++j)
            if (runs[j].first == runs[i].first && runs[j].end == runs[i].end)
            {
                runs.Destroy(i, 1);
                --i;
                break;
            }
}

// Removes the runs that lie wholly inside the deleted characters, pulls the
// others back, and of two runs left over the same range drops the earlier.
template <class Run>
void ShiftRunsForDelete(GArray<Run>& runs, long from, long to, long lastParaEnd)
{
    long n = to - from;
    for (LONG i = runs.count - 1; i >= 0; --i)
    {
        Run& run = runs[i];
        long last = std::min((long)run.end, lastParaEnd);
        if (run.first >= from && last <= to)
        {
            runs.Destroy(i, 1);
            continue;
        }
        if (run.first > from)
            run.first -= (LONG)std::min(n, run.first - from);
        if (run.end > from)
            run.end -= (LONG)std::min(n, run.end - from);
    }
    DropRepeatedRuns(runs);
}

// Runs cover whole paragraphs. A deletion that joins paragraphs closes the
// run ends it took up at from, inside the joined paragraph, which keeps the
// record (and so the border and shading) of the paragraph where the
// deletion began: a run over that paragraph goes on to the joined
// paragraph's end, and a run of the paragraphs that joined it begins
// after it, or goes when nothing of it is left. Left at from, a later
// insertion there would shift one end and not the other, and runs would
// overlap.
template <class Run>
void KeepRunsOnParagraphs(const GDoc& doc, GArray<Run>& runs, long from)
{
    const long para = doc.GetCharPara(from);
    if (doc.GetParaChar(para) == from)
        return;
    const LONG next = (LONG)doc.GetParaChar(para + 1);
    bool moved = false;
    for (LONG i = runs.count - 1; i >= 0; --i)
    {
        Run& run = runs[i];
        if (run.first != from && run.end != from)
            continue;
        moved = true;
        if (run.first == from)
            run.first = next;
        if (run.end == from)
            run.end = next;
        if (run.end <= run.first)
            runs.Destroy(i, 1);
    }
    if (moved)
        DropRepeatedRuns(runs);
}

// Rows r + 1 to r + 2 are repainted for every run that touches the place
// where the text closed up (from) or the start of the next row (c).
template <class Run>
void InvalRunsAt(GDoc& doc, const GArray<Run>& runs, long from)
{
    long r = doc.GetCharRow(from);
    long c = r + 1 < doc.m_rows.count ? doc.m_rows[r + 1].first : doc.m_rows[r].first;
    for (LONG i = 0; i < runs.count; ++i)
    {
        const Run& run = runs[i];
        if ((run.first <= from && from <= run.end) || (run.first <= c && c <= run.end))
            doc.m_redraw.InvalByRow(r + 1, r + 2);
    }
}

bool IsFootNote(const GField* f) { return f && f->m_nKind == kFieldFootNote; }

}  // namespace

// ---- Characters

void GDoc::InsCharItem(long pos, long n, char)
{
    if (n <= 0)
        return;
    bool paraStart = pos == GetParaChar(GetCharPara(pos));

    // Text typed inside a paragraph joins the run before it; at the start
    // of the flow or of a paragraph it takes the run that begins there.
    long f = GetCharFormat(pos);
    if (!(m_formats[f].pos == pos && pos != 0 && m_chars[pos - 1] != kParagraphEnd && m_chars[pos - 1] != kBreak))
        ++f;
    for (LONG i = (LONG)f; i < m_formats.count; ++i)
        m_formats[i].pos += (LONG)n;

    m_rows.ShiftFrom(GetCharRow(pos) + 1, (LONG)n);

    bool notesMoved = false;
    for (LONG i = m_fields.count - 1; i >= 0 && m_fields[i]->m_nPos >= pos; --i)
    {
        m_fields[i]->m_nPos += (LONG)n;
        if (IsFootNote(m_fields[i]))
        {
            ((GFootNote*)m_fields[i])->m_bStale = 1;
            notesMoved = true;
        }
    }

    for (LONG i = m_tabs.count - 1; i >= 0 && m_tabs[i].pos >= pos; --i)
        m_tabs[i].pos += (LONG)n;

    ShiftRunsForInsert(m_borders, pos, n, paraStart);
    ShiftRunsForInsert(m_shades, pos, n, paraStart);

    for (LONG i = (LONG)GetCharColumn(pos) + 1; i < m_columns.count; ++i)
        m_columns[i].first += (LONG)n;

    // Renumbering may look at any mark, so it waits until all have moved.
    if (notesMoved)
        for (LONG i = 0; i < m_fields.count; ++i)
            if (IsFootNote(m_fields[i]) && ((GFootNote*)m_fields[i])->m_bStale)
                m_fields[i]->Update();
}

// The closing 13, 12, 0 always stay: a range is cut before them.
void GDoc::DelCharItem(long from, long to)
{
    if (to > m_chars.count - 3)
        to = m_chars.count - 3;
    if (from < 0)
        from = 0;
    long n = to - from;
    if (n <= 0)
        return;

    long listField = -1;
    for (long i = to - 1; i >= from; --i)
    {
        if (m_chars[i] == kFieldMark)
        {
            long fi = GetCharField(i);
            if (fi >= 0)
            {
                if (m_fields[fi]->m_nKind == kFieldList)
                    listField = fi;
                DelFieldItem(fi);
            }
        }
        else if (m_chars[i] == kTab)
            DelTabItem(i);
    }

    for (LONG i = m_tabs.count - 1; i >= 0 && m_tabs[i].pos > from; --i)
        m_tabs[i].pos -= (LONG)n;

    const long lastParaEnd = m_chars.count - 3;
    ShiftRunsForDelete(m_borders, from, to, lastParaEnd);

    for (LONG i = m_fields.count - 1; i >= 0 && m_fields[i]->m_nPos > from; --i)
    {
        m_fields[i]->m_nPos -= (LONG)n;
        if (IsFootNote(m_fields[i]))
            ((GFootNote*)m_fields[i])->m_bStale = 1;
    }

    // A joined paragraph keeps the record of the paragraph where the
    // deletion began, or where it ended when it began at a paragraph start.
    // The break of a page-break pair (13, 12) belongs to the paragraph that
    // the 13 ends, so the records follow the paragraph ends that really go:
    // - a deletion that begins at such a break keeps the paragraph end
    //   before it: the paragraph where the deletion ends then begins at from
    //   and keeps its record and row;
    // - a deletion from a paragraph start that takes a pair's 13 but not its
    //   break hands the break to the paragraph end before from: every
    //   paragraph up to the one that held the break goes, with its rows.
    const bool endBefore = from > 0 && m_chars[from - 1] == kParagraphEnd;
    const bool fromAtPairBreak = endBefore && m_chars[from] == kBreak && from != GetParaChar(GetCharPara(from));
    const bool breakStays = !fromAtPairBreak && endBefore && m_chars[to] == kBreak &&
                            m_chars[to - 1] == kParagraphEnd;
    long p1 = GetCharPara(from);
    long p2 = GetCharPara(to);
    long r1 = GetCharRow(from);
    long r2 = GetCharRow(to);
    if (fromAtPairBreak)
    {
        --p2;
        --r2;
    }
    else if (breakStays)
    {
        --p1;
        --r1;
    }
    else
    {
        if (p1 < p2 && from == GetParaChar(p1))
        {
            --p1;
            --p2;
        }
        if (r1 < r2 && from == m_rows[r1].first)
        {
            --r1;
            --r2;
        }
    }
    for (long p = p2; p > p1; --p)
        DelParaItem(p);

    // Rows of the clipboard document need no positions; it has none yet,
    // so every flow re-positions.
    for (long r = r2; r > r1; --r)
        DelRowItem(r, 1);
    PullRowsAfter(m_rows, from, n);

    long f1 = GetCharFormat(from);
    long f2 = from == lastParaEnd ? m_formats.count - 1 : GetCharFormat(to);
    if (f1 < f2 && m_formats[f1].pos == from)
        --f1;
    for (long f = f2 - 1; f > f1 && m_formats.count > 2; --f)
        DelFormatItem(f);
    for (LONG i = m_formats.count - 1; i >= 0 && m_formats[i].pos > from; --i)
        m_formats[i].pos = (LONG)std::max(m_formats[i].pos - n, from);
    if (f1 < 0)
        f1 = 0;
    ReFormat(f1, f1 + 1);

    KeepRunsOnParagraphs(*this, m_borders, from);
    InvalRunsAt(*this, m_borders, from);
    ShiftRunsForDelete(m_shades, from, to, lastParaEnd);
    KeepRunsOnParagraphs(*this, m_shades, from);
    InvalRunsAt(*this, m_shades, from);

    bool blockAtFrom = false;
    for (LONG i = m_columns.count - 1; i >= 0 && m_columns[i].first > from; --i)
    {
        m_columns[i].first = (LONG)std::max(m_columns[i].first - n, from);
        blockAtFrom = blockAtFrom || m_columns[i].first == from;
    }
    // A column layout begins with a paragraph. When the paragraph where a
    // layout began has joined the one where the deletion began (whose
    // record, and so layout, it keeps), the layout's blocks inside the
    // joined paragraph go, and the layout goes on with the next paragraph
    // unless another block begins there. A block that only continues the
    // layout before it on a new page is left to re-columning.
    if (blockAtFrom && from != GetParaChar(GetCharPara(from)))
    {
        const long next = GetCharPara(from) + 1;
        const long nextChar = GetParaChar(next);
        for (LONG b = 1; b + 1 < m_columns.count; ++b)
        {
            if (m_columns[b].first != from || m_columns[b] == m_columns[b - 1])
                continue;
            GColumn layout = m_columns[b];
            DelColumnItem(b);
            while (b + 1 < m_columns.count && m_columns[b].first < nextChar && m_columns[b] == layout)
                DelColumnItem(b);
            if (m_columns[b].first > nextChar)
            {
                layout.first = (LONG)nextChar;
                for (LONG& row : layout.startRows)
                    row = kNoPosition;
                layout.startRows[0] = m_paras[next].row;
                layout.position = m_columns[b].position;
                InsColumnItem(layout, b);
            }
        }
    }

    m_chars.Destroy(from, n);

    if (listField >= 0)
        PropagateDown(listField, 1);
    // Border lines take room before the rows where runs begin and end. The
    // runs closed up before the rows went, so rows placed as they went may
    // have taken room that is not theirs, and moved or removed runs move
    // their room further down than the first row that stays where it was:
    // with borders, every row is placed again.
    if (m_borders.count > 0)
        PlaceRows(0, 0, 0, -1);
    else
        SetRowPos(0, 0);
}

// ---- Tabs, formats, fields and borders

void GDoc::InsTabItem(long pos)
{
    LONG i = 0;
    while (i < m_tabs.count && m_tabs[i].pos <= pos)
        ++i;
    GTabulator tab;
    tab.pos = (LONG)pos;
    m_tabs.AddAt(tab, i);
}

void GDoc::DelTabItem(long pos)
{
    long i = GetCharTab(pos);
    if (i >= 0)
        m_tabs.Destroy(i, 1);
}

void GDoc::InsFormatItem(const GFormat& format, long index)
{
    if (index >= 0 && index <= m_formats.count)
        m_formats.AddAt(format, index);
}

void GDoc::DelFormatItem(long index)
{
    if (index >= 0 && index < m_formats.count)
        m_formats.Destroy(index, 1);
}

void GDoc::InsFieldItem(GField* field, long index)
{
    if (field && index >= 0 && index <= m_fields.count)
        m_fields.AddAt(field, index);
}

// The document's references to a current or selected field are cleared
// here once the document holds them.
void GDoc::DelFieldItem(long index)
{
    if (index < 0 || index >= m_fields.count)
        return;
    GField* field = m_fields[index];

    // A selected object that goes is no longer selected.
    if (m_pOwner)
    {
        if (field == m_pOwner->m_pSelOle)
            m_pOwner->m_pSelItem = NULL;
        for (GField** selected : {&m_pOwner->m_pSelOle, &m_pOwner->m_pSelImage, &m_pOwner->m_pSelLumifex})
            if (*selected == field)
                *selected = NULL;
    }

    // The list item after a starting item starts the list itself.
    if (field->m_nKind == kFieldList && !((GList*)field)->m_bContinues && index + 1 < m_fields.count)
    {
        GField* next = m_fields[index + 1];
        if (next->m_nKind == kFieldList && ((GList*)next)->m_nStyle == ((GList*)field)->m_nStyle)
            ((GList*)next)->m_bContinues = 0;
    }

    // The nearest earlier note on the same page stacks where this note's
    // frame stood. The note flow and its frame leave the document's lists
    // without being freed: an undo record that keeps the mark puts them
    // back; with none keeping them they are freed below.
    const bool wasFootNote = IsFootNote(field);
    GDoc* note = wasFootNote ? ((GFootNote*)field)->m_pNote : NULL;
    if (note && note->m_pFirstFrame)
    {
        CFrame* noteFrame = note->m_pFirstFrame;
        long pageFirst = GetPageChar(GetCharPage(field->m_nPos));
        for (long k = index - 1; k >= 0 && m_fields[k]->m_nPos >= pageFirst; --k)
        {
            GDoc* earlier = IsFootNote(m_fields[k]) ? ((GFootNote*)m_fields[k])->m_pNote : NULL;
            if (earlier && earlier->m_pFirstFrame)
            {
                earlier->m_pFirstFrame->vAnchor = noteFrame->vAnchor;
                break;
            }
        }
    }
    const bool noteTaken = note && GFootNote::DetachNote(note);

    m_fields.Destroy(index, 1);
    if (noteTaken)
        GFootNote::ReleaseDetachedNote(note);

    // Captions after the removed field are numbered again, and every later
    // field when a footnote went or now stands in its place.
    const bool renumberAll = wasFootNote || (index < m_fields.count && IsFootNote(m_fields[index]));
    for (LONG i = (LONG)index; i < m_fields.count; ++i)
        if (renumberAll || m_fields[i]->m_nKind == kFieldCaption)
            m_fields[i]->Update();
}

void GDoc::InsBorderItem(const GBorder& border, long index)
{
    if (index >= 0 && index <= m_borders.count)
        m_borders.AddAt(border, index);
}

void GDoc::DelBorderItem(long index)
{
    if (index >= 0 && index < m_borders.count)
        m_borders.Destroy(index, 1);
}

// ---- Rows

void GDoc::InsRowItem(const GRow& row, long index)
{
    InsRowItems(row, index, 1);
}

// The same as inserting row n times at index, with one move of the rows
// after it: the first copy takes row's holes, the others get their own.
void GDoc::InsRowItems(const GRow& row, long index, long n)
{
    if (index < 0 || index > m_rows.count || n < 1)
        return;
    for (long i = 0; i < n; ++i)
        m_redraw.InsRowItem(index);
    m_rows.InsertAt(index, NULL, n);
    for (long i = 0; i < n; ++i)
    {
        GRow& added = m_rows[index + i];
        added = row;
        if (i > 0 || !added.holes)
            added.holes = GRow::NewHoles();
    }
    // Every paragraph after the rows, for each paragraph a whole layout
    // breaks: the block is read once.
    GPara* paras = m_paras.data;
    for (LONG p = m_paras.count - 1; p >= 0 && paras[p].row >= index; --p)
        paras[p].row += (LONG)n;
    m_columns.Last().startRows[0] += (LONG)n;
    for (LONG b = m_columns.count - 2; b >= 0; --b)
    {
        for (LONG& start : m_columns[b].startRows)
            if (start >= index)
                start += (LONG)n;
        EqualizeCols(b);
    }
}

void GDoc::DelRowItem(long index, int reposition)
{
    if (index < 0 || index >= m_rows.count - 1)
        return;
    m_redraw.DelRowItem(index);
    for (LONG p = m_paras.count - 1; p >= 0 && m_paras[p].row > index; --p)
        --m_paras[p].row;

    // A block that held only this row goes with it.
    for (LONG b = 0; b + 1 < m_columns.count; ++b)
        if (m_columns[b].startRows[0] == index && m_columns[b + 1].startRows[0] == index + 1)
        {
            DelColumnItem(b);
            break;
        }

    --m_columns.Last().startRows[0];
    if (m_columns.count >= 2)
    {
        GColumn& last = m_columns[m_columns.count - 2];
        if (last.startRows[0] >= 0 && last.startRows[0] < m_rows.count)
            last.first = m_rows[last.startRows[0]].first;
    }
    for (LONG b = m_columns.count - 2; b >= 0; --b)
        for (LONG& start : m_columns[b].startRows)
            if (start > index)
                --start;

    LONG y = m_rows[index].y;
    m_rows.Destroy(index, 1);
    if (reposition)
        SetRowPos(index, y);
}

// ---- Paragraphs

void GDoc::InsParaItem(const GPara& para, long index)
{
    if (index < 0 || index > m_paras.count)
        return;
    m_bInsertingPara = 1;

    // The paragraph before continues into the new one when it has its list
    // field: that gives the list, level and numbers. Only that paragraph is
    // looked at, so inserting paragraphs one by one stays linear.
    GList* list = index > 0 ? GetListField(GetParaChar(index - 1)) : NULL;
    const long style = list ? list->m_nStyle : -1;
    LONG level = 1;
    int counters[kListLevels] = {};
    if (list)
    {
        level = list->m_nLevel;
        for (int k = 0; k < kListLevels; ++k)
            counters[k] = list->m_nNumbers[k];
    }

    m_paras.AddAt(para, index);

    if (list && bInsertOnlyNewLine)
    {
        m_nCaret = (LONG)GetParaChar(index);
        ApplyListStyle(style, level, counters, 1, 1);
        SetParaStyle(m_nCaret, m_nCaret, Mint((short)GetParaIndex(para.style), 0));
    }

    ShiftFrameParas(index, 1);
    m_bInsertingPara = 0;
}

void GDoc::DelParaItem(long index)
{
    if (index < 0 || index >= m_paras.count - 1)
        return;
    // A block that begins with this paragraph and ends with it goes first.
    LONG row = m_paras[index].row;
    for (LONG b = 1; b + 1 < m_columns.count; ++b)
        if (m_columns[b].startRows[0] == row)
        {
            if (m_paras[index + 1].row == m_columns[b + 1].startRows[0])
                DelColumnItem(b);
            break;
        }
    m_paras.Destroy(index, 1);
    ShiftFrameParas(index, -1);
}

// ---- Column blocks

void GDoc::InsColumnItem(const GColumn& block, long index)
{
    if (index < 0 || index > m_columns.count)
        return;
    m_columns.AddAt(block, index);
    for (LONG p = m_pages.count - 1; p >= 0 && m_pages[p].block >= index; --p)
        ++m_pages[p].block;
}

void GDoc::DelColumnItem(long index)
{
    if (index < 0 || index >= m_columns.count - 1)
        return;
    SetColumnPos(index + 1, m_columns[index].position);
    long page = GetColumnPage(index);
    if (page + 1 < m_pages.count && m_pages[page].block == index && m_pages[page + 1].block == index + 1)
        m_pages.Destroy(page, 1);
    for (LONG p = m_pages.count - 1; p >= 0 && m_pages[p].block > index; --p)
        --m_pages[p].block;
    m_columns.Destroy(index, 1);
}

// ---- Frames that name paragraphs of this flow

// Frames anchored here keep their anchor and arrow paragraphs; the frames
// that show this flow keep their page-continuation and column-set
// paragraphs. An insertion moves indexes at or after index, a removal
// those after it. Inserting walks one frame per page, as many as the
// flow has pages.
void GDoc::ShiftFrameParas(long index, int delta)
{
    auto moves = [index, delta](long value) { return delta > 0 ? value >= index : value > index; };
    for (LONG i = 0; i < m_frames.count; ++i)
    {
        CFrame* frame = m_frames[i];
        if (frame->vKind == kVBelowPara && moves((long)frame->vAnchor))
            frame->vAnchor += delta;
        if (frame->hasArrow && moves(frame->arrowPara))
            frame->arrowPara += delta;
    }
    long limit = delta > 0 ? m_pages.count - 1 : LONG_MAX;
    long k = 0;
    for (CFrame* frame = m_pFirstFrame; frame && k < limit; frame = frame->next, ++k)
    {
        if (frame->vKind == kVWithContentPara && moves((long)frame->vAnchor))
            frame->vAnchor += delta;
        if (frame->columnPara >= 1 && moves(frame->columnPara))
            frame->columnPara += delta;
    }
}
