// GOle, an embedded object in the text (kind 1), and GCell, a spreadsheet
// cell or calculated value shown as its value text (kind 12). Both hold an
// item of the document's item list and store it by its handle.
#pragma once
#include "model/GField.h"
#include "ZTItems.h"

class GOle : public GField
{
public:
    // The label a new caption of an embedded object starts with (set at start-up).
    static CString CaptionLabel;
    // The item, held (TakeItem); the document's item list keeps it while
    // the flow lives (a flow destroyed as a whole clears this first, without
    // letting go). Set it only through TakeItem. Null when a stored
    // handle named no item: the field then keeps its stored size and
    // shows an empty outline.
    CZTOleRectItem* m_pItem;
    LONG m_nWidth = 0;           // displayed size, 0.1 mm
    LONG m_nHeight = 0;
    CRect m_rect;                // where it was drawn last

    GOle(GDoc* owner, long position, CZTOleRectItem* item);
    // A copy for the flow target, with the item cloned into its document
    // (document/object_field_copies.cpp).
    GOle(const GOle& other, GDoc* target);
    // Lets go of the item it still holds, which is released when no other
    // field or saved state holds it; the document forgets it as its
    // selected object.
    ~GOle() override;

    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;
    CSize GetSize(CDC* dc, int& ascent, long page) override;
    void Draw(CDC* dc, int shade, long page, CWView* view) override;
    void Update() override;
    void NullOwner() override;
    // A saved state: the same item, not a clone.
    GField* CreateCopy() override;
    CSize GetObjectSize() const override { return CSize(m_nWidth, m_nHeight); }
    void SetObjectSize(const CSize& size) override { m_nWidth = size.cx, m_nHeight = size.cy; }

    void SetSize(CSize size);
    CRect GetRect(CWView* view);     // view/object_field_rects.cpp
    GField& operator=(const GField& other) override;
    bool operator==(const GField& other) const override;

protected:
    // Holds item instead of the one held so far (null: none).
    void TakeItem(CZTOleRectItem* item);
    // The item as a cell or value item, or null.
    CZTFieldItem* FieldItem() const;
};

class GCell : public GOle
{
public:
    // The label a new caption of a cell field starts with (set at start-up).
    static CString CaptionFieldLabel;
    CString m_strText;           // the value last shown

    GCell(GDoc* owner, long position, CZTOleRectItem* item);
    // A copy for the flow target; a cell landing in another document keeps
    // the source cell's name (document/object_field_copies.cpp).
    GCell(const GCell& other, GDoc* target);
    using GOle::operator=;

    // The value, or two spaces without item or value, so that the cell
    // keeps a visible width.
    char* AsText(long page) override;
    // Measured as text in the placeholder's style.
    CSize GetSize(CDC* dc, int& ascent, long page) override { return GField::GetSize(dc, ascent, page); }
    void Draw(CDC* dc, int shade, long page, CWView* view) override;
    GField* CreateCopy() override;
    CString GetCellName() const override;
    void SetCellName(const CString& name) override;
};
