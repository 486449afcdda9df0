// The application's commands under the X display in a main frame of their
// own: File New from the default template, the New dialog's DoFileNew, File
// Open driven through the system's Open dialog, and passing changed
// settings to the open documents. Without a display these tests skip.
#include "tests/support/zt_gtest.h"
#include "tests/support/window_test_support.h"
#include "tests/support/flow_inspection.h"
#include "tests/app/dialog_user.h"
#include "tests/app/frame_window_test.h"
#include "afxcdlg.h"
#include "app/CWApp.h"
#include "app/CWMainFrame.h"
#include "app/CWMultiDocTemplate.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "document/file_types.h"
#include "editing/document_editing.h"
#include "model/GDoc.h"
#include "resources/resource.h"
#include "view/CWView.h"
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using dialog_user::Press;

// Control ids of the system's file dialog.
const int kFileNameCombo = 0x47c;   // cmb13
const int kFileNameEdit = 0x480;    // edt1

std::vector<CWDocument*> OpenDocuments()
{
    std::vector<CWDocument*> documents;
    CDocTemplate* docTemplate = ApplicationTemplate();
    for (POSITION pos = docTemplate->GetFirstDocPosition(); pos;)
        documents.push_back((CWDocument*)docTemplate->GetNextDoc(pos));
    return documents;
}

CWView* FirstView(CDocument* doc)
{
    POSITION pos = doc->GetFirstViewPosition();
    return pos ? (CWView*)doc->GetNextView(pos) : nullptr;
}

std::vector<std::string> RecentFiles()
{
    std::vector<std::string> names;
    for (int i = 0; i < App.m_pRecentFileList->GetSize(); i++)
        names.push_back((LPCSTR)(*App.m_pRecentFileList)[i]);
    return names;
}

// Types into the file name box of the system's file dialog and presses OK.
void TypeFileName(HWND dialog, const std::string& text)
{
    HWND name = GetDlgItem(dialog, kFileNameCombo);
    if (!name)
        name = GetDlgItem(dialog, kFileNameEdit);
    SetWindowTextA(name, text.c_str());
    Press(dialog, IDOK);
}

class AppCommands : public FrameWindowTest
{
protected:
    std::string folder;
    char savedTemplatePath[CWOptions::kPathSize];
    char savedOpenPath[_MAX_PATH];
    COLORREF savedColor = 0;

    void SetUp() override
    {
        memcpy(savedTemplatePath, Options.TemplatePath, sizeof savedTemplatePath);
        memcpy(savedOpenPath, OpenPath, sizeof savedOpenPath);
        savedColor = Options.FontColor;
        OpenFrame("app commands");
        if (IsSkipped() || HasFatalFailure())
            return;
        ApplicationTemplate();
        App.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 4);
        App.m_pRecentFileList->Add("C:\\letters\\one.zvw");
        App.m_pRecentFileList->Add("C:\\letters\\two.zvw");

        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "ztappcmd" + std::to_string(GetCurrentProcessId()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder.c_str(), NULL);
    }

    void TearDown() override
    {
        FrameWindowTest::TearDown();
        delete App.m_pRecentFileList;
        App.m_pRecentFileList = nullptr;
        if (!folder.empty())
        {
            for (const std::string& name : written)
                DeleteFileA(Path(name).c_str());
            RemoveDirectoryA(folder.c_str());
        }
        memcpy(Options.TemplatePath, savedTemplatePath, sizeof savedTemplatePath);
        memcpy(OpenPath, savedOpenPath, sizeof savedOpenPath);
        Options.FontColor = savedColor;
    }

    std::vector<std::string> written;
    std::string Path(const std::string& name) const { return folder + "\\" + name; }

    // A native file holding text, saved as the given type.
    void WriteDocument(const std::string& name, const char* text, LONG fileType = kFileNative)
    {
        CDocument* made = ApplicationTemplate()->OpenDocumentFile(nullptr, TRUE);
        ASSERT_NE(made, nullptr);
        CWDocument* doc = (CWDocument*)made;
        std::string buffer(text);
        doc->m_flows[kBodyFlow]->InsertText(0, &buffer[0], 1);
        doc->m_nFileType = fileType;
        ASSERT_TRUE(doc->SaveNativeFile(Path(name).c_str()));
        doc->m_rootStorage.Release();
        doc->OnCloseDocument();
        PumpWaitingMessages();
        written.push_back(name);
    }
};

