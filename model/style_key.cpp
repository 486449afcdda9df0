// Descriptions and stored forms of style shortcut keys.
#include "afx.h"
#include "model/style_key.h"
#include "model/utilities.h"

CString GKey::GetDescription() const
{
    CString text = GetResourceString(kIdsShortcut);
    if (vkey == 0)
        return text + GetResourceString(kIdsUndefinedShortcut);

    // Modifiers are named in the order the shortcut is typed.
    if (modifiers & kAlt)
        text += "Alt+";
    if (modifiers & kCtrl)
        text += "Ctrl+";
    if (modifiers & kShift)
        text += "Shift+";

    if ((vkey >= '0' && vkey <= '9') || (vkey >= 'A' && vkey <= 'Z'))
        text += (char)vkey;
    else if (vkey >= VK_F1 && vkey <= VK_F12)
    {
        char number[8];
        wsprintfA(number, "F%d", vkey - VK_F1 + 1);
        text += number;
    }
    return text;
}

void GKey::SaveZVW(CArchive& ar) const
{
    ar << (BYTE)modifiers << (BYTE)0 << (WORD)vkey;
}

void GKey::OpenZVW(CArchive& ar)
{
    BYTE mods, skip;
    WORD key;
    ar >> mods >> skip >> key;
    modifiers = mods;
    pad = 0;
    vkey = key;
}

void GKey::OpenOldZVW(CArchive& ar)
{
    BYTE mods;
    WORD key;
    ar >> mods >> key;
    modifiers = mods;
    pad = 0;
    vkey = key;
}
