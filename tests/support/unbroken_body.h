// Fills an empty flow with paragraphs, each on one row that is not broken
// yet, so that laying the flow out is all that remains; used by the layout
// tests and benchmarks.
#pragma once
#include "model/GDoc.h"
#include <string>
#include <vector>

// Puts text (no closing 13, 12, 0) in front of an empty flow's closing
// characters, moving the closing records; tabs get their records.
inline void PutTextUnbroken(GDoc& f, const std::string& text)
{
    const long n = (long)text.size();
    std::vector<GChar> chars(text.begin(), text.end());
    f.m_chars.InsertAt(0, chars.data(), n);
    f.m_formats.Last().pos += n;
    f.m_rows.Last().first += n;
    f.m_columns.Last().first += n;
    for (long i = 0; i < n; ++i)
        if (text[i] == '\t')
        {
            GTabulator tab;
            tab.pos = (LONG)i;
            f.m_tabs.Add(tab);
        }
}

// Paragraphs of text, each closed by 13; a paragraph whose text ends in
// '\f' closes with 13 and 12 (a page break). Tabs get their records.
// Answers the first character of each paragraph.
inline std::vector<long> PutParagraphsUnbroken(GDoc& f, const std::vector<std::string>& texts)
{
    std::string all;
    std::vector<long> starts;
    const long paragraphs = (long)texts.size();
    for (long i = 0; i < paragraphs; ++i)
    {
        starts.push_back((long)all.size());
        std::string t = texts[i];
        const bool pageBreak = !t.empty() && t.back() == '\f';
        if (pageBreak)
            t.pop_back();
        all += t;
        if (i + 1 < paragraphs)
            all += pageBreak ? "\r\f" : "\r";
    }
    PutTextUnbroken(f, all);
    for (long i = 1; i < paragraphs; ++i)
    {
        GRow row;
        row.first = (LONG)starts[i];
        row.holes = GRow::NewHoles();
        f.m_rows.AddAt(row, i);
        GPara para = f.m_paras[0];
        para.row = (LONG)i;
        f.m_paras.AddAt(para, i);
    }
    f.m_paras.Last().row = (LONG)paragraphs;
    f.m_columns.Last().startRows[0] = (LONG)paragraphs;
    return starts;
}
