// Start-up of the word processor's test and benchmark programs.
#include "tests/support/application_start.h"
#include "app/CWApp.h"
#include "app/CWOptions.h"

namespace {
const char kNoSettings[] = "Software\\ztwrite tests\\no settings";
}

void StartLikeTheApplication()
{
    HKEY root = NULL;
    RegCreateKeyA(HKEY_CURRENT_USER, kNoSettings, &root);
    Options.LoadFrom(root);
    if (root)
        RegCloseKey(root);
    App.InitFonts();
}

void EndLikeTheApplication()
{
    delete App.m_pDocManager;
    App.m_pDocManager = nullptr;
}
