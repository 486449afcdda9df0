// Module entry of the lumifex layer. The library is loaded by the launcher
// before the word processor; its classes join as the features that use
// them are built.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
