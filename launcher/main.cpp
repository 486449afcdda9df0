// ztrun's process entry: the command tail and show command from the
// process, then the launcher's run, whose result ends the process.
#include "launcher/launcher.h"
#include <stdio.h>

// Four 32-bit arguments, as the module entry of a Win32 program receives
// them; only the command line is used.
static int _WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    return LauncherWinMain(ProcessLauncherHost(), commandLine);
}

int main(int, char**)
{
    LPSTR tail = const_cast<LPSTR>(LauncherCommandTail(::GetCommandLineA()));
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    ::GetStartupInfoA(&startup);
    int result = _WinMain(::GetModuleHandleA(nullptr), nullptr, tail, LauncherShowCommand(startup));
    fflush(stdout);
    ::ExitProcess(result);
}
