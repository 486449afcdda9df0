// Implied end tags: after each tag the reader asks which open element, if
// any, the tag closes, and delivers that element's end tag first.
#include "html/CHtmlParser.h"

long CHtmlParser::ProcessOptionalTag(const long& tagIndex)
{
    const TAGTABLE& tag = m_TagTable[tagIndex];
    long answer = -1;
    for (POSITION pos = m_OptionalTagsMap.GetStartPosition(); pos;)
    {
        HtmlTagType element;
        COptionalTagMapData data;
        m_OptionalTagsMap.GetNextAssoc(pos, element, data);
        if (data.m_nOpen <= 0)
            continue;
        HtmlTagType found = COptionalTagsMap::FoundIn(tag.type, data.m_pClosers);
        // Another element of the same kind: the open one ends and the new
        // one begins, so the count stays.
        if (found == element)
            return SearchTag(data.m_EndTag);
        if (found != tagEOT)
        {
            m_OptionalTagsMap[element].m_nOpen--;
            answer = SearchTag(data.m_EndTag);
        }
    }
    COptionalTagMapData data;
    if (m_OptionalTagsMap.Lookup(tag.type, data))
        m_OptionalTagsMap[tag.type].m_nOpen++;
    if (IsEndTag(tag))
    {
        HtmlTagType element = m_TagTable[SearchTag(tag.name + 1)].type;
        if (m_OptionalTagsMap.Lookup(element, data))
            m_OptionalTagsMap[element].m_nOpen--;
    }
    return answer;
}

bool CHtmlParser::HaveToSkip(const HtmlTagType& type)
{
    COptionalTagMapData data;
    return m_OptionalTagsMap.Lookup(type, data) && data.m_nOpen < 0;
}

void CHtmlParser::ForgetStrayEndTag(const HtmlTagType& type)
{
    COptionalTagMapData data;
    if (m_OptionalTagsMap.Lookup(type, data))
        m_OptionalTagsMap[type].m_nOpen = 0;
}
