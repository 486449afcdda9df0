// The print-time merge, page by page in the order the view's printing
// calls it: each record's values frozen into the cell fields, empty ones
// removed with their blank line when CloseBlanks is on, and afterwards the
// flow, its formulas and the user's undo and redo lists as they were,
// whatever the undo settings.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include "model/GDoc.h"
#include "model/GOle.h"
#include "tests/support/flow_inspection.h"
#include "tests/support/cell_fields.h"
#include "view/CWView.h"
#include "app/CWOptions.h"
#include "CCCell.h"
#include <memory>
#include <string>
#include <vector>

namespace {

struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    CWDocument* New() { return (CWDocument*)tpl.CreateNewDocument(); }
};

class PrintMerge : public testing::Test
{
protected:
    Template maker;
    std::unique_ptr<CWDocument> doc{maker.New()};
    GDoc* body = doc->m_flows[kBodyFlow];
    BOOL savedClose = Options.CloseBlanks;
    LONG savedSteps = Options.UndoSteps;

    void TearDown() override
    {
        Options.CloseBlanks = savedClose;
        Options.UndoSteps = savedSteps;
    }
    void Type(const char* text)
    {
        std::string buffer(text);
        body->InsertText(body->m_chars.GetCount() - 3, &buffer[0], 1);
    }
    // The body's text, each @ a cell whose formula names field F<n>.
    void Fill(const std::string& pattern) { AppendWithCells(doc.get(), body, pattern); }
    // The text as a printed page shows it: each cell by its value.
    std::string Shown()
    {
        std::string s;
        for (long p = 0; p < body->m_chars.GetCount() - 3; ++p)
        {
            const long field = body->GetCharField(p);
            GOle* cell = field >= 0 ? dynamic_cast<GOle*>(body->m_fields[field]) : nullptr;
            CCCell* item = cell ? dynamic_cast<CCCell*>(cell->m_pItem) : nullptr;
            s += item ? std::string((LPCSTR)item->GetValueText()) : std::string(1, body->m_chars[p]);
        }
        return s;
    }
    std::string Formulas()
    {
        std::string s;
        for (LONG i = 0; i < body->m_fields.GetCount(); ++i)
            if (GOle* cell = dynamic_cast<GOle*>(body->m_fields[i]))
                if (CCCell* item = dynamic_cast<CCCell*>(cell->m_pItem))
                    s += std::string((LPCSTR)item->GetFormulaText()) + ";";
        return s;
    }
    std::string UndoLists()
    {
        CWUndoRedoStack* stack = GetDocUndoStack(doc.get());
        std::string s = std::to_string(stack->GetUndoLen()) + "/" + std::to_string(stack->GetRedoLen()) + ":";
        for (long i = 0; i < stack->GetUndoLen(); ++i)
            s += std::string((LPCSTR)stack->GetUndoName(i)) + ",";
        return s;
    }
    // One printed page as the view's printing runs it.
    std::string PrintPage(long page, long perRecord)
    {
        body->SavePosition();
        body->MergeNextPage(page, perRecord);
        const std::string shown = Shown();
        body->RestoreFormulas();
        body->UpdateFormulaFields();
        body->LoadPosition();
        return shown;
    }
};

