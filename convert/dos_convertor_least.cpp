#include "convert/GDosConvertor.h"

// Still missing: the settings file and the reading of the DOS product's
// pages, fields and text; until they exist no settings are read, so every
// DOS document is refused as of the wrong format.
GDosConvertor::GDosConvertor(FILE* file, CWnd& owner, CWDocument& doc, CSize& size)
    : m_file(file), m_owner(owner), m_doc(doc), m_size(size)
{
}

GDosConvertor::~GDosConvertor() {}

int GDosConvertor::ReadLib()
{
    return 0;
}

int GDosConvertor::LoadZentavoTX()
{
    return 2;
}
