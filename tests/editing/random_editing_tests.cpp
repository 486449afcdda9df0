// Long runs of mixed edits, made at random places with a fixed seed: undoing
// them all must pass through the state after every edit, in reverse order,
// and end at the flow as it began; redoing them all must pass through those
// states again and end at the flow as the edits left it.
#include "tests/editing/editing_test_support.h"
#include "editing/CWOpBigUndo.h"
#include "editing/CWOpBreaks.h"
#include "app/CWOptions.h"
#include "tests/support/unbroken_body.h"
#include <random>
#include <stdio.h>

namespace {

class RandomEditing : public EditingFixture, public testing::WithParamInterface<unsigned>
{
protected:
    std::mt19937 random{20261210};

    long Pick(long from, long to) { return std::uniform_int_distribution<long>(from, to)(random); }
    // A place where the caret may stand: never on a break, as the caret
    // steps back over one.
    long AnyPlace()
    {
        long place = Pick(0, flow->m_chars.count - 3);
        while (place > 0 && flow->m_chars[place] == kBreak)
            --place;
        return place;
    }

    std::string Words()
    {
        static const char* const pieces[] = {"word ", "a ", "longerword ", "\t", "\r", "x", "  ", "end.\r"};
        std::string s;
        for (long n = Pick(1, 6); n > 0; --n)
            s += pieces[Pick(0, 7)];
        return s;
    }

    // One edit of the kinds the editing interface records. Answers what it
    // did, for the message of a failing check.
    std::string Edit()
    {
        const long kind = Pick(0, 10);
        const long at = AnyPlace();
        if (kind <= 3)
        {
            std::string text = Words();
            flow->InsertText(at, &text[0], 1);
            return "type at " + std::to_string(at);
        }
        if (kind <= 5)
        {
            const long to = std::min(at + Pick(1, 40), (long)flow->m_chars.count - 3);
            flow->DeleteText(at, to, 1);
            return "delete " + std::to_string(at) + ".." + std::to_string(to);
        }
        if (kind == 6)
        {
            flow->ReplaceChar(at, (char)('a' + Pick(0, 25)));
            return "overtype at " + std::to_string(at);
        }
        if (kind == 7)
        {
            CWOpNewPage* op = new CWOpNewPage(flow, at);
            op->ActionRedo();
            if (!Stack()->AddOperator(op))
                delete op;
            return "page break at " + std::to_string(at);
        }
        if (kind == 8)
        {
            // A grouped step of a few edits.
            CWOpBigUndo* group = new CWOpBigUndo(&doc, CString("group"));
            if (!Stack()->AddOperator(group))
            {
                delete group;
                return "no group";
            }
            group->Start();
            std::string what = "group of";
            for (long n = Pick(1, 3); n > 0; --n)
            {
                const long place = AnyPlace();
                if (Pick(0, 1))
                {
                    std::string text = Words();
                    flow->InsertText(place, &text[0], 1);
                    what += " type at " + std::to_string(place);
                }
                else
                {
                    const long to = std::min(place + Pick(1, 20), (long)flow->m_chars.count - 3);
                    flow->DeleteText(place, to, 1);
                    what += " delete " + std::to_string(place) + ".." + std::to_string(to);
                }
            }
            group->End();
            return what;
        }
        if (kind == 9)
        {
            GField* field = new GField(flow, at);
            field->m_nKind = kFieldDateTime;
            flow->InsertField(field);
            return "field at " + std::to_string(at);
        }
        flow->Select(at, std::min(at + Pick(0, 10), (long)flow->m_chars.count - 3));
        return "select at " + std::to_string(at);
    }

