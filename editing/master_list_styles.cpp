// Applying a master style (its character and paragraph parts as one undo
// step) and changing the list style of the list numbers in a range.
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include "model/GStyleTbl.h"
#include "model/GListField.h"
#include "resources/resource.h"
#include "editing/CWOpBigUndo.h"
#include "editing/editing_support.h"
#include <algorithm>

void GDoc::SetMasterStyle(long from, long to, int index)
{
    if (!m_pOwner)
        return;
    CWOpBigUndo* group = NULL;
    if (UndoEnabled(this))
    {
        group = new CWOpBigUndo(m_pOwner, IDS_OP_SET_MASTER_STYLE);
        if (RecordOperation(this, group))
            group->Start();
        else
            group = NULL;
    }
    if (index >= 0 && index < m_pOwner->m_masterStyles.count)
    {
        from = std::max(0L, std::min(from, LastCaretPos(this)));
        to = std::max(0L, std::min(to, LastCaretPos(this)));
        if (to < from)
            std::swap(from, to);
        const long p1 = GetCharPara(from);
        const long p2 = std::max(p1, to > from ? GetCharPara(to - 1) : p1);
        const long c1 = GetParaChar(p1), c2 = GetParaChar(std::min(p2 + 1, (long)m_paras.count - 1));
        CChangeBracket bracket(m_pOwner);
        const GMasterStyle& master = m_pOwner->m_masterStyles[index].style;
        GFontStyle* font = GetFontStyle(Mint((short)index, 1));
        GFontStyle copy = font ? *font : GFontStyle();
        // Each run keeps its own script.
        copy.SetCharSet(GFontStyle::kMixedCharSet);
        if (m_pOwner->IsCharMStyle(index))
            SetFontStyle(from, to, copy, 1);
        else
        {
            SetFontStyle(c1, c2, copy, 1);
            if (master.m_Para >= 0)
                SetParaStyle(c1, c2, Mint((short)index, 1));
        }
    }
    if (group)
        group->End();
}

void GDoc::SetMasterStyle(long from, long to, const char* name)
{
    if (m_pOwner)
        SetMasterStyle(from, to, (int)m_pOwner->m_masterStyles.FindStyle(name));
}

void GDoc::SetMasterStyle(long from, long to, const GMasterStyle& style)
{
    if (m_pOwner)
        SetMasterStyle(from, to, (int)m_pOwner->m_masterStyles.FindStyle(style));
}

void GDoc::SetListStyle(long from, long to, int index)
{
    // A name no table holds changes no list.
    if (index < 0 || (m_pOwner && index >= m_pOwner->m_listStyles.count))
    {
        Notify(1);
        return;
    }
    from = std::max(0L, std::min(from, LastCaretPos(this)));
    to = std::max(0L, std::min(to, LastCaretPos(this)));
    for (LONG i = 0; i < m_fields.count; ++i)
    {
        GField* field = m_fields[i];
        if (field->m_nKind != kFieldList || field->m_nPos < from || field->m_nPos >= to)
            continue;
        GList* list = (GList*)field;
        if (list->m_nStyle == index)
            continue;
        list->m_nStyle = (LONG)index;
        list->Update();
        const long row = GetFieldRow(i);
        m_redraw.InvalByRow(row, row + 1);
        ReRowByRow(row, row + 1, kReRowEdit, kWholeParagraph);
        MarkModified(this);
    }
    Notify(1);
}

void GDoc::SetListStyle(long from, long to, const char* name)
{
    if (m_pOwner)
        SetListStyle(from, to, (int)m_pOwner->m_listStyles.FindStyle(name));
}

void GDoc::SetListStyle(long from, long to, const GListStyle& style)
{
    if (m_pOwner)
        SetListStyle(from, to, (int)m_pOwner->m_listStyles.FindStyle(style));
}
