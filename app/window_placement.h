// The main window's placement in the application profile: "Init" once one
// was written, then the fields of the WINDOWPLACEMENT record after its
// length, one integer key each.
#pragma once
#include "afxwin.h"

extern const char szWPTitle[];   // the profile section, "ZTWRITEWP"

void WriteWindowPlacement(CString section, WINDOWPLACEMENT& wp);
// FALSE, leaving wp untouched, when none was ever written; the caller sets
// the record's length.
BOOL ReadWindowPlacement(CString section, WINDOWPLACEMENT& wp);
