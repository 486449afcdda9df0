// The exporter's frame: the output file, the skeleton of the page, the
// style block with one rule per master style, and the character set the
// page declares.
#include "html/CWHtmlExport.h"
#include "html/CHtmlDefaultStyles.h"
#include "html/html_builtin_styles.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "app/CWCustomFrameData.h"
#include "resources/resource.h"
#include <algorithm>
#include <map>

namespace {

constexpr int kExportProgressSteps = 10;
// Text gathered before it goes to the file.
constexpr size_t kFlushBytes = 64 * 1024;
// Characters of the prefix "(M) " before a master's own name.
constexpr int kStylePrefixLength = 4;

const char kBuiltinSelectors[kHtmlBuiltinStyleCount][20] = {
    ".HTMLBody",         ".HTMLParagraph", ".HTMLHeading1",  ".HTMLHeading2",  ".HTMLHeading3",  ".HTMLHeading4",
    ".HTMLHeading5",     ".HTMLHeading6",  ".HTMLPreformatted", ".HTMLCite",   ".HTMLAddress",   ".HTMLHyperlink",
    ".HTMLCode",         ".HTMLKeyboard",  ".HTMLTypewriter", ".HTMLSample",   ".HTMLVariable"};

bool IsBuiltinMaster(const char* name)
{
    for (const HtmlBuiltinMasterStyle& entry : kHtmlBuiltinMasterStyles)
        if (lstrcmpiA(entry.name, name) == 0)
            return true;
    return false;
}

// A code page's name as HTML readers know it.
CString CodePageName(UINT codePage)
{
    CString name;
    switch (codePage)
    {
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "EUC-KR";
    case 950: return "Big5";
    case 874: return "Windows-874";
    default:
        if (codePage >= 1250 && codePage <= 1258)
        {
            name.Format("Windows-%u", codePage);
            return name;
        }
        return "Windows-1252";
    }
}

// The ANSI code page of a font character set; the default and the mixed
// sets take the system's.
UINT CharsetCodePage(unsigned char charset)
{
    if (charset == DEFAULT_CHARSET || charset == GFontStyle::kMixedCharSet)
        return GetACP();
    CHARSETINFO info = {};
    if (TranslateCharsetInfo((DWORD*)(UINT_PTR)charset, &info, TCI_SRCCHARSET))
        return info.ciACP;
    return GetACP();
}

} // namespace

CString MasterNamePart(const char* name)
{
    CString part = lstrlenA(name) > kStylePrefixLength ? name + kStylePrefixLength : "";
    part.Remove(' ');
    return part;
}

CWHtmlExport::CWHtmlExport(CWDocument* doc) : m_pDoc(doc)
{
    CFileException error;
    m_bOpened = m_file.Open(doc->GetPathName(),
                            CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite | CFile::typeText, &error);
}

