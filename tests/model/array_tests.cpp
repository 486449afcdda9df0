// Growable arrays: the storage primitive, growing and shrinking in whole
// steps, ownership of released records, and the stored form of every
// record kept by value (sizes, bounds of the reader, short and damaged
// streams).
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "model/flow_records.h"
#include "tests/support/archive_bytes.h"
#include <functional>
#include <vector>

namespace {

Bytes Count(LONG n)
{
    return StoreToBytes([&](CArchive& ar) { ar << n; });
}

// The int the reader threw, or -1 when it threw nothing.
template <class T>
int ReadFault(GArray<T>& array, const Bytes& bytes)
{
    try
    {
        LoadFromBytes(bytes, [&](CArchive& ar) { array.Read(ar); });
    }
    catch (int fault)
    {
        return fault;
    }
    return -1;
}

unsigned long BlockBytes(void* data)
{
    return GlobalSizePtr(data);
}

GTabulator Tab(LONG pos)
{
    GTabulator t;
    t.pos = pos;
    t.x = pos * 10;
    t.width = pos + 1;
    return t;
}

std::vector<LONG> Positions(const GArray<GTabulator>& a)
{
    std::vector<LONG> out;
    for (LONG i = 0; i < a.count; ++i)
        out.push_back(a[i].pos);
    return out;
}

TEST(GlobalMemoryTest, LockedBlocksResizeAndCopy)
{
    BYTE* p = (BYTE*)GlobalAllocPtr(kArrayAllocFlags, 16);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(GlobalSizePtr(p), 16u);
    for (int i = 0; i < 16; ++i)
        ASSERT_EQ(p[i], 0) << "zero-filled";
    memcpy(p, "0123456789abcdef", 16);
    p = (BYTE*)GlobalReAllocPtr(p, 1 << 20, 0);   // far too large to grow in place
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(GlobalSizePtr(p), 1u << 20);
    EXPECT_EQ(memcmp(p, "0123456789abcdef", 16), 0);
    BYTE* copy = (BYTE*)CopyPtr(p);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, p);
    EXPECT_EQ(GlobalSizePtr(copy), 1u << 20);
    EXPECT_EQ(memcmp(copy, p, 1 << 20), 0);
    copy[0] = 'X';
    EXPECT_EQ(p[0], '0');
    GlobalFreePtr(copy);
    GlobalFreePtr(p);
    GlobalFreePtr(NULL);
    EXPECT_EQ(CopyPtr(NULL), nullptr);
}

TEST(GArrayTest, ReArrayOpensAndClosesRecordsInsideTheBlock)
{
    struct Case
    {
        long pos, k;
        std::vector<LONG> expected;
    } cases[] = {
        {0, 0, {1, 2, 3, 4}},
        {1, 2, {1, 0, 0, 2, 3, 4}},
        {4, 1, {1, 2, 3, 4, 0}},
        {1, -2, {1, 4}},
        {2, -2, {1, 2}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "pos " << c.pos << " k " << c.k);
        LONG capacity = 8;
        LONG* data = (LONG*)GlobalAllocPtr(kArrayAllocFlags, capacity * sizeof(LONG) + 1);
        LONG n = 4;
        for (LONG i = 0; i < n; ++i)
            data[i] = i + 1;
        data = (LONG*)ReArray(data, n, sizeof(LONG), c.pos, c.k, 0);
        EXPECT_EQ(std::vector<LONG>(data, data + n), c.expected);
        EXPECT_EQ(BlockBytes(data), capacity * sizeof(LONG) + 1);
        GlobalFreePtr(data);
    }
}

