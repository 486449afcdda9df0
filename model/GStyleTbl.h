// GStyleItem and GStyleTbl: the document's named and unnamed style entries
// (character, paragraph, master and list styles), looked up by name, value
// or shortcut key, and their stored form.
#pragma once
#include "afx.h"
#include "model/GArray.h"
#include "model/style_key.h"
#include "model/style_io.h"
#include "model/old_version.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "model/GMasterStyle.h"
#include "model/GListStyle.h"

template <class T>
struct GStyleItem
{
    static constexpr int kNameSize = 32;

    char name[kNameSize];   // empty: an unnamed entry
    GKey key;
    T style;

    GStyleItem() { memset(name, 0, sizeof(name)); }
    GStyleItem(const char* itemName, const T& itemStyle, const GKey& itemKey = GKey())
    {
        SetName(itemName);
        key = itemKey;
        style = itemStyle;
    }
    // The style is assigned (never copy-built), so a character style
    // arrives with its metrics and without fonts.
    GStyleItem(const GStyleItem& src)
    {
        memcpy(name, src.name, sizeof(name));
        key = src.key;
        style = src.style;
    }
    GStyleItem& operator=(const GStyleItem& src)
    {
        if (this != &src)
        {
            memcpy(name, src.name, sizeof(name));
            key = src.key;
            style = src.style;
        }
        return *this;
    }

    void SetName(const char* text)
    {
        memset(name, 0, sizeof(name));
        if (text)
            lstrcpynA(name, text, kNameSize);
    }
    bool IsNamed() const { return name[0] != 0; }
};

template <class T>
class GStyleTbl : public GArray<GStyleItem<T>>
{
public:
    typedef GStyleItem<T> Item;
    // A stored table with more entries is damaged.
    static constexpr DWORD kMostEntries = 1000;
    // Thrown (as a plain int) when a stored table has too many entries.
    static constexpr int kTableReadFault = 1;

    GStyleTbl() : GArray<Item>(0, 4) {}

    // The first entry named name, ignoring case; an empty name finds the
    // first unnamed entry. -1 when none.
    long FindStyle(const char* name) const
    {
        for (LONG i = 0; i < this->count; i++)
            if (StyleNameCompare(this->data[i].name, name ? name : "") == 0)
                return i;
        return -1;
    }

    // The first entry holding an equal style; when none does, an unnamed
    // entry with a copy of the style is appended. Never -1.
    long FindStyle(const T& style)
    {
        for (LONG i = 0; i < this->count; i++)
            if (this->data[i].style == style)
                return i;
        this->Add(Item("", style));
        return this->count - 1;
    }

    // The first entry with the same shortcut; -1 for no shortcut.
    long FindStyle(const GKey& key) const
    {
        if (key.vkey == 0)
            return -1;
        for (LONG i = 0; i < this->count; i++)
            if (this->data[i].key == key)
                return i;
        return -1;
    }

    // The count, then per entry the 32-byte name, the 4-byte key and the
    // style's stored form.
    void SaveZVW(CArchive& ar) const
    {
        ar << (DWORD)this->count;
        for (LONG i = 0; i < this->count; i++)
        {
            const Item& item = this->data[i];
            WriteText(ar, item.name, Item::kNameSize);
            item.key.SaveZVW(ar);
            item.style.SaveZVW(ar);
        }
    }

    // Replaces the entries with a stored table, in the older layout while
    // bReadOldVersion is set. A count above 1000 throws the int 1 before
    // anything changes.
    void OpenZVW(CArchive& ar)
    {
        DWORD stored;
        ar >> stored;
        if (stored > kMostEntries)
            throw kTableReadFault;
        this->Flush();
        // One work entry for every read: what an older record does not
        // carry keeps the value of the entry before.
        Item item;
        for (DWORD i = 0; i < stored; i++)
        {
            // A name that fills all 32 bytes is cut at 31 characters.
            ReadText(ar, item.name, Item::kNameSize);
            if (bReadOldVersion)
            {
                item.key.OpenOldZVW(ar);
                item.style.OpenOldZVW(ar);
            }
            else
            {
                item.key.OpenZVW(ar);
                item.style.OpenZVW(ar);
            }
            this->Add(item);
        }
    }

private:
    GStyleTbl(const GStyleTbl&) = delete;
    GStyleTbl& operator=(const GStyleTbl&) = delete;
};
