// The tools library: every class it offers so far.
#pragma once
#include "xhelpdlg.h"
#include "xtoolbarmgr.h"
#include "xmdiframe.h"
#include "xmenu.h"
#include "xrunapp.h"
#include "xlogownd.h"
#include "xaboutdlg.h"
