// The application's small dialogs, each run modally while a timer plays the
// user: the one-line prompt, the New dialog's template list, the tip of the
// day, the word count and the about box; and a dialog's idle work while it
// waits for input. Without a display these tests skip.
#include "tests/support/zt_gtest.h"
#include "tests/support/window_test_support.h"
#include "tests/app/dialog_user.h"
#include "app/CWApp.h"
#include "app/CWInputDlg.h"
#include "app/CWNewFileDlg.h"
#include "app/CWOptions.h"
#include "app/CWTipDlg.h"
#include "app/CWWordCount.h"
#include "resources/resource.h"
#include "zttools.h"
#include <algorithm>
#include <string>
#include <vector>

namespace {

using dialog_user::ItemText;
using dialog_user::Press;

class SmallDialogs : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!HaveXDisplay())
            GTEST_SKIP() << "the dialogs need an X display";
        App.SetRegistryKey("ztwrite tests");
        App.m_pszProfileName = "small dialogs";
    }
};

// ---- The one-line prompt

struct InputCase
{
    const char* initial;
    const char* typed;    // null: keep the initial text
    int length;
    bool ok;
    const char* expected;
    int answer;
};

TEST_F(SmallDialogs, InputDlgShowsCaptionPromptAndTextAndCutsTheEntryToTheBuffer)
{
    const InputCase cases[] = {
        { "old", "a longer entry", 6, true, "a lon", 1 },
        { "old", "fits", 6, true, "fits", 1 },
        { "keep me", nullptr, 8, true, "keep me", 1 },
        { "old", "dropped", 6, false, "old", 0 },
        { "old", "x", 1, true, "", 1 },
    };
    for (const InputCase& c : cases)
    {
        char buffer[32];
        strcpy(buffer, c.initial);
        std::string caption, prompt, shown;
        const int answer = AsUser(
            [&](HWND h) {
                caption = dialog_user::Text(h);
                prompt = ItemText(h, IDC_INPUT_PROMPT);
                shown = ItemText(h, IDC_INPUT_TEXT);
                if (c.typed)
                    SetDlgItemTextA(h, IDC_INPUT_TEXT, c.typed);
                Press(h, c.ok ? IDOK : IDCANCEL);
                return true;
            },
            [&] { return InputDlg("Rename", "New name:", buffer, c.length); });
        EXPECT_EQ(answer, c.answer) << c.typed;
        EXPECT_STREQ(buffer, c.expected);
        EXPECT_EQ(caption, "Rename");
        EXPECT_EQ(prompt, "New name:");
        EXPECT_EQ(shown, std::string(c.initial).substr(0, c.length));
    }
}

// ---- The New dialog

struct NewDialogSeen
{
    std::vector<std::string> entries;
    std::string selected;
    int diffNormal = -1;
    std::string chosenPath;
    int isTemplate = -1;
};

class NewDialog : public SmallDialogs
{
protected:
    std::string folder;
    char savedPath[CWOptions::kPathSize];

    void SetUp() override
    {
        SmallDialogs::SetUp();
        if (IsSkipped())
            return;
        memcpy(savedPath, Options.TemplatePath, sizeof savedPath);
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "ztnewdlg" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), NULL);
    }
    void TearDown() override
    {
        if (folder.empty())
            return;
        for (const char* name : { "Letter.zvp", "Normal.zvp", "Memo.zvp", "notes.txt" })
            DeleteFileA((folder + "\\" + name).c_str());
        RemoveDirectoryA(folder.c_str());
        memcpy(Options.TemplatePath, savedPath, sizeof savedPath);
    }
    void Touch(const char* name)
    {
        CFile file((folder + "\\" + name).c_str(), CFile::modeCreate | CFile::modeWrite);
    }
    // Opens the dialog on the template folder; the user picks the entry
    // pick (or keeps the selection) and the kind, then OK.
    NewDialogSeen Run(const std::string& templateFolder, const char* pick, bool makeTemplate)
    {
        lstrcpynA(Options.TemplatePath, templateFolder.c_str(), sizeof Options.TemplatePath);
        NewDialogSeen seen;
        CWNewFileDlg dlg(nullptr);
        const INT_PTR result = AsUser(
            [&](HWND h) {
                HWND list = GetDlgItem(h, IDC_NEW_TEMPLATES);
                const int count = (int)SendMessageA(list, LB_GETCOUNT, 0, 0);
                for (int i = 0; i < count; i++)
                {
                    char text[MAX_PATH] = "";
                    SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
                    seen.entries.push_back(text);
                }
                const int selected = (int)SendMessageA(list, LB_GETCURSEL, 0, 0);
                if (selected >= 0)
                    seen.selected = seen.entries[selected];
                if (pick)
                    SendMessageA(list, LB_SELECTSTRING, -1, (LPARAM)pick);
                if (makeTemplate)
                {
                    CheckRadioButton(h, IDC_NEW_DOCUMENT, IDC_NEW_TEMPLATE, IDC_NEW_TEMPLATE);
                }
                Press(h, IDOK);
                return true;
            },
            [&] { return dlg.DoModal(); });
        EXPECT_EQ(result, IDOK);
        seen.diffNormal = DiffNormal;
        seen.chosenPath = (LPCSTR)dlg.GetTemplate();
        seen.isTemplate = dlg.IsTemplate();
        return seen;
    }
};

