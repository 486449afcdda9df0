// TPageInfo: the page set-up records; TTSsI: the summary record.
#include "convert/translators.h"
#include "convert/TIntermediateFile.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <algorithm>

namespace
{
// The page a converted file may set, in 0.1 mm: a sheet from 5 cm to 1 m
// with a text area of at least 1 cm each way.
const long kLeastPaper = 500;
const long kMostPaper = 10000;
const long kLeastText = 100;
const int kSummaryDurationArg = 18;
const int kSecondsPerMinute = 60;

int32_t Add64(int64_t a, int64_t b)
{
    const int64_t v = a + b;
    return (int32_t)std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, v));
}

// The distance from the page edge of the first page's header or footer.
long PartDistance(CWDocument* doc, long flowIndex)
{
    GDoc* flow = doc->GetFlow(flowIndex);
    return flow && flow->m_pFirstFrame ? flow->m_pFirstFrame->y : 0;
}
} // namespace

void TPageInfo::SetPageInfo(CWDocument* doc)
{
    if (!doc || doc->m_pageInfos.GetCount() == 0)
        return;
    const GPageInfo& info = doc->m_pageInfos[0];
    width = TwipsOf(info.paperWidth);
    height = TwipsOf(info.paperHeight);
    left = TwipsOf(info.textLeft);
    top = TwipsOf(info.textTop);
    rightPos = TwipsOf(info.textRight);
    bottom = TwipsOf(info.paperHeight - info.textBottom);
    headerDistance = TwipsOf(PartDistance(doc, doc->GetPageHeader(0)));
    footerDistance = TwipsOf(PartDistance(doc, doc->GetPageFooter(0)));
    paperType = info.paperType;
    landscape = info.portrait ? 0 : 1;
    firstPageDiff = doc->FirstPageDiffers() ? 1 : 0;
    oddEvenDiff = doc->OddEvenDiffers() ? 1 : 0;
}

void TPageInfo::GetPageInfo(GPageInfo& info) const
{
    const long w = std::max(kLeastPaper, std::min<long>(kMostPaper, TenthMmOf(width)));
    const long h = std::max(kLeastPaper, std::min<long>(kMostPaper, TenthMmOf(height)));
    // Margins keep a text area of kLeastText inside the paper.
    long l = std::max(0L, std::min<long>(TenthMmOf(left), w - kLeastText));
    long r = std::max(l + kLeastText, std::min<long>(TenthMmOf(rightPos), w));
    long t = std::max(0L, std::min<long>(TenthMmOf(top), h - kLeastText));
    long b = std::max(0L, std::min<long>(TenthMmOf(bottom), h - t - kLeastText));
    info.paperWidth = (LONG)w;
    info.paperHeight = (LONG)h;
    info.textLeft = (LONG)l;
    info.textRight = (LONG)r;
    info.textTop = (LONG)t;
    info.textBottom = (LONG)(h - b);
    info.portrait = landscape ? 0 : 1;
    info.paperType = (BYTE)paperType;
    // The edited flow is the body again.
    info.layoutValues[3] = 0;
}

void TPageInfo::OutPOR(TIntermediateFile& file) const
{
    TCommandArg r("POR");
    r.AddNum(landscape ? 1 : 0);
    r.out_icf(file);
}

void TPageInfo::OutPGW(TIntermediateFile& file) const
{
    TCommandArg r("PGW");
    r.AddNum(width, kIcfNumber, kIcfTenthInch);
    r.AddNum(width);
    r.out_icf(file);
}

void TPageInfo::OutSFL(TIntermediateFile& file) const
{
    const int32_t text = Add64((int64_t)height - bottom, -(int64_t)top);
    TCommandArg r("SFL");
    r.AddArg("0");
    r.AddArg("0");
    r.AddNum(height, kIcfNumber, kIcfLine);
    r.AddNum(text, kIcfNumber, kIcfLine);
    r.AddNum(height);
    r.AddNum(text);
    r.out_icf(file);
}

void TPageInfo::OutSTP(TIntermediateFile& file) const
{
    TCommandArg r("STP");
    r.AddArg("0");
    r.AddNum(top, kIcfNumber, kIcfLine);
    r.AddNum(top);
    r.out_icf(file);
}

void TPageInfo::OutSBP(TIntermediateFile& file) const
{
    TCommandArg r("SBP");
    r.AddNum(bottom, kIcfNumber, kIcfLine);
    r.AddNum(bottom);
    r.out_icf(file);
}

void TPageInfo::OutRSM(TIntermediateFile& file) const
{
    TCommandArg r("RSM");
    r.AddArg("0");
    r.AddArg("0");
    r.AddNum(left, kIcfNumber, kIcfTenthInch);
    r.AddNum(rightPos, kIcfNumber, kIcfTenthInch);
    r.AddNum(left);
    r.AddNum(rightPos);
    r.out_icf(file);
}

void TPageInfo::POR(const TCommandArg& r)
{
    int32_t v;
    if (r.GetNum(1, v))
        landscape = v ? 1 : 0;
}

void TPageInfo::PGW(const TCommandArg& r)
{
    int32_t v, w = width;
    if (r.GetNum(1, v, kIcfNumber, kIcfTenthInch))
        w = v;
    if (r.GetNum(2, v))
        w = v;
    if (widthSeen)
        rightPos = Add64(rightPos, (int64_t)w - width);
    width = w;
    widthSeen = 1;
}

void TPageInfo::SFL(const TCommandArg& r)
{
    int32_t v;
    if (r.GetNum(3, v, kIcfNumber, kIcfLine))
        height = v;
    if (r.GetNum(5, v))
        height = v;
}

void TPageInfo::STP(const TCommandArg& r)
{
    int32_t v;
    if (r.GetNum(2, v, kIcfNumber, kIcfLine))
        top = v;
    if (r.GetNum(3, v))
        top = v;
}

void TPageInfo::SBP(const TCommandArg& r)
{
    int32_t v;
    if (r.GetNum(1, v, kIcfNumber, kIcfLine))
        bottom = v;
    if (r.GetNum(2, v))
        bottom = v;
}

void TPageInfo::RSM(const TCommandArg& r)
{
    if (!setup)
        return;
    int32_t v;
    if (r.GetNum(3, v, kIcfNumber, kIcfTenthInch))
        left = v;
    if (r.GetNum(5, v))
        left = v;
    if (r.GetNum(4, v, kIcfNumber, kIcfTenthInch))
        rightPos = v;
    if (r.GetNum(6, v))
        rightPos = v;
}

TTSsI::TTSsI(const CWDocument* doc) : TCommandArg("SSI")
{
    SetTheCountArg(kArgCount);
    const CString convert = GetResourceString(IDS_CONVERT_SUMMARY_TITLE);
    const CString author = GetResourceString(IDS_CONVERT_SUMMARY_AUTHOR);
    SetArg(1, convert);
    for (int i : {2, 4, 5, 9})
        SetArg(i, author);
    if (doc)
        SetArg(kSummaryDurationArg, doc->m_docInfo.values[4] / kSecondsPerMinute, kIcfNumber, kIcfNumber);
}

TTSsI::TTSsI(const char* recordText, long length) : TCommandArg(recordText, length) {}
