// Lists of the flow: finding list fields, applying a list style to the
// selection's paragraphs, promoting and demoting them, removing lists, and
// renumbering after a change.
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GListField.h"
#include "model/GStyleTbl.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "resources/resource.h"
#include "editing/CWOpBigUndo.h"
#include "editing/CWOpLists.h"
#include "editing/editing_support.h"
#include <algorithm>

int bInsertOnlyNewLine = 0;

namespace
{
const long kInchStep = 127;
const long kMetricStep = 100;
const char kPlainParaStyle[] = "Paragraph";

// A grouped step for the commands below; null when undo is off or the
// stack refused it.
CWOpBigUndo* OpenGroup(GDoc* flow, CWOpBigUndo* group)
{
    if (!UndoEnabled(flow) || !flow->m_pOwner)
    {
        delete group;
        return NULL;
    }
    if (!RecordOperation(flow, group))
        return NULL;
    group->Start();
    return group;
}

void CloseGroup(CWOpBigUndo* group)
{
    if (group)
        group->End();
}

bool StartsEmptyPara(const GDoc* flow, long pos)
{
    return flow->m_chars[pos] == kParagraphEnd;
}
} // namespace

long ListIndentStep()
{
    return Options.Units == CWOptions::kUnitInch ? kInchStep : kMetricStep;
}

bool PromoteParagraphs(const GDoc* flow, long start, long end, long& first, long& last)
{
    first = flow->GetCharPara(start);
    last = flow->GetCharPara(end > 0 ? end - 1 : 0);
    if (last == first - 1)
    {
        if (first >= flow->m_paras.count - 1)
            return false;
        last = first;
    }
    last = std::min(last, (long)flow->m_paras.count - 2);
    return first <= last;
}

// ---- Finding list fields

void GDoc::PropagateDown(long fieldIndex, int all)
{
    long previousStyle = -1;
    bool first = true;
    for (LONG i = (LONG)std::max(fieldIndex, 0L); i < m_fields.count; ++i)
    {
        GField* f = m_fields[i];
        if (f->m_nKind != kFieldList)
            continue;
        long style = ((GList*)f)->m_nStyle;
        if (!all)
        {
            f->Update();
            m_redraw.InvalByPos(f->m_nPos, f->m_nPos + 1);
            return;
        }
        m_redraw.InvalByPos(f->m_nPos, f->m_nPos + 1);
        if (first || style != previousStyle)
            f->Update();
        previousStyle = style;
        first = false;
    }
}

GList* GDoc::GetListField(long pos) const
{
    if (m_fields.count == 0 || pos < 0 || pos >= m_chars.count || m_chars[pos] != kFieldMark)
        return NULL;
    long index = GetCharField(pos);
    if (index < 0 || m_fields[index]->m_nKind != kFieldList)
        return NULL;
    return (GList*)m_fields[index];
}

long GDoc::LocateField(long pos) const
{
    if (m_fields.count == 0)
        return -1;
    return RecurseField(pos, 0, m_fields.count - 1, -1);
}

// An iterative binary search: each step halves lo..hi, so there is no
// depth to run out of.
long GDoc::RecurseField(long pos, long lo, long hi, long last) const
{
    while (lo != hi)
    {
        const long mid = lo + (hi - lo) / 2;
        const long at = m_fields[mid]->m_nPos;
        if (at == pos)
            return mid;
        if (at > pos)
            hi = mid;
        else
        {
            last = mid;
            lo = mid + 1;
        }
    }
    return m_fields[hi]->m_nPos > pos ? last : hi;
}

int GDoc::IsFromPrev(long pos, int style) const
{
    const long para = GetCharPara(pos);
    if (para <= 0)
        return 0;
    const GList* list = GetListField(GetParaChar(para - 1));
    return list && list->m_nStyle == style;
}

void GDoc::FindListStyle(long start, long end, long& style, int& fromPrev) const
{
    const long firstPara = GetCharPara(start);
    const long lastPara = GetCharPara(end > 0 ? end - 1 : 0);
    for (long p = firstPara; p <= lastPara; ++p)
        if (GList* list = GetListField(GetParaChar(p)))
        {
            style = list->m_nStyle;
            fromPrev = list->m_bContinues;
            return;
        }
    for (long p = firstPara - 1; p >= 0; --p)
        if (GList* list = GetListField(GetParaChar(p)))
        {
            style = list->m_nStyle;
            fromPrev = p == firstPara - 1;
            return;
        }
    style = -1;
    fromPrev = 0;
}

