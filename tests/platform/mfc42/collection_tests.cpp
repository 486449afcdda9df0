// Collections: array insert/remove/grow semantics, element lifetimes,
// lists walked both ways, maps, and the typed pointer wrappers.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "afxtempl.h"

#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace {

typedef CArray<int, int> CIntArray;

void Fill(CIntArray& a, const std::vector<int>& v)
{
    a.RemoveAll();
    for (int x : v)
        a.Add(x);
}

std::vector<int> Contents(const CIntArray& a)
{
    return std::vector<int>(a.GetData(), a.GetData() + a.GetSize());
}

}  // namespace

TEST(CArray, InsertRemoveAndResize)
{
    struct Case
    {
        const char* name;
        std::vector<int> initial;
        std::function<void(CIntArray&)> op;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"insert in the middle", {1, 2, 3}, [](CIntArray& a) { a.InsertAt(1, 9); }, {1, 9, 2, 3}},
        {"insert n copies at the front", {1, 2}, [](CIntArray& a) { a.InsertAt(0, 9, 3); }, {9, 9, 9, 1, 2}},
        {"insert at the end", {1, 2, 3}, [](CIntArray& a) { a.InsertAt(3, 7); }, {1, 2, 3, 7}},
        {"insert past the end zero-fills the gap", {1, 2}, [](CIntArray& a) { a.InsertAt(5, 7, 2); }, {1, 2, 0, 0, 0, 7, 7}},
        {"insert past the end of an empty array", {}, [](CIntArray& a) { a.InsertAt(2, 5); }, {0, 0, 5}},
        {"insert an element of the array itself", {1, 2, 3}, [](CIntArray& a) { a.InsertAt(0, a[2], 2); }, {3, 3, 1, 2, 3}},
        {"insert an array", {1, 2}, [](CIntArray& a) { CIntArray b; Fill(b, {8, 9}); a.InsertAt(1, &b); }, {1, 8, 9, 2}},
        {"insert an array past the end", {1}, [](CIntArray& a) { CIntArray b; Fill(b, {8, 9}); a.InsertAt(3, &b); }, {1, 0, 0, 8, 9}},
        {"insert an empty array", {1}, [](CIntArray& a) { CIntArray b; a.InsertAt(0, &b); }, {1}},
        {"insert the array into itself", {1, 2}, [](CIntArray& a) { a.InsertAt(1, &a); }, {1, 1, 2, 2}},
        {"remove one", {1, 2, 3}, [](CIntArray& a) { a.RemoveAt(1); }, {1, 3}},
        {"remove a range at the end", {1, 2, 3, 4, 5}, [](CIntArray& a) { a.RemoveAt(2, 3); }, {1, 2}},
        {"remove a range in the middle", {1, 2, 3, 4, 5}, [](CIntArray& a) { a.RemoveAt(1, 2); }, {1, 4, 5}},
        {"remove everything", {1, 2, 3}, [](CIntArray& a) { a.RemoveAt(0, 3); }, {}},
        {"remove none", {1, 2, 3}, [](CIntArray& a) { a.RemoveAt(1, 0); }, {1, 2, 3}},
        {"shrink keeps the front", {1, 2, 3}, [](CIntArray& a) { a.SetSize(2); }, {1, 2}},
        {"grow keeps contents and zero-fills", {1, 2}, [](CIntArray& a) { a.SetSize(5); }, {1, 2, 0, 0, 0}},
        {"shrink then grow does not resurrect", {1, 2, 3}, [](CIntArray& a) { a.SetSize(1); a.SetSize(3); }, {1, 0, 0}},
        {"set size zero", {1, 2}, [](CIntArray& a) { a.SetSize(0); }, {}},
        {"set-at-grow past the end", {1}, [](CIntArray& a) { a.SetAtGrow(4, 7); }, {1, 0, 0, 0, 7}},
        {"set-at-grow inside", {1, 2}, [](CIntArray& a) { a.SetAtGrow(0, 7); }, {7, 2}},
        {"append", {1, 2}, [](CIntArray& a) { CIntArray b; Fill(b, {3}); EXPECT_EQ(a.Append(b), 2); }, {1, 2, 3}},
        {"append to itself", {1, 2}, [](CIntArray& a) { a.Append(a); }, {1, 2, 1, 2}},
        {"copy replaces", {1, 2, 3}, [](CIntArray& a) { CIntArray b; Fill(b, {9}); a.Copy(b); }, {9}},
        {"free extra keeps contents", {1, 2, 3}, [](CIntArray& a) { a.SetSize(3, 50); a.FreeExtra(); }, {1, 2, 3}},
        {"element-at writes through", {1, 2}, [](CIntArray& a) { a.ElementAt(1) = 5; a[0] = 4; }, {4, 5}},
#ifdef NDEBUG
        // Release builds ignore bad calls instead of writing out of bounds.
        {"bad remove range", {1, 2, 3}, [](CIntArray& a) { a.RemoveAt(2, 5); }, {1, 2, 3}},
        {"bad remove index", {1, 2, 3}, [](CIntArray& a) { a.RemoveAt(4); }, {1, 2, 3}},
        {"bad insert index", {1, 2}, [](CIntArray& a) { a.InsertAt(-1, 5); }, {1, 2}},
        {"bad set-at", {1, 2}, [](CIntArray& a) { a.SetAt(2, 9); a.SetAt(-1, 9); }, {1, 2}},
        {"bad element-at", {1, 2}, [](CIntArray& a) { a[5] = 9; a.ElementAt(-1) = 9; EXPECT_EQ(a[7], 0); }, {1, 2}},
        {"negative size", {1, 2}, [](CIntArray& a) { a.SetSize(-1); }, {1, 2}},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CIntArray a;
        Fill(a, c.initial);
        c.op(a);
        EXPECT_EQ(Contents(a), c.expected);
        EXPECT_EQ(a.GetUpperBound(), a.GetSize() - 1);
    }
}

