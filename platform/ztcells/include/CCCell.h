// A calculated cell of the cells library: a cell field's item whose content
// is either fixed text or a formula. Still missing: a formula language; a
// formula is "=" and the name of a field of the data source, and computes
// to that field's value in the current record of the calculation context's
// document (empty when there is none).
#pragma once
#include "ZTItems.h"

// Value and formula texts a cell hands out are at most this long.
const int kMostCellText = 999;

class CCCell;

// The formula object of a cell; attaching it ties it to the cell's place
// and to a calculation context.
class CCFormula
{
public:
    void SetReference(CCCell* cell, CZTDoc* context)
    {
        m_pCell = cell;
        m_pContext = context;
    }
    void Attach(CZTDoc* context)
    {
        m_pContext = context;
        ++m_nAttachments;
    }
    CCCell* GetCell() const { return m_pCell; }
    CZTDoc* GetContext() const { return m_pContext; }
    int GetAttachments() const { return m_nAttachments; }

private:
    CCCell* m_pCell = NULL;
    CZTDoc* m_pContext = NULL;
    int m_nAttachments = 0;
};

class CCCell : public CZTCell
{
public:
    // Makes the value current in context (the module state's current
    // document when null).
    void Calculate(CZTDoc* context)
    {
        if (!HasFormula())
            return;
        if (!context)
            context = ZTGetModuleState()->m_pCurrentDoc;
        m_value = context ? context->GetMergeValue(FieldName()) : CString();
    }
    CString GetValueText() const { return CString(m_value).Left(kMostCellText); }
    // The formula, or the fixed text of a cell without one.
    CString GetFormulaText() const { return HasFormula() ? CString(m_formula).Left(kMostCellText) : GetValueText(); }
    // Text beginning with "=" becomes the formula; any other text the
    // fixed value.
    void SetContent(const CString& text)
    {
        if (!text.IsEmpty() && text[0] == '=')
        {
            m_formula = text;
            m_value.Empty();
        }
        else
        {
            m_formula.Empty();
            m_value = text;
        }
    }
    BOOL HasFormula() const { return !m_formula.IsEmpty(); }
    static CCFormula* LoadFormula(CCCell* cell) { return cell && cell->HasFormula() ? &cell->m_formulaObject : NULL; }

    // Merge values are computed when they are read.
    CString GetFieldValueAsText() override
    {
        Calculate(NULL);
        return m_value;
    }

protected:
    CZTOleRectItem* NewCopy() const override
    {
        CCCell* copy = new CCCell;
        CopyInto(copy);
        copy->m_formula = m_formula;
        return copy;
    }

private:
    CString FieldName() const
    {
        CString name = CString(m_formula).Mid(1);
        name.TrimLeft();
        name.TrimRight();
        return name;
    }

    CString m_formula;
    CCFormula m_formulaObject;
};