TEST(GArrayTest, ReArrayResizesTheBlockWithTheCapacity)
{
    LONG capacity = 2;
    LONG* data = (LONG*)GlobalAllocPtr(kArrayAllocFlags, capacity * sizeof(LONG) + 1);
    data[0] = 7;
    data[1] = 8;
    data = (LONG*)ReArray(data, capacity, sizeof(LONG), 2, 1000, 1);
    EXPECT_EQ(capacity, 1002);
    EXPECT_EQ(BlockBytes(data), 1002 * sizeof(LONG) + 1);
    EXPECT_EQ(data[0], 7);
    EXPECT_EQ(data[1], 8);
    EXPECT_EQ(data[1001], 0);
    data = (LONG*)ReArray(data, capacity, sizeof(LONG), 2, -1000, 1);
    EXPECT_EQ(capacity, 2);
    EXPECT_EQ(BlockBytes(data), 2 * sizeof(LONG) + 1);
    EXPECT_EQ(data[1], 8);
    GlobalFreePtr(data);
}

TEST(GArrayTest, GrowsByWholeStepsFromAOneByteBlock)
{
    GArray<GTabulator> a(0, 32);
    EXPECT_EQ(a.capacity, 0);
    EXPECT_EQ(BlockBytes(a.data), 1u);
    struct Step
    {
        int adds;
        LONG capacity;
    } steps[] = {{1, 32}, {32, 32}, {33, 64}, {64, 64}, {65, 96}};
    int added = 0;
    for (const Step& s : steps)
    {
        while (added < s.adds)
            EXPECT_EQ(a.Add(Tab(added++)), 1);
        EXPECT_EQ(a.count, s.adds);
        EXPECT_EQ(a.capacity, s.capacity) << "after " << s.adds << " adds";
        EXPECT_EQ(BlockBytes(a.data), s.capacity * sizeof(GTabulator) + 1);
    }
    for (LONG i = 0; i < a.count; ++i)
        ASSERT_EQ(a[i].pos, i);
}

TEST(GArrayTest, DestroyShrinksOnlyByWholeGrowSteps)
{
    struct Case
    {
        long before, pos, n;
        LONG count, capacity;
    } cases[] = {
        {65, 30, 35, 30, 32},   // capacity 96: spare 66, keep 2
        {70, 0, 5, 65, 96},     // 65 is above 96 - 32: nothing to give back
        {65, 0, 1, 64, 64},     // spare 32, keep 0
        {65, 0, 2, 63, 64},     // spare 33, keep 1
        {33, 0, 33, 0, 0},
        {64, 10, 0, 64, 64},
        {1, 0, 1, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.before << " records, Destroy(" << c.pos << ", " << c.n << ")");
        GArray<GTabulator> a(0, 32);
        for (long i = 0; i < c.before; ++i)
            a.Add(Tab((LONG)i));
        EXPECT_EQ(a.Destroy(c.pos, c.n), 1);
        EXPECT_EQ(a.count, c.count);
        EXPECT_EQ(a.capacity, c.capacity);
        EXPECT_EQ(BlockBytes(a.data), c.capacity * sizeof(GTabulator) + 1);
        std::vector<LONG> expected;
        for (long i = 0; i < c.before; ++i)
            if (i < c.pos || i >= c.pos + c.n)
                expected.push_back((LONG)i);
        EXPECT_EQ(Positions(a), expected);
    }
}

TEST(GArrayTest, DestroyOfNothingStillGivesBackSpareRoom)
{
    GArray<GTabulator> a(96, 32);
    a.Add(Tab(5));
    a.Destroy(1, 0);
    EXPECT_EQ(a.count, 1);
    EXPECT_EQ(a.capacity, 32);   // spare 95, keep 95 % 32 = 31
    EXPECT_EQ(a[0].pos, 5);
}

TEST(GArrayTest, AddAtInsertsAndShifts)
{
    GArray<GTabulator> a(0, 2);
    a.AddAt(Tab(1), 0);
    a.AddAt(Tab(3), 1);      // pos == count appends
    a.AddAt(Tab(0), 0);
    a.AddAt(Tab(2), 2);
    EXPECT_EQ(Positions(a), (std::vector<LONG>{0, 1, 2, 3}));
    EXPECT_EQ(a.capacity, 4);
    EXPECT_EQ(a[2].x, 20);
    EXPECT_EQ(a[2].width, 3);
}