TEST(CArray, AddReturnsTheIndex)
{
    CIntArray a;
    for (int i = 0; i < 100; i++)
        EXPECT_EQ(a.Add(i * 3), i);
    EXPECT_EQ(a.GetSize(), 100);
    EXPECT_EQ(a.GetAt(99), 297);
    const CIntArray& ca = a;
    EXPECT_EQ(ca[50], 150);
}

TEST(CArray, GrowsInSteps)
{
    // A large step: one block holds everything up to it.
    CIntArray big;
    big.SetSize(0, 1000);
    big.Add(0);
    const int* p = big.GetData();
    for (int i = 1; i < 1000; i++)
        big.Add(i);
    big.SetSize(500);
    big.SetSize(1000);
    big.RemoveAt(10);
    big.InsertAt(10, 5);
    EXPECT_EQ(big.GetData(), p);
    EXPECT_EQ(big.GetAt(10), 5);
    EXPECT_EQ(big.GetAt(499), 499);
    EXPECT_EQ(big.GetAt(500), 0);

    // The default step follows the size: max(4, min(1024, size / 8)).
    CIntArray a;
    a.SetSize(100);
    a.Add(1);                   // reallocates with room for 12 more
    p = a.GetData();
    for (int i = 0; i < 11; i++)
        a.Add(1);
    EXPECT_EQ(a.GetData(), p);
    a.Add(1);
    EXPECT_NE(a.GetData(), p);
    EXPECT_EQ(a.GetSize(), 113);
}

namespace {

// Counts live objects and knows its own address, so leaks, double
// destruction and byte-wise moves of a non-trivial type all show.
struct Tracked
{
    static int s_live;
    int value = 0;
    const Tracked* self;

