#include "convert/conversion_services.h"

// Still missing: the format recogniser, the conversion driver and the DOS
// password gate; until they exist nothing is recognised and every
// conversion fails.
int32_t fileLength = 0;
int Supported(const char*) { return 0; }
int MainConversion(unsigned char, CWDocument*) { return 1; }
int CHK_password(CWnd&, const char*) { return 0; }
