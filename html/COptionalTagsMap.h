// COptionalTagsMap: the elements whose end tag HTML lets a file leave out
// (LI, P, OPTION, DT, DD, TR, TD, TFOOT, TH), each with the tags that close
// it and a count of its open elements. The HTML reader asks it after every
// tag whether an end tag is implied before it.
#pragma once
#include "afxtempl.h"
#include "html/html_tags.h"

class COptionalTagMapData
{
public:
    COptionalTagMapData() {}
    COptionalTagMapData(const char* endTag, const HtmlTagType* closers)
        : m_EndTag(endTag), m_pClosers(closers)
    {
    }
    virtual ~COptionalTagMapData() {}

    CString m_EndTag;                           // "/LI"
    const HtmlTagType* m_pClosers = nullptr;    // ends with tagEOT; static, not owned
    LONG m_nOpen = 0;
};

class COptionalTagsMap : public CMap<HtmlTagType, HtmlTagType, COptionalTagMapData, COptionalTagMapData>
{
public:
    // The nine elements, added in a fixed order: the class library's
    // buckets then visit them as TH, TFOOT, TD, TR, DD, DT, LI, OPTION, P.
    COptionalTagsMap();

    // The element of list equal to type, or tagEOT when the list has none.
    static HtmlTagType FoundIn(const HtmlTagType& type, const HtmlTagType* list);

    static const HtmlTagType m_ListItemTags[];
    static const HtmlTagType m_PTags[];
    static const HtmlTagType m_OptionTags[];
    static const HtmlTagType m_DTTags[];
    static const HtmlTagType m_DDTags[];
    static const HtmlTagType m_TRTags[];
    static const HtmlTagType m_TDTags[];
    static const HtmlTagType m_TFOOTTags[];
    static const HtmlTagType m_THTags[];
};
