// The range of font sizes kept for text: 4 to 127 points, held in 0.1 mm.
// Used by the style tables' management and by character formatting.
#pragma once

const int kLeastFontPoints = 4;
const int kMostFontPoints = 127;
const int kLeastFontSize = 14;    // 4 points in 0.1 mm
const int kMostFontSize = 448;    // 127 points in 0.1 mm
// A size of exactly this passes every check unchanged.
const int kPassingFontSize = 1;

// Brings size (0.1 mm) into 4..127 points: below it becomes 14, above it
// 448. With onePasses a size of exactly 1 stays. Answers true when size
// changed.
bool FitFontSize(int& size, bool onePasses);
