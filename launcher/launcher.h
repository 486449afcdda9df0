// The launcher's start-up: load the runtime library, the class library, the
// sibling libraries and the word processor, run the class library's
// WinMain, free everything in reverse order.
#pragma once
#include "launcher/launcher_host.h"

// Libraries loaded after the runtime library, in load order; freed in the
// reverse order.
extern const char* const kLauncherLibraries[12];

// Launcher result when the class library exports no WinMain: nothing ran.
const int kLauncherNoWinMainExitCode = 2;

// The command tail: everything after the first blank of the command line,
// with exactly that one blank removed (quotes get no special treatment).
const char* LauncherCommandTail(const char* commandLine);

// The show command from the start-up information: its show-window field
// when STARTF_USESHOWWINDOW is set, else 1.
int LauncherShowCommand(const STARTUPINFOA& startup);

// The whole run; answers WinMain's result.
int LauncherWinMain(LauncherHost& host, LPSTR commandTail);
