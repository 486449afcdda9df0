// The settings in the registry: six sections under the current user's key.
// A number is the decimal text in the default value of a sub-key named
// after the setting; the default font's four values are named values of
// their own section.
#include "afxwin.h"
#include "app/CWOptions.h"
#include "app/CWApp.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include "ZTSpell.h"
#include <cstdlib>

namespace {

const char kGeneral[] = "\\Options\\General";
const char kSpelling[] = "\\Options\\Spelling";
const char kZoom[] = "\\Options\\Zoom";
const char kColors[] = "\\Options\\Colors";
const char kPageMargins[] = "\\Options\\PageMargins";
const char kDefFontStyle[] = "\\Options\\DefFontStyle";

const char kFontNameValue[] = "Font name";
const char kFontSizeValue[] = "Font size";
const char kFontColorValue[] = "Font color";
const char kFontAttributesValue[] = "Font attributes";

// A number's text: up to nine characters and the terminator; a longer one
// counts as absent.
const LONG kNumberTextSize = 10;
const int kLocaleTextSize = 128;
const LONG kMostUndoSteps = 1000;
const LONG kDefaultFontSize = 42;    // about 12 pt
const LONG kDefaultMargin = 254;     // one inch
const short kDefaultPercent = 100;
const short kLastLanguage = 11;
const char kDefaultFontName[] = "Arial";
const char kDefaultUserDictionary[] = "user.lex";
const char kTemplateFolder[] = "template";
// Grey level of each display colour's default.
const BYTE DefColor[CWOptions::kColorCount] = {255, 128, 192, 192, 192, 192, 255, 192, 192};
const char kComponents[] = "RGB";

// Leading blanks, a sign and the digits up to the first other character;
// text without digits gives 0.
long NumberOfText(const char* text)
{
    return strtol(text, NULL, 10);
}

// The number in the default value of the sub-key name, or FALSE when it is
// missing or its text does not fit.
BOOL FindNumber(HKEY key, const char* name, long& number)
{
    char text[kNumberTextSize] = {};
    LONG size = sizeof(text);
    if (RegQueryValueA(key, name, text, &size) != ERROR_SUCCESS)
        return FALSE;
    text[sizeof(text) - 1] = 0;
    number = NumberOfText(text);
    return TRUE;
}

long ReadNumber(HKEY key, const char* name, long absent)
{
    long number;
    return FindNumber(key, name, number) ? number : absent;
}

// A text of at most size bytes with its terminator; anything else counts
// as absent and leaves member alone. readText reads into a zeroed buffer,
// so that a text stored without its terminator but shorter than the member
// still ends inside it.
template <typename ReadText>
BOOL ReadTerminated(char* member, DWORD size, ReadText readText)
{
    char text[CWOptions::kPathSize] = {};
    if (size > sizeof(text) || !readText(text, size) || !memchr(text, 0, size))
        return FALSE;
    memcpy(member, text, size);
    return TRUE;
}

BOOL ReadPath(HKEY key, const char* name, char* member, DWORD size)
{
    return ReadTerminated(member, size, [&](char* text, DWORD bytes) {
        LONG got = (LONG)bytes;
        return RegQueryValueA(key, name, text, &got) == ERROR_SUCCESS;
    });
}

BOOL ReadNamedText(HKEY key, const char* name, char* member, DWORD size)
{
    return ReadTerminated(member, size, [&](char* text, DWORD bytes) {
        DWORD got = bytes;
        return RegQueryValueExA(key, name, NULL, NULL, (BYTE*)text, &got) == ERROR_SUCCESS;
    });
}

// A binary value of at most size bytes into the low bytes of member; a
// shorter one leaves the rest as it was, a longer one counts as absent.
BOOL ReadBinary(HKEY key, const char* name, void* member, DWORD size)
{
    BYTE data[sizeof(LONG)];
    memcpy(data, member, size);
    DWORD got = size;
    if (RegQueryValueExA(key, name, NULL, NULL, data, &got) != ERROR_SUCCESS)
        return FALSE;
    memcpy(member, data, got);
    return TRUE;
}

void WriteNumber(HKEY key, const char* name, long number)
{
    char text[16];
    wsprintfA(text, "%ld", number);
    RegSetValueA(key, name, REG_SZ, text, lstrlenA(text));
}

void WritePath(HKEY key, const char* name, const char* text)
{
    RegSetValueA(key, name, REG_SZ, text, lstrlenA(text));
}

// The section's key under root, or null when it does not open.
HKEY OpenSection(HKEY root, const char* section)
{
    HKEY key = NULL;
    CString path = GetResourceString(IDS_REGISTRY_KEY) + section;
    return RegOpenKeyA(root, path, &key) == ERROR_SUCCESS ? key : NULL;
}

HKEY CreateSection(HKEY root, const char* section)
{
    HKEY key = NULL;
    CString path = GetResourceString(IDS_REGISTRY_KEY) + section;
    return RegCreateKeyA(root, path, &key) == ERROR_SUCCESS ? key : NULL;
}

void CloseSection(HKEY key)
{
    if (key)
        RegCloseKey(key);
}

// The application module's folder followed by "template".
void DefaultTemplatePath(char* path)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(App.m_hInstance, module, sizeof(module));
    char* lastSlash = strrchr(module, '\\');
    // A name without a folder leaves only the folder's own name.
    if (lastSlash)
        lastSlash[1] = 0;
    else
        module[0] = 0;
    memset(path, 0, CWOptions::kPathSize);
    lstrcpynA(path, module, CWOptions::kPathSize);
    lstrcpynA(path + lstrlenA(path), kTemplateFolder, CWOptions::kPathSize - lstrlenA(path));
}

