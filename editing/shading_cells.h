// Table cells in a shaded range show the shading as one of their own
// patterns; used by the shading of paragraphs.
#pragma once
// The shading styles a user picks from, by index (kShadingStyleCount): 0
// clear, 1 to 12 percentages, 13 to 18 hatches.
#include "layout/shading.h"

// No cell pattern matches (the cell stays as it is).
const int kNoCellPattern = -1;

// The cell pattern of shading style styleIndex; kNoCellPattern outside
// the styles.
int CellPatternOfShadingStyle(int styleIndex);