    Tracked() : self(this) { s_live++; }
    Tracked(int v) : value(v), self(this) { s_live++; }
    Tracked(const Tracked& o) : value(o.value), self(this) { EXPECT_EQ(o.self, &o); s_live++; }
    Tracked& operator=(const Tracked& o)
    {
        EXPECT_EQ(self, this);
        EXPECT_EQ(o.self, &o);
        value = o.value;
        return *this;
    }
    ~Tracked() { EXPECT_EQ(self, this); self = nullptr; s_live--; }
    bool operator==(const Tracked& o) const { return value == o.value && self == this && o.self == &o; }
};
int Tracked::s_live = 0;

CString MakeValue(int n, CString*) { CString s; s.Format("v%d-%.*s", n, n % 40, "0123456789012345678901234567890123456789"); return s; }
Tracked MakeValue(int n, Tracked*) { return Tracked(n); }
int Live(CString*) { return -1; }
int Live(Tracked*) { return Tracked::s_live; }

// Random inserts, removes and resizes, checked against std::vector.
template<class T>
void RunRandomOps(unsigned seed)
{
    std::mt19937 rng(seed);
    auto rnd = [&](int n) { return n <= 0 ? 0 : (int)(rng() % (unsigned)n); };
    int liveBefore = Live((T*)nullptr);
    {
        CArray<T, const T&> a;
        std::vector<T> v;
        for (int step = 0; step < 400; step++) {
            int size = (int)v.size();
            int op = rnd(8);
            T value = MakeValue(step, (T*)nullptr);
            if (op == 0) {
                a.Add(value);
                v.push_back(value);
            } else if (op == 1) {
                int i = rnd(size + 3), n = 1 + rnd(3);
                a.InsertAt(i, value, n);
                if (i > size)
                    v.resize(i);
                v.insert(v.begin() + i, n, value);
            } else if (op == 2 && size > 0) {
                int i = rnd(size), j = rnd(size);
                a.InsertAt(i, a[j]);           // the source moves as the array opens
                T copy = v[j];
                v.insert(v.begin() + i, copy);
            } else if (op == 3 && size > 0) {
                int i = rnd(size), n = 1 + rnd(size - i);
                a.RemoveAt(i, n);
                v.erase(v.begin() + i, v.begin() + i + n);
            } else if (op == 4) {
                int n = rnd(size + 5);
                a.SetSize(n, rnd(3) * 7);
                v.resize(n);
            } else if (op == 5 && size > 0) {
                int i = rnd(size);
                a.SetAt(i, value);
                v[i] = value;
            } else if (op == 6) {
                CArray<T, const T&> b;
                b.Add(value);
                b.Add(MakeValue(step + 1000, (T*)nullptr));
                int i = rnd(size + 1);
                a.InsertAt(i, &b);
                v.insert(v.begin() + i, b.GetData(), b.GetData() + 2);
            } else {
                a.FreeExtra();
            }
            ASSERT_EQ(a.GetSize(), (int)v.size()) << "step " << step;
            for (int i = 0; i < a.GetSize(); i++)
                ASSERT_TRUE(a[i] == v[i]) << "step " << step << " index " << i;
            if (liveBefore >= 0) {   // constructed elements only: the array's, the mirror's, value
                ASSERT_EQ(Live((T*)nullptr), liveBefore + 2 * (int)v.size() + 1);
            }
        }
    }
    if (liveBefore >= 0) {
        EXPECT_EQ(Live((T*)nullptr), liveBefore);
    }
}

}  // namespace

TEST(CArray, NonTrivialElementsSurviveRandomEdits)
{
    RunRandomOps<CString>(12345);
    RunRandomOps<Tracked>(777);
}

