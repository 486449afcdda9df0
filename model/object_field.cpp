// Embedded-object and cell fields: their item by handle, sizes and drawing.
#include "model/GOle.h"
#include "model/GDoc.h"
#include "model/GFontStyle.h"
#include "model/object_fields.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "view/CWView.h"

namespace {

const char kNoValue[] = "  ";
const int kCellTextRoom = 128;
const int kCellClipExtra = 30;
const unsigned char kAnyCharset = 255;

} // namespace

GOle::GOle(GDoc* owner, long position, CZTOleRectItem* item) : GField(owner, position), m_pItem(NULL), m_rect(0, 0, 0, 0)
{
    m_nKind = kFieldOle;
    TakeItem(item);
    if (item)
    {
        const CSize size = item->GetSize();
        m_nWidth = size.cx;
        m_nHeight = size.cy;
        Update();
    }
}

GOle::~GOle()
{
    TakeItem(NULL);
    CWDocument* doc = m_pDoc ? m_pDoc->m_pOwner : NULL;
    if (doc && doc->m_pSelOle == this)
    {
        doc->m_pSelOle = NULL;
        doc->m_pSelItem = NULL;
    }
}

void GOle::TakeItem(CZTOleRectItem* item)
{
    if (item == m_pItem)
        return;
    if (item)
        item->Hold();
    if (m_pItem && m_pItem->Unhold())
        m_pItem->Release();
    m_pItem = item;
}

CZTFieldItem* GOle::FieldItem() const
{
    return dynamic_cast<CZTFieldItem*>(m_pItem);
}

void GOle::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ReadSizeAndRect(ar, m_nWidth, m_nHeight, m_rect);
    DWORD handle;
    ar >> handle;
    CWDocument* doc = m_pDoc ? m_pDoc->m_pOwner : NULL;
    TakeItem(doc ? dynamic_cast<CZTOleRectItem*>(doc->GetItem(handle)) : NULL);
    Update();
}

void GOle::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    WriteSizeAndRect(ar, m_nWidth, m_nHeight, m_rect);
    ar << (DWORD)(m_pItem ? m_pItem->GetHandle() : 0);
}

void GOle::NullOwner()
{
    if (m_pItem && m_pItem->GetOleItem())
        m_pItem->GetOleItem()->m_pOwner = this;
}

void GOle::Update()
{
    if (!m_pItem)
        return;
    m_pItem->GetSize();
    NullOwner();
}

void GOle::SetSize(CSize size)
{
    size = ClampObjectSize(size);
    m_nWidth = size.cx;
    m_nHeight = size.cy;
}

CSize GOle::GetSize(CDC*, int& ascent, long)
{
    const CSize natural = m_pItem ? m_pItem->GetSize() : CSize(m_nWidth, m_nHeight);
    const CSize size = FitObjectSize(*this, natural);
    m_nWidth = size.cx;
    m_nHeight = size.cy;
    ascent = size.cy;
    return size;
}

