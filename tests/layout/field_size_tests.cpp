// Fields measured as text in their placeholder's style: never wider than
// their row, nothing without text, and rows measure them by their size.
#include "tests/editing/editing_test_support.h"
#include "layout/text_measure.h"
#include "model/GDocTitle.h"

namespace {

class TextField : public GField
{
public:
    TextField(GDoc* flow, long pos, const std::string& shown) : GField(flow, pos), text(shown) {}
    char* AsText(long) override { return text.empty() ? NULL : &text[0]; }
    std::string text;
};

class FieldSizes : public EditingFixture
{
protected:
    TextField* Insert(long pos, const std::string& text)
    {
        TextField* f = new TextField(flow, pos, text);
        flow->InsertField(f);
        return f;
    }
};

TEST_F(FieldSizes, ATextFieldMeasuresItsTextAndRowsCountIt)
{
    Type(0, "ab");
    TextField* f = Insert(1, "12:30");
    int ascent = 0;
    CDC* dc = GetCalcDC();
    const CSize size = f->GetSize(dc, ascent, 1);
    EXPECT_GT(size.cx, 0);
    EXPECT_GT(size.cy, 0);
    EXPECT_EQ(ascent, flow->GetCharFStylePtr(1)->GetAscent());
    int rowAscent = 0;
    EXPECT_EQ(flow->CalcTextSizeSimple(1, 2, 1, rowAscent, dc).cx, size.cx) << "the row measures the field's size";
}

TEST_F(FieldSizes, AFieldWiderThanItsRowIsOneUnitNarrowerThanTheRow)
{
    Type(0, "ab");
    TextField* f = Insert(1, std::string(2000, 'W'));
    int ascent = 0;
    const long rowWidth = flow->GetRowWidth(flow->GetCharRow(1), -1);
    EXPECT_EQ(f->GetSize(GetCalcDC(), ascent, 1).cx, rowWidth - 1);
}

TEST_F(FieldSizes, AFieldWithoutTextMeasuresNothing)
{
    Type(0, "ab");
    TextField* f = Insert(1, "");
    int ascent = 5;
    const CSize size = f->GetSize(GetCalcDC(), ascent, 1);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
}

// A title field shows the document's title as it is when measured: a
// changed title needs no update call.
TEST_F(FieldSizes, ATitleFieldMeasuresTheTitleOfTheMoment)
{
    Type(0, "ab");
    GDocTitle* title = new GDocTitle(flow, 1, 0);
    flow->InsertField(title);
    doc.SetTitle("Memo");
    int ascent = 0;
    const long shortWidth = title->GetSize(GetCalcDC(), ascent, 1).cx;
    EXPECT_STREQ("Memo", title->AsText(1));
    doc.SetTitle("Memorandum of the board");
    const long longWidth = title->GetSize(GetCalcDC(), ascent, 1).cx;
    EXPECT_STREQ("Memorandum of the board", title->AsText(1));
    EXPECT_GT(shortWidth, 0);
    EXPECT_GT(longWidth, shortWidth);
}

} // namespace