TEST(GArrayTest, AddingOneOfItsOwnRecordsSurvivesTheBlockMoving)
{
    GArray<GTabulator> a(0, 1);
    for (LONG i = 0; i < 4; ++i)
        a.Add(Tab(i));
    for (int round = 0; round < 20; ++round)
    {
        a.AddAt(a[2], 0);    // the block grows on every insertion
        ASSERT_EQ(a[0].pos, a[3].pos);
    }
    a.Add(a[0]);
    EXPECT_EQ(a.Last().pos, a[0].pos);
}

TEST(GArrayTest, InsertAtOpensManyRecordsInOneStep)
{
    GArray<GChar> text(0, 256);
    const BYTE closing[] = {kParagraphEnd, kBreak, kFlowEnd};
    text.InsertAt(0, (const GChar*)closing, 3);
    std::vector<GChar> typed(300, GChar('x'));
    text.InsertAt(0, typed.data(), (long)typed.size());
    EXPECT_EQ(text.count, 303);
    EXPECT_EQ(text.capacity, 512);
    text.InsertAt(1, NULL, 2);
    EXPECT_EQ(text.count, 305);
    EXPECT_EQ(text[0], 'x');
    EXPECT_EQ(text[1], 0);
    EXPECT_EQ(text[2], 0);
    EXPECT_EQ(text[3], 'x');
    EXPECT_EQ(text[302], kParagraphEnd);
    EXPECT_EQ(text[304], kFlowEnd);
}

// Room made ahead comes in whole steps, keeps the records, and spares the
// resizes of the records added into it.
TEST(GArrayTest, ReserveGrowsByWholeStepsAndKeepsTheRecords)
{
    GArray<GTabulator> tabs(0, 32);
    tabs.Add(Tab(7));
    tabs.Reserve(70);
    EXPECT_EQ(tabs.capacity, 96);
    EXPECT_EQ(BlockBytes(tabs.data), 96 * sizeof(GTabulator) + 1);
    EXPECT_EQ(tabs.count, 1);
    EXPECT_EQ(tabs[0].pos, 7);
    const GTabulator* block = tabs.data;
    for (LONG i = 1; i < 96; ++i)
        tabs.Add(Tab(i));
    EXPECT_EQ(tabs.data, block);
    tabs.Reserve(10);
    EXPECT_EQ(tabs.capacity, 96);
}

TEST(GArrayTest, FlushKeepsTheStepAndLeavesTheSpareByte)
{
    GArray<GTabulator> a(0, 8);
    for (LONG i = 0; i < 20; ++i)
        a.Add(Tab(i));
    a.Flush();
    EXPECT_EQ(a.count, 0);
    EXPECT_EQ(a.capacity, 0);
    EXPECT_EQ(a.grow, 8);
    EXPECT_EQ(BlockBytes(a.data), 1u);
    a.Add(Tab(1));
    EXPECT_EQ(a.capacity, 8);
}

// An owned object that counts how often it was released.
struct Counted
{
    int* released;
    void Destroy()
    {
        ++*released;
        delete this;
    }
};

TEST(GArrayTest, OwningArrayReleasesWhatItRemovesFlushesAndDrops)
{
    int released = 0;
    {
        GArrayI<Counted*> a(0, 4);
        for (int i = 0; i < 6; ++i)
            a.Add(new Counted{&released});
        a.Add(NULL);             // a null element is skipped
        a.Destroy(1, 2);
        EXPECT_EQ(released, 2);
        EXPECT_EQ(a.count, 5);
        a.Flush();
        EXPECT_EQ(released, 6);
        a.Add(new Counted{&released});
    }
    EXPECT_EQ(released, 7);
}

