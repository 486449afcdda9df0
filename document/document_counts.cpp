// What the base document's summary and calculation functions ask of the
// document: its counts of characters, pages and words, and the page of an
// object field.
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GOle.h"

namespace
{
// The text of a flow ends with 13, 12, 0, which no count includes.
const long kClosingChars = 3;
const unsigned char kBlank = 32;
} // namespace

// Bytes above the blank are characters, accented letters (128 to 255)
// included; a field counts the characters and blanks of its text on its
// page; tabs and paragraph and page ends do not count.
long CWDocument::GetNumChars()
{
    GDoc* body = GetFlow(kBodyFlow);
    if (!body)
        return 0;
    long chars = 0, blanks = 0;
    const long end = body->m_chars.GetCount() - kClosingChars;
    for (long pos = 0; pos < end; ++pos)
    {
        const unsigned char c = (unsigned char)body->m_chars[pos];
        if (c > kBlank)
            ++chars;
        else if (c == kBlank)
            ++blanks;
        else if (c == kFieldMark)
        {
            const long i = body->GetCharField(pos);
            if (i < 0)
                continue;
            char* text = body->m_fields[i]->AsText(body->GetCharPage(pos) + 1);
            if (!text)
                continue;
            int fieldChars = 0, fieldBlanks = 0, lines = 0, paras = 0, pages = 0, words = 0, state = 1;
            body->WordCount(fieldChars, fieldBlanks, lines, paras, pages, words, state, text);
            chars += fieldChars;
            blanks += fieldBlanks;
        }
    }
    return chars + blanks;
}

// The page list ends with a closing entry.
long CWDocument::GetNumPages()
{
    GDoc* body = GetFlow(kBodyFlow);
    return body ? body->m_pages.GetCount() - 1 : 0;
}

long CWDocument::GetNumWords()
{
    long words = 0;
    for (long i = 0; i < m_flows.GetCount(); ++i)
        if (m_flows[i])
            words += m_flows[i]->CountWordsInDoc();
    return words;
}

// Cells stand in cell fields, which are object fields of their own kind:
// both kinds are searched, or no cell would ever be found.
BOOL CWDocument::GetFieldPage(CZTOleRectItem* item, unsigned long& page)
{
    if (!item)
        return FALSE;
    for (long f = 0; f < m_flows.GetCount(); ++f)
    {
        GDoc* flow = m_flows[f];
        if (!flow)
            continue;
        for (long i = 0; i < flow->m_fields.GetCount(); ++i)
        {
            GField* field = flow->m_fields[i];
            if ((field->m_nKind == kFieldOle || field->m_nKind == kFieldCell) && ((GOle*)field)->m_pItem == item)
            {
                page = (unsigned long)flow->GetCharPage(field->m_nPos);
                return TRUE;
            }
        }
    }
    return FALSE;
}
