// The flow's editing interface: caret and selection clamping, typing with
// control characters, overtyping, deleting across paragraphs and runs, and
// the undo and redo of each, which must give back the flow record for
// record.
#include "tests/editing/editing_test_support.h"
#include "editing/CWOpText.h"
#include "app/CWOptions.h"

namespace {
typedef std::vector<std::string> Names;

// ---- Caret and selection

class CaretAndSelection : public EditingFixture
{
};

TEST_F(CaretAndSelection, PositionsAreClamped)
{
    Type(0, "abcdefghij");   // 13 characters with the closing ones
    struct Case
    {
        long pos;
        long caret;
    };
    const Case cases[] = {{100, 10}, {-5, 0}, {4, 4}, {10, 10}, {11, 10}, {12, 10}};
    for (const Case& c : cases)
    {
        flow->SetPos(c.pos);
        EXPECT_EQ(flow->m_nCaret, c.caret) << c.pos;
        EXPECT_EQ(flow->m_nSelFirst, c.caret) << "an empty selection follows the caret";
        EXPECT_EQ(flow->m_nSelEnd, c.caret);
    }
    flow->Select(9, 4);
    EXPECT_EQ(flow->m_nSelFirst, 4);
    EXPECT_EQ(flow->m_nSelEnd, 9);
    flow->SetPos(2);
    EXPECT_EQ(flow->m_nSelFirst, 4) << "a selection stays when the caret moves";
    flow->Select(0, 1000000);
    EXPECT_EQ(flow->m_nSelFirst, 0);
    EXPECT_EQ(flow->m_nSelEnd, 11);   // the final paragraph mark included
    flow->Select(-7, 3);
    EXPECT_EQ(flow->m_nSelFirst, 0);
}

TEST_F(CaretAndSelection, TheCaretNeverRestsOnABreak)
{
    Type(0, "ab\r\fcd");
    ASSERT_EQ(MarkedFlowText(*flow), "ab|#cd");
    flow->SetPos(3);
    EXPECT_EQ(flow->m_nCaret, 2);
}

TEST_F(CaretAndSelection, MovingDisarmsThePendingStyleUnlessItStays)
{
    Type(0, "abc");
    flow->SetPos(1);
    GetDocEditing(&doc).bPendingStyle = TRUE;
    flow->SetPos(1);
    EXPECT_TRUE(GetDocEditing(&doc).bPendingStyle);
    flow->SetPos(2);
    EXPECT_FALSE(GetDocEditing(&doc).bPendingStyle);
}

TEST_F(CaretAndSelection, SelectionsAreUndoable)
{
    Type(0, "abcdef");
    long before = Stack()->GetUndoLen();
    flow->Select(1, 4);
    flow->Select(1, 4);   // the same selection records nothing
    flow->UnSelect();
    flow->UnSelect();     // nothing to collapse
    EXPECT_EQ(Stack()->GetUndoLen(), before + 2);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("UnSelect"));
    EXPECT_EQ(Stack()->GetUndoName(1), CString("Select"));
    DocMakeUndo(&doc);
    EXPECT_EQ(flow->m_nSelFirst, 1);
    EXPECT_EQ(flow->m_nSelEnd, 4);
    DocMakeUndo(&doc);
    EXPECT_EQ(flow->m_nSelFirst, flow->m_nSelEnd);
    DocMakeRedo(&doc);
    EXPECT_EQ(flow->m_nSelEnd, 4);
}

// ---- Typing

class Typing : public EditingFixture
{
};

