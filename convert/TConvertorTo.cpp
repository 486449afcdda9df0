// The intermediate-file importer: reading, dispatch, text and headers.
#include "convert/TConvertorTo.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GPageNum.h"
#include "resources/resource.h"
#include <algorithm>
#include <cstring>

namespace
{
const int kProgressSteps = 100;
const long kClosingChars = 3;

// The names the importer knows, four bytes each: three characters and '@';
// a record is dispatched by its name's place here.
const char kCommandTable[] =
    "DID@SSI@HNL@FDT@SPF@BBT@EBT@ITO@ITF@SUM@BUL@EUL@BSO@ESO@BCL@ECL@"
    "HF1@HF2@POR@PGW@SFL@STP@SBP@RSM@BCA@CTX@ECT@BRA@AFR@EAT@BRJ@ERJ@"
    "IPS@RSP@PPN@PLN@DTF@SPN@RUL@NTB@TAB@SPS@EPS@SBS@EBS@BCS@ECS@NBR@"
    "STM@LMR@CDS@BCM@ECM@BRO@HCB@SNL@HNP@HEX@FBM@HTM@HM @FM @PDS@PCT@";
const int kCommandCount = 64;

enum Command
{
    cDID, cSSI, cHNL, cFDT, cSPF, cBBT, cEBT, cITO, cITF, cSUM, cBUL, cEUL, cBSO, cESO, cBCL, cECL,
    cHF1, cHF2, cPOR, cPGW, cSFL, cSTP, cSBP, cRSM, cBCA, cCTX, cECT, cBRA, cAFR, cEAT, cBRJ, cERJ,
    cIPS, cRSP, cPPN, cPLN, cDTF, cSPN, cRUL, cNTB, cTAB, cSPS, cEPS, cSBS, cEBS, cBCS, cECS, cNBR,
    cSTM, cLMR, cCDS, cBCM, cECM, cBRO, cHCB, cSNL, cHNP, cHEX, cFBM, cHTM, cHM, cFM, cPDS, cPCT
};

// Restores the document's undo switch however the import ends.
class CUndoPause
{
public:
    explicit CUndoPause(CWDocument* doc) : m_pDoc(doc), m_bWas(doc->m_bUndoEnabled) { doc->m_bUndoEnabled = FALSE; }
    ~CUndoPause() { m_pDoc->m_bUndoEnabled = m_bWas; }

private:
    CWDocument* m_pDoc;
    BOOL m_bWas;
};

bool IsRecord(const TBuffICF& item, const char* name)
{
    return item.Len() >= 5 && item.Get()[0] == kIcfEsc && item.Get()[1] == kIcfGs &&
           memcmp(item.Get() + 2, name, 3) == 0;
}

struct KeptItem
{
    TBuffICF item;
    bool record;
    unsigned char charSet;
};
} // namespace

bool MyArr::operator==(const MyArr& other) const
{
    if (GetSize() != other.GetSize())
        return false;
    for (INT_PTR i = 0; i < GetSize(); ++i)
        if (GetAt(i) != other.GetAt(i))
            return false;
    return true;
}

TConvertorTo::TConvertorTo(CWView* view, CWDocument* doc, const char* fileName)
    : TConvertor(view, fileName, TIntermediateFile::kRead, doc)
{
    m_nFlow = m_nRecv = kBodyFlow;
    m_pFlow = m_pRecv = doc ? doc->GetFlow(kBodyFlow) : nullptr;
}

TConvertorTo::~TConvertorTo()
{
    for (MyArr* column : m_tableColumns)
        delete column;
}

int TConvertorTo::FindCommand(const char* name)
{
    for (int i = 0; i < kCommandCount; ++i)
        if (memcmp(kCommandTable + 4 * i, name, 3) == 0)
            return i;
    return -1;
}

