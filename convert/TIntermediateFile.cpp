#include "convert/TIntermediateFile.h"
#include "app/CWCustomFrameData.h"
#include <algorithm>
#include <cstring>

CWCustomFrameData* MainFrame = nullptr;

int WINAPI Display(int percent)
{
    if (MainFrame)
        MainFrame->SetStatusBarPercent(std::max(0, std::min(100, percent)));
    return 0;
}

namespace
{
// A run of text longer than this is handed over in parts, so that a file
// of text without records needs no more memory than this.
const long kMostTextItem = 1 << 20;
const char kBlank = ' ';
const long kMostCodePageDigits = 9;

HFILE MyOpen(const char* name, int mode)
{
    if (mode == TIntermediateFile::kRead)
        return _lopen(name, OF_READ | OF_SHARE_DENY_WRITE);
    return _lcreat(name, 0);
}

bool IsRecordAt(const TBuffICF& s, long i, const char* name)
{
    const char* t = s.Get();
    return i + 5 <= s.Len() && t[i] == kIcfEsc && t[i + 1] == kIcfGs && memcmp(t + i + 2, name, 3) == 0;
}

// The end (the position of its RS) of the record that begins at i, or the
// last byte when it does not end.
long RecordEnd(const TBuffICF& s, long i)
{
    const char* t = s.Get();
    long opens = 0, closes = 0;
    for (long p = i; p < s.Len(); ++p)
    {
        if (t[p] == kIcfEsc && p + 1 < s.Len() && t[p + 1] == kIcfGs)
        {
            ++opens;
            ++p;
        }
        else if (t[p] == kIcfRs && ++closes == opens)
            return p;
    }
    return s.Len() - 1;
}

// The byte and code page of the character record s[i..end]; false when it
// holds no byte.
bool ReadCharRecord(const TBuffICF& s, long i, long end, unsigned char& byte, long& codePage, bool& knownPage)
{
    const char* t = s.Get();
    long p = i + 5;
    long digits = 0;
    knownPage = false;
    codePage = 0;
    long us = p;
    while (us <= end && t[us] != kIcfUs)
        ++us;
    if (us > end)
        return false;
    if (us > p && us - p <= kMostCodePageDigits)
    {
        knownPage = true;
        for (long q = p; q < us; ++q)
        {
            if (t[q] < '0' || t[q] > '9')
                knownPage = false;
            else
                codePage = codePage * 10 + (t[q] - '0');
            ++digits;
        }
    }
    char hex[3] = {0, 0, 0};
    for (int k = 0; k < 2 && us + 1 + k <= end && t[us + 1 + k] != kIcfUs && t[us + 1 + k] != kIcfRs; ++k)
        hex[k] = t[us + 1 + k];
    if (!hex[0])
        return false;
    byte = (unsigned char)HEXtoL(hex);
    // A control byte would act as the file's syntax or a flow's code.
    if (byte < ' ')
        byte = kBlank;
    return true;
}
} // namespace

TIntermediateFile::TIntermediateFile(const char* name, unsigned char mode)
    : m_strName(name ? name : ""), m_mode(mode), m_block(kIcfBlockSize + 1, 0)
{
    if (mode == kRead)
    {
        HFILE h = MyOpen(m_strName, kRead);
        if (h != HFILE_ERROR)
        {
            const LONG end = _llseek(h, 0, FILE_END);
            if (end > 0)
                m_nSize = end;
            _lclose(h);
        }
    }
    m_hFile = MyOpen(m_strName, mode);
    if (mode == kWrite && m_hFile == HFILE_ERROR)
        m_bWriteFailed = true;
}

TIntermediateFile::~TIntermediateFile()
{
    if (m_mode == kWrite)
        Flush();
    if (m_hFile != HFILE_ERROR)
        _lclose(m_hFile);
    if (m_mode == kRead)
        DeleteFileA(m_strName);
}

void TIntermediateFile::WriteBytes(const char* bytes, long n)
{
    if (n <= 0)
        return;
    if (m_hFile == HFILE_ERROR || _lwrite(m_hFile, bytes, (UINT)n) != (UINT)n)
        m_bWriteFailed = true;
}

bool TIntermediateFile::Flush()
{
    WriteBytes(m_block.data(), m_nBlockLen);
    m_nBlockLen = 0;
    return !m_bWriteFailed;
}

void TIntermediateFile::Append(const char* bytes, long n)
{
    if (m_mode != kWrite || n <= 0)
        return;
    if (m_nBlockLen + n > kIcfMostBlockFill)
        Flush();
    // A record longer than a block goes out on its own.
    if (n > kIcfMostBlockFill)
    {
        WriteBytes(bytes, n);
        return;
    }
    memcpy(m_block.data() + m_nBlockLen, bytes, n);
    m_nBlockLen += n;
}

void TIntermediateFile::Put(char c)
{
    if ((unsigned char)c >= 0x80)
    {
        char record[kCharRecordSize];
        MakeCharRecord((unsigned char)c, record);
        Append(record, kCharRecordSize);
    }
    else
        Append(&c, 1);
}

