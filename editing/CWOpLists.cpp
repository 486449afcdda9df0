// Undo and redo of the list operations; they replay the change through the
// flow's list interface (ApplyListStyle, DeleteText, InsertField, levels).
#include "editing/CWOpLists.h"
#include "editing/CWOpFormats.h"
#include "editing/editing_support.h"
#include "resources/resource.h"
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CWOpSetListStyle, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpPromoteDemote, CWOperationItem)

namespace
{
// The paragraphs a range touches: from the paragraph of from to that of
// to - 1, at least one.
void TouchedParas(const GDoc* flow, long from, long to, long& first, long& last)
{
    first = flow->GetCharPara(from);
    last = to > from ? flow->GetCharPara(to - 1) : first;
    last = std::max(first, std::min(last, (long)flow->m_paras.count - 2));
}

GStyleItem<GListStyle> EntryOf(const GDoc* flow, long style)
{
    if (flow->m_pOwner && style >= 0 && style < flow->m_pOwner->m_listStyles.count)
        return flow->m_pOwner->m_listStyles[style];
    return GStyleItem<GListStyle>();
}
} // namespace

// ---- Applied list style

CWOpSetListStyle::CWOpSetListStyle(GDoc* flow, long from, long to, long style, int level, int* starts,
                                   int fromPrev, int change)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nTo((LONG)to), m_item(EntryOf(flow, style)),
      m_nLevel(level), m_nFromPrev(fromPrev), m_nChange(change)
{
    m_bCaretOnly = m_nTo == m_nFrom;
    if (m_bCaretOnly)
        m_nTo = m_nFrom + 1;
    for (int i = 0; i < kListLevels; ++i)
        m_nStarts[i] = starts ? starts[i] : -1;
    long first, last;
    TouchedParas(flow, m_nFrom, m_nTo, first, last);
    for (long p = first; p <= last; ++p)
    {
        GList* field = flow->GetListField(flow->GetParaChar(p));
        m_kept.Add(field ? new Kept{*field, EntryOf(flow, field->m_nStyle)} : NULL);
    }
}

CWOpSetListStyle* CWOpSetListStyle::ForDeletedNumber(GDoc* flow, long pos, GList* field, bool restartsNext,
                                                     bool withMark)
{
    CWOpSetListStyle* op = new CWOpSetListStyle(flow, pos, pos + 1, field->m_nStyle, field->m_nLevel,
                                                (int*)field->m_nNumbers, field->m_bContinues, 1);
    for (INT_PTR i = 0; i < op->m_kept.GetSize(); ++i)
        delete (Kept*)op->m_kept[i];
    op->m_kept.RemoveAll();
    op->m_kept.Add(new Kept{*field, EntryOf(flow, field->m_nStyle)});
    op->m_bDeletedNumber = TRUE;
    op->m_bRestartsNext = restartsNext;
    op->m_bWithMark = withMark;
    if (withMark)
        op->m_pFont = new CWOpSetFontStyle(flow, pos, pos + 1, NULL);
    return op;
}

CWOpSetListStyle::~CWOpSetListStyle()
{
    for (INT_PTR i = 0; i < m_kept.GetSize(); ++i)
        delete (Kept*)m_kept[i];
    delete m_pFont;
}

long CWOpSetListStyle::RestoreEntry(const GStyleItem<GListStyle>& item)
{
    CWDocument* doc = m_pDoc->m_pOwner;
    if (!doc)
        return 0;
    const long index = doc->m_listStyles.FindStyle(item.style);
    doc->m_listStyles[index] = item;
    return index;
}

GList* CWOpSetListStyle::PutBack(const Kept& kept, long pos, bool markInPlace)
{
    GList* field = new GList(kept.field);
    field->m_pDoc = m_pDoc;
    field->m_pSource = NULL;
    field->m_bLeaving = 0;
    field->m_nStyle = (LONG)RestoreEntry(kept.item);
    field->m_nPos = (LONG)pos;
    if (markInPlace && m_pDoc->m_chars[pos] == kFieldMark && m_pDoc->GetCharField(pos) < 0)
    {
        m_pDoc->InsFieldItem(field, m_pDoc->LocateField(pos) + 1);
        // The mark measured as nothing until now.
        m_pDoc->m_redraw.InvalByPos(pos, pos + 1);
        m_pDoc->ReRowByPos(pos, pos + 1, GDoc::kWholeParagraph);
        m_pDoc->Notify(1);
    }
    else
        m_pDoc->InsertField(field);
    m_pDoc->PropagateDown(m_pDoc->GetCharField(field->m_nPos), 0);
    return field;
}

