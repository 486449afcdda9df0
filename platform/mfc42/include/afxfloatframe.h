// The class of the small frames that floating control bars live in: the
// class library's CMiniDockFrameWnd unless the program names one derived
// from it.
#pragma once
#include "afxwin.h"

// Null restores CMiniDockFrameWnd; a class not derived from it is refused.
void AFXAPI AfxSetFloatingFrameClass(CRuntimeClass* pClass);
CRuntimeClass* AFXAPI AfxGetFloatingFrameClass();
