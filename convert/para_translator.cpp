// TParaSty: indents, spacing and alignment of paragraphs.
#include "convert/translators.h"
#include "convert/TIntermediateFile.h"
#include "document/CWDocument.h"
#include <algorithm>
#include <cmath>

namespace
{
const long kInitialTabOffset = 1440;
// A paragraph keeps at least this much text width (0.1 mm).
const long kLeastTextWidth = 100;
const float kMostSpacing = 10.0f;
const double kExtraHeightFactor = 3.0 / 127.0;   // 0.1 mm of extra row height to spacing
const int kTwipsPerLine = 240;
} // namespace

int32_t TwipsOf(long tenthMm)
{
    return IcfRound((double)tenthMm * 1440 / 254);
}

int32_t TenthMmOf(long twips)
{
    return IcfRound((double)twips * 254 / 1440);
}

TParaSty::TParaSty(CWDocument* doc, const char* name) : TCommandsICF(doc, name), m_tabs(kInitialTabOffset)
{
    if (doc && doc->m_paraStyles.GetCount() > 0)
        m_tabs.SetTabs(doc->m_paraStyles[0].style.m_Tabs);
    SetDefaults();
}

void TParaSty::SetDefaults()
{
    m_left = m_right = m_first = 0;
    m_spacing = 1.0f;
    m_align = m_bJustifyMark ? GParaStyle::kAlignJustify : GParaStyle::kAlignLeft;
    m_bFull = true;
    m_bStmSetsFirst = true;
}

void TParaSty::SetPage(long left, long rightPos, long width)
{
    m_pageLeft = left;
    m_rightPos = rightPos;
    m_pageWidth = width;
}

long TParaSty::TextWidthTenthMm() const
{
    return TenthMmOf(m_rightPos - m_pageLeft);
}

void TParaSty::SetParaStyle(const GParaStyle& style, TIntermediateFile& file)
{
    Clear();
    const long halfWidthTwips = (m_rightPos - m_pageLeft) / 2;
    const long widthTwips = m_rightPos - m_pageLeft;
    if (m_bFull)
    {
        m_tabs.SetTabs(style.m_Tabs);
        m_tabs.Out(file);
        const long right = style.m_Right.value;
        if (right != 0)
        {
            TCommandArg& rmi = Append("RMI");
            rmi.AddNum(right, kIcfTenthMm, kIcfTenthInch);
            rmi.AddNum(right, kIcfTenthMm, kIcfNumber);
            const long rightTwips = TwipsOf(right);
            TCommandArg& rsm = Append("RSM");
            rsm.AddArg("0");
            rsm.AddArg("0");
            rsm.AddNum(m_pageLeft, kIcfNumber, kIcfTenthInch);
            rsm.AddNum(m_rightPos - rightTwips, kIcfNumber, kIcfTenthInch);
            rsm.AddNum(m_pageLeft);
            rsm.AddNum(m_rightPos - rightTwips);
            m_bRightIndentMark = true;
        }
        // The exact positions count from the page's edges, as they are read.
        const long left = style.m_Left.value, first = style.m_FirstLine.value;
        TCommandArg& ips = Append("IPS");
        ips.AddNum(left, kIcfTenthMm, kIcfTenthInch);
        ips.AddNum(first, kIcfTenthMm, kIcfTenthInch);
        ips.AddNum(TwipsOf(left) + m_pageLeft);
        ips.AddNum(TwipsOf(first) + m_pageLeft);
        ips.AddNum(TwipsOf(right) + m_pageWidth - m_rightPos);
        float spacing = style.m_Spacing.value;
        if (style.m_Extra.value != 0)
            spacing += (float)(style.m_Extra.value * kExtraHeightFactor);
        if (spacing != m_spacing)
        {
            TCommandArg& rsp = Append("RSP");
            rsp.AddNum(IcfRound(2 * m_spacing));
            rsp.AddNum(IcfRound(2 * spacing));
            rsp.AddNum(IcfRound(spacing * kTwipsPerLine));
            m_spacing = spacing;
        }
    }
    const unsigned char align = style.m_Align ? style.m_Align : (unsigned char)GParaStyle::kAlignLeft;
    auto centre = [&]() {
        TCommandArg& ctx = Append("CTX");
        ctx.AddArg("0");
        ctx.AddNum(halfWidthTwips, kIcfNumber, kIcfTenthInch);
        ctx.AddArg("0");
    };
    auto right = [&]() {
        TCommandArg& afr = Append("AFR");
        afr.AddArg("10");
        afr.AddNum(widthTwips, kIcfNumber, kIcfTenthInch);
        afr.AddArg("0");
    };
    const bool wasJustified = m_align == GParaStyle::kAlignJustify;
    if (align == m_align)
    {
        if (align == GParaStyle::kAlignCentre)
            centre();
        else if (align == GParaStyle::kAlignRight)
            right();
    }
    else
    {
        if (align != GParaStyle::kAlignJustify && wasJustified)
            Append("ERJ");
        if (align == GParaStyle::kAlignCentre)
            centre();
        else if (align == GParaStyle::kAlignRight)
            right();
        else if (align == GParaStyle::kAlignJustify)
            Append("BRJ");
    }
    m_align = align;
    Out(file);
}