    // Edits at random, then everything undone and redone. Every tenth edit
    // the whole flow is broken again from scratch, which must change
    // nothing: what editing leaves is what a fresh layout gives.
    void Retrace(int count)
    {
        Options.UndoSteps = 10000;
        while (Stack()->RemoveLast())
            ;
        std::vector<std::string> states{FlowState(*flow)};
        std::vector<std::string> edits{"start"};
        for (int i = 0; i < count; ++i)
        {
            edits.push_back(Edit());
            ASSERT_EQ(StructureFault(*flow), "") << "after: " << edits.back();
            if (i % 10 == 9)
            {
                const std::string edited = FlowState(*flow);
                flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
                ASSERT_EQ(FlowState(*flow), edited) << "laid out otherwise from scratch after: " << edits.back();
            }
            if (FlowState(*flow) != states.back())
                states.push_back(FlowState(*flow));
            else
                edits.pop_back();
        }

        // Undo must meet the states in reverse order, then stop at the first.
        size_t next = states.size() - 1;
        while (DocMakeUndo(&doc))
            if (next > 0 && FlowState(*flow) == states[next - 1])
                --next;
        ASSERT_EQ(next, 0u) << "undo lost its way at: " << edits[next];
        EXPECT_EQ(FlowState(*flow), states[0]);

        size_t reached = 0;
        while (DocMakeRedo(&doc))
            if (reached + 1 < states.size() && FlowState(*flow) == states[reached + 1])
                ++reached;
        ASSERT_EQ(reached, states.size() - 1) << "redo lost its way at: " << edits[reached + 1];
        EXPECT_EQ(FlowState(*flow), states.back());
    }
};

// A flow of its own, as a frame's text is.
TEST_P(RandomEditing, AFlowRetracesEveryEdit)
{
    random.seed(GetParam());
    Type(0, "The first paragraph of a flow\rwith\ta tab and a second paragraph\rand a third one.");
    Retrace(250);
}

// The body of a document, shown through its page frames, with a few pages.
TEST_P(RandomEditing, ABodyOfPagesRetracesEveryEdit)
{
    random.seed(GetParam());
    doc.CreateFrames();
    flow = doc.m_flows[kBodyFlow];
    std::string text = "The first paragraph of a body\rwith\ta tab\r";
    for (int i = 0; i < 60; ++i)
        text += "A longer paragraph that fills a few rows of the page with words and more words. ";
    Type(0, text.c_str());
    Retrace(150);
}

// The first paragraphs of the seeded prose that the benchmarks lay out (a
// slice: the whole text takes too long for every test run), one string a
// paragraph; empty when the file is missing.
std::vector<std::string> SeededParagraphs(size_t most)
{
    std::vector<std::string> paragraphs;
    FILE* file = fopen(ZT_SEEDED_TEXT, "rb");
    if (!file)
        return paragraphs;
    std::string line;
    for (int c; paragraphs.size() < most && (c = fgetc(file)) != EOF;)
    {
        if (c != '\n')
        {
            line += (char)c;
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        paragraphs.push_back(line);
        line.clear();
    }
    fclose(file);
    return paragraphs;
}

// Pages of ordinary prose in a document's body, edited at random: after
// every hundredth edit a layout from scratch must change nothing.
TEST_P(RandomEditing, SeededProseLaysOutAsAFreshLayoutEveryHundredEdits)
{
    const int kEdits = 300, kEvery = 100;
    const std::vector<std::string> texts = SeededParagraphs(60);
    ASSERT_EQ(texts.size(), 60u) << "no seeded text at " << ZT_SEEDED_TEXT;
    random.seed(GetParam());
    doc.CreateFrames();
    flow = doc.m_flows[kBodyFlow];
    PutParagraphsUnbroken(*flow, texts);
    flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
    ASSERT_GT(flow->m_pages.count - 1, 5);
    std::string last = "start";
    for (int i = 1; i <= kEdits; ++i)
    {
        last = Edit();
        ASSERT_EQ(StructureFault(*flow), "") << "after: " << last;
        if (i % kEvery)
            continue;
        const std::string edited = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), edited) << "laid out otherwise from scratch after edit " << i << ": " << last;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomEditing, testing::Values(20261210u, 7u, 4242u));

} // namespace
