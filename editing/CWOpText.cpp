// Undo and redo of caret, selection and text operations; they replay the
// change through the flow's editing interface.
#include "editing/CWOpText.h"
#include "resources/resource.h"
#include "editing/document_editing.h"
#include "editing/CWOpFormats.h"
#include "editing/editing_support.h"
#include "editing/format_runs.h"
#include "model/GDoc.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CWOpSetPos, CWOperationItem)
IMPLEMENT_DYNAMIC(CWOpSelection, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpSelect, CWOpSelection)
IMPLEMENT_DYNCREATE(CWOpUnSelect, CWOpSelection)
IMPLEMENT_DYNCREATE(CWOpReplaceText, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpInsertText, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpDeleteText, CWOperationItem)
IMPLEMENT_DYNCREATE(CWOpJoinedParagraph, CWOperationItem)

namespace
{
const int kPreviewLength = 10;
const BYTE kLastControlCode = 13;
const BYTE kFirstHighCode = 128;

// String-table ids of the names.
const int kIdsSelect = IDS_OP_SELECT;
const int kIdsUnSelect = IDS_OP_UNSELECT;
const int kIdsReplaceText = IDS_OP_REPLACE_TEXT;
const int kIdsInsertText = IDS_OP_INSERT_TEXT;
const int kIdsDeleteText = IDS_OP_DELETE_TEXT;
}

CString NameWithPreview(const CString& base, const CString& text)
{
    CString preview;
    int n = std::min(text.GetLength(), kPreviewLength);
    for (int i = 0; i < n; ++i)
    {
        BYTE c = (BYTE)text[i];
        preview += (c <= kLastControlCode || c >= kFirstHighCode) ? ' ' : (char)c;
    }
    if (n == kPreviewLength)
        preview += "...";
    if (preview.IsEmpty())
        return base;
    return base + " - '" + preview + "'";
}

// ---- Caret and selection

CWOpSetPos::CWOpSetPos(GDoc* flow, long newPos, long oldPos)
    : CWOperationItem(flow), m_nNew((LONG)newPos), m_nOld((LONG)oldPos)
{
}

BOOL CWOpSetPos::ActionUndo()
{
    m_pDoc->SetPos(m_nOld);
    return TRUE;
}

BOOL CWOpSetPos::ActionRedo()
{
    m_pDoc->SetPos(m_nNew);
    return TRUE;
}

CString CWOpSetPos::GetName()
{
    return "Set position";
}

CWOpSelection::CWOpSelection(GDoc* flow, long from, long to)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nTo((LONG)to)
{
}

void CWOpSelection::SelectRange()
{
    m_pDoc->SetPos(m_nFrom);
    m_pDoc->Select(m_nFrom, m_nTo);
}

void CWOpSelection::Collapse()
{
    m_pDoc->SetPos(m_nFrom);
    m_pDoc->UnSelect();
}

BOOL CWOpSelect::ActionUndo()
{
    Collapse();
    return TRUE;
}

BOOL CWOpSelect::ActionRedo()
{
    SelectRange();
    return TRUE;
}

CString CWOpSelect::GetName()
{
    return OperationName(kIdsSelect, "Select");
}

BOOL CWOpUnSelect::ActionUndo()
{
    SelectRange();
    return TRUE;
}

BOOL CWOpUnSelect::ActionRedo()
{
    Collapse();
    return TRUE;
}

CString CWOpUnSelect::GetName()
{
    return OperationName(kIdsUnSelect, "UnSelect");
}

// ---- Text

CWOpReplaceText::CWOpReplaceText(GDoc* flow, long pos, CString* newText, CString* oldText)
    : CWOperationItem(flow), m_nPos((LONG)pos), m_new(newText ? *newText : CString()),
      m_old(oldText ? *oldText : CString())
{
}

BOOL CWOpReplaceText::ActionUndo()
{
    m_pDoc->SetPos(m_nPos);
    for (int i = 0; i < m_old.GetLength(); ++i)
        m_pDoc->ReplaceChar(m_nPos, m_old[i]);
    return TRUE;
}

BOOL CWOpReplaceText::ActionRedo()
{
    for (int i = 0; i < m_new.GetLength(); ++i)
        m_pDoc->ReplaceChar(m_nPos, m_new[i]);
    m_pDoc->SetPos(m_nPos + 1);
    return TRUE;
}

CString CWOpReplaceText::GetName()
{
    return OperationName(kIdsReplaceText, "Replace text");
}

