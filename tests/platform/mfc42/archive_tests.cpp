// CArchive: exact little-endian bytes of every number, string length
// prefixes, the end of the file, modes, text lines, buffering, and object
// graphs in the persistent format.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "tests/support/archive_bytes.h"
#include "tests/platform/mfc42/thrown_exceptions.h"
#include <functional>
#include <string>
#include <vector>

namespace {

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Text(const char* s)
{
    return Bytes(s, s + strlen(s));
}

// A buffer this small makes values straddle the archive's refills.
const int kSmallBuffer = 16;

Bytes Stored(const std::function<void(CArchive&)>& store, int bufferSize = kSmallBuffer)
{
    return StoreToBytes(store, bufferSize);
}

void Loaded(const Bytes& bytes, const std::function<void(CArchive&)>& load, int bufferSize = kSmallBuffer)
{
    LoadFromBytes(bytes, load, bufferSize);
}

const auto ArchiveCause = &CauseOf<CArchiveException>;

// --------------------------------------------------------------- numbers

struct NumberCase
{
    const char* name;
    std::function<void(CArchive&)> store;
    Bytes bytes;
    std::function<bool(CArchive&)> loadsBack;
};

template <class T>
NumberCase Number(const char* name, T value, Bytes bytes)
{
    return {name, [value](CArchive& ar) { ar << value; }, bytes,
            [value](CArchive& ar) {
                T got{};
                ar >> got;
                return memcmp(&got, &value, sizeof(T)) == 0;
            }};
}

const std::vector<NumberCase>& NumberCases()
{
    static const std::vector<NumberCase> cases = {
        Number<BYTE>("BYTE", 0xAB, {0xAB}),
        Number<char>("char", 'A', {0x41}),
        Number<char>("negative char", (char)-3, {0xFD}),
        Number<WORD>("WORD", 0x1234, {0x34, 0x12}),
        Number<short>("short", -2, {0xFE, 0xFF}),
        Number<LONG>("LONG", 0x11223344, {0x44, 0x33, 0x22, 0x11}),
        Number<LONG>("negative LONG", -0x11223344, {0xBC, 0xCC, 0xDD, 0xEE}),
        Number<int>("int", -1, {0xFF, 0xFF, 0xFF, 0xFF}),
        Number<DWORD>("DWORD", 0xDEADBEEF, {0xEF, 0xBE, 0xAD, 0xDE}),
        Number<unsigned>("unsigned", 0x80000001u, {0x01, 0x00, 0x00, 0x80}),
        Number<float>("float", 1.0f, {0x00, 0x00, 0x80, 0x3F}),
        Number<float>("negative float", -2.5f, {0x00, 0x00, 0x20, 0xC0}),
        Number<double>("double", 1.0, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}),
        Number<double>("double 0.1", 0.1, {0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0x3F}),
    };
    return cases;
}

TEST(ArchiveNumbers, StoreExactLittleEndianBytesAndLoadBack)
{
    for (const NumberCase& c : NumberCases())
    {
        SCOPED_TRACE(c.name);
        Bytes got = Stored(c.store);
        EXPECT_EQ(HexDump(got), HexDump(c.bytes));
        bool same = false;
        Loaded(got, [&](CArchive& ar) {
            same = c.loadsBack(ar);
            EXPECT_TRUE(ar.IsBufferEmpty());
        });
        EXPECT_TRUE(same);
    }
}

TEST(ArchiveNumbers, ValuesStraddlingBufferRefillsKeepTheirOrder)
{
    // 16-byte buffers: doubles and DWORDs cross every refill boundary.
    Bytes bytes = Stored([](CArchive& ar) {
        for (int i = 0; i < 50; ++i)
            ar << (BYTE)i << (double)i * 1.5 << (DWORD)(i * 1000003u) << (WORD)i;
    });
    ASSERT_EQ(bytes.size(), 50u * 15u);
    Loaded(bytes, [](CArchive& ar) {
        for (int i = 0; i < 50; ++i)
        {
            BYTE b;
            double d;
            DWORD dw;
            WORD w;
            ar >> b >> d >> dw >> w;
            ASSERT_EQ(b, (BYTE)i);
            ASSERT_EQ(d, i * 1.5);
            ASSERT_EQ(dw, (DWORD)(i * 1000003u));
            ASSERT_EQ(w, (WORD)i);
        }
    });
}

