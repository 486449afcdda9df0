// The border-offset edit's class-wide value.
#include "controls/COffsetMsrEdit.h"

// Half a millimetre until the user enters another distance.
LONG COffsetMsrEdit::m_StaticValue = 5;
