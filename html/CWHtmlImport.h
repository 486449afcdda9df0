// CWHtmlImport: reads an HTML file into a document's body flow. It is an
// HTML reader whose tag events each run the tag's handler, turn the
// element's CSS style into a character and a paragraph style kept on stacks
// that follow the nesting of the elements, and append the text after the
// tag with the style of the innermost open element. One importer serves
// one import: the document's open path builds it, calls Import and
// deletes it.
#pragma once
#include "html/CHtmlParser.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "model/GStyleTbl.h"
#include <vector>

class CWDocument;
class GDoc;
class GField;
class CHtmlDefaultStyles;

class CWHtmlImport : public CHtmlParser
{
public:
    typedef void (CWHtmlImport::*TagHandler)(const PROP* record, CString& text);
    struct TAGENTRY
    {
        HtmlTagType type;
        TagHandler handler;
    };
    // 66 handled tags sorted by type, then the end row (no handler).
    static constexpr int kTagEntryCount = 67;
    static const TAGENTRY TagEntries[kTagEntryCount];

    // Opens nothing: the file is read by Import.
    CWHtmlImport(const char* path, CWDocument* document);
    ~CWHtmlImport() override;

    // Adds the built-in HTML styles to the document and reads the file
    // into its body flow, with the status bar's progress when there is
    // one; records no undo step. FALSE when the file could not be read.
    BOOL Import();

    void OnTag(const TAGTABLE& tag, CString text, PROP* record, STYLEPROP& style) override;
    // Every error is answered with continue: none is shown.
    DWORD OnError(HtmlErrCode code, long stringId) override;

    // Tables, forms, scripts and embedded objects are left out with all
    // they contain; update moves the skip state on.
    bool IsSkippingTag(const TAGTABLE& tag, bool update);
    void ResetCandidates();
    void DispatchTag(const TAGTABLE& tag, CString& text, const PROP* record);
    static const TAGENTRY* FindHtmlTagEntry(const HtmlTagType& type);
    // CSS over the candidates: these only switch values on.
    void SetFontStyle(const STYLEPROP& style);
    void SetParaStyle(const STYLEPROP& style);
    // The enclosing element's style fills what the candidates leave open.
    void MergeFontStyles();
    void MergeParaStyles();
    static bool IsUnused(const GFontStyle& style);
    static bool IsUnused(const GParaStyle& style);

    // Read access for the tests.
    const std::vector<GFontStyle>& FontStack() const { return m_FontStack; }
    const std::vector<GParaStyle>& ParaStack() const { return m_ParaStack; }
    int ListDepth() const { return m_nListDepth; }

protected:
    // ---- Handlers (html_tag_handlers.cpp, html_list_handlers.cpp).
    void ABegin(const PROP* record, CString& text);
    void AddressBegin(const PROP* record, CString& text);
    void BBegin(const PROP* record, CString& text);
    void BaseBegin(const PROP* record, CString& text);
    void BaseFontBegin(const PROP* record, CString& text);
    void BDOBegin(const PROP* record, CString& text);
    void BDOEnd(const PROP* record, CString& text);
    void BigBegin(const PROP* record, CString& text);
    void SmallBegin(const PROP* record, CString& text);
    void BlockquoteBegin(const PROP* record, CString& text);
    void BodyBegin(const PROP* record, CString& text);
    void BrBegin(const PROP* record, CString& text);
    void CenterBegin(const PROP* record, CString& text);
    void CiteBegin(const PROP* record, CString& text);
    void CodeBegin(const PROP* record, CString& text);
    void KBDBegin(const PROP* record, CString& text);
    void TTBegin(const PROP* record, CString& text);
    void SampBegin(const PROP* record, CString& text);
    void VarBegin(const PROP* record, CString& text);
    void DDBegin(const PROP* record, CString& text);
    void DTBegin(const PROP* record, CString& text);
    void SBegin(const PROP* record, CString& text);
    void IBegin(const PROP* record, CString& text);
    void UBegin(const PROP* record, CString& text);
    void SupBegin(const PROP* record, CString& text);
    void SubBegin(const PROP* record, CString& text);
    void ULBegin(const PROP* record, CString& text);
    void OLBegin(const PROP* record, CString& text);
    void ULEnd(const PROP* record, CString& text);
    void OLEnd(const PROP* record, CString& text);
    void LIBegin(const PROP* record, CString& text);
    void LIEnd(const PROP* record, CString& text);
    void PBegin(const PROP* record, CString& text);
    void H1Begin(const PROP* record, CString& text);
    void H2Begin(const PROP* record, CString& text);
    void H3Begin(const PROP* record, CString& text);
    void H4Begin(const PROP* record, CString& text);
    void H5Begin(const PROP* record, CString& text);
    void H6Begin(const PROP* record, CString& text);
    void PreBegin(const PROP* record, CString& text);
    void FontBegin(const PROP* record, CString& text);
    void ImgBegin(const PROP* record, CString& text);
    void PEnd(const PROP* record, CString& text);

    // Handler helpers.
    void AttributeBegin(unsigned short bit);
    void HeadingBegin(int builtin, const PROP* record, CString& text);
    void ListBegin(BYTE kind);
    void ListEnd();
    // An unnamed list style like started whose level starts where started
    // says, appended when the table has none.
    long StartedListStyle(const GStyleItem<GListStyle>& started, int level);
    void ApplyFontValues(const FONTPROP& font);
    void TakeBuiltinFont(int builtin);
    void TakeBuiltinPara(int builtin);
    void NameBuiltin(int builtin);
    static void PutParagraphEnd(CString& text);
    // The first face of a list (CSS family or FACE), without quotes or
    // blanks around it, cut to what the style holds.
    static void SetFaceFromList(GFontStyle& style, const CString& list);
    // An ALIGN or text-align value; 0 for any other.
    static unsigned char AlignmentOf(const CString& value);
    // A field a handler puts at the end of the body counts as the last
    // character added.
    void InsertFieldAtEnd(GField* field);

private:
    // The body begins where HTML implies it when the file has no BODY
    // start tag.
    void ImplyBody(const CString& text, STYLEPROP& style);
    bool BelongsInHead(const TAGTABLE& tag) const;
    void ImportTag(const TAGTABLE& tag, CString text, PROP* record, STYLEPROP& style);
    void AddText(CString text);
    void PushCandidates();
    void PopStacks();
    // Drops the blank that the last text left before a paragraph end.
    void DropTrailingBlank();
    // The end of the body as the file has it: no blank and no empty
    // paragraph that only the last end tag put there.
    void FinishBody();
    GFontStyle BuiltinFont(int builtin) const;
    GParaStyle BuiltinPara(int builtin) const;

    CWDocument* m_pDocument;
    GDoc* m_pFlow;
    std::vector<GFontStyle> m_FontStack;   // back = top
    std::vector<GParaStyle> m_ParaStack;
    GFontStyle m_CandidateFont;
    GParaStyle m_CandidatePara;
    CHtmlDefaultStyles* m_pStyles;
    unsigned char m_cLastChar;
    BYTE m_nListKind;
    LONG m_nItemCounter;
    LONG m_nListDepth;
    LONG m_nOListStart;
    CString m_UListType;
    CString m_OListType;
    BYTE m_nDirection;
    BYTE m_nSavedDirection;
    CString m_NamedStyle;
    // The awaited end tag of a skipped element; empty when nothing is
    // skipped.
    CString m_SkipUntil;
    bool m_bBodySeen;
    bool m_bLastWasLabel;
    // Where the last text put a blank at its end, -1 when it did not.
    long m_nTrailingBlank;
};
