// The binding table of the toolbar buttons that hold controls (combo
// boxes, the offset edit, two-part buttons), handed to the toolbar manager
// when the frame creates its toolbars.
#pragma once
#include "zttools.h"

extern CXCBtnMapEntry btnMapWrite[];
