// The HTML importer's lists: list starts and ends keep the list kind, the
// depth and the item counter; each item gets a list field whose list style
// comes from the list's TYPE or its depth.
#include "html/CWHtmlImport.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GListField.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

constexpr BYTE kUnorderedList = 0;
constexpr BYTE kOrderedList = 1;
// Bullets by depth: remainder 0, 1, 2 by 3.
const int kBulletsByDepth[] = {IDS_LSTYLE_BULLET, IDS_LSTYLE_ASTERISK, IDS_LSTYLE_DIAMOND};

int UnorderedStyleName(LONG depth, const CString& type)
{
    if (type.IsEmpty() || type == "disk")
        return IDS_LSTYLE_BULLET;
    if (type == "circle")
        return IDS_LSTYLE_ASTERISK;
    if (type == "square")
        return IDS_LSTYLE_DIAMOND;
    return kBulletsByDepth[depth % 3];
}

// 0 when the type names no list style.
int OrderedStyleName(const CString& type)
{
    if (type == "A" || type == "i")
        return IDS_LSTYLE_CAPLETTER;
    if (type == "a")
        return IDS_LSTYLE_LETTER;
    if (type == "I")
        return IDS_LSTYLE_ROMAN;
    if (type.IsEmpty() || type == "1")
        return IDS_LSTYLE_NUMBER;
    return 0;
}

} // namespace

long CWHtmlImport::StartedListStyle(const GStyleItem<GListStyle>& started, int level)
{
    GStyleTbl<GListStyle>& table = m_pDocument->m_listStyles;
    for (long i = 0; i < table.GetCount(); ++i)
        if (!table[i].IsNamed() && table[i].style == started.style &&
            table[i].style.Level(level).m_Start == started.style.Level(level).m_Start)
            return i;
    table.Add(started);
    return table.GetCount() - 1;
}

void CWHtmlImport::ListBegin(BYTE kind)
{
    m_nListKind = kind;
    ++m_nItemCounter;
    ++m_nListDepth;
}

// The depth never falls below 0, however many end tags come.
void CWHtmlImport::ListEnd()
{
    m_nItemCounter -= 2;
    if (m_nListDepth > 0)
        --m_nListDepth;
}

void CWHtmlImport::ULBegin(const PROP* record, CString& text)
{
    ListBegin(kUnorderedList);
    PutParagraphEnd(text);
    if (const ULISTPROP* list = dynamic_cast<const ULISTPROP*>(record))
        m_UListType = list->m_Type;
}

void CWHtmlImport::OLBegin(const PROP* record, CString& text)
{
    ListBegin(kOrderedList);
    PutParagraphEnd(text);
    if (const OLISTPROP* list = dynamic_cast<const OLISTPROP*>(record))
    {
        m_OListType = list->m_Type;
        m_nOListStart = list->m_Start;
    }
}

void CWHtmlImport::ULEnd(const PROP*, CString&)
{
    ListEnd();
}

void CWHtmlImport::OLEnd(const PROP*, CString&)
{
    ListEnd();
}

void CWHtmlImport::LIBegin(const PROP*, CString&)
{
    const bool ordered = m_nListKind == kOrderedList;
    int nameId = ordered ? OrderedStyleName(m_OListType) : UnorderedStyleName(m_nListDepth, m_UListType);
    long style = nameId ? m_pDocument->m_listStyles.FindStyle(GetResourceString(nameId)) : -1;
    // A type the document has no list style for numbers or bullets the
    // item plainly.
    if (style < 0)
        style = m_pDocument->m_listStyles.FindStyle(
            GetResourceString(ordered ? IDS_LSTYLE_NUMBER : IDS_LSTYLE_BULLET));

    int level = m_nListDepth >= 1 && m_nListDepth <= kListLevels ? (int)m_nListDepth : 1;
    if (style >= 0 && ordered && m_nOListStart != -1)
    {
        GStyleItem<GListStyle> started("", m_pDocument->m_listStyles[style].style);
        started.style.Level(level).m_Start = (short)m_nOListStart;
        style = m_pDocument->AddNewLStyle(started);
        // List styles compare equal whatever their start numbers, so the
        // table may answer one that starts elsewhere: the start must not
        // be lost.
        if (m_pDocument->m_listStyles[style].style.Level(level).m_Start != (short)m_nOListStart)
            style = StartedListStyle(started, level);
    }
    if (style >= 0)
    {
        GList* field = new GList(m_pFlow, m_pFlow->m_chars.GetCount() - 3, style, m_nItemCounter > 0, level);
        InsertFieldAtEnd(field);
        m_bLastWasLabel = true;
    }
    ++m_nItemCounter;
}

void CWHtmlImport::LIEnd(const PROP*, CString& text)
{
    if (m_nItemCounter != 1)
        --m_nItemCounter;
    PutParagraphEnd(text);
}
