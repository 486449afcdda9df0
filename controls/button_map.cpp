// The binding table of the toolbar controls.
#include "controls/button_map.h"

// Still missing: the controls' button classes; until they exist every
// toolbar button is a plain command button and the table holds only its
// terminating row.
CXCBtnMapEntry btnMapWrite[] = {
    { nullptr, 0, 0, 0, 0, 0, 0, 0, 0 },
};
