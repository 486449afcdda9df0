// The document's style management: styles are added (by name or value),
// replaced with every place that uses them laid out again, removed, and
// unused unnamed entries collected with every reference renumbered.
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GListField.h"
#include "model/font_size.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <algorithm>
#include <functional>
#include <vector>

namespace
{
// List styles 0 to 11 are the standard ones.
const int kStandardListStyles = 12;
// A master whose name has this second character sets characters only.
const char kCharMasterMark = 'm';

void ForEachFlow(CWDocument& doc, const std::function<void(GDoc&)>& visit)
{
    for (LONG i = 0; i < doc.m_flows.count; ++i)
        if (GDoc* flow = doc.m_flows[i])
            visit(*flow);
}

// Re-breaks rows from..to (at least one row) and keeps them for repainting.
void Relayout(GDoc& flow, long fromRow, long toRow)
{
    toRow = std::max(toRow, fromRow + 1);
    flow.ReRowByRow(fromRow, toRow, GDoc::kReRowEdit, GDoc::kWholeParagraph);
    flow.m_redraw.InvalByRow(fromRow, toRow);
}

void RelayoutRuns(GDoc& flow, const std::function<bool(long run)>& uses)
{
    for (long i = 0; i + 1 < flow.m_formats.count; ++i)
        if (uses(i))
            Relayout(flow, flow.GetFormatRow(i), flow.GetFormatRow(i + 1));
}

void RelayoutParas(GDoc& flow, const std::function<bool(long para)>& uses)
{
    for (long p = 0; p + 1 < flow.m_paras.count; ++p)
        if (uses(p))
            Relayout(flow, flow.GetParaRow(p), flow.GetParaRow(p + 1));
}

// The size check of character styles: out-of-range sizes are corrected
// and the user told so.
void CheckFontSize(GFontStyle& style)
{
    int size = style.GetSize();
    if (!FitFontSize(size, true))
        return;
    style.SetSize(size);
    MsgBox(IDS_FONT_SIZE_RECALCULATED, 0);
}

// Adding: a named item equal to its stored namesake changes nothing; a
// different one replaces it; a new name is appended; an unnamed item is
// the first equal entry or a new unnamed one.
template <class T, class Modify>
int AddNew(CWDocument& doc, GStyleTbl<T>& table, GStyleItem<T>& item, Modify modify)
{
    if (!item.IsNamed())
        return (int)table.FindStyle(item.style);
    const long found = table.FindStyle(item.name);
    if (found >= 0 && table[found].style == item.style)
        return (int)found;
    doc.SetModifiedFlag(TRUE);
    if (found >= 0)
    {
        modify(found, item);
        return (int)found;
    }
    table.Add(item);
    return (int)table.count - 1;
}

// Replaces entry index; answers true when the style itself changed.
template <class T>
bool Replace(CWDocument& doc, GStyleTbl<T>& table, int index, const GStyleItem<T>& item)
{
    if (index < 0 || index >= table.count)
        return false;
    const bool changed = table[index].style != item.style;
    table[index] = item;
    if (changed)
        doc.SetModifiedFlag(TRUE);
    return changed;
}

// Marks used entries; shift[i] is how far index i moves down once the
// unmarked unnamed entries are gone.
struct Sweep
{
    std::vector<int> used;
    std::vector<long> shift;

    explicit Sweep(long count) : used(count, 0), shift(count, 0) {}
    void Mark(long index)
    {
        if (index >= 0 && index < (long)used.size())
            ++used[index];
    }
    template <class T>
    void Run(GStyleTbl<T>& table)
    {
        long dropped = 0;
        for (long i = 0; i < (long)used.size(); ++i)
        {
            if (!used[i] && !table[i - dropped].IsNamed())
            {
                table.Destroy(i - dropped, 1);
                ++dropped;
            }
            shift[i] = dropped;
        }
    }
    short Renumbered(long index) const
    {
        if (index < 0 || index >= (long)shift.size())
            return (short)index;
        return (short)(index - shift[index]);
    }
};
} // namespace

