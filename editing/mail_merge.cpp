// Mail merge of a flow: the source's text is pasted at the caret with its
// styles, fields, lists, borders and shading, and every cell field (a
// merge field) is replaced by its value, computed with the source's
// document current. With CloseBlanks on, a line left empty by an empty
// value goes, and the text after a value keeps its tab column.
#include "model/GDoc.h"
#include "model/GOle.h"
#include "model/GParaStyle.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "editing/paste_range.h"
#include "editing/undo_group.h"
#include "editing/merge_blanks.h"
#include "resources/resource.h"
#include "ZTItems.h"
#include <algorithm>
#include <string>
#include <vector>

int bPasteMerge = 0;

namespace
{
const char kBlank = ' ';
const char kTab = '\t';
const char kPageBreak = 12;
const long kClosingChars = 3;

bool IsBlank(char c)
{
    return c == kBlank || c == kTab;
}

long TextEnd(const GDoc& flow)
{
    return flow.m_chars.count - kClosingChars;
}

// The merge flag for a scope.
class CPasteMerge
{
public:
    CPasteMerge() { bPasteMerge = 1; }
    ~CPasteMerge() { bPasteMerge = 0; }
};

CString ValueOf(GField* field)
{
    GOle* cell = dynamic_cast<GOle*>(field);
    CZTFieldItem* item = cell ? dynamic_cast<CZTFieldItem*>(cell->m_pItem) : NULL;
    return item ? item->GetFieldValueAsText() : CString();
}

// Tab stops of the paragraph style at or left of x.
int StopsUpTo(const GParaStyle* style, long x)
{
    int n = 0;
    if (!style)
        return 0;
    for (int i = 0; i < GTabArr::kCount; ++i)
        if (style->m_Tabs[i].IsValid() && style->m_Tabs[i].Pos() <= x)
            ++n;
    return n;
}

// After a value put in at p..end: as many tabs right after it as stops it
// passed go, so the text after it stays in its column. Answers the tabs
// removed.
long KeepTabColumn(GDoc& flow, long p, long end)
{
    if (end >= TextEnd(flow) || flow.m_chars[end] != kTab)
        return 0;
    const long para = flow.GetCharPara(p);
    if (flow.GetCharPara(end) != para)
        return 0;
    const long start = flow.GetParaChar(para);
    int ascent = 0;
    const long before = p > start ? flow.CalcTextSizeForView(start, p, 1, ascent).cx : 0;
    const long after = flow.CalcTextSizeForView(start, end, 1, ascent).cx;
    const GParaStyle* style = flow.GetParaStylePtr(para);
    const long passed = StopsUpTo(style, after) - StopsUpTo(style, before);
    long k = 0;
    while (k < passed && end + k < TextEnd(flow) && flow.m_chars[end + k] == kTab)
        ++k;
    if (k > 0)
        flow.DeleteText(end, end + k, 1);
    return k;
}

} // namespace

long CloseBlankLine(GDoc& flow, long p)
{
    long removed = 0;
    while (p < TextEnd(flow) && IsBlank(flow.m_chars[p]))
    {
        flow.DeleteText(p, p + 1, 1);
        ++removed;
    }
    if (flow.m_chars[p] != kParagraphEnd)
        return removed;
    long q = p - 1;
    while (q >= 0 && IsBlank(flow.m_chars[q]))
        --q;
    if (q >= 0 && flow.m_chars[q] != kParagraphEnd && flow.m_chars[q] != kPageBreak)
        return removed;
    long from, to;
    if (p < TextEnd(flow))
        from = q + 1, to = p + 1;
    else
        from = std::max(q, 0L), to = p;   // the last paragraph end stays
    if (to > from)
        flow.DeleteText(from, to, 1);
    return removed + (to - from);
}

void GDoc::MailMergeDoc(const GDoc* source)
{
    if (!source || source == this || !m_pOwner || !source->m_pOwner)
        return;
    UnSelect();
    CPasteMerge merging;
    // The copy is exact: no smart blanks are added or dropped.
    const int smart = Options.SmartCutPaste;
    Options.SmartCutPaste = 0;
    CUndoGroup group(this, IDS_OP_PASTE);
    std::vector<MergePlaceholder> fields;
    PasteFlowRange(*this, *source, 0, std::max(0L, TextEnd(*source)), &fields);
    Options.SmartCutPaste = smart;

    CZTDoc::CCalcEngine context(const_cast<CWDocument*>(source->m_pOwner));
    long shift = 0;
    for (const MergePlaceholder& field : fields)
    {
        const CString value = ValueOf(field.field);
        const long p = field.pos + shift;
        if (p < 0 || p >= TextEnd(*this) || m_chars[p] != kMergePlaceholder)
            continue;
        DeleteText(p, p + 1, 1);
        if (value.IsEmpty())
        {
            --shift;
            if (Options.CloseBlanks)
                shift -= CloseBlankLine(*this, p);
            continue;
        }
        std::string text((LPCSTR)value);
        InsertText(p, &text[0], 1);
        const long length = value.GetLength();
        shift -= KeepTabColumn(*this, p, p + length);
        shift += length - 1;
    }
}