TEST_F(Typing, ControlCharactersBecomeRecords)
{
    std::string empty = FlowState(*flow);
    LONG rows = flow->m_rows.count, paras = flow->m_paras.count;
    Type(0, "pq\r\nrs");
    EXPECT_EQ(MarkedFlowText(*flow), "pq|rs");   // the line feed is dropped
    EXPECT_EQ(flow->m_rows.count, rows + 1);
    EXPECT_EQ(flow->m_paras.count, paras + 1);
    EXPECT_EQ(flow->m_rows[1].first, 3);
    Type(1, "\tx");
    EXPECT_EQ(MarkedFlowText(*flow), "p\txq|rs");
    ASSERT_EQ(flow->m_tabs.count, 1);
    EXPECT_EQ(flow->m_tabs[0].pos, 1);
    EXPECT_EQ(flow->m_formats.Last().pos, flow->m_chars.count - 1);

    // Chunks end at each control character; the line feed leaves an empty one.
    Names names;
    for (long i = Stack()->GetUndoLen() - 1; i >= 0; --i)
        names.push_back((const char*)Stack()->GetUndoName(i));
    EXPECT_EQ(names, (Names{"Insert text - 'pq '", "Insert text", "Insert text - 'rs'", "Insert text - ' '",
                            "Insert text - 'x'"}));
    UndoAll();
    EXPECT_EQ(FlowState(*flow), empty);
}

TEST_F(Typing, ATextEndingInAParagraphMarkRecordsAnEmptyTail)
{
    Type(0, "ab\r");
    EXPECT_EQ(Stack()->GetUndoLen(), 2);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Insert text"));
    EXPECT_EQ(Stack()->GetUndoName(1), CString("Insert text - 'ab '"));
}

TEST_F(Typing, UndoAndRedoGiveBackTheFlow)
{
    const char* texts[] = {"hello", "a\tb\tc", "one\rtwo\r\rthree", "l\r\nm\n", "x\fy"};
    for (const char* text : texts)
    {
        Type(0, "base text\rsecond");
        flow->SetPos(4);
        std::string before = FlowState(*flow);
        Type(4, text);
        std::string after = FlowState(*flow);
        int steps = 0;
        while (FlowState(*flow) != before && DocMakeUndo(&doc))
            ++steps;
        EXPECT_EQ(FlowState(*flow), before) << text;
        for (int i = 0; i < steps; ++i)
            DocMakeRedo(&doc);
        EXPECT_EQ(FlowState(*flow), after) << text;
        flow->DeleteText(0, 1000, 1);
    }
}

TEST_F(Typing, PositionsOutsideTheFlowAreClamped)
{
    Type(0, "abc");
    Type(-5, "x");
    Type(1000, "y");
    EXPECT_EQ(MarkedFlowText(*flow), "xabcy");
    flow->InsertChar(-2, 'z', 1);
    EXPECT_EQ(MarkedFlowText(*flow), "zxabcy");
    std::string before = FlowState(*flow);
    flow->InsertChar(2, 10, 1);   // a line feed is never inserted
    flow->ReplaceChar(-1, 'q');
    flow->ReplaceChar(100, 'q');
    flow->DeleteChar(-1);
    EXPECT_EQ(FlowState(*flow), before);
}

TEST_F(Typing, OvertypingIsUndoneCharacterByCharacter)
{
    Type(0, "ab\tc");
    std::string before = FlowState(*flow);
    flow->ReplaceChar(0, 'x');
    EXPECT_EQ(MarkedFlowText(*flow), "xb\tc");
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Replace text"));
    flow->ReplaceChar(2, 'y');   // a tab is not overwritten: y goes in front
    EXPECT_EQ(MarkedFlowText(*flow), "xby\tc");
    ASSERT_EQ(flow->m_tabs.count, 1);
    EXPECT_EQ(flow->m_tabs[0].pos, 3);
    std::string after = FlowState(*flow);
    DocMakeUndo(&doc);
    DocMakeUndo(&doc);
    EXPECT_EQ(FlowState(*flow), before);
    DocMakeRedo(&doc);
    DocMakeRedo(&doc);
    EXPECT_EQ(FlowState(*flow), after);
}

