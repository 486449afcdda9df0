// Mail merge of a flow: merge fields become their values from the source
// document's current record, empty ones take their blank line with them
// when CloseBlanks is on, a value keeps the text after it in its tab
// column, and the source stays as it was.
#include "tests/editing/editing_test_support.h"
#include "model/GOle.h"
#include "CCCell.h"
#include <string>
#include <vector>

namespace
{
// A target and a source document, each with a body flow.
struct MergeDocs
{
    CWDocument doc, src;
    GDoc* flow;
    GDoc* srcFlow;

    MergeDocs() : flow(AddBody(doc)), srcFlow(AddBody(src)) {}
    ~MergeDocs()
    {
        ReleaseDocEditing(&doc);
        ReleaseDocEditing(&src);
    }
    static GDoc* AddBody(CWDocument& d)
    {
        GDoc* body = new GDoc(&d, 0);
        d.m_flows.Add(body);
        body->ReRowByPos(0, 1, GDoc::kWholeParagraph);
        return body;
    }
    // The source's text, each @ a merge field whose formula names field
    // F<n> (n counting the fields); the record holds values in that order.
    void Source(const std::string& pattern, const std::vector<CString>& values)
    {
        std::vector<CString> names;
        for (size_t n = 0; n < values.size(); ++n)
            names.push_back(CString(("F" + std::to_string(n)).c_str()));
        src.SetMergeFieldNames(names);
        src.AddMergeRecord(values);
        src.ActiveDataSourceDoRecord(1);
        int n = 0;
        std::string chunk;
        auto flush = [&]() {
            if (!chunk.empty())
                srcFlow->InsertText(srcFlow->m_chars.count - 3, &chunk[0], 1);
            chunk.clear();
        };
        for (char c : pattern)
        {
            if (c != '@')
            {
                chunk += c;
                continue;
            }
            flush();
            CCCell* cell = new CCCell;
            cell->SetContent(CString(("=F" + std::to_string(n++)).c_str()));
            src.AddItem(cell);
            srcFlow->InsertField(new GCell(srcFlow, srcFlow->m_chars.count - 3, cell));
        }
        flush();
    }
};

class MailMerge : public ::testing::Test
{
protected:
    void SetUp() override
    {
        savedClose = Options.CloseBlanks;
        savedSteps = Options.UndoSteps;
        Options.UndoSteps = 100;
    }
    void TearDown() override
    {
        Options.CloseBlanks = savedClose;
        Options.UndoSteps = savedSteps;
    }
    BOOL savedClose = TRUE;
    LONG savedSteps = 0;
};

TEST_F(MailMerge, FieldsBecomeTheirValuesAndEmptyLinesGoWithCloseBlanks)
{
    const std::string longName(40, 'W');
    struct Case
    {
        const char* source;
        std::vector<CString> values;
        BOOL closeBlanks;
        std::string merged;
    } cases[] = {
        {"Dear @,\rsee you", {"Alice"}, TRUE, "Dear Alice,\rsee you"},
        {"a\r \t@ \t\rb", {""}, TRUE, "a\rb"},
        {"a\r \t@ \t\rb", {""}, FALSE, "a\r \t \t\rb"},
        {"@  x\ry", {""}, TRUE, "x\ry"},
        {"@  x\ry", {""}, FALSE, "  x\ry"},
        {"a\r@\r@\rb", {"", ""}, TRUE, "a\rb"},
        {"a\r@\r@\rb", {"", ""}, FALSE, "a\r\r\rb"},
        {"a\r@", {""}, TRUE, "a"},
        {" \t@", {""}, TRUE, ""},
        {"@ and @\r", {"Bob", ""}, TRUE, "Bob and \r"},
        {"@\tx", {"ab"}, TRUE, "ab\tx"},
        {"@\t\tx", {longName.c_str()}, TRUE, longName + "x"},
        {"plain\rtext", {}, TRUE, "plain\rtext"},
    };
    for (const Case& c : cases)
    {
        Options.CloseBlanks = c.closeBlanks;
        MergeDocs m;
        GDoc* flow = m.flow;
        GDoc* srcFlow = m.srcFlow;
        m.Source(c.source, c.values);
        const std::string sourceBefore = FlowState(*srcFlow);
        flow->MailMergeDoc(srcFlow);
        EXPECT_EQ(FlowText(*flow), c.merged) << c.source << " CloseBlanks " << c.closeBlanks;
        EXPECT_EQ(StructureFault(*flow), "") << c.source;
        EXPECT_EQ(flow->m_fields.count, 0) << c.source;
        EXPECT_EQ(FlowState(*srcFlow), sourceBefore) << "the source stays as it was: " << c.source;
        EXPECT_EQ(bPasteMerge, 0);
        EXPECT_EQ(ZTGetModuleState()->m_pCurrentDoc, nullptr);
    }
}

// The merged text lands at the caret, between the target's own text, as
// one undo step.
TEST_F(MailMerge, InsertsAtTheCaret)
{
    MergeDocs m;
    std::string outer("<>");
    m.flow->InsertText(0, &outer[0], 1);
    m.flow->SetPos(1);
    m.Source("Hi @!", {"Eve"});
    m.flow->MailMergeDoc(m.srcFlow);
    EXPECT_EQ(FlowText(*m.flow), "<Hi Eve!>");
    // The merge is one step: undone, the target is as it was.
    EXPECT_TRUE(DocMakeUndo(&m.doc));
    EXPECT_EQ(FlowText(*m.flow), "<>");
    EXPECT_EQ(StructureFault(*m.flow), "");
}
} // namespace