// What an update handler set.
class ItemState : public CCmdUI
{
public:
    void Enable(BOOL bOn) override { enabled = bOn; }
    BOOL enabled = TRUE;
};

TEST_F(AppCommands, ToolsCommandsWithoutAToolAreEnabledAndOptionsIsGreyedUntilItsSheetExists)
{
    auto enabled = [this](UINT id) {
        ItemState state;
        state.m_nID = id;
        state.DoUpdate(frame, TRUE);
        return state.enabled;
    };
    for (UINT id : { ID_TOOLS_MACROS, ID_TOOLS_MACRO_EDITOR, ID_TOOLS_FORM_EDITOR, ID_FILE_SAVE_ALL,
                     ID_HELP_TIP_OF_THE_DAY, ID_HELP_ABOUT, ID_FILE_NEW_DLG, ID_FILE_OPEN_ZVW })
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_FALSE(enabled(ID_TOOLS_OPTIONS));
    for (UINT id : { ID_TOOLS_MACROS, ID_TOOLS_MACRO_EDITOR, ID_TOOLS_FORM_EDITOR })
        frame->SendMessage(WM_COMMAND, id);
    EXPECT_TRUE(OpenDocuments().empty());
}

// ---- File New

TEST_F(AppCommands, TheDefaultTemplatePathHasOneBackslashBeforeNormal)
{
    for (const char* templateFolder : { "C:\\Templates", "C:\\Templates\\" })
    {
        lstrcpynA(Options.TemplatePath, templateFolder, sizeof Options.TemplatePath);
        EXPECT_EQ(std::string(DefaultTemplatePath()), "C:\\Templates\\NORMAL.zvp") << templateFolder;
    }
}

TEST_F(AppCommands, FileNewFillsAModifiedDocumentFromTheDefaultTemplateUndoableOnlyToIt)
{
    WriteDocument("NORMAL.zvp", "Dear Sir or Madam,\rYours faithfully", kFileTemplate);
    lstrcpynA(Options.TemplatePath, folder.c_str(), sizeof Options.TemplatePath);
    const std::vector<std::string> recent = RecentFiles();

    frame->SendMessage(WM_COMMAND, ID_FILE_NEW_DEFAULT);
    PumpWaitingMessages();

    const std::vector<CWDocument*> documents = OpenDocuments();
    ASSERT_EQ(documents.size(), 1u) << "the template document was closed";
    CWDocument* doc = documents[0];
    EXPECT_EQ(FlowText(*doc->m_flows[kBodyFlow]), "Dear Sir or Madam,\rYours faithfully");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().IsEmpty());
    EXPECT_FALSE(doc->CanUndo()) << "undo stops at the template's content";
    EXPECT_TRUE(doc->m_bUndoEnabled);
    EXPECT_EQ(doc->m_nViewNotify, 0) << "the change bracket is closed";
    EXPECT_EQ(RecentFiles(), recent) << "the template is none of the user's recent files";

    // Typing after it is undone back to the template's text.
    CWView* view = FirstView(doc);
    ASSERT_NE(view, nullptr);
    std::string typed("Hello ");
    doc->m_flows[kBodyFlow]->InsertText(0, &typed[0], 1);
    EXPECT_TRUE(doc->CanUndo());
    while (doc->CanUndo())
        doc->MakeUndo();
    EXPECT_EQ(FlowText(*doc->m_flows[kBodyFlow]), "Dear Sir or Madam,\rYours faithfully");
}

