// The rows' array with a pending shift: after any mix of shifts, reads,
// insertions and removals every row reads as if each shift had walked the
// rows at once, searches by position agree without settling, and hole
// resumes keep "none" apart from real positions.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "model/flow_records.h"
#include <random>
#include <vector>

namespace {

// What a row holds that shifts: its start and its holes' resumes.
struct RowModel
{
    LONG first;
    std::vector<LONG> resumes;
};

GRow MakeRow(const RowModel& m)
{
    GRow row;
    row.first = m.first;
    row.holes = new GArray<CHole>(1, 1);
    for (LONG resume : m.resumes)
    {
        CHole hole;
        hole.resume = resume;
        row.holes->Add(hole);
    }
    return row;
}

void ShiftModel(std::vector<RowModel>& rows, long from, LONG delta)
{
    for (size_t i = (size_t)std::max(from, 0L); i < rows.size(); ++i)
    {
        rows[i].first += delta;
        for (LONG& resume : rows[i].resumes)
            if (resume != kNoPosition)
                resume += delta;
    }
}

// Compares every row without settling (positions) and then settled.
void ExpectRows(GShiftedArray<GRow>& rows, const std::vector<RowModel>& model, const char* when)
{
    SCOPED_TRACE(when);
    ASSERT_EQ((size_t)rows.count, model.size());
    for (size_t i = 0; i < model.size(); ++i)
        ASSERT_EQ(rows.PositionAt((long)i), model[i].first) << "row " << i;
    for (size_t i = 0; i < model.size(); ++i)
    {
        const GRow& row = rows[(long)i];
        ASSERT_EQ(row.first, model[i].first) << "row " << i;
        ASSERT_EQ((size_t)row.holes->count, model[i].resumes.size()) << "row " << i;
        for (size_t h = 0; h < model[i].resumes.size(); ++h)
            ASSERT_EQ((*row.holes)[(long)h].resume, model[i].resumes[h]) << "row " << i << " hole " << h;
    }
}

RowModel RandomRow(std::mt19937& random, LONG first)
{
    RowModel m{first, {kNoPosition}};
    if (random() % 4 == 0)
        m.resumes.push_back(first + (LONG)(random() % 30));
    return m;
}

} // namespace

TEST(ShiftedArrayTest, EveryEditReadsAsTheEagerShift)
{
    std::mt19937 random(17);
    for (int round = 0; round < 40; ++round)
    {
        GShiftedArray<GRow> rows(0, 8);
        std::vector<RowModel> model;
        for (LONG i = 0; i < 30; ++i)
        {
            model.push_back(RandomRow(random, 1000 + 40 * i));
            rows.Add(MakeRow(model.back()));
        }
        for (int step = 0; step < 300; ++step)
        {
            const long n = (long)model.size();
            const long at = n > 0 ? (long)(random() % n) : 0;
            switch (random() % 8)
            {
            case 0:
            case 1:
            case 2:
            {
                // Mostly near the last shift, as typing is, now and then far.
                const LONG delta = (LONG)(random() % 41) - 20;
                rows.ShiftFrom(at, delta);
                ShiftModel(model, at, delta);
                break;
            }
            case 3:
                if (n > 0)
                {
                    ASSERT_EQ(rows[at].first, model[at].first);
                }
                break;
            case 4:
            {
                const RowModel m = RandomRow(random, 500 + (LONG)(random() % 3000));
                rows.InsertAt(at, NULL, 1);
                rows[at] = MakeRow(m);
                model.insert(model.begin() + at, m);
                break;
            }
            case 5:
                if (n > 4)
                {
                    const long k = 1 + (long)(random() % 3);
                    const long from = std::min(at, n - k);
                    rows.Destroy(from, k);
                    model.erase(model.begin() + from, model.begin() + from + k);
                }
                break;
            case 6:
                if (n > 0)
                {
                    // A copy of one of its own rows, holes and all.
                    GRow copy = rows[at];
                    copy.holes = GRow::NewHoles();
                    rows.AddAt(copy, n);
                    model.push_back(RowModel{model[at].first, {kNoPosition}});
                }
                break;
            default:
                if (n > 0)
                {
                    ASSERT_EQ(rows.Last().first, model.back().first);
                }
                break;
            }
        }
        ExpectRows(rows, model, "after the edits");
        rows.ShiftFrom(0, 5);
        ShiftModel(model, 0, 5);
        ASSERT_EQ(rows.GetData()[model.size() - 1].first, model.back().first);
        ExpectRows(rows, model, "after getting the block");
    }
}

// Taking a pending step back over settled rows must not turn a real
// resume into the value that means none.
TEST(ShiftedArrayTest, AResumeNeverTurnsIntoNone)
{
    GShiftedArray<GRow> rows(0, 8);
    std::vector<RowModel> model;
    for (LONG i = 0; i < 6; ++i)
        model.push_back(RowModel{10 * i, {kNoPosition}});
    model[0].resumes.push_back(5);
    for (const RowModel& m : model)
        rows.Add(MakeRow(m));

    rows.ShiftFrom(1, 6);
    ShiftModel(model, 1, 6);
    EXPECT_EQ(rows[2].first, 26);   // settles rows 1 and 2
    rows.ShiftFrom(0, 2);           // 5 less the pending 6 would read as none
    ShiftModel(model, 0, 2);
    ExpectRows(rows, model, "after a step before the settled rows");
}

TEST(ShiftedArrayTest, ReadingFarAwayByPositionSettlesNothing)
{
    GShiftedArray<GRow> rows(0, 8);
    for (LONG i = 0; i < 100; ++i)
        rows.Add(MakeRow(RowModel{10 * i, {kNoPosition}}));
    rows.ShiftFrom(3, 1);
    EXPECT_EQ(rows.PositionAt(99), 991);
    EXPECT_EQ(rows.PendingFrom(), 3);
    EXPECT_EQ(rows[4].first, 41);
    EXPECT_EQ(rows.PendingFrom(), 5);
    rows.ShiftFrom(3, 1);           // back over two settled rows only
    EXPECT_EQ(rows.PendingFrom(), 3);
    EXPECT_EQ(rows.PositionAt(99), 992);
    rows.ShiftFrom(3, -2);          // the steps cancel: nothing is pending
    EXPECT_EQ(rows.PendingFrom(), 100);
    EXPECT_EQ(rows.UnsettledData()[99].first, 990);
}
