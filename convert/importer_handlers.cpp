// The intermediate-file importer: the handlers of the records it
// understands itself (paragraph and page ends, fields, tabs, header and
// footer places, text columns and tables).
#include "convert/TConvertorTo.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GPageNum.h"
#include <algorithm>

namespace
{
const unsigned char kPageNumberFormat = 0;
const unsigned char kPageCountFormat = 8;
const long kFirstPage = 1;
const char kNbrChar = (char)255;
const int32_t kTableFlag = 8;
const int32_t kEqualColumnsFlag = 1;
const int kMostTableColumns = 64;
const long kLeastPartHeight = 1;
} // namespace

void TConvertorTo::HNL(const TCommandArg& r)
{
    if (m_bTable)
    {
        ++m_nCurRow;
        return;
    }
    InsertChars("\r");
    int32_t keep = 0;
    r.GetNum(1, keep);
    if (keep == 0)
        m_pPara->SetDefaults();
}

void TConvertorTo::HEX(TBuffICF& item)
{
    if (item.Find("HEX0A") != 2)
        return;
    if (m_bTable)
    {
        ++m_nCurRow;
        return;
    }
    InsertChars("\r");
    m_pPara->m_bFull = true;
}

void TConvertorTo::SNL(const TCommandArg&)
{
    if (m_bTable)
        ++m_nCurRow;
}

void TConvertorTo::InsertPageNumber(unsigned char format)
{
    if (m_bTable)
        return;
    m_pPage->setup = 0;
    const long pos = EndOfFlow();
    GPageNum* field = new GPageNum(m_pRecv, pos, kPageNumberFormat, kFirstPage);
    field->m_nFormat = format;
    if (std::find(m_touched.begin(), m_touched.end(), m_pRecv) == m_touched.end())
        m_touched.push_back(m_pRecv);
    m_pRecv->InsertField(field);
    SetFStyle(pos, pos + 1);
}

void TConvertorTo::PPN(const TCommandArg&)
{
    InsertPageNumber(kPageNumberFormat);
}

void TConvertorTo::PLN(const TCommandArg&)
{
    InsertPageNumber(kPageCountFormat);
}

void TConvertorTo::SPN(const TCommandArg&)
{
    m_pPage->setup = 0;
}

void TConvertorTo::TAB(const TCommandArg& r)
{
    if (m_bTable)
    {
        if (m_tableColumns.empty())
            return;
        PadColumn(m_nCurCol, m_nCurRow);
        MyArr& column = *m_tableColumns[m_nCurCol];
        if (m_nCurRow < column.GetSize())
            column[m_nCurRow] += " ";
        return;
    }
    int32_t kind = 0;
    r.GetNum(1, kind);
    if (kind == 0)
        InsertChars("\t");
}

void TConvertorTo::NBR(const TCommandArg&)
{
    const char text[2] = {kNbrChar, 0};
    TBuffICF item(text);
    AddText(item);
}

void TConvertorTo::HNP(const TCommandArg&)
{
    if (m_bTable)
        return;
    InsertChars("\r\f");
}

void TConvertorTo::SetPartFrames(long firstFlow, long distance, long height)
{
    for (long flow = firstFlow; flow < firstFlow + 3; ++flow)
    {
        GDoc* part = m_pDoc->GetFlow(flow);
        CFrame* frame = part ? part->m_pFirstFrame : nullptr;
        if (!frame)
            continue;
        frame->y = (LONG)distance;
        frame->height = (LONG)std::max(kLeastPartHeight, height);
    }
    m_pDoc->FitDocumentToPageInfo(0);
}

void TConvertorTo::HTM(const TCommandArg& r)
{
    int32_t twips;
    if (m_pDoc->m_pageInfos.GetCount() == 0 || !r.GetNum(2, twips))
        return;
    const GPageInfo& info = m_pDoc->m_pageInfos[0];
    const long distance = std::max(0L, std::min<long>(TenthMmOf(twips), info.textTop));
    SetPartFrames(1, distance, info.textTop - distance);
}

void TConvertorTo::FBM(const TCommandArg& r)
{
    int32_t twips;
    if (m_pDoc->m_pageInfos.GetCount() == 0 || !r.GetNum(2, twips))
        return;
    const GPageInfo& info = m_pDoc->m_pageInfos[0];
    const long bottom = info.paperHeight - info.textBottom;
    const long distance = std::max(0L, std::min<long>(TenthMmOf(twips), bottom));
    SetPartFrames(4, distance, bottom - distance);
}