int TParaSty::GetParaStyle(GParaStyle& style)
{
    m_tabs.GetTabs(style.m_Tabs);
    // Indents stay inside the text width, leaving room for text.
    const long width = std::max(kLeastTextWidth, TextWidthTenthMm());
    const long room = width - kLeastTextWidth;
    long left = std::max(0L, std::min(m_left, room));
    long right = std::max(0L, std::min(m_right, room - left));
    long first = std::max(0L, std::min(m_first, room));
    style.m_Left = Gint((short)left, 1);
    style.m_Right = Gint((short)right, 1);
    style.m_FirstLine = Gint((short)first, 1);
    style.m_Spacing = Gfloat(std::max(1.0f, std::min(kMostSpacing, m_spacing)), 1);
    style.m_Extra = Gint(0, 1);
    style.m_Align = m_align;
    return 1;
}

void TParaSty::BRJ(const TCommandArg&)
{
    m_align = GParaStyle::kAlignJustify;
    m_bJustifyMark = true;
}

void TParaSty::ERJ(const TCommandArg&)
{
    m_align = GParaStyle::kAlignLeft;
    m_bJustifyMark = false;
}

int TParaSty::AFR(const TCommandArg& r)
{
    int32_t kind = 0;
    if (!r.GetNum(1, kind))
        return 0;
    if (kind == 10)
        m_align = GParaStyle::kAlignRight;
    return kind == 44 || kind == 46 ? 1 : 0;
}

void TParaSty::IPS(const TCommandArg& r)
{
    int32_t v;
    if (r.GetNum(1, v, kIcfTenthMm, kIcfTenthInch))
        m_left = std::max(0, v);
    if (r.GetNum(2, v, kIcfTenthMm, kIcfTenthInch))
        m_first = std::max(0, v);
    if (r.GetNum(3, v))
        m_left = std::max<long>(0, TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)v - m_pageLeft)));
    if (r.GetNum(4, v))
        m_first = std::max<long>(0, TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)v - m_pageLeft)));
    if (r.GetNum(5, v))
        m_right = std::max<long>(
            0, TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)v - (m_pageWidth - m_rightPos))));
    m_bStmSetsFirst = false;
}

void TParaSty::RSP(const TCommandArg& r)
{
    int32_t halfLines = 0, twips = 0;
    r.GetNum(2, halfLines);
    r.GetNum(3, twips);
    const float spacing = twips != 0 ? (float)twips / kTwipsPerLine : halfLines * 0.5f;
    m_spacing = std::max(1.0f, std::min(kMostSpacing, spacing));
}

void TParaSty::RSMforPara(const TCommandArg& r)
{
    int32_t v;
    long left = m_left, right = m_right;
    if (r.GetNum(3, v, kIcfNumber, kIcfTenthInch))
        left = TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)v - m_pageLeft));
    if (r.GetNum(5, v))
        left = TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)v - m_pageLeft));
    if (r.GetNum(4, v, kIcfNumber, kIcfTenthInch))
        right = TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)m_rightPos - v));
    if (r.GetNum(6, v))
        right = TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)m_rightPos - v));
    m_left = std::max(0L, left);
    m_right = std::max(0L, right);
    m_first = m_left;
}

void TParaSty::STM(const TCommandArg& r)
{
    int32_t v;
    long pos = -1;
    if (r.GetNum(2, v, kIcfNumber, kIcfTenthInch))
        pos = TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)v - m_pageLeft));
    if (r.GetNum(4, v))
        pos = TenthMmOf((long)std::max<int64_t>(INT32_MIN, (int64_t)v - m_pageLeft));
    if (pos > m_left)
    {
        m_left = pos;
        if (m_bStmSetsFirst)
            m_first = m_left;
    }
}

void TParaSty::LMR(const TCommandArg& r)
{
    int32_t v;
    long first = m_first;
    if (r.GetNum(1, v, kIcfTenthMm, kIcfTenthInch))
        first = m_left - v;
    if (r.GetNum(2, v, kIcfTenthMm, kIcfNumber))
        first = m_left - v;
    m_first = std::max(0L, first);
}
