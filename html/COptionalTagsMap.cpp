// The map of the elements whose end tag may be left out.
#include "html/COptionalTagsMap.h"

COptionalTagsMap::COptionalTagsMap()
{
    // The order of adding decides the order within a bucket.
    SetAt(tagLI, COptionalTagMapData("/LI", m_ListItemTags));
    SetAt(tagP, COptionalTagMapData("/P", m_PTags));
    SetAt(tagOPTION, COptionalTagMapData("/OPTION", m_OptionTags));
    SetAt(tagDT, COptionalTagMapData("/DT", m_DTTags));
    SetAt(tagDD, COptionalTagMapData("/DD", m_DDTags));
    SetAt(tagTR, COptionalTagMapData("/TR", m_TRTags));
    SetAt(tagTD, COptionalTagMapData("/TD", m_TDTags));
    SetAt(tagTFOOT, COptionalTagMapData("/TFOOT", m_TFOOTTags));
    SetAt(tagTH, COptionalTagMapData("/TH", m_THTags));
}

HtmlTagType COptionalTagsMap::FoundIn(const HtmlTagType& type, const HtmlTagType* list)
{
    for (; list && *list != tagEOT; list++)
        if (*list == type)
            return *list;
    return tagEOT;
}
