// The toolbar's border-offset edit: its class-wide value is the distance
// from the text that a border applied with one style for all sides takes.
// Read by the border editing; shared (see scripts/check-includes.sh).
#pragma once
#include "afx.h"

// Still missing: the measurement edit itself (typing, units, spin and the
// toolbar button); only the class-wide value exists.
class COffsetMsrEdit
{
public:
    // 0.1 mm; the edit keeps it up to date.
    static LONG m_StaticValue;
};
