// Pasting a range of one flow into another at the caret, shared by pasting
// and mail merge (editing/paste_flow.cpp).
#pragma once
#include "model/GDoc.h"
#include <vector>

// The character that holds a merge field's place until its value comes.
const char kMergePlaceholder = '_';

// Where a merge field's placeholder landed in the target, and the source
// field it stands for.
struct MergePlaceholder
{
    long pos;
    GField* field;
};

// Pastes source's first..end at target's caret as one undo step. With
// merge, cell fields are not copied: each leaves a placeholder, noted in
// order in merge.
void PasteFlowRange(GDoc& target, const GDoc& source, long first, long end, std::vector<MergePlaceholder>* merge);
