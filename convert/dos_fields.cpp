// The DOS importer's calculation fields: where they stand in the body,
// their names, contents and formats from the cell and format sections, and
// the cells made for them.
#include "convert/GDosConvertor.h"
#include "convert/dos_lines.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/GOle.h"
#include "ZTItems.h"
#include <algorithm>

namespace
{
const char kApostrophe = '\'';
const char kFieldByte1 = 3, kFieldByte2 = 5;
const char kBlankMarker = 29;
const char kNamedCellMark = '#';
const char kRepeatFormat[] = "!";
const long kClosingChars = 3;
const int kNumericPrecision = 2;

bool IsFieldByte(char c)
{
    return c == kFieldByte1 || c == kFieldByte2;
}
} // namespace

int GDosConvertor::ReadFirstPageForFields()
{
    int line = 0, index = 0, column = 0;
    for (size_t i = 0; i < m_body.size(); ++i)
    {
        const char c = m_body[i];
        if (c == dos::kLineFeed)
        {
            ++line;
            index = 0;
            column = 0;
            continue;
        }
        if (!IsFieldByte(c))
        {
            ++column;
            continue;
        }
        DosField field;
        field.line = line;
        field.index = index++;
        field.column = column;
        while (i < m_body.size() && IsFieldByte(m_body[i]))
        {
            ++field.width;
            ++i;
        }
        --i;
        column += field.width;
        // Never more than ReadFirstPage made room for.
        if (m_fields.size() < m_nFieldRoom)
            m_fields.push_back(field);
    }
    return 1;
}

const DosField* GDosConvertor::FieldAt(int row, int column) const
{
    for (const DosField& f : m_fields)
        if (f.line == row && f.index == column)
            return &f;
    return NULL;
}

int GDosConvertor::ReadSecondPageForFields()
{
    for (const std::string& line : m_settingsLines)
    {
        dos::CellLine cell;
        if (dos::ParseCellLine(line, cell) != dos::kCellLine)
            continue;
        const size_t equals = cell.rest.find('=');
        if (equals == std::string::npos)
            continue;
        std::string name = dos::UpperCase(cell.rest.substr(0, equals)).substr(0, DosField::kMostName);
        std::string contents = cell.rest.substr(equals + 1, DosField::kMostContents);
        if (dos::UpperCase(contents).find(".XGR") != std::string::npos)
        {
            if (std::find(m_chartRows.begin(), m_chartRows.end(), cell.row) == m_chartRows.end())
                m_chartRows.push_back(cell.row);
        }
        if (!contents.empty() && contents[0] == kApostrophe)
        {
            if (contents.size() > 1 && (contents[1] == '<' || contents[1] == kBlankMarker))
                contents = kApostrophe + std::string(contents.size(), ' ');
            contents = contents.substr(0, DosField::kMostContents);
        }
        else
            contents = dos::UpperCase(contents);
        if (!name.empty() && name[0] == kNamedCellMark)
        {
            // Past the list's room a name still names its field.
            if (m_namedCells.size() < (size_t)kMostNamedCells)
                m_namedCells.push_back({name.substr(1), cell.row, cell.column});
        }
        DosField* field = const_cast<DosField*>(FieldAt(cell.row, cell.column));
        if (field)
        {
            field->name = name;
            field->contents = contents;
        }
    }
    std::string previous;
    for (const std::string& line : m_formatLines)
    {
        dos::CellLine cell;
        if (dos::ParseCellLine(line, cell) != dos::kCellLine)
            continue;
        std::string format = cell.rest.substr(0, DosField::kMostFormat);
        while (!format.empty() && dos::IsBlank(format.back()))
            format.pop_back();
        if (format == kRepeatFormat)
            format = previous;
        previous = format;
        if (DosField* field = const_cast<DosField*>(FieldAt(cell.row, cell.column)))
            field->format = format;
    }
    return 1;
}

CZTCellFormat GDosConvertor::FormatFromLetters(const std::string& letters)
{
    CZTCellFormat format;
    const size_t n = letters.size();
    for (size_t i = 0; i < n; ++i)
    {
        const char c = letters[i];
        switch (c)
        {
        case '#': format.locked = true; break;
        case 'Z': format.hidden = true; break;
        case '$': format.numberType = CZTCellFormat::kCurrency; break;
        case '%': format.numberType = CZTCellFormat::kPercent; break;
        case 'E': format.numberType = CZTCellFormat::kScientific; break;
        case '(': format.negativeInBrackets = true; break;
        case ',': format.thousands = true; break;
        case '.': format.precision = 0; break;
        case 'D':
        {
            format.numberType = CZTCellFormat::kDate;
            format.dayFirst = false;
            format.monthName = false;
            const char next = i + 1 < n ? letters[i + 1] : 0;
            size_t skip = 0;
            if (next == 'd')
            {
                format.dayFirst = true;
                skip = 3;
            }
            else if (next == 'm' || next == 'y')
                skip = 3;
            else if (next == 'l')
            {
                format.monthName = true;
                skip = 4;
            }
            // The skips stop at the format's end.
            i = std::min(n - 1, i + skip);
            break;
        }
        default:
            if (dos::IsDigit(c))
            {
                int precision = 0;
                dos::ReadNumber(letters, i, CZTCellFormat::kMostPrecision, precision);
                format.precision = precision;
                --i;
            }
            break;
        }
    }
    return format;
}

void GDosConvertor::InsertCell(GDoc* body, const DosField& field)
{
    CZTCell* item = dynamic_cast<CZTCell*>(m_doc.CreateFieldItem(RUNTIME_CLASS(CZTCell)));
    if (!item)
        return;
    item->SetSize(CSize(field.width * m_cell.cx, m_cell.cy));
    GCell* cell = new GCell(body, body->m_chars.count - kClosingChars, item);
    body->InsertField(cell);
    if (!field.format.empty())
        item->SetFormat(FormatFromLetters(field.format));
    item->SetName(field.name.c_str());
    item->SetBackColor(Options.Colors[CWOptions::kColorMailMerge]);
    m_cells.push_back(std::make_pair(item, &field));
}

// The formulas in the user's separators, and numbers shown with two
// decimals where the document gave no format.
void GDosConvertor::FinishCells()
{
    char list[8] = ",", decimal[8] = ".";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SLIST, list, sizeof(list));
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof(decimal));
    for (auto& entry : m_cells)
    {
        CZTCell* item = entry.first;
        const DosField& field = *entry.second;
        std::string formula = field.contents;
        if (!formula.empty() && formula[0] == '+')
            formula[0] = '=';
        std::string local;
        for (char c : formula)
        {
            if (c == ',' && list[0] && list[0] != ',')
                local += list;
            else if (c == '.' && decimal[0] && decimal[0] != '.')
                local += decimal;
            else
                local += c;
        }
        item->SetFormula(local.c_str());
        if (field.format.empty() && item->GetValueType() == CZTCell::kValueNumericFormula)
        {
            CZTCellFormat format;
            format.precision = kNumericPrecision;
            item->SetFormat(format);
        }
    }
    m_cells.clear();
}
