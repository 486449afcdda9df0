// Run surgery shared by the formatting operations and their undo: cutting
// format runs at a range and restyling the runs inside, style references
// given back exactly, and paragraph-run arrays (borders, shading) kept
// sorted. Used by editing/.
#pragma once
#include "model/GDoc.h"
#include <functional>

// Cuts the format runs at from and, when cutAtEnd, at to; each run inside
// takes restyle(its reference); neighbours that became equal merge. The
// pending style is disarmed.
void RestyleRuns(GDoc& flow, long from, long to, bool cutAtEnd, const std::function<Mint(Mint)>& restyle);

// The reference that gives back a kept style: the kept reference while it
// still names an equal style (a master's stays a master's), else the
// style interned in its table.
Mint FontRefFor(GDoc& flow, Mint kept, const GFontStyle& style);
Mint ParaRefFor(GDoc& flow, Mint kept, const GParaStyle& style);

// Sorts paragraph runs (borders or shading) by first character: each place
// takes the earliest run with the smallest first of the rest.
template <class Run>
void SortRuns(GArray<Run>& runs)
{
    for (LONG i = 0; i + 1 < runs.count; ++i)
    {
        LONG least = i;
        for (LONG j = i + 1; j < runs.count; ++j)
            if (runs[j].first < runs[least].first)
                least = j;
        if (least != i)
        {
            Run kept = runs[i];
            runs[i] = runs[least];
            runs[least] = kept;
        }
    }
}

// Takes first..end out of the runs: a run inside goes, a run across an end
// keeps its part outside (a run across both keeps both parts).
template <class Run>
void CutOutRuns(GArray<Run>& runs, long first, long end)
{
    for (LONG i = runs.count - 1; i >= 0; --i)
    {
        Run& run = runs[i];
        if (run.first >= end || run.end <= first)
            continue;
        if (run.first < first && run.end > end)
        {
            Run after = run;
            after.first = (LONG)end;
            run.end = (LONG)first;
            runs.AddAt(after, i + 1);
        }
        else if (run.first < first)
            run.end = (LONG)first;
        else if (run.end > end)
            run.first = (LONG)end;
        else
            runs.Destroy(i, 1);
    }
}
