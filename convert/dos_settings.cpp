// The DOS importer's settings: the settings file "LIBRARY2.XZT", the
// settings lines of a document (headers and footers, justification, tab
// stops, first-page choices) and the body's tab stops.
#include "convert/GDosConvertor.h"
#include "convert/dos_lines.h"
#include "document/CWDocument.h"
#include "document/path_parts.h"
#include "model/GDoc.h"
#include "model/GParaStyle.h"
#include "resources/resource.h"
#include <string.h>
#include <algorithm>

namespace
{
const char kSettingsFile[] = "LIBRARY2.XZT";
const char kHeaderText[] = "--HDR2.0-- 18 HI;\n";
const int kCellWidth = 25;      // 0.1 mm
const int kCellHeight = 42;
const int kDefaultTabColumns = 8;
const int kMostKeywordNumber = 9999;
const int kMostValue = 0x7FFF;
const int kMostSettingText = 127;
const int kMostTabColumn = 255;
const char kSettingsMark[] = "RaC";
const int kFirstPageChoice = 2;
const char kSettingsCutOff[] = "R14C0";

// The keyword of each settings number, and whether its value is a number.
struct Keyword
{
    const char* text;
    bool numeric;
};
const Keyword kKeywords[GDosConvertor::kKeywordCount] = {
    {"typeid=", true},     {"stattext=", false}, {"border=", true},     {"pgwidth=", true},
    {"pgdepth=", true},    {"fixtop=", true},    {"fixleft=", true},    {"page=", true},
    {"curline=", true},    {"curpos=", true},    {"windline=", true},   {"windcol=", true},
    {"tabs=", false},      {"pghead0=", false},  {"pghead1=", false},   {"pghead2=", false},
    {"pghead3=", false},   {"pghead4=", false},  {"pghead5=", false},   {"justflag=", true},
    {"spacing=", true},    {"limittop=", true},  {"limitbot=", true},   {"limitleft=", true},
    {"limitright=", true}, {"pgoffset=", true},  {"firsthead=", true},  {"firstfoot=", true},
    {"pghead6=", false},   {"pghead7=", false},  {"pghead8=", false},   {"pghead9=", false},
    {"pghead10=", false},  {"pghead11=", false}, {"dformat=", false},   {"dtabs=", false},
    {"pgtop=", true},      {"pgbottom=", true},  {"formp=", false},     {"prcpi=", true},
    {"prlpi=", true},      {"prfont=", false},   {"landscape=", true}};
enum
{
    kTabs = 12, kHead0 = 13, kHead5 = 18, kJustify = 19, kFirstHead = 26, kFirstFoot = 27,
    kHead6 = 28, kHead11 = 33, kDecimalTabs = 35
};

void CopyText(char* to, const char* from, size_t size)
{
    strncpy(to, from, size - 1);
    to[size - 1] = 0;
}

// The column numbers of a "tabs=" or "dtabs=" value, at most the stops.
std::vector<unsigned char> Columns(const std::string& value)
{
    std::vector<unsigned char> columns;
    size_t i = 0;
    while (i < value.size() && columns.size() < (size_t)GDosConvertor::kTabStops)
    {
        int n;
        if (dos::ReadNumber(value, i, kMostTabColumn, n))
            columns.push_back((unsigned char)n);
        else
            ++i;
    }
    return columns;
}

// The text after the apostrophe that follows key in a line, or empty.
std::string SampleAfter(const std::string& line, const char* key)
{
    const size_t at = line.find(key);
    return at == std::string::npos ? std::string() : line.substr(at + strlen(key));
}

int LongDateStyle(const std::string& sample)
{
    if (sample.compare(0, 17, "December 20, 1987") == 0)
        return 1;
    if (sample.compare(0, 16, "20 December 1987") == 0)
        return 2;
    if (sample.compare(0, 17, "20. December 1987") == 0)
        return 4;
    return 0;
}

// The order of "mm", "dd" and "yy"/"yyyy" in a short-date pattern.
int ShortDateStyle(const std::string& pattern)
{
    const size_t m = pattern.find("mm"), d = pattern.find("dd"), y = pattern.find("yy");
    if (m == std::string::npos || d == std::string::npos || y == std::string::npos)
        return 0;
    const bool longYear = pattern.find("yyyy") != std::string::npos;
    if (m < d && d < y && !longYear)
        return 1;
    if (d < m && m < y)
        return longYear ? 4 : 2;
    if (y < m && m < d)
        return 8;
    return 0;
}
} // namespace

struct GDosConvertor::SettingsLine
{
    int number = 0;
    bool known = false;          // 0 to 42
    std::string value;
    int numeric = 0;
};

