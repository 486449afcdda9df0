// Run surgery shared by the formatting operations and their undo: cutting
// format runs at a range and restyling the runs inside, style references
// given back exactly, and paragraph-run arrays (borders, shading) kept
// sorted. Used by editing/.
#pragma once
#include "model/GDoc.h"
#include <functional>
#include <vector>

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

// The runs over the last paragraph (past its closing mark) that begin at
// pos, when the text from..to reaches that mark. Deleting it takes them, as
// runs that lie inside the deleted text, though the paragraph stays.
template <class Run>
std::vector<Run> LastParagraphRuns(const GDoc& flow, const GArray<Run>& runs, long from, long to)
{
    std::vector<Run> kept;
    const long last = flow.m_chars.count - 3;
    for (LONG i = 0; i < runs.count && to == last; ++i)
        if (runs[i].first == from && runs[i].end > last)
            kept.push_back(runs[i]);
    return kept;
}

// Puts back each kept run that went, removed characters shorter; answers
// whether any went.
template <class Run>
bool PutBackRuns(GArray<Run>& runs, const std::vector<Run>& kept, long removed)
{
    bool any = false;
    for (Run run : kept)
    {
        bool there = false;
        for (LONG i = 0; i < runs.count && !there; ++i)
            there = runs[i].first == run.first;
        if (there)
            continue;
        run.end -= (LONG)removed;
        runs.Add(run);
        any = true;
    }
    if (any)
        SortRuns(runs);
    return any;
}

// Runs take from..to out of the flow, keeping the runs over the last
// paragraph that taking the text would take with it though the paragraph
// stays; what they cover is broken and placed again when any came back.
void KeepLastParagraphRuns(GDoc& flow, long from, long to, const std::function<void()>& take);