void GOle::Draw(CDC* dc, int, long, CWView*)
{
    const CPoint pen = dc->GetCurrentPosition();
    const UINT oldAlign = dc->SetTextAlign(0);
    if (m_pItem && m_pItem->GetOleItem() && m_pItem->GetOleItem()->GetItemState() != CZTOleClientItem::openState)
        Update();
    m_rect.SetRect(pen.x, pen.y - m_nHeight, pen.x + m_nWidth, pen.y);
    if (CZTFieldItem* item = FieldItem())
        item->ExternalDraw(dc, m_rect);
    else
    {
        // Still missing: embedding; an object (or a lost one) is its outline.
        HGDIOBJ oldBrush = ::SelectObject(dc->m_hDC, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(dc->m_hDC, m_rect.left, m_rect.top, m_rect.right, m_rect.bottom);
        ::SelectObject(dc->m_hDC, oldBrush);
    }
    dc->SetTextAlign(oldAlign);
    dc->MoveTo(pen.x + m_nWidth, pen.y);
}

GField* GOle::CreateCopy()
{
    GOle* copy = new GOle(m_pDoc, m_nPos, NULL);
    *copy = static_cast<const GField&>(*this);
    return copy;
}

GField& GOle::operator=(const GField& other)
{
    const GOle* source = dynamic_cast<const GOle*>(&other);
    if (source == this || !source)
        return *this;
    const GOle& from = *source;
    m_pDoc = from.m_pDoc;
    m_nKind = from.m_nKind;
    m_nPos = from.m_nPos;
    m_pSource = from.m_pSource;
    TakeItem(from.m_pItem);
    m_nWidth = from.m_nWidth;
    m_nHeight = from.m_nHeight;
    m_rect = from.m_rect;
    return *this;
}

bool GOle::operator==(const GField& other) const
{
    if (!GField::operator==(other))
        return false;
    const GOle& o = static_cast<const GOle&>(other);
    return m_pItem == o.m_pItem && m_nWidth == o.m_nWidth && m_nHeight == o.m_nHeight && m_rect == o.m_rect;
}

GCell::GCell(GDoc* owner, long position, CZTOleRectItem* item) : GOle(owner, position, item)
{
    m_nKind = kFieldCell;
}

char* GCell::AsText(long)
{
    CZTFieldItem* item = FieldItem();
    m_strText = item ? item->GetFieldValueAsText() : CString();
    if (m_strText.IsEmpty())
        m_strText = kNoValue;
    return m_strText.GetBuffer(kCellTextRoom);
}

void GCell::Draw(CDC* dc, int shade, long page, CWView* view)
{
    int ascent = 0;
    CSize size = GetSize(dc, ascent, page);
    size.cx += 1;
    size.cy += 1;
    const COLORREF back = Options.Colors[CWOptions::kColorMailMerge];
    if (CZTFieldItem* item = FieldItem())
        item->SetBackColor(back);
    if (shade)
    {
        const CPoint at = CWView::PenPosition(dc, view);
        const CRect fill(at.x, at.y + 1 - ascent, at.x + size.cx + 1, at.y + 1 - ascent + size.cy + 1);
        dc->FillSolidRect(&fill, back);
    }
    const CPoint pen = dc->GetCurrentPosition();
    const long top = pen.y + 1 - ascent;
    const char* text = AsText(page);
    const GFontStyle* placeholder = m_pDoc ? m_pDoc->GetCharFStylePtr(m_nPos) : NULL;
    if (!text || !placeholder)
        return;
    GFontStyle style(*placeholder);
    CFont* font = style.CreateFontA(kAnyCharset);
    CFont* old = font ? dc->SelectObject(font) : NULL;
    dc->SetTextColor(style.m_Colour);
    long clipWidth = size.cx + kCellClipExtra;
    const long rowWidth = m_pDoc->GetRowWidth(m_pDoc->GetCharRow(m_nPos), -1);
    if (clipWidth > rowWidth)
        clipWidth = rowWidth - 1;
    const CRect clip(pen.x, top, pen.x + clipWidth, top + 2 * size.cy);
    dc->ExtTextOut(0, 0, ETO_CLIPPED, &clip, text, (UINT)strlen(text), NULL);
    if (old)
        dc->SelectObject(old);
}

GField* GCell::CreateCopy()
{
    GCell* copy = new GCell(m_pDoc, m_nPos, NULL);
    *copy = static_cast<const GField&>(*this);
    copy->m_strText = m_strText;
    return copy;
}

CString GCell::GetCellName() const
{
    CZTCell* cell = dynamic_cast<CZTCell*>(m_pItem);
    return cell ? cell->GetName() : CString();
}

void GCell::SetCellName(const CString& name)
{
    if (CZTCell* cell = dynamic_cast<CZTCell*>(m_pItem))
        cell->SetName(name);
}
