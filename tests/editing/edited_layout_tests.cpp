// Layouts that edits mixed with formatting leave: each must be what the
// same flow laid out again from scratch gives, and so must undoing and
// redoing the edit.
#include "tests/editing/formatting_test_support.h"
#include <string>

namespace {

const char* const kLongWords = "Start two three four five six seven eight nine ten eleven twelve thirteen fourteen "
                               "fifteen sixteen seventeen eighteen nineteen twenty twentyone twentytwo twentythree "
                               "twentyfour twentyfive twentysix twentyseven twentyeight twentynine thirty.";

class EditedLayout : public FormattingFixture
{
protected:
    // Empty when laying the whole flow out again changes nothing, or what
    // it changed.
    std::string FreshLayoutDifference()
    {
        const std::string edited = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        const std::string fresh = FlowState(*flow);
        return edited == fresh ? "" : "edited:\n" + edited + "fresh:\n" + fresh;
    }

    // The edit, its undo and its redo each leave a fresh layout.
    void ExpectFreshLayouts(const std::function<void()>& edit)
    {
        const long steps = Stack()->GetUndoLen();
        edit();
        EXPECT_EQ(FreshLayoutDifference(), "") << "edited";
        const long made = Stack()->GetUndoLen() - steps;
        for (long i = 0; i < made; ++i)
            DocMakeUndo(&doc);
        EXPECT_EQ(FreshLayoutDifference(), "") << "undone";
        for (long i = 0; i < made; ++i)
            DocMakeRedo(&doc);
        EXPECT_EQ(FreshLayoutDifference(), "") << "redone";
    }
};

// A paragraph joined to the end of one with other indents: its rows were
// broken to its own indent. The deletion leaves the joined paragraph's
// first row ending where the second paragraph's did, so only breaking the
// whole paragraph again finds that its later rows are now wider.
TEST_F(EditedLayout, JoiningAParagraphOfAnotherIndentBreaksItsRowsAgain)
{
    const std::string first = "Start one\r";
    NewFlow((first + kLongWords + "\r").c_str());
    const long second = (long)first.size();
    flow->SetParaLM(second, second, 1500);
    ASSERT_EQ(FreshLayoutDifference(), "");
    ASSERT_GT(flow->GetParaRow(2) - flow->GetParaRow(1), 3) << "the second paragraph fills a few rows";
    ExpectFreshLayouts([&] { flow->DeleteText(6, second + 6, 1); });
}

// A paragraph end typed where a row of an indented paragraph began: the
// new paragraph's first row, wider by the indent, takes all the text the
// row had and more, which re-breaking row by row up to where each old row
// began would never give it.
TEST_F(EditedLayout, ANewParagraphsWiderFirstRowTakesMoreThanTheRowItWas)
{
    NewFlow((std::string(kLongWords) + "\r").c_str());
    flow->SetParaLM(0, 0, 1500);
    ASSERT_EQ(FreshLayoutDifference(), "");
    ASSERT_GT(flow->GetParaRow(1), 4) << "the paragraph fills a few rows";
    ExpectFreshLayouts([&] { Type(flow->m_rows[1].first, "\r"); });
}

// In a right-aligned paragraph a tab takes up the room the text after it
// leaves, so the width of a row's text can fall as well as grow with each
// character: the row must end where a fresh layout ends it however far
// re-breaking lets it reach. Words typed at places after the tab, and
// taken out again.
TEST_F(EditedLayout, ARightAlignedRowWithATabEndsWhereAFreshLayoutEndsIt)
{
    const std::string text = "A longer paragraph that fills a few rows of the page with woword   \ta longerword a "
                             "rds. A longer paragraph that fills a few rows of the page with wword longerword ords. "
                             "A longer paragraph that fills a few rows of the page with words. A short paragraph.\r";
    NewFlow(text.c_str());
    GParaStyle right;
    right.m_Align = GParaStyle::kAlignRight;
    flow->SetParaStyle(0, 1, right);
    ASSERT_EQ(FreshLayoutDifference(), "");
    const long tab = (long)text.find('\t');
    for (long at = tab; at < tab + 16; ++at)
    {
        Type(at, "  xlongerword   ");
        EXPECT_EQ(FreshLayoutDifference(), "") << "typed at " << at;
        flow->DeleteText(at, at + 16, 1);
        EXPECT_EQ(FreshLayoutDifference(), "") << "deleted at " << at;
    }
}

} // namespace