bool TConvertorTo::Go()
{
    CWCustomFrameData* progress = Progress();
    if (progress)
    {
        progress->InitStatusBarPercent(IDS_PROGRESS_IMPORTING, kProgressSteps);
        progress->SetStatusBarPercent(0);
    }
    if (m_pRecv)
    {
        CChangeBracket bracket(m_pDoc);
        CUndoPause noUndo(m_pDoc);
        TBuffICF item;
        int kind;
        while ((kind = m_pFile->GetNext(item)) != TIntermediateFile::kEnd)
        {
            m_charSet = m_pFile->GetCharSet();
            if (kind == TIntermediateFile::kText)
                AddText(item);
            else
                AddCommand(item);
        }
        // A table the file leaves open keeps its cells.
        if (m_bTable)
            EndTable();
        GDoc* body = m_pDoc->GetFlow(kBodyFlow);
        const long mark = body->m_chars.count - kClosingChars;
        if (mark > 0 && body->m_chars[mark - 1] == kParagraphEnd)
            body->DeleteText(mark - 1, mark, 0);
        for (GDoc* flow : m_touched)
            if (flow->m_rows.count > 1)
                flow->ReRowByRow(0, flow->m_rows.count - 1, 0, 1);
    }
    if (progress)
    {
        progress->SetStatusBarPercent(kProgressSteps);
        progress->DoneStatusBarPercent();
    }
    return m_pRecv && m_pFile->Exist();
}

long TConvertorTo::EndOfFlow() const
{
    return m_pRecv->m_chars.count - kClosingChars;
}

void TConvertorTo::InsertChars(const char* text)
{
    if (std::find(m_touched.begin(), m_touched.end(), m_pRecv) == m_touched.end())
        m_touched.push_back(m_pRecv);
    m_pRecv->InsertText(EndOfFlow(), (char*)text, 0);
}

void TConvertorTo::AddText(TBuffICF& item)
{
    if (item.Len() == 0)
        return;
    if (m_bTable)
    {
        if (m_tableColumns.empty())
            return;
        PadColumn(m_nCurCol, m_nCurRow);
        MyArr& column = *m_tableColumns[m_nCurCol];
        if (m_nCurRow < column.GetSize())
            column[m_nCurRow] += item.Get();
        else
            column.Add(item.Get());
        return;
    }
    m_pPage->setup = 0;
    const long from = EndOfFlow();
    InsertChars(item.Get());
    const long to = EndOfFlow();
    if (to <= from)
        return;
    SetFStyle(from, to);
    if (m_pPara->m_bFull)
    {
        GParaStyle style;
        m_pPara->GetParaStyle(style);
        m_pRecv->SetParaStyle(from, to, style);
        m_pPara->m_bFull = false;
    }
}

void TConvertorTo::SetFStyle(long from, long to)
{
    GFontStyle style;
    m_pFont->GetFontStyle(style);
    style.SetCharSet(m_charSet ? m_charSet : m_pFont->GetFaceCharSet());
    m_pRecv->SetFontStyle(from, to, style, 1);
}

void TConvertorTo::ApplyPage()
{
    if (m_pDoc->m_pageInfos.GetCount() == 0)
        return;
    m_pPage->GetPageInfo(m_pDoc->m_pageInfos[0]);
    m_pDoc->FitDocumentToPageInfo(0);
}

void TConvertorTo::AddCommand(TBuffICF& item)
{
    TCommandArg r(item.Get(), item.Len());
    TFontSty& font = *m_pFont;
    TParaSty& para = *m_pPara;
    TPageInfo& page = *m_pPage;
    switch (FindCommand(r.Name()))
    {
    case cSSI: SSI(r, item); break;
    case cFDT: FDT(item); break;
    case cSPF: font.SPF(r); break;
    case cBCL: font.BCL(r); break;
    case cECL: font.ECL(r); break;
    case cSUM: font.SUM(r); break;
    case cBBT: case cEBT: case cITO: case cITF: case cBUL: case cEUL: case cBSO: case cESO:
    case cSPS: case cEPS: case cSBS: case cEBS: case cBCS: case cECS:
        font.Attribute(r);
        break;
    case cHF1: case cHF2:
        if (!m_bInHeaderFooter)
            ReceiveHF(item);
        break;
    case cPOR: page.POR(r); ApplyPage(); break;
    case cPGW:
        page.PGW(r);
        para.SetPage(page.left, page.rightPos, page.width);
        ApplyPage();
        break;
    case cSFL: page.SFL(r); ApplyPage(); break;
    case cSTP: page.STP(r); ApplyPage(); break;
    case cSBP: page.SBP(r); ApplyPage(); break;
    case cRSM:
        if (page.setup)
        {
            page.RSM(r);
            para.SetPage(page.left, page.rightPos, page.width);
            para.m_tabs.SetOffset(page.left);
            ApplyPage();
        }
        else
            para.RSMforPara(r);
        break;
    case cBCA: para.BCA(r); break;
    case cCTX: para.CTX(r); break;
    case cECT: para.ECT(r); break;
    case cBRA: para.BRA(r); break;
    case cEAT: para.EAT(r); break;
    case cBRJ: para.BRJ(r); break;
    case cERJ: para.ERJ(r); break;
    case cIPS: para.IPS(r); break;
    case cRSP: para.RSP(r); break;
    case cSTM: para.STM(r); break;
    case cLMR: para.LMR(r); break;
    case cAFR:
        if (para.AFR(r))
            TAB(TCommandArg("TAB"));
        break;
    case cRUL:
        if (!m_bTable)
            para.RUL(r);
        break;
    case cNTB:
        if (!m_bTable)
            para.NTB(r);
        break;
    case cHNL: HNL(r); break;
    case cHEX: HEX(item); break;
    case cSNL: SNL(r); break;
    case cPPN: PPN(r); break;
    case cPLN: PLN(r); break;
    case cSPN: SPN(r); break;
    case cTAB: TAB(r); break;
    case cNBR: NBR(r); break;
    case cCDS: CDS(r); break;
    case cBCM: BCM(r); break;
    case cECM: ECM(r); break;
    case cBRO: BRO(r); break;
    case cHCB: HCB(r); break;
    case cHNP: HNP(r); break;
    case cHTM: HTM(r); break;
    case cFBM: FBM(r); break;
    case cDTF: DTF(r); break;
    case cHM: HM(r); break;
    case cFM: FM(r); break;
    default: break;   // DID, PDS, PCT and names the table lacks
    }
}

