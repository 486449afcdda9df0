// The plain widths of the characters that runs are drawn in, which
// CWView::DoExtTextOut centres in their cells (view/text_output.cpp). They
// are remembered for the whole process, per font and per mapping they were
// read at, so a run asks the device context only for characters of a font
// it has not met at that zoom yet.
#pragma once

namespace TextWidths
{
// Drops every remembered width; the next run of each font reads its own.
void Forget();
// How many times widths were read from a device context so far.
long Reads();
} // namespace TextWidths
