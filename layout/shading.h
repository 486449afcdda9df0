// The shading table, its pattern bitmaps and the fills of a shading style;
// paragraph shading, the shading of embedded objects and the shading
// controls' previews paint with them.
#pragma once
#include "afxwin.h"
#include "model/flow_records.h"

const int kShadingStyleCount = 19;
// Table entries without a pattern bitmap: Clear and Solid come first.
const int kFirstPatternShading = 2;
const int kPatternBitmapCount = 11;
const LONG kClearPercent = 0;
const LONG kSolidPercent = 100;
const LONG kNoHatch = -1;

// The 19 named styles, all White on Silver until the shading buttons write
// the selection's colours into them.
extern CShadeStyle ShadingStyles[kShadingStyleCount];
// Pattern bitmap of table entry i + 2; empty until LoadBrushes.
extern CBitmap Brushes[kPatternBitmapCount];

// The name of table entry index, from the names string; empty outside it.
CString ShadingStyleName(int index);

// Load the pattern bitmaps from the resources; free them. The main frame's
// creation and the application's exit call them.
void LoadBrushes();
void DeleteBrushes();

// The first table entry whose percent lies within less than 5 of the
// style's and whose pattern equals it; 0 (Clear) when none does.
int FindShading(const CShadeStyle& style);
// Attaches the brush that paints style (index: its table entry): the page
// colour for percent 0, a hatch or solid brush of the fore colour for 100,
// else the pattern bitmap of the entry. The context is not used.
void ChooseBrush(const CShadeStyle& style, CBrush* brush, int index, CDC* dc);
// Fill a rectangle or a region with style in the context's coordinates.
void DrawShade(CDC* dc, CRect rect, const CShadeStyle& style);
void DrawShade(CDC* dc, CRgn* region, const CShadeStyle& style);
// Colour lightened towards white: each byte c becomes
// c + (255 - c) * (1 - percent / 100), truncated.
COLORREF CalcColor(unsigned long colour, int percent);

// Sorts shading runs by first character.
void SortShades(GArray<GShade>& shades);
