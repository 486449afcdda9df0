// The HTML reader's reading loop: tags, comments, text and character
// references, the delivery of tag events with their implied end tags, the
// error report, and the base OnTag that drives the style sheets.
//
// Text is read as HTML reads white space: outside PRE every run of white
// space (line feeds included) is one blank, kept where the file has it at
// either end of a text, and nothing is added; inside PRE blanks and tabs
// stay and a line end (13 10, 13 or a lone 10) is 13. The bytes 0 and 1,
// which the flows keep for their own use, read as blanks.
#include "html/CHtmlParser.h"
#include "html/html_space.h"
#include "html/CStyleSheetManager.h"
#include "model/utilities.h"
#include <stdlib.h>

namespace {

constexpr char kLineFeed = 10;
constexpr char kCarriageReturn = 13;
constexpr int kLongestReference = 7;   // "&" and six characters
constexpr char kNoCharacterInCodePage = '?';
constexpr WCHAR kHighestBmpCharacter = 0xFFFF;

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The byte that a numeric reference stands for: values up to 255 are
// ISO 8859-1 bytes; above, the character in the ANSI code page, "?" when
// that code page has none.
unsigned char NumericReferenceCharacter(long value)
{
    if (value >= 0 && value <= 255)
        return (unsigned char)value;
    if (value > kHighestBmpCharacter || (value >= 0xD800 && value <= 0xDFFF))
        return kNoCharacterInCodePage;
    WCHAR wide = (WCHAR)value;
    char bytes[2];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, sizeof(bytes), nullptr,
                                &usedDefault);
    if (n != 1 || usedDefault)
        return kNoCharacterInCodePage;
    // A code page that maps the character to a look-alike has none.
    WCHAR back = 0;
    if (MultiByteToWideChar(CP_ACP, 0, bytes, 1, &back, 1) != 1 || back != wide)
        return kNoCharacterInCodePage;
    return (unsigned char)bytes[0];
}

// Collects the bytes of one text as HTML reads its white space.
class CTextCollector
{
public:
    explicit CTextCollector(bool inPre) : m_bInPre(inPre) {}

    void Add(char c)
    {
        if (c == 0 || c == 1)
            c = ' ';
        if (!m_bInPre)
        {
            if (!IsHtmlSpace(c))
                m_Text += c;
            else if (m_Text.empty() || m_Text.back() != ' ')
                m_Text += ' ';
        }
        else if (c == kLineFeed)
        {
            if (!m_bAfterReturn)
                m_Text += kCarriageReturn;
        }
        else
            m_Text += c;
        m_bAfterReturn = c == kCarriageReturn;
    }
    void Add(const std::string& bytes)
    {
        for (char c : bytes)
            Add(c);
    }
    CString Text() const { return CString(m_Text.data(), (int)m_Text.size()); }

private:
    std::string m_Text;
    bool m_bInPre;
    bool m_bAfterReturn = false;
};

} // namespace

CHtmlParser::CHtmlParser(const char* path)
    : m_nAbort(2), m_nContinue(4), m_nReport(8), m_Path(path), m_pProp(nullptr), m_bInBody(false),
      m_nLine(1), m_nErrorId(IDS_HTML_ERR_NONE), m_nErrorCode(htmlErrNone), m_cCurrent(0), m_bInPre(false),
      m_pStyleSheets(nullptr), m_nFontSize(3), m_bInStyle(false), m_pBuffer(nullptr), m_nBuffered(0),
      m_nBufferPos(0), m_bAtEnd(false)
{
}

CHtmlParser::~CHtmlParser()
{
    delete m_pProp;
    delete m_pStyleSheets;
    delete[] m_pBuffer;
}

void CHtmlParser::OnSpecialCharacter(const SPECIALCHARTABLE&)
{
}

DWORD CHtmlParser::OnError(HtmlErrCode, long)
{
    return m_nContinue | m_nReport;
}

