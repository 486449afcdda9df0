// A document with one body flow for editing tests, and the check that a
// flow's records agree with its text; used by tests/editing.
#pragma once
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GDoc.h"
#include "model/GField.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include "tests/support/flow_inspection.h"
#include "app/CWOptions.h"
#include <string>
#include <vector>

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
        saved = Options.UndoSteps;
        Options.UndoSteps = 100;
        flow = new GDoc(&doc, 0);
        doc.m_flows.Add(flow);
        // A new flow is laid out once, as editing leaves every flow.
        flow->ReRowByPos(0, 1, GDoc::kWholeParagraph);
    }
    void TearDown() override
    {
        ReleaseDocEditing(&doc);
        Options.UndoSteps = saved;
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