int CWDocument::AddNewFStyle(GStyleItem<GFontStyle>& item)
{
    CheckFontSize(item.style);
    return AddNew(*this, m_fontStyles, item, [this](long i, const GStyleItem<GFontStyle>& it) { ModifyFStyle((int)i, it); });
}

int CWDocument::AddNewPStyle(GStyleItem<GParaStyle>& item)
{
    return AddNew(*this, m_paraStyles, item, [this](long i, const GStyleItem<GParaStyle>& it) { ModifyPStyle((int)i, it); });
}

int CWDocument::AddNewMStyle(GStyleItem<GMasterStyle>& item)
{
    return AddNew(*this, m_masterStyles, item,
                  [this](long i, const GStyleItem<GMasterStyle>& it) { ModifyMStyle((int)i, it); });
}

int CWDocument::AddNewLStyle(GStyleItem<GListStyle>& item)
{
    return AddNew(*this, m_listStyles, item, [this](long i, const GStyleItem<GListStyle>& it) { ModifyLStyle((int)i, it); });
}

void CWDocument::ModifyFStyle(int index, const GStyleItem<GFontStyle>& item)
{
    GStyleItem<GFontStyle> checked = item;
    CheckFontSize(checked.style);
    if (!Replace(*this, m_fontStyles, index, checked))
        return;
    ForEachFlow(*this, [index](GDoc& flow) {
        RelayoutRuns(flow, [&flow, index](long i) { return flow.GetFormatStyleIdx(i) == index; });
        flow.Notify(1);
    });
}

void CWDocument::ModifyPStyle(int index, const GStyleItem<GParaStyle>& item)
{
    if (!Replace(*this, m_paraStyles, index, item))
        return;
    ForEachFlow(*this, [index](GDoc& flow) {
        RelayoutParas(flow, [&flow, index](long p) { return flow.GetParaStyleIdx(p) == index; });
        flow.Notify(1);
    });
}

void CWDocument::ModifyMStyle(int index, const GStyleItem<GMasterStyle>& item)
{
    if (!Replace(*this, m_masterStyles, index, item))
        return;
    const Mint master((short)index, 1);
    ForEachFlow(*this, [master](GDoc& flow) {
        RelayoutRuns(flow, [&flow, master](long i) { return flow.m_formats[i].style == master; });
        RelayoutParas(flow, [&flow, master](long p) { return flow.m_paras[p].style == master; });
        flow.Notify(1);
    });
}

void CWDocument::ModifyLStyle(int index, const GStyleItem<GListStyle>& item)
{
    if (!Replace(*this, m_listStyles, index, item))
        return;
    ForEachFlow(*this, [index](GDoc& flow) {
        for (LONG i = 0; i < flow.m_fields.count; ++i)
        {
            GField* field = flow.m_fields[i];
            if (field->m_nKind != kFieldList || ((GList*)field)->m_nStyle != index)
                continue;
            field->Update();
            const long row = flow.GetFieldRow(i);
            Relayout(flow, row, row + 1);
        }
        flow.Notify(1);
    });
}

int CWDocument::RemoveFStyle(int index)
{
    if (index < 0 || index >= m_fontStyles.count)
        return 0;
    m_fontStyles[index].SetName("");
    GarbageCollection();
    SetModifiedFlag(TRUE);
    return 1;
}

int CWDocument::RemovePStyle(int index)
{
    if (index < 0 || index >= m_paraStyles.count)
        return 0;
    m_paraStyles[index].SetName("");
    GarbageCollection();
    SetModifiedFlag(TRUE);
    return 1;
}

// Its uses become direct references to its two styles; the text looks the
// same.
int CWDocument::RemoveMStyle(int index)
{
    if (index < 0 || index >= m_masterStyles.count)
        return 0;
    const Mint master((short)index, 1);
    const GMasterStyle parts = m_masterStyles[index].style;
    ForEachFlow(*this, [&](GDoc& flow) {
        for (long i = 0; i + 1 < flow.m_formats.count; ++i)
            if (flow.m_formats[i].style == master)
                flow.m_formats[i].style = Mint((short)parts.m_Font, 0);
        for (long p = 0; p + 1 < flow.m_paras.count; ++p)
            if (flow.m_paras[p].style == master)
                flow.m_paras[p].style = Mint((short)parts.m_Para, 0);
    });
    m_masterStyles[index].SetName("");
    GarbageCollection();
    SetModifiedFlag(TRUE);
    return 1;
}