TEST_F(AppCommands, FileNewWithoutTheDefaultTemplateMakesAPlainDocument)
{
    lstrcpynA(Options.TemplatePath, folder.c_str(), sizeof Options.TemplatePath);
    App.OnFileNew();
    PumpWaitingMessages();
    const std::vector<CWDocument*> documents = OpenDocuments();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(FlowText(*documents[0]->m_flows[kBodyFlow]), "");
    EXPECT_FALSE(documents[0]->IsModified());
}

TEST_F(AppCommands, DoFileNewFromAChosenTemplateAndAsANewTemplate)
{
    WriteDocument("Letter.zvp", "Letter head", kFileTemplate);
    const std::vector<std::string> recent = RecentFiles();
    const BOOL smart = Options.SmartCutPaste;

    CWDocument* doc = App.DoFileNew(Path("Letter.zvp").c_str(), 0);
    PumpWaitingMessages();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(FlowText(*doc->m_flows[kBodyFlow]), "Letter head");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_EQ(Options.SmartCutPaste, smart) << "restored after the paste";
    EXPECT_EQ(RecentFiles(), recent);
    EXPECT_EQ(OpenDocuments().size(), 1u);

    // An empty path (the built-in template) makes a plain new template.
    CWDocument* newTemplate = App.DoFileNew("", 1);
    ASSERT_NE(newTemplate, nullptr);
    EXPECT_EQ(newTemplate->m_nFileType, kFileTemplate);
    EXPECT_EQ(FlowText(*newTemplate->m_flows[kBodyFlow]), "");
    EXPECT_EQ(IsNewDocumentTemplate, 0);
}

// ---- File Open

// The user goes to a folder by typing it, then chooses names there.
dialog_user::Act ChooseIn(const std::string& folder, const std::string& names, int* looks)
{
    return [folder, names, looks](HWND h) {
        if (!GetDlgItem(h, kFileNameCombo) && !GetDlgItem(h, kFileNameEdit))
            return false;
        TypeFileName(h, (*looks)++ == 0 ? folder : names);
        return true;
    };
}

TEST_F(AppCommands, FileOpenOfThreeChosenFilesOpensAllAndKeepsTheirFolder)
{
    for (const char* name : { "alpha.zvw", "beta.zvw", "gamma.zvw" })
        WriteDocument(name, name);
    lstrcpynA(OpenPath, "C:\\", sizeof OpenPath);
    int looks = 0;
    AsUser(ChooseIn(folder, "\"alpha.zvw\" \"beta.zvw\" \"gamma.zvw\"", &looks), [&] {
        frame->SendMessage(WM_COMMAND, ID_FILE_OPEN_ZVW);
        return 0;
    });
    PumpWaitingMessages();
    ASSERT_GE(looks, 2) << "the Open dialog was not shown, error " << std::hex << CommDlgExtendedError();

    std::set<std::string> texts, paths;
    for (CWDocument* doc : OpenDocuments())
    {
        texts.insert(FlowText(*doc->m_flows[kBodyFlow]));
        paths.insert((LPCSTR)doc->GetPathName());
    }
    EXPECT_EQ(texts, (std::set<std::string>{ "alpha.zvw", "beta.zvw", "gamma.zvw" }));
    EXPECT_EQ(paths, (std::set<std::string>{ Path("alpha.zvw"), Path("beta.zvw"), Path("gamma.zvw") }));
    EXPECT_STREQ(OpenPath, folder.c_str()) << "the files' own folder, not the one above";
}

