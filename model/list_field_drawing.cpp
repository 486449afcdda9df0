// List labels measured and drawn: prefix and suffix in the placeholder's
// character style, the number in the level's font laid over it, aligned
// in a label box whose width only ever grows.
#include "model/GListField.h"
#include "model/GDoc.h"
#include "model/GStyleTbl.h"
#include "document/CWDocument.h"
#include "view/CWView.h"
#include <algorithm>
#include <cstring>

namespace
{
CSize Extent(CDC* dc, const GFontStyle* style, const char* text)
{
    SIZE size = {0, 0};
    CFont* old = dc->SelectObject(style->GetFont());
    ::GetTextExtentPoint32A(dc->m_hAttribDC ? dc->m_hAttribDC : dc->m_hDC, text, (int)strlen(text), &size);
    if (old)
        dc->SelectObject(old);
    return CSize(size);
}

// Width of the label box for a label measured at width.
long BoxWidth(const GLevelStyle& level, long width)
{
    return level.m_Gap + std::max(width, (long)(level.m_Width - level.m_Gap));
}
} // namespace

void GList::NumberStyle(int level, const GFontStyle* text, GFontStyle& merged) const
{
    const GLevelStyle* l = GetLevelStyle(level);
    if (l)
        merged.MergeFonts(l->m_Font, text);
    else
        merged = *text;
}

void GList::Accumulate(CSize& size, int ascent, CSize extent, int pieceAscent)
{
    size.cx += extent.cx;
    if (pieceAscent > ascent)
        size.cy += pieceAscent - ascent;
    if (extent.cy - pieceAscent > size.cy - ascent)
        size.cy += (extent.cy - pieceAscent) - (size.cy - ascent);
}

void GList::LoopSize(CDC* dc, int level, const GFontStyle* text, int& ascent, CSize& size)
{
    level = std::max(1, std::min(level, kListLevels));
    if (level == 1)
    {
        ascent = text->GetAscent();
        size = CSize(0, ascent);
    }
    else
        LoopSize(dc, level - 1, text, ascent, size);
    const GListLabel& label = m_Labels[level - 1];
    if (label.prefix[0])
        Accumulate(size, ascent, Extent(dc, text, label.prefix), text->GetAscent());
    if (label.number[0])
    {
        GFontStyle merged;
        NumberStyle(level, text, merged);
        Accumulate(size, ascent, Extent(dc, &merged, label.number), merged.GetAscent());
    }
    if (label.suffix[0])
        Accumulate(size, ascent, Extent(dc, text, label.suffix), text->GetAscent());
}

void GList::Measure()
{
    const GFontStyle* text = m_pDoc ? m_pDoc->GetCharFStylePtr(m_nPos) : NULL;
    const GStyleTbl<GListStyle>* table = m_pDoc && m_pDoc->m_pOwner ? &m_pDoc->m_pOwner->m_listStyles : NULL;
    if (!text || !table || m_nStyle < 0 || m_nStyle >= table->count)
        return;
    CDC* dc = GetMemIC();
    if (!dc || !dc->m_hDC)
        return;
    dc->SetTextJustification(0, 1);
    dc->SetTextCharacterExtra(0);
    int ascent = 0;
    CSize size(0, 0);
    LoopSize(dc, m_nLevel, text, ascent, size);
    // The box keeps the widest label it ever held.
    GLevelStyle& level = (*const_cast<GStyleTbl<GListStyle>*>(table))[m_nStyle].style.Level(m_nLevel);
    level.m_Width = (short)BoxWidth(level, size.cx);
}

CSize GList::GetSize(CDC* dc, int& ascent, long)
{
    ascent = 0;
    const GFontStyle* text = m_pDoc ? m_pDoc->GetCharFStylePtr(m_nPos) : NULL;
    const GLevelStyle* level = GetLevelStyle();
    if (!dc || !text)
        return CSize(0, 0);
    const int extra = dc->SetTextCharacterExtra(0);
    CSize size(0, 0);
    LoopSize(dc, m_nLevel, text, ascent, size);
    dc->SetTextCharacterExtra(extra);
    return CSize(level ? BoxWidth(*level, size.cx) : size.cx, size.cy);
}

void GList::LoopDraw(CDC* dc, int level, const GFontStyle* text, const GFontStyle* number)
{
    if (level > 1)
    {
        GFontStyle upper;
        NumberStyle(level - 1, text, upper);
        LoopDraw(dc, level - 1, text, &upper);
    }
    const GListLabel& label = m_Labels[level - 1];
    const struct
    {
        const char* piece;
        const GFontStyle* style;
    } pieces[] = {{label.prefix, text}, {label.number, number}, {label.suffix, text}};
    for (const auto& p : pieces)
    {
        if (!p.piece[0])
            continue;
        CFont* old = dc->SelectObject(p.style->GetFont());
        dc->SetTextColor(p.style->GetColour());
        dc->TextOut(0, 0, p.piece, (int)strlen(p.piece));
        if (old)
            dc->SelectObject(old);
    }
}

void GList::Draw(CDC* dc, int, long, CWView*)
{
    const GFontStyle* text = m_pDoc ? m_pDoc->GetCharFStylePtr(m_nPos) : NULL;
    if (!dc || !text || m_nLevel < 1 || m_nLevel > kListLevels)
        return;
    const int saved = dc->SaveDC();
    POINT start = {0, 0};
    HDC from = dc->IsPrinting() || !dc->m_hAttribDC ? dc->m_hDC : dc->m_hAttribDC;
    ::GetCurrentPositionEx(from, &start);
    dc->SetTextJustification(0, 1);
    dc->SetTextCharacterExtra(0);
    int ascent = 0;
    CSize size(0, 0);
    LoopSize(dc, m_nLevel, text, ascent, size);
    const GLevelStyle* level = GetLevelStyle();
    const long box = level ? BoxWidth(*level, size.cx) : size.cx;
    long shift = 0;
    if (level && level->m_Align != GLevelStyle::kLabelLeft)
    {
        const long room = level->m_Width - level->m_Gap - size.cx;
        if (room > 0)
            shift = level->m_Align == GLevelStyle::kLabelCentre ? room / 2 : room;
    }
    dc->MoveTo((int)(start.x + shift), start.y);
    GFontStyle number;
    NumberStyle(m_nLevel, text, number);
    LoopDraw(dc, m_nLevel, text, &number);
    dc->RestoreDC(saved);
    dc->MoveTo((int)(start.x + box), start.y);
}
