// Change case: each mode on the selection, abbreviations kept, unclosed
// sentences left alone, the word at the caret toggled, accented letters;
// one undo step that brings the old text back exactly.
#include "tests/editing/formatting_test_support.h"

namespace
{
class ChangeCase : public FormattingFixture
{
};

TEST_F(ChangeCase, EachModeAsTheTableSays)
{
    struct Case
    {
        const char* text;
        long selFirst, selEnd, caret;
        unsigned char mode;
        const char* expected;
    } cases[] = {
        {"hello WORLD. the NASA way. nOT closed", 0, 37, 0, 0, "Hello WORLD. The NASA way. nOT closed"},
        {"mIxEd tEXT. aNOTHER one.", 0, 24, 0, 0, "Mixed text. Another one."},
        {"Mixed TEXT \xc9t\xc9", 0, 14, 0, 1, "mixed text \xe9t\xe9"},
        {"Mixed text \xe9t\xe9", 0, 14, 0, 2, "MIXED TEXT \xc9T\xc9"},
        {"the NASA pROGRAM \xe9t\xe9", 0, 20, 0, 3, "The NASA Program \xc9t\xe9"},
        {"abc dEf ghi", 0, 11, 0, 4, "ABC DeF GHI"},
        {"abc dEf ghi", 5, 5, 5, 4, "abc DeF ghi"},
        {"abc def", 1, 3, 1, 2, "aBC def"},
        {"abc def", 0, 7, 0, 5, "abc def"},
    };
    for (const Case& c : cases)
    {
        NewFlow(c.text);
        flow->m_nSelFirst = c.selFirst;
        flow->m_nSelEnd = c.selEnd;
        flow->m_nCaret = c.caret;
        flow->ChangeCase(c.mode);
        EXPECT_EQ(FlowText(*flow), c.expected) << c.text << " mode " << (int)c.mode;
    }
}

TEST_F(ChangeCase, OneUndoBringsTheOldTextBackAndRedoTheNew)
{
    NewFlow("Some Mixed \xc9t\xe9 text");
    flow->Select(0, 19);
    EXPECT_EQ(Replays([&] { flow->ChangeCase(4); }), 1);
    EXPECT_EQ(FlowText(*flow), "sOME mIXED \xe9T\xc9 TEXT");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ChangeCase, NoLettersChangeNothing)
{
    NewFlow("12 -- 34");
    doc.SetModifiedFlag(FALSE);
    flow->Select(0, 8);
    const long steps = Stack()->GetUndoLen();
    for (unsigned char mode = 0; mode < 6; ++mode)
        flow->ChangeCase(mode);
    EXPECT_EQ(FlowText(*flow), "12 -- 34");
    EXPECT_EQ(Stack()->GetUndoLen(), steps);
    EXPECT_FALSE(doc.IsModified());
}
} // namespace