TEST(ArchiveNumbers, ReadingPastTheEndThrowsEndOfFileAndLeavesTheTarget)
{
    for (const NumberCase& c : NumberCases())
    {
        SCOPED_TRACE(c.name);
        Bytes shortBytes(c.bytes.begin(), c.bytes.end() - 1);
        int cause = ArchiveCause([&] { Loaded(shortBytes, [&](CArchive& ar) { c.loadsBack(ar); }); });
        EXPECT_EQ(cause, CArchiveException::endOfFile);
    }
    LONG untouched = 77;
    EXPECT_EQ(ArchiveCause([&] { Loaded({1, 2}, [&](CArchive& ar) { ar >> untouched; }); }),
              CArchiveException::endOfFile);
    EXPECT_EQ(untouched, 77);
}

// --------------------------------------------------------------- strings

TEST(ArchiveStrings, LengthPrefixesAtEveryBoundary)
{
    const struct
    {
        int length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65536, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.length);
        CString text;
        for (int i = 0; i < c.length; ++i)
            text += (char)('a' + i % 26);
        Bytes bytes = Stored([&](CArchive& ar) { ar << text << (BYTE)0x5A; }, 4096);
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length + 1);
        EXPECT_EQ(HexDump(Bytes(bytes.begin(), bytes.begin() + c.prefix.size())), HexDump(c.prefix));
        CString back("junk");
        BYTE marker = 0;
        Loaded(bytes, [&](CArchive& ar) { ar >> back >> marker; });
        EXPECT_TRUE(back == text);
        EXPECT_EQ(marker, 0x5A);
    }
}

TEST(ArchiveStrings, EmbeddedZerosAndLiteralsRoundTrip)
{
    CString withZero("a\0b", 3);
    Bytes bytes = Stored([&](CArchive& ar) { ar << withZero << "lit"; });
    EXPECT_EQ(HexDump(bytes), HexDump(Concat({{3, 'a', 0, 'b'}, {3}, Text("lit")})));
    CString a, b;
    Loaded(bytes, [&](CArchive& ar) { ar >> a >> b; });
    EXPECT_EQ(std::string((LPCSTR)a, a.GetLength()), std::string("a\0b", 3));
    EXPECT_TRUE(b == "lit");
}

// A memory file that remembers the largest single read asked of it.
class CReadSizeFile : public CMemFile
{
public:
    CReadSizeFile(BYTE* p, UINT n) : CMemFile(p, n) {}
    UINT Read(void* lpBuf, UINT nCount) override
    {
        if (nCount > largestRead)
            largestRead = nCount;
        return CMemFile::Read(lpBuf, nCount);
    }
    UINT largestRead = 0;
};

TEST(ArchiveStrings, DamagedLengthsFailWithoutTrustingTheLength)
{
    const struct
    {
        const char* name;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"short body", {5, 'a', 'b'}, CArchiveException::endOfFile},
        {"short WORD length", {0xFF, 0x10}, CArchiveException::endOfFile},
        {"huge DWORD length", Concat({{0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}, Text("only a few bytes")}),
         CArchiveException::endOfFile},
        {"largest DWORD length", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'x'}, CArchiveException::endOfFile},
        {"wide-character marker", {0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i', 0}, CArchiveException::badSchema},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Bytes bytes = c.bytes;
        CReadSizeFile file(bytes.data(), (UINT)bytes.size());
        CString s("kept");
        int cause = ArchiveCause([&] {
            CArchive ar(&file, CArchive::load);
            ar >> s;
        });
        EXPECT_EQ(cause, c.cause);
        EXPECT_TRUE(s == "kept");
        // Chunks stay small: no read (and so no buffer) anywhere near 2 GiB.
        EXPECT_LE(file.largestRead, 1u << 20);
    }
}

// ------------------------------------------------------ modes and buffering