TEST_F(Typing, AMarkTypedAtAParagraphStartTakesTheFormatThatFollows)
{
    Type(0, "ab\rcd");
    GFormat bold;
    bold.pos = 3;
    bold.style = Mint(2, 0);
    flow->InsFormatItem(bold, 1);
    flow->InsertChar(3, kParagraphEnd, 1);
    EXPECT_EQ(MarkedFlowText(*flow), "ab||cd");
    EXPECT_EQ(flow->m_formats[flow->GetCharFormat(3)].style, Mint(2, 0));
    EXPECT_EQ(flow->m_formats[flow->GetCharFormat(2)].style, flow->m_formats[0].style);
    EXPECT_EQ(flow->m_paras.count, 4);
}

TEST_F(Typing, DeletingARunOfItsOwnArmsItsStyle)
{
    Type(0, "abc");
    GFormat bold;
    bold.pos = 1;
    bold.style = Mint(2, 0);
    GFormat plain = flow->m_formats[0];
    plain.pos = 2;
    flow->InsFormatItem(bold, 1);
    flow->InsFormatItem(plain, 2);
    GetDocEditing(&doc).bPendingStyle = FALSE;
    flow->DeleteChar(1);
    EXPECT_EQ(MarkedFlowText(*flow), "ac");
    EXPECT_TRUE(GetDocEditing(&doc).bPendingStyle);
}

TEST_F(Typing, NoUndoStepsRecordsNothing)
{
    Options.UndoSteps = 0;
    Type(0, "ab\rcd");
    flow->DeleteText(1, 3, 1);
    flow->Select(0, 2);
    EXPECT_EQ(MarkedFlowText(*flow), "acd");
    EXPECT_FALSE(DocCanUndo(&doc));
    doc.m_bUndoEnabled = FALSE;
    Options.UndoSteps = 10;
    Type(0, "x");
    EXPECT_FALSE(DocCanUndo(&doc));
}

// ---- Deleting

class Deleting : public EditingFixture
{
protected:
    // "abcdef|ghij|klm" with runs of three styles, three paragraph styles,
    // borders on the last two paragraphs and shading on the first.
    void Build()
    {
        Type(0, "abcdef\rghij\rklm");
        Mint base = flow->m_formats[0].style;
        GFormat run;
        run.pos = 2;
        run.style = Mint(2, 0);
        flow->InsFormatItem(run, 1);
        run.pos = 9;
        run.style = Mint(3, 0);
        flow->InsFormatItem(run, 2);
        run.pos = 13;
        run.style = base;
        flow->InsFormatItem(run, 3);
        flow->m_paras[1].style = Mint(4, 0);
        flow->m_paras[2].style = Mint(5, 0);
        GBorder box;
        box.first = 7;
        box.end = 12;
        box.sides = kBorderBox;
        box.distance = 20;
        box.top.lineStyle = 3;
        flow->InsBorderItem(box, 0);
        GBorder left = box;
        left.first = 12;
        left.end = 17;
        left.sides = kBorderLeft;
        flow->InsBorderItem(left, 1);
        GShade shade;
        shade.first = 0;
        shade.end = 6;
        shade.style.percent = 25;
        flow->m_shades.Add(shade);
        flow->ReRowByPos(0, flow->m_chars.count - 2, GDoc::kWholeParagraph);
        while (Stack()->RemoveLast())
            ;
    }
};

