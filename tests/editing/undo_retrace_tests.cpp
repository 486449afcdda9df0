// Undo and redo give back byte for byte what the flow held: small cases
// of formatting mixed with typing and deleting, each a change undone and
// redone on the whole stored flow.
#include "tests/editing/formatting_test_support.h"
#include "editing/border_runs.h"
#include "editing/CWOpBreaks.h"
#include "editing/editing_support.h"
#include "model/GDocTitle.h"

namespace {

CBorderStyle BlueLine()
{
    CBorderStyle line;
    line.colour = RGB(0, 0, 200);
    line.lineStyle = 1;
    return line;
}

class UndoRetrace : public FormattingFixture
{
protected:
    void Border(long mask, long from, long to, int distance = 0)
    {
        CBorderStyle styles[4] = {BlueLine(), BlueLine(), BlueLine(), BlueLine()};
        flow->SetBorder(mask, styles, distance, from, to);
    }
    long Last() const { return flow->m_chars.count - 3; }
};

// Text typed into an empty last paragraph with a border or shading, taken
// out again by undo, leaves the paragraph as it was: the deletion that
// undo makes would take the runs, which end past the closing mark, with
// the text. A deletion of that text keeps the runs for its own undo.
TEST_F(UndoRetrace, UndoingTypingIntoTheLastParagraphKeepsItsBorderAndShading)
{
    NewFlow("first\rsecond\r");
    Border(kBorderBox, Last(), Last());
    CShadeStyle grey;
    grey.percent = 25;
    flow->AddShade(grey, Last(), Last(), 0);
    ASSERT_EQ(flow->m_borders.count, 1);
    ASSERT_EQ(flow->m_shades.count, 1);
    ReleaseDocEditing(&doc);
    Replays([&] { Type(Last(), "typed into the last paragraph"); });
    EXPECT_EQ(flow->m_borders.count, 1);
    EXPECT_EQ(flow->m_shades.count, 1);
    Replays([&] { flow->DeleteText(flow->GetParaChar(2), Last(), 1); });
}

// A box joins an equal box that touches it, the other's distance giving
// way; undo gives the other box back as it was, on either side.
TEST_F(UndoRetrace, UndoingABoxGivesBackTheBoxItJoined)
{
    NewFlow("p1\rp2\rp3\rp4\rp5");
    Border(kBorderBox, 6, 8);
    EXPECT_EQ(Replays([&] { Border(kBorderBox, 3, 5, 20); }), 1);
    EXPECT_EQ(Replays([&] { Border(kBorderBox, 9, 11, 10); }), 1);
}

// At a caret the change takes the whole run there, which then joins the
// box after the run, not only after the caret's paragraph.
TEST_F(UndoRetrace, UndoingABoxAtACaretGivesBackTheBoxItsRunJoined)
{
    NewFlow("p1\rp2\rp3\rp4\rp5");
    CBorderStyle red = BlueLine();
    red.colour = RGB(200, 0, 0);
    CBorderStyle reds[4] = {red, red, red, red};
    flow->SetBorder(kBorderBox, reds, 0, 0, 5);
    Border(kBorderBox, 6, 8, 20);
    ASSERT_EQ(flow->m_borders.count, 2);
    ReleaseDocEditing(&doc);
    EXPECT_EQ(Replays([&] { Border(kBorderBox, 1, 1); }), 1);
    EXPECT_EQ(flow->m_borders.count, 1);
}

// Two equal boxes that a deletion left side by side join when any border
// is set, also far from them; undo parts them again.
TEST_F(UndoRetrace, UndoingABorderElsewherePartsTheBoxesItJoined)
{
    NewFlow("p1\rp2\rp3\rp4\rp5\rp6");
    Border(kBorderBox, 0, 2);
    Border(kExactSides + kBorderTop, 3, 5);
    Border(kBorderBox, 6, 8);
    flow->DeleteText(3, 6, 1);
    ASSERT_EQ(flow->m_borders.count, 2);
    ReleaseDocEditing(&doc);
    EXPECT_EQ(Replays([&] { Border(kExactSides + kBorderTop, 12, 14); }), 1);
    EXPECT_EQ(flow->m_borders.count, 2);
}

// A page break typed at the start of the empty last paragraph that has a
// border or shading: undo takes the break out and leaves the paragraph's
// runs as they were.
TEST_F(UndoRetrace, UndoingAPageBreakBeforeTheLastParagraphKeepsItsBorderAndShading)
{
    NewFlow("first\r");
    Border(kBorderLeft | kBorderBottom, Last(), Last());
    CShadeStyle grey;
    grey.percent = 25;
    flow->AddShade(grey, Last(), Last(), 0);
    ReleaseDocEditing(&doc);
    const long at = Last();
    EXPECT_EQ(Replays([&] {
                  RecordOperation(flow, new CWOpNewPage(flow, at));
                  flow->InsertChar(at, kParagraphEnd, 1);
                  flow->InsertChar(at + 1, kBreak, 1);
              }),
              1);
    EXPECT_EQ(flow->m_borders.count, 1);
    EXPECT_EQ(flow->m_shades.count, 1);
}

// A deletion from a paragraph start over a field keeps the record, and so
// the style and border, of the paragraph where it ends; redo, made stretch
// by stretch around the field, keeps the same.
TEST_F(UndoRetrace, RedoingADeletionOverAFieldKeepsTheParagraphItKept)
{
    NewFlow("first one\rsecond one\rthird one\rfourth");
    GParaStyle centred;
    centred.m_Align = GParaStyle::kAlignCentre;
    flow->SetParaStyle(21, 22, centred);
    Border(kBorderBox, 21, 22);
    flow->InsertField(new GDocTitle(flow, 3, 0));
    const long third = flow->GetParaChar(2);
    ReleaseDocEditing(&doc);
    EXPECT_EQ(Replays([&] { flow->DeleteText(0, third + 2, 1); }), 1);
    EXPECT_EQ(flow->GetParaStylePtr(0)->m_Align, GParaStyle::kAlignCentre);
    ASSERT_EQ(flow->m_borders.count, 1);
    EXPECT_EQ(flow->m_borders[0].first, 0);
}

// Runs of equal styles under different references (the master's and the
// table's) each get their own reference back.
TEST_F(UndoRetrace, UndoingACharacterStyleGivesEachRunItsReference)
{
    NewFlow("abcdef ghijkl");
    GFontStyle black, red;
    black.SetColour(RGB(0, 0, 0));
    red.SetColour(RGB(200, 0, 0));
    // Black laid over the master's runs gives the table's equal style.
    flow->SetFontStyle(3, 9, red, 1);
    flow->SetFontStyle(1, 9, black, 1);
    ASSERT_EQ(RunStarts(), (std::vector<long>{0, 1, 9}));
    ASSERT_FALSE(flow->m_formats[0].style == flow->m_formats[1].style);
    ReleaseDocEditing(&doc);
    EXPECT_EQ(Replays([&] { flow->SetFontStyle(0, 5, red, 1); }), 1);
}

// Shading a paragraph joins equal runs only where it changed: two equal
// runs that a deletion left side by side elsewhere stay two, and undo
// gives back every run.
TEST_F(UndoRetrace, ShadingJoinsEqualRunsOnlyWhereItChanged)
{
    NewFlow("p1\rp2\rp3\rp4\rp5");
    CShadeStyle grey, green;
    grey.percent = 25;
    green.fore = RGB(0, 100, 0);
    flow->AddShade(grey, 3, 5, 0);
    flow->AddShade(green, 6, 8, 0);
    flow->AddShade(grey, 9, 11, 0);
    flow->DeleteText(6, 9, 1);
    ASSERT_EQ(flow->m_shades.count, 2);
    ReleaseDocEditing(&doc);
    EXPECT_EQ(Replays([&] { flow->AddShade(green, 0, 2, 0); }), 1);
    EXPECT_EQ(flow->m_shades.count, 3);
}

} // namespace