TEST(ArchiveModes, WrongDirectionThrowsReadOnlyOrWriteOnly)
{
    EXPECT_EQ(ArchiveCause([] { Loaded({1, 2, 3, 4}, [](CArchive& ar) { ar << (LONG)1; }); }),
              CArchiveException::readOnly);
    EXPECT_EQ(ArchiveCause([] { Loaded({1}, [](CArchive& ar) { ar.WriteObject(NULL); }); }),
              CArchiveException::readOnly);
    EXPECT_EQ(ArchiveCause([] { Stored([](CArchive& ar) { LONG l; ar >> l; }); }), CArchiveException::writeOnly);
    EXPECT_EQ(ArchiveCause([] { Stored([](CArchive& ar) { char c; ar.Read(&c, 1); }); }),
              CArchiveException::writeOnly);
}

TEST(ArchiveModes, ReadReturnsShortCountsAndLargeTransfersBypassTheBuffer)
{
    Bytes big(10000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = (BYTE)(i * 7);
    Bytes bytes = Stored([&](CArchive& ar) {
        ar << (BYTE)1;
        ar.Write(big.data(), (UINT)big.size());
        ar << (BYTE)2;
    });
    ASSERT_EQ(bytes.size(), big.size() + 2);
    Loaded(bytes, [&](CArchive& ar) {
        BYTE b;
        ar >> b;
        Bytes back(big.size());
        EXPECT_EQ(ar.Read(back.data(), (UINT)back.size()), back.size());
        EXPECT_TRUE(back == big);
        char rest[8];
        EXPECT_EQ(ar.Read(rest, sizeof(rest)), 1u);
        EXPECT_EQ(rest[0], 2);
        EXPECT_EQ(ar.Read(rest, sizeof(rest)), 0u);
    });
}

TEST(ArchiveModes, DestructorFlushesUnlessTold)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)0x01020304;
        EXPECT_FALSE(ar.IsBufferEmpty());
        EXPECT_EQ(file.GetLength(), 0u);   // still buffered
    }
    EXPECT_EQ(file.GetLength(), 4u);
    {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        ar << (DWORD)5;
    }
    EXPECT_EQ(file.GetLength(), 4u);
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)5;
        ar.Abort();
    }
    EXPECT_EQ(file.GetLength(), 4u);
}

TEST(ArchiveModes, ClosingALoadingArchiveLeavesTheFileWhereReadingStopped)
{
    Bytes bytes(100, 0x11);
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    DWORD dw;
    ar >> dw;
    EXPECT_EQ(file.GetPosition(), 100u);   // read ahead into the buffer
    ar.Close();
    EXPECT_EQ(file.GetPosition(), 4u);
    EXPECT_EQ(ar.GetFile(), nullptr);
}

TEST(ArchiveText, LinesDropTheirEndsAndTheEndOfFileIsReported)
{
    Bytes bytes = Stored([](CArchive& ar) {
        ar.WriteString("one\r\ntwo\n\nlone\rcr\n");
        ar.WriteString("last");
    });
    EXPECT_EQ(bytes.size(), 22u);   // WriteString adds nothing
    Loaded(bytes, [](CArchive& ar) {
        const char* want[] = {"one", "two", "", "lone\rcr", "last"};
        CString line;
        for (const char* w : want)
        {
            ASSERT_TRUE(ar.ReadString(line));
            EXPECT_STREQ(line, w);
        }
        EXPECT_FALSE(ar.ReadString(line));
        EXPECT_TRUE(line.IsEmpty());
    });
    Loaded(bytes, [](CArchive& ar) {
        char buf[4];
        const char* want[] = {"one", "two", "", "lon", "e\rc", "r", "las", "t"};
        for (const char* w : want)
        {
            ASSERT_NE(ar.ReadString(buf, sizeof(buf)), nullptr);
            EXPECT_STREQ(buf, w);
        }
        EXPECT_EQ(ar.ReadString(buf, sizeof(buf)), nullptr);
    });
}

// --------------------------------------------------------------- objects