// The spelling library's language, else the first with a dictionary.
short DefaultLanguage()
{
    short language = GetDefaultLang();
    if (language)
        return language;
    for (short candidate = 1; candidate <= kLastLanguage; candidate++)
        if (IsSpelDictAvailable(candidate))
            return candidate;
    return 0;
}

// The colour value name: the label with "R", "G" or "B" for its blank.
const char* ComponentName(int colour, int component)
{
    char* name = ColorNames[colour];
    name[lstrlenA(name) - 1] = kComponents[component];
    return name;
}

void SetText(char* member, DWORD size, const char* text)
{
    memset(member, 0, size);
    lstrcpynA(member, text, size);
}

} // namespace

int GetDefaultMetric()
{
    char text[kLocaleTextSize] = {};
    if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, text, sizeof(text)))
        return 0;
    return NumberOfText(text) == 0 ? 1 : 0;
}

void CWOptions::Load()
{
    LoadFrom(HKEY_CURRENT_USER);
}

void CWOptions::Save()
{
    SaveTo(HKEY_CURRENT_USER);
}

void CWOptions::LoadFrom(HKEY root)
{
    HKEY key = OpenSection(root, kGeneral);
    if (key)
    {
        EnableFieldColor = ReadNumber(key, "EnableFieldColor", 0L);
        SmartCutPaste = ReadNumber(key, "SmartCutPaste", 1L);
        CloseBlanks = ReadNumber(key, "CloseBlanks", 1L);
        long units;
        Units = FindNumber(key, "Units", units) ? (BYTE)units : kUnitPica + 1;
        if (Units > kUnitPica)
            Units = (BYTE)GetDefaultMetric();
        long steps;
        // Taken as unsigned, so a negative count is out of range as well.
        UndoSteps = FindNumber(key, "UndoSteps", steps) && (ULONG)steps <= (ULONG)kMostUndoSteps
                        ? steps : kMostUndoSteps;
        MakeBackup = ReadNumber(key, "MakeBackup", 1L);
        if (!ReadPath(key, "TemplatePath", TemplatePath, sizeof(TemplatePath)))
            DefaultTemplatePath(TemplatePath);
    }
    else
    {
        // The field colour switch keeps what it holds.
        SmartCutPaste = CloseBlanks = MakeBackup = 1;
        Units = (BYTE)GetDefaultMetric();
        UndoSteps = kMostUndoSteps;
        DefaultTemplatePath(TemplatePath);
    }
    CloseSection(key);

    key = OpenSection(root, kSpelling);
    long language;
    Language = key && FindNumber(key, "Language", language) ? (short)language : DefaultLanguage();
    AlwaysSuggest = key ? ReadNumber(key, "AlwaysSuggest", 1L) : 1;
    IsUseUserDictionary = key ? ReadNumber(key, "IsUseUserDictionary", 1L) : 1;
    if (!key || !ReadPath(key, "UserDictionary", UserDictionary, sizeof(UserDictionary)))
        SetText(UserDictionary, sizeof(UserDictionary), kDefaultUserDictionary);
    CloseSection(key);

    key = OpenSection(root, kZoom);
    ZoomMode = key ? (short)ReadNumber(key, "ZoomMode", 0L) : 0;
    Percent = key ? (short)ReadNumber(key, "Percent", (long)kDefaultPercent) : kDefaultPercent;
    if (Percent == 0)
        Percent = kDefaultPercent;
    CloseSection(key);

    key = OpenSection(root, kColors);
    for (int i = 0; i < kColorCount; i++)
    {
        BYTE level[3];
        for (int c = 0; c < 3; c++)
        {
            BYTE absent = DefColor[i];
            // A stored workspace colour without its red has none.
            if (i == kColorWorkspace && c == 0)
                absent = 0;
            level[c] = key ? (BYTE)ReadNumber(key, ComponentName(i, c), (long)absent) : DefColor[i];
        }
        Colors[i] = RGB(level[0], level[1], level[2]);
    }
    CloseSection(key);

    key = OpenSection(root, kPageMargins);
    BottomPageMargins = key ? ReadNumber(key, "BottomPageMargins", kDefaultMargin) : kDefaultMargin;
    TopPageMargins = key ? ReadNumber(key, "TopPageMargins", kDefaultMargin) : kDefaultMargin;
    LeftPageMargins = key ? ReadNumber(key, "LeftPageMargins", kDefaultMargin) : kDefaultMargin;
    RightPageMargins = key ? ReadNumber(key, "RightPageMargins", kDefaultMargin) : kDefaultMargin;
    CloseSection(key);

    key = OpenSection(root, kDefFontStyle);
    if (!key || !ReadNamedText(key, kFontNameValue, FontName, sizeof(FontName)))
        SetText(FontName, sizeof(FontName), kDefaultFontName);
    if (!key || !ReadBinary(key, kFontSizeValue, &FontSize, sizeof(FontSize)))
        FontSize = kDefaultFontSize;
    if (!key || !ReadBinary(key, kFontColorValue, &FontColor, sizeof(FontColor)))
        FontColor = 0;
    if (!key || !ReadBinary(key, kFontAttributesValue, &FontAttributes, sizeof(FontAttributes)))
        FontAttributes = 0;
    CloseSection(key);
}

