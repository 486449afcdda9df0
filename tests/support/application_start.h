// What the application's start-up prepares before any document exists: the
// settings and the font list. Test and benchmark programs run it once.
#pragma once

// Loads the settings as a first start finds them (from a key that holds
// none, whatever the user of this prefix stored) and builds the font list.
void StartLikeTheApplication();

// Frees what the tests made of the application's start-up (the document
// templates) while Win32 still answers: the static destructors at exit run
// too late for it, and a crash there loses the program's exit code.
void EndLikeTheApplication();
