// The flow's text-effect stream: each text effect's record with its place
// in the field list, where the reader puts the effect back instead of the
// picture written for it.
#include "model/GDoc.h"
#include "model/GLumifex.h"

void GDoc::SaveNewFields(CArchive& ar)
{
    DWORD count = 0;
    for (LONG i = 0; i < m_fields.count; ++i)
        count += m_fields[i]->m_nKind == kFieldLumifex && dynamic_cast<GLumifex*>(m_fields[i]) ? 1 : 0;
    ar << count;
    for (LONG i = 0; i < m_fields.count; ++i)
    {
        GLumifex* effect = m_fields[i]->m_nKind == kFieldLumifex ? dynamic_cast<GLumifex*>(m_fields[i]) : NULL;
        if (!effect)
            continue;
        effect->Save(ar);
        ar << (DWORD)i;
    }
}

void GDoc::ReadNewFields(CArchive& ar)
{
    DWORD count = 0;
    try
    {
        ar >> count;
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        return;
    }
    // A record that cannot be read, or whose place does not hold the
    // picture written for it at its position, ends the reading; the
    // pictures stay, so nothing of the text is lost.
    for (DWORD n = 0; n < count; ++n)
    {
        GLumifex* effect = NULL;
        DWORD index = 0;
        try
        {
            BYTE kind;
            ar >> kind;
            if (kind != kFieldLumifex)
                return;
            effect = new GLumifex(this, 0);
            effect->Load(ar);
            ar >> index;
        }
        catch (CArchiveException* e)
        {
            e->Delete();
            if (effect)
                effect->Destroy();
            return;
        }
        GField* picture = index < (DWORD)m_fields.count ? m_fields[index] : NULL;
        if (!picture || picture->m_nKind != kFieldImage || picture->m_nPos != effect->m_nPos)
        {
            effect->Destroy();
            return;
        }
        picture->Destroy();
        m_fields[index] = effect;
    }
}
