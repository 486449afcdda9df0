// The exported runtime-library shims: their own behaviour, their fallbacks
// when an entry is missing, and forwarding to the real runtime library.
#include "tests/support/zt_gtest.h"
#include "launcher/shims.h"
#include <string>

namespace {

// Puts every entry pointer back to null around each test.
class Shims : public testing::Test
{
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear()
    {
        launcher_splitpath1 = nullptr;
        launcher_makepath1 = nullptr;
        launcher_fullpath1 = nullptr;
        launcher_stricmp1 = nullptr;
        launcher_swprintf1 = nullptr;
        launcher_itoa1 = nullptr;
        launcher_ltoa1 = nullptr;
    }
};

int __cdecl FakeStricmp(const char*, const char*) { return 7; }
int __cdecl FakeSwprintf(void* a, void* b, void* c)
{
    return (int)((INT_PTR)a + (INT_PTR)b * 10 + (INT_PTR)c * 100);
}

}  // namespace

TEST_F(Shims, StrrevReversesInPlace)
{
    struct Case { const char* in; const char* out; };
    const Case cases[] = {{"abc", "cba"}, {"", ""}, {"ab", "ba"}, {"abcde", "edcba"}, {"x", "x"}};
    for (const Case& c : cases)
    {
        char buffer[16];
        strcpy(buffer, c.in);
        EXPECT_EQ(ztrun_strrev(buffer), buffer);
        EXPECT_STREQ(buffer, c.out);
    }
}

TEST_F(Shims, ItoaFamilyIsAlwaysDecimal)
{
    char buffer[32];
    EXPECT_STREQ(ztrun_itoa(255, buffer, 16), "255");
    EXPECT_STREQ(ztrun_itoa(-17, buffer, 2), "-17");
    EXPECT_STREQ(ztrun_itoa_alias(255, buffer, 16), "255");
    EXPECT_STREQ(ztrun_ltoa_decimal(255, buffer, 16), "255");
}

TEST_F(Shims, MissingEntriesDegradeQuietly)
{
    char buffer[8] = "keep";
    EXPECT_EQ(ztrun_ltoa(255, buffer, 16), nullptr);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(ztrun_stricmp("a", "b"), 0);
    EXPECT_EQ(ztrun_swprintf(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(ztrun_fullpath(buffer, "x", sizeof(buffer)), nullptr);
    ztrun_splitpath("C:\\a\\b.txt", buffer, nullptr, nullptr, nullptr);
    ztrun_makepath(buffer, "C:", "a", "b", "txt");
    EXPECT_STREQ(buffer, "keep");
}

TEST_F(Shims, ForwardToTheRuntimeEntries)
{
    launcher_stricmp1 = &FakeStricmp;
    launcher_swprintf1 = &FakeSwprintf;
    EXPECT_EQ(ztrun_stricmp("a", "b"), 7);
    // Exactly the first three argument words pass through.
    EXPECT_EQ(ztrun_swprintf((void*)1, (void*)2, (void*)3), 321);
}

TEST_F(Shims, LtoaRefusesToCallItself)
{
    launcher_ltoa1 = &ztrun_ltoa;
    char buffer[8] = "keep";
    EXPECT_EQ(ztrun_ltoa(255, buffer, 16), nullptr);
    EXPECT_STREQ(buffer, "keep");
}

TEST_F(Shims, RealRuntimeLibraryEntries)
{
    HMODULE runtime = LoadLibraryA("CRTDLL.DLL");
    ASSERT_NE(runtime, nullptr);
    launcher_ltoa1 = (LauncherLtoaFn)GetProcAddress(runtime, "_ltoa");
    launcher_stricmp1 = (LauncherStricmpFn)GetProcAddress(runtime, "_stricmp");
    launcher_splitpath1 = (LauncherSplitPathFn)GetProcAddress(runtime, "_splitpath");
    launcher_makepath1 = (LauncherMakePathFn)GetProcAddress(runtime, "_makepath");
    ASSERT_NE(launcher_ltoa1, nullptr);
    ASSERT_NE(launcher_stricmp1, nullptr);

    char buffer[MAX_PATH];
    EXPECT_STREQ(ztrun_ltoa(255, buffer, 16), "ff");   // the radix is honoured here
    EXPECT_EQ(ztrun_stricmp("Letter", "LETTER"), 0);
    EXPECT_LT(ztrun_stricmp("apple", "Banana"), 0);

    char drive[8], dir[MAX_PATH], name[MAX_PATH], ext[MAX_PATH];
    ztrun_splitpath("C:\\docs\\letter.zvw", drive, dir, name, ext);
    EXPECT_STREQ(drive, "C:");
    EXPECT_STREQ(dir, "\\docs\\");
    EXPECT_STREQ(name, "letter");
    EXPECT_STREQ(ext, ".zvw");
    ztrun_makepath(buffer, drive, dir, "report", "ztk");
    EXPECT_STREQ(buffer, "C:\\docs\\report.ztk");
    FreeLibrary(runtime);
}
