// Find and replace requests and their histories.
#include "dialogs/CWFndRpl.h"
#include <string.h>

namespace
{
// The histories grow two records at a time, from no room.
const long kHistoryGrow = 2;

void MoveToFront(CWFndHistory& history, int i)
{
    GArray<CWFndRpl>& entries = history.Get();
    if (i <= 0 || i >= entries.count)
        return;
    const CWFndRpl moved = entries[i];
    entries.Destroy(i, 1);
    entries.AddAt(moved, 0);
}

void AddNew(CWFndHistory& history, const CWFndRpl& r)
{
    GArray<CWFndRpl>& entries = history.Get();
    for (LONG i = 0; i < entries.count; ++i)
        if (strcmp(entries[i].text, r.text) == 0)
        {
            if (&entries[i] != &r)
                entries[i] = r;
            MoveToFront(history, i);
            return;
        }
    entries.AddAt(r, 0);
}
} // namespace

CWFndHistory FndArr;
CWFndHistory RplArr;
int Find_Replace_Status = 0;

CWFndRpl::CWFndRpl()
    : matchFontFormat(0), matchParaFormat(0), wholeWord(0), matchCase(0), direction(kDown), position(0)
{
    memset(text, 0, sizeof(text));
    fontStyle.style.Reset();
}

void CWFndRpl::SetText(const char* value)
{
    memset(text, 0, sizeof(text));
    if (value)
        strncpy(text, value, kTextSize - 1);
}

CWFndHistory::~CWFndHistory()
{
    delete m_pArray;
}

GArray<CWFndRpl>& CWFndHistory::Get()
{
    if (!m_pArray)
        m_pArray = new GArray<CWFndRpl>(0, kHistoryGrow);
    return *m_pArray;
}

void AddNewFnd(const CWFndRpl& r)
{
    AddNew(FndArr, r);
}

void AddNewRpl(const CWFndRpl& r)
{
    AddNew(RplArr, r);
}

void SetFndActive(int i)
{
    MoveToFront(FndArr, i);
}

void SetRplActive(int i)
{
    MoveToFront(RplArr, i);
}
