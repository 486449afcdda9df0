// The intermediate-file exporter.
#include "convert/TConvertorFrom.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GPageNum.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <algorithm>

namespace
{
const int kProgressSteps = 10;
const char kFirstRecordArg[] = "99";
const char kLanguageUS[] = "1033";
// A flow holds more than its closing 13, 12, 0 when it has text.
const long kClosingChars = 3;
const double kTwelfthsPerTenthMm = 12.0 / 254.0;

// Header and footer flows by the two switches of the page set-up: flow,
// kind code, pages code.
struct PartRow
{
    long flow;
    const char* kind;
    const char* pages;
};
const std::vector<PartRow> kParts[2][2] = {
    {{{2, "04", "3"}, {5, "06", "3"}},
     {{3, "11", "3"}, {6, "13", "3"}, {2, "08", "3"}, {5, "0A", "3"}}},
    {{{2, "04", "2"}, {5, "0A", "2"}, {1, "08", "1"}, {4, "0A", "1"}},
     {{3, "11", "2"}, {6, "13", "2"}, {2, "08", "2"}, {5, "0A", "2"}, {1, "08", "1"}, {4, "0A", "1"}}},
};

// The bottom edge of a header or footer frame, measured from its page edge.
long FrameReach(CWDocument* doc, long flowIndex)
{
    GDoc* flow = doc->GetFlow(flowIndex);
    CFrame* frame = flow ? flow->m_pFirstFrame : nullptr;
    return frame ? frame->y + frame->GetHeight() : 0;
}
} // namespace

TConvertorFrom::TConvertorFrom(CWView* view, const char* fileName, CWDocument* doc)
    : TConvertor(view, fileName, TIntermediateFile::kWrite, doc)
{
    m_nFlow = kBodyFlow;
    m_pFlow = doc ? doc->GetFlow(kBodyFlow) : nullptr;
    m_pPage->SetPageInfo(doc);
    m_pPara->SetPage(m_pPage->left, m_pPage->rightPos, m_pPage->width);
    m_pPara->m_tabs.SetOffset(m_pPage->left);
}

bool TConvertorFrom::Go()
{
    CWCustomFrameData* progress = Progress();
    if (progress)
    {
        progress->InitStatusBarPercent(IDS_PROGRESS_EXPORTING, kProgressSteps);
        progress->SetStatusBarPercent(0);
    }
    auto step = [&](int n) {
        if (progress)
            progress->SetStatusBarPercent(n);
    };
    // A document always has its page set-up; without one nothing is written.
    if (m_pFlow && m_pDoc->m_pageInfos.GetCount() == 0)
        m_pFlow = nullptr;
    if (m_pFlow)
    {
        Begin();
        step(1);
        HeadersAndFooters();
        step(3);
        Body();
        step(9);
        End();
        step(10);
    }
    const bool written = m_pFlow && m_pFile->Flush();
    if (progress)
        progress->DoneStatusBarPercent();
    return written;
}

long TConvertorFrom::FlowLength() const
{
    return m_pFlow->m_chars.count;
}

void TConvertorFrom::OutRecord(const char* name)
{
    TCommand(name).out_icf(*m_pFile);
}

void TConvertorFrom::OutRecord(const char* name, std::initializer_list<const char*> args)
{
    TCommandArg record(name);
    for (const char* a : args)
        record.AddArg(a);
    record.out_icf(*m_pFile);
}

void TConvertorFrom::Begin()
{
    OutRecord("DID", {kFirstRecordArg});
    TTSsI(m_pDoc).out_icf(*m_pFile);
    m_pFont->OutFDT(*m_pFile);
    OutRecord("SLG", {kLanguageUS});
    m_pPage->OutPOR(*m_pFile);
    m_pPage->OutPGW(*m_pFile);
    m_pPage->OutSFL(*m_pFile);
    SendHeaderMargin();
    SendFooterMargin();
    m_pPage->OutSTP(*m_pFile);
    m_pPage->OutSBP(*m_pFile);
    OutRecord("NPG", {"0"});
    m_pPage->OutRSM(*m_pFile);
    OutSPN();
}

void TConvertorFrom::OutSPN()
{
    OutRecord("SPN", {"0", "0", "0", "1", "0"});
}

void TConvertorFrom::SendHeaderMargin()
{
    TCommandArg htm("HTM");
    htm.AddNum(m_pPage->headerDistance, kIcfNumber, kIcfLine);
    htm.AddNum(m_pPage->headerDistance);
    htm.out_icf(*m_pFile);
    const GPageInfo& info = m_pDoc->m_pageInfos[0];
    const long gap = std::max(0L, (long)info.textTop - FrameReach(m_pDoc, m_pDoc->GetPageHeader(0)));
    TCommandArg hm("HM");
    hm.AddNum(gap, kIcfTenthMm, kIcfLine);
    hm.out_icf(*m_pFile);
}

