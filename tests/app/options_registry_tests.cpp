// The settings in Wine's registry: the defaults of an empty key, what Load
// makes of stored values (out of range, too long, unterminated, missing),
// and Save writing each value in its form and place so that Load gives the
// same record back.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "app/CWApp.h"
#include "app/CWOptions.h"
#include "editing/CWUndoRedoStack.h"
#include <functional>
#include <string>
#include <vector>

namespace {

const char kSettingsKey[] = "Software\\Zentavo\\Zentavo Write";
const char kScratch[] = "Software\\ztwrite tests\\settings";

// Each test works under a root key of its own, removed afterwards, and
// leaves the global record as it found it.
class OptionsRegistry : public ::testing::Test
{
public:
    void SetUp() override
    {
        saved = Options;
        scratchName = std::string(kScratch) + " " + std::to_string(GetCurrentProcessId());
        RegDeleteTreeA(HKEY_CURRENT_USER, scratchName.c_str());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, scratchName.c_str(), &root));
    }
    void TearDown() override
    {
        RegCloseKey(root);
        RegDeleteTreeA(HKEY_CURRENT_USER, scratchName.c_str());
        Options = saved;
    }

    // Empties the root for the next case of a table.
    void Clear() { RegDeleteTreeA(root, NULL); }

    std::string Section(const char* section) const { return std::string(kSettingsKey) + "\\Options\\" + section; }

    // A number or path as the default value of the setting's sub-key.
    void StoreText(const char* section, const char* name, const char* text)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, Section(section).c_str(), &key));
        RegSetValueA(key, name, REG_SZ, text, lstrlenA(text));
        RegCloseKey(key);
    }
    // The default value of the setting's sub-key, size bytes as they stand:
    // binary, as Wine stores a string value always with its terminator.
    void StoreBytes(const char* section, const char* name, const char* data, DWORD size)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, (Section(section) + "\\" + name).c_str(), &key));
        RegSetValueExA(key, NULL, 0, REG_BINARY, (const BYTE*)data, size);
        RegCloseKey(key);
    }
    // A named value of the section's own key.
    void StoreNamed(const char* section, const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, Section(section).c_str(), &key));
        RegSetValueExA(key, name, 0, type, (const BYTE*)data, size);
        RegCloseKey(key);
    }
    void MakeSection(const char* section)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, Section(section).c_str(), &key));
        RegCloseKey(key);
    }

    std::string ReadText(const char* section, const char* name)
    {
        char text[MAX_PATH] = {};
        LONG size = sizeof(text);
        HKEY key;
        if (RegOpenKeyA(root, Section(section).c_str(), &key) != ERROR_SUCCESS)
            return "(no section)";
        LONG result = RegQueryValueA(key, name, text, &size);
        RegCloseKey(key);
        return result == ERROR_SUCCESS ? text : "(absent)";
    }

    CWOptions saved;
    std::string scratchName;
    HKEY root = NULL;
};

// The folder of the running module followed by "template".
std::string ExpectedTemplatePath()
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(App.m_hInstance, module, sizeof(module));
    std::string path = module;
    return path.substr(0, path.rfind('\\') + 1) + "template";
}

void ExpectDefaults(const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(42, Options.FontSize);
    EXPECT_EQ(0u, Options.FontColor);
    EXPECT_EQ(0, Options.FontAttributes);
    EXPECT_STREQ("Arial", Options.FontName);
    EXPECT_EQ(GetDefaultMetric(), Options.Units);
    EXPECT_EQ(1000, Options.UndoSteps);
    EXPECT_EQ(1, Options.MakeBackup);
    EXPECT_EQ(1, Options.AlwaysSuggest);
    EXPECT_EQ(1, Options.IsUseUserDictionary);
    EXPECT_STREQ("user.lex", Options.UserDictionary);
    EXPECT_EQ(ExpectedTemplatePath(), Options.TemplatePath);
    EXPECT_EQ(0, Options.Language);   // no dictionary is installed
    EXPECT_EQ(254, Options.BottomPageMargins);
    EXPECT_EQ(254, Options.LeftPageMargins);
    EXPECT_EQ(254, Options.RightPageMargins);
    EXPECT_EQ(254, Options.TopPageMargins);
    const BYTE grey[CWOptions::kColorCount] = {255, 128, 192, 192, 192, 192, 255, 192, 192};
    for (int i = 0; i < CWOptions::kColorCount; i++)
        EXPECT_EQ(RGB(grey[i], grey[i], grey[i]), Options.Colors[i]) << i;
    EXPECT_EQ(0, Options.ZoomMode);
    EXPECT_EQ(100, Options.Percent);
    EXPECT_EQ(1, Options.SmartCutPaste);
    EXPECT_EQ(1, Options.CloseBlanks);
}

} // namespace

