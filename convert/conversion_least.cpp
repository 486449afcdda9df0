#include "convert/conversion_services.h"

// Still missing: the DOS password gate; until it exists no DOS document
// opens.
int32_t fileLength = 0;
int CHK_password(CWnd&, const char*) { return 0; }
