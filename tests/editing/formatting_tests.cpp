// Character and paragraph formatting: run surgery, widening over the
// paragraph mark, size clamps, the pending style, indent limits and master
// styles; each change undone and redone on the whole stored flow.
#include "tests/editing/editing_test_support.h"
#include "tests/editing/formatting_test_support.h"
#include "editing/CWOpFormats.h"
#include "model/GStyleTbl.h"
#include "model/GListField.h"

namespace {

class CharacterFormatting : public FormattingFixture
{
};

TEST_F(CharacterFormatting, BoldInTheMiddleSplitsTheRunInThreeAndMergesWithABoldNeighbour)
{
    // Both recording forms: a style laid over the runs, and a table entry.
    const std::function<void(GDoc*, long, long)> forms[] = {
        [](GDoc* f, long a, long b) { GFontStyle s = Bold(); f->SetFontStyle(a, b, s, 1); },
        [this](GDoc* f, long a, long b) { f->SetFontStyle(a, b, BoldEntry(a)); },
    };
    for (const auto& apply : forms)
    {
        NewFlow("abcdefg");
        EXPECT_EQ(Replays([&] { apply(flow, 2, 5); }), 1);
        EXPECT_EQ(RunStarts(), (std::vector<long>{0, 2, 5}));
        EXPECT_FALSE(IsBold(1));
        EXPECT_TRUE(IsBold(2));
        EXPECT_TRUE(IsBold(4));
        EXPECT_FALSE(IsBold(5));
        // A bold neighbour joins the run.
        EXPECT_EQ(Replays([&] { apply(flow, 5, 6); }), 1);
        EXPECT_EQ(RunStarts(), (std::vector<long>{0, 2, 6}));
        EXPECT_EQ(Stack()->GetUndoName(0), CString("Set font style"));
    }
}

TEST_F(CharacterFormatting, ColouringAParagraphsTextColoursItsMark)
{
    NewFlow("abc\rdef");
    flow->SetFontColor(0, 3, RGB(255, 0, 0));
    EXPECT_EQ(flow->GetCharFStylePtr(2)->GetColour(), RGB(255, 0, 0));
    EXPECT_EQ(flow->GetCharFStylePtr(3)->GetColour(), RGB(255, 0, 0));   // the mark
    EXPECT_NE(flow->GetCharFStylePtr(4)->GetColour(), RGB(255, 0, 0));
}

TEST_F(CharacterFormatting, SizesAreKeptBetweenFourAndOneHundredTwentySevenPoints)
{
    const struct
    {
        int given, kept;
    } cases[] = {{10, 14}, {1, 1}, {5000, 448}, {100, 100}};
    for (const auto& c : cases)
    {
        NewFlow("abc");
        flow->SetFontSize(0, 2, c.given);
        EXPECT_EQ(flow->GetCharFStylePtr(0)->GetSize(), c.kept) << c.given;
    }
    // The recording form brings the caller's style into range too.
    NewFlow("abc");
    GFontStyle huge;
    huge.SetSize(5000);
    flow->SetFontStyle(0, 2, huge, 1);
    EXPECT_EQ(huge.GetSize(), 448);
    EXPECT_EQ(flow->GetCharFStylePtr(0)->GetSize(), 448);
}

TEST_F(CharacterFormatting, AMixedCharacterSetKeepsEachRunsScript)
{
    NewFlow("abcdef");
    GFontStyle cyrillic;
    cyrillic.SetCharSet(RUSSIAN_CHARSET);
    flow->SetFontStyle(0, 3, cyrillic, 1);
    const unsigned char other = flow->GetCharFStylePtr(4)->GetCharSet();
    ASSERT_NE(other, RUSSIAN_CHARSET);
    GFontStyle mixed = Bold();
    mixed.SetCharSet(GFontStyle::kMixedCharSet);
    flow->SetFontStyle(0, 6, mixed, 1);
    EXPECT_TRUE(IsBold(1));
    EXPECT_TRUE(IsBold(5));
    EXPECT_EQ(flow->GetCharFStylePtr(1)->GetCharSet(), RUSSIAN_CHARSET);
    EXPECT_EQ(flow->GetCharFStylePtr(5)->GetCharSet(), other);
}

TEST_F(CharacterFormatting, NoChangeChangesNothingAndRecordsNothing)
{
    NewFlow("abcdef");
    flow->IncludeAttr(0, 6, GFontStyle::kBold);
    const std::string bold = FlowState(*flow);
    const long steps = Stack()->GetUndoLen();
    flow->SetFontStyle(0, 3, "No such style");
    flow->IncludeAttr(0, 6, GFontStyle::kBold);   // already bold throughout
    GFontStyle s = Bold();
    flow->SetFontStyle(1, 4, s, 1);
    EXPECT_EQ(FlowState(*flow), bold);
    EXPECT_EQ(Stack()->GetUndoLen(), steps);
}

TEST_F(CharacterFormatting, BoldOnAnEmptyRangeWaitsForTheNextTypedText)
{
    NewFlow("abcdef");
    flow->SetPos(3);
    const std::string before = FlowState(*flow);
    flow->IncludeAttr(3, 3, GFontStyle::kBold);
    EXPECT_EQ(FlowState(*flow), before);
    Type(3, "X");
    EXPECT_TRUE(IsBold(3));
    EXPECT_FALSE(IsBold(2));
    EXPECT_FALSE(IsBold(4));

    // Moving the caret first drops it.
    NewFlow("abcdef");
    flow->SetPos(3);
    flow->IncludeAttr(3, 3, GFontStyle::kBold);
    flow->SetPos(5);
    Type(5, "Y");
    EXPECT_FALSE(IsBold(5));
}

class ParagraphFormatting : public FormattingFixture
{
};

TEST_F(ParagraphFormatting, ALeftIndentLeavesTenMillimetresOfText)
{
    // A 100 mm column with a 20 mm right indent takes at most 70 mm.
    NewFlow("abc\rdef");
    flow->m_columns[0].cols[0].width = 1000;
    flow->SetParaRM(0, 1, 200);
    flow->SetParaLM(0, 1, 900);
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_Left.value, 700);
    EXPECT_EQ(flow->GetParaStylePtr(1)->m_Left.value, 0);
}

