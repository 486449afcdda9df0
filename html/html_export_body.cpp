// The body flow as HTML: paragraphs with their class and their own
// differences, lists (nested ones after their outer item), character runs,
// fields and pictures written beside the page.
#include "html/CWHtmlExport.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "model/GImage.h"
#include "model/GListField.h"
#include "model/GListStyle.h"
#include "resources/resource.h"
#include "Image.h"
#include <algorithm>

int g_nHtmlPictureCounter = 0;

namespace {

constexpr int kJpegQuality = 50;
constexpr int kFirstListLevel = 1;
constexpr int kLastListLevel = 9;

// Text as HTML shows it: the characters that open markup or a reference
// become references; in an attribute the quote too.
void AppendEscaped(std::string& out, const char* text, size_t length, bool attribute)
{
    for (size_t i = 0; i < length; i++)
    {
        const char c = text[i];
        switch (c)
        {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"':
            if (attribute)
                out += "&quot;";
            else
                out += c;
            break;
        default: out += c; break;
        }
    }
}

CString Escaped(const char* text, bool attribute = false)
{
    if (!text)
        return CString();
    std::string out;
    AppendEscaped(out, text, strlen(text), attribute);
    return CString(out.c_str(), (int)out.size());
}

// The class attribute of a master: its name part, prefixed with
// "ZtWrite" unless it is one of the HTML classes.
CString ClassOf(const char* masterName)
{
    CString part = MasterNamePart(masterName);
    return part.Find("HTML") >= 0 ? part : "ZtWrite" + part;
}

long ClosingMark(GDoc* flow)
{
    return flow->m_chars.GetCount() - 3;
}

long ParaEnd(GDoc* flow, long pos)
{
    return std::min(flow->CharWithNextPara(pos), ClosingMark(flow));
}

int ListLevel(const GList* field)
{
    return std::max(kFirstListLevel, std::min(kLastListLevel, (int)field->m_nLevel));
}

} // namespace

void CWHtmlExport::ExportBody()
{
    GDoc* flow = m_pDoc->GetFlow(kBodyFlow);
    if (!flow)
        return;
    long start = 0;
    for (int index = 0; index < flow->m_paras.GetCount() - 1; index++)
    {
        long end = ParaEnd(flow, start);
        if (!ExportList(start, end, index, flow))
            ExportPara(start, end, index, flow, index == 0, false);
        start = end;
    }
}

bool CWHtmlExport::ExportList(const long& start, long& end, int& paraIndex, GDoc* flow)
{
    GList* field = flow->GetListField(start);
    if (!field || field->m_nStyle < 0 || field->m_nStyle >= m_pDoc->m_listStyles.GetCount())
        return false;
    const int level = ListLevel(field);
    if (m_pDoc->m_listStyles[field->m_nStyle].style.IsBullet())
        ExportBulletList(start, end, paraIndex, level, flow, field);
    else
        ExportNumberList(start, end, paraIndex, level, flow, field);
    return true;
}

void CWHtmlExport::ExportNumberList(const long& start, long& end, int& paraIndex, const int& level, GDoc* flow,
                                    GList* field)
{
    WriteList(start, end, paraIndex, level, flow, field, true);
}

void CWHtmlExport::ExportBulletList(const long& start, long& end, int& paraIndex, const int& level, GDoc* flow,
                                    GList* field)
{
    WriteList(start, end, paraIndex, level, flow, field, false);
}

