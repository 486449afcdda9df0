// The HTML importer's tag events: where the body begins, which tags are
// skipped, the candidate styles built from handlers and CSS, the stacks
// that follow the nesting of the elements, and the text appended to the
// body with the style of the innermost open element.
//
// Blanks: the reader keeps one blank where a text has white space at either
// end. A blank at the start of a paragraph, after a list label, or before a
// paragraph end shows nothing in HTML, so none is added there.
#include "html/CWHtmlImport.h"
#include "html/CHtmlDefaultStyles.h"
#include "html/CStyleSheetManager.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "app/CWCustomFrameData.h"
#include "resources/resource.h"
#include <algorithm>

namespace {

constexpr unsigned short kAllCandidateAttributes = 0x3F;
constexpr int kImportProgressSteps = 10;
constexpr char kBlank = ' ';
constexpr char kEnd = (char)kParagraphEnd;
// About as many characters as a row of body text holds on a page of the
// usual width: what the rows of a page read are reserved by.
constexpr long kCharsPerRowEstimate = 80;

// The tags HTML allows before the body; anything else begins it.
const HtmlTagType kHeadTags[] = {tagDOCTYPE, tagHTML, tagEndHTML, tagHEAD, tagEndHEAD, tagTITLE, tagEndTITLE,
                                 tagMETA, tagLINK, tagBASE, tagSTYLE, tagEndSTYLE, tagSCRIPT, tagEndSCRIPT,
                                 tagComment, tagEndBODY, tagEOT};

// Tags whose text is their content, not the body's.
const HtmlTagType kHeadContentTags[] = {tagTITLE, tagSTYLE, tagSCRIPT, tagEOT};

// Left out with all they contain (up to their end tag unless it is
// optional).
const HtmlTagType kSkippedTags[] = {
    tagAPPLET, tagBUTTON, tagFIELDSET, tagFORM, tagOBJECT, tagSELECT, tagSCRIPT, tagTEXTAREA, tagOPTION,
    tagCOL, tagCOLGROUP, tagEndCOLGROUP, tagTABLE, tagEndTABLE, tagTBODY, tagEndTBODY, tagTD, tagEndTD,
    tagTFOOT, tagEndTFOOT, tagTH, tagEndTH, tagTHEAD, tagEndTHEAD, tagTR, tagEndTR, tagEOT};

bool IsBlankText(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] != kBlank)
            return false;
    return true;
}

// Outside PRE: no blank next to a paragraph end inside one text.
CString WithoutBlanksAtEnds(const CString& text)
{
    const int n = text.GetLength();
    // Most texts hold no paragraph end and go through as they are.
    if (!memchr((LPCSTR)text, kEnd, n))
        return text;
    std::string out;
    for (int i = 0; i < n; ++i)
    {
        const char c = text[i];
        if (c == kBlank && ((i + 1 < n && text[i + 1] == kEnd) || (!out.empty() && out.back() == kEnd)))
            continue;
        out += c;
    }
    return CString(out.data(), (int)out.size());
}

// The flow's arrays grow by fixed steps, which is right for typing; a page
// read into them piece by piece would copy the whole text over and over.
// Room doubles instead while the page is read, and what is left over is
// given back afterwards.
template <class A>
void MakeRoom(A& array, long more)
{
    const long needed = array.GetCount() + more;
    if (needed > array.capacity)
        array.Reserve(std::max(needed, 2 * (long)array.capacity));
}

// Removing no records gives back the whole grow steps of spare room.
template <class A>
void GiveBackRoom(A& array)
{
    array.Destroy(array.GetCount(), 0);
}

// A page's text is hardly longer than its file (tags and references only
// shrink into it): room for the file's bytes taken at once spares the
// copies of a growing text and the faults of each larger block. A larger
// file grows as any text does.
constexpr long kMostCharsReservedAtOnce = 64L * 1024 * 1024;

