// Builders the flow tests use to lay out a flow's records by hand: the
// text with its closing 13, 12, 0, format runs, paragraph records and pages.
#pragma once
#include "model/GDoc.h"
#include <initializer_list>
#include <string>
#include <utility>

inline void SetText(GDoc& f, const std::string& text)
{
    f.m_chars.Flush();
    for (char c : text)
        f.m_chars.Add(GChar((BYTE)c));
    f.m_chars.Add(GChar(kParagraphEnd));
    f.m_chars.Add(GChar(kBreak));
    f.m_chars.Add(GChar(kFlowEnd));
}

inline void SetFormats(GDoc& f, std::initializer_list<std::pair<LONG, Mint>> runs)
{
    f.m_formats.Flush();
    for (auto& r : runs)
    {
        GFormat g;
        g.pos = r.first;
        g.style = r.second;
        f.m_formats.Add(g);
    }
}

inline void SetParas(GDoc& f, std::initializer_list<std::pair<LONG, Mint>> paras)
{
    f.m_paras.Flush();
    for (auto& p : paras)
    {
        GPara g;
        g.row = p.first;
        g.style = p.second;
        f.m_paras.Add(g);
    }
}

inline void SetPages(GDoc& f, std::initializer_list<LONG> blocks)
{
    f.m_pages.Flush();
    for (LONG b : blocks)
    {
        GPage p;
        p.block = b;
        f.m_pages.Add(p);
    }
}

#include "model/GCaption.h"
// A caption of no object with the label given (new captions take theirs
// from the string table).
inline GCaption* LabelledCaption(GDoc* flow, long pos, int format, const char* label)
{
    GCaption* caption = new GCaption(flow, pos, format, kCaptionBefore, NULL);
    caption->m_strLabel = label;
    caption->m_strText = CString(label) + "1";
    return caption;
}
