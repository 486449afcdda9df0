#include "convert/TBuffICF.h"
#include "model/utilities.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

TBuffICF::TBuffICF() : m_pText(nullptr), m_nLen(0), m_nRoom(0)
{
    Reserve(0);
}

TBuffICF::TBuffICF(const char* text) : TBuffICF()
{
    if (text)
        Add(text, (long)strlen(text));
}

TBuffICF::TBuffICF(const char* text, long n) : TBuffICF()
{
    if (text && n > 0)
        Add(text, n);
}

TBuffICF::TBuffICF(unsigned int stringId) : TBuffICF()
{
    CString s = GetResourceString((int)stringId);
    Add((LPCSTR)s, s.GetLength());
}

TBuffICF::TBuffICF(const TBuffICF& other) : TBuffICF()
{
    Add(other.m_pText, other.m_nLen);
}

TBuffICF& TBuffICF::operator=(const TBuffICF& other)
{
    if (this != &other)
    {
        m_nLen = 0;
        m_pText[0] = 0;
        Add(other.m_pText, other.m_nLen);
    }
    return *this;
}

TBuffICF::~TBuffICF()
{
    delete[] m_pText;
}

void TBuffICF::Reserve(long n)
{
    if (m_pText && n < m_nRoom)
        return;
    long room = std::max(16L, m_nRoom);
    while (room <= n)
        room *= 2;
    char* text = new char[room];
    if (m_pText)
        memcpy(text, m_pText, m_nLen);
    text[m_nLen] = 0;
    delete[] m_pText;
    m_pText = text;
    m_nRoom = room;
}

void TBuffICF::Empty()
{
    m_nLen = 0;
    m_pText[0] = 0;
}

int TBuffICF::Insert(long pos, const char* text, long n)
{
    if (!text || n <= 0 || pos < 0 || pos > m_nLen)
        return 0;
    Reserve(m_nLen + n);
    memmove(m_pText + pos + n, m_pText + pos, m_nLen - pos);
    memcpy(m_pText + pos, text, n);
    m_nLen += n;
    m_pText[m_nLen] = 0;
    return 1;
}

int TBuffICF::Delete(long from, long to)
{
    if (to < from || from < 0 || from >= m_nLen)
        return 0;
    to = std::min(to, m_nLen - 1);
    memmove(m_pText + from, m_pText + to + 1, m_nLen - to - 1);
    m_nLen -= to - from + 1;
    m_pText[m_nLen] = 0;
    return 1;
}

int TBuffICF::Add(const char* text, long n)
{
    if (!text || n <= 0)
        return 0;
    return Insert(m_nLen, text, n);
}

int TBuffICF::Add(const char* text)
{
    return text ? Add(text, (long)strlen(text)) : 0;
}

bool TBuffICF::operator==(const TBuffICF& other) const
{
    return m_nLen == other.m_nLen && memcmp(m_pText, other.m_pText, m_nLen) == 0;
}

long TBuffICF::Find(const char* pattern, long from) const
{
    const long n = (long)strlen(pattern);
    for (long i = std::max(0L, from); i + n <= m_nLen; ++i)
        if (memcmp(m_pText + i, pattern, n) == 0)
            return i;
    return -1;
}

void TBuffICF::ChartoXCS()
{
    long extra = 0;
    for (long i = 0; i < m_nLen; ++i)
        if ((unsigned char)m_pText[i] >= 0x80)
            extra += kCharRecordSize - 1;
    if (extra == 0)
        return;
    TBuffICF out;
    out.Reserve(m_nLen + extra);
    char record[kCharRecordSize];
    for (long i = 0; i < m_nLen; ++i)
    {
        const unsigned char c = (unsigned char)m_pText[i];
        if (c >= 0x80)
        {
            MakeCharRecord(c, record);
            out.Add(record, kCharRecordSize);
        }
        else
            out.Add((char)c);
    }
    *this = out;
}

void MakeCharRecord(unsigned char c, char* dst)
{
    memcpy(dst, "\x1B\x1DXCS819\x1F", 9);
    LtoHEX(c, dst + 9, 2);
    dst[11] = kIcfUs;
    dst[12] = kIcfRs;
    dst[13] = '_';
}

void LtoHEX(long value, char* dst, int width)
{
    static const char kDigits[] = "0123456789ABCDEF";
    unsigned long v = (unsigned long)value;
    for (int i = width - 1; i >= 0; --i)
    {
        dst[i] = kDigits[v & 0xF];
        v >>= 4;
    }
    dst[width] = 0;
}

long HEXtoL(const char* text)
{
    uint32_t v = 0;
    for (const char* p = text; p && *p; ++p)
    {
        const char c = *p;
        int d = 0;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        v = (v << 4) | (uint32_t)d;
    }
    return (long)(int32_t)v;
}

unsigned char CodePage2CharSet(long codePage)
{
    static const struct
    {
        long codePage;
        unsigned char charSet;
    } kTable[] = {
        {710, 178},  {737, 161},  {775, 186},  {813, 161},  {819, 0},    {852, 238},  {855, 204},
        {857, 162},  {862, 177},  {865, 0},    {866, 204},  {915, 204},  {916, 177},  {920, 162},
        {932, 128},  {936, 134},  {949, 129},  {950, 136},  {1089, 178}, {1250, 238}, {1251, 204},
        {1252, 0},   {1253, 161}, {1254, 162}, {1255, 177}, {1256, 178}, {1257, 186}, {8591, 0},
        {8592, 238}, {9998, 2},
    };
    for (const auto& row : kTable)
        if (row.codePage == codePage)
            return row.charSet;
    return 0;
}

int32_t IcfDecimal(const char* text)
{
    if (!text)
        return 0;
    while (*text == ' ')
        ++text;
    bool negative = false;
    if (*text == '-' || *text == '+')
        negative = *text++ == '-';
    int64_t v = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        if (v <= INT32_MAX)
            v = v * 10 + (*text - '0');
    if (negative)
        v = -v;
    return (int32_t)std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, v));
}

int32_t IcfRound(double x)
{
    const double r = std::trunc(x + 0.5);
    if (!(r >= INT32_MIN))
        return INT32_MIN;
    if (r > INT32_MAX)
        return INT32_MAX;
    return (int32_t)r;
}
