// Puts a fixed local time on every date and time field's clock for the
// scope of a test: a field put back by undo takes the time again, and a
// second passing mid-test must not change what a test compares.
#pragma once
#include "model/GDateTime.h"

class FixedClock
{
public:
    FixedClock(int year, int month, int day, int hour, int minute, int second)
        : m_saved(GDateTime::Clock)
    {
        s_now = CTime(year, month, day, hour, minute, second).GetTime();
        GDateTime::Clock = [] { return s_now; };
    }
    ~FixedClock() { GDateTime::Clock = m_saved; }
    static void Advance(int seconds) { s_now += seconds; }

private:
    time_t (*m_saved)();
    inline static time_t s_now = 0;
};
