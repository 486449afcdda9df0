#include "convert/TCommand.h"
#include "convert/TIntermediateFile.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
const long kTwipsPerInch = 1440;
const long kTenthMmPerInch = 254;
const long kTwipsPerTenthInch = 144;
const long kTwipsPerLine = 240;
const double kPitchBase = 2400;

bool StartsWithEscGs(const char* text, long length)
{
    return length >= 2 && text[0] == kIcfEsc && text[1] == kIcfGs;
}

int32_t Pitch(int64_t v)
{
    return v == 0 ? 0 : IcfRound(kPitchBase / (double)v);
}

int32_t Clamp32(int64_t v)
{
    return (int32_t)(v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : v);
}
} // namespace

TCommand::TCommand(const char* text)
{
    memset(m_name, 0, sizeof(m_name));
    if (!text)
        return;
    const long length = (long)strlen(text);
    const char* name = StartsWithEscGs(text, length) ? text + 2 : text;
    for (int i = 0; i < 3 && name[i]; ++i)
        m_name[i] = name[i];
}

bool TCommand::Is(const char* name) const
{
    return strncmp(m_name, name, 3) == 0;
}

void TCommand::out_icf(TIntermediateFile& file)
{
    TBuffICF record;
    record.Add(kIcfEsc);
    record.Add(kIcfGs);
    record.Add(m_name, (long)strlen(m_name));
    record.Add(kIcfRs);
    file.Put(record);
}

void TCommand::out_icf_begin(TIntermediateFile& file)
{
    TBuffICF record;
    record.Add(kIcfEsc);
    record.Add(kIcfGs);
    file.Put(record);
}

void TCommand::out_icf_end(TIntermediateFile& file)
{
    file.Put(kIcfRs);
}

TCommandArg::TCommandArg(const char* text) : TCommandArg(text, text ? (long)strlen(text) : 0) {}

TCommandArg::TCommandArg(const char* text, long length) : TCommand(text)
{
    if (!text)
        return;
    const long skip = StartsWithEscGs(text, length) ? 5 : 3;
    if (length <= skip)
        return;
    long end = length;
    if (text[end - 1] == kIcfRs)
        --end;
    if (end > skip)
        m_args.Add(text + skip, end - skip);
}

void TCommandArg::out_icf(TIntermediateFile& file)
{
    TBuffICF record;
    record.Add(kIcfEsc);
    record.Add(kIcfGs);
    record.Add(m_name, (long)strlen(m_name));
    record.Add(m_args.Get(), m_args.Len());
    record.Add(kIcfRs);
    file.Put(record);
}

bool TCommandArg::operator==(const TCommandArg& other) const
{
    return strcmp(m_name, other.m_name) == 0 && m_args == other.m_args;
}

int TCommandArg::GetCountArg() const
{
    int n = 0;
    for (long i = 0; i < m_args.Len(); ++i)
        if (m_args.Get()[i] == kIcfUs)
            ++n;
    return n;
}

void TCommandArg::SetTheCountArg(int n)
{
    m_args.Empty();
    for (int i = 0; i < n; ++i)
        m_args.Add(kIcfUs);
}

bool TCommandArg::ArgBounds(int i, long& begin, long& end) const
{
    if (i < 1)
        return false;
    const char* text = m_args.Get();
    long start = 0;
    int seen = 0;
    for (long p = 0; p < m_args.Len(); ++p)
        if (text[p] == kIcfUs)
        {
            if (++seen == i)
            {
                begin = start;
                end = p;
                return true;
            }
            start = p + 1;
        }
    return false;
}