TEST_F(PrintMerge, EachPageShowsItsRecordAndEverythingComesBack)
{
    const char* pattern = "To @\r@  \t\rCity @ x\rEnd";
    doc->SetMergeFieldNames({"F0", "F1", "F2"});
    doc->AddMergeRecord({"Ann", "Line two", "Paris"});
    doc->AddMergeRecord({"Bo", "", ""});
    doc->AddMergeRecord({"", "", "Rome"});
    struct Case
    {
        BOOL closeBlanks;
        std::vector<std::string> pages;
    } cases[] = {
        {TRUE, {"To Ann\rLine two  \t\rCity Paris x\rEnd", "To Bo\rCity x\rEnd", "To \rCity Rome x\rEnd"}},
        {FALSE, {"To Ann\rLine two  \t\rCity Paris x\rEnd", "To Bo\r  \t\rCity  x\rEnd", "To \r  \t\rCity Rome x\rEnd"}},
    };
    // The user's stack: settings that keep, keep nothing, or record nothing.
    enum Stack { kKeeps, kNoSteps, kNoRecording };
    for (const Case& c : cases)
        for (Stack stack : {kKeeps, kNoSteps, kNoRecording})
        {
            doc.reset(maker.New());
            body = doc->m_flows[kBodyFlow];
            doc->SetMergeFieldNames({"F0", "F1", "F2"});
            doc->AddMergeRecord({"Ann", "Line two", "Paris"});
            doc->AddMergeRecord({"Bo", "", ""});
            doc->AddMergeRecord({"", "", "Rome"});
            Options.CloseBlanks = c.closeBlanks;
            Options.UndoSteps = stack == kNoSteps ? 0 : 100;
            Fill(pattern);
            Type("!");
            doc->MakeUndo();   // one step to redo, unless nothing was kept
            const std::string kept = FlowText(*body).back() == '!' ? "!" : "";
            doc->m_bUndoEnabled = stack != kNoRecording;
            doc->SetModifiedFlag(FALSE);
            body->SetPos(3);
            const std::string state = FlowState(*body), formulas = Formulas(), undo = UndoLists();
            for (long page = 1; page <= 3; ++page)
            {
                EXPECT_EQ(PrintPage(page, 1), c.pages[page - 1] + kept)
                    << "page " << page << " CloseBlanks " << c.closeBlanks << " stack " << stack;
                EXPECT_EQ(FlowState(*body), state) << "page " << page << " stack " << stack;
                EXPECT_EQ(Formulas(), formulas);
                EXPECT_EQ(UndoLists(), undo) << "page " << page << " stack " << stack;
                EXPECT_EQ(body->m_nCaret, 3);
                EXPECT_FALSE(doc->IsModified());
                EXPECT_EQ(ZTGetModuleState()->m_pCurrentDoc, nullptr);
                EXPECT_EQ(body->m_strings1.GetSize() + body->m_strings2.GetSize() + body->m_uints.GetSize() +
                              body->m_ptrs.GetSize(),
                          0);
            }
            EXPECT_EQ(doc->GetAskedRecords(), (std::vector<long>{1, 2, 3}));
        }
}

TEST_F(PrintMerge, PagesAskForTheirRecordAndADocumentWithoutCellsStaysAsItIs)
{
    Type("plain text");
    doc->AddMergeRecord({});
    const std::string state = FlowState(*body);
    for (long page = 1; page <= 5; ++page)
        EXPECT_EQ(PrintPage(page, 2), "plain text");
    EXPECT_EQ(FlowState(*body), state);
    EXPECT_EQ(doc->GetAskedRecords(), (std::vector<long>{1, 1, 2, 2, 3}));
}

// A page merged again before it was put back is put back first.
TEST_F(PrintMerge, MergingTwiceStillPutsEverythingBack)
{
    doc->SetMergeFieldNames({"F0", "F1"});
    doc->AddMergeRecord({"", "one"});
    doc->AddMergeRecord({"two", ""});
    Options.CloseBlanks = TRUE;
    Fill("@\r@ x\rEnd");
    const std::string state = FlowState(*body), formulas = Formulas();
    body->MergeNextPage(1, 1);
    EXPECT_EQ(Shown(), "one x\rEnd");
    body->MergeNextPage(2, 1);
    EXPECT_EQ(Shown(), "two\rx\rEnd");
    body->RestoreFormulas();
    EXPECT_EQ(FlowState(*body), state);
    EXPECT_EQ(Formulas(), formulas);
}

TEST_F(PrintMerge, FormulasAreAttachedAgain)
{
    Fill("@ and @");
    body->UpdateFormulaFields();
    for (LONG i = 0; i < body->m_fields.GetCount(); ++i)
    {
        CCCell* cell = dynamic_cast<CCCell*>(((GOle*)body->m_fields[i])->m_pItem);
        ASSERT_NE(cell, nullptr);
        CCFormula* formula = CCCell::LoadFormula(cell);
        ASSERT_NE(formula, nullptr);
        EXPECT_EQ(formula->GetCell(), cell);
        EXPECT_EQ(formula->GetContext(), doc.get());
        EXPECT_EQ(formula->GetAttachments(), 1);
    }
}

} // namespace
