// The pages the view's print loop visits: clamped to the document's pages,
// backwards when the range is given backwards.
#include "tests/support/zt_gtest.h"
#include "platform/mfc42/src/print_pages.h"
#include <vector>

namespace {

std::vector<UINT> Visited(UINT from, UINT to, UINT minPage, UINT maxPage)
{
    const CPrintPageOrder order(from, to, minPage, maxPage);
    std::vector<UINT> pages;
    for (UINT page = order.first;; page += order.step)
    {
        pages.push_back(page);
        if (page == order.last)
            break;
    }
    return pages;
}

TEST(PrintLoop, VisitsTheRangeInTheOrderGivenWithinTheDocumentsPages)
{
    struct Case { UINT from, to, minPage, maxPage; std::vector<UINT> pages; } cases[] = {
        { 2, 4, 1, 9, { 2, 3, 4 } },
        { 4, 2, 1, 9, { 4, 3, 2 } },          // given backwards: printed backwards
        { 0, 3, 1, 9, { 1, 2, 3 } },          // below the first page
        { 7, 20, 1, 9, { 7, 8, 9 } },         // past the last page
        { 20, 8, 1, 9, { 9, 8 } },
        { 5, 5, 1, 9, { 5 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Visited(c.from, c.to, c.minPage, c.maxPage), c.pages) << c.from << ".." << c.to;
}

} // namespace
