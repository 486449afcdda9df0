// CWFndRpl: one find or replace request, and the process-wide histories of
// them, newest first. The find and replace dialogs fill requests; the
// flow's Find and Replace read them (editing/find_replace.cpp).
#pragma once
#include "model/GStyleTbl.h"

struct CWFndRpl
{
    static constexpr int kTextSize = 256;
    // Values of direction.
    static constexpr BYTE kAll = 0;    // the whole flow from its start, forwards
    static constexpr BYTE kUp = 1;     // backwards from the caret
    static constexpr BYTE kDown = 2;   // forwards from the caret

    // The search text, or the replacement in a replacement request;
    // zero-terminated, empty for none.
    char text[kTextSize];
    // Filters of a search, or the styles a replacement applies: by name
    // when the item is named, else by the defined values of its style.
    GStyleItem<GFontStyle> fontStyle;
    GStyleItem<GParaStyle> paraStyle;
    LONG matchFontFormat;
    LONG matchParaFormat;
    LONG wholeWord;
    LONG matchCase;
    BYTE direction;
    // Where the next search begins; the dialogs keep it up to date.
    LONG position;

    // Empty text and names, every character attribute undefined, the
    // default paragraph style, no flags, direction down, position 0.
    CWFndRpl();
    void SetText(const char* value);
    bool HasText() const { return text[0] != 0; }
    bool UsesStyles() const { return matchFontFormat || matchParaFormat; }
};

// A history of requests, entry 0 the active one. The array is made on
// first use: nothing of Win32 may run while the library's statics are built.
class CWFndHistory
{
public:
    constexpr CWFndHistory() {}
    ~CWFndHistory();
    GArray<CWFndRpl>& Get();
    GArray<CWFndRpl>* operator->() { return &Get(); }
    CWFndRpl& operator[](long i) { return Get()[i]; }
    long GetCount() { return Get().count; }

private:
    GArray<CWFndRpl>* m_pArray = nullptr;
};

extern CWFndHistory FndArr;   // search requests
extern CWFndHistory RplArr;   // replacement requests
// Which dialog the view opened last: 0 none, 1 Find, 2 Replace; the view's
// Find Next repeats that kind of search.
extern int Find_Replace_Status;

// Records a request: the newest entry with the same text (compared byte
// for byte) takes all of r's fields and becomes active; without one, r is
// inserted at the front.
void AddNewFnd(const CWFndRpl& r);
void AddNewRpl(const CWFndRpl& r);
// Moves entry i to the front, the entries before it one place back; an
// index outside the history changes nothing.
void SetFndActive(int i);
void SetRplActive(int i);
