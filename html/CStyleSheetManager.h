// CStyleSheetManager: the CSS rules of one HTML read (STYLE elements, STYLE
// attributes, linked style sheets) and the stack of the open elements'
// styles, from which it computes each element's effective style. Owned by
// the HTML reader for one read.
#pragma once
#include "afxtempl.h"
#include "html/html_props.h"
#include "html/html_tags.h"
#include <string>
#include <unordered_map>
#include <unordered_set>

class CHtmlParser;

class CStyleSheetManager
{
public:
    // The rule list starts with one record with nothing set, which is
    // pushed: the parent of the outermost element.
    explicit CStyleSheetManager(CHtmlParser* parser);
    virtual ~CStyleSheetManager();

    // Reads style text (a STYLE element's content or a style-sheet file)
    // into rules, each searched before the older ones when atHead. A rule
    // whose braces are missing ends the reading; what came before stays.
    void DefineStyles(CString text, bool atHead);
    // A style-sheet file as named; when it cannot be opened the user is
    // told why and the read goes on without it.
    void DefineStylesFromFile(const CString& path);
    // Reads a declaration list into record's style and keeps a copy of
    // record as a rule.
    void DefineInlineStyle(CString text, PROP* record, bool atHead);
    // Takes the first declaration "name: value;" off text. A declaration
    // that no ';' ends gives an empty value.
    void GetPropNameValue(CString& text, CString& name, CString& value);

    // The stack of the open elements' styles. A record that Merge made is
    // freed when it is popped; a pop with only the base entry left does
    // nothing.
    void Push(PROP* record);
    void Pop();
    PROP* Top();

    // The effective style of an element (element null: it has no
    // attributes) under parent, as a new record that the stack frees when
    // it pops it: the parent's style, the most specific matching rule (id,
    // else class, else tag) laid over it, then the element's own STYLE.
    PROP* Merge(PROP* parent, PROP* element, const TAGTABLE& tag);

    // Every set field of from overwrites the field of to.
    static void UpgradeStyle(const STYLEPROP& from, STYLEPROP& to);

private:
    typedef std::unordered_map<std::string, PROP*> RuleIndex;

    void DefineDeclarations(const char* text, int length, PROP* record);
    void AddRule(const PROP& record, bool atHead);
    static void IndexRule(RuleIndex& index, const CString& key, PROP* rule, bool atHead);
    static PROP* FindRule(const RuleIndex& index, const CString& key);

    // Rules in search order, held by value; only rules with a CLASS or an
    // ID are kept, as a search never finds the others. Entry 0 of the
    // list is the base entry.
    CList<PROP, const PROP&> m_Rules;
    // The first rule from the head of the list by its CLASS value, by its
    // CLASS value less the first character, and by its ID value.
    RuleIndex m_ByClass;
    RuleIndex m_ByClassTail;
    RuleIndex m_ById;
    // The style stack, top first: pointers into the rule list or to
    // records that Merge made (owned until popped).
    CList<PROP*, PROP*> m_Stack;
    std::unordered_set<PROP*> m_Merged;
    CHtmlParser* m_pParser;
};

// A CSS or HTML font size in tenths of a millimetre, -1 for none: an HTML
// size 1 to 7 when htmlSize is not -1, else text in pt, cm or in, or one
// of the seven size keywords. A percentage gives -1.
int GetFontSize(const CString& text, const int& htmlSize);