void CWHtmlExport::WriteList(const long& start, long& end, int& paraIndex, const int& level, GDoc* flow,
                             GList* field, bool numbered)
{
    const GStyleTbl<GListStyle>& lists = m_pDoc->m_listStyles;
    if (numbered)
    {
        const GLevelStyle& record = lists[field->m_nStyle].style.Level(level);
        const char* type = "1";
        switch (record.m_Seq.kind)
        {
        case GSequence::kLower: type = "a"; break;
        case GSequence::kUpper: type = "A"; break;
        case GSequence::kLowerRoman: type = "i"; break;
        case GSequence::kUpperRoman: type = "I"; break;
        default: break;
        }
        CString open;
        open.Format("\n<ol type=%s start=%d>\n", type, (int)record.m_Start);
        Put(open);
    }
    else
        Put("\n<ul>\n");

    long pos = start;
    GList* current = field;
    while (paraIndex < flow->m_paras.GetCount() - 1 && current)
    {
        if (current->m_nStyle < 0 || current->m_nStyle >= lists.GetCount())
            break;
        const GListStyle& style = lists[current->m_nStyle].style;
        if (numbered ? !style.IsNumber() : !style.IsBullet())
            break;
        long next = ParaEnd(flow, pos);
        const int currentLevel = ListLevel(current);
        if (currentLevel > level)
            ExportList(pos, next, paraIndex, flow);
        else if (currentLevel < level)
            break;
        else
            ExportPara(pos + 1, next, paraIndex, flow, paraIndex == 0, true);
        pos = next;
        current = flow->GetListField(pos);
        paraIndex++;
    }
    end = pos;
    paraIndex--;
    Put(numbered ? "</ol>" : "</ul>");
}

void CWHtmlExport::ExportPara(const long& start, const long& end, const long& paraIndex, GDoc* flow, bool first,
                              bool item)
{
    const Mint reference = flow->m_paras[paraIndex].style;
    const GStyleTbl<GFontStyle>& fonts = m_pDoc->m_fontStyles;
    const GStyleTbl<GParaStyle>& paras = m_pDoc->m_paraStyles;
    // A style that is not there is taken as the table's first entry.
    auto fontAt = [&](long i) -> const GFontStyle& { return fonts[i >= 0 && i < fonts.GetCount() ? i : 0].style; };
    auto paraAt = [&](long i) -> const GParaStyle& { return paras[i >= 0 && i < paras.GetCount() ? i : 0].style; };

    CString className;
    const GParaStyle* ownPara;
    const GParaStyle* basePara;
    const GFontStyle* ownFont;
    const GFontStyle* baseFont;
    if (reference.master && reference.index >= 0 && reference.index < m_pDoc->m_masterStyles.GetCount())
    {
        const GStyleItem<GMasterStyle>& master = m_pDoc->m_masterStyles[reference.index];
        className = ClassOf(master.name);
        ownPara = basePara = &paraAt(master.style.m_Para);
        ownFont = baseFont = &fontAt(master.style.m_Font);
    }
    else
    {
        ownPara = flow->GetParaStylePtr(paraIndex);
        ownFont = flow->GetCharFStylePtr(start);
        CString name = first ? "(M) HTML Body" : "(M) HTML Paragraph";
        long font, para;
        GetMStyleIndex(name, font, para);
        if (font == -1 || para == -1)
        {
            name.LoadString(first ? IDS_MSTYLE_NORMALBODY : IDS_MSTYLE_NORMAL);
            GetMStyleIndex(name, font, para);
        }
        className = ClassOf(name);
        basePara = &paraAt(para);
        baseFont = &fontAt(font);
        if (!ownPara)
            ownPara = basePara;
        if (!ownFont)
            ownFont = baseFont;
    }

    const long borderIndex = flow->GetCharBorder(start, end);
    const GBorder* border = borderIndex >= 0 ? &flow->m_borders[borderIndex] : NULL;
    const CString paraDeclarations = ExportParaStyle(*ownPara, *basePara, border);
    const CString fontDeclarations = ExportFontStyle(*ownFont, *baseFont);

    CString text;
    long pos = start;
    while (pos < end)
    {
        const long next = std::min(flow->CharWithNextFormat(pos), end);
        if (next <= pos)
            break;
        text += ExportFont(pos, next, *ownFont, flow);
        pos = next;
    }

    className = Escaped(className, true);
    CString element;
    if (item)
        element.Format("\n<li class=\"%s\">%s</li>\n", (LPCSTR)className, (LPCSTR)text);
    else if (!paraDeclarations.IsEmpty() || !fontDeclarations.IsEmpty())
        element.Format("<p class=\"%s\" style=\"%s%s\">%s</p>\n", (LPCSTR)className,
                       (LPCSTR)Escaped(paraDeclarations, true), (LPCSTR)Escaped(fontDeclarations, true),
                       (LPCSTR)text);
    else
        element.Format("\n<p class=\"%s\">%s</p>\n", (LPCSTR)className, (LPCSTR)text);
    Put(element);
}

