// What picture, text-effect and embedded-object fields share: a displayed
// size in 0.1 mm kept between 0.1 and 10 inches, fitted into its row and
// frame with its proportions, and the stored rectangle where it was drawn.
#pragma once
#include "model/GField.h"

class CWView;

const LONG kSmallestObjectSide = 25;     // 0.1 inch
const LONG kLargestObjectSide = 2540;    // 10 inches
// Fitting keeps this much below the frame's greatest height; a natural
// size keeps one unit below the row and the frame.
const LONG kFrameFitMargin = 20;

// size with each side clamped to the range; when either was clamped the
// user is told once, in the unit of the options.
CSize ClampObjectSize(CSize size);

// size as field shows it: narrowed to its row's width, then lowered to its
// flow's first frame's greatest height less kFrameFitMargin, keeping the
// proportions.
CSize FitObjectSize(GField& field, CSize size);

// The room a natural size may take: the row's width less its left margin
// less 1, and the first frame's greatest height less 1 (0: no frame).
CSize NaturalSizeRoom(GField& field);

// The view of field's document that turns pixels into 0.1 mm, or null.
CWView* FirstViewOf(const GField& field);

// The stored rectangle as a view sees it: shifted by the negated offset
// of the flow at the field's position, unless rows are drawn off-screen.
CRect ObjectRectInView(const GField& field, const CRect& stored, CWView* view);

// Where a picture, text effect or embedded object (cells too) was drawn
// last, in that context's units; null for any other field.
CRect* StoredObjectRect(GField& field);

// The stored form's size and rectangle, as pictures, effects and objects
// write them after the common part.
void WriteSizeAndRect(CArchive& ar, LONG width, LONG height, const CRect& rect);
void ReadSizeAndRect(CArchive& ar, LONG& width, LONG& height, CRect& rect);
