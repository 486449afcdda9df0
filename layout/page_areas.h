// Room a paragraph border run takes beside its text; used by the page
// areas of a flow and by breaking column blocks onto pages.
#pragma once
#include "model/flow_records.h"

// Width of a border side's line on the page (0.1 mm): word 2 of its row of
// the line-style table; a number outside the table is the line of no width.
long BorderLineWidth(const CBorderStyle& side);
// The distance plus the line width of one side (a kBorder* bit) when the
// run has that side, else 0.
long BorderAllowance(const GBorder& run, long side);