GDosConvertor::GDosConvertor(FILE* file, CWnd& owner, CWDocument& doc, CSize& size)
    : m_file(file), m_owner(owner), m_doc(doc), m_cell(size), m_header(kHeaderText)
{
    m_cell = CSize(kCellWidth, kCellHeight);
    memset(&m_settings, 0, sizeof(m_settings));
    InitDefaults();
    m_pBuffer = new char[kTextBufferSize + 1];
}

GDosConvertor::~GDosConvertor()
{
    delete[] m_pBuffer;
}

void GDosConvertor::InitDefaults()
{
    static const char* const kSymbols[DosSettings::kSymbolCount] = {"\xA3", " K", "DM", "FF", "cm", "m", "lbs", "kg"};
    CopyText(m_settings.country, "UK", sizeof(m_settings.country));
    m_settings.numberPunctuation = 1;
    m_settings.longDateStyle = 2;
    m_settings.shortDateStyle = 2;
    CopyText(m_settings.argumentSeparator, ",", sizeof(m_settings.argumentSeparator));
    CopyText(m_settings.dateSeparator1, "-", sizeof(m_settings.dateSeparator1));
    CopyText(m_settings.dateSeparator2, "-", sizeof(m_settings.dateSeparator2));
    m_settings.leadingSymbols = 0x2F;
    for (int i = 0; i < DosSettings::kSymbolCount; ++i)
        CopyText(m_settings.symbols[i], kSymbols[i], sizeof(m_settings.symbols[i]));
}

bool GDosConvertor::ReadSettingsFile(FILE* file)
{
    char line[kMostSettingText + 1];
    if (!fgets(line, sizeof(line), file) || strcmp(line, kHeaderText) != 0)
        return false;
    std::string text;
    while (fgets(line, sizeof(line), file))
    {
        text = line;
        // A line longer than the buffer goes on in the next read; only the
        // lines' beginnings matter.
        if (text.compare(0, 5, kSettingsCutOff) == 0)
            break;
        if (text.compare(0, 5, "R10C1") == 0 && text.find("longdate='") != std::string::npos)
        {
            if (int style = LongDateStyle(SampleAfter(text, "longdate='")))
                m_settings.longDateStyle = style;
        }
        else if (text.compare(0, 5, "R11C1") == 0 && text.find("shortdate='") != std::string::npos)
        {
            if (int style = ShortDateStyle(SampleAfter(text, "shortdate='")))
                m_settings.shortDateStyle = style;
        }
        else if (text.compare(0, 5, "R10C0") == 0 && text.find("country='") != std::string::npos)
        {
            std::string country = SampleAfter(text, "country='");
            country = country.substr(0, country.find_first_of("'\r\n"));
            CopyText(m_settings.country, country.c_str(), sizeof(m_settings.country));
        }
    }
    return true;
}

