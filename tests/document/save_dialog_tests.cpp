// The Save As dialog of the system, driven as a user drives it: a timer
// finds the dialog while it runs, reads what it offers, types a name or
// keeps the offered one, and presses OK or Cancel (and Yes when asked to
// replace a file).
#include "tests/support/zt_gtest.h"
#include "tests/document/native_test_document.h"
#include "tests/support/olefile_reader.h"
#include "document/CWDocument.h"
#include "document/file_types.h"
#include "editing/document_editing.h"
#include "model/GDoc.h"
#include "tests/support/flow_inspection.h"
#include "view/CWView.h"
#include <memory>
#include <string>
#include <vector>

namespace {

// Control ids of the system's file dialog.
const int kFileNameCombo = 0x47c;   // cmb13
const int kFileNameEdit = 0x480;    // edt1
const int kFilterCombo = 0x470;     // cmb1
const UINT kTick = 100;             // ms
const int kGiveUpTicks = 150;

// What the user does and what the dialog offered.
struct User
{
    std::string typeName;       // empty: keep the offered name
    bool pressOk = true;
    int ticks = 0;
    bool acted = false;
    bool askedToReplace = false;
    std::string offeredName;
    std::string offeredFilter;
};
User* user = nullptr;

std::string WindowText(HWND h)
{
    char text[512] = "";
    GetWindowTextA(h, text, sizeof text);
    return text;
}

BOOL CALLBACK ActOnWindow(HWND h, LPARAM)
{
    char cls[32] = "";
    GetClassNameA(h, cls, sizeof cls);
    if (!IsWindowVisible(h) || strcmp(cls, "#32770") != 0)
        return TRUE;
    if (HWND yes = GetDlgItem(h, IDYES))
    {
        user->askedToReplace = true;
        SendMessageA(yes, BM_CLICK, 0, 0);
        return FALSE;
    }
    HWND filter = GetDlgItem(h, kFilterCombo);
    if (!filter || user->acted)
        return TRUE;
    HWND name = GetDlgItem(h, kFileNameCombo);
    if (!name)
        name = GetDlgItem(h, kFileNameEdit);
    user->offeredName = WindowText(name);
    const LRESULT chosen = SendMessageA(filter, CB_GETCURSEL, 0, 0);
    char text[256] = "";
    if (chosen >= 0)
        SendMessageA(filter, CB_GETLBTEXT, chosen, (LPARAM)text);
    user->offeredFilter = text;
    if (!user->typeName.empty())
        SetWindowTextA(name, user->typeName.c_str());
    user->acted = true;
    const int button = user->pressOk ? IDOK : IDCANCEL;
    PostMessageA(h, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)GetDlgItem(h, button));
    return FALSE;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (!user)
        return;
    // A dialog that never closes would hang the run: cancel it.
    if (++user->ticks > kGiveUpTicks)
        user->pressOk = false;
    EnumThreadWindows(GetCurrentThreadId(), ActOnWindow, 0);
}

// Runs what while a timer plays the user.
template <class F>
auto AsUser(User& u, F what)
{
    user = &u;
    const UINT_PTR timer = SetTimer(NULL, 0, kTick, OnTick);
    auto result = what();
    KillTimer(NULL, timer);
    user = nullptr;
    return result;
}

using Template = NativeTemplate;

class SaveDialog : public testing::Test
{
protected:
    // Keeps the messages the document shows, answered at once.
    struct QuietApp : CWinApp
    {
        QuietApp() : CWinApp("ZtSaveDialogTest") {}
        std::vector<std::string> told;
        int DoMessageBox(LPCSTR text, UINT, UINT) override
        {
            told.push_back(text ? text : "");
            return IDOK;
        }
    } app;
    Template maker;
    std::unique_ptr<CWDocument> doc = maker.New();
    std::string folder;

