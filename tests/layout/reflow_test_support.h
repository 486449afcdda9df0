// Helpers of the reflow tests: flows of several paragraphs laid out whole,
// the rows' first characters and tops, typing, and texts of numbered words.
#pragma once
#include "tests/layout/layout_test_support.h"
#include "tests/support/unbroken_body.h"
#include <string>
#include <vector>

namespace layout_test {

// The paragraphs of PutParagraphsUnbroken, then the whole flow broken and
// placed.
inline std::vector<long> SetParagraphs(GDoc& f, const std::vector<std::string>& texts)
{
    std::vector<long> starts = PutParagraphsUnbroken(f, texts);
    const long n = (long)texts.size();
    f.ReRowByRow(0, n, GDoc::kReRowLayout, GDoc::kWholeParagraph);
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
