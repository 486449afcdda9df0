// Lists: numbering as items come, go and change level, applying and
// removing lists, promote and demote with their indents, and every list
// change undone and redone exactly.
#include "tests/editing/formatting_test_support.h"
#include "editing/CWOpLists.h"
#include "editing/editing_support.h"
#include "model/GListField.h"
#include "app/CWOptions.h"
#include "view/CWView.h"
#include <string>
#include <vector>

extern int bInsertOnlyNewLine;

namespace
{
const long kNumbers = 6;     // "1." on every level, upper levels included
const long kNumShort = 9;    // "1)", then bullets, then no sequence
const long kCapLetter = 8;   // A, 1, a, then no sequence

class ListTest : public FormattingFixture
{
protected:
    void SetUp() override
    {
        FormattingFixture::SetUp();
        savedUnits = Options.Units;
    }
    void TearDown() override
    {
        Options.Units = savedUnits;
        FormattingFixture::TearDown();
    }
    long Para(long p) const { return flow->GetParaChar(p); }
    long Paras() const { return flow->m_paras.count - 1; }
    // Selects paragraphs a..b (their text without b's paragraph end).
    void SelectParas(long a, long b)
    {
        flow->SetPos(Para(a));
        flow->Select(Para(a), Para(b + 1) - 1);
    }
    void Apply(long a, long b, long style, int level, int fromPrev = 0, int change = 1)
    {
        SelectParas(a, b);
        ASSERT_EQ(flow->ApplyListStyle(style, level, NULL, fromPrev, change), 1);
    }
    std::vector<GList*> Lists() const
    {
        std::vector<GList*> lists;
        for (LONG i = 0; i < flow->m_fields.count; ++i)
            if (flow->m_fields[i]->m_nKind == kFieldList)
                lists.push_back((GList*)flow->m_fields[i]);
        return lists;
    }
    std::vector<std::string> Labels() const
    {
        std::vector<std::string> labels;
        for (GList* l : Lists())
            labels.push_back(l->AsText(1));
        return labels;
    }
    GList* ListAt(long para) const { return flow->GetListField(Para(para)); }
    // Every list field's stored values and label, with the whole flow.
    std::string State() const
    {
        std::string s = FlowState(*flow) + "lists:";
        for (GList* l : Lists())
        {
            s += " " + std::to_string(l->m_nPos) + "/" + std::to_string(l->m_nStyle) + "/" +
                 std::to_string(l->m_nLevel) + "/" + std::to_string(l->m_bContinues) + "/" + l->AsText(1);
            for (LONG n : l->m_nNumbers)
                s += "," + std::to_string(n);
        }
        return s;
    }
    // Runs change as one undo step and replays it both ways.
    void ReplaysAsOneStep(const std::function<void()>& change)
    {
        const long steps = Stack()->GetUndoLen();
        const std::string before = State();
        change();
        const std::string after = State();
        ASSERT_NE(before, after) << "the change changed nothing";
        ASSERT_EQ(Stack()->GetUndoLen(), steps + 1) << "one undo step";
        ASSERT_TRUE(DocMakeUndo(&doc));
        EXPECT_EQ(State(), before) << "undo";
        ASSERT_TRUE(DocMakeRedo(&doc));
        EXPECT_EQ(State(), after) << "redo";
        ASSERT_TRUE(DocMakeUndo(&doc));
        EXPECT_EQ(State(), before) << "undo again";
        EXPECT_EQ(StructureFault(*flow), "");
    }
    BYTE savedUnits = 0;
};

typedef std::vector<std::string> Texts;

TEST_F(ListTest, NumbersFollowItemsThatComeGoAndChangeLevel)
{
    NewFlow("a\rb\rc\rd\re");
    Apply(0, 4, kNumbers, 1);
    EXPECT_EQ(Labels(), (Texts{"1.", "2.", "3.", "4.", "5."}));

    const struct
    {
        const char* step;
        std::function<void()> change;
        Texts labels;
    } steps[] = {
        {"demote b", [&] { flow->Demote(Para(1), Para(1)); }, {"1.", "1.1.", "2.", "3.", "4."}},
        {"demote c", [&] { flow->Demote(Para(2), Para(2)); }, {"1.", "1.1.", "1.2.", "2.", "3."}},
        {"demote c again", [&] { flow->Demote(Para(2), Para(2)); }, {"1.", "1.1.", "1.1.1.", "2.", "3."}},
        {"promote b", [&] { flow->Promote(Para(1), Para(1)); }, {"1.", "2.", "2.1.1.", "3.", "4."}},
        {"delete a", [&] { flow->DeleteText(Para(0), Para(1), 1); }, {"1.", "1.1.1.", "2.", "3."}},
        {"insert f",
         [&] {
             flow->SetPos(LastCaretPos(flow));
             Type(LastCaretPos(flow), "\rf");
             Apply(Paras() - 1, Paras() - 1, kNumbers, 1, 1, 0);
         },
         {"1.", "1.1.1.", "2.", "3.", "4."}},
    };
    for (const auto& s : steps)
    {
        s.change();
        EXPECT_EQ(Labels(), s.labels) << s.step;
    }
}

TEST_F(ListTest, BulletsNeverContinueAndAClearedContinuesRestarts)
{
    NewFlow("a\rb\rc\rd");
    Apply(0, 2, kNumShort, 2);
    for (GList* l : Lists())
    {
        EXPECT_EQ(l->AsText(1), std::string("\xB7"));
        EXPECT_EQ(l->m_nNumbers[1], 1) << "a bullet level keeps its start";
    }

    NewFlow("a\rb\rc\rd");
    Apply(0, 3, kNumbers, 1);
    GList* third = Lists()[2];
    third->m_bContinues = 0;
    third->Update();
    EXPECT_EQ(Labels(), (Texts{"1.", "2.", "1.", "2."}));
}

TEST_F(ListTest, ALongListRenumbersInALoop)
{
    // Twenty thousand items in one paragraph: only the field order counts.
    const long n = 20000;
    flow->InsCharItem(0, n, kFieldMark);
    for (long i = 0; i < n; ++i)
        flow->InsFieldItem(new GList(flow, i, kNumbers, 1, 1), i);
    GList* first = (GList*)flow->m_fields[0];
    GList* last = (GList*)flow->m_fields[n - 1];
    EXPECT_EQ(last->m_nNumbers[0], n);
    doc.m_listStyles[kNumbers].style.Level(1).m_Start = 10;
    first->Update();
    EXPECT_EQ(last->m_nNumbers[0], n + 9);
}

TEST_F(ListTest, ApplyingSkipsEmptyParagraphsUnlessAllAreEmpty)
{
    NewFlow("a\r\rc");
    const short left = flow->GetParaStylePtr(1)->m_Left.value;
    Apply(0, 2, kNumbers, 1);
    EXPECT_EQ(MarkedFlowText(*flow), "@a||@c");
    EXPECT_EQ(Labels(), (Texts{"1.", "2."}));
    EXPECT_EQ(flow->GetParaStylePtr(1)->m_Left.value,
              left + doc.m_listStyles[kNumbers].style.Level(1).m_Para.m_Left.value)
        << "the empty paragraph takes the level's values";

    NewFlow("");
    flow->SetPos(0);
    ASSERT_EQ(flow->ApplyListStyle(kNumbers, 1, NULL, 0, 1), 1);
    EXPECT_EQ(MarkedFlowText(*flow), "@");

    // A style the table does not hold makes no field and changes nothing.
    const std::string before = FlowState(*flow);
    const long steps = Stack()->GetUndoLen();
    for (long style : {-1L, (long)doc.m_listStyles.count})
        EXPECT_EQ(flow->ApplyListStyle(style, 1, NULL, 0, 1), 0);
    EXPECT_EQ(FlowState(*flow), before);
    EXPECT_EQ(Stack()->GetUndoLen(), steps);
}

TEST_F(ListTest, ReapplyingWithoutChangeOnlyRenumbers)
{
    NewFlow("a\rb");
    Apply(0, 1, kNumbers, 1);
    const std::string text = MarkedFlowText(*flow);
    Apply(0, 1, kNumbers, 1, 0, 0);
    EXPECT_EQ(MarkedFlowText(*flow), text);
    EXPECT_EQ(Labels(), (Texts{"1.", "2."}));
}

TEST_F(ListTest, PromoteAndDemoteMoveIndentsAtTheEndsOfTheLevels)
{
    NewFlow("a\rb");
    Apply(0, 0, kNumbers, 1);
    Options.Units = CWOptions::kUnitMillimetre;
    flow->SetParaLM(Para(0), Para(1), 200);
    flow->SetParaIM(Para(0), Para(1), 50);
    flow->Promote(Para(0), Para(0));
    EXPECT_EQ(ListAt(0)->m_nLevel, 1);
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_Left.value, 150) << "moved by the smaller indent";
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_FirstLine.value, 0);

    NewFlow("a\rb");
    Apply(0, 0, kCapLetter, 3);
    Options.Units = CWOptions::kUnitInch;
    const GParaStyle before = *flow->GetParaStylePtr(0);
    flow->Demote(Para(0), Para(0));
    EXPECT_EQ(ListAt(0)->m_nLevel, 3) << "level 4 has no sequence";
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_Left.value, before.m_Left.value + 127);
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_FirstLine.value, before.m_FirstLine.value + 127);
}