TEST_F(OptionsRegistry, EmptyKeyGivesTheDefaultsAndKeepsTheFieldColourSwitch)
{
    Options = CWOptions();
    Options.FontSize = 7;
    Options.EnableFieldColor = 1;
    Options.LoadFrom(root);
    ExpectDefaults("empty key");
    EXPECT_EQ(1, Options.EnableFieldColor);
    EXPECT_EQ(RGB(128, 128, 128), Options.Colors[CWOptions::kColorWorkspace]);
    // A new undo ring takes the loaded size.
    CWUndoRedoStack stack;
    EXPECT_EQ(1000, stack.GetCapacity());
}

TEST_F(OptionsRegistry, StoredValuesAndWhatLoadMakesOfThem)
{
    const char kThirtyThree[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456";   // 33 characters, no room for a zero
    const char kThirtyFour[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234567";
    const std::string longPath(CWOptions::kPathSize, 'p');
    const struct Case
    {
        const char* what;
        std::function<void(OptionsRegistry&)> store;
        std::function<void()> expect;
    } cases[] = {
        {"Units 7 is out of range", [](OptionsRegistry& t) { t.StoreText("General", "Units", "7"); },
         [] { EXPECT_EQ(GetDefaultMetric(), Options.Units); }},
        {"Units 260 keeps its low byte", [](OptionsRegistry& t) { t.StoreText("General", "Units", "260"); },
         [] { EXPECT_EQ(CWOptions::kUnitPica, Options.Units); }},
        {"Units -1 is out of range", [](OptionsRegistry& t) { t.StoreText("General", "Units", "-1"); },
         [] { EXPECT_EQ(GetDefaultMetric(), Options.Units); }},
        {"UndoSteps 1500", [](OptionsRegistry& t) { t.StoreText("General", "UndoSteps", "1500"); },
         [] { EXPECT_EQ(1000, Options.UndoSteps); }},
        {"UndoSteps -3", [](OptionsRegistry& t) { t.StoreText("General", "UndoSteps", "-3"); },
         [] { EXPECT_EQ(1000, Options.UndoSteps); }},
        {"UndoSteps 0", [](OptionsRegistry& t) { t.StoreText("General", "UndoSteps", "0"); },
         [] { EXPECT_EQ(0, Options.UndoSteps); }},
        {"a number with blanks, sign and trailing text",
         [](OptionsRegistry& t) { t.StoreText("General", "UndoSteps", "  +25 ab"); },
         [] { EXPECT_EQ(25, Options.UndoSteps); }},
        {"nine characters fit", [](OptionsRegistry& t) { t.StoreText("General", "UndoSteps", "000000500"); },
         [] { EXPECT_EQ(500, Options.UndoSteps); }},
        {"ten characters count as absent",
         [](OptionsRegistry& t) { t.StoreText("General", "UndoSteps", "0000000500"); },
         [] { EXPECT_EQ(1000, Options.UndoSteps); }},
        {"a general section with only one value",
         [](OptionsRegistry& t) { t.StoreText("General", "EnableFieldColor", "1"); },
         [] {
             EXPECT_EQ(1, Options.EnableFieldColor);
             EXPECT_EQ(1, Options.SmartCutPaste);
             EXPECT_EQ(1, Options.CloseBlanks);
             EXPECT_EQ(1, Options.MakeBackup);
         }},
        {"Percent 0", [](OptionsRegistry& t) { t.StoreText("Zoom", "Percent", "0"); },
         [] { EXPECT_EQ(100, Options.Percent); }},
        {"Percent missing", [](OptionsRegistry& t) { t.StoreText("Zoom", "ZoomMode", "4"); },
         [] {
             EXPECT_EQ(4, Options.ZoomMode);
             EXPECT_EQ(100, Options.Percent);
         }},
        {"Language 0 is taken", [](OptionsRegistry& t) { t.StoreText("Spelling", "Language", "0"); },
         [] { EXPECT_EQ(0, Options.Language); }},
        {"Language 7", [](OptionsRegistry& t) { t.StoreText("Spelling", "Language", "7"); },
         [] { EXPECT_EQ(7, Options.Language); }},
        {"no WorkspaceR",
         [](OptionsRegistry& t) {
             t.StoreText("Colors", "WorkspaceG", "128");
             t.StoreText("Colors", "WorkspaceB", "128");
         },
         [] {
             EXPECT_EQ(RGB(0, 128, 128), Options.Colors[CWOptions::kColorWorkspace]);
             EXPECT_EQ(RGB(255, 255, 255), Options.Colors[CWOptions::kColorPage]);
         }},
        {"colour components keep their low byte",
         [](OptionsRegistry& t) {
             t.StoreText("Colors", "Date & TimeR", "257");
             t.StoreText("Colors", "Date & TimeG", "2");
             t.StoreText("Colors", "Date & TimeB", "3");
         },
         [] { EXPECT_EQ(RGB(1, 2, 3), Options.Colors[CWOptions::kColorDateTime]); }},
        {"one margin", [](OptionsRegistry& t) { t.StoreText("PageMargins", "LeftPageMargins", "100"); },
         [] {
             EXPECT_EQ(100, Options.LeftPageMargins);
             EXPECT_EQ(254, Options.RightPageMargins);
         }},
        {"Font name of 34 bytes",
         [&](OptionsRegistry& t) { t.StoreNamed("DefFontStyle", "Font name", REG_SZ, kThirtyFour, 34); },
         [] { EXPECT_STREQ("Arial", Options.FontName); }},
        // Stored as binary: Wine adds the terminator to a string value.
        {"Font name of 33 bytes without a zero",
         [&](OptionsRegistry& t) { t.StoreNamed("DefFontStyle", "Font name", REG_BINARY, kThirtyThree, 33); },
         [] { EXPECT_STREQ("Arial", Options.FontName); }},
        {"Font name of 32 characters and its zero",
         [&](OptionsRegistry& t) {
             t.StoreNamed("DefFontStyle", "Font name", REG_SZ, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 33);
         },
         [] { EXPECT_STREQ("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", Options.FontName); }},
        {"Font size of 2 bytes fills the low bytes",
         [](OptionsRegistry& t) {
             const WORD size = 0x0038;
             t.StoreNamed("DefFontStyle", "Font size", REG_BINARY, &size, sizeof(size));
             Options.FontSize = 0x11220000;
         },
         [] { EXPECT_EQ(0x11220038, Options.FontSize); }},
        {"Font size of 5 bytes",
         [](OptionsRegistry& t) {
             const BYTE size[5] = {56, 0, 0, 0, 0};
             t.StoreNamed("DefFontStyle", "Font size", REG_BINARY, size, sizeof(size));
         },
         [] { EXPECT_EQ(42, Options.FontSize); }},
        {"paths of 260 bytes without a terminator",
         [&](OptionsRegistry& t) {
             t.StoreBytes("General", "TemplatePath", longPath.data(), CWOptions::kPathSize);
             t.StoreBytes("Spelling", "UserDictionary", longPath.data(), CWOptions::kPathSize);
         },
         [] {
             EXPECT_EQ(ExpectedTemplatePath(), Options.TemplatePath);
             EXPECT_STREQ("user.lex", Options.UserDictionary);
         }},
        {"paths of 260 bytes with a terminator",
         [&](OptionsRegistry& t) {
             t.StoreText("General", "TemplatePath", longPath.substr(1).c_str());
         },
         [&] { EXPECT_EQ(longPath.substr(1), Options.TemplatePath); }},
        {"paths that fit", [&](OptionsRegistry& t) {
             t.StoreText("General", "TemplatePath", "C:\\templates");
             t.StoreText("Spelling", "UserDictionary", "mine.lex");
         },
         [] {
             EXPECT_STREQ("C:\\templates", Options.TemplatePath);
             EXPECT_STREQ("mine.lex", Options.UserDictionary);
         }},
        {"empty sections", [](OptionsRegistry& t) {
             for (const char* s : {"General", "Spelling", "Zoom", "PageMargins", "DefFontStyle"})
                 t.MakeSection(s);
         },
         [] {
             EXPECT_EQ(1000, Options.UndoSteps);
             EXPECT_EQ(100, Options.Percent);
             EXPECT_STREQ("Arial", Options.FontName);
             EXPECT_EQ(254, Options.TopPageMargins);
         }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Clear();
        Options = CWOptions();
        c.store(*this);
        Options.LoadFrom(root);
        c.expect();
    }
}

TEST_F(OptionsRegistry, SaveThenLoadGivesTheSameRecord)
{
    Options.LoadFrom(root);
    Options.FontSize = 56;
    Options.FontColor = RGB(10, 20, 30);
    Options.FontAttributes = 5;
    memset(Options.FontName, 0, sizeof(Options.FontName));
    lstrcpyA(Options.FontName, "Courier New");
    Options.EnableFieldColor = 1;
    Options.Units = CWOptions::kUnitPica;
    Options.UndoSteps = 7;
    Options.MakeBackup = 0;
    Options.AlwaysSuggest = 0;
    Options.IsUseUserDictionary = 0;
    lstrcpyA(Options.UserDictionary, "C:\\dict\\mine.lex");
    lstrcpyA(Options.TemplatePath, "C:\\my templates");
    Options.Language = -2;
    Options.BottomPageMargins = 1;
    Options.LeftPageMargins = 2;
    Options.RightPageMargins = 300;
    Options.TopPageMargins = -4;
    for (int i = 0; i < CWOptions::kColorCount; i++)
        Options.Colors[i] = RGB(i, 255 - i, 17 * i);
    Options.ZoomMode = 4;
    Options.Percent = 150;
    Options.SmartCutPaste = 0;
    Options.CloseBlanks = 0;
    const CWOptions stored = Options;
    Options.SaveTo(root);

    Options = CWOptions();
    Options.LoadFrom(root);
    EXPECT_TRUE(Options == stored);

    // Each value in its place and form.
    const struct
    {
        const char* section;
        const char* name;
        const char* text;
    } texts[] = {
        {"General", "SmartCutPaste", "0"},   {"General", "CloseBlanks", "0"},
        {"General", "EnableFieldColor", "1"}, {"General", "Units", "4"},
        {"General", "UndoSteps", "7"},        {"General", "MakeBackup", "0"},
        {"General", "TemplatePath", "C:\\my templates"},
        {"Spelling", "Language", "-2"},       {"Spelling", "AlwaysSuggest", "0"},
        {"Spelling", "IsUseUserDictionary", "0"}, {"Spelling", "UserDictionary", "C:\\dict\\mine.lex"},
        {"Zoom", "ZoomMode", "4"},            {"Zoom", "Percent", "150"},
        {"Colors", "PageR", "0"},             {"Colors", "PageG", "255"},
        {"Colors", "WorkspaceR", "1"},        {"Colors", "Date & TimeB", "34"},
        {"Colors", "ColumnsR", "8"},          {"Colors", "ColumnsG", "247"},
        {"Colors", "ColumnsB", "136"},
        {"PageMargins", "BottomPageMargins", "1"}, {"PageMargins", "TopPageMargins", "-4"},
        {"PageMargins", "LeftPageMargins", "2"},   {"PageMargins", "RightPageMargins", "300"},
    };
    for (const auto& t : texts)
        EXPECT_EQ(t.text, ReadText(t.section, t.name)) << t.section << " " << t.name;

    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(root, Section("DefFontStyle").c_str(), &key));
    const struct
    {
        const char* name;
        DWORD type;
        DWORD size;
        const void* member;
    } named[] = {
        {"Font name", REG_SZ, 33, stored.FontName},
        {"Font size", REG_BINARY, 4, &stored.FontSize},
        {"Font color", REG_BINARY, 4, &stored.FontColor},
        {"Font attributes", REG_BINARY, 2, &stored.FontAttributes},
    };
    for (const auto& n : named)
    {
        SCOPED_TRACE(n.name);
        BYTE data[64] = {};
        DWORD type = 0, size = sizeof(data);
        ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, n.name, NULL, &type, data, &size));
        EXPECT_EQ(n.type, type);
        EXPECT_EQ(n.size, size);
        EXPECT_EQ(0, memcmp(data, n.member, n.size));
    }
    RegCloseKey(key);
    // The value names were formed in the label buffers.
    EXPECT_STREQ("PageB", ColorNames[CWOptions::kColorPage]);
    EXPECT_STREQ("Date & TimeB", ColorNames[CWOptions::kColorDateTime]);
}

