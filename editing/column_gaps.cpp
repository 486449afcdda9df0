// Fitting column gaps to paragraph side borders.
#include "editing/column_gaps.h"
#include <algorithm>

namespace
{
// The narrowest a text column may become, 0.1 mm.
const long kLeastColumnWidth = 100;

bool SharesCharacters(const GBorder& run, long first, long next)
{
    return run.first < next && run.end > first;
}

long WidestSide(const GDoc& flow, long run)
{
    return std::max(flow.GetBorderWidth((int)run, kBorderLeft), flow.GetBorderWidth((int)run, kBorderRight));
}

// Gives the side borders of every run of the block the width m, the
// narrower ones too, so that all sides in the block line up. Runs without
// a left or right side keep their distance: changing theirs would only
// move their top and bottom lines. A distance never goes below 0.
void FitSides(GDoc& flow, long first, long next, long m)
{
    for (LONG i = 0; i < flow.m_borders.count; ++i)
    {
        GBorder& run = flow.m_borders[i];
        if (!SharesCharacters(run, first, next) || !(run.sides & (kBorderLeft | kBorderRight)))
            continue;
        run.distance = (LONG)std::max(0L, (long)run.distance + m - WidestSide(flow, i));
    }
}
} // namespace

void FitColumnGaps(GDoc& flow, long first, long next, int count, tagColumnData* data, int equal)
{
    if (count < 2)
        return;
    count = std::min(count, kMostTextColumns);

    long m = 0;
    for (LONG i = 0; i < flow.m_borders.count; ++i)
        if (SharesCharacters(flow.m_borders[i], first, next))
            m = std::max(m, WidestSide(flow, i));

    long total = 0;
    for (int k = 0; k < count; ++k)
        total += data[k].width + (k < count - 1 ? data[k].gap : 0);

    if (!equal)
    {
        long g = data[0].gap;
        for (int k = 1; k < count - 1; ++k)
            g = std::min(g, (long)data[k].gap);
        if (g >= 2 * m)
            return;
        long w = 2 * (long)data[0].width - kLeastColumnWidth;
        for (int k = 1; k < count; ++k)
            w = std::min(w, (long)data[k].width);
        if (g + w < 2 * m)
        {
            m = std::max(0L, (g + w) / 2);
            FitSides(flow, first, next, m);
        }
        const long d = std::max(2 * m - (long)data[0].gap, 0L);
        data[0].gap += (LONG)d;
        data[0].width -= (LONG)(d / 2);
        data[count - 1].width -= (LONG)(d / 2);
        for (int k = 1; k < count - 1; ++k)
            if (data[k].gap < 2 * m)
            {
                data[k].width -= (LONG)(2 * m - data[k].gap);
                data[k].gap = (LONG)(2 * m);
            }
        return;
    }

    if (m <= 0)
        return;
    if (total < kLeastColumnWidth * count + 2 * m * (count - 1))
    {
        m = std::max(0L, (total - kLeastColumnWidth * count) / (2 * (count - 1)));
        FitSides(flow, first, next, m);
    }
    const long gap = std::max(2 * m, (long)data[0].gap);
    const long width = (total - gap * (count - 1)) / count;
    for (int k = 0; k < count; ++k)
    {
        data[k].width = (LONG)width;
        data[k].gap = (LONG)gap;
    }
    data[count - 1].gap = 0;
}
