// Typing into a flow: one character (where control characters become
// records), a text cut into chunks at control characters, overtyping, and
// removing one character without undo.
#include "editing/document_editing.h"
#include "editing/CWOpText.h"
#include "editing/CWOpBigUndo.h"
#include "resources/resource.h"
#include "editing/editing_support.h"
#include "model/GFontStyle.h"
#include <string.h>

namespace
{
const char kLineFeed = 10;

bool CutsText(char c)
{
    return c == kTab || c == kLineFeed || c == (char)kBreak || c == (char)kParagraphEnd;
}

// Text without control characters: no paragraph end, break, tab or field
// mark, nothing that begins a row, a block or a field.
bool OrdinaryText(const char* text, long n)
{
    for (long i = 0; i < n; ++i)
        if ((unsigned char)text[i] < ' ')
            return false;
    return true;
}

// Puts n plain characters into the text at pos and shifts the records once
// for all of them.
void InsertPlain(GDoc* flow, long pos, const char* text, long n)
{
    if (n <= 0)
        return;
    flow->m_chars.InsertAt(pos, (const GChar*)text, n);
    flow->InsCharItem(pos, n, text[0]);
}

// The character-format runs and paragraph of a break typed at pos: a new
// column block after the current one and a page that shows it.
void AddBreakRecords(GDoc* flow, long pos, long row, long block, long page)
{
    if (flow->m_rows[row].first == pos)
        ++flow->m_rows[row].first;   // the break ends the row before it
    const GColumn& current = flow->m_columns[block];
    tagColumnData data[kMostTextColumns];
    memcpy(data, current.cols, sizeof data);
    GColumn added(pos + 1, current.count, data, row);
    flow->InsColumnItem(added, block + 1);
    GPage record;
    record.block = (LONG)(block + 1);
    flow->m_pages.AddAt(record, page + 1);
}
}

void GDoc::InsertChar(long pos, char ch, int redraw)
{
    if (ch == kLineFeed)
        return;
    pos = std::max(0L, std::min(pos, LastCaretPos(this)));

    const long block = GetCharColumn(pos);
    const long page = GetCharPage(pos);
    // A paragraph end typed between a paragraph end and its break (the
    // pair 13, 12 of a page break) makes an empty paragraph that takes the
    // break over.
    const bool intoPair = ch == (char)kParagraphEnd && pos > 0 && m_chars[pos - 1] == kParagraphEnd &&
                          m_chars[pos] == kBreak && GetRowChar(GetCharRow(pos)) < pos;
    m_chars.AddAt(GChar((BYTE)ch), pos);
    const bool atParaStart = ch == (char)kParagraphEnd && pos == GetParaChar(GetCharPara(pos));
    const long para = GetCharPara(pos);
    const long row = GetCharRow(pos);
    InsCharItem(pos, 1, ch);

    // A mark typed at a paragraph start carries the format of the text
    // that follows it.
    if (atParaStart)
    {
        long here = GetCharFormat(pos);
        long next = GetCharFormat(pos + 1);
        if (here != next)
        {
            m_formats[next].pos = (LONG)pos;
            ReFormat(here, next);
        }
    }

    switch ((BYTE)ch)
    {
    case kFieldMark:
        return;   // inserting the field re-breaks and notifies
    case kTab:
        InsTabItem(pos);
        if (redraw)
        {
            m_redraw.InvalByRow(std::max(row - 1, 0L), row + 1);
            ReRowByRow(row, row + 1, kReRowEdit, kUntilRowsStay);
        }
        break;
    case kBreak:
    {
        // A break typed at the start of a row ends the row before it, which
        // then changes too: where its text ends and the next row begins.
        const long first = row > 0 && m_rows[row].first == pos ? row - 1 : row;
        AddBreakRecords(this, pos, row, block, page);
        if (redraw)
        {
            m_redraw.InvalByRow(first, row + 2);
            ReRowByRow(first, row + 2, kReRowEdit, kUntilRowsStay);
        }
        ReColumn(0);
        break;
    }
    case kParagraphEnd:
    {
        // The new paragraph begins after the paragraph end, and after the
        // breaks that follow it, which end the paragraph with it; a row may
        // already begin there.
        long start = pos + 1;
        while (!intoPair && start < m_chars.count - 3 && m_chars[start] == kBreak)
            ++start;
        GRow added;
        added.first = (LONG)(intoPair ? pos : start);
        added.y = m_rows[row + 1].y;
        added.holes = GRow::NewHoles();
        if (intoPair || start == pos + 1 || m_rows[row + 1].first != start)
        {
            InsRowItem(added, row + 1);
            // The blocks that the breaks begin start on the new row.
            for (LONG b = 0; start > pos + 1 && b + 1 < m_columns.count; ++b)
                if (m_columns[b].first == start)
                    m_columns[b].startRows[0] = (LONG)(row + 1);
        }
        GPara paragraph;
        paragraph.row = (LONG)(row + 1);
        paragraph.style = m_paras[para].style;
        InsParaItem(paragraph, para + 1);
        if (redraw)
        {
            m_redraw.InvalByRow(row, row + 2);
            ReRowByRow(row, row + 2, kReRowEdit, kUntilRowsStay);
        }
        break;
    }
    default:
        if (redraw)
            ReRowByRow(row, row + 1, kReRowEdit, kUntilRowsStay);
        break;
    }
    if (!redraw)
        return;
    ApplyPendingStyle(this, pos, pos + 1);
    UpdateFootNotes(this, true);
    Notify(1);
    MarkModified(this);
}