TEST(GArrayTest, PlainValueArrayKeepsIntegers)
{
    GArrayA<int> a(0, 3);
    for (int i = 0; i < 7; ++i)
        a.AddAt(i * i, 0);
    EXPECT_EQ(a.count, 7);
    EXPECT_EQ(a.capacity, 9);
    EXPECT_EQ(a[0], 36);
    EXPECT_EQ(a[6], 0);
}

TEST(GArrayTest, RowsOwnTheirHolesAndHoleArraysStartWithTheMark)
{
    GArray<CHole>* holes = GRow::NewHoles();
    EXPECT_EQ(holes->count, 1);
    EXPECT_EQ(holes->capacity, 1);
    EXPECT_EQ(holes->grow, 1);
    EXPECT_EQ((*holes)[0].x, 0);
    EXPECT_EQ((*holes)[0].width, 0);
    EXPECT_EQ((*holes)[0].resume, -1);
    EXPECT_EQ((*holes)[0].dxWidths, nullptr);
    CHole withWidths;
    withWidths.dxWidths = new LONG[4];
    holes->Add(withWidths);
    GArray<GRow> rows(0, 128);
    GRow row;
    row.holes = holes;
    rows.Add(row);             // the array takes the hole array over
    EXPECT_EQ(rows[0].holes, holes);
    rows.Destroy(0, 1);        // releases the holes and their widths
    EXPECT_EQ(rows.count, 0);
}

// ---- stored form ----

template <class T>
size_t StoredBytes(const T& record)
{
    return StoreToBytes([&](CArchive& ar) { record.Write(ar); }).size();
}

TEST(GArrayStoredTest, EveryRecordHasItsStoredSize)
{
    GColumn column;
    struct Case
    {
        const char* name;
        size_t stored, declared;
    } cases[] = {
        {"GChar", StoredBytes(GChar(65)), GChar::kStoredSize},
        {"Mint", StoredBytes(Mint(3, 1)), Mint::kStoredSize},
        {"GFormat", StoredBytes(GFormat()), GFormat::kStoredSize},
        {"GTabulator", StoredBytes(GTabulator()), GTabulator::kStoredSize},
        {"GPara", StoredBytes(GPara()), GPara::kStoredSize},
        {"CBorderStyle", StoredBytes(CBorderStyle()), CBorderStyle::kStoredSize},
        {"GBorder", StoredBytes(GBorder()), GBorder::kStoredSize},
        {"CShadeStyle", StoredBytes(CShadeStyle()), CShadeStyle::kStoredSize},
        {"GShade", StoredBytes(GShade()), GShade::kStoredSize},
        {"GColumn", StoredBytes(column), GColumn::kStoredSize},
        {"GPage", StoredBytes(GPage()), GPage::kStoredSize},
        {"CData", StoredBytes(CData()), CData::kStoredSize},
    };
    const size_t sizes[] = {1, 4, 8, 12, 8, 12, 64, 16, 24, 92, 4, 8};
    for (size_t i = 0; i < _countof(cases); ++i)
    {
        EXPECT_EQ(cases[i].stored, sizes[i]) << cases[i].name;
        EXPECT_EQ(cases[i].declared, sizes[i]) << cases[i].name;
    }
    // Records that are copied as raw bytes in memory keep these layouts.
    static_assert(sizeof(GColumn) == 92, "GColumn layout");
    static_assert(sizeof(GBorder) == 64 && sizeof(GShade) == 24 && sizeof(GFormat) == 8, "run layouts");
}