TEST_F(ListTest, TheStepIsHalfAnInchOnlyForInches)
{
    const struct
    {
        BYTE unit;
        long step;
    } cases[] = {{CWOptions::kUnitInch, 127},      {CWOptions::kUnitMillimetre, 100},
                 {CWOptions::kUnitCentimetre, 100}, {CWOptions::kUnitPoint, 100},
                 {CWOptions::kUnitPica, 100}};
    for (const auto& c : cases)
    {
        Options.Units = c.unit;
        EXPECT_EQ(ListIndentStep(), c.step) << (int)c.unit;
    }
}

TEST_F(ListTest, FindListStyleLooksInTheRangeThenBeforeIt)
{
    NewFlow("a\rb\rc\rd");
    Apply(0, 0, kNumbers, 1);
    long style = 0;
    int fromPrev = 0;
    flow->FindListStyle(Para(1), Para(1) + 1, style, fromPrev);
    EXPECT_EQ(style, kNumbers);
    EXPECT_EQ(fromPrev, 1) << "right after a list item";
    flow->FindListStyle(Para(2), Para(2) + 1, style, fromPrev);
    EXPECT_EQ(style, kNumbers);
    EXPECT_EQ(fromPrev, 0) << "one plain paragraph between";

    NewFlow("a\rb");
    Apply(1, 1, kNumbers, 1);
    flow->FindListStyle(Para(0), Para(0) + 1, style, fromPrev);
    EXPECT_EQ(style, -1);
    EXPECT_EQ(fromPrev, 0);
}