TEST_F(NewDialog, AFolderWithANormalTemplateListsItsTemplatesAndChoosesItsNormal)
{
    Touch("Letter.zvp");
    Touch("Normal.zvp");
    Touch("notes.txt");
    NewDialogSeen seen = Run(folder, nullptr, false);
    EXPECT_EQ(seen.entries, (std::vector<std::string>{ "Letter", "Normal" }));
    EXPECT_EQ(seen.selected, "Normal");
    EXPECT_EQ(seen.diffNormal, 1);
    EXPECT_EQ(seen.chosenPath, folder + "\\Normal.zvp");
    EXPECT_EQ(seen.isTemplate, 0);

    // With a final backslash the path has still one.
    seen = Run(folder + "\\", "Letter", true);
    EXPECT_EQ(seen.chosenPath, folder + "\\Letter.zvp");
    EXPECT_EQ(seen.isTemplate, 1);
}

TEST_F(NewDialog, WithoutANormalTemplateTheBuiltInOneIsAddedAndGivesNoPath)
{
    Touch("Memo.zvp");
    NewDialogSeen seen = Run(folder, nullptr, false);
    EXPECT_EQ(seen.entries, (std::vector<std::string>{ "Memo", "NORMAL" }));
    EXPECT_EQ(seen.selected, "NORMAL");
    EXPECT_EQ(seen.diffNormal, 0);
    EXPECT_EQ(seen.chosenPath, "");

    seen = Run(folder, "Memo", false);
    EXPECT_EQ(seen.chosenPath, folder + "\\Memo.zvp");
}

TEST_F(NewDialog, AnEmptyOrMissingFolderListsOnlyTheBuiltInTemplate)
{
    for (const std::string& templateFolder : { std::string(), folder + "\\no such folder" })
    {
        NewDialogSeen seen = Run(templateFolder, nullptr, false);
        EXPECT_EQ(seen.entries, (std::vector<std::string>{ "NORMAL" })) << templateFolder;
        EXPECT_EQ(seen.diffNormal, 0);
        EXPECT_EQ(seen.chosenPath, "");
    }
}

// ---- Tip of the day

struct TipSeen
{
    std::vector<std::string> tipsShown;
    bool boxChecked = false;
};

// Opens the tip, presses Next tip nexts times, sets the check box and
// ends with OK or Cancel.
TipSeen RunTip(int nexts, bool showAtStartUp, bool ok)
{
    TipSeen seen;
    int step = 0;
    CWTipDlg tip(nullptr);
    AsUser(
        [&](HWND h) {
            seen.tipsShown.push_back(ItemText(h, IDC_TIP_TEXT));
            if (step == 0)
                seen.boxChecked = IsDlgButtonChecked(h, IDC_TIP_STARTUP) == BST_CHECKED;
            if (step++ < nexts)
            {
                Press(h, IDC_TIP_NEXT);
                return true;
            }
            CheckDlgButton(h, IDC_TIP_STARTUP, showAtStartUp ? BST_CHECKED : BST_UNCHECKED);
            Press(h, ok ? IDOK : IDCANCEL);
            return true;
        },
        [&] { return tip.DoModal(); });
    return seen;
}

