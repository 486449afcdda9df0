// CHtmlParser: the HTML 4.0 reader. It reads a file and turns it into tag
// events (OnTag with the tag's row, the text that follows it, its attribute
// record and the style in force), resolving character references, implied
// end tags and style sheets on the way, and reports each error through
// OnError. The HTML importer derives from it.
#pragma once
#include "afxwin.h"
#include "html/html_tags.h"
#include "html/html_errors.h"
#include "html/html_props.h"
#include "html/COptionalTagsMap.h"
#include <string>

class CStyleSheetManager;

// One row of the character-reference table: the name with its "&" and
// without ";", a code (400 + row) and the character.
struct SPECIALCHARTABLE
{
    char name[12];
    LONG code;
    unsigned char character;
};

constexpr int kSpecialCharNames = 67;
constexpr int kSpecialCharRows = kSpecialCharNames + 1;
constexpr LONG kSpecialCharFirstCode = 400;
constexpr LONG kSpecialCharNoCharacter1 = 429;   // "&THONG"
constexpr LONG kSpecialCharNoCharacter2 = 442;   // "&ccdeil"
constexpr LONG kSpecialCharNumeric = 467;
constexpr LONG kSpecialCharNotFound = 468;

// One row of the colour table: red, green, blue and the upper-case name.
struct HTMLCOLORTABLE
{
    BYTE red, green, blue;
    char name[21];
};

constexpr int kHtmlColorCount = 140;

class CHtmlParser
{
public:
    typedef bool (CHtmlParser::*ParamParser)(PROP*& record, const CString& name, CString& value);
    struct PARAMENTRY
    {
        HtmlTagType type;
        ParamParser parser;
    };

    explicit CHtmlParser(const char* path);
    virtual ~CHtmlParser();

    // Reads the file once. FALSE when it could not be opened or a read of
    // it failed; an error in the HTML (however the subclass answers it)
    // still counts as read.
    BOOL Go();

    // Called for every character reference resolved; does nothing here.
    virtual void OnSpecialCharacter(const SPECIALCHARTABLE& row);
    // One tag event. The base loads linked and STYLE sheets and, inside
    // BODY, keeps the style stack and sets style to the element's style;
    // a subclass calls it for every event.
    virtual void OnTag(const TAGTABLE& tag, CString text, PROP* attributes, STYLEPROP& style);
    // The action bits for an error: continue and report here.
    virtual DWORD OnError(HtmlErrCode code, long stringId);

    // Tag table look-up by exact upper-case name: the row, or
    // kHtmlTagCount (the "$EOT$" row) when absent.
    static int SearchTag(const CString& name);
    static const TAGTABLE& TagRow(HtmlTagType type);

    // Tag classes.
    static bool IsBeginTag(const TAGTABLE& tag);
    static bool IsEndTag(const TAGTABLE& tag);
    static bool IsBlockLevelTag(const HtmlTagType& type);
    static bool IsInlineTag(const HtmlTagType& type);
    static bool IsPhraseTag(const HtmlTagType& type);
    static bool IsForbiddenEndTag(const HtmlTagType& type);
    static bool IsOptionalTag(const HtmlTagType& type);
    static bool IsRequaredEndTag(const HtmlTagType& type);
    // The tag has an end tag in the table, so its element can be closed.
    static bool HasEndTag(const TAGTABLE& tag);

    // A colour value (upper case where the caller asks for it): "#rgb",
    // "#rrggbb", "RGB(r,g,b)" or a colour name. FALSE with error 11 (a "#"
    // value of another length) or 6 (an unknown name) set.
    BOOL GetColor(CString value, unsigned long& colour);

    const CString& GetPath() const { return m_Path; }
    // A path as the page names it (a picture, a style sheet), taken from
    // the page's folder unless it is absolute.
    CString BesidePage(const CString& path) const;
    long GetLine() const { return m_nLine; }
    bool IsInBody() const { return m_bInBody; }
    const STYLEPROP& GetCurrentStyle() const { return m_Style; }

    static const TAGTABLE m_TagTable[kHtmlTagRows];
    static const SPECIALCHARTABLE m_SpecialCharTable[kSpecialCharRows];
    static const HTMLCOLORTABLE m_ColorTable[kHtmlColorCount];
    static const PARAMENTRY ParamEntries[];
    static const int kParamEntryCount;