// ---- Paragraph values of a level

void GDoc::FormatPara(int style, int level, long para, long pos)
{
    if (!m_pOwner || style < 0 || style >= m_pOwner->m_listStyles.count || para < 0 ||
        para >= m_paras.count - 1)
        return;
    const GParaStyle* now = GetParaStylePtr(para);
    const GParaStyle current = now ? *now : GParaStyle();
    GParaStyle result = current;
    const GParaStyle& values = m_pOwner->m_listStyles[style].style.Level(std::max(1, std::min(level, kListLevels))).m_Para;

    if (values.m_Left.value >= 0)
    {
        if (m_bInsertingPara)
            result.m_Left.value = values.m_Left.value;
        else if (!GetListField(pos))
            result.m_Left.value = (short)(result.m_Left.value + values.m_Left.value);
        result.m_Left.defined = 1;
    }
    if (values.m_Right.value >= 0)
        result.m_Right = values.m_Right;
    if (values.m_Spacing.value >= 1.0f)
        result.m_Spacing = values.m_Spacing;
    if (values.m_Extra.value >= 0)
        result.m_Extra = values.m_Extra;
    if (values.m_Align != 0)
        result.m_Align = values.m_Align;
    if (values.m_Tabs[0].type != 0)
        result.m_Tabs = values.m_Tabs;
    if (result == current)
        return;
    SetParaStyle(pos, pos, result);
}

// ---- Applying a list style

int GDoc::ApplyListStyle(long style, int level, int* starts, int fromPrev, int change)
{
    // No list style, no list field: nothing is changed or recorded (a
    // kept field would take an index that names nothing).
    if (!m_pOwner || style < 0 || style >= m_pOwner->m_listStyles.count)
        return 0;
    m_pOwner->SetModifiedFlag(1);
    long caret = m_nCaret, s, e;
    GetSelectionC(s, e);
    const bool emptySelection = s == e;
    const long first = GetCharPara(s);
    const long last = std::max(first, std::min(e > s ? GetCharPara(e - 1) : first, (long)m_paras.count - 2));
    const long selFirst = m_nSelFirst, selEnd = m_nSelEnd;

    CWOpBigUndo* group = OpenGroup(this, new CWOpBigUndo(m_pOwner, IDS_OP_SET_BULLETS_AND_NUMBERS));
    if (UndoEnabled(this))
        RecordOperation(this, new CWOpSetListStyle(this, s, e, style, level, starts, fromPrev, change));

    CChangeBracket bracket(m_pOwner);
    bool caretStays = false;
    long lastField = -1;       // position of the last field handled
    long shiftFirst = 0, shiftEnd = 0, shiftCaret = 0;
    for (long p = first; p <= last; ++p)
    {
        const long pos = GetParaChar(p);
        if (StartsEmptyPara(this, pos))
        {
            FormatPara((int)style, level, p, pos);
            continue;
        }
        GList* field = GetListField(pos);
        if (field && (change || field->m_nStyle == style))
        {
            if (emptySelection)
                caretStays = true;
            const long before = field->m_nStyle;
            if (change)
            {
                field->ChangeStyle(style, emptySelection);
                field->SetLevel(level);
                field->m_bContinues = fromPrev;
                if (!fromPrev && starts)
                    for (int k = 0; k < kListLevels; ++k)
                        field->m_nNumbers[k] = starts[k];
            }
            field->Update();
            m_redraw.InvalByPos(pos, pos + 1);
            if (before != style)
                PropagateDown(GetCharField(pos), 0);
            FormatPara((int)field->m_nStyle, (int)field->m_nLevel, p, pos);
        }
        else
        {
            // The level's values go in before the field, so that its
            // indent adds to the paragraph's own.
            GList* made = new GList(this, pos, style, starts, fromPrev, level);
            FormatPara((int)style, level, p, pos);
            InsertField(made);
            shiftFirst += selFirst > pos;
            shiftEnd += selEnd > pos;
            shiftCaret += caret >= pos;
        }
        lastField = pos;
        fromPrev = 1;
    }
    if (lastField < 0)
    {
        const long pos = GetParaChar(last);
        InsertField(new GList(this, pos, style, starts, fromPrev, level));
        shiftFirst += selFirst > pos;
        shiftEnd += selEnd > pos;
        shiftCaret += caret >= pos;
        lastField = pos;
    }
    PropagateDown(GetCharField(lastField), 0);
    if (shiftFirst || shiftEnd)
        Select(selFirst + shiftFirst, selEnd + shiftEnd);
    // The caret stays on the text it stood on: one place on for every new
    // field at or before it.
    if (!caretStays)
        SetPos(caret + shiftCaret);
    CloseGroup(group);
    return 1;
}

