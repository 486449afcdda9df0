// GKey: the keyboard shortcut a named style may carry; every style table
// entry holds one, and the style dialogs describe it.
#pragma once
#include "afx.h"
#include "resources/resource.h"

struct GKey
{
    enum { kAlt = 0x01, kShift = 0x02, kCtrl = 0x04 };

    unsigned char modifiers = 0;   // kAlt, kShift, kCtrl
    unsigned char pad = 0;
    unsigned short vkey = 0;       // Win32 virtual-key code; 0: no shortcut

    GKey() = default;
    GKey(unsigned short key, unsigned char mods) : modifiers(mods), vkey(key) {}

    bool IsDefined() const { return vkey != 0; }
    bool operator==(const GKey& o) const { return vkey == o.vkey && modifiers == o.modifiers; }
    bool operator!=(const GKey& o) const { return !(*this == o); }

    // "Shortcut: Ctrl+Shift+A", or "Shortcut: (undefined)" without a key.
    CString GetDescription() const;

    // 4 bytes: modifiers, 0, virtual key.
    void SaveZVW(CArchive& ar) const;
    void OpenZVW(CArchive& ar);
    // Older documents: 3 bytes, modifiers then virtual key.
    void OpenOldZVW(CArchive& ar);
};

constexpr int kGKeyStoredSize = 4;
constexpr int kOldGKeyStoredSize = 3;

// String-table texts of the description.
constexpr int kIdsShortcut = IDS_DESC_SHORTCUT;
constexpr int kIdsUndefinedShortcut = IDS_DESC_UNDEFINED;
