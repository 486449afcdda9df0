// An embedded object of a document in the older native layout: the object
// lives in a sub-storage of the file named by the item name the field
// stores.
#pragma once
#include "ZTItems.h"

class CWOldZTOleRectItem : public CZTOleRectItem
{
public:
    static const int kNameSize = 32;

    // name: the stored 32 bytes, cut at 31 characters.
    CWOldZTOleRectItem(CZTDoc* doc, CZTOleRectItem* client, const char* name);
    // Copies the stored name (kNameSize bytes with its terminator).
    void GetItemNameOld(char* name) const;
    // Marks the item as loaded from storage, loads it and gives it an item
    // number of its document.
    void CreateItemFromOldFormat(CArchive& ar);
    void ReadItemCompoundOld(CArchive& ar);
    // The item's size follows a change of the object's extent.
    void UpdateExtentOld();
    BOOL IsLoadedFromStorage() const { return m_bFromStorage; }

private:
    CZTDoc* m_pTarget;
    char m_szName[kNameSize];
    BOOL m_bFromStorage = FALSE;
};