TEST_F(ListTest, RemovingKeepsTheSelectionOverTheSameText)
{
    NewFlow("abc\rdef\rghi\rjkl");
    Apply(0, 2, kNumbers, 1);
    flow->SetPos(Para(0) + 2);
    flow->Select(Para(0) + 2, Para(2) + 3);
    const std::string selected = FlowText(*flow, flow->m_nSelFirst, flow->m_nSelEnd);
    ASSERT_EQ(flow->RemoveList(), 1);
    EXPECT_EQ(Lists().size(), 0u);
    std::string withoutMarks;
    for (char c : selected)
        if (c != (char)kFieldMark)
            withoutMarks += c;
    EXPECT_EQ(FlowText(*flow, flow->m_nSelFirst, flow->m_nSelEnd), withoutMarks);
    // No style of the standard set is named "Paragraph": the first one serves.
    for (long p = 0; p < 3; ++p)
        EXPECT_TRUE(flow->m_paras[p].style == Mint(0, 0)) << p;
}

TEST_F(ListTest, UndoingAPromotionPutsTheCaretBack)
{
    NewFlow("abc\rdef");
    Apply(0, 1, kNumbers, 1);
    flow->Demote(Para(1), Para(1));
    flow->SetPos(Para(1) + 2);
    flow->UnSelect();
    const long caret = flow->m_nCaret;
    flow->Promote(Para(1), Para(1));
    flow->SetPos(0);
    ASSERT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(flow->m_nCaret, caret);
    EXPECT_EQ(ListAt(1)->m_nLevel, 2);
}

