// Windows-side classes of the class library: device contexts and GDI
// objects, command targets and the application object.
#pragma once
#include "afx.h"
#include "afxgdi.h"
#include "afxcmdtarget.h"
#include "afxapp.h"