CWHtmlExport::~CWHtmlExport()
{
    if (m_bOpened)
    {
        try
        {
            m_file.Close();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
}

BOOL CWHtmlExport::Export()
{
    if (!m_bOpened)
        return FALSE;
    CWCustomFrameData* frame = GetCustomFrameData();
    if (frame)
    {
        frame->InitStatusBarPercent(IDS_PROGRESS_EXPORTING, kExportProgressSteps);
        frame->SetStatusBarPercent(0);
    }
    struct CProgressEnd
    {
        CWCustomFrameData* frame;
        ~CProgressEnd()
        {
            if (frame)
            {
                frame->SetStatusBarPercent(kExportProgressSteps);
                frame->DoneStatusBarPercent();
            }
        }
    } end{frame};
    m_bWhole = TRUE;
    Go();
    Flush();
    try
    {
        m_file.Flush();
    }
    catch (CException* e)
    {
        e->Delete();
        m_bWhole = FALSE;
    }
    return m_bWhole;
}

void CWHtmlExport::Go()
{
    Put("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n");
    Put("<HTML>\n");
    Put("<HEAD>\n");
    CString meta;
    meta.Format("\t<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=%s\">\n", (LPCSTR)BodyCharsetName());
    Put(meta);
    Put("\t<META NAME=\"Generator\" CONTENT=\"Zentavo Write\">\n");
    ExportStyles();
    Put("</HEAD>\n");
    Put("<BODY>\n");
    ExportBody();
    Put("</BODY>\n");
    Put("</HTML>");
}

void CWHtmlExport::Put(const CString& text)
{
    m_pending.append((LPCSTR)text, text.GetLength());
    if (m_pending.size() >= kFlushBytes)
        Flush();
}

void CWHtmlExport::Flush()
{
    if (m_pending.empty())
        return;
    try
    {
        if (m_bOpened)
            m_file.Write(m_pending.data(), (UINT)m_pending.size());
        else
            m_bWhole = FALSE;
    }
    catch (CException* e)
    {
        e->Delete();
        m_bWhole = FALSE;
    }
    m_pending.clear();
}

void CWHtmlExport::ExportStyles()
{
    CHtmlDefaultStyles builtin(m_pDoc);
    builtin.GetCurrentHtmlStyles();
    Put("<STYLE TYPE=\"text/css\" TITLE=\"ZtWrite Master Styles\">\n");
    for (int row = 0; row < kHtmlBuiltinStyleCount; row++)
        WriteStyle(kBuiltinSelectors[row], builtin.m_Styles[row]);
    // Every master of the document's own, wherever it stands in the
    // table: one added after an import follows the built-in ones.
    const GStyleTbl<GMasterStyle>& masters = m_pDoc->m_masterStyles;
    for (LONG i = 0; i < masters.GetCount(); i++)
    {
        if (IsBuiltinMaster(masters[i].name))
            continue;
        WriteStyle(".ZtWrite" + MasterNamePart(masters[i].name), masters[i].style);
    }
    Put("</STYLE>\n");
}

int CWHtmlExport::WriteStyle(const CString& selector, const GMasterStyle& style)
{
    if (style.m_Font == -1 && style.m_Para == -1)
        return 0;
    CString font, para;
    if (style.m_Font >= 0 && style.m_Font < m_pDoc->m_fontStyles.GetCount())
        font = ExportFontStyleExplicit(m_pDoc->m_fontStyles[style.m_Font].style);
    if (style.m_Para >= 0 && style.m_Para < m_pDoc->m_paraStyles.GetCount())
        para = ExportParaStyleExplicit(m_pDoc->m_paraStyles[style.m_Para].style, NULL);
    if (font.IsEmpty() && para.IsEmpty())
        return 0;
    CString rule;
    rule.Format("%s   {\n%s %s}\n", (LPCSTR)selector, (LPCSTR)font, (LPCSTR)para);
    Put(rule);
    return 1;
}

void CWHtmlExport::GetMStyleIndex(const CString& name, long& font, long& para)
{
    const GStyleTbl<GMasterStyle>& masters = m_pDoc->m_masterStyles;
    for (LONG i = 0; i < masters.GetCount(); i++)
        if (name == masters[i].name)
        {
            font = masters[i].style.m_Font;
            para = masters[i].style.m_Para;
            return;
        }
    font = -1;
    para = -1;
}

CString CWHtmlExport::BodyCharsetName()
{
    GDoc* flow = m_pDoc->GetFlow(kBodyFlow);
    std::map<UINT, long> counts;
    if (flow)
    {
        const long last = flow->m_chars.GetCount() - 3;
        for (LONG run = 0; run + 1 < flow->m_formats.GetCount(); run++)
        {
            const long from = flow->m_formats[run].pos;
            const long to = std::min<long>(flow->m_formats[run + 1].pos, last);
            if (to <= from)
                continue;
            GFontStyle* font = flow->GetFormatStylePtr(run);
            long letters = 0;
            for (long pos = from; pos < to; pos++)
                if ((BYTE)flow->m_chars[pos] > ' ')
                    letters++;
            if (letters)
                counts[CharsetCodePage(font ? font->GetCharSet() : DEFAULT_CHARSET)] += letters;
        }
    }
    UINT codePage = GetACP();
    long most = 0;
    for (const auto& entry : counts)
        if (entry.second > most)
        {
            most = entry.second;
            codePage = entry.first;
        }
    return CodePageName(codePage);
}