// The space between the text and the footer mirrors the header's: the
// bottom margin less the first page's footer frame (its distance from the
// bottom edge and its height), in lines.
void TConvertorFrom::SendFooterMargin()
{
    TCommandArg fbm("FBM");
    fbm.AddNum(m_pPage->footerDistance, kIcfNumber, kIcfLine);
    fbm.AddNum(m_pPage->footerDistance);
    fbm.out_icf(*m_pFile);
    const GPageInfo& info = m_pDoc->m_pageInfos[0];
    const long bottom = (long)info.paperHeight - info.textBottom;
    const long gap = std::max(0L, bottom - FrameReach(m_pDoc, m_pDoc->GetPageFooter(0)));
    TCommandArg fm("FM");
    fm.AddNum(gap, kIcfTenthMm, kIcfLine);
    fm.out_icf(*m_pFile);
}

void TConvertorFrom::HeadersAndFooters()
{
    const bool first = m_pDoc->FirstPageDiffers(), oddEven = m_pDoc->OddEvenDiffers();
    for (const PartRow& row : kParts[first][oddEven])
        OutHeaderFooter(row.flow, row.kind, row.pages);
    m_nFlow = kBodyFlow;
    m_pFlow = m_pDoc->GetFlow(kBodyFlow);
}

void TConvertorFrom::OutHeaderFooter(long flow, const char* kind, const char* pages)
{
    GDoc* part = m_pDoc->GetFlow(flow);
    if (!part || part->m_chars.count <= kClosingChars)
        return;
    OutBeginHeaderFooter(flow);
    Body();
    OutEnd(flow, kind, pages);
    m_nFlow = kBodyFlow;
    m_pFlow = m_pDoc->GetFlow(kBodyFlow);
}

void TConvertorFrom::OutBeginHeaderFooter(long flow)
{
    m_nFlow = flow;
    m_pFlow = m_pDoc->GetFlow(flow);
    TCommandArg record(flow <= 3 ? "HF2" : "HF1");
    record.AddArg("00");
    record.AddArg("0");
    record.AddNum(m_pPage->left, kIcfNumber, kIcfTenthInch);
    record.AddNum(m_pPage->rightPos, kIcfNumber, kIcfTenthInch);
    record.AddArg("1");
    record.AddArg("1");
    record.out_icf(*m_pFile);
}

void TConvertorFrom::OutEnd(long flow, const char* kind, const char* pages)
{
    GDoc* part = m_pDoc->GetFlow(flow);
    const long height = part && part->m_rows.count > 0 ? part->RowHi(0, part->m_rows.count - 1) : 0;
    TCommandArg record("HFX");
    record.AddNum(IcfRound(height * kTwelfthsPerTenthMm));
    record.AddArg(kind);
    record.AddNum(height, kIcfTenthMm, kIcfNumber);
    record.AddArg(pages);
    record.out_icf(*m_pFile);
}

long TConvertorFrom::GetDifferent(long pos, int& kinds)
{
    const long found[4] = {m_pFlow->CharWithNextColumn(pos), m_pFlow->CharWithNextFormat(pos),
                           m_pFlow->CharWithNextRow(pos), m_pFlow->CharWithNextPara(pos)};
    long next = FlowLength();
    for (long f : found)
        if (f > pos && f < next)
            next = f;
    kinds = 0;
    for (int i = 0; i < 4; ++i)
        if (found[i] == next)
            kinds |= 1 << i;
    if ((kinds & kRowChange) && (kinds & kParaChange))
        kinds &= ~kRowChange;
    return next;
}

void TConvertorFrom::Body()
{
    DiffColumn(0);
    DiffFormat(0);
    m_pPara->m_bFull = true;
    OutParaStyleOf(0);
    const long lastMark = FlowLength() - kClosingChars;
    long pos = 0;
    for (;;)
    {
        int kinds = 0;
        const long next = GetDifferent(pos, kinds);
        OutText(pos, next);
        if (next > lastMark)
            break;
        // A paragraph ends before a column block ends or begins, so that
        // the block holds whole paragraphs and its end adds none; the new
        // paragraph's records follow the block's.
        if (kinds & kParaChange)
            EndPara();
        if (kinds & kColumnChange)
            DiffColumn(next);
        if (kinds & kFormatChange)
            DiffFormat(next);
        if (kinds & kRowChange)
            DiffLine(next);
        if (kinds & kParaChange)
            OutParaStyleOf(next);
        pos = next;
    }
}

void TConvertorFrom::End()
{
    OutRecord("HNL");
}

void TConvertorFrom::OutText(long from, long to)
{
    const long lastMark = FlowLength() - kClosingChars;
    to = std::min(to, FlowLength());
    for (long i = std::max(0L, from); i < to; ++i)
    {
        const char c = (char)(BYTE)m_pFlow->m_chars[i];
        switch (c)
        {
        case 0:
            return;
        case kParagraphEnd:
            break;
        case kFieldMark:
            DiffField(i);
            break;
        case kTab:
            OutRecord("TAB", {"0"});
            break;
        case kBreak:
            // Every break but the flow's closing one, wherever the range ends.
            if (i < lastMark)
                OutRecord("HNP");
            break;
        default:
            // Other control bytes would read back as the file's syntax.
            m_pFile->Put((unsigned char)c < ' ' ? ' ' : c);
            break;
        }
    }
}