TEST_F(SmallDialogs, TipsFollowTheShuffledOrderAndTheCounterGoesOnAcrossOpenings)
{
    std::vector<std::string> expected;
    const int before = TipCounter;
    TipSeen first;
    {
        int step = 0;
        std::vector<int> order;
        CWTipDlg tip(nullptr);
        order.assign(shuffle, shuffle + kTipCount);
        AsUser(
            [&](HWND h) {
                first.tipsShown.push_back(ItemText(h, IDC_TIP_TEXT));
                if (step++ < 2)
                    Press(h, IDC_TIP_NEXT);
                else
                    Press(h, IDCANCEL);
                return true;
            },
            [&] { return tip.DoModal(); });
        for (int i = 0; i < 3; i++)
            expected.push_back(tips[order[(before + i) % kTipCount]]);
    }
    EXPECT_EQ(first.tipsShown, expected);
    EXPECT_EQ(TipCounter, before + 3);

    // Sixteen tips, each once, in every permutation.
    std::vector<int> sorted(shuffle, shuffle + kTipCount);
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < kTipCount; i++)
        EXPECT_EQ(sorted[i], i);
}

TEST_F(SmallDialogs, ClearingShowTipsOnStartUpStoresOneAndReopeningShowsTheBoxCleared)
{
    App.WriteProfileInt(kTipSection, kTipStartUpEntry, 0);
    TipSeen seen = RunTip(0, false, true);
    EXPECT_TRUE(seen.boxChecked) << "0 shows tips at start-up";
    EXPECT_EQ(App.GetProfileInt(kTipSection, kTipStartUpEntry, -1), 1u);

    seen = RunTip(0, true, false);
    EXPECT_FALSE(seen.boxChecked);
    EXPECT_EQ(App.GetProfileInt(kTipSection, kTipStartUpEntry, -1), 1u) << "Cancel writes nothing";

    seen = RunTip(0, true, true);
    EXPECT_EQ(App.GetProfileInt(kTipSection, kTipStartUpEntry, -1), 0u);
}

// ---- Word count

TEST_F(SmallDialogs, WordCountShowsEachCountInItsFieldAndTheBlanksAddedOnce)
{
    struct Field { int id; const char* text; };
    const Field fields[] = {
        { IDC_WORD_COUNT_PAGES, "3" },      { IDC_WORD_COUNT_WORDS, "25" },
        { IDC_WORD_COUNT_CHARACTERS, "120" }, { IDC_WORD_COUNT_WITH_BLANKS, "140" },
        { IDC_WORD_COUNT_PARAGRAPHS, "4" }, { IDC_WORD_COUNT_LINES, "7" },
    };
    std::vector<std::string> shown;
    std::string caption;
    CWWordCount count(120, 20, 7, 4, 3, 25);
    const INT_PTR result = AsUser(
        [&](HWND h) {
            caption = dialog_user::Text(h);
            for (const Field& f : fields)
                shown.push_back(ItemText(h, f.id));
            Press(h, IDOK);
            return true;
        },
        [&] { return count.DoModal(); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, "Word Count");
    ASSERT_EQ(shown.size(), 6u);
    for (int i = 0; i < 6; i++)
        EXPECT_EQ(shown[i], fields[i].text) << fields[i].id;
}

// ---- About box

TEST_F(SmallDialogs, AboutBoxNamesTheProgramAndItsVersion)
{
    std::string caption, name, version;
    CXAboutDialog about(nullptr, IDR_MAINFRAME);
    const INT_PTR result = AsUser(
        [&](HWND h) {
            caption = dialog_user::Text(h);
            name = ItemText(h, 1000);
            version = ItemText(h, 1001);
            Press(h, IDOK);
            return true;
        },
        [&] { return about.DoModal(); });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(caption, "About Zentavo Write");
    EXPECT_EQ(name, "Zentavo Write");
    EXPECT_EQ(version.rfind("Version 2.0", 0), 0u) << version;
}

// ---- Idle work while a dialog waits

class IdleCountingDialog : public CWInputDlg
{
public:
    int idleCalls = 0;
    LRESULT OnKickIdle(WPARAM, LPARAM count)
    {
        idleCalls++;
        return count < 2;   // asks for two more rounds, then rests
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(IdleCountingDialog, CWInputDlg)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST_F(SmallDialogs, ADialogsIdleHandlerRunsWhileItIsOpen)
{
    IdleCountingDialog dlg;
    int looks = 0;
    int idleWhileOpen = 0;
    AsUser(
        [&](HWND h) {
            if (++looks < 3)
                return true;   // the dialog waits a few ticks
            idleWhileOpen = dlg.idleCalls;
            Press(h, IDOK);
            return true;
        },
        [&] { return dlg.DoModal(); });
    EXPECT_GE(idleWhileOpen, 3) << "each timer tick wakes the loop, which kicks the idle work again";
}

} // namespace
