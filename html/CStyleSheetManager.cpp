// The style sheets of one HTML read: reading style text and declaration
// lists into rules, the stack of the open elements' styles and the cascade.
//
// Style text is read by position, each step taking its part off the front,
// so a long sheet costs its length once. Rules are found through indexes of
// their selectors that answer what a search from the head of the rule list
// would find first.
#include "html/CStyleSheetManager.h"
#include "html/CHtmlParser.h"
#include "html/html_space.h"

namespace {

constexpr int kFileErrorLength = 255;
const char kSheetFileError[] = "The style sheet file could not be opened because of this error: ";

inline bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void SkipSpaces(const char*& p, const char* end)
{
    while (p < end && IsHtmlSpace(*p))
        p++;
}

const char* FindChar(const char* p, const char* end, char c)
{
    return p < end ? (const char*)memchr(p, c, end - p) : nullptr;
}

CString Upper(const std::string& text)
{
    CString upper(text.c_str());
    upper.MakeUpper();
    return upper;
}

// One declaration "name : value ;" off the front of [p, end). The name ends
// at white space or ':'; one character (the ':') follows it. A declaration
// without ';' has an empty value, and one character of it is taken.
void TakeDeclaration(const char*& p, const char* end, std::string& name, std::string& value)
{
    name.clear();
    value.clear();
    SkipSpaces(p, end);
    const char* start = p;
    while (p < end && !IsHtmlSpace(*p) && *p != ':')
        p++;
    name.assign(start, p);
    SkipSpaces(p, end);
    if (p < end)
        p++;
    SkipSpaces(p, end);
    const char* semicolon = FindChar(p, end, ';');
    if (!semicolon)
    {
        if (p < end)
            p++;
        return;
    }
    const char* last = semicolon;
    while (last > p && IsHtmlSpace(last[-1]))
        last--;
    for (const char* q = p; q < last; q++)
        if (*q != '\'' && *q != '"')
            value += *q;
    p = semicolon + 1;
}

} // namespace

CStyleSheetManager::CStyleSheetManager(CHtmlParser* parser) : m_pParser(parser)
{
    m_Rules.AddHead(PROP());
    Push(&m_Rules.GetHead());
}

CStyleSheetManager::~CStyleSheetManager()
{
    for (PROP* merged : m_Merged)
        delete merged;
}

void CStyleSheetManager::Push(PROP* record)
{
    m_Stack.AddHead(record);
}

void CStyleSheetManager::Pop()
{
    if (m_Stack.GetCount() <= 1)
        return;
    PROP* top = m_Stack.RemoveHead();
    if (m_Merged.erase(top))
        delete top;
}

PROP* CStyleSheetManager::Top()
{
    return m_Stack.GetHead();
}

void CStyleSheetManager::IndexRule(RuleIndex& index, const CString& key, PROP* rule, bool atHead)
{
    if (key.IsEmpty())
        return;
    std::string text((LPCSTR)key, key.GetLength());
    if (atHead)
        index[text] = rule;
    else
        index.emplace(text, rule);   // an older rule stays in front
}

PROP* CStyleSheetManager::FindRule(const RuleIndex& index, const CString& key)
{
    if (key.IsEmpty())
        return nullptr;
    auto found = index.find(std::string((LPCSTR)key, key.GetLength()));
    return found == index.end() ? nullptr : found->second;
}

// A rule with neither a CLASS nor an ID is never found: it is not kept.
void CStyleSheetManager::AddRule(const PROP& record, bool atHead)
{
    if (record.m_Class.IsEmpty() && record.m_Id.IsEmpty())
        return;
    POSITION pos = atHead ? m_Rules.AddHead(record) : m_Rules.AddTail(record);
    PROP* rule = &m_Rules.GetAt(pos);
    IndexRule(m_ByClass, rule->m_Class, rule, atHead);
    if (rule->m_Class.GetLength() > 1)
        IndexRule(m_ByClassTail, rule->m_Class.Mid(1), rule, atHead);
    IndexRule(m_ById, rule->m_Id, rule, atHead);
}

void CStyleSheetManager::GetPropNameValue(CString& text, CString& name, CString& value)
{
    const char* start = text;
    const char* p = start;
    std::string n, v;
    TakeDeclaration(p, start + text.GetLength(), n, v);
    name = CString(n.data(), (int)n.size());
    value = CString(v.data(), (int)v.size());
    text = text.Mid((int)(p - start));
}

