// The class of the floating control bars' frames.
#include "afxfloatframe.h"

namespace {
CRuntimeClass* g_floatingFrameClass = nullptr;
}

void AFXAPI AfxSetFloatingFrameClass(CRuntimeClass* pClass)
{
    if (pClass && !pClass->IsDerivedFrom(RUNTIME_CLASS(CMiniDockFrameWnd)))
        return;
    g_floatingFrameClass = pClass;
}

CRuntimeClass* AFXAPI AfxGetFloatingFrameClass()
{
    return g_floatingFrameClass ? g_floatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
}
