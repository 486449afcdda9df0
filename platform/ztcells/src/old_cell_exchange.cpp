// Reading the exchange records of older documents' cells and turning them
// into today's cell form.
#include "ZTOldCell.h"
#include <math.h>
#include <stdio.h>
#include <string.h>
#include <vector>

namespace
{
const int kLetters = 26;
const double kPercent = 100.0;

// Reads from a record's own bytes; running past them marks the record bad
// instead of reading on into the stream.
class RecordBytes
{
public:
    explicit RecordBytes(const std::vector<BYTE>& bytes) : m_bytes(bytes) {}
    bool ok() const { return m_ok; }
    const BYTE* Take(size_t n)
    {
        if (!m_ok || m_bytes.size() - m_at < n)
        {
            m_ok = false;
            return NULL;
        }
        const BYTE* p = m_bytes.data() + m_at;
        m_at += n;
        return p;
    }
    BYTE Byte()
    {
        const BYTE* p = Take(1);
        return p ? p[0] : 0;
    }
    WORD Word()
    {
        const BYTE* p = Take(2);
        return p ? (WORD)(p[0] | (p[1] << 8)) : 0;
    }
    double Double()
    {
        const BYTE* p = Take(8);
        double value = 0.0;
        if (p)
            memcpy(&value, p, sizeof value);   // little-endian like the file
        return value;
    }
    CString Text()
    {
        const WORD n = Word();
        const BYTE* p = Take(n);
        return p ? CString((const char*)p, n) : CString();
    }

private:
    const std::vector<BYTE>& m_bytes;
    size_t m_at = 0;
    bool m_ok = true;
};

CString FormatNumber(const COldCellRecord& cell)
{
    double value = cell.number;
    if (!isfinite(value))
        return CString("#NUM!");
    const int decimals = cell.decimals > COldCellRecord::kMostDecimals ? COldCellRecord::kMostDecimals
                                                                       : cell.decimals;
    char text[64];
    switch (cell.format)
    {
    case COldCellRecord::kFixed:
        snprintf(text, sizeof text, "%.*f", decimals, value);
        break;
    case COldCellRecord::kPercent:
        snprintf(text, sizeof text, "%.*f%%", decimals, value * kPercent);
        break;
    default:
        snprintf(text, sizeof text, "%.15g", value);
        break;
    }
    return CString(text);
}
} // namespace

void ReadOldCellRecord(CArchive& ar, COldCellRecord& cell)
{
    cell = COldCellRecord();
    WORD length;
    ar >> length;
    std::vector<BYTE> bytes(length);
    if (length && ar.Read(bytes.data(), length) != length)
        AfxThrowArchiveException(CArchiveException::endOfFile);

    RecordBytes in(bytes);
    COldCellRecord read;
    read.kind = in.Byte();
    read.column = in.Word();
    read.row = in.Word();
    switch (read.kind)
    {
    case COldCellRecord::kEmpty:
        break;
    case COldCellRecord::kNumber:
        read.number = in.Double();
        break;
    case COldCellRecord::kText:
        read.text = in.Text();
        break;
    case COldCellRecord::kFormula:
        read.text = in.Text();
        read.number = in.Double();
        break;
    default:
        return;
    }
    read.format = in.Byte();
    read.decimals = in.Byte();
    if (in.ok())
        cell = read;
}

CString OldCellName(WORD column, WORD row)
{
    char letters[8];
    int n = 0;
    for (unsigned c = (unsigned)column + 1; c > 0 && n < (int)sizeof letters; c = (c - 1) / kLetters)
        letters[n++] = (char)('A' + (c - 1) % kLetters);
    CString name;
    while (n > 0)
        name += letters[--n];
    char number[8];
    snprintf(number, sizeof number, "%u", (unsigned)row + 1);
    return name + number;
}

CCellForm ConvertOldCell(const COldCellRecord& cell)
{
    CCellForm form;
    form.name = OldCellName(cell.column, cell.row);
    switch (cell.kind)
    {
    case COldCellRecord::kNumber:
    case COldCellRecord::kFormula:
        form.value = FormatNumber(cell);
        break;
    case COldCellRecord::kText:
        form.value = cell.text;
        break;
    default:
        break;
    }
    return form;
}
