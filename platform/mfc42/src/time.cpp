// CTime and CTimeSpan: conversions between time_t and broken-down fields
// go through the reentrant C library calls, so threads never share a
// struct tm.
#include "afx.h"
#include <stdio.h>

namespace {

// Seconds between 1601-01-01 (the FILETIME epoch) and 1970-01-01.
const long long kFileTimeEpochOffset = 11644473600LL;
const long long kFileTimeTicksPerSecond = 10000000LL;

time_t FromLocalFields(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm t = {};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = nDST < 0 ? -1 : (nDST > 0 ? 1 : 0);
    time_t result = mktime(&t);
    ASSERT(result != (time_t)-1);
    return result;
}

// strftime returns 0 both for "did not fit" and for an empty result, so the
// buffer grows a few times before the result is taken as empty.
CString FormatTm(const struct tm* ptm, LPCSTR pszFormat)
{
    CString result;
    if (!ptm || !pszFormat || !*pszFormat)
        return result;
    for (int nSize = 256; nSize <= 65536; nSize *= 4)
    {
        char* pBuf = result.GetBuffer(nSize);
        size_t n = strftime(pBuf, (size_t)nSize + 1, pszFormat, ptm);
        if (n > 0)
        {
            result.ReleaseBuffer((int)n);
            return result;
        }
    }
    result.Empty();
    return result;
}

CString LoadFormat(UINT nFormatID)
{
    CString format;
    VERIFY(format.LoadString(nFormatID));
    return format;
}

}  // namespace

// ---------------------------------------------------------------------------
// CTimeSpan

CString CTimeSpan::Format(LPCSTR pszFormat) const
{
    CString result;
    if (!pszFormat)
        return result;
    char field[32];
    for (LPCSTR p = pszFormat; *p; ++p)
    {
        if (*p != '%' || p[1] == 0)
        {
            result += *p;
            continue;
        }
        switch (*++p)
        {
        case 'D': snprintf(field, sizeof(field), "%ld", (long)GetDays()); break;
        case 'H': snprintf(field, sizeof(field), "%02d", GetHours()); break;
        case 'M': snprintf(field, sizeof(field), "%02d", GetMinutes()); break;
        case 'S': snprintf(field, sizeof(field), "%02d", GetSeconds()); break;
        case '%': strcpy(field, "%"); break;
        default: snprintf(field, sizeof(field), "%%%c", *p); break;
        }
        result += field;
    }
    return result;
}

CString CTimeSpan::Format(UINT nFormatID) const
{
    return Format(LoadFormat(nFormatID));
}

// ---------------------------------------------------------------------------
// CTime

CTime CTime::GetCurrentTime()
{
    return CTime(::time(nullptr));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
    : m_time(FromLocalFields(nYear, nMonth, nDay, nHour, nMin, nSec, nDST))
{
}

// MS-DOS date: bits 9-15 year since 1980, 5-8 month, 0-4 day; time: bits
// 11-15 hours, 5-10 minutes, 0-4 seconds / 2.
CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
    : m_time(FromLocalFields((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0x0F, wDosDate & 0x1F,
                             wDosTime >> 11, (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2, nDST))
{
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : m_time(FromLocalFields(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST))
{
}

// A FILETIME counts 100 ns ticks in UTC, so it maps straight onto time_t
// with no trip through local fields (which would be ambiguous in the hour
// daylight saving repeats). nDST has nothing to decide here.
CTime::CTime(const FILETIME& ft, int /*nDST*/)
{
    long long ticks = ((long long)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    m_time = (time_t)(ticks / kFileTimeTicksPerSecond - kFileTimeEpochOffset);
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    if (!ptm)
        ptm = &s_tm;
    return gmtime_r(&m_time, ptm);
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    if (!ptm)
        ptm = &s_tm;
    return localtime_r(&m_time, ptm);
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    struct tm t;
    if (!GetLocalTm(&t))
        return FALSE;
    st.wYear = (WORD)(t.tm_year + 1900);
    st.wMonth = (WORD)(t.tm_mon + 1);
    st.wDayOfWeek = (WORD)t.tm_wday;
    st.wDay = (WORD)t.tm_mday;
    st.wHour = (WORD)t.tm_hour;
    st.wMinute = (WORD)t.tm_min;
    st.wSecond = (WORD)t.tm_sec;
    st.wMilliseconds = 0;
    return TRUE;
}

// Each getter breaks the time down afresh: a CTime is a plain time_t and
// keeps no cached fields that could go stale after += or a TZ change.
int CTime::GetYear() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_year + 1900 : 0;
}

int CTime::GetMonth() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_mon + 1 : 0;
}

int CTime::GetDay() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_mday : 0;
}

int CTime::GetHour() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_hour : 0;
}

int CTime::GetMinute() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_min : 0;
}

int CTime::GetSecond() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_sec : 0;
}

int CTime::GetDayOfWeek() const
{
    struct tm t;
    return GetLocalTm(&t) ? t.tm_wday + 1 : 0;
}

CString CTime::Format(LPCSTR pszFormat) const
{
    struct tm t;
    return FormatTm(GetLocalTm(&t), pszFormat);
}

CString CTime::Format(UINT nFormatID) const
{
    return Format(LoadFormat(nFormatID));
}

CString CTime::FormatGmt(LPCSTR pszFormat) const
{
    struct tm t;
    return FormatTm(GetGmtTm(&t), pszFormat);
}

CString CTime::FormatGmt(UINT nFormatID) const
{
    return FormatGmt(LoadFormat(nFormatID));
}