TEST_F(ListTest, EveryListChangeIsOneStepThatReplaysExactly)
{
    const struct
    {
        const char* name;
        bool listFirst;          // the four first paragraphs are a list before the change
        long selectA, selectB;   // paragraphs selected before the change
        std::function<void()> change;
    } changes[] = {
        {"apply", false, 0, 3, [&] { flow->ApplyListStyle(kNumbers, 1, NULL, 0, 1); }},
        {"apply another style", true, 1, 2, [&] { flow->ApplyListStyle(kCapLetter, 2, NULL, 0, 1); }},
        {"remove", true, 0, 2, [&] { flow->RemoveList(); }},
        {"demote", true, 0, 0, [&] { flow->Demote(Para(1), Para(3)); }},
        {"promote", true, 0, 0, [&] { flow->Promote(Para(1), Para(1)); }},
        {"restyle the run at the caret", true, -1, -1,
         [&] { flow->ApplyListStyle(kCapLetter, 1, NULL, 1, 1); }},
    };
    for (const auto& c : changes)
    {
        SCOPED_TRACE(c.name);
        NewFlow("abc\rdef\rghi\rjkl\rmno");
        // Paragraphs that differ, so that a style given back to the wrong
        // paragraph shows.
        flow->SetParaLM(Para(2), Para(3), 300);
        if (c.listFirst)
        {
            Apply(0, 3, kNumbers, 1);
            flow->Demote(Para(1), Para(2));
        }
        if (c.selectA >= 0)
            SelectParas(c.selectA, c.selectB);
        else
        {
            flow->SetPos(Para(1) + 1);
            flow->UnSelect();
        }
        ReplaysAsOneStep(c.change);
    }
}

TEST_F(ListTest, DeletedListNumbersComeBackWithUndo)
{
    const struct
    {
        const char* name;
        long fromPara, fromOffset, toPara, toOffset;
    } ranges[] = {
        {"inside two items", 0, 2, 2, 2},
        {"the first item whole", 0, 0, 1, 0},
        {"a middle item whole", 1, 0, 2, 0},
        {"only a number", 2, 0, 2, 1},
    };
    for (const auto& r : ranges)
    {
        SCOPED_TRACE(r.name);
        NewFlow("abc\rdef\rghi\rjkl");
        flow->SetParaLM(Para(1), Para(2), 300);
        Apply(0, 3, kNumbers, 1);
        const long from = Para(r.fromPara) + r.fromOffset, to = Para(r.toPara) + r.toOffset;
        ReplaysAsOneStep([&] { flow->DeleteText(from, to, 1); });
    }
}

TEST_F(ListTest, AFirstLineIndentLeavesRoomForTheListNumber)
{
    NewFlow("a");
    flow->SetParaIM(0, 1, 30000);
    const long plain = flow->GetParaStylePtr(0)->m_FirstLine.value;
    NewFlow("a");
    Apply(0, 0, kNumbers, 1);
    int ascent = 0;
    const long number = ListAt(0)->GetSize(GetMemIC(), ascent, 1).cx;
    ASSERT_GT(number, 0);
    flow->SetParaIM(0, 1, 30000);
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_FirstLine.value, plain - number);
}

TEST_F(ListTest, ACaretInAnItemRestylesItsWholeRunOnly)
{
    NewFlow("a\rb\rc\rd\re");
    Apply(0, 2, kNumbers, 1);
    Apply(3, 4, kNumbers, 1);   // a second list of the same style starts at d
    flow->SetPos(Para(1) + 1);
    flow->UnSelect();
    // The item keeps continuing its list, as FindListStyle tells callers.
    ASSERT_EQ(flow->ApplyListStyle(kCapLetter, 1, NULL, 1, 1), 1);
    std::vector<long> styles;
    for (GList* l : Lists())
        styles.push_back(l->m_nStyle);
    EXPECT_EQ(styles, (std::vector<long>{kCapLetter, kCapLetter, kCapLetter, kNumbers, kNumbers}));
    EXPECT_EQ(Labels(), (Texts{"A.", "B.", "C.", "1.", "2."}));
    EXPECT_EQ(flow->m_nCaret, Para(1) + 1) << "the caret stays where it was";
}

