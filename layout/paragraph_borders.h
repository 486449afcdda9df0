// The width a border painter gives one side of a paragraph border run; the
// view's border painters and the drawing of rows read it.
#pragma once
#include "model/GDoc.h"

// The line width on the page (0.1 mm) of the one side that side and the
// run's mask have in common; minus the run's distance from the text when
// they share no side or more than one. Unlike GDoc::GetBorderWidth, which
// gives the room a side takes (distance + line + 2, or -4), this is the
// line alone. The context is not used.
int GetBorderWidth(const GDoc& flow, int run, int side);
int GetBorderWidth(CDC* dc, const GDoc& flow, int run, int side);

// The style of one side bit of a run (kBorderTop, ...); the right side for
// any other value.
const CBorderStyle& BorderSideStyle(const GBorder& run, long side);
