// The DOS importer's headers and footers: the parts of the settings lines
// as text, page-number and date fields, with their tab stops.
#include "convert/GDosConvertor.h"
#include "document/CWDocument.h"
#include "model/GDateTime.h"
#include "model/GDoc.h"
#include "model/GPageNum.h"
#include "model/GParaStyle.h"
#include "resources/resource.h"
#include <string.h>
#include <algorithm>

namespace
{
const long kClosingChars = 3;
const long kHeaderFlow = 2, kFirstHeaderFlow = 1;
const long kFooterFlow = 5, kFirstFooterFlow = 4;
const int kFirstPageChoice = 2;
const int kPartsPerLine = 3;
const char kApostrophe = '\'';
const long kFirstPage = 1;

// Page-number formats of the part texts.
const unsigned char kPageNumberPlain = 0;
const unsigned char kPageNumberDashes = 1;
const unsigned char kPageNumberWord = 3;

long EndOf(GDoc* flow)
{
    return flow->m_chars.count - kClosingChars;
}

void Append(GDoc* flow, const char* text)
{
    if (*text)
        flow->InsertText(EndOf(flow), (char*)text, 0);
}

// text matches pattern, each "?" in it standing for any one character.
bool Matches(const char* text, const char* pattern)
{
    for (; *pattern; ++pattern, ++text)
        if (!*text || (*pattern != '?' && *pattern != *text))
            return false;
    return *text == 0;
}

int LongDateFormat(int style)
{
    switch (style)
    {
    case 1: return 9;
    case 2:
    case 4: return 10;
    default: return -1;
    }
}

int ShortDateFormat(int style)
{
    switch (style)
    {
    case 1: return 0;
    case 2: return 2;
    case 4: return 3;
    case 8: return 4;
    default: return -1;
    }
}
} // namespace

bool GDosConvertor::InsertDateField(GDoc* flow, int format)
{
    if (format < 0)
        return false;
    GDateTime* field = new GDateTime(flow, EndOf(flow));
    field->m_date.format = (WORD)format;
    field->m_date.show = 1;
    field->Update();
    flow->InsertField(field);
    return true;
}

int GDosConvertor::HeaderAttribut(char* part, GDoc* flow)
{
    if (!part || !flow || part[0] != kApostrophe)
        return 0;
    CString pageWord;
    pageWord.LoadString(IDS_DOS_PAGE_PATTERN);
    int pageFormat = -1;
    if (strcmp(part, "'#pp") == 0)
        pageFormat = kPageNumberPlain;
    else if (strcmp(part, "'- #pp -") == 0)
        pageFormat = kPageNumberDashes;
    else if (!pageWord.IsEmpty() && strcmp(part, pageWord) == 0)
        pageFormat = kPageNumberWord;
    if (pageFormat >= 0)
    {
        flow->InsertField(new GPageNum(flow, EndOf(flow), (unsigned char)pageFormat, kFirstPage));
        return 1;
    }
    static const char* const kLongDates[] = {"'#mmmm #dd, #yyyy", "'#dd #mmmm #yyyy", "'#dd. #mmmm #yyyy"};
    for (const char* pattern : kLongDates)
        if (strcmp(part, pattern) == 0)
            return InsertDateField(flow, LongDateFormat(m_settings.longDateStyle)) ? 1 : 0;
    static const char* const kShortDates[] = {"'#mm?#dd?#yy", "'#dd?#mm?#yy", "'#dd?#mm?#yyyy", "'#yy?#mm?#dd"};
    for (const char* pattern : kShortDates)
        if (Matches(part, pattern))
            return InsertDateField(flow, ShortDateFormat(m_settings.shortDateStyle)) ? 1 : 0;
    if (!part[1])
        return 0;
    Append(flow, part + 1);
    return 1;
}

void GDosConvertor::AddPartsTo(GDoc* flow, const std::string* parts)
{
    bool any = false;
    for (int line = 0; line < 2; ++line)
    {
        const std::string* p = parts + line * kPartsPerLine;
        if (p[0].empty() && p[1].empty() && p[2].empty())
            continue;
        if (any)
            Append(flow, "\r");
        any = true;
        std::string left = p[0], centre = p[1], right = p[2];
        HeaderAttribut(&left[0], flow);
        if (!centre.empty() || !right.empty())
        {
            Append(flow, "\t");
            HeaderAttribut(&centre[0], flow);
        }
        if (!right.empty())
        {
            Append(flow, "\t");
            HeaderAttribut(&right[0], flow);
        }
    }
    SetPageTabs(flow);
}

void GDosConvertor::ApplyHeaderParts()
{
    GDoc* header = m_doc.GetFlow(m_nFirstHead == kFirstPageChoice ? kFirstHeaderFlow : kHeaderFlow);
    GDoc* footer = m_doc.GetFlow(m_nFirstFoot == kFirstPageChoice ? kFirstFooterFlow : kFooterFlow);
    if (header)
        AddPartsTo(header, m_headerParts);
    if (footer)
        AddPartsTo(footer, m_footerParts);
}

void GDosConvertor::SetPageTabs(GDoc* flow)
{
    if (m_doc.m_pageInfos.GetCount() == 0)
        return;
    const long width = m_doc.m_pageInfos[0].GetTextWidth();
    const GParaStyle* now = flow->GetCharPStylePtr(0);
    GParaStyle style = now ? *now : GParaStyle();
    for (int i = 0; i < GTabArr::kCount; ++i)
        style.m_Tabs[i] = GTab(GTab::kLeft, GTab::kEmpty, 0);
    style.m_Tabs[0] = GTab(GTab::kCentre, (short)std::min<long>(width / 2, GTabArr::kMaxPosition));
    style.m_Tabs[1] = GTab(GTab::kRight, (short)std::min<long>(width, GTabArr::kMaxPosition));
    flow->SetParaStyle(0, flow->m_chars.count - 1, style);
}