TEST_F(ListTest, LocateFieldFindsTheFieldAtOrTheLastBefore)
{
    NewFlow("abcdefghij");
    for (long pos : {6, 4, 2})
        flow->InsertField(new GList(flow, pos, kNumbers, 1, 1));
    // The marks stand at 2, 5 and 8 now.
    const struct
    {
        long pos, index;
    } cases[] = {{0, -1}, {2, 0}, {3, 0}, {5, 1}, {7, 1}, {8, 2}, {12, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(flow->LocateField(c.pos), c.index) << c.pos;
    NewFlow("abc");
    EXPECT_EQ(flow->LocateField(1), -1) << "no fields";
}

TEST_F(ListTest, AStoredBodyWithAnImpossibleListFieldIsDamaged)
{
    NewFlow("a\rb");
    Apply(0, 1, kNumbers, 2);
    const Bytes good = FlowBodyBytes(*flow);
    const size_t record = good.size() - GList::kStoredSize;
    ASSERT_EQ(good[record], kFieldList);
    auto read = [&](const Bytes& bytes) {
        GDoc copy(&doc, kFirstContentFlow);
        LoadFromBytes(bytes, [&](CArchive& ar) { copy.OpenZVW(ar); });
        return copy.m_fields.count;
    };
    EXPECT_EQ(read(good), 2);
    const struct
    {
        const char* what;
        size_t offset;
        BYTE value;
    } damage[] = {{"level 0", 9, 0}, {"level 10", 9, 10}, {"a style past the table", 5, 12}};
    for (const auto& d : damage)
    {
        Bytes bytes = good;
        bytes[record + d.offset] = d.value;
        EXPECT_THROW(read(bytes), int) << d.what;
    }
}

TEST_F(ListTest, EnterInAnItemMakesTheNextItem)
{
    NewFlow("abc\rdef");
    Apply(0, 1, kNumbers, 1);
    flow->SetPos(Para(0) + 4);
    flow->UnSelect();
    bInsertOnlyNewLine = 1;
    Type(Para(0) + 4, "\r");
    bInsertOnlyNewLine = 0;
    EXPECT_EQ(MarkedFlowText(*flow), "@abc|@|@def");
    EXPECT_EQ(Labels(), (Texts{"1.", "2.", "3."}));
    EXPECT_EQ(StructureFault(*flow), "");
}

TEST_F(ListTest, LabelsThatARenumberingChangesAreRepainted)
{
    NewFlow("a\rb\rc\rd");
    Apply(0, 3, kNumbers, 1);
    GList* fourth = ListAt(3);
    flow->m_redraw.Reset(-1, -1);
    GList* first = ListAt(0);
    doc.m_listStyles[kNumbers].style.Level(1).m_Start = 5;
    first->Update();
    EXPECT_EQ(std::string(fourth->AsText(1)), "8.");
    EXPECT_GE(flow->m_redraw.m_nEndRow, flow->GetCharRow(fourth->m_nPos) + 1);
}

TEST_F(ListTest, OperationNames)
{
    NewFlow("a");
    EXPECT_EQ(CWOpSetListStyle(flow, 0, 0, kNumbers, 1, NULL, 0, 1).GetName(), CString("Set list style"));
    EXPECT_EQ(CWOpPromoteDemote(flow, 0, 0, 1).GetName(), CString("Promote"));
    EXPECT_EQ(CWOpPromoteDemote(flow, 0, 0, 0).GetName(), CString("Demote"));
    Apply(0, 0, kNumbers, 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set Bullets and Numbers"));
    flow->Demote(0, 0);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Demote"));
    flow->Promote(0, 0);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Promote"));
}

TEST_F(ListTest, ANewFieldTakesStyleLevelAndContinuesFromTheListAroundTheSelection)
{
    NewFlow("a\rb");
    Apply(0, 0, kNumbers, 2);
    flow->SetPos(Para(1));
    flow->UnSelect();
    GList field(flow, Para(1), 0, 0, 1);
    field.FindInitStyle();
    EXPECT_EQ(field.m_nStyle, kNumbers);
    EXPECT_EQ(field.m_nLevel, 2);
    EXPECT_EQ(field.m_bContinues, 1) << "right after an item of that style";
}
}  // namespace