TEST_F(AppCommands, FileOpenOfOneFileKeepsItsFolderAndCancelChangesNothing)
{
    WriteDocument("single.zvw", "single");
    lstrcpynA(OpenPath, "C:\\", sizeof OpenPath);
    int looks = 0;
    AsUser(ChooseIn(folder, "single.zvw", &looks), [&] {
        App.OnFileOpen();
        return 0;
    });
    PumpWaitingMessages();
    ASSERT_EQ(OpenDocuments().size(), 1u);
    EXPECT_STREQ(OpenPath, folder.c_str());

    lstrcpynA(OpenPath, "C:\\", sizeof OpenPath);
    bool cancelled = false;
    AsUser(
        [&](HWND h) {
            Press(h, IDCANCEL);
            cancelled = true;
            return true;
        },
        [&] {
            App.OnFileOpen();
            return 0;
        });
    PumpWaitingMessages();
    EXPECT_TRUE(cancelled);
    EXPECT_STREQ(OpenPath, "C:\\");
    EXPECT_EQ(OpenDocuments().size(), 1u);
}

TEST_F(AppCommands, TheOpenDialogTakesAChoiceOfManyFiles)
{
    // Eighty names of forty characters: far more than one path's room.
    std::string names;
    std::vector<std::string> expected;
    for (int i = 0; i < 80; i++)
    {
        char name[64];
        sprintf(name, "a rather long document name number %03d.zvw", i);
        CFile file(Path(name).c_str(), CFile::modeCreate | CFile::modeWrite);
        written.push_back(name);
        names += std::string("\"") + name + "\" ";
        expected.push_back(Path(name));
    }
    CFileDialog dlg(TRUE, "zvw", nullptr, OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY);
    int looks = 0;
    const INT_PTR result = AsUser(ChooseIn(folder, names, &looks), [&] { return dlg.DoModal(); });
    ASSERT_EQ(result, IDOK) << "error " << std::hex << CommDlgExtendedError();
    std::vector<std::string> chosen;
    for (POSITION pos = dlg.GetStartPosition(); pos;)
        chosen.push_back((LPCSTR)dlg.GetNextPathName(pos));
    std::sort(chosen.begin(), chosen.end());
    EXPECT_EQ(chosen, expected);
    EXPECT_EQ(std::string(ChosenFilesFolder(dlg)), folder);
}

// ---- Settings reaching the open documents

TEST_F(AppCommands, ApplyOptionsGivesTheDefaultColourToNormalUnmodifiedAndRepaints)
{
    Options.ApplyOptions();   // nothing open: nothing happens

    CWDocument* first = (CWDocument*)ApplicationTemplate()->OpenDocumentFile(nullptr, TRUE);
    CWDocument* second = (CWDocument*)ApplicationTemplate()->OpenDocumentFile(nullptr, TRUE);
    ASSERT_TRUE(first && second);
    PumpWaitingMessages();
    CString normal;
    normal.LoadString(IDS_MSTYLE_NORMAL);
    // The second document has no "(M) Normal": it keeps its styles.
    const long renamed = second->m_masterStyles.FindStyle(normal);
    ASSERT_GE(renamed, 0);
    second->m_masterStyles[renamed].SetName("(M) Plain");
    std::vector<COLORREF> secondColours;
    for (LONG i = 0; i < second->m_fontStyles.GetCount(); i++)
        secondColours.push_back(second->m_fontStyles[i].style.m_Colour);
    const LONG undoBefore = first->CanUndo();

    for (CWDocument* doc : { first, second })
        FirstView(doc)->ValidateRect(nullptr);
    Options.FontColor = RGB(0x12, 0x34, 0x56);
    Options.ApplyOptions();

    const int font = first->m_masterStyles[first->m_masterStyles.FindStyle(normal)].style.m_Font;
    EXPECT_EQ(first->m_fontStyles[font].style.m_Colour, RGB(0x12, 0x34, 0x56));
    EXPECT_FALSE(first->IsModified());
    EXPECT_EQ(first->CanUndo(), undoBefore);
    for (LONG i = 0; i < second->m_fontStyles.GetCount(); i++)
        EXPECT_EQ(second->m_fontStyles[i].style.m_Colour, secondColours[i]) << i;
    for (CWDocument* doc : { first, second })
    {
        RECT pending;
        EXPECT_TRUE(::GetUpdateRect(FirstView(doc)->m_hWnd, &pending, FALSE)) << "the view repaints";
    }
}

} // namespace