TEST_F(ParagraphFormatting, IndentsRecordOnlyWhenSomethingChanges)
{
    NewFlow("abc\rdef\rghi");
    flow->SetParaLM(0, 9, 100);
    const long steps = Stack()->GetUndoLen();
    flow->SetParaLM(0, 9, 100);
    EXPECT_EQ(Stack()->GetUndoLen(), steps);
    flow->SetParaLM(0, 1, 300);
    EXPECT_EQ(Replays([&] { flow->SetParaLM(0, 9, 200); }), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set paragraph left margin"));
    EXPECT_EQ(Replays([&] { flow->SetParaRM(4, 5, 150); }), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set paragraph right margin"));
    EXPECT_EQ(Replays([&] { flow->SetParaIM(4, 9, 50); }), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set paragraph indent"));
}

TEST_F(ParagraphFormatting, SpacingAndExtraHeightAreClamped)
{
    NewFlow("abc\rdef");
    GParaStyle wide;
    wide.m_Spacing = Gfloat(12.0f);
    wide.m_Extra = Gint(800);
    EXPECT_EQ(Replays([&] { flow->SetParaStyle(0, 1, wide); }), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set paragraph style"));
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_Spacing.value, 10.0f);
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_Extra.value, 500);
    flow->SetParaSpacing(4, 5, 0.5f, 800);
    EXPECT_EQ(flow->GetParaStylePtr(1)->m_Spacing.value, 1.0f);
    EXPECT_EQ(flow->GetParaStylePtr(1)->m_Extra.value, 500);
}

TEST_F(ParagraphFormatting, AlignmentRepaintsWithoutBreakingAgain)
{
    NewFlow("abc\rdef");
    flow->SetParaAlign(0, 1, GParaStyle::kAlignLeft);
    const std::string before = FlowState(*flow);
    flow->SetParaAlign(0, 1, GParaStyle::kAlignLeft);
    EXPECT_EQ(FlowState(*flow), before);
    flow->m_redraw.Reset(0, 0);
    flow->SetParaAlign(0, 1, GParaStyle::kAlignCentre);
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_Align, GParaStyle::kAlignCentre);
    EXPECT_EQ(flow->GetParaStylePtr(1)->m_Align, GParaStyle::kAlignLeft);
}

// A tab's place and width follow the alignment of its paragraph, so a
// paragraph with tabs is broken again: each alignment, and its undo, lays
// out as a fresh layout does.
TEST_F(ParagraphFormatting, AlignmentMovesTheTabsOfItsParagraphs)
{
    NewFlow("left\ttext and more\rplain\rcol\tx\ty");
    for (unsigned char align : {GParaStyle::kAlignRight, GParaStyle::kAlignCentre, GParaStyle::kAlignJustify,
                                GParaStyle::kAlignLeft})
    {
        flow->SetParaAlign(0, 30, align);
        const std::string edited = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), edited) << "alignment " << (int)align;
    }
    while (DocMakeUndo(&doc))
    {
        const std::string undone = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
        ASSERT_EQ(FlowState(*flow), undone) << "undo " << Stack()->GetUndoLen();
    }
}

