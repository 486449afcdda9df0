// List members of the flow that the item primitives need: renumbering the
// list fields after a change and applying a list.
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GListField.h"

int bInsertOnlyNewLine = 0;

// Walks the list fields from fieldIndex on: with all 0 only the first is
// updated (its update renumbers the items after it); otherwise each is
// repainted and updated whenever its list differs from the one before.
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

// Still missing: the whole list application; it changes nothing yet and
// answers 0.
int GDoc::ApplyListStyle(long, int, int*, int, int)
{
    return 0;
}