TEST(CArray, NamedArrays)
{
    CStringArray strings;
    strings.Add("alpha");
    strings.Add(CString("gamma"));
    strings.InsertAt(1, "beta");
    ASSERT_EQ(strings.GetSize(), 3);
    EXPECT_STREQ(strings[1], "beta");
    EXPECT_STREQ(strings.GetAt(2), "gamma");
    strings.SetSize(4);
    EXPECT_TRUE(strings[3].IsEmpty());

    CObArray objects;
    CStringArray* pStrings = &strings;
    objects.Add(pStrings);
    objects.Add(nullptr);
    EXPECT_EQ(objects.GetAt(0), pStrings);
    EXPECT_EQ(objects.GetAt(1), nullptr);
    objects.RemoveAll();          // holds pointers only: nothing is deleted
    EXPECT_EQ(strings.GetSize(), 4);

    CDWordArray dwords;
    dwords.Add(0xFFFFFFFFu);
    dwords.SetAtGrow(2, 0x80000000u);
    EXPECT_EQ(dwords.GetSize(), 3);
    EXPECT_EQ(dwords[0], 0xFFFFFFFFu);
    EXPECT_EQ(dwords[1], 0u);

    struct { const CObject* object; const char* name; } classes[] = {
        {&strings, "CStringArray"}, {&objects, "CObArray"}, {&dwords, "CDWordArray"},
    };
    for (const auto& c : classes) {
        EXPECT_STREQ(c.object->GetRuntimeClass()->m_lpszClassName, c.name);
        EXPECT_TRUE(c.object->IsKindOf(RUNTIME_CLASS(CObject)));
    }
    EXPECT_FALSE(strings.IsKindOf(RUNTIME_CLASS(CObArray)));
}

namespace {

std::vector<std::string> Forward(const CStringList& list)
{
    std::vector<std::string> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back((LPCSTR)list.GetNext(pos));
    return out;
}

// Walks backwards too, so a broken back link fails as well.
void ExpectList(const CStringList& list, const std::vector<std::string>& expected)
{
    EXPECT_EQ(Forward(list), expected);
    std::vector<std::string> backward;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backward.insert(backward.begin(), (LPCSTR)list.GetPrev(pos));
    EXPECT_EQ(backward, expected);
    EXPECT_EQ(list.GetCount(), (int)expected.size());
    EXPECT_EQ(list.IsEmpty(), expected.empty());
}

}  // namespace

TEST(CList, InsertRemoveFindAndWalk)
{
    CStringList list;
    POSITION b = list.AddTail("b");
    list.AddHead("a");
    POSITION d = list.AddTail("d");
    list.InsertAfter(b, "c");
    list.InsertBefore(b, "ab");
    list.InsertBefore(NULL, "head");
    list.InsertAfter(NULL, "tail");
    ExpectList(list, {"head", "a", "ab", "b", "c", "d", "tail"});
    EXPECT_STREQ(list.GetAt(d), "d");
    EXPECT_STREQ(list.GetHead(), "head");
    EXPECT_STREQ(list.GetTail(), "tail");

    list.RemoveAt(b);
    list.RemoveAt(list.GetHeadPosition());
    list.RemoveAt(list.GetTailPosition());
    ExpectList(list, {"a", "ab", "c", "d"});
    list.SetAt(list.FindIndex(1), "x");
    EXPECT_STREQ(list.RemoveHead(), "a");
    EXPECT_STREQ(list.RemoveTail(), "d");
    ExpectList(list, {"x", "c"});

    list.AddTail(&list);          // counted first: doubles instead of looping
    list.AddHead(&list);
    ExpectList(list, {"x", "c", "x", "c", "x", "c", "x", "c"});

    // Find compares contents and can resume after an earlier hit.
    char key[] = "c";
    POSITION first = list.Find(key);
    ASSERT_NE(first, (POSITION)NULL);
    EXPECT_EQ(first, list.FindIndex(1));
    EXPECT_EQ(list.Find("c", first), list.FindIndex(3));
    EXPECT_EQ(list.Find("c", list.FindIndex(7)), (POSITION)NULL);
    EXPECT_EQ(list.Find("nope"), (POSITION)NULL);
    EXPECT_EQ(list.FindIndex(8), (POSITION)NULL);
    EXPECT_EQ(list.FindIndex(-1), (POSITION)NULL);

    list.RemoveAll();
    ExpectList(list, {});
    EXPECT_EQ(list.GetHeadPosition(), (POSITION)NULL);
    list.AddTail("again");
    ExpectList(list, {"again"});
}

