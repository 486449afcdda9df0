// A flow read back for the tests: its text, the bytes of its stored body,
// and every stored record in hex to compare a flow before and after a
// change; used by the model, layout, editing and document tests.
#pragma once
#include "model/GDoc.h"
#include "model/GField.h"
#include "tests/support/archive_bytes.h"
#include <string>

// The characters from..to as they stand; to -1 stops before the closing
// 13, 12, 0.
inline std::string FlowText(const GDoc& f, long from = 0, long to = -1)
{
    if (to < 0)
        to = f.m_chars.count - 3;
    std::string s;
    for (long i = from; i < to; ++i)
        s += (char)(BYTE)f.m_chars[i];
    return s;
}

// The text with the control characters that are hard to read in an
// expected string marked: 13 as |, 12 as # and a field mark as @.
inline std::string MarkedFlowText(const GDoc& f)
{
    std::string s = FlowText(f);
    for (char& c : s)
        c = c == kParagraphEnd ? '|' : c == kBreak ? '#' : c == kFieldMark ? '@' : c;
    return s;
}

// The body of the flow as the native file stores it (GDoc::SaveZVW in
// document/flow_body.cpp), the rows' layout included.
inline Bytes FlowBodyBytes(GDoc& f)
{
    return StoreToBytes([&](CArchive& ar) { f.SaveZVW(ar); });
}

// The stored bytes of one record, in hex.
template <class T>
std::string RecordHex(const T& record)
{
    return HexDump(StoreToBytes([&](CArchive& ar) { record.Write(ar); }), "");
}

template <class Records>
std::string ArrayState(const char* name, const Records& records)
{
    std::string s = std::string(name) + ":";
    for (LONG i = 0; i < records.count; ++i)
        s += " " + RecordHex(records[i]);
    return s + "\n";
}

// Every stored record array of the flow, record by record, with the rows'
// first characters and the fields' kinds and positions (one line an array,
// so that a difference shows where it is), then the whole stored body.
inline std::string FlowState(GDoc& f)
{
    std::string s = ArrayState("chars", f.m_chars) + ArrayState("tabs", f.m_tabs) +
                    ArrayState("formats", f.m_formats) + ArrayState("paras", f.m_paras) +
                    ArrayState("borders", f.m_borders) + ArrayState("shades", f.m_shades) +
                    ArrayState("columns", f.m_columns) + ArrayState("pages", f.m_pages);
    s += "rows:";
    for (LONG i = 0; i < f.m_rows.count; ++i)
        s += " " + std::to_string(f.m_rows[i].first);
    s += "\nfields:";
    for (LONG i = 0; i < f.m_fields.count; ++i)
        s += " " + std::to_string(f.m_fields[i]->m_nKind) + "@" + std::to_string(f.m_fields[i]->m_nPos);
    return s + "\nstored:" + HexDump(FlowBodyBytes(f), "") + "\n";
}