void TIntermediateFile::Put(TBuffICF& s)
{
    s.ChartoXCS();
    Append(s.Get(), s.Len());
}

void TIntermediateFile::PutText(const char* text)
{
    for (; text && *text; ++text)
        Put(*text);
}

bool TIntermediateFile::ReadNew()
{
    m_nPos = 0;
    m_nBlockLen = 0;
    if (m_bAtEnd || m_hFile == HFILE_ERROR || m_mode != kRead)
    {
        m_bAtEnd = true;
        return false;
    }
    const UINT n = _lread(m_hFile, m_block.data(), (UINT)kIcfBlockSize);
    if (n == (UINT)HFILE_ERROR || n == 0)
    {
        m_bAtEnd = true;
        return false;
    }
    m_nBlockLen = (long)n;
    m_nRead += n;
    Display((int)std::min<int64_t>(100, m_nRead * 100 / std::max<int64_t>(1, m_nSize)));
    return true;
}

bool TIntermediateFile::NextByte(char& c)
{
    if (!m_pushed.empty())
    {
        c = m_pushed.back();
        m_pushed.pop_back();
        return true;
    }
    if (m_nPos >= m_nBlockLen && !ReadNew())
        return false;
    c = m_block[m_nPos++];
    // A nul would end the strings the records are read from.
    if (c == 0)
        c = kBlank;
    return true;
}

void TIntermediateFile::FoldCharRecords(TBuffICF& item, bool topLevel)
{
    if (topLevel && IsRecordAt(item, 0, "XCS"))
    {
        unsigned char byte;
        long codePage;
        bool known;
        const bool held = ReadCharRecord(item, 0, item.Len() - 1, byte, codePage, known);
        m_bPending = true;
        m_charSet = known ? CodePage2CharSet(codePage) : 0;
        item.Empty();
        if (held)
            item.Add((char)byte);
        return;
    }
    if (topLevel && IsRecordAt(item, 0, "UCS"))
    {
        m_bPending = false;
        item.Empty();
        return;
    }
    if (topLevel && m_bPending && IsRecordAt(item, 0, "HEX"))
    {
        m_bPending = false;
        item.Empty();
        return;
    }
    // Character records inside the arguments of another record: each
    // becomes its byte, and the placeholder right after it goes.
    for (long i = 2; i + 5 <= item.Len(); ++i)
    {
        const bool xcs = IsRecordAt(item, i, "XCS");
        if (!xcs && !IsRecordAt(item, i, "UCS"))
            continue;
        const long end = RecordEnd(item, i);
        unsigned char byte = 0;
        long codePage;
        bool known;
        const bool held = xcs && ReadCharRecord(item, i, end, byte, codePage, known);
        item.Delete(i, end);
        if (held)
        {
            item.Insert(i, (const char*)&byte, 1);
            if (i + 1 < item.Len() && item.Get()[i + 1] == '_')
                item.Delete(i + 1, i + 1);
        }
        else
            --i;
    }
}

int TIntermediateFile::GetNext(TBuffICF& out)
{
    for (;;)
    {
        out.Empty();
        char c, d;
        if (m_mode != kRead || !NextByte(c))
            return kEnd;
        bool record = false;
        if (c == kIcfEsc)
        {
            if (NextByte(d))
            {
                if (d == kIcfGs)
                    record = true;
                else
                    PushBack(d);
            }
        }
        if (record)
        {
            out.Add(kIcfEsc);
            out.Add(kIcfGs);
            long opens = 1, closes = 0;
            while (NextByte(c))
            {
                if (c == kIcfEsc && NextByte(d))
                {
                    if (d == kIcfGs)
                    {
                        ++opens;
                        out.Add(c);
                        out.Add(d);
                        continue;
                    }
                    PushBack(d);
                }
                out.Add(c);
                if (c == kIcfRs && ++closes == opens)
                    break;
            }
            FoldCharRecords(out, true);
            if (out.Len() == 0)
                continue;
            if (out.Len() >= 2 && out.Get()[0] == kIcfEsc && out.Get()[1] == kIcfGs)
                return kRecord;
            // A character record folded to its byte: text in its set.
            return kText;
        }
        out.Add(c);
        while (out.Len() < kMostTextItem && NextByte(c))
        {
            if (c == kIcfEsc && NextByte(d))
            {
                if (d == kIcfGs)
                {
                    PushBack(d);
                    PushBack(c);
                    break;
                }
                PushBack(d);
            }
            out.Add(c);
        }
        for (long i = 0; i < out.Len(); ++i)
            if (out.Get()[i] == 1)
                out.GetBuffer()[i] = kBlank;
        if (m_bPending)
        {
            m_bPending = false;
            if (out.Get()[0] == '_')
                out.Delete(0, 0);
            if (out.Len() == 0)
                continue;
        }
        m_charSet = 0;
        return kText;
    }
}