BOOL CHtmlParser::Go()
{
    CFileException openError;
    if (!m_File.Open(m_Path, CFile::modeRead | CFile::typeBinary, &openError))
        return FALSE;

    // The state of one read, undone on every way out.
    struct CReadScope
    {
        CHtmlParser& reader;
        explicit CReadScope(CHtmlParser& r) : reader(r)
        {
            reader.m_pBuffer = new BYTE[kReadBufferSize];
            reader.m_nBuffered = reader.m_nBufferPos = 0;
            reader.m_bAtEnd = false;
            reader.m_nFontSize = 3;
            reader.m_pStyleSheets = new CStyleSheetManager(&reader);
        }
        ~CReadScope()
        {
            delete reader.m_pProp;
            reader.m_pProp = nullptr;
            delete reader.m_pStyleSheets;
            reader.m_pStyleSheets = nullptr;
            delete[] reader.m_pBuffer;
            reader.m_pBuffer = nullptr;
            reader.m_File.Abort();
        }
    } scope(*this);

    BOOL read = TRUE;
    try
    {
        Parse();
    }
    catch (CFileException* e)
    {
        // The end of the file inside a tag ends the read like any end; a
        // failing read of the file does not.
        read = e->m_cause == CFileException::endOfFile;
        e->Delete();
    }
    catch (const char*)
    {
        // "Abort": an error the subclass asked to end the read on.
    }
    return read;
}

void CHtmlParser::SetError(HtmlErrCode code)
{
    m_nErrorCode = code;
    m_nErrorId = kHtmlErrMessageIds[code];
}

DWORD CHtmlParser::RaiseError()
{
    DWORD action = OnError(m_nErrorCode, m_nErrorId);
    if (action & m_nReport)
    {
        CString report;
        report.Format(GetResourceString(IDS_HTML_ERR_REPORT), (LPCSTR)m_Path, (int)m_nLine,
                      (LPCSTR)GetResourceString(m_nErrorId));
        AfxMessageBox(report);
    }
    if (m_nErrorCode == htmlErrEndOfFile)
        return m_nAbort;
    return action & ~m_nReport;
}

bool CHtmlParser::ReadNextCharacterOrEnd()
{
    if (m_bAtEnd)
        return false;
    if (m_nBufferPos == m_nBuffered)
    {
        m_nBuffered = m_File.Read(m_pBuffer, kReadBufferSize);
        m_nBufferPos = 0;
        if (m_nBuffered == 0)
        {
            m_bAtEnd = true;
            return false;
        }
    }
    m_cCurrent = (char)m_pBuffer[m_nBufferPos++];
    return true;
}

void CHtmlParser::ReadNextCharacter()
{
    if (!ReadNextCharacterOrEnd())
    {
        SetError(htmlErrEndOfFile);
        AfxThrowFileException(CFileException::endOfFile, -1, m_Path);
    }
}

void CHtmlParser::SkipSpaces()
{
    while (IsHtmlSpace(m_cCurrent))
    {
        if (m_cCurrent == kLineFeed)
            m_nLine++;
        ReadNextCharacter();
    }
}

void CHtmlParser::SkipTag()
{
    while (m_cCurrent != '>')
    {
        if (m_cCurrent == kLineFeed)
            m_nLine++;
        ReadNextCharacter();
    }
}

bool CHtmlParser::GetTagName(CString& name)
{
    name.Empty();
    ReadNextCharacter();
    if (IsHtmlSpace(m_cCurrent))
    {
        SetError(htmlErrTagFormat);
        return false;
    }
    std::string bytes;
    while (m_cCurrent != '>' && !IsHtmlSpace(m_cCurrent))
    {
        bytes += m_cCurrent;
        if (bytes == "!--")
            break;
        ReadNextCharacter();
    }
    name = CString(bytes.data(), (int)bytes.size());
    return true;
}

// A comment ends at the first "-->"; the hyphens of its opener count, so
// "<!-->" is a whole comment. Between STYLE and /STYLE its content is kept.
void CHtmlParser::SkipComment()
{
    m_StyleComment.clear();
    char before1 = '-', before2 = '-';   // the opener's hyphens
    for (;;)
    {
        ReadNextCharacter();
        if (m_cCurrent == '>' && before1 == '-' && before2 == '-')
            break;
        if (m_cCurrent == kLineFeed)
            m_nLine++;
        if (m_bInStyle)
            m_StyleComment += m_cCurrent;
        before2 = before1;
        before1 = m_cCurrent;
    }
    // The closing hyphens were kept as content unless they were the opener's.
    size_t closing = m_StyleComment.size() < 2 ? m_StyleComment.size() : 2;
    m_StyleComment.resize(m_StyleComment.size() - closing);
}

