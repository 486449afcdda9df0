// The framework library's item kinds that fields hold: embedded objects,
// cells and calculated values. Used by the word processor's fields.
#pragma once
#include "afxwin.h"
#include "ZTDoc.h"
#include "afxole.h"
#include "CellFormat.h"

class CWRectItem;

class CZTOleRectItem;

// The client side of an embedded object: its state and the object that
// shows it (the field that holds the item points this back at itself).
// Still missing: the embedding itself (server, storage, drawing).
class CZTOleClientItem : public COleClientItem
{
public:
    CZTOleClientItem() { m_nItemState = loadedState; }
    // The rectangle item that holds it forgets it (a document deleting its
    // client sites deletes it under the rectangle item).
    virtual ~CZTOleClientItem();
    void SetItemState(int state) { m_nItemState = state; }

    void* m_pOwner = NULL;       // what shows the object; not owned
    CZTOleRectItem* m_pHolder = NULL;
};

// An embedded object standing in a rectangle of the document.
class CZTOleRectItem : public CZTItem
{
    DECLARE_DYNCREATE(CZTOleRectItem)
public:
    CZTOleRectItem() : m_size(0, 0), m_pOleItem(NULL) { SetOleItem(new CZTOleClientItem); }
    explicit CZTOleRectItem(CSize size) : m_size(size), m_pOleItem(NULL) { SetOleItem(new CZTOleClientItem); }
    virtual ~CZTOleRectItem();

    // The object's natural size, 0.1 mm.
    CSize GetSize() const { return m_size; }
    void SetSize(CSize size) { m_size = size; }
    // Moves the object to rect; its size follows.
    void MoveTo(const CRect& rect) { m_size = rect.Size(); }
    // The client item whose owner reference fields point back at
    // themselves; null only after the document deleted its client sites.
    CZTOleClientItem* GetOleItem() const { return m_pOleItem; }

    // A copy for another document, added to its item list; rectItem (owned
    // by the copy from then on) becomes its client item when given. The
    // flag is for the embedding, which does not exist yet.
    virtual CZTOleRectItem* Clone(CWRectItem* rectItem, CZTDoc* target, int flag);
    // Frees an item that a field still holds.
    virtual void Release();
    // The size and the client item's state.
    void Serialize(CArchive& ar) override;
    // Fields that show the item and the saved states that share it with
    // them hold it; the last to let go releases it (Unhold answers true).
    void Hold() { ++m_nHolds; }
    bool Unhold() { return --m_nHolds <= 0; }

    // Takes item (owned from then on) as its client item, deleting the
    // one held so far; null is ignored.
    void SetOleItem(CZTOleClientItem* item);

protected:
    friend class CZTOleClientItem;
    // The copy's own part, before it joins the target's list.
    virtual CZTOleRectItem* NewCopy() const { return new CZTOleRectItem(m_size); }

    CSize m_size;
    CZTOleClientItem* m_pOleItem;   // owned
    int m_nHolds = 0;
};

// A cell or calculated value (field kind 12) and the value it shows; it
// stands in the text as an object of the item list.
class CZTFieldItem : public CZTOleRectItem
{
    DECLARE_DYNCREATE(CZTFieldItem)
public:
    CZTFieldItem() : m_backColor(RGB(255, 255, 255)), m_nPattern(0) {}
    virtual ~CZTFieldItem() {}

    virtual CString GetFieldValueAsText() { return m_value; }
    void SetFieldValue(const CString& value) { m_value = value; }
    void SetBackColor(COLORREF color) { m_backColor = color; }
    COLORREF GetBackColor() const { return m_backColor; }
    void SetPatternStyle(int pattern) { m_nPattern = pattern; }
    int GetPatternStyle() const { return m_nPattern; }
    // Draws the value on its background into rect.
    virtual void ExternalDraw(CDC* dc, const CRect& rect);
    // Then the value, the background colour and the pattern.
    void Serialize(CArchive& ar) override;

protected:
    CZTOleRectItem* NewCopy() const override;
    CZTFieldItem* CopyInto(CZTFieldItem* copy) const;

    CString m_value;
    COLORREF m_backColor;
    int m_nPattern;
};

// A spreadsheet cell; its name is read for captions and restored when a
// cell field lands in another document.
class CZTCell : public CZTFieldItem
{
    DECLARE_DYNCREATE(CZTCell)
public:
    // A copy of a cell is a cell; its name comes from whoever places it.
    CZTOleRectItem* NewCopy() const override;
    const CString& GetName() const { return m_name; }
    void SetName(const CString& name) { m_name = name; }
    // Then the name.
    void Serialize(CArchive& ar) override;

    // The cell's formula ("=" and an expression) and the value type it
    // reports. Still missing: a calculation engine and the formula's and
    // format's stored form; a formula of numbers and arithmetic reports
    // kValueNumericFormula and shows its text, any other text type
    // kValueText.
    enum { kValueEmpty = 0, kValueText = 1, kValueNumericFormula = 3 };
    void SetFormula(const CString& formula)
    {
        m_formula = formula;
        m_value = formula;
    }
    const CString& GetFormula() const { return m_formula; }
    int GetValueType() const;
    void SetFormat(const CZTCellFormat& format) { m_format = format; }
    const CZTCellFormat& GetFormat() const { return m_format; }

private:
    CString m_name;
    CString m_formula;
    CZTCellFormat m_format;
};