CWOpInsertText::CWOpInsertText(GDoc* flow, long pos, const char* text)
    : CWOperationItem(flow), m_nPos((LONG)pos), m_text(text ? text : "")
{
}

// Typed text taken out again leaves the paragraphs it went into with the
// borders and shading they had, the last paragraph's too.
BOOL CWOpInsertText::ActionUndo()
{
    GDoc* flow = m_pDoc;
    const long end = m_nPos + m_text.GetLength();
    flow->SetPos(m_nPos);
    KeepLastParagraphRuns(*flow, m_nPos, end, [&] { flow->DeleteText(m_nPos, end, 1); });
    flow->Select(m_nPos, m_nPos);
    return TRUE;
}

BOOL CWOpInsertText::ActionRedo()
{
    // InsertText writes into its buffer while it runs.
    CString text = m_text;
    m_pDoc->InsertText(m_nPos, text.GetBuffer(text.GetLength() + 1), 1);
    text.ReleaseBuffer();
    m_pDoc->SetPos(m_nPos + m_text.GetLength());
    m_pDoc->Select(m_nPos, m_nPos);
    return TRUE;
}

CString CWOpInsertText::GetName()
{
    return NameWithPreview(OperationName(kIdsInsertText, "Insert text"), m_text);
}

CWOpDeleteText::CWOpDeleteText(GDoc* flow, long from, long to, CString* text, long formatsFrom)
    : CWOperationItem(flow), m_nFrom((LONG)from), m_nTo((LONG)to)
{
    if (text)
    {
        m_text = *text;
        delete text;
    }
    m_nFormatsFrom = (LONG)from;
    if (formatsFrom == kNoFormats)
        return;
    const long first = formatsFrom == kOwnRange ? from : formatsFrom;
    m_nFormatsFrom = (LONG)first;
    m_pFonts = new CWOpSetFontStyle(flow, first, to, NULL);
    // The paragraph that holds to joins the first; its style is kept too.
    m_pParas = new CWOpSetParaStyle(flow, first, to + 1, NULL);
    // The runs are kept whole: undo puts exactly them back. The joined
    // paragraph takes the border and shading of the first, so those of the
    // paragraph that holds to are kept as well (as the two kinds do).
    m_pBorders = new CWOpSetBorder(flow, first, to, 0, NULL, 0);
    m_pShades = new CWOpSetShade(flow, first, to, CShadeStyle());

    // The layouts that begin inside the range, and the one after them,
    // which re-columning may join into the layout before the range. Blocks
    // that only continue the layout before them on a new page are made
    // again by re-columning.
    for (LONG b = 1; b + 1 < flow->m_columns.count; ++b)
    {
        const GColumn& block = flow->m_columns[b];
        if (block.first == first)
            m_bBlockAtFrom = TRUE;
        if (block.first <= first || block == flow->m_columns[b - 1])
            continue;
        m_blocks.Add(block);
        if (block.first > to)
            break;
    }
}

CWOpDeleteText::~CWOpDeleteText()
{
    delete m_pFonts;
    delete m_pParas;
    delete m_pBorders;
    delete m_pShades;
}

void CWOpDeleteText::Shift(long delta)
{
    m_nFrom += (LONG)delta;
    m_nTo += (LONG)delta;
    m_nFormatsFrom += (LONG)delta;
    if (m_pFonts)
    {
        m_pFonts->Shift(delta);
        m_pParas->Shift(delta);
        m_pBorders->Shift(delta);
        m_pShades->Shift(delta);
    }
    for (INT_PTR i = 0; i < m_blocks.GetSize(); ++i)
        m_blocks[i].first += (LONG)delta;
}

void CWOpDeleteText::RestoreColumns()
{
    GDoc* flow = m_pDoc;
    // A layout that the deletion left beginning at the range's start goes
    // back to where it began; blocks that the text put back made again
    // (after its breaks) stay.
    if (!m_bBlockAtFrom && m_blocks.GetSize() > 0)
        for (LONG b = flow->m_columns.count - 2; b >= 1; --b)
            if (flow->m_columns[b].first == m_nFormatsFrom)
                flow->DelColumnItem(b);
    for (INT_PTR i = 0; i < m_blocks.GetSize(); ++i)
    {
        GColumn block = m_blocks[i];
        const long holder = flow->GetCharColumn(block.first);
        if (flow->m_columns[holder].first == block.first)
            continue;
        for (LONG& row : block.startRows)
            row = kNoPosition;
        block.startRows[0] = (LONG)flow->GetCharRow(block.first);
        block.position = flow->m_columns[holder + 1].position;
        flow->InsColumnItem(block, holder + 1);
    }
    flow->m_redraw.InvalByPos(m_nFormatsFrom, m_nTo + 1);
}