int CHtmlParser::SearchTag(const CString& name)
{
    for (int i = 0; i < kHtmlTagCount; i++)
        if (strcmp(m_TagTable[i].name, name) == 0)
            return i;
    return kHtmlTagCount;
}

const TAGTABLE& CHtmlParser::TagRow(HtmlTagType type)
{
    for (int i = 0; i < kHtmlTagCount; i++)
        if (m_TagTable[i].type == type)
            return m_TagTable[i];
    return m_TagTable[kHtmlTagCount];
}

int CHtmlParser::SearchChar(const CString& name)
{
    for (int i = 0; i < kSpecialCharNames; i++)
        if (strcmp(m_SpecialCharTable[i].name, name) == 0)
            return i;
    return kSpecialCharNames;
}

// A reference, the current character being its "&". Every byte consumed is
// also kept in written, so that a reference that cannot be resolved stays
// in the text as the file has it. A name ends at six characters, and at a
// "<" or "&", which would otherwise swallow the next tag or reference.
CHtmlParser::CharResult CHtmlParser::GetCharEntyty(SPECIALCHARTABLE& row, std::string& written)
{
    written = "&";
    if (!ReadNextCharacterOrEnd())
        return kCharCutByEnd;
    if (m_cCurrent == '#')
    {
        written += '#';
        std::string digits;
        for (;;)
        {
            if (!ReadNextCharacterOrEnd())
                return kCharCutByEnd;
            if (!IsDigit(m_cCurrent))
                break;
            digits += m_cCurrent;
            written += m_cCurrent;
        }
        long value = strtol(digits.c_str(), nullptr, 10);
        memset(&row, 0, sizeof(row));
        row.code = kSpecialCharNumeric;
        row.character = NumericReferenceCharacter(value);
        wsprintfA(row.name, "%d", (int)(signed char)row.character);
    }
    else
    {
        std::string name = "&";
        int found = kSpecialCharNames;
        while ((int)name.size() < kLongestReference && m_cCurrent != '<' && m_cCurrent != '&')
        {
            name += m_cCurrent;
            written += m_cCurrent;
            found = SearchChar(CString(name.data(), (int)name.size()));
            if (!ReadNextCharacterOrEnd())
                return kCharCutByEnd;
            if (found < kSpecialCharNames)
                break;
        }
        row = m_SpecialCharTable[found];
    }
    if (m_cCurrent != ';')
    {
        SetError(htmlErrCharFormat);
        return kCharUnterminated;
    }
    return kCharResolved;
}

bool CHtmlParser::GetRawText(CString& text)
{
    CTextCollector collected(m_bInPre);
    while (!m_bAtEnd && m_cCurrent != '<')
    {
        if (m_cCurrent != '&')
        {
            if (m_cCurrent == kLineFeed)
                m_nLine++;
            collected.Add(m_cCurrent);
            // The next character from the buffer without a call while
            // the buffer lasts: texts are most of a page.
            if (m_nBufferPos < m_nBuffered)
                m_cCurrent = (char)m_pBuffer[m_nBufferPos++];
            else
                ReadNextCharacterOrEnd();
            continue;
        }
        SPECIALCHARTABLE row;
        std::string written;
        switch (GetCharEntyty(row, written))
        {
        case kCharCutByEnd:
            // Set for the record; the text read so far is still delivered.
            SetError(htmlErrEndOfFile);
            collected.Add(written);
            break;
        case kCharUnterminated:
            if (RaiseError() != m_nContinue)
                return false;
            collected.Add(written);
            break;   // goes on at the character that stopped the reference
        case kCharResolved:
            if (row.code == kSpecialCharNotFound)
            {
                SetError(htmlErrUnknownChar);
                if (RaiseError() != m_nContinue)
                    return false;
                collected.Add(written + ';');
            }
            else if (row.code != kSpecialCharNoCharacter1 && row.code != kSpecialCharNoCharacter2)
            {
                OnSpecialCharacter(row);
                collected.Add((char)row.character);
            }
            ReadNextCharacterOrEnd();   // the ";"
            break;
        }
    }
    text = collected.Text();
    return true;
}