void CWOptions::SaveTo(HKEY root)
{
    HKEY key = CreateSection(root, kGeneral);
    WriteNumber(key, "SmartCutPaste", SmartCutPaste);
    WriteNumber(key, "CloseBlanks", CloseBlanks);
    WriteNumber(key, "EnableFieldColor", EnableFieldColor);
    WriteNumber(key, "Units", Units);
    WriteNumber(key, "UndoSteps", UndoSteps);
    WriteNumber(key, "MakeBackup", MakeBackup);
    WritePath(key, "TemplatePath", TemplatePath);
    CloseSection(key);

    key = CreateSection(root, kSpelling);
    WriteNumber(key, "Language", Language);
    WriteNumber(key, "AlwaysSuggest", AlwaysSuggest);
    WriteNumber(key, "IsUseUserDictionary", IsUseUserDictionary);
    WritePath(key, "UserDictionary", UserDictionary);
    CloseSection(key);

    key = CreateSection(root, kZoom);
    WriteNumber(key, "ZoomMode", ZoomMode);
    WriteNumber(key, "Percent", Percent);
    CloseSection(key);

    key = CreateSection(root, kColors);
    for (int i = 0; i < kColorCount; i++)
    {
        const BYTE level[3] = {GetRValue(Colors[i]), GetGValue(Colors[i]), GetBValue(Colors[i])};
        for (int c = 0; c < 3; c++)
            WriteNumber(key, ComponentName(i, c), level[c]);
    }
    CloseSection(key);

    key = CreateSection(root, kPageMargins);
    WriteNumber(key, "BottomPageMargins", BottomPageMargins);
    WriteNumber(key, "TopPageMargins", TopPageMargins);
    WriteNumber(key, "LeftPageMargins", LeftPageMargins);
    WriteNumber(key, "RightPageMargins", RightPageMargins);
    CloseSection(key);

    key = CreateSection(root, kDefFontStyle);
    RegSetValueExA(key, kFontNameValue, 0, REG_SZ, (const BYTE*)FontName, sizeof(FontName));
    RegSetValueExA(key, kFontSizeValue, 0, REG_BINARY, (const BYTE*)&FontSize, sizeof(FontSize));
    RegSetValueExA(key, kFontColorValue, 0, REG_BINARY, (const BYTE*)&FontColor, sizeof(FontColor));
    RegSetValueExA(key, kFontAttributesValue, 0, REG_BINARY, (const BYTE*)&FontAttributes,
                   sizeof(FontAttributes));
    CloseSection(key);
}
