// Shading over cells: a cell field in the shaded range takes the cell
// pattern of the named shading style the shading matches.
#include "tests/editing/editing_test_support.h"
#include "model/GOle.h"
#include "layout/shading.h"

namespace {

const int kUntouched = 99;

class CellShading : public EditingFixture
{
protected:
    CZTCell* Cell(long pos)
    {
        CZTCell* item = new CZTCell;
        item->SetPatternStyle(kUntouched);
        doc.AddItem(item);
        flow->InsertField(new GCell(flow, pos, item));
        return item;
    }
};

TEST_F(CellShading, CellsInTheRangeTakeThePatternOfTheMatchingStyle)
{
    Type(0, "ab\rcd\r");
    CZTCell* inside = Cell(1);
    CZTCell* outside = Cell(5);
    CShadeStyle foreign = ShadingStyles[14];
    foreign.percent = 33;   // none of the named styles
    flow->AddShade(foreign, 0, 2, 1);
    EXPECT_EQ(inside->GetPatternStyle(), kUntouched);
    flow->AddShade(ShadingStyles[14], 0, 2, 0);
    EXPECT_EQ(inside->GetPatternStyle(), kUntouched) << "without cells nothing is patterned";
    flow->AddShade(ShadingStyles[14], 0, 2, 1);
    EXPECT_EQ(inside->GetPatternStyle(), 7);
    EXPECT_EQ(outside->GetPatternStyle(), kUntouched);
    flow->AddShade(ShadingStyles[0], 0, 6, 1);
    EXPECT_EQ(inside->GetPatternStyle(), 0);
    EXPECT_EQ(outside->GetPatternStyle(), 0);
}

} // namespace