class CArchNode : public CObject
{
    DECLARE_SERIAL(CArchNode)
public:
    LONG value = 0;
    CArchNode* next = nullptr;
    UINT loadedSchema = 0;

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << value << next;
        }
        else
        {
            loadedSchema = ar.GetObjectSchema();
            ar >> value >> next;
        }
    }
};
IMPLEMENT_SERIAL(CArchNode, CObject, 1)

class CArchLeaf : public CObject
{
    DECLARE_SERIAL(CArchLeaf)
public:
    UINT schema = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            schema = ar.GetObjectSchema();
    }
};
IMPLEMENT_SERIAL(CArchLeaf, CObject, VERSIONABLE_SCHEMA | 3)

// A class whose loading always fails, to see the half-read object freed.
class CArchBroken : public CObject
{
    DECLARE_SERIAL(CArchBroken)
public:
    static int live;
    CArchBroken() { ++live; }
    ~CArchBroken() { --live; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            AfxThrowArchiveException(CArchiveException::generic);
    }
};
int CArchBroken::live = 0;
IMPLEMENT_SERIAL(CArchBroken, CObject, 1)

const Bytes kNodeClassTag = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CArchNode")});

TEST(ArchiveObjects, SharedObjectsAreWrittenOnceAndComeBackShared)
{
    CArchNode a, b;
    a.value = 10;
    b.value = 20;
    b.next = &a;
    Bytes bytes = Stored([&](CArchive& ar) { ar << &a << &a << (CObject*)NULL << &b; });
    // a: new class (index 1), a's data (value, null next), a is index 2;
    // a again: object tag 2; null: 0; b: class ref 0x8001, data with next
    // as a reference to a.
    EXPECT_EQ(HexDump(bytes), HexDump(Concat({kNodeClassTag, {10, 0, 0, 0, 0x00, 0x00},
                                              {0x02, 0x00},
                                              {0x00, 0x00},
                                              {0x01, 0x80, 20, 0, 0, 0, 0x02, 0x00}})));
    Loaded(bytes, [](CArchive& ar) {
        CArchNode *a1, *a2, *b1;
        CObject* none = (CObject*)1;
        ar >> a1 >> a2 >> none >> b1;
        ASSERT_NE(a1, nullptr);
        EXPECT_EQ(a1, a2);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(a1->value, 10);
        EXPECT_EQ(a1->next, nullptr);
        EXPECT_EQ(a1->loadedSchema, 1u);
        EXPECT_EQ(b1->value, 20);
        EXPECT_EQ(b1->next, a1);
        delete a1;
        delete b1;
    });
}

TEST(ArchiveObjects, CyclesRoundTrip)
{
    CArchNode a, b;
    a.value = 1;
    b.value = 2;
    a.next = &b;
    b.next = &a;
    Bytes bytes = Stored([&](CArchive& ar) { ar << &a; });
    Loaded(bytes, [](CArchive& ar) {
        CArchNode* p;
        ar >> p;
        ASSERT_NE(p->next, nullptr);
        EXPECT_EQ(p->next->value, 2);
        EXPECT_EQ(p->next->next, p);
        delete p->next;
        delete p;
    });
}

TEST(ArchiveObjects, BigIndicesUseTheLongForm)
{
    // 0x7FFF mapped objects push the next indices past the WORD form.
    const int kMapped = 0x7FFF;
    std::vector<CArchLeaf> mapped(kMapped);
    CArchNode a, b;
    Bytes bytes = Stored([&](CArchive& ar) {
        for (CArchLeaf& m : mapped)
            ar.MapObject(&m);
        ar << &a << &a << &b << &mapped[5];
    }, 4096);
    // class 0x8000, a 0x8001; b's class is the big class reference.
    EXPECT_EQ(HexDump(bytes), HexDump(Concat({kNodeClassTag, {0, 0, 0, 0, 0, 0},
                                              {0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00},
                                              {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80, 0, 0, 0, 0, 0, 0},
                                              {0x06, 0x00}})));
    Loaded(bytes, [&](CArchive& ar) {
        for (CArchLeaf& m : mapped)
            ar.MapObject(&m);
        CObject *p1, *p2, *p3, *p4;
        ar >> p1 >> p2 >> p3 >> p4;
        EXPECT_EQ(p1, p2);
        EXPECT_NE(p1, p3);
        EXPECT_TRUE(p3->IsKindOf(RUNTIME_CLASS(CArchNode)));
        EXPECT_EQ(p4, &mapped[5]);
        delete p1;
        delete p3;
    }, 4096);
}