void CStyleSheetManager::DefineDeclarations(const char* text, int length, PROP* record)
{
    STYLEPROP& style = record->m_Style;
    const char* p = text;
    const char* end = text + length;
    std::string name, value;
    while (p < end)
    {
        TakeDeclaration(p, end, name, value);
        SkipSpaces(p, end);
        unsigned long colour;
        if (name == "font-family")
            style.m_FontFamily = value.c_str();
        else if (name == "font-size")
            style.m_FontSize = value.c_str();
        else if (name == "font-style")
        {
            if (Upper(value) == "ITALIC")
                style.m_FontStyle = "ITALIC";
        }
        else if (name == "font-weight")
        {
            CString weight = Upper(value);
            if (weight == "NORMAL" || weight == "BOLDER" || weight == "LIGHTER")
                style.m_FontWeight = 400;
            else if (weight == "BOLD")
                style.m_FontWeight = 700;
            else
                style.m_FontWeight = atol(weight);
        }
        else if (name == "background-color")
        {
            if (m_pParser && m_pParser->GetColor(Upper(value), colour))
                style.m_BackgroundColor = (LONG)colour;
        }
        else if (name == "color")
        {
            if (m_pParser && m_pParser->GetColor(Upper(value), colour))
                style.m_Color = (LONG)colour;
        }
        else if (name == "text-align")
            style.m_TextAlign = Upper(value);
        else if (name == "text-decoration")
            style.m_TextDecoration = Upper(value);
    }
}

void CStyleSheetManager::DefineInlineStyle(CString text, PROP* record, bool atHead)
{
    if (!record)
        return;
    DefineDeclarations(text, text.GetLength(), record);
    AddRule(*record, atHead);
}

void CStyleSheetManager::DefineStyles(CString text, bool atHead)
{
    const char* p = text;
    const char* end = p + text.GetLength();
    for (;;)
    {
        SkipSpaces(p, end);
        if (p == end)
            break;
        const char* selectorEnd = p;
        while (selectorEnd < end && *selectorEnd != ':' && *selectorEnd != '{' && !IsHtmlSpace(*selectorEnd))
            selectorEnd++;
        PROP rule;
        if (*p == '.' || IsLetter(*p))
            rule.m_Class = CString(p, (int)(selectorEnd - p));
        else if (*p == '#')
            rule.m_Id = CString(p + 1, (int)(selectorEnd - p - 1));
        const char* open = FindChar(p, end, '{');
        const char* close = open ? FindChar(open + 1, end, '}') : nullptr;
        if (!close)
            break;   // a rule without its braces ends the style text
        DefineDeclarations(open + 1, (int)(close - open - 1), &rule);
        AddRule(rule, atHead);
        p = close + 1;
    }
}

void CStyleSheetManager::DefineStylesFromFile(const CString& path)
{
    CString text;
    try
    {
        CFile file;
        CFileException error;
        if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error))
            AfxThrowFileException(error.m_cause, error.m_lOsError, path);
        DWORD length = (DWORD)file.GetLength();
        std::string bytes(length, '\0');
        UINT read = length ? file.Read(&bytes[0], length) : 0;
        bytes.resize(read);
        // A zero byte in the file ends the text there.
        text = bytes.c_str();
    }
    catch (CFileException* e)
    {
        char message[kFileErrorLength + 1] = "";
        e->GetErrorMessage(message, sizeof(message));
        e->Delete();
        AfxMessageBox(CString(kSheetFileError) + message);
        return;
    }
    DefineStyles(text, false);
}

PROP* CStyleSheetManager::Merge(PROP* parent, PROP* element, const TAGTABLE& tag)
{
    PROP* merged = new PROP;
    m_Merged.insert(merged);
    if (parent)
        merged->m_Style = parent->m_Style;
    PROP* rule = FindRule(m_ByClass, tag.name);
    if (element)
    {
        if (PROP* byId = FindRule(m_ById, element->m_Id))
            rule = byId;
        else if (PROP* byClass = FindRule(m_ByClassTail, element->m_Class))
            rule = byClass;
    }
    if (rule)
        UpgradeStyle(rule->m_Style, merged->m_Style);
    if (element)
        UpgradeStyle(element->m_Style, merged->m_Style);
    return merged;
}

void CStyleSheetManager::UpgradeStyle(const STYLEPROP& from, STYLEPROP& to)
{
    for (int i = 0; i < STYLEPROP::kReservedCount; i++)
        if (from.m_Reserved[i] != STYLEPROP::kUnset)
            to.m_Reserved[i] = from.m_Reserved[i];
    if (from.m_ReservedByte != STYLEPROP::kUnsetByte)
        to.m_ReservedByte = from.m_ReservedByte;
    if (from.m_Color != STYLEPROP::kUnset)
        to.m_Color = from.m_Color;
    if (from.m_BackgroundColor != STYLEPROP::kUnset)
        to.m_BackgroundColor = from.m_BackgroundColor;
    if (!from.m_FontSize.IsEmpty())
        to.m_FontSize = from.m_FontSize;
    if (!from.m_FontFamily.IsEmpty())
        to.m_FontFamily = from.m_FontFamily;
    if (!from.m_FontStyle.IsEmpty())
        to.m_FontStyle = from.m_FontStyle;
    if (from.m_FontWeight != STYLEPROP::kUnset)
        to.m_FontWeight = from.m_FontWeight;
    if (!from.m_TextAlign.IsEmpty())
        to.m_TextAlign = from.m_TextAlign;
    if (!from.m_TextDecoration.IsEmpty())
        to.m_TextDecoration = from.m_TextDecoration;
}
