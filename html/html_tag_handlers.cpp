// The HTML importer's tag handlers for characters and paragraphs: each
// prepares the candidate styles of its element, may name a built-in master
// style for the text after the tag and may put a paragraph end in front of
// that text. Lists and pictures are in html_list_handlers.cpp and
// html_picture_handler.cpp.
#include "html/CWHtmlImport.h"
#include "html/CHtmlDefaultStyles.h"
#include "html/html_builtin_styles.h"
#include "html/CStyleSheetManager.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

constexpr short kBlockquoteIndent = 64;   // 6.4 mm on the left, the right and the first line

} // namespace

#define HTML_HANDLER(name) &CWHtmlImport::name

// Sorted by tag type; the bisection in FindHtmlTagEntry depends on it.
const CWHtmlImport::TAGENTRY CWHtmlImport::TagEntries[kTagEntryCount] = {
    {tagA, HTML_HANDLER(ABegin)},
    {tagADDRESS, HTML_HANDLER(AddressBegin)},
    {tagEndADDRESS, HTML_HANDLER(PEnd)},
    {tagB, HTML_HANDLER(BBegin)},
    {tagBASE, HTML_HANDLER(BaseBegin)},
    {tagBASEFONT, HTML_HANDLER(BaseFontBegin)},
    {tagBDO, HTML_HANDLER(BDOBegin)},
    {tagEndBDO, HTML_HANDLER(BDOEnd)},
    {tagBIG, HTML_HANDLER(BigBegin)},
    {tagBLOCKQUOTE, HTML_HANDLER(BlockquoteBegin)},
    {tagEndBLOCKQUOTE, HTML_HANDLER(PEnd)},
    {tagBODY, HTML_HANDLER(BodyBegin)},
    {tagBR, HTML_HANDLER(BrBegin)},
    {tagCENTER, HTML_HANDLER(CenterBegin)},
    {tagEndCENTER, HTML_HANDLER(PEnd)},
    {tagCITE, HTML_HANDLER(CiteBegin)},
    {tagCODE, HTML_HANDLER(CodeBegin)},
    {tagDD, HTML_HANDLER(DDBegin)},
    {tagEndDD, HTML_HANDLER(PEnd)},
    {tagDEL, HTML_HANDLER(SBegin)},
    {tagDFN, HTML_HANDLER(IBegin)},
    {tagDIR, HTML_HANDLER(ULBegin)},
    {tagEndDIR, HTML_HANDLER(ULEnd)},
    {tagDIV, HTML_HANDLER(PBegin)},
    {tagEndDIV, HTML_HANDLER(PEnd)},
    {tagDT, HTML_HANDLER(DTBegin)},
    {tagEndDT, HTML_HANDLER(PEnd)},
    {tagEM, HTML_HANDLER(IBegin)},
    {tagFONT, HTML_HANDLER(FontBegin)},
    {tagH1, HTML_HANDLER(H1Begin)},
    {tagEndH1, HTML_HANDLER(PEnd)},
    {tagH2, HTML_HANDLER(H2Begin)},
    {tagEndH2, HTML_HANDLER(PEnd)},
    {tagH3, HTML_HANDLER(H3Begin)},
    {tagEndH3, HTML_HANDLER(PEnd)},
    {tagH4, HTML_HANDLER(H4Begin)},
    {tagEndH4, HTML_HANDLER(PEnd)},
    {tagH5, HTML_HANDLER(H5Begin)},
    {tagEndH5, HTML_HANDLER(PEnd)},
    {tagH6, HTML_HANDLER(H6Begin)},
    {tagEndH6, HTML_HANDLER(PEnd)},
    {tagI, HTML_HANDLER(IBegin)},
    {tagIMG, HTML_HANDLER(ImgBegin)},
    {tagINS, HTML_HANDLER(UBegin)},
    {tagKBD, HTML_HANDLER(KBDBegin)},
    {tagLI, HTML_HANDLER(LIBegin)},
    {tagEndLI, HTML_HANDLER(LIEnd)},
    {tagMENU, HTML_HANDLER(ULBegin)},
    {tagEndMENU, HTML_HANDLER(ULEnd)},
    {tagOL, HTML_HANDLER(OLBegin)},
    {tagEndOL, HTML_HANDLER(OLEnd)},
    {tagP, HTML_HANDLER(PBegin)},
    {tagEndP, HTML_HANDLER(PEnd)},
    {tagPRE, HTML_HANDLER(PreBegin)},
    {tagS, HTML_HANDLER(SBegin)},
    {tagSAMP, HTML_HANDLER(SampBegin)},
    {tagSMALL, HTML_HANDLER(SmallBegin)},
    {tagSTRIKE, HTML_HANDLER(SBegin)},
    {tagSTRONG, HTML_HANDLER(BBegin)},
    {tagSUB, HTML_HANDLER(SubBegin)},
    {tagSUP, HTML_HANDLER(SupBegin)},
    {tagTT, HTML_HANDLER(TTBegin)},
    {tagU, HTML_HANDLER(UBegin)},
    {tagUL, HTML_HANDLER(ULBegin)},
    {tagEndUL, HTML_HANDLER(ULEnd)},
    {tagVAR, HTML_HANDLER(VarBegin)},
    {(HtmlTagType)(tagPLAINTEXT + 1), nullptr},
};

