// The document-title field's text and stored form.
#include "model/GDocTitle.h"
#include "model/GDoc.h"
#include "document/CWDocument.h"

namespace {
// The title buffer is made at least this large before it is handed out.
const int kTitleBufferSize = 128;
} // namespace

GDocTitle::GDocTitle(GDoc* owner, long position, unsigned char code) : GField(owner, position), m_nCode(code)
{
    m_nKind = kFieldDocTitle;
}

GDocTitle::GDocTitle(const GDocTitle& other) : GField(other), m_nCode(other.m_nCode) {}

GField& GDocTitle::operator=(const GField& other)
{
    const GDocTitle* o = dynamic_cast<const GDocTitle*>(&other);
    if (!o || o == this)
        return *this;
    GField::operator=(other);
    m_nCode = o->m_nCode;
    m_strTitle = (LPCSTR)o->m_strTitle;
    return *this;
}

bool GDocTitle::operator==(const GField& other) const
{
    const GDocTitle* o = dynamic_cast<const GDocTitle*>(&other);
    return o && GField::operator==(other) && o->m_nCode == m_nCode;
}

void GDocTitle::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ar >> m_nCode >> m_strTitle;
}

void GDocTitle::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    ar << m_nCode << m_strTitle;
}

char* GDocTitle::AsText(long)
{
    CWDocument* doc = m_pDoc ? m_pDoc->m_pOwner : NULL;
    m_strTitle = doc ? (LPCSTR)doc->GetTitle() : "";
    return m_strTitle.GetBuffer(kTitleBufferSize);
}
