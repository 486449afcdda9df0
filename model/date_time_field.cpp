// The date and time field's text and stored form.
#include "model/GDateTime.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <stdarg.h>
#include <stdio.h>
#include <string.h>

namespace {

const int kNameSize = 15;   // a day or month name keeps 14 characters
const int kDays = 7;
const int kMonths = 12;

// The names of a comma-separated string-table list, 1-based; name 0 and
// names the list lacks are empty.
template <int N>
struct NameList
{
    char names[N + 1][kNameSize] = {};

    explicit NameList(int id)
    {
        const CString list = GetResourceString(id);
        const char* p = list;
        for (int i = 1; i <= N && p; ++i)
        {
            const char* comma = strchr(p, ',');
            const size_t length = comma ? (size_t)(comma - p) : strlen(p);
            const size_t kept = length < (size_t)kNameSize - 1 ? length : (size_t)kNameSize - 1;
            memcpy(names[i], p, kept);
            names[i][kept] = 0;
            p = comma ? comma + 1 : NULL;
        }
    }
    const char* operator[](int i) const { return i >= 1 && i <= N ? names[i] : names[0]; }
};

// Appends to a NUL-terminated text of size bytes, cutting what does not fit.
void Append(char* text, size_t size, const char* format, ...)
{
    const size_t used = strlen(text);
    if (used + 1 >= size)
        return;
    va_list args;
    va_start(args, format);
    vsnprintf(text + used, size - used, format, args);
    va_end(args);
}

time_t CurrentTime()
{
    return CTime::GetCurrentTime().GetTime();
}

} // namespace

time_t (*GDateTime::Clock)() = CurrentTime;

GDateTime::GDateTime(GDoc* owner, long position) : GField(owner, position)
{
    m_nKind = kFieldDateTime;
    m_date.show = 1;
    m_szText[0] = 0;
    Update();
}

GDateTime::GDateTime(const GDateTime& other)
    : GField(other), m_nTime(other.m_nTime), m_nWeekday(other.m_nWeekday), m_date(other.m_date),
      m_time(other.m_time)
{
    m_szText[0] = 0;
    Update();
}

GField& GDateTime::operator=(const GField& other)
{
    const GDateTime* o = dynamic_cast<const GDateTime*>(&other);
    if (!o || o == this)
        return *this;
    m_nTime = o->m_nTime;
    m_nWeekday = o->m_nWeekday;
    m_date = o->m_date;
    m_time = o->m_time;
    memcpy(m_szText, o->m_szText, sizeof m_szText);
    return *this;
}

bool GDateTime::operator==(const GField& other) const
{
    const GDateTime* o = dynamic_cast<const GDateTime*>(&other);
    return o && o->m_nTime == m_nTime;
}

void GDateTime::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ar >> m_nTime >> m_nWeekday >> m_date.format >> m_date.show >> m_date.reserved >> m_time.format >>
        m_time.show >> m_time.reserved;
    BuildText();
}

void GDateTime::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    ar << m_nTime << m_nWeekday << m_date.format << m_date.show << m_date.reserved << m_time.format
       << m_time.show << m_time.reserved;
}

void GDateTime::Update()
{
    m_nTime = (DWORD)Clock();
    BuildText();
}

// The text of m_nTime in the field's layouts, in local time.
void GDateTime::BuildText()
{
    char* text = m_szText;
    const size_t size = sizeof m_szText;
    text[0] = 0;
    if (!m_date.show && !m_time.show)
        return;
    struct tm local = {};
    if (!CTime((time_t)m_nTime).GetLocalTm(&local))
        return;
    const unsigned year = (unsigned)local.tm_year + 1900, year2 = year % 100;
    const unsigned month = (unsigned)local.tm_mon + 1, day = (unsigned)local.tm_mday;

    if (m_date.show)
    {
        const NameList<kDays> days(IDS_WEEKDAY_NAMES);
        const NameList<kMonths> months(IDS_MONTH_NAMES);
        const char* monthName = months[(int)month];
        if (m_nWeekday == kWeekdayFull)
            Append(text, size, "%s, ", days[local.tm_wday + 1]);
        else if (m_nWeekday == kWeekdayShort)
            Append(text, size, "%.3s, ", days[local.tm_wday + 1]);
        switch (m_date.format)
        {
        case 0: Append(text, size, "%.2u/%.2u/%.2u", month, day, year2); break;
        case 1: Append(text, size, "%.2u/%.2u/%.4u", month, day, year); break;
        case 2: Append(text, size, "%.2u/%.2u/%.2u", day, month, year2); break;
        case 3: Append(text, size, "%.2u/%.2u/%.4u", day, month, year); break;
        case 4: Append(text, size, "%.2u/%.2u/%.2u", year2, month, day); break;
        case 5: Append(text, size, "%.4u/%.2u/%.2u", year, month, day); break;
        case 6: Append(text, size, "%.2u-%.3s-%.2u", day, monthName, year2); break;
        case 7: Append(text, size, "%u %.3s, %.4u", day, monthName, year); break;
        case 8: Append(text, size, "%.3s %u, %.4u", monthName, day, year); break;
        case 9: Append(text, size, "%s %u, %.4u", monthName, day, year); break;
        case 10: Append(text, size, "%u %s, %.4u", day, monthName, year); break;
        case 11: Append(text, size, "%.2u/%.4u", month, year); break;
        case 12: Append(text, size, "%.3s'%.2u", monthName, year2); break;
        case 13: Append(text, size, "%s, %.4u", monthName, year); break;
        }
    }
    if (m_time.show)
    {
        if (m_date.show)
            Append(text, size, ", ");
        const unsigned hour = (unsigned)local.tm_hour, minute = (unsigned)local.tm_min,
                       second = (unsigned)local.tm_sec;
        const unsigned hour12 = hour % 12 == 0 ? 12 : hour % 12;
        const char* half = hour < 12 ? "AM" : "PM";
        switch (m_time.format)
        {
        case 0: Append(text, size, "%.2u:%.2u %s", hour12, minute, half); break;
        case 1: Append(text, size, "%.2u:%.2u:%.2u %s", hour12, minute, second, half); break;
        case 2: Append(text, size, "%.2u:%.2u", hour, minute); break;
        case 3: Append(text, size, "%.2u:%.2u:%.2u", hour, minute, second); break;
        }
    }
}
