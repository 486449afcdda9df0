// GList, the list-number field (kind 6) at the start of every list
// paragraph; the item primitives read its list, level and numbers.
#pragma once
#include "model/GField.h"

const int kListLevels = 9;

// Still missing: numbering from the list style and the list fields before
// it (Update does nothing yet), the labels and their text, measuring,
// drawing, levels, copying and the stored form.
class GList : public GField
{
public:
    LONG m_nStyle;                   // index in the document's list-style table
    LONG m_nLevel;                   // 1 to 9
    LONG m_nNumbers[kListLevels];    // current number of each level, level 1 first
    LONG m_bContinues;               // continues the numbering of the list before it

    GList() : GList(NULL, 0, 0, 0, 1) {}
    GList(GDoc* owner, long position, long style, int continues, int level)
        : GField(owner, position), m_nStyle((LONG)style), m_bContinues(continues)
    {
        m_nKind = kFieldList;
        m_nLevel = (level < 1 || level > kListLevels) ? 1 : level;
        for (LONG& n : m_nNumbers)
            n = 1;
    }
};