void TConvertorTo::CDS(const TCommandArg& r)
{
    int32_t flags = 0, count = 0;
    r.GetNum(1, flags, kIcfNumber, kIcfHex);
    r.GetNum(2, count);
    const bool table = (flags & kTableFlag) != 0;
    if (count < 1 || count > (table ? kMostTableColumns : kMostTextColumns))
        return;
    m_nColumns = (unsigned char)count;
    m_nCurRow = 0;
    m_nCurCol = 0;
    if (table)
    {
        if (m_bTable)
            EndTable();
        m_bTable = true;
        // The rows take the table's ruler.
        m_pPara->m_bFull = true;
        std::vector<int32_t> starts;
        for (int i = 1; i < count; ++i)
        {
            int32_t start = 0;
            if (r.GetNum(3 * count + 3 * i + 3, start))
                starts.push_back(start);
        }
        m_pPara->m_tabs.SetLeftTabs(starts);
        for (int i = 0; i < count; ++i)
            m_tableColumns.push_back(new MyArr);
        return;
    }
    std::vector<CData> data(count);
    if (!(flags & kEqualColumnsFlag))
    {
        const int base = r.GetCountArg() == 6 * count + 2 ? 3 + 3 * count : 3;
        const int unit = base == 3 ? kIcfTenthInch : kIcfNumber;
        long previousEnd = 0;
        for (int i = 0; i < count; ++i)
        {
            int32_t start = 0, end = 0;
            r.GetNum(base + 3 * i, start, kIcfTenthMm, unit);
            r.GetNum(base + 3 * i + 1, end, kIcfTenthMm, unit);
            data[i].width = std::max<LONG>(0, (LONG)std::min<int64_t>(INT32_MAX, (int64_t)end - start));
            if (i > 0)
                data[i - 1].gap = std::max<LONG>(0, (LONG)std::min<int64_t>(INT32_MAX, (int64_t)start - previousEnd));
            previousEnd = end;
        }
    }
    else
    {
        // Equal columns: the first column's width, spaced to fill the text
        // width.
        const bool exact = r.GetCountArg() >= 6;
        int32_t start = 0, end = 0;
        r.GetNum(exact ? 6 : 3, start, kIcfTenthMm, exact ? kIcfNumber : kIcfTenthInch);
        r.GetNum(exact ? 7 : 4, end, kIcfTenthMm, exact ? kIcfNumber : kIcfTenthInch);
        const long textWidth = m_pDoc->m_pageInfos.GetCount() ? m_pDoc->m_pageInfos[0].GetTextWidth() : 0;
        long width = std::max<long>(0, (long)std::min<int64_t>(INT32_MAX, (int64_t)end - start));
        if (width <= 0 || width * count > textWidth)
            width = textWidth / count;
        const long gap = count > 1 ? (textWidth - width * count) / (count - 1) : 0;
        for (int i = 0; i < count; ++i)
        {
            data[i].width = (LONG)width;
            data[i].gap = i + 1 < count ? (LONG)gap : 0;
        }
    }
    data[count - 1].gap = 0;
    m_columnData = data;
    m_nColumnDataCount = count;
}

void TConvertorTo::BCM(const TCommandArg&)
{
    m_nBlockStart = EndOfFlow();
}

void TConvertorTo::ECM(const TCommandArg&)
{
    if (m_bTable)
    {
        EndTable();
        return;
    }
    // The block ends with a paragraph end, unless its text has one.
    const long last = EndOfFlow();
    if (last > 0 && m_pRecv->m_chars[last - 1] != kParagraphEnd)
        InsertChars("\r");
    m_pPara->SetDefaults();
    const long end = EndOfFlow();
    if (!m_columnData.empty() && m_nColumnDataCount == m_nColumns && m_nBlockStart < end)
        m_pRecv->SetColumns(std::min(m_nBlockStart, end), end, m_nColumnDataCount, m_columnData.data(), 0);
}

long TConvertorTo::GetMaxRows() const
{
    long rows = 0;
    for (const MyArr* column : m_tableColumns)
        rows = std::max<long>(rows, (long)column->GetSize());
    return rows;
}

void TConvertorTo::PadColumn(int column, long rows)
{
    if (column < 0 || column >= (int)m_tableColumns.size())
        return;
    MyArr& cells = *m_tableColumns[column];
    while (cells.GetSize() < rows)
        cells.Add("");
}

void TConvertorTo::BRO(const TCommandArg&)
{
    if (!m_bTable)
        return;
    const long rows = GetMaxRows();
    for (int c = 0; c < (int)m_tableColumns.size(); ++c)
    {
        PadColumn(c, rows);
        m_tableColumns[c]->Add("");
    }
    m_nCurCol = 0;
    m_nCurRow = rows;
}

// The next cell of the current row; after the last column the first of
// the next row.
void TConvertorTo::HCB(const TCommandArg&)
{
    if (!m_bTable || m_tableColumns.empty())
        return;
    if (++m_nCurCol >= (int)m_tableColumns.size())
    {
        m_nCurCol = 0;
        ++m_nCurRow;
    }
    PadColumn(m_nCurCol, m_nCurRow + 1);
}

void TConvertorTo::EndTable()
{
    m_bTable = false;
    const long rows = GetMaxRows() + 1;
    for (int c = 0; c < (int)m_tableColumns.size(); ++c)
        PadColumn(c, rows);
    CString text;
    for (long row = 0; row < rows; ++row)
    {
        for (int c = 0; c < (int)m_tableColumns.size(); ++c)
        {
            if (c > 0)
                text += '\t';
            text += m_tableColumns[c]->GetAt(row);
        }
        text += '\r';
    }
    text += '\r';
    for (MyArr* column : m_tableColumns)
        delete column;
    m_tableColumns.clear();
    const long from = EndOfFlow();
    InsertChars(text);
    const long to = EndOfFlow();
    if (to > from)
    {
        SetFStyle(from, to);
        if (m_pPara->m_bFull)
        {
            GParaStyle style;
            m_pPara->GetParaStyle(style);
            m_pRecv->SetParaStyle(from, to, style);
        }
    }
    m_pPara->SetDefaults();
}
