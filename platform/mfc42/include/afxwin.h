// Windows-side classes of the class library: device contexts and GDI
// objects, command targets and message maps, windows and menus, frames and
// control bars, documents, views and templates, and the application object.
#pragma once
#include "afx.h"
#include "afxres.h"
#include "afxgdi.h"
#include "afxcmdtarget.h"
#include "afxmsg.h"
#include "afxwnd.h"
#include "afxframe.h"
#include "afxdoc.h"
#include "afxapp.h"
