// The style of a callout arrow (line style, ends, colour) that frames keep
// and store; drawn by the view's arrow drawing.
#pragma once
#include "afx.h"
#include "model/colors.h"

// Still missing: the view's arrow drawing.
struct tagArrowStyle
{
    LONG lineStyle = 0;          // index into the line-style table
    LONG startHead = 0;
    LONG endHead = 1;
    LONG headSize = 1;
    LONG middleOfSide = 0;       // the arrow leaves the frame from the middle of a side
    LONG colour = 0;

    static const int kStoredSize = 24;
    void Save(CArchive& ar) const { ar << lineStyle << startHead << endHead << headSize << middleOfSide << colour; }
    // Older files kept a colour number of the named-colour table (1 to 14)
    // in the colour word; it is read as that colour.
    void Load(CArchive& ar)
    {
        ar >> lineStyle >> startHead >> endHead >> headSize >> middleOfSide >> colour;
        if (colour >= kFirstOldColourNumber && colour <= kLastOldColourNumber)
            colour = (LONG)GetColor((unsigned char)colour);
    }
    static const LONG kFirstOldColourNumber = 1;
    static const LONG kLastOldColourNumber = 14;
};
