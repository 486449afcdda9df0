// The HTML reader's error codes and the string-table messages that go with
// them; the reader reports each through its virtual OnError.
#pragma once
#include "resources/resource.h"

enum HtmlErrCode : int
{
    htmlErrNone = 0,
    htmlErrFatal = 1,              // an attribute name without "="
    htmlErrEndOfFile = 2,          // the file ends inside a tag, attribute, comment or reference
    htmlErrUnknownTag = 3,
    htmlErrUnknownChar = 4,        // a six-character reference name ended by ";" but not known
    htmlErrUnknownParam = 5,       // an attribute the tag's parser does not know
    htmlErrUnknownColor = 6,       // a colour name not in the colour table
    htmlErrTagFormat = 7,
    htmlErrCharFormat = 8,         // a reference without ";"
    htmlErrCommentEnd = 9,
    htmlErrSpacesAround = 10,      // white space around "=" in an attribute
    htmlErrParamRange = 11         // FONT SIZE outside 1..7, a "#" colour of a wrong length
};

constexpr int kHtmlErrCodeCount = 12;

// The message of each code, by code.
constexpr long kHtmlErrMessageIds[kHtmlErrCodeCount] = {
    IDS_HTML_ERR_NONE,          IDS_HTML_ERR_FATAL,        IDS_HTML_ERR_END_OF_FILE,
    IDS_HTML_ERR_UNKNOWN_TAG,   IDS_HTML_ERR_UNKNOWN_CHAR, IDS_HTML_ERR_UNKNOWN_PARAM,
    IDS_HTML_ERR_PARAM_RANGE,   IDS_HTML_ERR_TAG_FORMAT,   IDS_HTML_ERR_CHAR_FORMAT,
    IDS_HTML_ERR_COMMENT_END,   IDS_HTML_ERR_SPACES_AROUND, IDS_HTML_ERR_PARAM_RANGE};