    static const HtmlTagType m_BlockLevelTags[];
    static const HtmlTagType m_InlineTags[];
    static const HtmlTagType m_PhraseTags[];
    static const HtmlTagType m_ForbiddenEndTags[];
    static const HtmlTagType m_OptionalTags[];

protected:
    // The reading loop.
    void Parse();
    // Delivers the tag of row with the text that follows it.
    void DeliverTag(long row, const CString& text);
    // Asks OnError and shows the report when asked to; answers the bits
    // without the report bit, always abort for an end of file.
    DWORD RaiseError();
    void SetError(HtmlErrCode code);

    // Moves to the next byte; at the end of the file sets error 2 and
    // throws the class library's end-of-file exception. Used where the
    // end of the file cuts a tag, an attribute or a comment.
    void ReadNextCharacter();
    // Moves to the next byte; false at the end of the file, where the
    // current character is left as it was.
    bool ReadNextCharacterOrEnd();

    bool GetTagName(CString& name);
    void SkipTag();
    void SkipComment();
    void SkipParameters() { SkipTag(); }
    void SkipSpaces();
    // The text up to the next "<" or the end of the file. False when an
    // error ends the parse.
    bool GetRawText(CString& text);
    // References: see html_tokenizer.cpp.
    enum CharResult
    {
        kCharResolved,
        kCharUnterminated,   // error 8 set
        kCharCutByEnd
    };
    CharResult GetCharEntyty(SPECIALCHARTABLE& row, std::string& written);
    static int SearchChar(const CString& name);

    // Attributes (html_attributes.cpp).
    bool GetTagParameters(PROP*& record, HtmlTagType type);
    const PARAMENTRY* FindHtmlParameterEntry(HtmlTagType type) const;
    bool DispatchParameter(ParamParser parser, PROP*& record);
    // One NAME=VALUE pair; false when the pair has no "=" and is skipped.
    bool GetPropNameValue(CString& name, CString& value);
    void AbortIfAsked(DWORD action);
    bool UnknownParameter();
    bool SetPropMember(const CString& name, const CString& value, PROP* record);
    bool GetPropA(PROP*& record, const CString& name, CString& value);
    bool GetBaseProp(PROP*& record, const CString& name, CString& value);
    bool GetBodyProp(PROP*& record, const CString& name, CString& value);
    bool GetFontProp(PROP*& record, const CString& name, CString& value);
    bool GetParaProp(PROP*& record, const CString& name, CString& value);
    bool GetHProp(PROP*& record, const CString& name, CString& value);
    bool GetUListProp(PROP*& record, const CString& name, CString& value);
    bool GetOListProp(PROP*& record, const CString& name, CString& value);
    bool GetLItemProp(PROP*& record, const CString& name, CString& value);
    bool GetLinkProp(PROP*& record, const CString& name, CString& value);
    bool GetBDOProp(PROP*& record, const CString& name, CString& value);
    bool GetImgProp(PROP*& record, const CString& name, CString& value);
    bool ReadColorValue(CString value, LONG& colour);

    // Implied end tags (html_optional_tags.cpp): the row of the end tag to
    // deliver before the tag of row tagIndex, or -1.
    long ProcessOptionalTag(const long& tagIndex);
    bool HaveToSkip(const HtmlTagType& type);
    // After an end tag that HaveToSkip dropped: the element counts as
    // closed, so the next one of its kind is closed implicitly again.
    void ForgetStrayEndTag(const HtmlTagType& type);

    const DWORD m_nAbort;
    const DWORD m_nContinue;
    const DWORD m_nReport;
    CString m_Path;
    PROP* m_pProp;
    STYLEPROP m_Style;
    bool m_bInBody;
    COptionalTagsMap m_OptionalTagsMap;
    CFile m_File;
    long m_nLine;
    long m_nErrorId;
    HtmlErrCode m_nErrorCode;
    char m_cCurrent;
    bool m_bInPre;
    CStyleSheetManager* m_pStyleSheets;

    // The current size of FONT and BASEFONT, 3 at the start of every read.
    int m_nFontSize;
    // Between STYLE and /STYLE the rules of a comment are style text too:
    // the last comment's content, handed over with the comment's event.
    bool m_bInStyle;
    std::string m_StyleComment;

private:
    // The file is read through a buffer.
    static constexpr UINT kReadBufferSize = 64 * 1024;
    BYTE* m_pBuffer;
    UINT m_nBuffered;
    UINT m_nBufferPos;
    bool m_bAtEnd;
};
