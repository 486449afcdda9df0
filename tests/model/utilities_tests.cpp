// Tests of the shared helpers: string-table texts, the message queue,
// rounding and interpolation, substring search, zero trimming, files,
// profiles and screen metrics.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "resources/resource.h"
#include "model/utilities.h"

#include <string>

TEST(UtilitiesResource, LoadsStringsAndAnswersEmptyForMissingIds)
{
    EXPECT_STREQ("Red", (const char*)GetResourceString(IDS_COLOR_RED));
    EXPECT_STREQ(" thousand", (const char*)GetResourceString(IDS_NUM_THOUSAND));
    EXPECT_TRUE(GetResourceString(12345).IsEmpty());
}

TEST(UtilitiesQueue, FlushEmptiesTheQueueButKeepsAQuitRequest)
{
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);   // gives the thread a queue
    DWORD thread = ::GetCurrentThreadId();
    ASSERT_TRUE(::PostThreadMessageA(thread, WM_APP + 1, 1, 2));
    ASSERT_TRUE(::PostThreadMessageA(thread, WM_APP + 2, 3, 4));
    FlushQueue();
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));

    ::PostThreadMessageA(thread, WM_APP + 3, 0, 0);
    ::PostQuitMessage(7);
    FlushQueue();
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ((UINT)WM_QUIT, msg.message);
    EXPECT_EQ(7u, (unsigned)msg.wParam);
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST(UtilitiesArithmetic, RoundsHalvesUpwards)
{
    struct Case { double x; int expected; };
    const Case cases[] = {
        {2.5, 3}, {-2.5, -2}, {2.49, 2}, {-2.51, -3}, {0.0, 0}, {-0.4, 0}, {1234.5, 1235},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Round(c.x)) << c.x;
}

TEST(UtilitiesArithmetic, IntegerHarmonyInterpolatesWithTruncatedQuotient)
{
    struct Case { LONG a, b, c, d, e, expected; };
    const Case cases[] = {
        {0, 5, 10, 100, 200, 150},
        {0, 1, 3, 0, 10, 3},           // 10/3 truncated
        {0, 1, 3, 0, -10, -3},         // truncated towards zero, not down
        {10, 0, 20, 0, 100, -100},     // outside the interval
        {0, 1, 3, 100, 90, 97},        // falling line: 100 + (-10/3)
        // (b - a)(e - d) is 5e9, past 32 bits; the quotient still fits.
        {0, 50000, 100000, 0, 100000, 50000},
        {-2000000000, 0, 2000000000, -2000000000, 2000000000, 0},
        {5, 7, 5, 42, 99, 42},         // degenerate line answers d
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Harmony(c.a, c.b, c.c, c.d, c.e))
            << c.a << " " << c.b << " " << c.c << " " << c.d << " " << c.e;
}

TEST(UtilitiesArithmetic, FloatingHarmonyInterpolatesExactly)
{
    EXPECT_DOUBLE_EQ(150.0, Harmony(0.0, 5.0, 10.0, 100.0, 200.0));
    EXPECT_DOUBLE_EQ(10.0 / 3.0, Harmony(0.0, 1.0, 3.0, 0.0, 10.0));
    EXPECT_DOUBLE_EQ(-1.5, Harmony(1.0, 0.5, 2.0, -1.0, 0.0));
    EXPECT_DOUBLE_EQ(4.0, Harmony(2.0, 3.0, 2.0, 4.0, 8.0));
}

struct FindCase { const char* pattern; const char* text; int start; int matchCase; int expected; };