CString CWHtmlExport::ExportFont(const long& start, const long& end, const GFontStyle& base, GDoc* flow)
{
    const GFontStyle* run = flow->GetCharFStylePtr(start);
    if (!run)
        run = &base;
    const CString text = ExportText(start, end, flow);
    const CString declarations = Escaped(ExportFontStyle(*run, base), true);
    const char* element = run->GetAttr(GFontStyle::kSubscript) == 1     ? "sub"
                          : run->GetAttr(GFontStyle::kSuperscript) == 1 ? "sup"
                                                                        : NULL;
    CString out;
    // Nothing but the run's own text between the tags: a line feed there
    // would read as a blank inside a word.
    if (element && declarations.IsEmpty())
        out.Format("<%s>%s</%s>", element, (LPCSTR)text, element);
    else if (element)
        out.Format("<span style=\"%s\"><%s>%s</%s></span>", (LPCSTR)declarations, element, (LPCSTR)text, element);
    else if (!declarations.IsEmpty())
        out.Format("<span style=\"%s\">%s</span>", (LPCSTR)declarations, (LPCSTR)text);
    else
        out = text;
    return out;
}

CString CWHtmlExport::ExportText(const long& start, const long& end, GDoc* flow)
{
    std::string out;
    const long stop = std::min(end, (long)flow->m_chars.GetCount());
    for (long pos = start; pos < stop; pos++)
    {
        const char c = (char)(BYTE)flow->m_chars[pos];
        if (c == (char)kFlowEnd)
            break;
        if (c == (char)kParagraphEnd || c == (char)kBreak)
            continue;
        if (c == (char)kTab)
            out += ' ';   // keeps the words apart
        else if (c == (char)kFieldMark)
        {
            const CString field = ExportField(pos, flow);
            out.append((LPCSTR)field, field.GetLength());
        }
        else
            AppendEscaped(out, &c, 1, false);
    }
    return CString(out.c_str(), (int)out.size());
}

CString CWHtmlExport::ExportField(const long& position, GDoc* flow)
{
    const long index = flow->GetCharField(position);
    if (index < 0)
        return CString();
    GField* field = flow->m_fields[index];
    if (!field)
        return CString();
    switch (field->m_nKind)
    {
    case kFieldDateTime:
    case kFieldPageNum:
    case kFieldDocTitle:
    case kFieldCell:
    case kFieldCaption:
        return Escaped(field->AsText(0));
    case kFieldImage:
        return ExportImage(static_cast<const GImage*>(field));
    case kFieldFootNote:
        return "<hr>" + Escaped(field->AsText(0));
    default:
        return CString();
    }
}

CString CWHtmlExport::ExportImage(const GImage* picture)
{
    CString path = m_file.GetFilePath();
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    const CString folder = slash >= 0 ? path.Left(slash + 1) : CString();
    // Never over a file that is there already, an earlier page's picture
    // perhaps.
    do
    {
        path.Format("%sImage%d.jpg", (LPCSTR)folder, ++g_nHtmlPictureCounter);
    } while (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES);
    const void* dib = picture && picture->m_pImage ? picture->m_pImage->get_dib() : NULL;
    if (!dib || !writeJPEGfile(path, dib, kJpegQuality))
        m_bWhole = FALSE;
    CString element;
    element.Format("<img src=\"%s\">", (LPCSTR)Escaped(path, true));
    return element;
}