int CWDocument::RemoveLStyle(int index)
{
    if (index < 0 || index >= m_listStyles.count)
        return 0;
    if (index < kStandardListStyles)
    {
        MsgBox(IDS_STANDARD_LIST_STYLES_KEPT, 0);
        return 0;
    }
    bool used = false;
    ForEachFlow(*this, [&](GDoc& flow) {
        for (LONG i = 0; i < flow.m_fields.count; ++i)
            if (flow.m_fields[i]->m_nKind == kFieldList && ((GList*)flow.m_fields[i])->m_nStyle == index)
                used = true;
    });
    if (used)
    {
        MsgBox(IDS_USED_LIST_STYLES_KEPT, 0);
        return 0;
    }
    m_listStyles[index].SetName("");
    GarbageCollection();
    SetModifiedFlag(TRUE);
    return 1;
}

BOOL CWDocument::IsCharMStyle(int index)
{
    if (index < 0 || index >= m_masterStyles.count)
        return FALSE;
    return m_masterStyles[index].name[0] != 0 && m_masterStyles[index].name[1] == kCharMasterMark;
}

void CWDocument::GarbageCollection()
{
    Sweep masters(m_masterStyles.count), fonts(m_fontStyles.count), paras(m_paraStyles.count),
        lists(m_listStyles.count);
    ForEachFlow(*this, [&](GDoc& flow) {
        for (long i = 0; i + 1 < flow.m_formats.count; ++i)
            (flow.m_formats[i].style.master ? masters : fonts).Mark(flow.m_formats[i].style.index);
        for (long p = 0; p + 1 < flow.m_paras.count; ++p)
            (flow.m_paras[p].style.master ? masters : paras).Mark(flow.m_paras[p].style.index);
        for (LONG i = 0; i < flow.m_fields.count; ++i)
            if (flow.m_fields[i]->m_nKind == kFieldList)
                lists.Mark(((GList*)flow.m_fields[i])->m_nStyle);
    });
    // A master keeps its two styles while it is named or in use: an unnamed
    // master that text still uses would otherwise point at a neighbour's
    // style once its own is gone.
    for (LONG i = 0; i < m_masterStyles.count; ++i)
        if (m_masterStyles[i].IsNamed() || masters.used[i])
        {
            fonts.Mark(m_masterStyles[i].style.m_Font);
            paras.Mark(m_masterStyles[i].style.m_Para);
        }

    masters.Run(m_masterStyles);
    fonts.Run(m_fontStyles);
    paras.Run(m_paraStyles);
    lists.Run(m_listStyles);

    ForEachFlow(*this, [&](GDoc& flow) {
        for (long i = 0; i + 1 < flow.m_formats.count; ++i)
        {
            Mint& m = flow.m_formats[i].style;
            m.index = (m.master ? masters : fonts).Renumbered(m.index);
        }
        for (long p = 0; p + 1 < flow.m_paras.count; ++p)
        {
            Mint& m = flow.m_paras[p].style;
            m.index = (m.master ? masters : paras).Renumbered(m.index);
        }
        for (LONG i = 0; i < flow.m_fields.count; ++i)
            if (flow.m_fields[i]->m_nKind == kFieldList)
            {
                GList* list = (GList*)flow.m_fields[i];
                list->m_nStyle = lists.Renumbered(list->m_nStyle);
            }
    });
    for (LONG i = 0; i < m_masterStyles.count; ++i)
    {
        GMasterStyle& m = m_masterStyles[i].style;
        m.m_Font = fonts.Renumbered(m.m_Font);
        m.m_Para = paras.Renumbered(m.m_Para);
    }
}