void TConvertorFrom::OutParaStyleOf(long pos)
{
    GParaStyle* style = m_pFlow->GetCharPStylePtr(pos);
    m_pPara->SetParaStyle(style ? *style : GParaStyle(), *m_pFile);
}

void TConvertorFrom::DiffFormat(long pos)
{
    GFontStyle* style = m_pFlow->GetCharFStylePtr(pos);
    if (style)
        m_pFont->SetFontSty(*style, m_pFlow->GetCharFStyleIdx(pos), *m_pFile);
}

void TConvertorFrom::EndAlignedText()
{
    if (m_pPara->m_align == GParaStyle::kAlignCentre)
        OutRecord("ECT");
    else if (m_pPara->m_align == GParaStyle::kAlignRight)
        OutRecord("EAT");
}

void TConvertorFrom::DiffLine(long pos)
{
    EndAlignedText();
    OutRecord("SNL");
    m_pPara->m_bFull = false;
    OutParaStyleOf(pos);
}

void TConvertorFrom::DiffPara(long pos)
{
    EndPara();
    OutParaStyleOf(pos);
}

void TConvertorFrom::EndPara()
{
    EndAlignedText();
    OutRecord("HNL");
    m_pPara->m_bFull = true;
    if (m_pPara->m_bRightIndentMark)
    {
        m_pPage->OutRSM(*m_pFile);
        m_pPara->m_bRightIndentMark = false;
    }
}

void TConvertorFrom::DiffColumn(long pos)
{
    const GArray<GColumn>& blocks = m_pFlow->m_columns;
    const long current = m_pFlow->GetCharColumn(pos);
    const long previous = pos > 0 ? m_pFlow->GetCharColumn(pos - 1) : -1;
    if (current < 0 || current >= blocks.count || previous == current)
        return;
    if (previous >= 0 && m_pFlow->CanJoinColumns(previous))
        return;
    const int before = previous >= 0 ? (BYTE)blocks[previous].count : 1;
    const int after = (BYTE)blocks[current].count;
    if (before > 1 && before <= kMostTextColumns)
    {
        OutRecord("ECM");
        OutSPN();
    }
    if (after <= 1 || after > kMostTextColumns)
        return;
    const GColumn& block = blocks[current];
    std::vector<long> starts(after), ends(after);
    long start = m_pPage->left;
    for (int i = 0; i < after; ++i)
    {
        if (i > 0)
            start = ends[i - 1] + TwipsOf(block.cols[i - 1].gap);
        starts[i] = start;
        ends[i] = start + TwipsOf(block.cols[i].width);
    }
    TCommandArg cds("CDS");
    cds.AddArg("00");
    cds.AddNum(after);
    for (int i = 0; i < after; ++i)
    {
        cds.AddNum(starts[i], kIcfNumber, kIcfTenthInch);
        cds.AddNum(ends[i], kIcfNumber, kIcfTenthInch);
        cds.AddArg("0");
    }
    for (int i = 0; i < after; ++i)
    {
        cds.AddNum(starts[i]);
        cds.AddNum(ends[i]);
        cds.AddArg("0");
    }
    OutSPN();
    cds.out_icf(*m_pFile);
    OutRecord("BCM");
}

void TConvertorFrom::DiffField(long pos)
{
    const long index = m_pFlow->GetCharField(pos);
    if (index < 0 || index >= m_pFlow->m_fields.count)
        return;
    GField* field = m_pFlow->m_fields[index];
    switch (field->m_nKind)
    {
    case kFieldDateTime:
    case kFieldList:
    case kFieldDocTitle:
    case kFieldCell:
        for (const char* text = field->AsText(0); text && *text; ++text)
            m_pFile->Put((unsigned char)*text < ' ' ? ' ' : *text);
        break;
    case kFieldPageNum:
        OutPageNum(field);
        break;
    default:
        break;
    }
}

void TConvertorFrom::OutPageNum(GField* field)
{
    const CString pageColon = GetResourceString(IDS_CONVERT_PAGE_COLON);
    const CString pageWord = GetResourceString(IDS_CONVERT_PAGE_WORD);
    const CString of = GetResourceString(IDS_CONVERT_OF);
    const CString pages = GetResourceString(IDS_CONVERT_PAGES);
    auto text = [&](const char* s) { m_pFile->PutText(s); };
    auto ppn = [&]() { OutRecord("PPN"); };
    auto pln = [&]() { OutRecord("PLN"); };
    switch (((GPageNum*)field)->m_nFormat)
    {
    case 1: text("-"); ppn(); text("-"); break;
    case 2: text(pageColon); ppn(); break;
    case 3: text(pageWord); ppn(); break;
    case 4: ppn(); text("/"); pln(); break;
    case 5: ppn(); text(of); pln(); break;
    case 6: text(pageColon); ppn(); text("/"); pln(); break;
    case 7: text(pageWord); ppn(); text(of); pln(); break;
    case 8: pln(); break;
    case 9: text(pages); pln(); break;
    default: ppn(); break;
    }
}