TEST(ArchiveObjects, DamagedOrUnexpectedObjectsThrow)
{
    auto classTag = [](WORD schema, const char* name) {
        return Concat({{0xFF, 0xFF, (BYTE)schema, (BYTE)(schema >> 8), (BYTE)strlen(name), 0}, Text(name)});
    };
    const struct
    {
        const char* name;
        Bytes bytes;
        const CRuntimeClass* requested;
        int cause;
    } cases[] = {
        {"unknown class", classTag(1, "CNoSuchClass"), nullptr, CArchiveException::badClass},
        {"class that is not serial", classTag(1, "CObject"), nullptr, CArchiveException::badClass},
        {"other schema", Concat({classTag(2, "CArchNode"), {0, 0, 0, 0, 0, 0}}), nullptr,
         CArchiveException::badSchema},
        {"not the requested class", Concat({classTag(1, "CArchNode"), {0, 0, 0, 0, 0, 0}}),
         RUNTIME_CLASS(CArchLeaf), CArchiveException::badClass},
        {"reference to nothing", {0x05, 0x00}, nullptr, CArchiveException::badIndex},
        {"class reference to nothing", {0x03, 0x80}, nullptr, CArchiveException::badIndex},
        {"class name cut short", {0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00, 'C', 'A'}, nullptr,
         CArchiveException::endOfFile},
        {"object data cut short", Concat({classTag(1, "CArchNode"), {1, 2}}), nullptr,
         CArchiveException::endOfFile},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        int cause = ArchiveCause([&] {
            Loaded(c.bytes, [&](CArchive& ar) {
                CObject* p = ar.ReadObject(c.requested);
                delete p;
            });
        });
        EXPECT_EQ(cause, c.cause);
    }
}

TEST(ArchiveObjects, VersionableClassesReadOlderSchemasAndFailedObjectsAreFreed)
{
    CArchLeaf leaf;
    Bytes bytes = Stored([&](CArchive& ar) { ar << &leaf; });
    // Stored schema is the WORD part only.
    EXPECT_EQ(HexDump(Bytes(bytes.begin(), bytes.begin() + 4)), "FF FF 03 00");
    bytes[2] = 1;   // as if an older program wrote it
    Loaded(bytes, [](CArchive& ar) {
        CArchLeaf* p = nullptr;
        ar >> p;
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->schema, 1u);
        EXPECT_EQ(ar.GetObjectSchema(), (UINT)-1);
        delete p;
    });

    CArchBroken broken;
    Bytes brokenBytes = Stored([&](CArchive& ar) { ar << &broken; });
    int before = CArchBroken::live;
    EXPECT_EQ(ArchiveCause([&] { Loaded(brokenBytes, [](CArchive& ar) { CArchBroken* p; ar >> p; }); }),
              CArchiveException::generic);
    EXPECT_EQ(CArchBroken::live, before);
}

TEST(ArchiveObjects, ClassesAloneAndNonSerialObjects)
{
    Bytes bytes = Stored([](CArchive& ar) {
        ar.SerializeClass(RUNTIME_CLASS(CArchNode));
        ar.WriteClass(RUNTIME_CLASS(CArchNode));
    });
    EXPECT_EQ(HexDump(bytes), HexDump(Concat({kNodeClassTag, {0x01, 0x80}})));
    Loaded(bytes, [](CArchive& ar) {
        ar.SerializeClass(RUNTIME_CLASS(CArchNode));
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject)), RUNTIME_CLASS(CArchNode));
    });

    // Writing an object whose class has no schema is not supported.
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    CException plain;
    EXPECT_TRUE(Throws<CNotSupportedException>([&] { ar << &plain; }));
}

}  // namespace
