// The base library's module state.
#include "ZTDoc.h"

// One state for the module; made on first use, never in a static
// initialiser.
ZTModuleState* ZTGetModuleState()
{
    static ZTModuleState* state = new ZTModuleState;
    return state;
}