#undef HTML_HANDLER

const CWHtmlImport::TAGENTRY* CWHtmlImport::FindHtmlTagEntry(const HtmlTagType& type)
{
    int lower = 0, upper = kTagEntryCount - 1;
    while (lower <= upper)
    {
        const int middle = (lower + upper) / 2;
        if (TagEntries[middle].type == type)
            return TagEntries[middle].handler ? &TagEntries[middle] : nullptr;
        if (TagEntries[middle].type < type)
            lower = middle + 1;
        else
            upper = middle - 1;
    }
    return nullptr;
}

void CWHtmlImport::DispatchTag(const TAGTABLE& tag, CString& text, const PROP* record)
{
    if (const TAGENTRY* entry = FindHtmlTagEntry(tag.type))
        (this->*entry->handler)(record, text);
}

// ---- Helpers

void CWHtmlImport::PutParagraphEnd(CString& text)
{
    text = CString((char)kParagraphEnd, 1) + text;
}

void CWHtmlImport::TakeBuiltinFont(int builtin)
{
    m_CandidateFont = BuiltinFont(builtin);
}

void CWHtmlImport::TakeBuiltinPara(int builtin)
{
    m_CandidatePara = BuiltinPara(builtin);
}

void CWHtmlImport::NameBuiltin(int builtin)
{
    m_NamedStyle = kHtmlBuiltinMasterStyles[builtin].name;
}

// The candidate keeps the enclosing element's values and adds the bit;
// the enclosing element's entry loses its attribute bits for the rest of
// its content.
void CWHtmlImport::AttributeBegin(unsigned short bit)
{
    if (!m_FontStack.empty())
    {
        m_CandidateFont = m_FontStack.back();
        m_FontStack.back().m_Attr = 0;
    }
    m_CandidateFont.m_Attr |= bit;
}

void CWHtmlImport::ApplyFontValues(const FONTPROP& font)
{
    if (!font.m_Face.IsEmpty())
        SetFaceFromList(m_CandidateFont, font.m_Face);
    if (font.m_Color != -1)
        m_CandidateFont.m_Colour = (COLORREF)font.m_Color;
    if (font.m_Size != -1)
    {
        int size = GetFontSize(CString(), (int)font.m_Size);
        if (size != -1)
            m_CandidateFont.m_Size = size;
    }
}

void CWHtmlImport::HeadingBegin(int builtin, const PROP* record, CString& text)
{
    TakeBuiltinFont(builtin);
    TakeBuiltinPara(builtin);
    PutParagraphEnd(text);
    if (!record)
        NameBuiltin(builtin);
    else if (const HPROP* heading = dynamic_cast<const HPROP*>(record))
        m_CandidatePara.m_Align = AlignmentOf(heading->m_Align);
}

// ---- Handlers

void CWHtmlImport::ABegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleHyperlink);
    NameBuiltin(htmlStyleHyperlink);
}

void CWHtmlImport::AddressBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleAddress);
    NameBuiltin(htmlStyleAddress);
}

void CWHtmlImport::BBegin(const PROP*, CString&)
{
    AttributeBegin(GFontStyle::kBold);
}

void CWHtmlImport::IBegin(const PROP*, CString&)
{
    AttributeBegin(GFontStyle::kItalic);
}

void CWHtmlImport::UBegin(const PROP*, CString&)
{
    AttributeBegin(GFontStyle::kUnderline);
}

void CWHtmlImport::SBegin(const PROP*, CString&)
{
    AttributeBegin(GFontStyle::kStrikeout);
}

void CWHtmlImport::BaseBegin(const PROP*, CString&)
{
}

// BASEFONT has no end tag: it replaces the enclosing font entry for the
// rest of the element and adds a paragraph entry.
void CWHtmlImport::BaseFontBegin(const PROP* record, CString&)
{
    if (!m_FontStack.empty())
        m_FontStack.pop_back();
    if (const FONTPROP* font = dynamic_cast<const FONTPROP*>(record))
        ApplyFontValues(*font);
    MergeFontStyles();
    MergeParaStyles();
    PushCandidates();
}

void CWHtmlImport::BDOBegin(const PROP* record, CString&)
{
    if (!record)
        return;
    m_nSavedDirection = m_nDirection;
    const BDOPROP* bdo = dynamic_cast<const BDOPROP*>(record);
    m_nDirection = bdo ? bdo->m_LeftToRight : 1;
}

