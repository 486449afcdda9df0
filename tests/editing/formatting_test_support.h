// A fixture for the formatting tests: a fresh body flow with text and an
// empty undo stack, a change replayed (undone and redone) on the whole
// stored flow, and reading the runs back. Used by tests/editing.
#pragma once
#include "tests/editing/editing_test_support.h"
#include "model/GStyleTbl.h"
#include <functional>
#include <vector>

class FormattingFixture : public EditingFixture
{
protected:
    // A new body flow holding text, laid out, with nothing to undo.
    void NewFlow(const char* text)
    {
        ReleaseDocEditing(&doc);
        doc.m_flows.Destroy(0, doc.m_flows.count);
        flow = new GDoc(&doc, 0);
        doc.m_flows.Add(flow);
        flow->ReRowByPos(0, 1, GDoc::kWholeParagraph);
        Type(0, text);
        ReleaseDocEditing(&doc);
    }

    // Runs change, then undoes and redoes the steps it recorded, each time
    // comparing the whole stored flow; answers the number of steps.
    int Replays(const std::function<void()>& change)
    {
        const long steps = Stack()->GetUndoLen();
        const std::string before = FlowState(*flow);
        change();
        const std::string after = FlowState(*flow);
        const int n = (int)(Stack()->GetUndoLen() - steps);
        EXPECT_NE(before, after) << "the change changed nothing";
        for (int i = 0; i < n; ++i)
            DocMakeUndo(&doc);
        EXPECT_EQ(FlowState(*flow), before) << "undo";
        for (int i = 0; i < n; ++i)
            DocMakeRedo(&doc);
        EXPECT_EQ(FlowState(*flow), after) << "redo";
        EXPECT_EQ(StructureFault(*flow), "");
        return n;
    }

    // Starts of the format runs, the closing run left out.
    std::vector<long> RunStarts() const
    {
        std::vector<long> starts;
        for (LONG i = 0; i + 1 < flow->m_formats.count; ++i)
            starts.push_back(flow->m_formats[i].pos);
        return starts;
    }

    bool IsBold(long pos) const
    {
        const GFontStyle* s = flow->GetCharFStylePtr(pos);
        return s && s->GetAttr(GFontStyle::kBold) == 1;
    }

    // A style that defines bold only.
    static GFontStyle Bold()
    {
        GFontStyle s;
        s.SetAttr(GFontStyle::kBold, 1);
        return s;
    }

    // The table entry of the style at pos made bold.
    Mint BoldEntry(long pos)
    {
        GFontStyle s = *flow->GetCharFStylePtr(pos);
        s.SetAttr(GFontStyle::kBold, 1);
        return Mint((short)doc.m_fontStyles.FindStyle(s), 0);
    }
    int BoldIndex() { return BoldEntry(0).index; }
};