TEST(CList, TemplateAndPointerLists)
{
    CList<int, int> ints;
    for (int i = 0; i < 5; i++)
        ints.AddTail(i);
    POSITION pos = ints.GetHeadPosition();
    while (pos) {                 // remove the odd ones while walking
        POSITION here = pos;
        if (ints.GetNext(pos) % 2)
            ints.RemoveAt(here);
    }
    std::vector<int> left;
    for (pos = ints.GetTailPosition(); pos;)
        left.push_back(ints.GetPrev(pos));
    EXPECT_EQ(left, (std::vector<int>{4, 2, 0}));
    ints.GetHead() = 10;
    EXPECT_EQ(ints.GetAt(ints.Find(10)), 10);

    int x = 1, y = 2;
    CPtrList ptrs;
    ptrs.AddTail(&x);
    ptrs.AddTail(&y);
    EXPECT_EQ(ptrs.Find(&y), ptrs.GetTailPosition());
    EXPECT_EQ(ptrs.RemoveHead(), &x);
    EXPECT_STREQ(ptrs.GetRuntimeClass()->m_lpszClassName, "CPtrList");
}

TEST(CMap, LookupOverwriteRemoveAndIterate)
{
    CMap<int, int, int, int> map;
    for (int i = 0; i < 1000; i++)
        map.SetAt(i * 7, i);
    map.SetAt(14, -1);                       // overwrite
    EXPECT_EQ(map[21], 3);
    EXPECT_EQ(map[-5], 0);                   // operator[] adds a zeroed entry
    EXPECT_EQ(map.GetCount(), 1001);
    EXPECT_TRUE(map.RemoveKey(-5));
    EXPECT_FALSE(map.RemoveKey(-5));
    for (int i = 0; i < 1000; i += 2)
        EXPECT_TRUE(map.RemoveKey(i * 7));
    map.InitHashTable(101);                  // rehashes what is there

    int value = 99;
    EXPECT_FALSE(map.Lookup(14, value));
    EXPECT_EQ(value, 99);
    ASSERT_TRUE(map.Lookup(21, value));
    EXPECT_EQ(value, 3);

    int count = 0;
    long long keySum = 0;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        int key = 0, val = 0;
        map.GetNextAssoc(pos, key, val);
        EXPECT_EQ(key, val * 7);
        keySum += key;
        count++;
    }
    EXPECT_EQ(count, 500);
    EXPECT_EQ(map.GetCount(), 500);
    EXPECT_EQ(keySum, 7LL * 250000);         // 7 * (1 + 3 + ... + 999)

    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), (POSITION)NULL);
    map[3] = 4;
    EXPECT_EQ(map.GetCount(), 1);
}

// The class library hashes an integer key by shifting it right by four, so
// GetNextAssoc walks the buckets of those hashes, newest entry first within
// a bucket; callers that visit a small map rely on that order.
TEST(CMap, IntegerKeysHashAsTheClassLibraryDocumentsIt)
{
    EXPECT_EQ(HashKey<int>(0x123), 0x12u);
    EXPECT_EQ(HashKey<int>(-400), (UINT)-400 >> 4);
    EXPECT_EQ(HashKey<WORD>(0xFFFF), 0xFFFu);

    CMap<int, int, int, int> map;   // 17 buckets
    for (int key : {16, 17 * 16, 32, 0})
        map[key] = key;
    std::vector<int> order;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        int key, value;
        map.GetNextAssoc(pos, key, value);
        order.push_back(key);
    }
    // Bucket 0 holds 272 (272 >> 4 = 17, 17 mod 17 = 0) and 0, newest first;
    // bucket 1 holds 16, bucket 2 holds 32.
    EXPECT_EQ(order, (std::vector<int>{0, 17 * 16, 16, 32}));
}

