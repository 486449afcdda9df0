// Documents of the older native layout (version 280 and lower): read into
// today's model and repaired where the older layout lacks what today's
// needs. The system never writes this layout.
#include "document/old_layout.h"
#include "document/CWDocument.h"
#include "document/document_progress.h"
#include "layout/CFrame.h"
#include "model/GCaption.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GPageInfo.h"
#include "resources/resource.h"

namespace
{
const int kOldPageSetupSize = 94;
const int kOldSwitchesFrom = 1;       // eleven int16 from byte 1
const int kOldSwitchCount = 11;
const int kOldEditedFlowAt = 25;
const int kOldValuesFrom = 26;        // ten int16 from byte 26
const int kOldValueCount = 10;
// Re-breaking the body settles in a pass or two; a layout that keeps
// changing its row count is given up on after this many.
const int kMostReRowPasses = 16;

short Short(const BYTE* p)
{
    return (short)(p[0] | (p[1] << 8));
}

void ReadExactly(CArchive& ar, void* buffer, UINT size)
{
    if (ar.Read(buffer, size) != size)
        throw kArrayReadFault;
}

// Restores a value when the scope ends, however it ends.
template <class T>
class Kept
{
public:
    Kept(T& value, T during) : m_value(value), m_before(value) { m_value = during; }
    ~Kept() { m_value = m_before; }

private:
    T& m_value;
    T m_before;
};

// What the flows hand the document during the read is dropped however
// the read ends.
struct OldLayoutState
{
    OldLayoutState() { ClearOldLayoutState(); }
    ~OldLayoutState() { ClearOldLayoutState(); }
};

// A document read over another keeps only its standard seven flows and
// their page frames.
void KeepStandardFlows(CWDocument& doc)
{
    if (doc.m_frames.GetCount() > kFirstContentFlow)
        doc.m_frames.Destroy(kFirstContentFlow, doc.m_frames.GetCount() - kFirstContentFlow);
    if (doc.m_flows.GetCount() > kFirstContentFlow)
        doc.m_flows.Destroy(kFirstContentFlow, doc.m_flows.GetCount() - kFirstContentFlow);
    doc.CreateFrames();
}

// Puts the fields held aside into their flow (each in place of the blank
// that kept its position) and draws the borders set apart as full boxes.
void InsertHeldAside(GDoc& flow, int index)
{
    GArrayI<GField*>& fields = OleFields[index];
    for (long i = 0; i < fields.GetCount(); ++i)
    {
        GField* field = fields[i];
        fields[i] = NULL;
        const long pos = field->m_nPos;
        if (flow.m_chars.GetCount() > 3)
            flow.DeleteChar(pos);
        field->m_nPos = (LONG)pos;
        flow.InsertField(field);
    }
    fields.Flush();

    const long last = flow.m_chars.GetCount() - 1;
    GArray<GBorder>& borders = OldBord[index];
    for (long i = 0; i < borders.GetCount(); ++i)
    {
        const GBorder& b = borders[i];
        if (b.first < 0 || b.first > b.end || b.end > last)
            throw kArrayReadFault;
        CBorderStyle side;
        side.colour = (COLORREF)b.sides;
        side.penStyle = 0;
        side.lineStyle = 0;
        flow.SetBorder(kBorderBox, side, b.first, b.end);
    }
    borders.Flush();
}
} // namespace

void ReadOldPageInfo(CArchive& ar, GPageInfo& info)
{
    BYTE raw[kOldPageSetupSize];
    ReadExactly(ar, raw, sizeof raw);
    info.paperType = raw[0];
    LONG* switches[kOldSwitchCount] = {&info.portrait,       &info.paperWidth,     &info.paperHeight,
                                       &info.textLeft,       &info.textTop,        &info.textRight,
                                       &info.textBottom,     &info.pageValues[0],  &info.pageValues[1],
                                       &info.layoutValues[0], &info.layoutValues[1]};
    for (int i = 0; i < kOldSwitchCount; ++i)
        *switches[i] = Short(raw + kOldSwitchesFrom + 2 * i);
    // Bytes 23 and 24 are not used: facing pages keeps its value.
    info.layoutValues[3] = raw[kOldEditedFlowAt];
    LONG* values[kOldValueCount] = {&info.useFontStyle,  &info.distances[0], &info.distances[1], &info.oneValue,
                                    &info.unsetValue,    &info.moreValues[0], &info.moreValues[1],
                                    &info.moreValues[2], &info.moreValues[3], &info.finalValue};
    for (int i = 0; i < kOldValueCount; ++i)
        *values[i] = Short(raw + kOldValuesFrom + 2 * i);
}

int CWDocument::OpenZVWOld(CArchive& ar)
{
    bReadOldVersion = 1;
    Kept<decltype(m_bUndoEnabled)> noUndo(m_bUndoEnabled, FALSE);
    OldLayoutState state;
    CDocumentProgress progress(*this, IDS_PROGRESS_OPENING, NativeProgress::kReadSteps);
    ViewNotify(0);
    progress.Step(NativeProgress::kStarted);

    KeepStandardFlows(*this);
    ar >> m_docInfo.created;
    for (LONG& v : m_docInfo.values)
        ar >> v;
    GPageInfo& info = m_pageInfos[0];
    ReadOldPageInfo(ar, info);
    ReadExactly(ar, m_extraInfo, sizeof m_extraInfo);
    progress.Step(NativeProgress::kHeader);
    info.useFontStyle = 0;
    info.fontStyle.Reset();
    info.finalValue = 1;
    FitDocumentToPageInfo(1);
    m_pageInfos[0].layoutValues[3] = 0;   // the body is edited first
    m_nCurPart = 0;

    m_fontStyles.OpenZVW(ar);
    m_paraStyles.OpenZVW(ar);
    m_masterStyles.OpenZVW(ar);
    m_listStyles.OpenZVW(ar);
    progress.Step(NativeProgress::kStyles);

    // Exactly six flows; the even-page footer stays as the document made
    // it. Older flows hold no frames, so no frame needs linking.
    for (int i = 0; i < kOldFlowCount; ++i)
    {
        m_flows[i]->OpenZVW(ar);
        if (i == kBodyFlow)
            progress.Step(NativeProgress::kBody);
    }
    progress.Step(NativeProgress::kFlows);

    GDoc* body = m_flows[kBodyFlow];
    const long storedPages = OldPageCount[kBodyFlow] - 1;
    progress.Step(NativeProgress::kFrames);

    {
        // Fields put back from the file are no new insertions: they get no
        // automatic caption.
        Kept<decltype(GCaption::AutoCaption)> noCaptions(GCaption::AutoCaption, 0);
        for (int i = 0; i < kOldFlowCount; ++i)
            InsertHeldAside(*m_flows[i], i);
    }

    // The rows were laid out by the older program: break them again until
    // their number settles.
    for (int pass = 0; pass < kMostReRowPasses; ++pass)
    {
        const long rows = body->m_rows.GetCount();
        body->ReRowByRow(0, rows - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        if (body->m_rows.GetCount() == rows)
            break;
    }
    // Columns are made again until the body has the pages the file had,
    // as long as a pass still adds one: the count is read from the file,
    // and other fonts (or a damaged count) may never reach it.
    CFrame* first = body->m_pFirstFrame;
    while (first && first->GetCols() < storedPages)
    {
        const long before = first->GetCols();
        body->ReColumn(0);
        if (first->GetCols() <= before)
            break;
    }

    progress.Step(NativeProgress::kRest);
    progress.Done();
    bReadOldVersion = 0;
    ViewNotify(1);
    return 0;
}
