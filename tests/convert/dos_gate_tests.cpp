// The password gate of DOS documents: which files it passes, refuses or
// copies out unprotected, what it tells, where the copy goes, and that no
// copy outlives the open that made it.
#include "tests/convert/dos_test_support.h"
#include <string.h>

using namespace dos_test;

namespace {

class DosGate : public DosFixture
{
protected:
    CWnd owner;
    int Check(const std::string& path) { return CHK_password(owner, path.c_str()); }
};

const char kPlain[] = "--HDR2.0-- 18 HI;\nline one\r\nline two\n";

TEST_F(DosGate, PassesRefusesOrCopiesEachFile)
{
    const std::string form = StoredForm("Secret");
    ASSERT_EQ(form.find(';'), std::string::npos);
    struct Case
    {
        const char* what;
        std::string name, bytes;
        bool confirm;
        const char* entry;
        int result;
        UINT told;   // 0: nothing
        bool asked;
    };
    const Case cases[] = {
        {"not a DOS name", "a.txt", Protected(kPlain, form), true, "Secret", 4, 0, false},
        {"lower-case name, unprotected", "a.xtx", kPlain, true, "", 2, 0, false},
        {"shorter than the mark", "a.XTX", "--PWD", true, "", 2, 0, false},
        {"another mark", "a.xtx", "--PWX--abc;x", true, "", 2, 0, false},
        {"cancelled", "a.xtx", Protected(kPlain, form), false, "Secret", 0, 0, true},
        {"wrong password", "a.xtx", Protected(kPlain, form), true, "Secrex", 0, IDS_DOS_WRONG_PASSWORD, true},
        {"right password", "a.xtx", Protected(kPlain, form), true, "Secret", 1, 0, true},
        {"typed in lower case", "a.xtx", Protected(kPlain, form), true, "secret", 1, 0, true},
        {"typed in upper case", "a.xtx", Protected(kPlain, form), true, "SECRET", 1, 0, true},
        {"empty entry, empty form", "a.xtx", Protected(kPlain, ""), true, "", 1, 0, true},
        {"empty entry, a form", "a.xtx", Protected(kPlain, form), true, "", 0, IDS_DOS_WRONG_PASSWORD, true},
        {"entry, empty form", "a.xtx", Protected(kPlain, ""), true, "x", 0, IDS_DOS_WRONG_PASSWORD, true},
        // A form longer than the gate keeps never matches, even when its
        // beginning is the typed password's form.
        {"form of 12 bytes", "a.xtx", Protected(kPlain, StoredForm("abcdefgh") + "WXYZ"), true, "abcdefgh", 0,
         IDS_DOS_WRONG_PASSWORD, true},
        {"form without its end", "a.xtx", "--PWD--" + form, true, "Secret", 1, 0, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        app.told.clear();
        Answer() = PromptAnswer();
        Answer().confirm = c.confirm;
        Answer().entry = c.entry;
        const std::string path = Write(c.name, c.bytes);
        EXPECT_EQ(Check(path), c.result);
        EXPECT_EQ(Answer().asked, c.asked ? 1 : 0);
        EXPECT_EQ(Told(), c.told ? Text(c.told) : "");
        EXPECT_EQ(convert_test::FileExists((LPCSTR)DosTemporaryCopyPath()), c.result == 1);
        if (c.asked)
        {
            EXPECT_EQ(Answer().caption, path);
            EXPECT_EQ(Answer().prompt, Text(IDS_DOS_ENTER_PASSWORD));
            EXPECT_EQ(Answer().size, 9);
        }
        DeleteFileA(DosTemporaryCopyPath());
        DeleteFileA(path.c_str());
    }
}

// The copy lies in the temporary folder, never in the current one: carriage
// returns dropped, line feeds kept, one 26 at the end whether the body had
// its end mark or not.
TEST_F(DosGate, TheCopyIsTheUnmaskedBodyInTheTemporaryFolder)
{
    Answer().entry = "pw";
    const std::string body = "--HDR2.0-- 18 HI;\na\r\nb\x0C\nR1C1\tX=1\n\x0C\n";
    std::string withoutEnd = Protected(body, StoredForm("pw"));
    withoutEnd.pop_back();
    for (const std::string& file : {Protected(body, StoredForm("pw")), withoutEnd,
                                    Protected(body, StoredForm("pw")) + "\x55\x66"})
    {
        ASSERT_EQ(Check(Write("p.xtx", file)), 1);
        EXPECT_EQ(convert_test::ReadBytes((LPCSTR)DosTemporaryCopyPath()),
                  std::string("--HDR2.0-- 18 HI;\na\nb\x0C\nR1C1\tX=1\n\x0C\n\x1A"));
        EXPECT_FALSE(convert_test::FileExists(Path("~TEMP$$$.XTX")));
        DeleteFileA(DosTemporaryCopyPath());
    }
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    EXPECT_EQ((LPCSTR)DosTemporaryCopyPath(),
              std::string(temp) + "~TEMP$$$-" + std::to_string(GetCurrentProcessId()) + ".XTX");
}

TEST_F(DosGate, AFileThatCannotBeReadIsTold)
{
    const std::string path = Write("held.xtx", Protected(kPlain, StoredForm("a")));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Check(path), 0);
    CloseHandle(held);
    EXPECT_EQ(Told(), Text(IDS_DOS_CANNOT_OPEN_INPUT));
    EXPECT_EQ(Answer().asked, 0);
}

// Without a temporary folder no copy can be made: the gate tells so and
// refuses, leaving nothing anywhere.
TEST_F(DosGate, AMissingTemporaryFolderRefusesTheDocument)
{
    const std::string path = Write("p.xtx", Protected(kPlain, StoredForm("pw")));
    Answer().entry = "pw";
    char tmp[MAX_PATH] = {0}, tempVar[MAX_PATH] = {0};
    GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", tempVar, MAX_PATH);
    const std::string missing = Path("no such folder");
    SetEnvironmentVariableA("TMP", missing.c_str());
    SetEnvironmentVariableA("TEMP", missing.c_str());
    const int result = Check(path);
    const std::string copyPath = (LPCSTR)DosTemporaryCopyPath();
    SetEnvironmentVariableA("TMP", *tmp ? tmp : NULL);
    SetEnvironmentVariableA("TEMP", *tempVar ? tempVar : NULL);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Told(), Text(IDS_DOS_NO_TEMPORARY_FILE));
    EXPECT_EQ(copyPath.find(missing), 0u);
    EXPECT_FALSE(convert_test::FileExists(Path("~TEMP$$$.XTX")));
}

