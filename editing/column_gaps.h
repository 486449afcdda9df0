// Column gaps wide enough for the side borders of the paragraphs in a
// column block; used when columns are set and when borders change.
#pragma once
#include "model/GDoc.h"

// Fits the count width/gap pairs of data (count above 1) to the side
// borders of the runs that share characters with first..next: gaps grow to
// twice the widest side, columns narrow to pay for it, and where even the
// narrowest useful columns leave too little room, the side borders of all
// the block's runs are brought to one narrower width instead. equal: all columns share one width and one gap.
void FitColumnGaps(GDoc& flow, long first, long next, int count, tagColumnData* data, int equal);