TEST_F(ParagraphFormatting, AMasterStyleIsOneStepAndFormatsWholeParagraphsUnlessCharacterOnly)
{
    NewFlow("abcdef\rghi");
    // A master with a paragraph part: the whole paragraph's characters.
    GStyleItem<GMasterStyle> heading("Heading X", GMasterStyle(BoldIndex(), 0));
    const int master = doc.AddNewMStyle(heading);
    EXPECT_EQ(Replays([&] { flow->SetMasterStyle(2, 4, master); }), 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Set Master Style"));
    EXPECT_TRUE(IsBold(0));
    EXPECT_TRUE(IsBold(5));
    EXPECT_FALSE(IsBold(7));
    EXPECT_EQ(flow->m_paras[0].style, Mint((short)master, 1));

    // A character-only master ("?m" names): only the selection.
    NewFlow("abcdef\rghi");
    GStyleItem<GMasterStyle> emphasis("Em bold", GMasterStyle(BoldIndex(), 0));
    const int charOnly = doc.AddNewMStyle(emphasis);
    ASSERT_TRUE(doc.IsCharMStyle(charOnly));
    flow->SetMasterStyle(2, 4, charOnly);
    EXPECT_FALSE(IsBold(1));
    EXPECT_TRUE(IsBold(2));
    EXPECT_FALSE(IsBold(4));

    // An unknown name changes nothing and leaves recording as it was.
    const std::string before = FlowState(*flow);
    const long steps = Stack()->GetUndoLen();
    flow->SetMasterStyle(0, 3, "No such master");
    EXPECT_EQ(FlowState(*flow), before);
    EXPECT_EQ(Stack()->GetUndoLen(), steps);
    EXPECT_EQ(GetDocUndoStack(&doc), Stack());
}

TEST_F(ParagraphFormatting, AParagraphStyleByReferenceReplays)
{
    NewFlow("abc\rdef\rghi");
    GParaStyle indented;
    indented.m_Left = Gint(300);
    const short entry = (short)doc.m_paraStyles.FindStyle(indented);
    EXPECT_EQ(Replays([&] { flow->SetParaStyle(2, 6, Mint(entry, 0)); }), 1);
    EXPECT_EQ(flow->m_paras[0].style, Mint(entry, 0));
    EXPECT_EQ(flow->m_paras[1].style, Mint(entry, 0));
    EXPECT_NE(flow->m_paras[2].style, Mint(entry, 0));
}

} // namespace

namespace {

class MoreFormatting : public FormattingFixture
{
};

TEST_F(MoreFormatting, AnAttributeOnMixedTextKeepsEachRunsOtherBits)
{
    NewFlow("abcdef");
    flow->IncludeAttr(0, 2, GFontStyle::kItalic);
    EXPECT_EQ(Replays([&] { GFontStyle s = Bold(); flow->SetFontStyle(0, 6, s, 1); }), 1);
    flow->ExcludeAttr(0, 6, GFontStyle::kBold);
    flow->SetFontAttr(0, 6, GFontStyle::kBold, GFontStyle::kBold);
    for (long pos : {0L, 4L})
        EXPECT_TRUE(IsBold(pos)) << pos;
    EXPECT_EQ(flow->GetCharFStylePtr(1)->GetAttr(GFontStyle::kItalic), 1);
    EXPECT_EQ(flow->GetCharFStylePtr(4)->GetAttr(GFontStyle::kItalic), 0);
}

TEST_F(MoreFormatting, AStyleUpToTheLastCharacterLeavesTheFinalMark)
{
    // The character before the final mark is outside the range.
    NewFlow("abcd");
    GFontStyle s = Bold();
    flow->SetFontStyle(0, 3, s, 1);
    EXPECT_TRUE(IsBold(2));
    EXPECT_FALSE(IsBold(3));
    // A range up to the final mark takes the mark along.
    EXPECT_EQ(Replays([&] { GFontStyle b = Bold(); flow->SetFontStyle(1, 4, b, 1); }), 1);
    EXPECT_TRUE(IsBold(4));
}

// A size over a range up to the final mark changes the height of the last
// paragraph's row, even when that paragraph is empty: its row is broken
// again as a fresh layout breaks it.
TEST_F(MoreFormatting, ASizeUpToTheFinalMarkResizesTheLastRow)
{
    NewFlow("abc\r");
    GFontStyle large;
    large.SetSize(48);
    flow->SetFontStyle(0, flow->m_chars.count - 3, large, 1);
    const std::string edited = FlowState(*flow);
    flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
    EXPECT_EQ(FlowState(*flow), edited);
}

TEST_F(MoreFormatting, ListStylesChangeOnlyTheListNumbersInTheRange)
{
    NewFlow("abc\rdef\rghi");
    flow->m_fields.Add(new GList(flow, 4, 2, 0, 1));
    // Without list numbers in the range the views still hear of it.
    flow->m_redraw.InvalByPos(0, 1);
    flow->SetListStyle(0, 3, 5);
    EXPECT_FALSE(flow->m_redraw.IsDirty());
    EXPECT_EQ(((GList*)flow->m_fields[0])->m_nStyle, 2);
    flow->SetListStyle(0, 8, 5);
    EXPECT_EQ(((GList*)flow->m_fields[0])->m_nStyle, 5);
    flow->SetListStyle(0, 8, "No such list");
    EXPECT_EQ(((GList*)flow->m_fields[0])->m_nStyle, 5);
    flow->m_fields.Destroy(0, 1);
}

} // namespace