int GDosConvertor::ReadLib()
{
    char folder[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(sizeof(folder), folder);
    FILE* file = NULL;
    if (n > 0 && n < sizeof(folder))
    {
        CString path(folder);
        if (path.Right(1) != "\\")
            path += "\\";
        file = OpenForReading(path + kSettingsFile);
    }
    char module[MAX_PATH];
    const DWORD m = GetModuleFileNameA(NULL, module, sizeof(module));
    PathParts parts;
    if (!file && m > 0 && m < sizeof(module) && SplitPath(module, parts))
        file = OpenForReading(MakePath(parts.drive, parts.dir, kSettingsFile, ""));
    InitDefaults();
    if (!file)
        return 1;
    ReadSettingsFile(file);
    fclose(file);
    return 1;
}

bool GDosConvertor::ParseSettingsLine(const std::string& line, SettingsLine& out) const
{
    size_t i = strlen(kSettingsMark);
    if (!dos::ReadNumber(line, i, kMostKeywordNumber, out.number))
        return false;   // no digit, or a minus sign: a negative number
    if (i >= line.size() || !dos::IsBlank(line[i]))
        return false;
    while (i < line.size() && dos::IsBlank(line[i]))
        ++i;
    out.known = out.number < kKeywordCount;
    if (!out.known)
        return true;
    const Keyword& keyword = kKeywords[out.number];
    const size_t length = strlen(keyword.text);
    if (line.compare(i, length, keyword.text) != 0)
        return false;
    out.value = line.substr(i + length, kMostSettingText);
    if (keyword.numeric)
    {
        size_t at = 0;
        if (!dos::ReadNumber(out.value, at, kMostValue, out.numeric))
            out.numeric = 0;
    }
    return true;
}

static bool IsSettingsLine(const std::string& line)
{
    return line.compare(0, strlen(kSettingsMark), kSettingsMark) == 0;
}

int GDosConvertor::ReadFirstPage()
{
    m_nFieldRoom = 0;
    for (size_t i = 0; i < m_body.size(); ++i)
        if ((m_body[i] == 3 || m_body[i] == 5) && (i == 0 || (m_body[i - 1] != 3 && m_body[i - 1] != 5)))
            ++m_nFieldRoom;
    m_fields.reserve(m_nFieldRoom);

    bool error = false;
    for (const std::string& line : m_settingsLines)
    {
        if (!IsSettingsLine(line))
            continue;
        SettingsLine s;
        if (!ParseSettingsLine(line, s))
        {
            error = true;
            continue;
        }
        if (s.number == kFirstHead)
            m_nFirstHead = s.numeric;
        else if (s.number == kFirstFoot)
            m_nFirstFoot = s.numeric;
    }
    if (error)
        AfxMessageBox(IDS_DOS_BAD_SETTINGS_LINE, MB_OK);
    return error ? 0 : 1;
}

int GDosConvertor::ReadSecondPage()
{
    bool error = false;
    std::vector<unsigned char> tabs, decimalTabs;
    bool anyTabs = false;
    for (const std::string& line : m_settingsLines)
    {
        if (IsSettingsLine(line))
        {
            SettingsLine s;
            if (!ParseSettingsLine(line, s))
            {
                error = true;
                continue;
            }
            if (!s.known)
                continue;
            if (s.number >= kHead0 && s.number <= kHead5)
            {
                const int k = s.number - kHead0;
                (k < 3 ? m_headerParts[k] : m_footerParts[k - 3]) = s.value;
            }
            else if (s.number >= kHead6 && s.number <= kHead11)
            {
                const int k = s.number - kHead6;
                (k < 3 ? m_headerParts[3 + k] : m_footerParts[k]) = s.value;
            }
            else if (s.number == kJustify)
                // A "justflag=0" says the body is not justified.
                m_bJustify = s.numeric != 0;
            else if (s.number == kTabs)
            {
                tabs = Columns(s.value);
                anyTabs = true;
            }
            else if (s.number == kDecimalTabs)
            {
                decimalTabs = Columns(s.value);
                anyTabs = true;
            }
            continue;
        }
        dos::CellLine cell;
        const dos::CellLineKind kind = dos::ParseCellLine(line, cell);
        if (kind == dos::kBadCellLine)
            error = true;
        else if (kind == dos::kCellLine && dos::UpperCase(cell.rest).find(".XGR") != std::string::npos)
            m_chartRows.push_back(cell.row);
    }
    if (error)
    {
        AfxMessageBox(IDS_DOS_BAD_SETTINGS_LINE, MB_OK);
        return 0;
    }
    if (m_nFirstHead == kFirstPageChoice || m_nFirstFoot == kFirstPageChoice)
        m_doc.SetFirstPageDiff(1, 0);
    ApplyHeaderParts();
    if (anyTabs)
    {
        GDoc* body = m_doc.GetFlow(kBodyFlow);
        if (body)
            SetTab(body, 0, body->m_chars.count - 1, (unsigned char)tabs.size(), (unsigned char)decimalTabs.size(),
                   tabs.data(), decimalTabs.data());
    }
    return 1;
}

void GDosConvertor::SetTab(GDoc* flow, int from, int to, unsigned char count, unsigned char decimalCount,
                           unsigned char* columns, unsigned char* decimalColumns)
{
    struct Stop
    {
        int column;
        unsigned char kind;
    };
    std::vector<Stop> stops;
    for (int i = 0; i < count && columns; ++i)
        stops.push_back({columns[i], GTab::kLeft});
    for (int i = 0; i < decimalCount && decimalColumns; ++i)
        stops.push_back({decimalColumns[i], GTab::kDecimal});
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) { return a.column < b.column; });
    if (stops.size() > (size_t)kTabStops)
        stops.resize(kTabStops);
    int column = stops.empty() ? 0 : stops.back().column;
    while (stops.size() < (size_t)kTabStops)
    {
        column += kDefaultTabColumns;
        stops.push_back({column, GTab::kLeft});
    }
    GTabArr tabs;
    for (int i = 0; i < kTabStops; ++i)
    {
        // c x 25.4 rounded, in 0.1 mm; no stop beyond the ruler's end.
        const int position = std::min((stops[i].column * 254 + 5) / 10, (int)GTabArr::kMaxPosition);
        tabs[i] = GTab(stops[i].kind, (short)position);
    }
    m_bodyTabs = tabs;
    m_bBodyTabs = true;
    if (!flow || from > to)
        return;
    const GParaStyle* now = flow->GetCharPStylePtr(from);
    GParaStyle style = now ? *now : GParaStyle();
    style.m_Tabs = tabs;
    flow->SetParaStyle(from, to, style);
}
