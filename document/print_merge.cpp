// The print-time merge: before a printed page the current record's values
// are frozen into the cell fields and the fields that come out empty are
// removed (with the blank line they leave when CloseBlanks is on); after
// the page everything is put back. The removals go to a stack of the
// merge's own, so putting them back never depends on what the user's
// undo stack holds, refuses or is set to keep.
#include "model/GDoc.h"
#include "model/GOle.h"
#include "document/CWDocument.h"
#include "editing/CWUndoRedoStack.h"
#include "editing/document_editing.h"
#include "editing/merge_blanks.h"
#include "app/CWOptions.h"
#include "CCCell.h"
#include <algorithm>

namespace
{
// What a merged page leaves to be put back: the removals and the
// document's modified state before them.
class CPrintMergeState : public CObject
{
public:
    CWUndoRedoStack removals{TRUE};
    BOOL wasModified = FALSE;
};

// Recordings of doc go to stack for a scope, whatever the user's undo
// settings.
class CRecordInto
{
public:
    CRecordInto(CWDocument* doc, CWUndoRedoStack* stack)
        : m_pDoc(doc), m_pSaved(GetDocUndoStack(doc)), m_bEnabled(doc->m_bUndoEnabled)
    {
        SetDocUndoStack(doc, stack);
        doc->m_bUndoEnabled = TRUE;
    }
    ~CRecordInto()
    {
        SetDocUndoStack(m_pDoc, m_pSaved);
        m_pDoc->m_bUndoEnabled = m_bEnabled;
    }

private:
    CWDocument* m_pDoc;
    CWUndoRedoStack* m_pSaved;
    BOOL m_bEnabled;
};

CZTOleRectItem* CellItem(GField* field)
{
    GOle* cell = field && field->m_nKind == kFieldCell ? dynamic_cast<GOle*>(field) : NULL;
    return cell ? cell->m_pItem : NULL;
}

// The cell operations; an item that is no calculated cell holds fixed
// text.
CString CalculatedValue(CZTOleRectItem* item, CZTDoc* context)
{
    if (CCCell* cell = dynamic_cast<CCCell*>(item))
    {
        cell->Calculate(context);
        return cell->GetValueText();
    }
    CZTFieldItem* fixed = dynamic_cast<CZTFieldItem*>(item);
    return fixed ? fixed->GetFieldValueAsText().Left(kMostCellText) : CString();
}

CString FormulaText(CZTOleRectItem* item)
{
    if (CCCell* cell = dynamic_cast<CCCell*>(item))
        return cell->GetFormulaText();
    CZTFieldItem* fixed = dynamic_cast<CZTFieldItem*>(item);
    return fixed ? fixed->GetFieldValueAsText().Left(kMostCellText) : CString();
}

void SetContent(CZTOleRectItem* item, const CString& text)
{
    if (CCCell* cell = dynamic_cast<CCCell*>(item))
        cell->SetContent(text);
    else if (CZTFieldItem* fixed = dynamic_cast<CZTFieldItem*>(item))
        fixed->SetFieldValue(text);
}
} // namespace

// Positions and cell objects of the flow's cell fields, in field order.
static void CollectCells(GDoc& flow)
{
    for (LONG i = 0; i < flow.m_fields.count; ++i)
        if (CZTOleRectItem* item = CellItem(flow.m_fields[i]))
        {
            flow.m_uints.Add((UINT)flow.GetFieldChar(i));
            flow.m_ptrs.Add(item);
        }
}

static void EmptyMergeLists(GDoc& flow)
{
    flow.m_uints.RemoveAll();
    flow.m_ptrs.RemoveAll();
    flow.m_strings1.RemoveAll();
    flow.m_strings2.RemoveAll();
}

void GDoc::MergeNextPage(long page, long pagesPerRecord)
{
    if (!m_pOwner)
        return;
    // A page still merged is put back first.
    if (m_pMergeUndo || m_strings1.GetSize() > 0)
        RestoreFormulas();
    const long perRecord = std::max(1L, pagesPerRecord);
    m_pOwner->ActiveDataSourceDoRecord((std::max(1L, page) - 1) / perRecord + 1);
    CZTDoc::CCalcEngine context(m_pOwner);

    CPrintMergeState* state = new CPrintMergeState;
    state->wasModified = m_pOwner->IsModified();
    m_pMergeUndo = state;
    CRecordInto recording(m_pOwner, &state->removals);

    EmptyMergeLists(*this);
    CollectCells(*this);
    for (INT_PTR i = 0; i < m_ptrs.GetSize(); ++i)
        m_strings1.Add(CalculatedValue((CZTOleRectItem*)m_ptrs[i], m_pOwner));

    long shift = 0;
    for (INT_PTR i = 0; i < m_ptrs.GetSize(); ++i)
    {
        CZTOleRectItem* item = (CZTOleRectItem*)m_ptrs[i];
        const long p = (long)m_uints[i] + shift;
        if (!m_strings1[i].IsEmpty())
        {
            m_strings2.Add(FormulaText(item));
            SetContent(item, m_strings1[i]);
            continue;
        }
        m_strings2.Add(CString());
        DeleteText(p, p + 1, 1);
        --shift;
        if (Options.CloseBlanks)
            shift -= CloseBlankLine(*this, p);
    }
}

void GDoc::RestoreFormulas()
{
    if (!m_pOwner)
        return;
    CPrintMergeState* state = dynamic_cast<CPrintMergeState*>(m_pMergeUndo);
    if (state)
    {
        CRecordInto recording(m_pOwner, &state->removals);
        while (state->removals.Undo())
            ;
    }
    m_uints.RemoveAll();
    m_ptrs.RemoveAll();
    {
        CZTDoc::CCalcEngine context(m_pOwner);
        CollectCells(*this);
        const INT_PTR n = std::min(m_strings1.GetSize(), std::min(m_strings2.GetSize(), m_ptrs.GetSize()));
        for (INT_PTR i = 0; i < n; ++i)
            if (!m_strings2[i].IsEmpty())
                SetContent((CZTOleRectItem*)m_ptrs[i], m_strings2[i]);
        EmptyMergeLists(*this);
    }
    if (state)
    {
        m_pMergeUndo = NULL;
        m_pOwner->SetModifiedFlag(state->wasModified);
        delete state;
    }
}

void GDoc::UpdateFormulaFields()
{
    if (!m_pOwner)
        return;
    CZTDoc::CCalcEngine context(m_pOwner);
    for (LONG i = 0; i < m_fields.count; ++i)
    {
        CCCell* cell = dynamic_cast<CCCell*>(CellItem(m_fields[i]));
        CCFormula* formula = cell && cell->HasFormula() ? CCCell::LoadFormula(cell) : NULL;
        if (!formula)
            continue;
        formula->SetReference(cell, m_pOwner);
        formula->Attach(m_pOwner);
    }
}