// ---- Promote and demote

namespace
{
void ShiftLevels(GDoc* flow, long start, long end, bool promote)
{
    if (!flow->m_pOwner)
        return;
    CWOpBigUndo* group = OpenGroup(flow, new CWOpBigUndo(flow->m_pOwner, CString()));
    CChangeBracket bracket(flow->m_pOwner);
    if (UndoEnabled(flow))
        RecordOperation(flow, new CWOpPromoteDemote(flow, start, end, promote ? 1 : 0));
    long first, last;
    if (PromoteParagraphs(flow, start, end, first, last))
    {
        const long step = ListIndentStep();
        for (long p = first; p <= last; ++p)
        {
            const long pos = flow->GetParaChar(p);
            if (GList* field = flow->GetListField(pos))
                promote ? field->Promote() : field->Demote();
            const GParaStyle* style = flow->GetParaStylePtr(p);
            const long left = style ? style->m_Left.value : 0;
            const long firstRow = style ? style->m_FirstLine.value : 0;
            const long next = flow->GetParaChar(p + 1);
            const long s = promote ? std::min(step, std::min(left, firstRow)) : -step;
            flow->SetParaIM(pos, next, (int)(firstRow - s));
            flow->SetParaLM(pos, next, (int)(left - s));
        }
    }
    CloseGroup(group);
}
} // namespace

void GDoc::Promote(long start, long end)
{
    ShiftLevels(this, start, end, true);
}

void GDoc::Demote(long start, long end)
{
    ShiftLevels(this, start, end, false);
}

// ---- Removing lists

int GDoc::RemoveList()
{
    if (!m_pOwner)
        return 1;
    long caret = m_nCaret, s, e;
    GetSelectionC(s, e);
    long selFirst = m_nSelFirst, selEnd = m_nSelEnd;
    const bool moved = selFirst != selEnd;
    const long first = GetCharPara(s);
    const long last = std::max(first, std::min(e > s ? GetCharPara(e - 1) : first, (long)m_paras.count - 2));
    const long found = m_pOwner->m_paraStyles.FindStyle(kPlainParaStyle);
    const Mint plain((short)std::max(found, 0L), 0);

    // One step: the paragraph styles and the numbers come back together.
    CWOpBigUndo* group = OpenGroup(this, new CWOpBigUndo(m_pOwner, CString()));
    CChangeBracket bracket(m_pOwner);
    long previousStyle = -1, lastRemoved = -1;
    for (long p = first; p <= last; ++p)
    {
        const long pos = GetParaChar(p);
        if (StartsEmptyPara(this, pos))
        {
            SetParaStyle(pos, pos, plain);
            continue;
        }
        GList* field = GetListField(pos);
        if (!field)
            continue;
        SetParaStyle(pos, pos, plain);
        const long style = field->m_nStyle;
        const long index = GetCharField(pos);
        if (UndoEnabled(this))
        {
            GField* next = index + 1 < m_fields.count ? m_fields[index + 1] : NULL;
            const bool restartsNext = !field->m_bContinues && next && next->m_nKind == kFieldList &&
                                      ((GList*)next)->m_nStyle == style && ((GList*)next)->m_bContinues;
            RecordOperation(this, CWOpSetListStyle::ForDeletedNumber(this, pos, field, restartsNext, true));
        }
        field->m_bLeaving = 1;
        DeleteChar(pos);
        caret -= caret > pos;
        selFirst -= selFirst > pos;
        selEnd -= selEnd > pos;
        if (previousStyle >= 0 && previousStyle != style)
            PropagateDown(index, previousStyle != 0);
        previousStyle = style;
        lastRemoved = index;
    }
    if (lastRemoved >= 0)
        PropagateDown(lastRemoved, 0);
    if (moved)
        Select(selFirst, selEnd);
    SetPos(caret);
    CloseGroup(group);
    return 1;
}