void CWHtmlImport::BDOEnd(const PROP*, CString&)
{
    m_nDirection = m_nSavedDirection;
}

void CWHtmlImport::BigBegin(const PROP*, CString&)
{
    m_CandidateFont.m_Size = GetFontSize("large", -1);
}

void CWHtmlImport::SmallBegin(const PROP*, CString&)
{
    m_CandidateFont.m_Size = GetFontSize("x-small", -1);
}

void CWHtmlImport::BlockquoteBegin(const PROP*, CString& text)
{
    m_CandidateFont.m_Attr = GFontStyle::kItalic;
    TakeBuiltinPara(htmlStyleParagraph);
    m_CandidatePara.m_Left = m_CandidatePara.m_Right = m_CandidatePara.m_FirstLine = Gint(kBlockquoteIndent);
    PutParagraphEnd(text);
}

void CWHtmlImport::BodyBegin(const PROP* record, CString&)
{
    TakeBuiltinFont(htmlStyleBody);
    TakeBuiltinPara(htmlStyleBody);
    if (!record)
        NameBuiltin(htmlStyleBody);
    else if (const BODYPROP* body = dynamic_cast<const BODYPROP*>(record))
        if (body->m_TextColor != -1)
            m_CandidateFont.m_Colour = (COLORREF)body->m_TextColor;
}

void CWHtmlImport::BrBegin(const PROP*, CString& text)
{
    PutParagraphEnd(text);
}

void CWHtmlImport::CenterBegin(const PROP*, CString& text)
{
    PutParagraphEnd(text);
    m_CandidatePara.m_Align = GParaStyle::kAlignCentre;
}

void CWHtmlImport::CiteBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleCite);
    TakeBuiltinPara(htmlStyleCite);
}

void CWHtmlImport::CodeBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleCode);
}

void CWHtmlImport::KBDBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleKeyboard);
}

void CWHtmlImport::TTBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleTypewriter);
}

void CWHtmlImport::SampBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleSample);
}

void CWHtmlImport::VarBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStyleVariable);
}

void CWHtmlImport::DDBegin(const PROP*, CString& text)
{
    long master = m_pDocument->m_masterStyles.FindStyle(GetResourceString(IDS_MSTYLE_NORMALINDENT));
    if (master >= 0)
    {
        int para = m_pDocument->m_masterStyles[master].style.m_Para;
        if (para >= 0 && para < m_pDocument->m_paraStyles.GetCount())
            m_CandidatePara = m_pDocument->m_paraStyles[para].style;
    }
    PutParagraphEnd(text);
}

void CWHtmlImport::DTBegin(const PROP*, CString& text)
{
    PutParagraphEnd(text);
}

void CWHtmlImport::SupBegin(const PROP*, CString&)
{
    m_CandidateFont.m_Attr |= GFontStyle::kSuperscript;
}

void CWHtmlImport::SubBegin(const PROP*, CString&)
{
    m_CandidateFont.m_Attr |= GFontStyle::kSubscript;
}

void CWHtmlImport::PBegin(const PROP* record, CString& text)
{
    TakeBuiltinFont(htmlStyleParagraph);
    TakeBuiltinPara(htmlStyleParagraph);
    PutParagraphEnd(text);
    if (!record)
        NameBuiltin(htmlStyleParagraph);
    else if (const PARAPROP* para = dynamic_cast<const PARAPROP*>(record))
        m_CandidatePara.m_Align = AlignmentOf(para->m_Align);
}

void CWHtmlImport::H1Begin(const PROP* record, CString& text)
{
    HeadingBegin(htmlStyleHeading1, record, text);
}

void CWHtmlImport::H2Begin(const PROP* record, CString& text)
{
    HeadingBegin(htmlStyleHeading2, record, text);
}

void CWHtmlImport::H3Begin(const PROP* record, CString& text)
{
    HeadingBegin(htmlStyleHeading3, record, text);
}

void CWHtmlImport::H4Begin(const PROP* record, CString& text)
{
    HeadingBegin(htmlStyleHeading4, record, text);
}

void CWHtmlImport::H5Begin(const PROP* record, CString& text)
{
    HeadingBegin(htmlStyleHeading5, record, text);
}

void CWHtmlImport::H6Begin(const PROP* record, CString& text)
{
    HeadingBegin(htmlStyleHeading6, record, text);
}

void CWHtmlImport::PreBegin(const PROP*, CString&)
{
    TakeBuiltinFont(htmlStylePreformatted);
    TakeBuiltinPara(htmlStylePreformatted);
    NameBuiltin(htmlStylePreformatted);
}

void CWHtmlImport::FontBegin(const PROP* record, CString&)
{
    if (const FONTPROP* font = dynamic_cast<const FONTPROP*>(record))
        ApplyFontValues(*font);
}

void CWHtmlImport::PEnd(const PROP*, CString& text)
{
    PutParagraphEnd(text);
}
