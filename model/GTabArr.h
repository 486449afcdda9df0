// GTab and GTabArr: the sixteen tab stops of a paragraph style, kept sorted
// with empty slots last; edited by the tab dialog and ruler, used by layout.
#pragma once
#include "afx.h"
#include "model/tristate.h"

struct GTab
{
    enum { kLeft = 0, kCentre = 1, kRight = 2, kDecimal = 3 };
    static constexpr short kEmpty = 32000;   // position of an unused slot

    unsigned char type = kLeft;
    unsigned char pad = 0;
    Gint position;

    GTab() = default;
    GTab(unsigned char t, short pos, unsigned char defined = 1) : type(t), position(pos, defined) {}

    bool IsValid() const { return position.value != kEmpty; }
    short Pos() const { return position.value; }
    // All six stored bytes.
    bool operator==(const GTab& o) const { return type == o.type && pad == o.pad && position == o.position; }
    bool operator!=(const GTab& o) const { return !(*this == o); }

    // 6 bytes: type, 0, position (4-byte tri-state value).
    void SaveZVW(CArchive& ar) const;
    void OpenZVW(CArchive& ar);
};

// The 4-byte stop of older documents: type plus one, packed position.
struct _GTab
{
    unsigned char type = 1;
    _Gint position;
    void OpenZVW(CArchive& ar);
};

void Eq(GTab& to, const _GTab& from);

class GTabArr
{
public:
    static constexpr int kCount = 16;
    static constexpr int kDefaultStep = 127;   // 12.7 mm
    static constexpr int kMaxPosition = 24000;

    // Modes of SetTab.
    enum
    {
        kMoveOne = 1,       // move one stop, keep the others in order
        kMoveFollowing = 2, // move this stop and every stop after it
        kMoveSwallow = 3    // move one stop, removing the stops it passes
    };

    // Left stops every 127, both previous edges unknown.
    GTabArr();

    GTab& operator[](int i) { return m_Tabs[i]; }
    const GTab& operator[](int i) const { return m_Tabs[i]; }
    bool operator==(const GTabArr& o) const;
    bool operator!=(const GTabArr& o) const { return !(*this == o); }

    int GetValidItems() const;
    void Sort();
    // Index of the stop (an equal one already there, or where it landed).
    int AddTab(const GTab& tab);
    void DelTab(unsigned char i);
    void SetTab(unsigned char i, const GTab& tab, unsigned char mode);
    // Refills the stops after i at a fixed step between the text edges.
    void Reordering(unsigned char i, int step, int left, int right);
    // The step the dialog proposes: the most frequent gap between stops.
    int GuessTabStep() const;
    // Fits the stops to the text edges left and right.
    void Validate(int left, int right);

    GTab m_Tabs[kCount];
    int m_PrevLeft;    // left text edge of the last Validate, -1 before
    int m_PrevRight;

private:
    // Removes slot k; the later slots move down and slot 15 becomes empty.
    void RemoveSlot(int k);
    // Adds a left stop where the array still has a free slot.
    bool AddDefaultStop(int position);
};

constexpr int kGTabStoredSize = 6;
constexpr int kOldGTabStoredSize = 4;
