// Comparing, copying and sorting paragraph border runs and their side
// styles. A side array holds four styles: left, right, top, bottom.
#pragma once
#include "model/flow_records.h"
#include "model/GArray.h"

// Index of each side in a side array.
const int kSideLeft = 0;
const int kSideRight = 1;
const int kSideTop = 2;
const int kSideBottom = 3;
const int kSideCount = 4;

// Two equal boxes join when the second begins at most this far after the
// first ends.
const long kBorderJoinReach = 1;

// A mask above this sets its sides (mask - 32) exactly; below it, toggles.
const long kExactSides = 32;

// Sorts the runs by first character, ascending; ties keep their order.
void SortBorders(GArray<GBorder>& runs);
// 1 when the two side styles are equal in all three words.
int CompareOne(const CBorderStyle* a, const CBorderStyle* b);
// 1 when the four side styles of a equal those of b, or of the side array.
int compStyle(const GBorder* a, const GBorder* b);
int compStyle(const GBorder* a, const CBorderStyle* styles);
void CopyStyles(CBorderStyle* dst, const CBorderStyle* src);
// The four side styles of a run as a side array.
void SideArrayOf(const GBorder& run, CBorderStyle* styles);
