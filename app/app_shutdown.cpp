// Shut-down of the application object and its answer whether the program
// may end.
#include "app/CWApp.h"
#include "layout/shading.h"
#include "model/GCaption.h"
#include <stdio.h>

namespace {
// Keys "0" to this minus one are cleared at every end, more when the list
// is longer.
const int kClearedCaptionKeys = 40;

void CaptionKey(char* key, int n)
{
    sprintf(key, "%d", n);
}
}  // namespace

int CWApp::ExitInstance()
{
    // The main frame's creation loads the shading patterns.
    DeleteBrushes();
    SaveCaptions();
    ReleasePrinterDC();
    ReleaseScreenDC();
    return CZTApp::ExitInstance();
}

void CWApp::SaveCaptions()
{
    const CStringArray& labels = GCaption::Labels;
    char key[16];
    const int cleared = labels.GetSize() > kClearedCaptionKeys ? (int)labels.GetSize() : kClearedCaptionKeys;
    for (int n = 0; n < cleared; n++)
    {
        CaptionKey(key, n);
        WriteProfileString(kCaptionSection, key, nullptr);
    }
    int written = 0;
    for (int i = 0; i < labels.GetSize(); i++)
    {
        if (labels[i].IsEmpty())
            continue;
        CaptionKey(key, written++);
        WriteProfileString(kCaptionSection, key, labels[i]);
    }
    CaptionKey(key, written);
    WriteProfileString(kCaptionSection, key, nullptr);
}

BOOL CWApp::PreTranslateMessage(MSG* pMsg)
{
    return CZTApp::PreTranslateMessage(pMsg);
}

BOOL CWApp::SaveAllModified()
{
    QuitWrite = CWinApp::SaveAllModified();
    return QuitWrite;
}