int TCommandArg::GetArg(int i, void* out, int outType, int inType) const
{
    long begin, end;
    if (!out || !ArgBounds(i, begin, end))
        return 0;
    char text[kMostArgLength + 1];
    const long n = std::min<long>(end - begin, kMostArgLength);
    memcpy(text, m_args.Get() + begin, n);
    text[n] = 0;
    if (outType == kIcfText)
    {
        strcpy((char*)out, text);
        return 1;
    }
    int64_t v = 0;
    switch (inType)
    {
    case kIcfHex: v = HEXtoL(text); break;
    case kIcfText: v = 0; break;
    case kIcfPitch: v = Pitch(IcfDecimal(text)); break;
    case kIcfTenthInch: v = (int64_t)IcfDecimal(text) * kTwipsPerTenthInch; break;
    case kIcfLine: v = (int64_t)IcfDecimal(text) * kTwipsPerLine; break;
    default: v = IcfDecimal(text); break;
    }
    int32_t result;
    switch (outType)
    {
    case kIcfHex: return 1;
    case kIcfTenthMm: result = IcfRound((double)v * kTenthMmPerInch / kTwipsPerInch); break;
    case kIcfPitch: result = Pitch(v); break;
    case kIcfTenthInch: result = IcfRound((double)v / kTwipsPerTenthInch); break;
    case kIcfLine: result = IcfRound((double)v / kTwipsPerLine); break;
    default: result = Clamp32(v); break;
    }
    *(int32_t*)out = result;
    return 1;
}

int TCommandArg::GetNum(int i, int32_t& out, int outType, int inType) const
{
    return GetArg(i, &out, outType, inType);
}

void FormatIcfValue(long value, int valType, int outType, char* dst)
{
    int64_t v = value;
    switch (valType)
    {
    case kIcfTenthMm: v = IcfRound((double)value * kTwipsPerInch / kTenthMmPerInch); break;
    case kIcfPitch: v = Pitch(value); break;
    case kIcfTenthInch: v = (int64_t)value * kTwipsPerTenthInch; break;
    case kIcfLine: v = (int64_t)value * kTwipsPerLine; break;
    default: break;
    }
    dst[0] = 0;
    switch (outType)
    {
    case kIcfHex: LtoHEX((long)v, dst, 2); break;
    case kIcfHex4: LtoHEX((long)v, dst, 4); break;
    case kIcfTenthMm: break;
    case kIcfPitch: sprintf(dst, "%d", (int)Pitch(v)); break;
    case kIcfTenthInch: sprintf(dst, "%d", (int)IcfRound((double)v / kTwipsPerTenthInch)); break;
    case kIcfLine: sprintf(dst, "%d", (int)IcfRound((double)v / kTwipsPerLine)); break;
    default: sprintf(dst, "%d", (int)Clamp32(v)); break;
    }
}

int TCommandArg::SetArg(int i, long value, int valType, int outType)
{
    char text[32];
    FormatIcfValue(value, valType, outType, text);
    return SetArg(i, text);
}

int TCommandArg::SetArg(int i, const char* text)
{
    long begin, end;
    if (!ArgBounds(i, begin, end))
        return 0;
    if (end > begin)
        m_args.Delete(begin, end - 1);
    if (text && *text)
    {
        // Control bytes would break the record's syntax.
        TBuffICF clean(text);
        for (long p = 0; p < clean.Len(); ++p)
            if ((unsigned char)clean.GetBuffer()[p] < ' ')
                clean.GetBuffer()[p] = ' ';
        m_args.Insert(begin, clean.Get(), clean.Len());
    }
    return 1;
}

void TCommandArg::AddArg(const char* text)
{
    m_args.Add(kIcfUs);
    SetArg(GetCountArg(), text);
}

void TCommandArg::AddNum(long value, int valType, int outType)
{
    m_args.Add(kIcfUs);
    SetArg(GetCountArg(), value, valType, outType);
}

TCommandsICF::TCommandsICF(CWDocument* doc, const char* text) : TCommandArg(text), m_pDoc(doc) {}

void TCommandsICF::Out(TIntermediateFile& file)
{
    for (TCommandArg& record : m_list)
        record.out_icf(file);
}

TCommandArg& TCommandsICF::Append(const char* name)
{
    m_list.emplace_back(name);
    return m_list.back();
}