void GDoc::InsertText(long pos, char* text, int redraw)
{
    if (!text)
        return;
    const long n = (long)strlen(text);
    if (n == 0)
        return;
    pos = std::max(0L, std::min(pos, LastCaretPos(this)));
    const bool record = UndoEnabled(this);
    // Text put between a paragraph end and its break (undo puts a deleted
    // paragraph back there) begins the paragraph after that end: the break
    // goes over to the row after it, so the text starts that paragraph and
    // the break follows the text, as it followed the paragraph end.
    long reflowFrom = pos;
    bool breakMoved = false;
    if (pos > 0 && m_chars[pos - 1] == kParagraphEnd && m_chars[pos] == kBreak)
    {
        const long row = GetCharRow(pos);
        if (m_rows[row].first < pos && row + 1 < m_rows.count - 1)
        {
            m_rows[row + 1].first = (LONG)pos;
            reflowFrom = pos - 1;
            breakMoved = true;
        }
    }

    long dropped = 0;   // line feeds are never inserted
    long s = 0;
    for (long i = 0; i < n; ++i)
    {
        const char c = text[i];
        if (!CutsText(c))
            continue;
        const long at = pos + s - dropped;
        if (record)
        {
            CString chunk(text + s, (int)(c == kLineFeed ? i - s : i - s + 1));
            RecordOperation(this, new CWOpInsertText(this, at, chunk));
        }
        InsertPlain(this, at, text + s, i - s);
        InsertChar(pos + i - dropped, c, 0);
        if (c == kLineFeed)
            ++dropped;
        s = i + 1;
    }
    const long at = pos + s - dropped;
    if (record)
        RecordOperation(this, new CWOpInsertText(this, at, text + s));
    InsertPlain(this, at, text + s, n - s);

    if (!redraw)
        return;
    m_redraw.Reset(m_nSelFirst, m_nSelEnd);
    const long end = pos + n - dropped;
    // With the break moved, the paragraph after it is broken again too.
    const long reflowTo = breakMoved ? std::min(end + 2, LastCaretPos(this) + 1) : end + 1;
    m_redraw.InvalByPos(reflowFrom, reflowTo);
    ApplyPendingStyle(this, pos, end);
    ReRowByPos(reflowFrom, reflowTo, kUntilRowsStay, !breakMoved && OrdinaryText(text, n));
    UpdateFootNotes(this, true);
    Notify(1);
    MarkModified(this);
}

// Overtyping a field removes the field and writes the character in its
// place, as one "Replace text" step. It never writes over another
// character that stands for a record (tab, break, paragraph end) nor writes
// one in: such a character is inserted in front instead, so the records
// always match the text.
void GDoc::ReplaceChar(long pos, char ch)
{
    if (pos < 0 || pos > LastCaretPos(this) || ch == kLineFeed)
        return;
    const BYTE old = m_chars[pos];
    const bool recordChar = ch == (char)kParagraphEnd || ch == (char)kBreak || ch == kTab || ch == (char)kFieldMark;
    if (old == kFieldMark && !recordChar)
    {
        CWOpBigUndo* group = NULL;
        if (UndoEnabled(this))
        {
            group = new CWOpBigUndo(m_pOwner, IDS_OP_REPLACE_TEXT);
            if (RecordOperation(this, group))
                group->Start();
            else
                group = NULL;
        }
        DeleteText(pos, pos + 1, 1);
        char one[2] = {ch, 0};
        InsertText(pos, one, 1);
        if (group)
            group->End();
        return;
    }
    if (recordChar || old == kParagraphEnd || old == kTab || old == kBreak)
    {
        if (UndoEnabled(this))
        {
            char one[2] = {ch, 0};
            RecordOperation(this, new CWOpInsertText(this, pos, one));
        }
        InsertChar(pos, ch, 1);
        return;
    }
    if (old == (BYTE)ch)
        return;
    if (UndoEnabled(this))
    {
        CString added(ch, 1);
        CString replaced((char)old, 1);
        RecordOperation(this, new CWOpReplaceText(this, pos, &added, &replaced));
    }
    m_chars[pos] = GChar((BYTE)ch);
    // The new character's width counts, restyled or not.
    ApplyPendingStyle(this, pos, pos + 1);
    long row = GetCharRow(pos);
    ReRowByRow(row, row + 1, kReRowEdit, kUntilRowsStay);
    m_redraw.InvalByPos(pos, pos + 1);
    Notify(1);
    MarkModified(this);
}

void GDoc::DeleteChar(long pos)
{
    if (pos < 0 || pos >= LastCaretPos(this))
        return;
    // A character that is a run of its own hands its format to the next
    // typed one.
    long f = GetCharFormat(pos);
    long start = m_formats[f].pos;
    long end = f + 1 < m_formats.count ? m_formats[f + 1].pos : start;
    if (end > 0 && m_chars[end - 1] == kBreak)
        --end;
    if (end > 0 && m_chars[end - 1] == kParagraphEnd)
        --end;
    if (start == pos && end == pos + 1 && m_pOwner)
    {
        GFontStyle* style = GetFormatStylePtr(f);
        CWDocEditing& state = GetDocEditing(m_pOwner);
        if (style)
            state.pendingStyle = *style;
        state.bPendingStyle = TRUE;
    }
    DelCharItem(pos, pos + 1);
    FinishRowEdit(this, GetCharRow(pos));
}