TEST_F(Deleting, RangesAcrossParagraphsAndRunsComeBack)
{
    Build();
    struct Case
    {
        long from, to;
        const char* text;
    };
    const Case cases[] = {
        {1, 4, "aef|ghij|klm"},      {3, 10, "abcj|klm"},  {0, 15, ""},
        {6, 7, "abcdefghij|klm"},    {7, 12, "abcdef|klm"}, {11, 100, "abcdef|ghij"},
        {-4, 2, "cdef|ghij|klm"},    {10, 3, "abcj|klm"},
    };
    for (const Case& c : cases)
    {
        std::string before = FlowState(*flow);
        flow->DeleteText(c.from, c.to, 1);
        EXPECT_EQ(MarkedFlowText(*flow), c.text) << c.from << ".." << c.to;
        std::string after = FlowState(*flow);
        EXPECT_EQ(Stack()->GetUndoLen(), 1) << "one step";
        DocMakeUndo(&doc);
        EXPECT_EQ(FlowState(*flow), before) << c.from << ".." << c.to;
        DocMakeRedo(&doc);
        EXPECT_EQ(FlowState(*flow), after) << c.from << ".." << c.to;
        DocMakeUndo(&doc);
        while (Stack()->RemoveLast())
            ;
    }
}

// Runs cover whole paragraphs. A joined paragraph keeps the record of the
// paragraph where the deletion began, and with it that paragraph's border
// and shading to its new end; the runs of the paragraphs that joined it
// begin after it. Typing in the joined paragraph then widens one run only,
// and undo brings every run back as it was.
TEST_F(Deleting, AJoinedParagraphKeepsTheRunsOfTheFirstToItsEnd)
{
    struct Case
    {
        long from, to;
        const char* text;
        std::vector<std::vector<long>> borders;   // first, end, sides
        std::vector<std::vector<long>> shades;    // first, end
    };
    // After the deletion the closing paragraph begins at length + 2.
    const Case cases[] = {
        {9, 14, "abcdef|ghm", {{7, 12, kBorderBox}}, {{0, 6}}},
        {3, 9, "abcij|klm", {{6, 11, kBorderLeft}}, {{0, 6}}},
    };
    Build();
    const std::string before = FlowState(*flow);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "delete " << c.from << ".." << c.to);
        flow->DeleteText(c.from, c.to, 1);
        EXPECT_EQ(MarkedFlowText(*flow), c.text);
        std::vector<std::vector<long>> borders, shades;
        for (LONG i = 0; i < flow->m_borders.count; ++i)
            borders.push_back({flow->m_borders[i].first, flow->m_borders[i].end, flow->m_borders[i].sides});
        for (LONG i = 0; i < flow->m_shades.count; ++i)
            shades.push_back({flow->m_shades[i].first, flow->m_shades[i].end});
        EXPECT_EQ(borders, c.borders);
        EXPECT_EQ(shades, c.shades);

        Type(c.from, "xy");
        for (LONG i = 1; i < flow->m_borders.count; ++i)
            EXPECT_GE(flow->m_borders[i].first, flow->m_borders[i - 1].end) << "border runs overlap";
        for (LONG i = 1; i < flow->m_shades.count; ++i)
            EXPECT_GE(flow->m_shades[i].first, flow->m_shades[i - 1].end) << "shade runs overlap";
        UndoAll();
        EXPECT_EQ(FlowState(*flow), before);
        while (Stack()->RemoveLast())
            ;
    }
}

TEST_F(Deleting, NothingAtOrBeyondTheFinalMark)
{
    Build();
    std::string before = FlowState(*flow);
    flow->DeleteText(15, 20, 1);
    flow->DeleteText(5, 5, 1);
    EXPECT_EQ(FlowState(*flow), before);
    EXPECT_EQ(Stack()->GetUndoLen(), 0);
}

TEST_F(Deleting, TheCaretGoesToTheStartEvenWithoutRedraw)
{
    Build();
    flow->SetPos(10);
    flow->DeleteText(2, 5, 0);
    EXPECT_EQ(flow->m_nCaret, 2);
}

TEST_F(Deleting, TheStepIsNamedAfterItsText)
{
    Build();
    struct Case
    {
        long from, to;
        const char* name;
    };
    const Case cases[] = {
        {0, 12, "Delete Text - 'abcdef ghi...'"},
        {0, 3, "Delete Text - 'abc'"},
        {5, 8, "Delete Text - 'f g'"},
    };
    for (const Case& c : cases)
    {
        flow->DeleteText(c.from, c.to, 1);
        EXPECT_EQ(Stack()->GetUndoName(0), CString(c.name));
        DocMakeUndo(&doc);
    }
}

