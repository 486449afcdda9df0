// The framework library's item kinds that fields hold: embedded objects,
// cells and calculated values. Used by the word processor's fields.
#pragma once
#include "afxwin.h"
#include "ZTDoc.h"

class CWRectItem;

// An embedded object standing in a rectangle of the document.
class CZTOleRectItem : public CZTItem
{
public:
    CZTOleRectItem() : m_size(0, 0), m_pOleItem(NULL) {}
    explicit CZTOleRectItem(CSize size) : m_size(size), m_pOleItem(NULL) {}
    virtual ~CZTOleRectItem() {}

    // The object's natural size, 0.1 mm.
    CSize GetSize() const { return m_size; }
    void SetSize(CSize size) { m_size = size; }
    // Moves the object to rect; its size follows.
    void MoveTo(const CRect& rect) { m_size = rect.Size(); }
    // The client item whose owner reference fields point back at
    // themselves. Still missing: no embedding yet; answers null.
    CObject* GetOleItem() const { return m_pOleItem; }

    // A copy for another document, added to its item list. The rectangle
    // item and the flag are for the embedding, which does not exist yet.
    virtual CZTOleRectItem* Clone(CWRectItem* rectItem, CZTDoc* target, int flag);
    // Frees an item that a field still holds.
    virtual void Release();

protected:
    CSize m_size;
    CObject* m_pOleItem;
};

// A cell or calculated value (field kind 12) and the value it shows.
class CZTFieldItem : public CZTItem
{
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

protected:
    CString m_value;
    COLORREF m_backColor;
    int m_nPattern;
};

// A spreadsheet cell; its name is read for captions and restored when a
// cell field lands in another document.
class CZTCell : public CZTFieldItem
{
public:
    const CString& GetName() const { return m_name; }
    void SetName(const CString& name) { m_name = name; }

private:
    CString m_name;
};
