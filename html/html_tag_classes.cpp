// The tag-class tests of the HTML reader.
#include "html/CHtmlParser.h"

namespace {

bool InList(HtmlTagType type, const HtmlTagType* list)
{
    return COptionalTagsMap::FoundIn(type, list) != tagEOT;
}

} // namespace

bool CHtmlParser::IsBeginTag(const TAGTABLE& tag)
{
    return tag.name[0] != '/';
}

bool CHtmlParser::IsEndTag(const TAGTABLE& tag)
{
    return tag.name[0] == '/';
}

bool CHtmlParser::IsBlockLevelTag(const HtmlTagType& type)
{
    return InList(type, m_BlockLevelTags);
}

bool CHtmlParser::IsPhraseTag(const HtmlTagType& type)
{
    return InList(type, m_PhraseTags);
}

bool CHtmlParser::IsInlineTag(const HtmlTagType& type)
{
    return InList(type, m_PhraseTags) || InList(type, m_InlineTags);
}

bool CHtmlParser::IsForbiddenEndTag(const HtmlTagType& type)
{
    return InList(type, m_ForbiddenEndTags);
}

bool CHtmlParser::IsOptionalTag(const HtmlTagType& type)
{
    return InList(type, m_OptionalTags);
}

bool CHtmlParser::IsRequaredEndTag(const HtmlTagType& type)
{
    return !IsForbiddenEndTag(type) && !IsOptionalTag(type);
}

bool CHtmlParser::HasEndTag(const TAGTABLE& tag)
{
    if (!IsBeginTag(tag))
        return false;
    CString end("/");
    end += tag.name;
    return SearchTag(end) < kHtmlTagCount;
}