void ReserveForPage(GDoc& flow, const CString& path)
{
    CFileStatus status;
    if (!CFile::GetStatus(path, status) || status.m_size <= 0)
        return;
    const long bytes = std::min((long)status.m_size, kMostCharsReservedAtOnce);
    try
    {
        MakeRoom(flow.m_chars, bytes);
    }
    catch (CMemoryException* e)
    {
        e->Delete();   // refused: the text grows as it is read
    }
}

} // namespace

CWHtmlImport::CWHtmlImport(const char* path, CWDocument* document)
    : CHtmlParser(path), m_pDocument(document), m_pFlow(document ? document->GetFlow(kBodyFlow) : nullptr),
      m_pStyles(new CHtmlDefaultStyles(document)), m_cLastChar(kParagraphEnd), m_nListKind(0), m_nItemCounter(-1),
      m_nListDepth(0), m_nOListStart(-1), m_nDirection(1), m_nSavedDirection(1), m_bBodySeen(false),
      m_bLastWasLabel(false), m_nTrailingBlank(-1)
{
}

CWHtmlImport::~CWHtmlImport()
{
    delete m_pStyles;
}

DWORD CWHtmlImport::OnError(HtmlErrCode, long)
{
    return m_nContinue;
}

BOOL CWHtmlImport::Import()
{
    if (!m_pDocument || !m_pFlow)
        return FALSE;
    CWCustomFrameData* frame = GetCustomFrameData();
    if (frame)
    {
        frame->InitStatusBarPercent(IDS_PROGRESS_IMPORTING, kImportProgressSteps);
        frame->SetStatusBarPercent(0);
    }
    // A file read is no step the user could take back. The body is laid
    // out once when the whole text is in: broken again after every piece,
    // a long page would be measured many times over.
    struct CReadState
    {
        CWDocument* doc;
        BOOL undo;
        explicit CReadState(CWDocument* d) : doc(d), undo(d->m_bUndoEnabled)
        {
            doc->m_bUndoEnabled = FALSE;
            doc->ReRows(0);
        }
        ~CReadState()
        {
            doc->ReRows(1);
            doc->m_bUndoEnabled = undo;
        }
    };
    BOOL read = FALSE;
    {
        CReadState state(m_pDocument);
        m_pStyles->CreateHtmlStyles();
        ReserveForPage(*m_pFlow, GetPath());
        read = Go();
        FinishBody();
    }
    GiveBackRoom(m_pFlow->m_chars);
    GiveBackRoom(m_pFlow->m_formats);
    GiveBackRoom(m_pFlow->m_paras);
    // Room for the rows the layout will make, in one piece.
    m_pFlow->m_rows.Reserve(m_pFlow->m_paras.GetCount() + m_pFlow->m_chars.GetCount() / kCharsPerRowEstimate);
    m_pFlow->ReRowByRow(0, m_pFlow->m_rows.GetCount() - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
    GiveBackRoom(m_pFlow->m_rows);
    if (frame)
    {
        frame->SetStatusBarPercent(kImportProgressSteps);
        frame->DoneStatusBarPercent();
    }
    return read;
}

bool CWHtmlImport::BelongsInHead(const TAGTABLE& tag) const
{
    return COptionalTagsMap::FoundIn(tag.type, kHeadTags) != tagEOT;
}

void CWHtmlImport::ImplyBody(const CString& text, STYLEPROP& style)
{
    m_bInBody = true;
    ImportTag(TagRow(tagBODY), text, nullptr, style);
}

void CWHtmlImport::OnTag(const TAGTABLE& tag, CString text, PROP* record, STYLEPROP& style)
{
    // A file without a BODY start tag: the body begins at the first tag or
    // text that does not belong in the head.
    if (!m_bBodySeen && !m_bInBody && tag.type != tagBODY && m_SkipUntil.IsEmpty() && !m_bInStyle)
    {
        // Unknown tags with nothing but blanks after them are left where
        // they stand.
        const bool head = BelongsInHead(tag) || (tag.type == tagEOT && IsBlankText(text));
        if (!head)
            ImplyBody(CString(), style);
        else if (!IsBlankText(text) && COptionalTagsMap::FoundIn(tag.type, kHeadContentTags) == tagEOT)
        {
            ImportTag(tag, CString(), record, style);
            if (!m_bBodySeen && m_SkipUntil.IsEmpty())
                ImplyBody(text, style);
            return;
        }
    }
    ImportTag(tag, text, record, style);
}

void CWHtmlImport::ImportTag(const TAGTABLE& tag, CString text, PROP* record, STYLEPROP& style)
{
    CHtmlParser::OnTag(tag, text, record, style);
    if (tag.type == tagBODY)
    {
        m_bBodySeen = true;
        // The floor entries, in the reset state that stands for the Body
        // style.
        ResetCandidates();
        PushCandidates();
    }
    else if (tag.type == tagEndBODY)
        PopStacks();

    if (IsSkippingTag(tag, true))
        return;

    m_NamedStyle.Empty();
    ResetCandidates();
    DispatchTag(tag, text, record);

    if (!m_bInBody)
        return;
    if (HasEndTag(tag))
    {
        SetFontStyle(style);
        SetParaStyle(style);
        MergeFontStyles();
        MergeParaStyles();
        PushCandidates();
    }
    else if (IsEndTag(tag))
    {
        int start = SearchTag(tag.name + 1);
        if (start < kHtmlTagCount && !IsSkippingTag(m_TagTable[start], false))
            PopStacks();
    }
    AddText(text);
}

bool CWHtmlImport::IsSkippingTag(const TAGTABLE& tag, bool update)
{
    if (!m_SkipUntil.IsEmpty() && m_SkipUntil == tag.name)
    {
        if (update)
            m_SkipUntil.Empty();
        return false;
    }
    if (!m_SkipUntil.IsEmpty())
        return true;
    if (COptionalTagsMap::FoundIn(tag.type, kSkippedTags) == tagEOT)
        return false;
    // An end tag while nothing is skipped starts no skip: the tag alone
    // goes (its element's entries are popped only when its start tag was
    // imported) and the text after it stays.
    if (IsEndTag(tag))
        return false;
    CString endName("/");
    endName += tag.name;
    int end = SearchTag(endName);
    // Without an end tag (COL) only the tag itself is dropped.
    if (end >= kHtmlTagCount)
        return false;
    if (IsOptionalTag(m_TagTable[end].type))
        return false;
    if (update)
        m_SkipUntil = endName;
    return true;
}

void CWHtmlImport::ResetCandidates()
{
    m_CandidateFont.Reset();
    m_CandidateFont.m_Mask = kAllCandidateAttributes;
    m_CandidateFont.m_Attr = 0;
    GParaStyle& p = m_CandidatePara;
    p.m_Left = p.m_Right = p.m_FirstLine = Gint(0);
    p.m_Extra = p.m_Before = p.m_After = Gint(0);
    p.m_Spacing = Gfloat(1.0f);
    p.m_Align = GParaStyle::kAlignUndefined;
}

bool CWHtmlImport::IsUnused(const GFontStyle& style)
{
    return style.m_Face[0] == 0 && style.m_Size == GFontStyle::kUndefinedSize &&
           style.m_Colour == GFontStyle::kUndefinedColour && style.m_Mask == kAllCandidateAttributes &&
           style.m_Attr == 0 && style.m_CharSet == 0;
}

bool CWHtmlImport::IsUnused(const GParaStyle& style)
{
    const Gint zero(0);
    return style.m_Left == zero && style.m_Right == zero && style.m_FirstLine == zero && style.m_Before == zero &&
           style.m_After == zero && style.m_Align == GParaStyle::kAlignUndefined;
}

void CWHtmlImport::PushCandidates()
{
    m_FontStack.push_back(m_CandidateFont);
    m_ParaStack.push_back(m_CandidatePara);
}

// The floor entries stay: an end tag whose element was never opened takes
// nothing off.
void CWHtmlImport::PopStacks()
{
    if (m_FontStack.size() > 1)
        m_FontStack.pop_back();
    if (m_ParaStack.size() > 1)
        m_ParaStack.pop_back();
}

GFontStyle CWHtmlImport::BuiltinFont(int builtin) const
{
    const int index = m_pStyles->m_Styles[builtin].m_Font;
    if (index < 0 || index >= m_pDocument->m_fontStyles.GetCount())
        return GFontStyle();
    return m_pDocument->m_fontStyles[index].style;
}

GParaStyle CWHtmlImport::BuiltinPara(int builtin) const
{
    const int index = m_pStyles->m_Styles[builtin].m_Para;
    if (index < 0 || index >= m_pDocument->m_paraStyles.GetCount())
        return GParaStyle();
    return m_pDocument->m_paraStyles[index].style;
}

void CWHtmlImport::SetFaceFromList(GFontStyle& style, const CString& list)
{
    CString face = list;
    int comma = face.Find(',');
    if (comma >= 0)
        face = face.Left(comma);
    face.TrimLeft();
    face.TrimRight();
    if (face.GetLength() >= 2 && (face[0] == '"' || face[0] == '\'') && face[face.GetLength() - 1] == face[0])
        face = face.Mid(1, face.GetLength() - 2);
    memset(style.m_Face, 0, sizeof(style.m_Face));
    lstrcpynA(style.m_Face, face, GFontStyle::kFaceSize);
}

void CWHtmlImport::SetFontStyle(const STYLEPROP& style)
{
    if (!style.m_FontFamily.IsEmpty())
        SetFaceFromList(m_CandidateFont, style.m_FontFamily);
    if (style.m_Color != STYLEPROP::kUnset)
        m_CandidateFont.m_Colour = (COLORREF)style.m_Color;
    if (!style.m_FontSize.IsEmpty())
    {
        int size = GetFontSize(style.m_FontSize, -1);
        if (size != -1)
            m_CandidateFont.m_Size = size;
    }
    if (!style.m_FontStyle.IsEmpty())
        m_CandidateFont.m_Attr |= GFontStyle::kItalic;
    if (style.m_FontWeight >= FW_BOLD)
        m_CandidateFont.m_Attr |= GFontStyle::kBold;
    if (style.m_TextDecoration == "UNDERLINE")
        m_CandidateFont.m_Attr |= GFontStyle::kUnderline;
    else if (style.m_TextDecoration == "LINE-THROUGH")
        m_CandidateFont.m_Attr |= GFontStyle::kStrikeout;
}

unsigned char CWHtmlImport::AlignmentOf(const CString& value)
{
    if (value.CompareNoCase("LEFT") == 0)
        return GParaStyle::kAlignLeft;
    if (value.CompareNoCase("CENTER") == 0)
        return GParaStyle::kAlignCentre;
    if (value.CompareNoCase("RIGHT") == 0)
        return GParaStyle::kAlignRight;
    if (value.CompareNoCase("JUSTIFY") == 0)
        return GParaStyle::kAlignJustify;
    return GParaStyle::kAlignUndefined;
}

void CWHtmlImport::SetParaStyle(const STYLEPROP& style)
{
    unsigned char align = AlignmentOf(style.m_TextAlign);
    if (align != GParaStyle::kAlignUndefined)
        m_CandidatePara.m_Align = align;
}

void CWHtmlImport::MergeFontStyles()
{
    GFontStyle enclosing = m_FontStack.empty() ? GFontStyle() : m_FontStack.back();
    if (m_FontStack.empty() || IsUnused(enclosing))
        enclosing = BuiltinFont(htmlStyleBody);
    GFontStyle& c = m_CandidateFont;
    if (c.m_Face[0] == 0)
        memcpy(c.m_Face, enclosing.m_Face, sizeof(c.m_Face));
    if (c.m_Size == GFontStyle::kUndefinedSize)
        c.m_Size = enclosing.m_Size;
    if (c.m_Colour == GFontStyle::kUndefinedColour)
        c.m_Colour = enclosing.m_Colour;
    if (c.m_Attr == 0)
        c.m_Attr = enclosing.m_Attr;
    c.CreateFontA(GFontStyle::kMixedCharSet);
}

void CWHtmlImport::MergeParaStyles()
{
    GParaStyle enclosing = m_ParaStack.empty() ? GParaStyle() : m_ParaStack.back();
    if (m_ParaStack.empty() || IsUnused(enclosing))
        enclosing = BuiltinPara(htmlStyleBody);
    if (m_CandidatePara.m_Align == GParaStyle::kAlignUndefined)
        m_CandidatePara.m_Align = enclosing.m_Align;
}

void CWHtmlImport::DropTrailingBlank()
{
    const long pos = m_nTrailingBlank;
    m_nTrailingBlank = -1;
    if (pos < 0 || pos != m_pFlow->m_chars.GetCount() - 4 || m_pFlow->m_chars[pos] != kBlank)
        return;
    m_pFlow->DelCharItem(pos, pos + 1);
    m_pFlow->m_redraw.InvalByPos(pos, pos + 1);
    m_pFlow->ReRowByPos(pos, pos + 1, GDoc::kUntilRowsStay);
}

void CWHtmlImport::AddText(CString text)
{
    if (m_nDirection == 0)
        text.MakeReverse();
    const bool pre = m_bInPre;
    if (!pre)
        text = WithoutBlanksAtEnds(text);
    if (m_cLastChar == kParagraphEnd)
    {
        int ends = 0;
        while (ends < text.GetLength() && text[ends] == kEnd)
            ++ends;
        text = text.Mid(ends);
    }
    if (!pre && (m_cLastChar == kParagraphEnd || m_bLastWasLabel))
    {
        int blanks = 0;
        while (blanks < text.GetLength() && text[blanks] == kBlank)
            ++blanks;
        text = text.Mid(blanks);
    }
    if (!text.IsEmpty())
    {
        if (text[0] == kEnd)
            DropTrailingBlank();
        m_cLastChar = (unsigned char)text[text.GetLength() - 1];
        m_bLastWasLabel = false;
    }

    const long begin = m_pFlow->m_chars.GetCount() - 3;
    const long ends = std::count((LPCSTR)text, (LPCSTR)text + text.GetLength(), kEnd) + 1;
    MakeRoom(m_pFlow->m_chars, text.GetLength());
    MakeRoom(m_pFlow->m_formats, 2);
    MakeRoom(m_pFlow->m_paras, ends);
    MakeRoom(m_pFlow->m_rows, ends);
    if (!text.IsEmpty())
        m_pFlow->InsertText(begin, text.GetBuffer(0), 1);
    text.ReleaseBuffer();
    const long end = m_pFlow->m_chars.GetCount() - 3;
    if (end > begin)
        m_nTrailingBlank = !pre && m_cLastChar == kBlank ? end - 1 : -1;

    long paraFrom = begin;
    while (paraFrom < end && m_pFlow->m_chars[paraFrom] == kParagraphEnd)
        ++paraFrom;
    if (m_NamedStyle.IsEmpty())
    {
        if (m_FontStack.empty() || m_ParaStack.empty())
            return;
        if (end > begin)
        {
            GFontStyle font = m_FontStack.back();
            m_pFlow->SetFontStyle(begin, end, font, 0);
        }
        GParaStyle para = m_ParaStack.back();
        m_pFlow->SetParaStyle(paraFrom, end, para);
    }
    else
    {
        if (end > begin)
            m_pFlow->SetFontStyle(begin, end, (LPCSTR)m_NamedStyle);
        m_pFlow->SetParaStyle(paraFrom, end, (LPCSTR)m_NamedStyle);
    }
}

void CWHtmlImport::InsertFieldAtEnd(GField* field)
{
    m_pFlow->InsertField(field);
    m_cLastChar = kFieldMark;
    m_nTrailingBlank = -1;
}

void CWHtmlImport::FinishBody()
{
    if (!m_pFlow)
        return;
    DropTrailingBlank();
    const long last = m_pFlow->m_chars.GetCount() - 4;
    if (last < 0 || m_pFlow->m_chars[last] != kParagraphEnd)
        return;
    m_pFlow->DelCharItem(last, last + 1);
    m_pFlow->m_redraw.InvalByPos(last, last + 1);
    m_pFlow->ReRowByPos(std::max(0L, last - 1), last + 1, GDoc::kWholeParagraph);
}
