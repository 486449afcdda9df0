// Making the field of a stored kind byte: the flow's field reader builds
// each field empty through this and lets it read itself (OpenZVW).
#pragma once
#include "model/GField.h"

// A new field of the class of kind, owned by nobody yet, with owner as its
// flow, position 0 and the kind's empty arguments. Null for a kind byte
// that stands alone in a stored field list (4, 5, 7, a text effect's 13,
// unknown bytes): the reader makes nothing of those.
GField* NewFieldOfKind(BYTE kind, GDoc* owner);
