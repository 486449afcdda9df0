// Helpers of the reflow tests: flows of several paragraphs laid out whole,
// the rows' first characters, and the stored form of a flow as bytes.
#pragma once
#include "layout_test_support.h"
#include <string>
#include <vector>

namespace layout_test {

// Paragraphs of text, each closed by 13; a paragraph whose text ends in
// '\f' closes with 13 and 12 (a page break). Every paragraph starts as one
// row; then the whole flow is broken and placed.
inline std::vector<long> SetParagraphs(GDoc& f, const std::vector<std::string>& texts)
{
    std::string all;
    std::vector<long> starts;
    for (size_t i = 0; i < texts.size(); ++i)
    {
        starts.push_back((long)all.size());
        std::string t = texts[i];
        bool pageBreak = !t.empty() && t.back() == '\f';
        if (pageBreak)
            t.pop_back();
        all += t;
        if (i + 1 < texts.size())
            all += pageBreak ? "\r\f" : "\r";
    }
    SetText(f, all);
    const long n = (long)texts.size();
    for (long i = 1; i < n; ++i)
    {
        GRow row;
        row.first = (LONG)starts[i];
        row.holes = GRow::NewHoles();
        f.m_rows.AddAt(row, i);
        GPara para = f.m_paras[0];
        para.row = (LONG)i;
        f.m_paras.AddAt(para, i);
    }
    f.m_paras.Last().row = (LONG)n;
    f.m_columns.Last().startRows[0] = (LONG)n;
    f.ReRowByRow(0, n, 1, 1);
    return starts;
}

inline std::vector<long> RowStarts(const GDoc& f)
{
    std::vector<long> starts;
    for (long r = 0; r < f.m_rows.GetCount(); ++r)
        starts.push_back(f.m_rows[r].first);
    return starts;
}

inline std::vector<long> RowTops(const GDoc& f)
{
    std::vector<long> tops;
    for (long r = 0; r < f.m_rows.GetCount(); ++r)
        tops.push_back(f.m_rows[r].y);
    return tops;
}

// Inserts text at pos as typing does: the characters, then the records.
inline void Type(GDoc& f, long pos, const std::string& text)
{
    std::vector<GChar> chars(text.begin(), text.end());
    f.m_chars.InsertAt(pos, chars.data(), (long)text.size());
    f.InsCharItem(pos, (long)text.size());
}

inline std::vector<BYTE> StoredBytes(GDoc& f)
{
    CMemFile file(1024);
    {
        CArchive ar(&file, CArchive::store);
        f.SaveZVW(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

// Words of the given length, numbered so no two rows look alike.
inline std::string Words(int count, const char* word = "word")
{
    std::string s;
    for (int i = 0; i < count; ++i)
    {
        if (i)
            s += ' ';
        s += word;
    }
    return s;
}

} // namespace layout_test
