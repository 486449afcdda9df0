// Paths a page names: relative ones are taken from the page's folder, as a
// browser does, not from the program's current folder.
#include "html/CHtmlParser.h"
#include <algorithm>

namespace {

bool IsAbsolutePath(const CString& path)
{
    if (path[0] == '/' || path[0] == '\\')
        return true;
    return path.GetLength() >= 2 && path[1] == ':';
}

} // namespace

CString CHtmlParser::BesidePage(const CString& path) const
{
    if (path.IsEmpty() || IsAbsolutePath(path))
        return path;
    int slash = std::max(m_Path.ReverseFind('\\'), m_Path.ReverseFind('/'));
    if (slash < 0)
        return path;
    return m_Path.Left(slash + 1) + path;
}
