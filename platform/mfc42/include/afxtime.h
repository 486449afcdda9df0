// CTime and CTimeSpan: an absolute time as seconds since 1970 UTC (64-bit
// time_t) and a signed difference of two times. Field access and
// formatting go through the C library's local time (localtime_r), so they
// follow the process's TZ like the class library's.
#pragma once
#include "afxbase.h"
#include "afxstring.h"
#include <time.h>

static_assert(sizeof(time_t) == 8, "CTime needs a 64-bit time_t");

class CTimeSpan
{
public:
    CTimeSpan() : m_timeSpan(0) {}
    CTimeSpan(time_t seconds) : m_timeSpan(seconds) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_timeSpan(((time_t)lDays * 24 * 3600) + (time_t)nHours * 3600 + (time_t)nMins * 60 + nSecs) {}

    // The Get<Unit>s members give the component within the next larger unit
    // (GetHours is 0..23); the GetTotal<Unit>s members the whole span.
    LONG GetDays() const { return (LONG)(m_timeSpan / (24 * 3600)); }
    LONG GetTotalHours() const { return (LONG)(m_timeSpan / 3600); }
    int GetHours() const { return (int)(GetTotalHours() - (time_t)GetDays() * 24); }
    LONG GetTotalMinutes() const { return (LONG)(m_timeSpan / 60); }
    int GetMinutes() const { return (int)(GetTotalMinutes() - (time_t)GetTotalHours() * 60); }
    time_t GetTotalSeconds() const { return m_timeSpan; }
    int GetSeconds() const { return (int)(m_timeSpan - (time_t)GetTotalMinutes() * 60); }
    time_t GetTimeSpan() const { return m_timeSpan; }

    CTimeSpan operator-() const { return CTimeSpan(-m_timeSpan); }
    CTimeSpan operator+(CTimeSpan s) const { return CTimeSpan(m_timeSpan + s.m_timeSpan); }
    CTimeSpan operator-(CTimeSpan s) const { return CTimeSpan(m_timeSpan - s.m_timeSpan); }
    const CTimeSpan& operator+=(CTimeSpan s) { m_timeSpan += s.m_timeSpan; return *this; }
    const CTimeSpan& operator-=(CTimeSpan s) { m_timeSpan -= s.m_timeSpan; return *this; }
    bool operator==(CTimeSpan s) const { return m_timeSpan == s.m_timeSpan; }
    bool operator!=(CTimeSpan s) const { return m_timeSpan != s.m_timeSpan; }
    bool operator<(CTimeSpan s) const { return m_timeSpan < s.m_timeSpan; }
    bool operator>(CTimeSpan s) const { return m_timeSpan > s.m_timeSpan; }
    bool operator<=(CTimeSpan s) const { return m_timeSpan <= s.m_timeSpan; }
    bool operator>=(CTimeSpan s) const { return m_timeSpan >= s.m_timeSpan; }

    // Codes: %D days, %H hours (0..23), %M minutes, %S seconds, %% a
    // percent sign; anything else is copied.
    CString Format(LPCSTR pszFormat) const;
    CString Format(UINT nFormatID) const;

private:
    time_t m_timeSpan;
};

class CTime
{
public:
    static CTime GetCurrentTime();

    CTime() : m_time(0) {}
    CTime(time_t time) : m_time(time) {}
    // Local-time fields; nDST < 0 lets the C library decide whether daylight
    // saving applies, 0 means standard time, > 0 daylight time.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(WORD wDosDate, WORD wDosTime, int nDST = -1);
    CTime(const SYSTEMTIME& st, int nDST = -1);   // fields in local time
    CTime(const FILETIME& ft, int nDST = -1);     // UTC, as file times are

    time_t GetTime() const { return m_time; }
    // Fill *ptm, or a per-thread buffer when ptm is null; null if the time
    // cannot be broken down.
    struct tm* GetGmtTm(struct tm* ptm = nullptr) const;
    struct tm* GetLocalTm(struct tm* ptm = nullptr) const;
    BOOL GetAsSystemTime(SYSTEMTIME& st) const;   // local time fields

    int GetYear() const;
    int GetMonth() const;       // 1..12
    int GetDay() const;         // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;   // 1 = Sunday .. 7 = Saturday

    CTime operator+(CTimeSpan s) const { return CTime(m_time + s.GetTimeSpan()); }
    CTime operator-(CTimeSpan s) const { return CTime(m_time - s.GetTimeSpan()); }
    CTimeSpan operator-(CTime t) const { return CTimeSpan(m_time - t.m_time); }
    const CTime& operator+=(CTimeSpan s) { m_time += s.GetTimeSpan(); return *this; }
    const CTime& operator-=(CTimeSpan s) { m_time -= s.GetTimeSpan(); return *this; }
    bool operator==(CTime t) const { return m_time == t.m_time; }
    bool operator!=(CTime t) const { return m_time != t.m_time; }
    bool operator<(CTime t) const { return m_time < t.m_time; }
    bool operator>(CTime t) const { return m_time > t.m_time; }
    bool operator<=(CTime t) const { return m_time <= t.m_time; }
    bool operator>=(CTime t) const { return m_time >= t.m_time; }

    // strftime codes, in local time or in UTC.
    CString Format(LPCSTR pszFormat) const;
    CString Format(UINT nFormatID) const;
    CString FormatGmt(LPCSTR pszFormat) const;
    CString FormatGmt(UINT nFormatID) const;

private:
    time_t m_time;
};