// Letters only are upper-cased; bytes from 128 up are taken as negative
// and come out the same every time; characters after the eighth stay.
TEST_F(DosGate, TheTransformIsCaseBlindForLettersOnly)
{
    EXPECT_EQ(StoredForm("abcxyz"), StoredForm("ABCXYZ"));
    EXPECT_NE(StoredForm("{"), StoredForm("["));
    std::string high = "\xE4\xFF\x80";
    char a[16] = {0}, b[16] = {0};
    memcpy(a, high.data(), high.size());
    memcpy(b, high.data(), high.size());
    DR_encrypt(a);
    DR_encrypt(b);
    EXPECT_EQ(std::string(a), std::string(b));
    char nine[16] = "abcdefghi";
    DR_encrypt(nine);
    EXPECT_EQ(nine[8], 'i');
    for (int i = 0; i < 8; ++i)
        EXPECT_GE((unsigned char)nine[i], 32u);
}

// Through the open path: a protected document opens equal to its
// unprotected twin, and no copy is left after success, refusal or failure.
TEST_F(DosGate, AProtectedDocumentOpensLikeItsTwinAndLeavesNoCopy)
{
    const std::string plain = EveryPart().Bytes();
    ASSERT_TRUE(Open(UnprotectedTwin(plain), "twin.xtx"));
    std::vector<std::string> twin;
    for (long i = 0; i <= 5; ++i)
        twin.push_back(MarkedFlowText(Flow(i)));
    ReleaseDocEditing(doc.get());
    doc->m_rootStorage.Release();
    doc.reset((CWDocument*)tpl.CreateNewDocument());

    Answer().entry = "open";
    ASSERT_TRUE(Open(Protected(plain, StoredForm("open")), "locked.xtx"));
    for (long i = 0; i <= 5; ++i)
        EXPECT_EQ(MarkedFlowText(Flow(i)), twin[i]) << "flow " << i;
    EXPECT_FALSE(convert_test::FileExists((LPCSTR)DosTemporaryCopyPath()));

    Answer().entry = "wrong";
    EXPECT_FALSE(Open(Protected(plain, StoredForm("open")), "locked2.xtx"));
    EXPECT_FALSE(convert_test::FileExists((LPCSTR)DosTemporaryCopyPath()));

    DosDocument bad = EveryPart();
    bad.settings.push_back("RaC5\tfixleft=1");
    app.told.clear();
    Answer().entry = "open";
    EXPECT_FALSE(Open(Protected(bad.Bytes(), StoredForm("open")), "locked3.xtx"));
    EXPECT_EQ(Told(), Text(IDS_DOS_BAD_SETTINGS_LINE) + " / " + Text(IDS_DOS_WRONG_FORMAT));
    EXPECT_FALSE(convert_test::FileExists((LPCSTR)DosTemporaryCopyPath()));
}

} // namespace