TEST(GArrayStoredTest, RecordsAreWrittenFieldByFieldLittleEndian)
{
    GFormat f;
    f.pos = 0x01020304;
    f.style = Mint(-1, 1);
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { f.Write(ar); }),
              (Bytes{0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0x01, 0x00}));

    GColumn c(7, (unsigned char)255, 0, 1);
    c.position = 50;
    Bytes b = StoreToBytes([&](CArchive& ar) { c.Write(ar); });
    ASSERT_EQ(b.size(), 92u);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 8), (Bytes{7, 0, 0, 0, 255, 0, 0, 0}));
    EXPECT_EQ(Bytes(b.begin() + 8, b.begin() + 16), (Bytes{0x85, 0x05, 0, 0, 100, 0, 0, 0}));   // 1413, 100
    EXPECT_EQ(Bytes(b.begin() + 56, b.begin() + 64), (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));          // flags
    EXPECT_EQ(Bytes(b.begin() + 64, b.begin() + 72), (Bytes{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(b.begin() + 88, b.end()), (Bytes{50, 0, 0, 0}));
}

template <class T>
void ExpectRoundTrip(const char* name, const std::function<T(LONG)>& make, LONG n)
{
    SCOPED_TRACE(name);
    GArray<T> out(0, 32);
    for (LONG i = 0; i < n; ++i)
        out.Add(make(i));
    Bytes stored = StoreToBytes([&](CArchive& ar) { out.Write(ar); });
    EXPECT_EQ(stored.size(), 4 + n * (size_t)T::kStoredSize);
    GArray<T> in(0, 32);
    ASSERT_EQ(ReadFault(in, stored), -1);
    EXPECT_EQ(in.count, n);
    EXPECT_EQ(in.capacity, n);
    EXPECT_EQ(in.grow, 32);
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { in.Write(ar); }), stored);
}

TEST(GArrayStoredTest, WriteThenReadGivesTheSameRecords)
{
    ExpectRoundTrip<GChar>("GChar", [](LONG i) { return GChar((BYTE)(i * 7)); }, 70000);
    ExpectRoundTrip<GFormat>("GFormat", [](LONG i) { GFormat f; f.pos = i; f.style = Mint((short)i, i & 1); return f; }, 5);
    ExpectRoundTrip<GTabulator>("GTabulator", [](LONG i) { return Tab(i); }, 3);
    ExpectRoundTrip<GPara>("GPara", [](LONG i) { GPara p; p.row = i; p.style = Mint(7, 0); return p; }, 4);
    ExpectRoundTrip<GBorder>("GBorder", [](LONG i) {
        GBorder b;
        b.first = i;
        b.end = i + 9;
        b.distance = 20;
        b.sides = 15;
        b.left.colour = RGB(1, 2, 3);
        b.right.penStyle = 2;
        b.bottom.lineStyle = 9;
        return b;
    }, 3);
    ExpectRoundTrip<GShade>("GShade", [](LONG i) {
        GShade s;
        s.first = i;
        s.end = i + 1;
        s.style.back = 0xFFFFFF;
        s.style.fore = 0xC0C0C0;
        s.style.percent = 25;
        return s;
    }, 2);
    ExpectRoundTrip<GColumn>("GColumn", [](LONG i) {
        CData d[2] = {{1000, 50}, {900, 70}};
        GColumn c(i, (signed char)2, d, i);
        c.position = i * 3;
        return c;
    }, 3);
    ExpectRoundTrip<GPage>("GPage", [](LONG i) { GPage p; p.block = i; return p; }, 2);
    ExpectRoundTrip<CData>("CData", [](LONG i) { CData d; d.width = i; d.gap = -i; return d; }, 0);
}

// Reads one stored array of count records (the bytes of count records
// follow, up to a cap); the fault thrown and whether the old contents
// survived.
template <class T>
void ExpectBound(const char* name, LONG count, bool accepted)
{
    SCOPED_TRACE(testing::Message() << name << " with count " << count);
    Bytes stored = Count(count);
    if (count > 0 && count <= 1000000)
        stored.resize(4 + (size_t)count * T::kStoredSize, 0);
    GArray<T> a(0, 32);
    a.InsertAt(0, NULL, 5);
    int fault = ReadFault(a, stored);
    if (accepted)
    {
        EXPECT_EQ(fault, -1);
        EXPECT_EQ(a.count, count);
    }
    else
    {
        EXPECT_EQ(fault, kArrayReadFault);
        EXPECT_EQ(a.count, 5);   // refused before anything changed
    }
}

