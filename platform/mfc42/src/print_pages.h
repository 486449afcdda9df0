// The order in which the view's print loop visits pages; kept apart from
// the loop so that it is tested without a printer.
#pragma once
#include "afx.h"

// from..to clamped to the document's minimum and maximum page, visited
// backwards when the range was given backwards.
struct CPrintPageOrder
{
    UINT first;
    UINT last;
    int step;   // 1 or -1

    CPrintPageOrder(UINT from, UINT to, UINT minPage, UINT maxPage)
    {
        if (maxPage < minPage)
            maxPage = minPage;
        first = Clamp(from, minPage, maxPage);
        last = Clamp(to, minPage, maxPage);
        step = last >= first ? 1 : -1;
    }

private:
    static UINT Clamp(UINT page, UINT low, UINT high) { return page < low ? low : page > high ? high : page; }
};