TEST(UtilitiesSearch, FindsForwardFromStart)
{
    const FindCase cases[] = {
        {"cd", "xxCD", 0, 0, 2},
        {"cd", "xxCD", 0, 1, -1},
        {"cd", "xxCD", 3, 0, -1},
        {"CD", "xxCD", 2, 1, 2},       // a match beginning at start counts
        {"a", "abc", 4, 0, -1},        // start past the end
        {"a", "aba", 1, 1, 2},
        {"aab", "aaab", 0, 1, 1},      // a failed partial match restarts one later
        {"abab", "abaabab", 0, 1, 3},
        {"abc", "ab", 0, 1, -1},       // pattern longer than what is left
        {"abc", "abc", 0, 0, 0},
        {"x", "abc", 0, 0, -1},
        {"[", "{", 0, 0, -1},          // case folding touches letters only
        {"", "abc", 0, 0, -1},
        {"b", "abc", -5, 1, 1},        // a negative start searches from 0
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(c.expected, StrFindL(c.pattern, c.text, c.start, c.matchCase))
            << c.pattern << " in " << c.text << " from " << c.start << " case " << c.matchCase;
}

TEST(UtilitiesSearch, FindsBackwardBeforeStart)
{
    const FindCase cases[] = {
        {"cd", "cdcd", 4, 0, 2},
        {"cd", "cdcd", 3, 0, 0},
        {"CD", "cdcd", 4, 1, -1},
        {"CD", "cdcd", 4, 0, 2},
        {"cd", "cdcd", 1, 0, -1},      // the occurrence at 0 ends after 1
        {"cd", "cdcd", 0, 0, -1},
        {"cd", "cdcd", -3, 0, -1},
        {"x", "xyz", 3, 1, 0},         // index 0 itself is examined
        {"baa", "baaa", 4, 1, 0},      // a failed partial match restarts one earlier
        {"cd", "cdcd", 100, 1, 2},     // a start past the end means the end
        {"", "abc", 3, 0, -1},
        {"abcd", "abc", 3, 0, -1},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(c.expected, StrFindR(c.pattern, c.text, c.start, c.matchCase))
            << c.pattern << " in " << c.text << " before " << c.start << " case " << c.matchCase;
}

TEST(UtilitiesText, DelZerosTrimsDecimalZerosOnly)
{
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        {"12.50", "12.5"}, {"12.00", "12"}, {".000", "0"}, {"100", "100"},
        {"100.0", "100"}, {"0.0", "0"}, {"1.05", "1.05"}, {"", ""}, {"7.", "7"},
    };
    for (const Case& c : cases)
    {
        char buffer[32];
        strcpy(buffer, c.in);
        EXPECT_EQ(buffer, DelZeros(buffer));
        EXPECT_STREQ(c.out, buffer) << c.in;
    }
}

// A temporary file that is removed again.
class UtilitiesFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        char dir[MAX_PATH];
        ASSERT_NE(0u, ::GetTempPathA(MAX_PATH, dir));
        ASSERT_NE(0u, ::GetTempFileNameA(dir, "zut", 0, m_path));   // creates it
    }
    void TearDown() override { ::DeleteFileA(m_path); }
    char m_path[MAX_PATH] = "";
};

TEST_F(UtilitiesFiles, FileExistsTellsPresentFromMissing)
{
    EXPECT_EQ(1, FileExists(m_path));
    EXPECT_EQ(0, FileExists(nullptr));
    ::DeleteFileA(m_path);
    EXPECT_EQ(0, FileExists(m_path));
}

TEST_F(UtilitiesFiles, WritePrivateProfileIntWritesDecimalText)
{
    EXPECT_TRUE(WritePrivateProfileInt("Section", "Width", -1234, m_path));
    EXPECT_TRUE(WritePrivateProfileInt("Section", "Height", 2147483647, m_path));
    char text[32] = "";
    ::GetPrivateProfileStringA("Section", "Width", "", text, sizeof(text), m_path);
    EXPECT_STREQ("-1234", text);
    ::GetPrivateProfileStringA("Section", "Height", "", text, sizeof(text), m_path);
    EXPECT_STREQ("2147483647", text);
}

TEST(UtilitiesMetrics, InitSystemMetricsReadsTheScreen)
{
    InitSystemMetrics();
    EXPECT_EQ((BYTE)::GetSystemMetrics(SM_CXICON), IconDx);
    EXPECT_EQ((BYTE)::GetSystemMetrics(SM_CYHSCROLL), ScrollDy);
    EXPECT_EQ((short)::GetSystemMetrics(SM_CXSCREEN), ScrDx);
    EXPECT_GT(PixelPerInchX, 0);
    EXPECT_GT(PixelPerInchY, 0);
    EXPECT_GE(Colors, 2u);
    EXPECT_GT(ChSize.cx, 0);
    EXPECT_GT(ChSize.cy, ChSize.cx / 2);
}
