#include "document/CWDocument.h"

void CWDocument::SaveBackground(CArchive& ar)
{
    m_background.Serialize(ar);
}

void CWDocument::ReadBackground(CArchive& ar)
{
    try
    {
        m_background.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        m_background.SetDefaultState();
    }
    m_background.GetBackgroundImage();
}
