// CTime and CTimeSpan: local fields round-trip, the day of the week, the
// Win32 time structures, span arithmetic and formatting.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include <string>

namespace {

struct Fields { int year, month, day, hour, minute, second, dayOfWeek; };

// Dates away from daylight-saving changes so any TZ gives the same fields;
// one past 2038 to catch a 32-bit time_t somewhere on the way.
const Fields kDates[] = {
    {1970, 1, 2, 0, 0, 0, 6},       // Friday
    {1999, 12, 31, 23, 59, 59, 6},  // Friday
    {2000, 1, 1, 12, 0, 0, 7},      // Saturday
    {2024, 2, 29, 8, 30, 15, 5},    // Thursday, leap day
    {2040, 7, 4, 18, 5, 9, 4},      // Wednesday
};

TEST(CTimeTest, LocalFieldsRoundTrip)
{
    for (const Fields& f : kDates)
    {
        CTime t(f.year, f.month, f.day, f.hour, f.minute, f.second);
        SCOPED_TRACE(testing::Message() << f.year << "-" << f.month << "-" << f.day);
        EXPECT_EQ(f.year, t.GetYear());
        EXPECT_EQ(f.month, t.GetMonth());
        EXPECT_EQ(f.day, t.GetDay());
        EXPECT_EQ(f.hour, t.GetHour());
        EXPECT_EQ(f.minute, t.GetMinute());
        EXPECT_EQ(f.second, t.GetSecond());
        EXPECT_EQ(f.dayOfWeek, t.GetDayOfWeek());

        SYSTEMTIME st = {};
        ASSERT_TRUE(t.GetAsSystemTime(st));
        EXPECT_EQ(f.dayOfWeek - 1, st.wDayOfWeek);
        EXPECT_EQ(t, CTime(st));

        struct tm local;
        ASSERT_EQ(&local, t.GetLocalTm(&local));
        EXPECT_EQ(f.hour, local.tm_hour);
    }
    // Out-of-range fields are normalised, as mktime does.
    EXPECT_EQ(CTime(2024, 3, 1, 0, 0, 0), CTime(2024, 2, 30, 0, 0, 0));
}

TEST(CTimeTest, UtcConversions)
{
    const CTime epoch((time_t)0);
    EXPECT_EQ("1970-01-01 00:00:00", std::string(epoch.FormatGmt("%Y-%m-%d %H:%M:%S")));
    struct tm* gmt = epoch.GetGmtTm();
    ASSERT_NE(nullptr, gmt);
    EXPECT_EQ(70, gmt->tm_year);
    EXPECT_EQ(4, gmt->tm_wday);   // a Thursday

    // FILETIME counts 100 ns ticks from 1601 in UTC.
    FILETIME ft;
    ULONGLONG ticks = 116444736000000000ULL + 86400ULL * 10000000ULL + 12345;
    ft.dwLowDateTime = (DWORD)ticks;
    ft.dwHighDateTime = (DWORD)(ticks >> 32);
    EXPECT_EQ((time_t)86400, CTime(ft).GetTime());

    // 2005-06-07 13:14:16 as an MS-DOS date and time (seconds / 2).
    WORD dosDate = (WORD)(((2005 - 1980) << 9) | (6 << 5) | 7);
    WORD dosTime = (WORD)((13 << 11) | (14 << 5) | 8);
    EXPECT_EQ(CTime(2005, 6, 7, 13, 14, 16), CTime(dosDate, dosTime));

    time_t before = ::time(nullptr);
    time_t now = CTime::GetCurrentTime().GetTime();
    EXPECT_GE(now, before);
}

TEST(CTimeTest, SpanArithmetic)
{
    const CTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(2, span.GetHours());
    EXPECT_EQ(3, span.GetMinutes());
    EXPECT_EQ(4, span.GetSeconds());
    EXPECT_EQ(26, span.GetTotalHours());
    EXPECT_EQ(26 * 60 + 3, span.GetTotalMinutes());
    EXPECT_EQ((time_t)93784, span.GetTotalSeconds());
    // Components carry: 90 minutes are 1 h 30 min.
    EXPECT_EQ(CTimeSpan(0, 1, 30, 0), CTimeSpan(0, 0, 90, 0));

    const CTime start(2024, 2, 28, 12, 0, 0);
    CTime t = start + CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(29, t.GetDay());
    t += CTimeSpan(0, 12, 0, 0);
    EXPECT_EQ(3, t.GetMonth());
    EXPECT_EQ(1, t.GetDay());
    EXPECT_EQ(0, t.GetHour());
    EXPECT_EQ(CTimeSpan(1, 12, 0, 0), t - start);
    EXPECT_EQ(start, t - CTimeSpan(1, 12, 0, 0));
    t -= CTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(29, t.GetDay());
    EXPECT_EQ(59, t.GetSecond());

    const CTimeSpan back = start - t;
    EXPECT_LT(back, CTimeSpan());
    EXPECT_EQ(-1, back.GetDays());
    EXPECT_EQ(-11, back.GetHours());
    EXPECT_EQ(-back, t - start);

    EXPECT_TRUE(start < t);
    EXPECT_TRUE(t > start);
    EXPECT_TRUE(start <= start);
    EXPECT_TRUE(start != t);
    EXPECT_TRUE(span + span == CTimeSpan(2, 4, 6, 8));
    EXPECT_TRUE(span - span == CTimeSpan());
}

TEST(CTimeTest, Format)
{
    const CTime t(2024, 2, 29, 8, 30, 5);
    EXPECT_EQ("2024-02-29 08:30:05", std::string(t.Format("%Y-%m-%d %H:%M:%S")));
    EXPECT_EQ("day 060, 100%", std::string(t.Format("day %j, 100%%")));
    EXPECT_TRUE(t.Format("").IsEmpty());

    // Results larger than the first buffer are kept whole.
    std::string longFormat(700, '.');
    longFormat += "%Y";
    CString longText = t.Format(longFormat.c_str());
    EXPECT_EQ(704, longText.GetLength());
    EXPECT_EQ("2024", std::string(longText.Right(4)));

    const CTime utc((time_t)(19782 * 86400 + 3600 + 62));   // 2024-02-29 01:01:02 UTC
    EXPECT_EQ("2024-02-29 01:01:02", std::string(utc.FormatGmt("%Y-%m-%d %H:%M:%S")));

    EXPECT_EQ("1 days 02:03:04 %", std::string(CTimeSpan(1, 2, 3, 4).Format("%D days %H:%M:%S %%")));
    EXPECT_EQ("0", std::string(CTimeSpan().Format("%D")));
}

}  // namespace
