// Windows-side classes of the class library: device contexts and GDI
// objects, command targets and message maps, windows and menus, frames and
// control bars, documents, views and templates, the application object,
// dialogs with their data exchange, controls, property sheets and the
// common dialogs.
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
#include "afxdialog.h"
#include "afxctrls.h"
#include "afxsheet.h"
#include "afxcdlg.h"
