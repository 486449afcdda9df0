// The page-number field's text and stored form.
#include "model/GPageNum.h"
#include "model/GDoc.h"
#include "model/utilities.h"
#include "document/CWDocument.h"
#include "resources/resource.h"
#include <stdio.h>
#include <string.h>
#include <string>

namespace {

enum PageNumArgs
{
    kPageOnly,
    kPageAndLast,
    kLastOnly
};

struct PageNumLayout
{
    UINT id;
    PageNumArgs args;
};

const PageNumLayout kLayouts[kPageNumFormatCount] = {
    {IDS_PAGENUM_NUMBER, kPageOnly},           {IDS_PAGENUM_DASHED, kPageOnly},
    {IDS_PAGENUM_PAGE, kPageOnly},             {IDS_PAGENUM_PAGE_COLON, kPageOnly},
    {IDS_PAGENUM_SLASH_LAST, kPageAndLast},    {IDS_PAGENUM_OF_LAST, kPageAndLast},
    {IDS_PAGENUM_PAGE_SLASH_LAST, kPageAndLast}, {IDS_PAGENUM_PAGE_OF_LAST, kPageAndLast},
    {IDS_PAGENUM_LAST, kLastOnly},             {IDS_PAGENUM_PAGES, kLastOnly},
};

// The layout as a format of at most count signed long numbers: every
// number conversion ("%lu", "%ld", "%u", "%d") becomes "%ld", and any other
// per cent sign, or a conversion beyond count, is printed as it stands, so
// that a changed string table can never read an argument that is not there.
std::string SignedLayout(const char* layout, int count)
{
    std::string format;
    for (const char* p = layout; *p; ++p)
    {
        if (*p != '%')
        {
            format += *p;
            continue;
        }
        const char* q = p + 1;
        if (*q == 'l')
            ++q;
        if ((*q == 'u' || *q == 'd') && count > 0)
        {
            format += "%ld";
            --count;
            p = q;
        }
        else if (*q == '%' && q == p + 1)
        {
            format += "%%";
            p = q;
        }
        else
            format += "%%";
    }
    return format;
}

} // namespace

GPageNum::GPageNum(GDoc* owner, long position, unsigned char format, long start)
    : GField(owner, position), m_nFormat(format), m_nStart((LONG)start)
{
    m_nKind = kFieldPageNum;
    m_szText[0] = 0;
}

GPageNum::GPageNum(const GPageNum& other) : GField(other), m_nFormat(other.m_nFormat), m_nStart(other.m_nStart)
{
    m_szText[0] = 0;
}

GField& GPageNum::operator=(const GField& other)
{
    const GPageNum* o = dynamic_cast<const GPageNum*>(&other);
    if (!o || o == this)
        return *this;
    GField::operator=(other);
    m_nFormat = o->m_nFormat;
    m_nStart = o->m_nStart;
    memcpy(m_szText, o->m_szText, sizeof m_szText);
    return *this;
}

bool GPageNum::operator==(const GField& other) const
{
    const GPageNum* o = dynamic_cast<const GPageNum*>(&other);
    return o && GField::operator==(other) && o->m_nFormat == m_nFormat && o->m_nStart == m_nStart &&
           strcmp(o->m_szText, m_szText) == 0;
}

void GPageNum::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ar >> m_nFormat >> m_nStart;
}

void GPageNum::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    ar << m_nFormat << m_nStart;
}

long GPageNum::PageCount() const
{
    const GDoc* body = m_pDoc;
    if (m_pDoc && m_pDoc->m_pOwner && m_pDoc->m_pOwner->GetFlow(0))
        body = m_pDoc->m_pOwner->GetFlow(0);
    return body ? std::max(0L, (long)body->m_pages.count - 1) : 0;
}

char* GPageNum::AsText(long page)
{
    if (m_nFormat >= kPageNumFormatCount)
        return m_szText;
    const PageNumLayout& layout = kLayouts[m_nFormat];
    // Numbers are 32-bit and signed, as the start is.
    const long number = (LONG)((long long)m_nStart + page - 1);
    const long last = layout.args == kPageOnly ? 0 : (LONG)((long long)m_nStart + PageCount() - 1);
    const CString text = GetResourceString((int)layout.id);
    const std::string format = SignedLayout(text, layout.args == kPageAndLast ? 2 : 1);
    if (layout.args == kLastOnly)
        snprintf(m_szText, sizeof m_szText, format.c_str(), last);
    else
        snprintf(m_szText, sizeof m_szText, format.c_str(), number, last);
    return m_szText;
}
