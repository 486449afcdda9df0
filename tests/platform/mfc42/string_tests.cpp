// CString: clamping of the extraction members, searching, in-place edits,
// aliasing in assignment and concatenation, formatting, resources, direct
// buffer access and embedded zeros.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include <string>

namespace {

// Text and length as one std::string, so embedded zeros and lengths are
// both checked by a single comparison.
std::string Bytes(const CString& s)
{
    return std::string((LPCSTR)s, s.GetLength());
}

#define ROW(expr, want) { #expr, expr, want }

TEST(CStringTest, ExtractionClampsLikeTheClassLibrary)
{
    const CString s("abcdef");
    const CString e;
    const struct { const char* expr; CString got; const char* want; } cases[] = {
        ROW(s.Mid(2, 3), "cde"),
        ROW(s.Mid(2), "cdef"),
        ROW(s.Mid(-3, 2), "ab"),
        ROW(s.Mid(4, 100), "ef"),
        ROW(s.Mid(6, 1), ""),
        ROW(s.Mid(99), ""),
        ROW(s.Mid(1, -1), ""),
        ROW(s.Mid(1, 0x7fffffff), "bcdef"),
        ROW(s.Left(2), "ab"),
        ROW(s.Left(0), ""),
        ROW(s.Left(-1), ""),
        ROW(s.Left(50), "abcdef"),
        ROW(s.Right(2), "ef"),
        ROW(s.Right(-2), ""),
        ROW(s.Right(50), "abcdef"),
        ROW(e.Mid(0, 1), ""),
        ROW(e.Left(3), ""),
        ROW(e.Right(3), ""),
        ROW(s.SpanIncluding("cba"), "abc"),
        ROW(s.SpanIncluding("xyz"), ""),
        ROW(s.SpanExcluding("dx"), "abc"),
        ROW(s.SpanExcluding("xyz"), "abcdef"),
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(c.want), Bytes(c.got)) << c.expr;
}

TEST(CStringTest, SearchingReturnsIndexOrMinusOne)
{
    const CString s("abcabc");
    const CString e;
    const struct { const char* expr; int got; int want; } cases[] = {
        ROW(s.Find('b'), 1),
        ROW(s.Find('b', 2), 4),
        ROW(s.Find('b', 5), -1),
        ROW(s.Find('a', 6), -1),
        ROW(s.Find('a', 100), -1),
        ROW(s.Find('z'), -1),
        ROW(s.Find("ca"), 2),
        ROW(s.Find("abc", 1), 3),
        ROW(s.Find("abc", 4), -1),
        ROW(s.Find("bc", 7), -1),
        ROW(s.Find("abcabcx"), -1),
        ROW(s.Find("zz"), -1),
        ROW(s.Find(""), 0),
        ROW(s.Find("", 6), 6),
        ROW(s.Find("", 7), -1),
        ROW(e.Find('a'), -1),
        ROW(e.Find("a"), -1),
        ROW(s.ReverseFind('a'), 3),
        ROW(s.ReverseFind('z'), -1),
        ROW(e.ReverseFind('a'), -1),
        ROW(s.FindOneOf("xc"), 2),
        ROW(s.FindOneOf("xyz"), -1),
        ROW(s.FindOneOf(""), -1),
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.want, c.got) << c.expr;
}

TEST(CStringTest, EditsReturnCountsOrNewLength)
{
    const struct
    {
        const char* label;
        const char* source;
        int (*edit)(CString&);
        const char* want;
        int wantResult;
    } cases[] = {
        {"replace grows", "a.b.c", [](CString& s) { return s.Replace(".", "--"); }, "a--b--c", 2},
        {"replace shrinks", "xxaxx", [](CString& s) { return s.Replace("xx", "y"); }, "yay", 2},
        {"replace non-overlapping", "aaaa", [](CString& s) { return s.Replace("aa", "b"); }, "bb", 2},
        {"replace with empty", "a-b-", [](CString& s) { return s.Replace("-", ""); }, "ab", 2},
        {"replace with null", "a-b", [](CString& s) { return s.Replace("-", nullptr); }, "ab", 1},
        {"replace empty old", "abc", [](CString& s) { return s.Replace("", "x"); }, "abc", 0},
        {"replace null old", "abc", [](CString& s) { return s.Replace(nullptr, "x"); }, "abc", 0},
        {"replace absent", "abc", [](CString& s) { return s.Replace("z", "x"); }, "abc", 0},
        {"replace in empty", "", [](CString& s) { return s.Replace("a", "b"); }, "", 0},
        {"replace char", "a.b.c", [](CString& s) { return s.Replace('.', '/'); }, "a/b/c", 2},
        {"remove counts removed", "banana", [](CString& s) { return s.Remove('a'); }, "bnn", 3},
        {"insert char", "ac", [](CString& s) { return s.Insert(1, 'b'); }, "abc", 3},
        {"insert past end appends", "ab", [](CString& s) { return s.Insert(10, "cd"); }, "abcd", 4},
        {"insert negative prepends", "cd", [](CString& s) { return s.Insert(-4, "ab"); }, "abcd", 4},
        {"insert null", "ab", [](CString& s) { return s.Insert(1, (LPCSTR)nullptr); }, "ab", 2},
        {"delete middle", "abcdef", [](CString& s) { return s.Delete(1, 2); }, "adef", 4},
        {"delete default one", "abc", [](CString& s) { return s.Delete(0); }, "bc", 2},
        {"delete past end", "abcdef", [](CString& s) { return s.Delete(4, 100); }, "abcd", 4},
        {"delete from beyond", "abc", [](CString& s) { return s.Delete(5, 1); }, "abc", 3},
        {"delete negative count", "abc", [](CString& s) { return s.Delete(1, -1); }, "abc", 3},
        {"trim white", " \t\r\nab c \n", [](CString& s) { s.TrimLeft(); s.TrimRight(); return s.GetLength(); }, "ab c", 4},
        {"trim all white", "  \t ", [](CString& s) { s.TrimRight(); return s.GetLength(); }, "", 0},
        {"trim high bytes kept", "\xA0x\xE9", [](CString& s) { s.TrimLeft(); s.TrimRight(); return s.GetLength(); }, "\xA0x\xE9", 3},
        {"trim char", "xxaxx", [](CString& s) { s.TrimLeft('x'); return s.GetLength(); }, "axx", 3},
        {"trim right char", "xxaxx", [](CString& s) { s.TrimRight('x'); return s.GetLength(); }, "xxa", 3},
        {"trim set", "-=a=-", [](CString& s) { s.TrimLeft("=-"); s.TrimRight("-="); return s.GetLength(); }, "a", 1},
        {"trim empty", "", [](CString& s) { s.TrimLeft(); s.TrimRight("x"); return s.GetLength(); }, "", 0},
        {"reverse", "abc", [](CString& s) { s.MakeReverse(); return s.GetLength(); }, "cba", 3},
    };
    for (const auto& c : cases)
    {
        CString s(c.source);
        int result = c.edit(s);
        EXPECT_EQ(std::string(c.want), Bytes(s)) << c.label;
        EXPECT_EQ(c.wantResult, result) << c.label;
        EXPECT_EQ(0, ((LPCSTR)s)[s.GetLength()]) << c.label << ": not terminated";
    }
}

TEST(CStringTest, ConcatenationAndAliasing)
{
    CString a("ab");
    CString b = a + "cd" + 'e';
    EXPECT_EQ("abcde", Bytes(b));
    EXPECT_EQ("xab", Bytes('x' + a));
    EXPECT_EQ("--ab", Bytes("--" + a));
    EXPECT_EQ("abab", Bytes(a + a));
    EXPECT_EQ("ab", Bytes(a + (LPCSTR)nullptr));

    // Sources inside the string's own buffer, including across a growth.
    CString s("0123456789");
    s += s;
    EXPECT_EQ("01234567890123456789", Bytes(s));
    s += (LPCSTR)s + 15;
    EXPECT_EQ("0123456789012345678956789", Bytes(s));
    s = (LPCSTR)s + 20;
    EXPECT_EQ("56789", Bytes(s));
    s = s;
    EXPECT_EQ("56789", Bytes(s));
    s.Insert(2, (LPCSTR)s);
    EXPECT_EQ("5656789789", Bytes(s));
    EXPECT_EQ(2, s.Replace("5", (LPCSTR)s + 9));   // the "9" lives in s
    EXPECT_EQ("9696789789", Bytes(s));

    CString grown;
    for (int i = 0; i < 1000; ++i)
        grown += (char)('a' + i % 26);
    EXPECT_EQ(1000, grown.GetLength());
    EXPECT_EQ('l', grown[999]);

    CString c('z', 3);
    EXPECT_EQ("zzz", Bytes(c));
    EXPECT_TRUE(CString('z', 0).IsEmpty());
    EXPECT_TRUE(CString('z', -2).IsEmpty());
    c = 'q';
    EXPECT_EQ("q", Bytes(c));

    CString n((LPCSTR)nullptr);
    EXPECT_TRUE(n.IsEmpty());
    EXPECT_STREQ("", (LPCSTR)n);
    n = "x";
    n = (LPCSTR)nullptr;
    EXPECT_TRUE(n.IsEmpty());
    n.Empty();
    EXPECT_STREQ("", (LPCSTR)n);
}

TEST(CStringTest, ComparisonOperatorsAndCaseFolding)
{
    const CString apple("apple"), banana("banana");
    EXPECT_TRUE(apple < banana);
    EXPECT_TRUE(banana > apple);
    EXPECT_TRUE(apple <= CString("apple"));
    EXPECT_TRUE(apple >= "apple");
    EXPECT_TRUE("apple" <= apple);
    EXPECT_TRUE("banana" > apple);
    EXPECT_FALSE("banana" < apple);
    EXPECT_TRUE(apple == "apple");
    EXPECT_TRUE("apple" == apple);
    EXPECT_TRUE(apple != banana);
    EXPECT_TRUE(apple != "Apple");
    EXPECT_LT(apple.Compare("applf"), 0);
    EXPECT_GT(apple.Compare("appl"), 0);
    EXPECT_GT(apple.Compare(nullptr), 0);
    EXPECT_EQ(0, CString().Compare(nullptr));
    // Bytes above 0x7F sort after ASCII, as an unsigned compare does.
    EXPECT_LT(CString("z").Compare("\xE9"), 0);

    EXPECT_EQ(0, apple.CompareNoCase("APPLE"));
    EXPECT_LT(apple.CompareNoCase("BANANA"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    EXPECT_EQ(0, CString("caf\xE9").CompareNoCase("CAF\xC9"));
    // '_' lies between the upper- and lower-case letters: the class library
    // folds to upper case first, so "_" sorts after "A".
    EXPECT_GT(CString("_").CompareNoCase("a"), 0);

    EXPECT_EQ(0, apple.Collate("apple"));
    EXPECT_LT(apple.Collate("banana"), 0);
    EXPECT_EQ(0, apple.CollateNoCase("APPLE"));
    EXPECT_GT(banana.CollateNoCase("APPLE"), 0);
}

TEST(CStringTest, CaseMappingFollowsTheAnsiCodePage)
{
    CString s("Caf\xE9 \xC0 la Cr\xE8me 42");
    s.MakeUpper();
    EXPECT_EQ("CAF\xC9 \xC0 LA CR\xC8ME 42", Bytes(s));
    s.MakeLower();
    EXPECT_EQ("caf\xE9 \xE0 la cr\xE8me 42", Bytes(s));
    CString e;
    e.MakeUpper();
    EXPECT_TRUE(e.IsEmpty());
}

TEST(CStringTest, FormatAnyLength)
{
    CString s;
    s.Format("%s=%d, %05.1f%%", "x", -42, 3.14159);
    EXPECT_EQ("x=-42, 003.1%", Bytes(s));

    std::string longArg(1500, 'q');
    s.Format("[%s]<%d>", longArg.c_str(), 7);
    EXPECT_EQ("[" + longArg + "]<7>", Bytes(s));

    // The old contents may be an argument of the new format.
    s = "abc";
    s.Format("%s%s", (LPCSTR)s, (LPCSTR)s);
    EXPECT_EQ("abcabc", Bytes(s));

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, StringResources)
{
    CString s("old");
    ASSERT_TRUE(s.LoadString(100));
    EXPECT_EQ("Hello from the string table", Bytes(s));

    EXPECT_FALSE(s.LoadString(9999));
    EXPECT_TRUE(s.IsEmpty());

    s.Format(101u, "Report", 12);
    EXPECT_EQ("Report has 12 pages", Bytes(s));

    CString fromId(MAKEINTRESOURCEA(100));
    EXPECT_EQ("Hello from the string table", Bytes(fromId));
}

TEST(CStringTest, DirectBufferAccess)
{
    CString s("abc");
    char* p = s.GetBuffer(100);
    EXPECT_STREQ("abc", p);          // text kept
    strcpy(p, "a much longer text than before");
    s.ReleaseBuffer();
    EXPECT_EQ("a much longer text than before", Bytes(s));

    p = s.GetBuffer(0);             // never shrinks below the text
    EXPECT_STREQ("a much longer text than before", p);
    s.ReleaseBuffer(6);
    EXPECT_EQ("a much", Bytes(s));

    s.FreeExtra();
    EXPECT_EQ("a much", Bytes(s));

    p = s.GetBufferSetLength(3);
    EXPECT_EQ(3, s.GetLength());
    p[0] = 'X';
    s.ReleaseBuffer();
    EXPECT_EQ("X m", Bytes(s));

    // Writes not yet released survive a second, larger GetBuffer.
    CString t;
    p = t.GetBuffer(4);
    strcpy(p, "wxyz");
    p = t.GetBuffer(1000);
    t.ReleaseBuffer(-1);
    EXPECT_EQ("wxyz", Bytes(t));

    // A length set explicitly keeps bytes after an embedded zero.
    p = t.GetBuffer(3);
    memcpy(p, "a\0b", 3);
    t.ReleaseBuffer(3);
    EXPECT_EQ(std::string("a\0b", 3), Bytes(t));
}

TEST(CStringTest, EmbeddedZerosAreKept)
{
    CString s("ab\0cd", 5);
    EXPECT_EQ(5, s.GetLength());
    EXPECT_EQ(0, s.GetAt(2));
    EXPECT_EQ('d', s[4]);
    EXPECT_EQ(3, s.Find('c'));
    EXPECT_EQ(2, s.Find('\0'));

    CString copy(s);
    EXPECT_EQ(std::string("ab\0cd", 5), Bytes(copy));
    copy = s + s;
    EXPECT_EQ(10, copy.GetLength());
    EXPECT_EQ(std::string("\0cd", 3), Bytes(s.Right(3)));

    EXPECT_TRUE(CString((LPCSTR)nullptr, 4).IsEmpty());
    EXPECT_TRUE(CString("abc", -1).IsEmpty());
}

#ifdef NDEBUG
// Release builds clamp instead of asserting; debug builds assert.
TEST(CStringTest, OutOfRangeIndexIsHarmless)
{
    CString s("ab");
    EXPECT_EQ(0, s.GetAt(2));
    EXPECT_EQ(0, s.GetAt(-1));
    s.SetAt(2, 'x');
    s.SetAt(-1, 'x');
    s.SetAt(1, 'B');
    EXPECT_EQ("aB", Bytes(s));
}
#endif

TEST(CStringTest, ExtractSubString)
{
    const struct { const char* full; int index; char sep; BOOL ok; const char* want; } cases[] = {
        {"a\nbb\nccc", 0, '\n', TRUE, "a"},
        {"a\nbb\nccc", 1, '\n', TRUE, "bb"},
        {"a\nbb\nccc", 2, '\n', TRUE, "ccc"},
        {"a\nbb\nccc", 3, '\n', FALSE, ""},
        {"a,,c", 1, ',', TRUE, ""},
        {"a,", 1, ',', TRUE, ""},
        {"a,", 2, ',', FALSE, ""},
        {"", 0, ',', TRUE, ""},
        {"", 1, ',', FALSE, ""},
        {"x", -1, ',', FALSE, ""},
        {nullptr, 0, ',', FALSE, ""},
    };
    for (const auto& c : cases)
    {
        CString out("stale");
        EXPECT_EQ(c.ok, AfxExtractSubString(out, c.full, c.index, c.sep))
            << (c.full ? c.full : "(null)") << " #" << c.index;
        EXPECT_EQ(std::string(c.want), Bytes(out)) << (c.full ? c.full : "(null)") << " #" << c.index;
    }
}

#undef ROW

}  // namespace
