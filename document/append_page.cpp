// Appending one page of a flow to the end of another, with its formats
// and the fields that make sense in a copy (page numbers, dates, list
// numbers).
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GListField.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include <algorithm>
#include <string>

namespace
{
// Every flow ends with 13, 12, 0; copies go before them.
const long kClosingChars = 3;

bool IsCopiedKind(BYTE kind)
{
    return kind == kFieldPageNum || kind == kFieldDateTime || kind == kFieldList;
}

// A list number takes its list style by name from the target's document
// (the first list style when the name is not there), with the source's
// level and counters.
GField* CopyOfListNumber(const GList& source, GDoc* target)
{
    long style = 0;
    CWDocument* from = source.m_pDoc ? source.m_pDoc->m_pOwner : NULL;
    CWDocument* to = target->m_pOwner;
    if (from && to && source.m_nStyle >= 0 && source.m_nStyle < from->m_listStyles.GetCount())
        style = std::max(0L, to->m_listStyles.FindStyle(from->m_listStyles[source.m_nStyle].name));
    GList* copy = new GList(target, 0, style, source.m_bContinues, source.m_nLevel);
    std::copy(std::begin(source.m_nNumbers), std::end(source.m_nNumbers), std::begin(copy->m_nNumbers));
    return copy;
}
} // namespace

// Copies text [from, to) of src to at, then its character and paragraph
// formats run by run.
static void CopyPiece(GDoc& target, const GDoc& src, long from, long to, long at)
{
    std::string text;
    for (long pos = from; pos < to; ++pos)
        text += (char)(BYTE)src.m_chars[pos];
    target.InsertText(at, &text[0], 1);
    for (long pos = from; pos < to;)
    {
        const long end = std::min(src.CharWithNextFormat(pos), to);
        GFontStyle style = *src.GetCharFStylePtr(pos);
        target.SetFontStyle(at + pos - from, at + end - from, style, 1);
        pos = std::max(end, pos + 1);
    }
    for (long pos = from; pos < to;)
    {
        const long end = std::min(src.CharWithNextPara(pos), to);
        GParaStyle style = *src.GetCharPStylePtr(pos);
        target.SetParaStyle(at + pos - from, at + end - from, style);
        pos = std::max(end, pos + 1);
    }
}

void GDoc::AppendDocPage(const GDoc& src, long page)
{
    const long textEnd = src.m_chars.GetCount() - kClosingChars;
    long from = 0, to = textEnd;
    if (src.m_nIndex == kBodyFlow)
    {
        // The page list ends with a closing entry; pages past the last
        // real one, and negative ones, have nothing to copy.
        if (page < 0 || page > src.m_pages.GetCount() - 2)
            return;
        from = src.GetPageChar(page);
        to = std::min(src.GetPageChar(page + 1), textEnd);
    }
    if (to <= 0 || from >= to)
        return;

    long at = m_chars.GetCount() - kClosingChars;
    long pieceStart = from;
    for (long pos = from; pos <= to; ++pos)
    {
        const bool field = pos < to && (BYTE)src.m_chars[pos] == kFieldMark;
        if (!field && pos < to)
            continue;
        if (pos > pieceStart)
        {
            CopyPiece(*this, src, pieceStart, pos, at);
            at += pos - pieceStart;
        }
        pieceStart = pos + 1;
        if (!field)
            break;
        const long index = src.GetCharField(pos);
        GField* source = index >= 0 ? src.m_fields[index] : NULL;
        if (!source || !IsCopiedKind(source->m_nKind))
            continue;
        GField* copy = source->m_nKind == kFieldList ? CopyOfListNumber(*(const GList*)source, this)
                                                      : source->CreateCopy();
        copy->m_pDoc = this;
        copy->m_nPos = (LONG)at;
        InsertField(copy);
        if (!m_pOwner || !m_pOwner->m_bClipboard)
            copy->Update();
        GFontStyle fontStyle = *src.GetCharFStylePtr(pos);
        SetFontStyle(at, at + 1, fontStyle, 1);
        GParaStyle paraStyle = *src.GetCharPStylePtr(pos);
        SetParaStyle(at, at + 1, paraStyle);
        ++at;
    }
}