TEST(CMap, StringKeyedMaps)
{
    int a = 1, b = 2;
    CMapStringToPtr ptrs;
    ptrs.SetAt("Key", &a);
    ptrs.SetAt("key", &b);                   // keys are case-sensitive
    char buffer[] = "Key";                   // found by contents, not address
    void* found = nullptr;
    ASSERT_TRUE(ptrs.Lookup(buffer, found));
    EXPECT_EQ(found, &a);
    ptrs[buffer] = &b;                       // overwrite through operator[]
    EXPECT_TRUE(ptrs.Lookup("Key", found));
    EXPECT_EQ(found, &b);
    EXPECT_EQ(ptrs.GetCount(), 2);

    for (int i = 0; i < 300; i++) {
        CString k;
        k.Format("word%d", i);
        ptrs[k] = &a;
    }
    EXPECT_TRUE(ptrs.RemoveKey("word17"));
    EXPECT_FALSE(ptrs.Lookup("word17", found));
    int count = 0;
    for (POSITION pos = ptrs.GetStartPosition(); pos;) {
        CString key;
        void* value;
        ptrs.GetNextAssoc(pos, key, value);
        EXPECT_NE(key, "word17");
        count++;
    }
    EXPECT_EQ(count, 301);
    EXPECT_EQ(count, ptrs.GetCount());

    CMapStringToString strings;
    strings["font"] = "Serif";
    strings.SetAt("size", "12");
    strings.SetAt("font", "Sans");
    CString value;
    ASSERT_TRUE(strings.Lookup("font", value));
    EXPECT_STREQ(value, "Sans");
    EXPECT_EQ(strings.GetCount(), 2);

    CMapPtrToPtr pp;
    pp[&a] = &b;
    EXPECT_TRUE(pp.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(pp.Lookup(&b, found));
}

namespace {

class CItem : public CObject
{
public:
    explicit CItem(int n) : number(n) {}
    int number;
};

}  // namespace

TEST(TypedPtrCollections, CarryTheElementType)
{
    CItem one(1), two(2), three(3);

    CTypedPtrArray<CObArray, CItem*> items;
    items.Add(&one);
    items.Add(&two);
    items.InsertAt(1, &three);
    static_assert(std::is_same<decltype(items.GetAt(0)), CItem*>::value, "GetAt is typed");
    static_assert(std::is_same<decltype(items[0]), CItem*&>::value, "operator[] is typed");
    EXPECT_EQ(items.GetAt(1)->number, 3);
    items[2] = &one;
    EXPECT_EQ(items.ElementAt(2), &one);
    EXPECT_STREQ(items.GetRuntimeClass()->m_lpszClassName, "CObArray");

    CTypedPtrList<CPtrList, CItem*> list;
    list.AddTail(&one);
    list.AddTail(&two);
    list.AddHead(&three);
    static_assert(std::is_same<decltype(list.GetHead()), CItem*&>::value, "GetHead is typed");
    int sum = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        sum = sum * 10 + list.GetNext(pos)->number;
    EXPECT_EQ(sum, 312);
    EXPECT_EQ(list.RemoveTail()->number, 2);

    CTypedPtrMap<CMapStringToPtr, CString, CItem*> map;
    map.SetAt("one", &one);
    map["two"] = &two;
    CItem* found = nullptr;
    ASSERT_TRUE(map.Lookup("two", found));
    EXPECT_EQ(found->number, 2);
    POSITION pos = map.GetStartPosition();
    CString key;
    map.GetNextAssoc(pos, key, found);
    EXPECT_TRUE(found == &one || found == &two);
}
