// The application's answer whether the program may end.
#include "app/CWApp.h"

BOOL CWApp::SaveAllModified()
{
    QuitWrite = CWinApp::SaveAllModified();
    return QuitWrite;
}
