// GDateTime, the date and time field (kind 2): the date, the time or both
// from the local clock, in one of fourteen date and four time layouts,
// optionally after the weekday's name. Measured and drawn as text in its
// placeholder's style (model/field_drawing.cpp).
#pragma once
#include "model/GField.h"
#include <time.h>

// Date layouts (9 March 2026): 03/09/26, 03/09/2026, 09/03/26, 09/03/2026,
// 26/03/09, 2026/03/09, 09-Mar-26, 9 Mar, 2026, Mar 9, 2026, March 9, 2026,
// 9 March, 2026, 03/2026, Mar'26, March, 2026.
const WORD kDateFormatCount = 14;
// Time layouts (14:05:07): 02:05 PM, 02:05:07 PM, 14:05, 14:05:07.
const WORD kTimeFormatCount = 4;

const BYTE kWeekdayNone = 0;
const BYTE kWeekdayFull = 1;     // "Monday, "
const BYTE kWeekdayShort = 2;    // "Mon, "

// The text holds the longest text of the layouts with the names of the
// string table (42 characters) and its NUL; a longer one is cut short.
const int kDateTimeTextSize = 50;

class GDateTime : public GField
{
public:
    // A layout and whether it is shown; copied and stored as one group.
    struct Group
    {
        WORD format = 0;
        BYTE show = 0;
        BYTE reserved = 0;   // kept with the group, not interpreted
        bool operator==(const Group& o) const
        {
            return format == o.format && show == o.show && reserved == o.reserved;
        }
    };

    DWORD m_nTime = 0;           // seconds since 1970 at which the text was built
    BYTE m_nWeekday = kWeekdayNone;
    Group m_date;
    Group m_time;
    char m_szText[kDateTimeTextSize];

    // The date in layout 0, no time, no weekday, built at once.
    GDateTime(GDoc* owner, long position);
    // The settings and time of other, then the text built anew.
    GDateTime(const GDateTime& other);
    // The settings, time and text of other; the base part stays.
    GDateTime& operator=(const GDateTime& other) { return (GDateTime&)operator=((const GField&)other); }
    GField& operator=(const GField& other) override;
    // Fields built in the same second are equal, whatever they show.
    bool operator==(const GField& other) const override;

    // After the common part: time (u32), weekday (u8), the date group and
    // the time group (u16 format, u8 show, u8 reserved each). The text is
    // not stored; a field read shows its time in its layouts until its
    // next Update.
    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;

    char* AsText(long) override { return m_szText; }
    // Takes the time from Clock and builds the text.
    void Update() override;
    GField* CreateCopy() override { return new GDateTime(*this); }

    // The clock of every date and time field; tests put a fixed one in.
    static time_t (*Clock)();

private:
    void BuildText();
};