TEST(GArrayStoredTest, ReaderChecksTheCountOfEachRecordKind)
{
    ExpectBound<GChar>("GChar", 2, false);
    ExpectBound<GChar>("GChar", 3, true);
    ExpectBound<GChar>("GChar", -1, false);
    ExpectBound<GFormat>("GFormat", 0, false);
    ExpectBound<GFormat>("GFormat", 1, true);
    ExpectBound<GFormat>("GFormat", 1000000, true);
    ExpectBound<GFormat>("GFormat", 1000001, false);
    ExpectBound<GTabulator>("GTabulator", -1, false);
    ExpectBound<GTabulator>("GTabulator", 0, true);
    ExpectBound<GPara>("GPara", -1, false);
    ExpectBound<GPara>("GPara", 0, true);
    ExpectBound<GBorder>("GBorder", -1, false);
    ExpectBound<GBorder>("GBorder", 0, true);
    ExpectBound<GShade>("GShade", -1, false);
    ExpectBound<GShade>("GShade", 0, true);
    ExpectBound<GColumn>("GColumn", 0, false);
    ExpectBound<GColumn>("GColumn", 1, true);
    ExpectBound<GPage>("GPage", 1, false);
    ExpectBound<GPage>("GPage", 2, true);
    ExpectBound<CData>("CData", -1, false);
    ExpectBound<CData>("CData", 0, true);
}

TEST(GArrayStoredTest, ShortStreamsThrowTwo)
{
    for (size_t have = 0; have < 4; ++have)
    {
        SCOPED_TRACE(testing::Message() << have << " bytes of count");
        Bytes stored = Count(3);
        stored.resize(have);
        GArray<GChar> a(0, 256);
        a.Add(GChar('k'));
        EXPECT_EQ(ReadFault(a, stored), kArrayReadFault);
        EXPECT_EQ(a.count, 1);
        EXPECT_EQ(a[0], 'k');
    }
    struct Case
    {
        LONG count;
        size_t recordBytes;
    } cases[] = {{1, 0}, {2, 12}, {2, 23}, {3, 35}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.count << " tabs, " << c.recordBytes << " bytes");
        Bytes stored = Count(c.count);
        stored.resize(4 + c.recordBytes, 0x11);
        GArray<GTabulator> a(0, 32);
        EXPECT_EQ(ReadFault(a, stored), kArrayReadFault);
    }
}

TEST(GArrayStoredTest, DamagedHugeCountThrowsAfterASmallAllocation)
{
    Bytes stored = Count(INT_MAX);
    stored.insert(stored.end(), {13, 12, 0, 'a', 'b'});
    GArray<GChar> chars(0, 256);
    EXPECT_EQ(ReadFault(chars, stored), kArrayReadFault);
    EXPECT_LE(chars.capacity, kArrayReadChunk);
    EXPECT_LE(BlockBytes(chars.data), (unsigned long)kArrayReadChunk + 1);

    GArray<GColumn> columns(0, 32);
    EXPECT_EQ(ReadFault(columns, stored), kArrayReadFault);
    EXPECT_LE(columns.capacity, kArrayReadChunk);
}

TEST(GArrayStoredTest, ReadingReplacesTheContents)
{
    GArray<GPage> a(0, 32);
    for (LONG i = 0; i < 40; ++i)
    {
        GPage p;
        p.block = 100 + i;
        a.Add(p);
    }
    Bytes stored = StoreToBytes([](CArchive& ar) {
        ar << (LONG)2 << (LONG)0 << (LONG)1;
    });
    ASSERT_EQ(ReadFault(a, stored), -1);
    EXPECT_EQ(a.count, 2);
    EXPECT_EQ(a.capacity, 2);
    EXPECT_EQ(a[0].block, 0);
    EXPECT_EQ(a[1].block, 1);
    GPage p;
    a.Add(p);
    EXPECT_EQ(a.capacity, 34);
}

}  // namespace