    void SetUp() override
    {
        char display[64] = "";
        if (!GetEnvironmentVariableA("DISPLAY", display, sizeof display))
            GTEST_SKIP() << "the dialog needs an X display";
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "ztsavedlg" + std::to_string(GetCurrentProcessId()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder.c_str(), NULL);
    }
    void TearDown() override
    {
        ReleaseDocEditing(doc.get());
        doc->m_rootStorage.Release();
        for (const char* name : {"letter.txt", "letter.zvw", "letter.ztk", "copy.txt", "memo.asc", "memo.zvw", "page.htm"})
            DeleteFileA(Path(name).c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string Path(const std::string& name) { return folder + "\\" + name; }
    void OpenText(const char* name, const char* bytes)
    {
        CFile file(Path(name).c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes, (UINT)strlen(bytes));
        file.Close();
        ASSERT_TRUE(doc->OnOpenDocument(Path(name).c_str()));
        doc->SetPathName(Path(name).c_str(), FALSE);
    }
};

TEST_F(SaveDialog, FileSaveOfATextDocumentSavesItNativelyUnderTheSameName)
{
    OpenText("letter.txt", "Dear you");
    User u;
    AsUser(u, [&] {
        doc->OnFileSave();
        return 0;
    });
    ASSERT_TRUE(u.acted) << "the dialog was not shown, error " << std::hex << CommDlgExtendedError();
    EXPECT_NE(u.offeredName.find("letter"), std::string::npos) << u.offeredName;
    EXPECT_EQ(u.offeredName.find(".txt"), std::string::npos) << u.offeredName;
    EXPECT_EQ(u.offeredFilter.rfind("Zentavo Write 2000 Document", 0), 0u) << u.offeredFilter;
    EXPECT_EQ(doc->m_nFileType, kFileNative);
    EXPECT_EQ(doc->GetPathName(), CString(Path("letter.zvw").c_str()));
    doc->m_rootStorage.Release();
    EXPECT_TRUE(IsZtWriteDocument(Path("letter.zvw").c_str()));
    EXPECT_EQ(FileBytes(Path("letter.txt")), "Dear you");
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(SaveDialog, CancelLeavesTypeNameAndModifiedFlag)
{
    OpenText("memo.asc", "memo");
    doc->SetModifiedFlag(TRUE);
    User u;
    u.pressOk = false;
    // The close question's save of OEM text goes the way of File Save.
    const BOOL saved = AsUser(u, [&] { return doc->DoFileSave(); });
    EXPECT_FALSE(saved);
    ASSERT_TRUE(u.acted);
    EXPECT_EQ(u.offeredFilter.rfind("Zentavo Write 2000 Document", 0), 0u) << u.offeredFilter;
    EXPECT_EQ(doc->m_nFileType, kFileOemText);
    EXPECT_EQ(doc->GetPathName(), CString(Path("memo.asc").c_str()));
    EXPECT_EQ(doc->GetPathName()[0], Path("memo.asc")[0]) << "the path's first character stays";
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(GetFileAttributesA(Path("memo.zvw").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SaveDialog, SaveAsWithATypedNameReplacesTheFileAfterAsking)
{
    OpenText("letter.txt", "Dear you");
    {
        CFile old(Path("copy.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
        old.Write("old", 3);
    }
    User u;
    u.typeName = Path("copy.txt");
    const BOOL saved = AsUser(u, [&] { return doc->DoSave(NULL, TRUE); });
    EXPECT_TRUE(saved);
    EXPECT_TRUE(u.askedToReplace);
    EXPECT_EQ(u.offeredFilter.rfind("Text Files (*.txt)", 0), 0u) << u.offeredFilter;
    EXPECT_EQ(doc->m_nFileType, kFilePlainText);
    EXPECT_EQ(FileBytes(Path("copy.txt")), "Dear you");
    EXPECT_EQ(doc->GetPathName(), CString(Path("copy.txt").c_str()));
}

// The file the user chose to replace survives a save that fails.
TEST_F(SaveDialog, AFailedSaveAsKeepsTheFileTheUserChoseToReplace)
{
    // No filter for this format ships, so its conversion fails.
    {
        CFile old(Path("letter.rtf").c_str(), CFile::modeCreate | CFile::modeWrite);
        old.Write("{\\rtf1 old}", 11);
    }
    doc->SetPathName(Path("letter.rtf").c_str(), FALSE);
    doc->m_nFileType = kFileRtf;
    doc->SetModifiedFlag(TRUE);
    User u;
    const BOOL saved = AsUser(u, [&] { return doc->DoSave(NULL, TRUE); });
    EXPECT_FALSE(saved);
    ASSERT_TRUE(u.acted);
    EXPECT_TRUE(u.askedToReplace);
    EXPECT_EQ(u.offeredFilter.rfind("Rich Text Format", 0), 0u) << u.offeredFilter;
    EXPECT_EQ(FileBytes(Path("letter.rtf")), "{\\rtf1 old}");
    EXPECT_EQ(doc->m_nFileType, kFileRtf);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(app.told.empty()) << "the user is told";
}

} // namespace