// Load and Save work on the current user's key; the user's own settings in
// this prefix, if any, are put back afterwards.
TEST_F(OptionsRegistry, LoadAndSaveUseTheCurrentUsersKey)
{
    HKEY backup;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, "backup", &backup));
    HKEY user;
    const bool hadSettings = RegOpenKeyA(HKEY_CURRENT_USER, kSettingsKey, &user) == ERROR_SUCCESS;
    if (hadSettings)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegCopyTreeA(user, NULL, backup));
        RegCloseKey(user);
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    }

    Options.LoadFrom(root);
    Options.UndoSteps = 321;
    Options.Save();
    char text[16] = {};
    LONG size = sizeof(text);
    const std::string path = std::string(kSettingsKey) + "\\Options\\General\\UndoSteps";
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueA(HKEY_CURRENT_USER, path.c_str(), text, &size));
    EXPECT_STREQ("321", text);
    Options.UndoSteps = 0;
    Options.Load();
    EXPECT_EQ(321, Options.UndoSteps);

    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    if (hadSettings)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKey, &user));
        EXPECT_EQ(ERROR_SUCCESS, RegCopyTreeA(backup, NULL, user));
        RegCloseKey(user);
    }
    RegCloseKey(backup);
}

TEST(OptionsDefaultMetric, FollowsTheLocaleMeasurementSystem)
{
    char text[8] = {};
    ASSERT_NE(0, GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, text, sizeof(text)));
    EXPECT_EQ(text[0] == '0' ? 1 : 0, GetDefaultMetric());
}