void CHtmlParser::Parse()
{
    if (!ReadNextCharacterOrEnd())
        return;
    while (!m_bInPre && IsHtmlSpace(m_cCurrent))
    {
        if (m_cCurrent == kLineFeed)
            m_nLine++;
        if (!ReadNextCharacterOrEnd())
            return;
    }
    // Text with no tag of its own (before the first tag, after a tag that
    // could not be read) travels with the "$EOT$" row.
    for (;;)
    {
        long row = kHtmlTagCount;
        if (m_cCurrent == '<')
        {
            CString name;
            if (!GetTagName(name))
            {
                if (RaiseError() != m_nContinue)
                    return;
                SkipTag();
            }
            else if (name == "!--")
            {
                SkipComment();
                row = SearchTag(name);
            }
            else if (!name.IsEmpty())
            {
                name.MakeUpper();
                row = SearchTag(name);
                switch (m_TagTable[row].type)
                {
                case tagBODY: m_bInBody = true; break;
                case tagEndBODY: m_bInBody = false; break;
                case tagPRE: m_bInPre = true; break;
                case tagEndPRE: m_bInPre = false; break;
                case tagSTYLE: m_bInStyle = true; break;
                case tagEndSTYLE: m_bInStyle = false; break;
                default: break;
                }
                if (row == kHtmlTagCount)
                {
                    SetError(htmlErrUnknownTag);
                    if (RaiseError() != m_nContinue)
                        return;
                    SkipTag();
                }
                if (!GetTagParameters(m_pProp, m_TagTable[row].type))
                {
                    if (RaiseError() != m_nContinue)
                        return;
                    SkipParameters();
                }
            }
            if (m_cCurrent != '>')
            {
                SetError(htmlErrTagFormat);
                if (RaiseError() != m_nContinue)
                    return;
                SkipTag();
            }
            if (!ReadNextCharacterOrEnd())
            {
                DeliverTag(row, CString());
                return;
            }
        }
        CString text;
        if (!GetRawText(text))
            return;
        DeliverTag(row, text);
        if (m_bAtEnd)
            return;
    }
}

// The implied end tag first, then the tag itself, unless it is the end
// tag of an element already closed by inference: then the text after it
// goes with the "$EOT$" row.
void CHtmlParser::DeliverTag(long row, const CString& text)
{
    long implied = ProcessOptionalTag(row);
    if (implied >= 0)
        OnTag(m_TagTable[implied], CString(), nullptr, m_Style);
    const TAGTABLE& tag = m_TagTable[row];
    bool dropped = false;
    if (IsEndTag(tag))
    {
        int element = SearchTag(tag.name + 1);
        if (element < kHtmlTagCount && HaveToSkip(m_TagTable[element].type))
        {
            ForgetStrayEndTag(m_TagTable[element].type);
            dropped = true;
        }
    }
    if (!dropped)
        OnTag(tag, text, m_pProp, m_Style);
    else if (!text.IsEmpty())
        OnTag(m_TagTable[kHtmlTagCount], text, nullptr, m_Style);   // its text is kept
    delete m_pProp;
    m_pProp = nullptr;
}

void CHtmlParser::OnTag(const TAGTABLE& tag, CString text, PROP* attributes, STYLEPROP& style)
{
    if (!m_pStyleSheets)
        return;
    switch (tag.type)
    {
    case tagLINK:
        if (LINKPROP* link = dynamic_cast<LINKPROP*>(attributes))
            if (link->m_Rel == "STYLESHEET" && link->m_Type == "TEXT/CSS")
                m_pStyleSheets->DefineStylesFromFile(BesidePage(link->m_Href));
        return;
    case tagEndBODY:
        m_pStyleSheets->Pop();
        break;
    case tagSTYLE:
        m_pStyleSheets->DefineStyles(text, true);
        break;
    case tagComment:
        // Older pages hide their rules from older browsers in a comment.
        if (m_bInStyle)
        {
            m_pStyleSheets->DefineStyles(CString(m_StyleComment.data(), (int)m_StyleComment.size()), true);
            m_pStyleSheets->DefineStyles(text, true);
        }
        break;
    default:
        break;
    }
    if (!m_bInBody)
        return;
    // Only an element that can be closed is pushed: a comment, an unknown
    // tag or one without an end tag would leave its entry on the stack for
    // the next end tag to take off in place of its own.
    if (IsEndTag(tag))
        m_pStyleSheets->Pop();
    else if (HasEndTag(tag))
        m_pStyleSheets->Push(m_pStyleSheets->Merge(m_pStyleSheets->Top(), attributes, tag));
    style = m_pStyleSheets->Top()->m_Style;
}
