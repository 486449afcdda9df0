// TTabulators: the tab ruler "RUL" and the tab map "NTB".
#include "convert/translators.h"
#include "convert/TIntermediateFile.h"
#include <algorithm>
#include <cstring>

namespace
{
const int kMapArgs = 32;           // 256 positions, eight to an argument
const int kMapPositions = 256;
const int kTypeArgs = 20;          // two types to an argument
const int kLeaderArgs = 40;
const int kNtbFixedArgs = kMapArgs + kTypeArgs + kLeaderArgs + 1;   // 93
const int kTwipsPerTenthInch = 144;
const long kInitialTab = 2880;

const char kTypeLetters[] = {'L', 'C', 'R', 'D'};

int TypeCode(char letter)
{
    switch (letter)
    {
    case 'C': return 1;
    case 'R': return 2;
    case 'D': return 3;
    case 'V': return 8;
    default: return 0;
    }
}

char TypeLetter(int code)
{
    switch (code)
    {
    case 1: return 'C';
    case 2: return 'R';
    case 3: return 'D';
    case 8: return 'V';
    default: return 'L';
    }
}
} // namespace

int bits::Sum() const
{
    int n = 0;
    for (unsigned char v = value; v; v >>= 1)
        n += v & 1;
    return n;
}

TTabulators::TTabulators(long offset) : TCommandArg("NTB"), m_rul("RUL"), m_offset(offset)
{
    m_rul.AddArg("01");
    m_rul.AddArg("1");
    m_rul.AddNum(kInitialTab);
    m_rul.AddArg("L");
    m_rul.AddArg("");
    BuildNTB();
}

int TTabulators::GetCountTabs() const
{
    int32_t n = 0;
    m_rul.GetNum(2, n);
    return std::max(0, std::min<int>(n, kMostRulerTabs));
}

void TTabulators::SetTabs(const GTabArr& tabs)
{
    TCommandArg rul("RUL");
    std::vector<const GTab*> kept;
    for (int i = 0; i < GTabArr::kCount; ++i)
        if (tabs[i].IsValid() && tabs[i].Pos() >= 0 && tabs[i].Pos() < kStopLimit)
            kept.push_back(&tabs[i]);
    rul.AddArg("01");
    rul.AddNum((long)kept.size());
    for (const GTab* tab : kept)
        rul.AddNum(TwipsOf(tab->Pos()) + m_offset);
    for (const GTab* tab : kept)
    {
        const char letter[2] = {kTypeLetters[tab->type & 3], 0};
        rul.AddArg(letter);
    }
    for (size_t i = 0; i < kept.size(); ++i)
        rul.AddArg("");
    if (!(rul == m_rul))
    {
        m_rul = rul;
        m_bChanged = true;
    }
}

void TTabulators::SetLeftTabs(const std::vector<int32_t>& positions)
{
    TCommandArg rul("RUL");
    const size_t n = std::min<size_t>(positions.size(), kMostRulerTabs);
    rul.AddArg("01");
    rul.AddNum((long)n);
    for (size_t i = 0; i < n; ++i)
        rul.AddNum(positions[i]);
    for (size_t i = 0; i < n; ++i)
        rul.AddArg("L");
    for (size_t i = 0; i < n; ++i)
        rul.AddArg("");
    m_rul = rul;
    BuildNTB();
}

void TTabulators::Out(TIntermediateFile& file)
{
    if (!m_bChanged)
        return;
    BuildNTB();
    OutRUL(file);
    OutNTB(file);
    m_bChanged = false;
}

void TTabulators::BuildNTB()
{
    const int count = GetCountTabs();
    std::vector<int32_t> positions(count, 0);
    std::vector<int> types(count, 0);
    unsigned char map[kMapArgs] = {};
    for (int n = 0; n < count; ++n)
    {
        m_rul.GetNum(3 + n, positions[n]);
        char letter[kMostArgLength + 1] = "";
        m_rul.GetText(3 + count + n, letter);
        types[n] = TypeCode(letter[0]);
        const int64_t k = ((int64_t)positions[n] + kTwipsPerTenthInch / 2) / kTwipsPerTenthInch;
        if (k >= 0 && k < kMapPositions)
            map[k / 8] |= (unsigned char)(1 << (7 - k % 8));
    }
    SetTheCountArg(0);
    for (int i = 0; i < kMapArgs; ++i)
        AddNum(map[i], kIcfNumber, kIcfHex);
    for (int i = 0; i < kTypeArgs; ++i)
    {
        const int high = 2 * i < count ? types[2 * i] : 0;
        const int low = 2 * i + 1 < count ? types[2 * i + 1] : 0;
        AddNum(high * 16 + low, kIcfNumber, kIcfHex);
    }
    for (int i = 0; i < kLeaderArgs; ++i)
        AddArg("");
    AddNum(count);
    for (int n = 0; n < count; ++n)
        AddNum(positions[n]);
}

