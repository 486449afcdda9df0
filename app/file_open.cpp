// File Open: the Open dialog in the folder of the last files chosen, each
// chosen file opened.
#include "app/CWApp.h"
#include "afxcdlg.h"
#include "resources/resource.h"

namespace {
const DWORD kOpenFlags = OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
// The system appends this to a typed name without extension: the
// extension's letters only.
const char kDefaultExtension[] = "zvw";
}  // namespace

CString ChosenFilesFolder(const CFileDialog& dialog)
{
    // For several files the dialog's path is their folder itself; the first
    // file's full path holds the folder for one file and for many alike.
    POSITION pos = dialog.GetStartPosition();
    const CString first = pos ? dialog.GetNextPathName(pos) : CString();
    const int cut = first.ReverseFind('\\');
    return cut > 0 ? first.Left(cut) : CString();
}

void CWApp::OnFileOpen()
{
    CString filters;
    filters.LoadString(IDS_OPEN_FILTERS);
    CFileDialog dlg(TRUE, kDefaultExtension, nullptr, kOpenFlags, filters, nullptr);
    dlg.m_ofn.lpstrInitialDir = OpenPath;
    if (dlg.DoModal() != IDOK)
        return;
    const CString folder = ChosenFilesFolder(dlg);
    if (!folder.IsEmpty())
        lstrcpynA(OpenPath, folder, sizeof OpenPath);
    for (POSITION pos = dlg.GetStartPosition(); pos;)
        OpenDocumentFile(dlg.GetNextPathName(pos));
}