void CWOpSetListStyle::UndoDeletedNumber()
{
    const Kept* kept = (const Kept*)m_kept[0];
    GList* field = PutBack(*kept, m_nFrom, !m_bWithMark);
    if (m_pFont)
        m_pFont->ActionUndo();
    if (m_bRestartsNext)
    {
        const long index = m_pDoc->GetCharField(field->m_nPos);
        GField* next = index >= 0 && index + 1 < m_pDoc->m_fields.count ? m_pDoc->m_fields[index + 1] : NULL;
        if (next && next->m_nKind == kFieldList)
        {
            ((GList*)next)->m_bContinues = 1;
            m_pDoc->PropagateDown(index, 0);
        }
    }
    m_pDoc->SetPos(m_nFrom);
}

BOOL CWOpSetListStyle::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    if (m_bDeletedNumber)
    {
        UndoDeletedNumber();
        return TRUE;
    }
    m_pDoc->SetPos(m_nFrom);
    // Applying a list inserts and removes no paragraph: the kept entries
    // follow the paragraphs from the first one on, wherever the fields
    // put their text now.
    const long first = m_pDoc->GetCharPara(m_nFrom);
    for (INT_PTR k = 0; k < m_kept.GetSize(); ++k)
    {
        const long para = first + (long)k;
        if (para >= m_pDoc->m_paras.count - 1)
            break;
        const Kept* kept = (const Kept*)m_kept[k];
        const long pos = m_pDoc->GetParaChar(para);
        if (GList* field = m_pDoc->GetListField(pos))
        {
            if (kept)
                field->ChangeStyle(RestoreEntry(kept->item), m_bCaretOnly);
            field->m_bLeaving = 1;
            m_pDoc->DeleteText(pos, pos + 1, 1);
        }
        if (kept)
            PutBack(*kept, pos);
    }
    m_pDoc->SetPos(m_nFrom);
    return TRUE;
}

BOOL CWOpSetListStyle::ActionRedo()
{
    if (m_bDeletedNumber)
    {
        // Without its mark the number goes with the text record after it.
        GList* field = m_bWithMark ? m_pDoc->GetListField(m_nFrom) : NULL;
        if (field)
        {
            field->m_bLeaving = 1;
            m_pDoc->DeleteText(m_nFrom, m_nFrom + 1, 1);
        }
        return TRUE;
    }
    m_pDoc->SetPos(m_nFrom);
    m_pDoc->Select(m_nFrom, m_bCaretOnly ? m_nFrom : m_nTo);
    const long index = RestoreEntry(m_item);
    m_pDoc->ApplyListStyle(index, m_nLevel, m_nStarts, m_nFromPrev, m_nChange);
    return TRUE;
}

CString CWOpSetListStyle::GetName()
{
    return OperationName(IDS_OP_SET_LIST_STYLE, "Set list style");
}

// ---- Promoted or demoted items

CWOpPromoteDemote::CWOpPromoteDemote(GDoc* flow, long from, long to, int promote)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nTo((LONG)to), m_nCaret(flow->m_nCaret), m_bPromote(promote)
{
    long first, last;
    if (!PromoteParagraphs(flow, from, to, first, last))
        return;
    for (long p = first; p <= last; ++p)
    {
        const GList* field = flow->GetListField(flow->GetParaChar(p));
        m_levels.Add(field ? (DWORD)field->m_nLevel : 0);
    }
}

BOOL CWOpPromoteDemote::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    long first, last;
    if (PromoteParagraphs(m_pDoc, m_nFrom, m_nTo, first, last))
        for (long p = first; p <= last && p - first < m_levels.GetSize(); ++p)
        {
            GList* field = m_pDoc->GetListField(m_pDoc->GetParaChar(p));
            const int level = (int)m_levels[p - first];
            if (!field || level == 0 || level == field->m_nLevel)
                continue;
            field->SetLevel(level);
            m_pDoc->m_redraw.InvalByPos(field->m_nPos, field->m_nPos + 1);
        }
    m_pDoc->SetPos(m_nCaret);
    return TRUE;
}

BOOL CWOpPromoteDemote::ActionRedo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    long first, last;
    if (PromoteParagraphs(m_pDoc, m_nFrom, m_nTo, first, last))
        for (long p = first; p <= last; ++p)
            if (GList* field = m_pDoc->GetListField(m_pDoc->GetParaChar(p)))
                m_bPromote ? field->Promote() : field->Demote();
    m_pDoc->SetPos(m_nCaret);
    return TRUE;
}

CString CWOpPromoteDemote::GetName()
{
    return m_bPromote ? OperationName(IDS_OP_PROMOTE, "Promote") : OperationName(IDS_OP_DEMOTE, "Demote");
}
