// A document with one body flow for editing tests, and the flow's whole
// stored state to compare before and after an edit; used by tests/editing.
#pragma once
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include <string>
#include <vector>

// The stored bytes of one record, in hex.
template <class T>
std::string RecordHex(const T& record)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        record.Write(ar);
        ar.Close();
    }
    DWORD n = file.GetLength();
    BYTE* bytes = file.Detach();
    std::string hex;
    char two[4];
    for (DWORD i = 0; i < n; ++i)
    {
        snprintf(two, sizeof two, "%02x", bytes[i]);
        hex += two;
    }
    free(bytes);
    return hex;
}

template <class T>
std::string ArrayState(const char* name, const GArray<T>& records)
{
    std::string s = std::string(name) + ":";
    for (LONG i = 0; i < records.count; ++i)
        s += " " + RecordHex(records[i]);
    return s + "\n";
}

// Every stored record array of the flow, record by record, with the rows'
// first characters and the fields' kinds and positions (one line an array,
// so that a difference shows where it is), then the whole flow as the native
// file stores it.
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
    // The whole flow as the native file stores it, rows' layout included.
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        f.SaveZVW(ar);
        ar.Close();
    }
    DWORD n = file.GetLength();
    BYTE* bytes = file.Detach();
    s += "\nstored:";
    char two[4];
    for (DWORD i = 0; i < n; ++i)
    {
        snprintf(two, sizeof two, "%02x", bytes[i]);
        s += two;
    }
    free(bytes);
    return s + "\n";
}

// The flow's text without the closing characters, control codes shown as
// \t, |(13), #(12) and @(a field mark).
inline std::string Text(const GDoc& f)
{
    std::string s;
    for (LONG i = 0; i + 3 < f.m_chars.count; ++i)
    {
        BYTE c = f.m_chars[i];
        s += c == 13 ? '|' : c == 12 ? '#' : c == 9 ? '\t' : c == 1 ? '@' : (char)c;
    }
    return s;
}

// Empty when the records agree with the text: rows follow each other, and a
// paragraph begins at the start and after every paragraph end, past the
// breaks that follow it (a page break is the pair 13, 12).
inline std::string StructureFault(const GDoc& f)
{
    for (long r = 1; r < f.m_rows.count; ++r)
        if (f.m_rows[r].first <= f.m_rows[r - 1].first)
            return "rows out of order at " + std::to_string(r);
    std::vector<long> starts{0};
    const long last = f.m_chars.count - 3;
    for (long q = 0; q < last; ++q)
        if (f.m_chars[q] == kParagraphEnd)
        {
            long start = q + 1;
            while (start < last && f.m_chars[start] == kBreak)
                ++start;
            starts.push_back(start);
        }
    std::vector<long> records;
    for (long p = 0; p + 1 < f.m_paras.count; ++p)
        records.push_back(f.GetParaChar(p));
    if (records != starts)
        return "paragraph records do not match the paragraph ends";
    return "";
}

class EditingFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = UndoStepsSetting;
        UndoStepsSetting = 100;
        flow = new GDoc(&doc, 0);
        doc.m_flows.Add(flow);
        // A new flow is laid out once, as editing leaves every flow.
        flow->ReRowByPos(0, 1, 1);
    }
    void TearDown() override
    {
        ReleaseDocEditing(&doc);
        UndoStepsSetting = saved;
    }
    void Type(long pos, const char* text)
    {
        std::string buffer(text);
        flow->InsertText(pos, &buffer[0], 1);
    }
    CWUndoRedoStack* Stack() { return GetDocUndoStack(&doc); }
    int UndoAll()
    {
        int n = 0;
        while (DocMakeUndo(&doc))
            ++n;
        return n;
    }
    int RedoAll()
    {
        int n = 0;
        while (DocMakeRedo(&doc))
            ++n;
        return n;
    }
    CWDocument doc;
    GDoc* flow = NULL;
    LONG saved = 0;
};