void TTabulators::_RUL(const TCommandArg& r)
{
    m_rul = TCommandArg("RUL");
    int32_t relative = 1;
    r.GetNum(1, relative);
    int32_t n = 0;
    r.GetNum(2, n);
    n = std::max(0, std::min<int32_t>(n, kMostRulerTabs));
    m_rul.AddArg("01");
    m_rul.AddNum(n);
    for (int i = 0; i < n; ++i)
    {
        int32_t pos = 0;
        r.GetNum(3 + i, pos);
        if (relative == 0)
            pos = (int32_t)std::min<int64_t>(INT32_MAX, (int64_t)pos + m_offset);
        m_rul.AddNum(pos);
    }
    for (int i = 0; i < n; ++i)
    {
        char letter[kMostArgLength + 1] = "";
        r.GetText(3 + n + i, letter);
        const char type[2] = {letter[0] ? letter[0] : 'L', 0};
        m_rul.AddArg(type);
    }
    for (int i = 0; i < n; ++i)
    {
        char leader[kMostArgLength + 1] = "";
        r.GetText(3 + 2 * n + i, leader);
        m_rul.AddArg(leader);
    }
    m_bRulJustRead = true;
    m_bChanged = true;
}

void TTabulators::NTB(const TCommandArg& r)
{
    if (m_bRulJustRead)
    {
        m_bRulJustRead = false;
        return;
    }
    const int args = r.GetCountArg();
    std::vector<int32_t> mapPositions;
    for (int i = 0; i < kMapArgs; ++i)
    {
        int32_t byte = 0;
        r.GetNum(i + 1, byte, kIcfNumber, kIcfHex);
        for (int b = 0; b < 8; ++b)
            if (byte & (1 << (7 - b)))
                mapPositions.push_back((i * 8 + b) * kTwipsPerTenthInch);
    }
    const int count = std::min<int>((int)mapPositions.size(), kMostRulerTabs);
    TCommandArg rul("RUL");
    rul.AddArg("01");
    rul.AddNum(count);
    for (int n = 0; n < count; ++n)
    {
        int32_t pos = mapPositions[n];
        if (args > kNtbFixedArgs)
            r.GetNum(kNtbFixedArgs + 1 + n, pos);
        rul.AddNum(pos);
    }
    for (int n = 1; n <= count; ++n)
    {
        int code = 0;
        if (args > kMapArgs)
        {
            int32_t pair = 0;
            r.GetNum(kMapArgs + (n + 1) / 2, pair, kIcfNumber, kIcfHex);
            code = n % 2 ? (pair >> 4) & 0xF : pair & 0xF;
        }
        const char type[2] = {TypeLetter(code), 0};
        rul.AddArg(type);
    }
    for (int n = 0; n < count; ++n)
    {
        char leader[kMostArgLength + 1] = "";
        if (n < kLeaderArgs)
            r.GetText(kMapArgs + kTypeArgs + 1 + n, leader);
        rul.AddArg(leader);
    }
    m_rul = rul;
    m_args = r.Args();
    m_bChanged = true;
}

void TTabulators::GetTabs(GTabArr& tabs) const
{
    const int count = GetCountTabs();
    GTab stops[GTabArr::kCount];
    int kept = 0;
    for (int i = 0; i < count && kept < GTabArr::kCount; ++i)
    {
        int32_t pos = 0;
        m_rul.GetNum(3 + i, pos);
        const int64_t relative = std::max<int64_t>(0, (int64_t)pos - m_offset);
        const long tenth = TenthMmOf((long)std::min<int64_t>(relative, INT32_MAX));
        char letter[kMostArgLength + 1] = "";
        m_rul.GetText(3 + count + i, letter);
        const int code = TypeCode(letter[0]);
        stops[kept++] = GTab((unsigned char)(code <= 3 ? code : 0),
                             (short)std::min<long>(tenth, GTabArr::kMaxPosition), 1);
    }
    for (int i = 0; i < GTabArr::kCount; ++i)
        tabs[i] = i < kept ? stops[i] : GTab(GTab::kLeft, GTab::kEmpty, 0);
    tabs.Sort();
}
