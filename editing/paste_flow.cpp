// Pasting the selection of one flow into another at the caret: styles come
// over through a map from the source's tables to the target's, fields are
// copied for the target flow, list items, paragraph styles, borders and
// shading follow; one undo step. The source flow and its document are
// never changed.
#include "model/GDoc.h"
#include "model/GStyleTbl.h"
#include "model/GField.h"
#include "model/GDateTime.h"
#include "model/GPageNum.h"
#include "model/GDocTitle.h"
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include "model/GFootNote.h"
#include "model/GCaption.h"
#include "model/GListField.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "resources/resource.h"
#include "editing/editing_support.h"
#include "editing/undo_group.h"
#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace
{
const char kBlank = ' ';
// Neighbours below this code (as signed bytes) get no smart blank: control
// codes, field marks and every byte of 128 or above.
const signed char kFirstPlainCode = 14;

bool TakesSmartBlank(char c)
{
    return (signed char)c >= kFirstPlainCode && c != kBlank;
}

// Re-breaking of the target document is suspended for a scope.
class CReRowsSuspended
{
public:
    explicit CReRowsSuspended(CWDocument* doc) : m_pDoc(doc) { m_pDoc->ReRows(0); }
    ~CReRowsSuspended() { Resume(); }
    void Resume()
    {
        if (m_pDoc)
            m_pDoc->ReRows(1);
        m_pDoc = nullptr;
    }

private:
    CWDocument* m_pDoc;
};

// Undo recording of a document switched off for a scope (the text of a
// new footnote goes with its mark's own record).
class CUndoSuspended
{
public:
    explicit CUndoSuspended(CWDocument* doc) : m_pDoc(doc), m_bSaved(doc->m_bUndoEnabled)
    {
        m_pDoc->m_bUndoEnabled = FALSE;
    }
    ~CUndoSuspended() { m_pDoc->m_bUndoEnabled = m_bSaved; }

private:
    CWDocument* m_pDoc;
    BOOL m_bSaved;
};

// Source style indexes and the target entries they stand for. Items are
// added to the target's tables as copies; the source's tables stay as
// they are.
class StyleMap
{
public:
    StyleMap(const CWDocument& source, CWDocument& target) : m_src(source), m_dst(target) {}

    long Font(long i)
    {
        return Import(m_fonts, m_src.m_fontStyles, i, [this](GStyleItem<GFontStyle>& item) { return m_dst.AddNewFStyle(item); });
    }

    long Para(long i)
    {
        return Import(m_paras, m_src.m_paraStyles, i, [this](GStyleItem<GParaStyle>& item) { return m_dst.AddNewPStyle(item); });
    }

    // A master of the same name in the target stands for the source's;
    // otherwise one is made of the imported character and paragraph
    // styles.
    long Master(long i)
    {
        if (i < 0 || i >= m_src.m_masterStyles.count)
            return -1;
        auto found = m_masters.find(i);
        if (found != m_masters.end())
            return found->second;
        const GStyleItem<GMasterStyle>& src = m_src.m_masterStyles[i];
        GStyleItem<GMasterStyle> item(src.name, GMasterStyle((int)Font(src.style.m_Font), (int)Para(src.style.m_Para)),
                                      src.key);
        long index = src.IsNamed() ? m_dst.m_masterStyles.FindStyle(src.name) : -1;
        if (index < 0)
            index = m_dst.AddNewMStyle(item);
        return m_masters[i] = index;
    }

    long List(long i)
    {
        return Import(m_lists, m_src.m_listStyles, i, [this](GStyleItem<GListStyle>& item) { return m_dst.AddNewLStyle(item); });
    }

    // The target's reference for a source run's or paragraph's reference;
    // index -1 when it names nothing.
    Mint FontRef(Mint ref) { return ref.master ? Mint((short)Master(ref.index), 1) : Mint((short)Font(ref.index), 0); }
    Mint ParaRef(Mint ref) { return ref.master ? Mint((short)Master(ref.index), 1) : Mint((short)Para(ref.index), 0); }

private:
    // The target index of source entry i: a copy of the entry is added to
    // the target's table (found there when equal or of the same name),
    // once per entry.
    template <class T, class Add>
    long Import(std::map<long, long>& done, const GStyleTbl<T>& from, long i, Add add)
    {
        if (i < 0 || i >= from.count)
            return -1;
        auto found = done.find(i);
        if (found != done.end())
            return found->second;
        GStyleItem<T> item = from[i];
        return done[i] = add(item);
    }

    const CWDocument& m_src;
    CWDocument& m_dst;
    std::map<long, long> m_fonts, m_paras, m_masters, m_lists;
};

// A copy of a source field for the target flow, or null for a kind that
// is not copied. Object and cell fields get items of their own;
// footnotes a note flow of the target's document.
GField* CopyForTarget(GField* field, GDoc* target)
{
    switch (field->m_nKind)
    {
    case kFieldOle:
        return new GOle(*(GOle*)field, target);
    case kFieldCell:
        return new GCell(*(GCell*)field, target);
    case kFieldDateTime:
        return new GDateTime(*(GDateTime*)field);
    case kFieldPageNum:
        return new GPageNum(*(GPageNum*)field);
    case kFieldDocTitle:
        return new GDocTitle(*(GDocTitle*)field);
    case kFieldImage:
        return new GImage(*(GImage*)field);
    case kFieldLumifex:
        return new GLumifex(*(GLumifex*)field);
    case kFieldCaption:
        return new GCaption(*(GCaption*)field);
    case kFieldFootNote:
        return new GFootNote(target, *(GFootNote*)field);
    default:
        return NULL;
    }
}

// The note's text after its note-side mark.
long NoteTextStart(const GDoc& note)
{
    return note.m_chars.count > 3 && note.m_chars[0] == kFieldMark ? 1 : 0;
}

void PasteRange(GDoc& target, const GDoc& source, long first, long end, std::vector<GDoc*>& notes);

// The new footnote's note flow takes the source note's text.
void CopyNoteText(GFootNote& copy, const GFootNote& original, std::vector<GDoc*>& notes)
{
    GDoc* note = copy.m_pNote;
    const GDoc* from = original.m_pNote;
    if (!note || !from || !note->m_pOwner || !from->m_pOwner)
        return;
    CUndoSuspended quiet(note->m_pOwner);
    note->m_nCaret = note->m_nSelFirst = note->m_nSelEnd = (LONG)NoteTextStart(*note);
    PasteRange(*note, *from, NoteTextStart(*from), from->m_chars.count - 3, notes);
    notes.push_back(note);
}

long ClampToText(const GDoc& flow, long pos)
{
    return std::max(0L, std::min(pos, (long)flow.m_chars.count - 3));
}

bool IsListFieldAt(const GDoc& flow, long pos)
{
    return pos >= 0 && pos < flow.m_chars.count && flow.m_chars[pos] == kFieldMark && flow.GetListField(pos);
}

// Makes the target paragraph at pos a list item like list field src; the
// characters this adds before or at pos move pos on.
void ApplySourceList(GDoc& target, const GList& src, StyleMap& styles, long& pos)
{
    const long style = styles.List(src.m_nStyle);
    if (style < 0)
        return;
    int starts[kListLevels];
    for (int k = 0; k < kListLevels; ++k)
        starts[k] = (int)src.m_nNumbers[k];
    const long before = target.m_chars.count;
    target.m_nCaret = target.m_nSelFirst = target.m_nSelEnd = (LONG)pos;
    target.ApplyListStyle(style, (int)src.m_nLevel, starts, (int)src.m_bContinues, 1);
    pos += target.m_chars.count - before;
}

void PasteRange(GDoc& target, const GDoc& source, long first, long end, std::vector<GDoc*>& notes)
{
    CWDocument* dstDoc = target.m_pOwner;
    const CWDocument* srcDoc = source.m_pOwner;
    const long srcSelFirst = first, srcSelEnd = end;
    const bool fromClipboard = srcDoc->m_bClipboard && !dstDoc->m_bClipboard;
    const bool smart = Options.SmartCutPaste != 0;

    CUndoGroup group(&target, IDS_OP_PASTE);
    CChangeBracket bracket(dstDoc);
    CReRowsSuspended suspended(dstDoc);

    // The target's selection goes first; the insertion point is the caret.
    const long selFirst = std::min(target.m_nSelFirst, target.m_nSelEnd);
    const long selEnd = std::max(target.m_nSelFirst, target.m_nSelEnd);
    if (selEnd > selFirst)
        target.DeleteText(selFirst, selEnd, 1);
    target.m_nPasteCount = target.m_nPasteSpaces = 0;
    long at = ClampToText(target, std::min((long)target.m_nCaret, selFirst));
    target.m_nCaret = target.m_nSelFirst = target.m_nSelEnd = (LONG)at;
    target.m_redraw.Select(at, at);
    const long targetPara = target.GetCharPara(at);
    const bool inEmptyRow = target.m_chars[target.GetRowChar(target.GetCharRow(at))] == kParagraphEnd;

    if (smart)
    {
        while (end > first && source.m_chars[end - 1] == kBlank)
            --end;
        while (first < end && first < source.m_chars.count - 3 && source.m_chars[first] == kBlank)
            ++first;
    }
    if (end <= first)
    {
        // Nothing to paste: the rows of the deleted selection are broken
        // again all the same.
        suspended.Resume();
        const long row = target.GetCharRow(at);
        target.ReRowByRow(row, std::min(row + 1, (long)target.m_rows.count - 1), GDoc::kReRowEdit,
                          GDoc::kWholeParagraph);
        return;
    }

    StyleMap styles(*srcDoc, *dstDoc);
    // The source's runs and paragraphs of the range.
    const long firstRun = source.GetCharFormat(first), lastRun = source.GetCharFormat(end - 1);
    const long firstPara = source.GetCharPara(first), lastPara = source.GetCharPara(end - 1);

    // A range that begins with a list number makes the target paragraph a
    // list item first; the number is not copied again.
    if (const GList* list = source.GetListField(first))
    {
        // A paragraph that is a list item already keeps its one number,
        // restyled; the text never goes before it.
        ApplySourceList(target, *list, styles, at);
        ++first;
        if (IsListFieldAt(target, at) && at == target.GetParaChar(target.GetCharPara(at)))
            ++at;
    }
    long offset = at - first;
    long a = at;

    // Text and fields.
    std::map<GField*, GField*> copies;   // source field -> its copy
    std::vector<std::pair<GCaption*, GField*>> captions;
    std::string chunk;
    auto flush = [&]() {
        if (chunk.empty())
            return;
        target.InsertText(at, &chunk[0], 0);
        at += (long)chunk.size();
        chunk.clear();
    };
    for (long p = first; p < end; ++p)
    {
        const char c = source.m_chars[p];
        if (c != (char)kFieldMark)
        {
            chunk += c;
            continue;
        }
        flush();
        const long index = source.GetCharField(p);
        GField* field = index >= 0 ? source.m_fields[index] : NULL;
        if (!field)
        {
            // A mark without a field keeps its place as a blank.
            chunk += kBlank;
            continue;
        }
        if (field->m_nKind == kFieldList)
        {
            ApplySourceList(target, *(GList*)field, styles, at);
            continue;
        }
        GField* copy = CopyForTarget(field, &target);
        if (!copy)
        {
            chunk += kBlank;
            continue;
        }
        copy->m_pDoc = &target;
        copy->m_nPos = (LONG)at;
        copy->m_pSource = field;
        copies[field] = copy;
        if (field->m_nKind == kFieldCaption)
            captions.push_back({(GCaption*)copy, ((GCaption*)field)->m_pObject});
        if (field->m_nKind == kFieldFootNote)
            CopyNoteText(*(GFootNote*)copy, *(GFootNote*)field, notes);
        target.InsertField(copy);
        if (!dstDoc->m_bClipboard)
            copy->Update();
        ++at;
    }
    flush();
    long b = at;

    // Smart spaces keep the pasted words apart from their neighbours.
    if (smart)
    {
        if (a > 0 && TakesSmartBlank(target.m_chars[a]) && TakesSmartBlank(target.m_chars[a - 1]))
        {
            char blank[2] = {kBlank, 0};
            target.InsertText(a, blank, 0);
            ++target.m_nPasteSpaces;
            ++b;
            ++offset;
        }
        if (b != target.m_chars.count - 3 && TakesSmartBlank(target.m_chars[b - 1]) && TakesSmartBlank(target.m_chars[b]))
        {
            char blank[2] = {kBlank, 0};
            target.InsertText(b, blank, 0);
            ++target.m_nPasteSpaces;
            ++b;
        }
    }

    // A pasted caption names the pasted copy of its object, or nothing.
    for (auto& caption : captions)
    {
        auto copy = caption.second ? copies.find(caption.second) : copies.end();
        caption.first->m_pObject = copy != copies.end() ? copy->second : NULL;
    }

    // Character formats of the pasted text, run by run.
    auto map = [&](long p) { return std::max(0L, p + offset); };
    for (long r = firstRun; r <= lastRun; ++r)
    {
        const long runStart = std::max(first, (long)source.m_formats[r].pos);
        const long runEnd = std::min(end, r + 1 < source.m_formats.count ? (long)source.m_formats[r + 1].pos : end);
        const Mint ref = styles.FontRef(source.m_formats[r].style);
        if (runEnd > runStart && ref.index >= 0)
            target.SetFontStyle(map(runStart), map(runEnd), ref);
    }

    // Paragraph styles; from the clipboard into the middle of a paragraph,
    // the first pasted paragraph joins the target's and takes its style.
    long srcPara = firstPara, dstPara = targetPara;
    const Mint joined = target.m_paras[targetPara].style;
    const long joinedCount = joined.master ? dstDoc->m_masterStyles.count : dstDoc->m_paraStyles.count;
    if (fromClipboard && !inEmptyRow && joined.index >= 0 && joined.index < joinedCount)
        ++srcPara, ++dstPara;
    for (; srcPara <= lastPara && dstPara < target.m_paras.count - 1; ++srcPara, ++dstPara)
    {
        const Mint ref = styles.ParaRef(source.m_paras[srcPara].style);
        if (ref.index < 0)
            continue;
        const long pos = target.GetParaChar(dstPara);
        target.SetParaStyle(pos, pos, ref);
    }

    // Borders and shading over the source's selection.
    const LONG keptFirst = target.m_nSelFirst, keptEnd = target.m_nSelEnd;
    for (LONG i = 0; i < source.m_borders.count; ++i)
    {
        GBorder border = source.m_borders[i];
        const long from = std::max((long)border.first, srcSelFirst), to = std::min((long)border.end, srcSelEnd);
        if (to <= from || !border.sides)
            continue;
        CBorderStyle sides[4] = {border.left, border.right, border.top, border.bottom};
        target.SetBorder(32 + border.sides, sides, (int)border.distance, map(from), map(to));
    }
    for (LONG i = 0; i < source.m_shades.count; ++i)
    {
        const GShade& shade = source.m_shades[i];
        const long from = std::max((long)shade.first, srcSelFirst), to = std::min((long)shade.end, srcSelEnd);
        if (to <= from)
            continue;
        target.Select(map(from), map(to));
        target.AddShade(shade.style, map(from), map(to), 1);
    }
    target.m_nSelFirst = keptFirst;
    target.m_nSelEnd = keptEnd;

    if (IsListFieldAt(target, b))
        ++b;
    target.SetPos(b);
    target.m_nSelFirst = target.m_nSelEnd = target.m_nCaret;

    suspended.Resume();
    target.m_redraw.Select(target.m_nSelFirst, target.m_nSelEnd);
    // Every row from the pasted text's first to the row of its end is
    // broken again (the row range's end is exclusive).
    const long firstRow = target.GetCharRow(ClampToText(target, a));
    const long endRow = std::min(target.GetCharRow(ClampToText(target, b)) + 1, (long)target.m_rows.count - 1);
    target.ReRowByRow(firstRow, std::max(endRow, firstRow + 1), GDoc::kReRowEdit, GDoc::kWholeParagraph);
    MarkModified(&target);
}
} // namespace

void GDoc::PasteDoc(const GDoc* source)
{
    if (!source || source == this || !m_pOwner || !source->m_pOwner)
        return;
    const long first = std::max(0L, std::min((long)std::min(source->m_nSelFirst, source->m_nSelEnd), (long)source->m_chars.count - 3));
    const long end = std::max(first, std::min((long)std::max(source->m_nSelFirst, source->m_nSelEnd), (long)source->m_chars.count - 3));
    std::vector<GDoc*> notes;
    PasteRange(*this, *source, first, end, notes);
    // Reflow was held for the whole document while the notes were filled.
    for (GDoc* note : notes)
        note->ReRowByPos(0, note->m_chars.count - 3, kWholeParagraph);
    if (source->m_pOwner->m_bClipboard)
        const_cast<CWDocument*>(source->m_pOwner)->SetModifiedFlag(FALSE);
    if (m_pOwner->m_bClipboard)
        m_pOwner->SetModifiedFlag(FALSE);
}