TEST_F(Deleting, TextAroundAFieldIsOneStepAndUndoBringsTheFieldBack)
{
    Type(0, "pqrs tail");
    flow->InsertChar(2, kFieldMark, 0);
    GField* picture = new GField(flow, 2);
    picture->m_nKind = kFieldImage;
    flow->InsFieldItem(picture, 0);
    while (Stack()->RemoveLast())
        ;
    flow->DeleteText(0, 5, 1);
    EXPECT_EQ(MarkedFlowText(*flow), " tail");
    ASSERT_EQ(Stack()->GetUndoLen(), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Delete Text - 'rs'"));
    std::string after = FlowState(*flow);
    DocMakeUndo(&doc);
    // The picture comes back with the text around it.
    EXPECT_EQ(MarkedFlowText(*flow), "pq@rs tail");
    ASSERT_EQ(flow->m_fields.count, 1);
    EXPECT_EQ(flow->m_fields[0]->m_nKind, kFieldImage);
    EXPECT_EQ(flow->m_fields[0]->m_nPos, 2);
    DocMakeRedo(&doc);
    EXPECT_EQ(FlowState(*flow), after);
}

} // namespace

namespace {

// A page break is the pair 13, 12, and the break belongs to the paragraph
// that the 13 ends: editing next to it keeps paragraphs and rows where the
// text says they are, and undo gives the flow back.
TEST_F(Deleting, PageBreaksKeepTheirParagraphs)
{
    struct Case
    {
        const char* what;
        long from, to;
        const char* text;
    };
    // "ab|#cd|ef": the pair at 2 and 3.
    const Case cases[] = {
        {"the break goes with its paragraph end", 1, 3, "acd|ef"},
        {"the paragraph end alone takes its break", 2, 3, "abcd|ef"},
        {"from the break the paragraph end stays", 3, 5, "ab|d|ef"},
        {"the break alone", 3, 4, "ab|cd|ef"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Type(0, "ab\r\fcd\ref");
        ASSERT_EQ(StructureFault(*flow), "");
        const std::string before = FlowState(*flow);
        flow->DeleteText(c.from, c.to, 1);
        EXPECT_EQ(MarkedFlowText(*flow), c.text);
        EXPECT_EQ(StructureFault(*flow), "");
        DocMakeUndo(&doc);
        EXPECT_EQ(FlowState(*flow), before);
    }
}

// Removing one character without a record: the paragraph end of an empty
// paragraph that holds a break hands the break to the paragraph before.
TEST_F(Deleting, OneParagraphEndOfAPairGoesAndTheBreakStays)
{
    Type(0, "ab\r\r\fcd");
    ASSERT_EQ(StructureFault(*flow), "");
    flow->DeleteChar(3);
    EXPECT_EQ(MarkedFlowText(*flow), "ab|#cd");
    EXPECT_EQ(StructureFault(*flow), "");
}

TEST_F(Deleting, AParagraphEndTypedAtAPageBreakComesAndGoes)
{
    struct Case
    {
        const char* what;
        long at;
        const char* text;
    };
    const Case cases[] = {
        {"before the pair", 2, "ab||#cd"},
        {"between the paragraph end and its break", 3, "ab||#cd"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Type(0, "ab\r\fcd");
        while (Stack()->RemoveLast())
            ;
        const std::string before = FlowState(*flow);
        Type(c.at, "\r");
        EXPECT_EQ(MarkedFlowText(*flow), c.text);
        EXPECT_EQ(StructureFault(*flow), "");
        EXPECT_EQ(UndoAll(), 2) << "the paragraph end and the empty rest of the typed text";
        EXPECT_EQ(FlowState(*flow), before);
    }
}

} // namespace