BOOL CWOpDeleteText::ActionUndo()
{
    CChangeBracket bracket(m_pDoc->m_pOwner);
    m_pDoc->SetPos(m_nFrom);
    m_pDoc->Select(m_nFrom, m_nFrom);
    if (!m_text.IsEmpty())
    {
        // The kept runs give the text its formats back; a pending style
        // (a field put back arms one) would also restyle the final mark
        // when the text goes back at the end of the flow.
        if (m_pDoc->m_pOwner)
            GetDocEditing(m_pDoc->m_pOwner).bPendingStyle = FALSE;
        CString text = m_text;
        m_pDoc->InsertText(m_nFrom, text.GetBuffer(text.GetLength() + 1), 1);
        text.ReleaseBuffer();
    }
    if (m_pFonts)
    {
        m_pFonts->ActionUndo();
        m_pParas->ActionUndo();
        m_pBorders->ActionUndo();
        m_pShades->ActionUndo();
        RestoreColumns();
    }
    // The rows are broken again in the formats they had; paragraphs split
    // again into other styles are broken whole, as their rows were broken
    // to the joined paragraph's.
    const bool restyled = ParagraphStylesDiffer(m_pDoc, m_nFormatsFrom, m_nTo);
    m_pDoc->ReRowByPos(m_nFormatsFrom, m_nTo + 1, restyled ? GDoc::kWholeParagraph : GDoc::kUntilRowsStay);
    m_pDoc->Notify(1);
    return TRUE;
}

BOOL CWOpDeleteText::ActionRedo()
{
    m_pDoc->DeleteText(m_nFrom, m_nTo, 1);
    m_pDoc->SetPos(m_nFrom);
    m_pDoc->Select(m_nFrom, m_nFrom);
    return TRUE;
}

CString CWOpDeleteText::GetName()
{
    return NameWithPreview(OperationName(kIdsDeleteText, "Delete Text"), m_text);
}

// ---- The paragraph a deletion over fields joined

namespace
{
template <class Run>
void CopyRuns(const GArray<Run>& from, CArray<Run, const Run&>& to)
{
    to.SetSize(from.count);
    for (LONG i = 0; i < from.count; ++i)
        to[i] = from[i];
}

// Answers whether the runs changed.
template <class Run>
bool PutRuns(const CArray<Run, const Run&>& from, GArray<Run>& to)
{
    bool same = to.count == (LONG)from.GetSize();
    for (LONG i = 0; same && i < to.count; ++i)
        same = memcmp(&to[i], &from[i], sizeof(Run)) == 0;
    if (same)
        return false;
    to.Destroy(0, to.count);
    for (INT_PTR i = 0; i < from.GetSize(); ++i)
        to.Add(from[i]);
    return true;
}
} // namespace

CWOpJoinedParagraph::CWOpJoinedParagraph(GDoc* flow, long pos)
    : CWOperationItem(flow), m_nPos((LONG)pos), m_style(flow->m_paras[flow->GetCharPara(pos)].style)
{
    CopyRuns(flow->m_borders, m_borders);
    CopyRuns(flow->m_shades, m_shades);
}

BOOL CWOpJoinedParagraph::ActionUndo()
{
    return TRUE;
}

BOOL CWOpJoinedParagraph::ActionRedo()
{
    GDoc* flow = m_pDoc;
    const long para = flow->GetCharPara(m_nPos);
    const bool restyled = !(flow->m_paras[para].style == m_style);
    flow->m_paras[para].style = m_style;
    const bool bordersMoved = PutRuns(m_borders, flow->m_borders);
    const bool shadesMoved = PutRuns(m_shades, flow->m_shades);
    if (!restyled && !bordersMoved && !shadesMoved)
        return TRUE;
    const long from = flow->GetParaChar(para), to = flow->GetParaChar(para + 1);
    flow->m_redraw.InvalByPos(from, to);
    flow->ReRowByPos(from, std::max(to, from + 1), GDoc::kWholeParagraph);
    // Border lines take room before rows: every row is placed again, as
    // after the deletion.
    if (bordersMoved)
        flow->PlaceRows(0, 0, 0, -1);
    flow->Notify(1);
    return TRUE;
}

CString CWOpJoinedParagraph::GetName()
{
    return OperationName(kIdsDeleteText, "Delete Text");
}
