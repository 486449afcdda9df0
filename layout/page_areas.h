// Room a paragraph border run takes beside its text; used by the page
// areas of a flow and by breaking column blocks onto pages.
#pragma once
#include "model/flow_records.h"

// Width of a border side's line. Still missing: the table of line styles;
// until the format controls bring it, every line counts as 0 wide, so a
// side takes only its distance from the text.
long BorderLineWidth(const CBorderStyle& side);
// The distance plus the line width of one side (a kBorder* bit) when the
// run has that side, else 0.
long BorderAllowance(const GBorder& run, long side);
