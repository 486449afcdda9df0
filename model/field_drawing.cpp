// A field measured and drawn as a short text in its placeholder's
// character style, with its background in the field colours of the options.
#include "model/GField.h"
#include "model/GDoc.h"
#include "model/GFontStyle.h"
#include "app/CWOptions.h"
#include "view/CWView.h"

namespace {

const unsigned short kSuperscriptBit = 0x10;

// The options colour a field kind's background takes.
int FieldColourIndex(BYTE kind)
{
    if (kind == kFieldFootNote || kind == kFieldCaption)
        return CWOptions::kColorColumns;
    if (kind == kFieldCell)
        return CWOptions::kColorMailMerge;
    return kind < CWOptions::kColorCount ? kind : CWOptions::kColorPage;
}

CPoint PenOf(CDC* dc, CWView* view)
{
    return CWView::PenPosition(dc, view);
}

} // namespace

CSize GField::GetSize(CDC* dc, int& ascent, long page)
{
    ascent = 0;
    const char* text = AsText(page);
    const GFontStyle* style = m_pDoc ? m_pDoc->GetCharFStylePtr(m_nPos) : NULL;
    if (!text || !style || !dc)
        return CSize(0, 0);
    const int extra = dc->SetTextCharacterExtra(0);
    CFont* old = dc->SelectObject(style->GetFont());
    ascent = style->GetAscent();
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC, text, (int)strlen(text), &size);
    const long rowWidth = m_pDoc->GetRowWidth(m_pDoc->GetCharRow(m_nPos), -1);
    if (size.cx > rowWidth)
        size.cx = rowWidth - 1;
    if (old)
        dc->SelectObject(old);
    dc->SetTextCharacterExtra(extra);
    return CSize(size);
}

void GField::Draw(CDC* dc, int shade, long page, CWView* view)
{
    dc->SetTextJustification(0, 1);
    dc->SetTextCharacterExtra(0);
    int ascent = 0;
    const CSize size = GetSize(dc, ascent, page);
    if (shade)
    {
        const CPoint pen = PenOf(dc, view);
        const CRect back(pen.x, pen.y + 1 - ascent, pen.x + size.cx + 1, pen.y + 1 - ascent + size.cy + 1);
        CBrush brush(Options.Colors[FieldColourIndex(m_nKind)]);
        dc->FillRect(&back, &brush);
    }
    const char* text = AsText(page);
    const GFontStyle* style = m_pDoc ? m_pDoc->GetCharFStylePtr(m_nPos) : NULL;
    if (!text || !style)
        return;
    CFont* old = dc->SelectObject(style->GetFont());
    dc->SetTextColor(style->GetColour());
    // An undefined superscript bit draws raised like a defined one.
    if (style->GetAttr(kSuperscriptBit) == 0)
        dc->TextOut(0, 0, text, (int)strlen(text));
    else
    {
        const CPoint pen = PenOf(dc, view);
        dc->MoveTo(pen.x, pen.y + style->GetBaselineOffset());
        dc->TextOut(0, 0, text, (int)strlen(text));
        dc->MoveTo(PenOf(dc, view).x, pen.y);
    }
    if (old)
        dc->SelectObject(old);
}