void TConvertorTo::SSI(const TCommandArg&, TBuffICF& item)
{
    TTSsI summary(item.Get(), item.Len());
    summary.GetDocInfo(m_pDoc);
}

void TConvertorTo::FDT(TBuffICF& item)
{
    m_pFont.reset(new TFontSty(m_pDoc, item.Get(), item.Len()));
    m_pFont->MarkChanged();
}

long TConvertorTo::GetTypeHeaderFooter(long kind, long pages) const
{
    switch (kind)
    {
    case 0x04: return 2;
    case 0x06: return 5;
    case 0x08: return pages == 1 ? 1 : 2;
    case 0x0A: return pages == 1 ? 4 : 5;
    case 0x11: return 3;
    case 0x13: return 6;
    default: return 2;
    }
}

void TConvertorTo::ReceiveHF(TBuffICF&)
{
    m_pPage->setup = 0;
    std::vector<KeptItem> kept;
    kept.reserve(200);
    long kind = 0, pages = 0;
    TBuffICF item;
    int type;
    while ((type = m_pFile->GetNext(item)) != TIntermediateFile::kEnd)
    {
        if (type == TIntermediateFile::kRecord && IsRecord(item, "HFX"))
        {
            TCommandArg hfx(item.Get(), item.Len());
            int32_t v = 0;
            if (hfx.GetNum(2, v, kIcfNumber, kIcfHex))
                kind = v;
            if (hfx.GetNum(4, v, kIcfNumber, kIcfHex))
                pages = v;
            break;
        }
        kept.push_back({item, type == TIntermediateFile::kRecord, m_pFile->GetCharSet()});
    }
    const long flowIndex = GetTypeHeaderFooter(kind, pages);
    if (flowIndex == 1 || flowIndex == 4)
        m_pDoc->SetFirstPageDiff(1, 1);
    if (flowIndex == 3 || flowIndex == 6)
        m_pDoc->SetOddEvenPageDiff(1, 1);
    GDoc* part = m_pDoc->GetFlow(flowIndex);
    if (part && part->m_chars.count <= kClosingChars)
    {
        m_nRecv = flowIndex;
        m_pRecv = part;
        m_bInHeaderFooter = true;
        // The part's first paragraph takes the whole current formatting.
        m_pPara->m_bFull = true;
        m_pFont->MarkChanged();
        for (KeptItem& k : kept)
        {
            m_charSet = k.charSet;
            if (k.record)
                AddCommand(k.item);
            else
                AddText(k.item);
        }
        if (m_bTable)
            EndTable();
        m_bInHeaderFooter = false;
    }
    m_nRecv = kBodyFlow;
    m_pRecv = m_pDoc->GetFlow(kBodyFlow);
    m_pPara->m_bFull = true;
    m_pFont->MarkChanged();
}
