// The main window's placement in the application profile.
#include "app/window_placement.h"

const char szWPTitle[] = "ZTWRITEWP";

namespace {

const char kInit[] = "Init";

// The record's fields after its length, in order.
int& FieldRef(WINDOWPLACEMENT& wp, int i)
{
    switch (i)
    {
    case 0: return (int&)wp.flags;
    case 1: return (int&)wp.showCmd;
    case 2: return (int&)wp.ptMinPosition.x;
    case 3: return (int&)wp.ptMinPosition.y;
    case 4: return (int&)wp.ptMaxPosition.x;
    case 5: return (int&)wp.ptMaxPosition.y;
    case 6: return (int&)wp.rcNormalPosition.left;
    case 7: return (int&)wp.rcNormalPosition.top;
    case 8: return (int&)wp.rcNormalPosition.right;
    default: return (int&)wp.rcNormalPosition.bottom;
    }
}

const char* const kKeys[] = { "Flags", "Show Command", "MinPosX", "MinPosY", "MaxPosX", "MaxPosY",
                              "NormalPosLeft", "NormalPosTop", "NormalPosRight", "NormalPosBottom" };

}  // namespace

void WriteWindowPlacement(CString section, WINDOWPLACEMENT& wp)
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(section, kInit, 1);
    for (int i = 0; i < (int)_countof(kKeys); i++)
        app->WriteProfileInt(section, kKeys[i], FieldRef(wp, i));
}

BOOL ReadWindowPlacement(CString section, WINDOWPLACEMENT& wp)
{
    CWinApp* app = AfxGetApp();
    if (app->GetProfileInt(section, kInit, 0) == 0)
        return FALSE;
    for (int i = 0; i < (int)_countof(kKeys); i++)
        FieldRef(wp, i) = (int)app->GetProfileInt(section, kKeys[i], FieldRef(wp, i));
    return TRUE;
}
