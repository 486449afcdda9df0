// The text of a flow in one block with a gap where it was last edited:
// every way of reading it (index, stretch, whole) sees the characters in
// order through insertions and removals anywhere, an edit next to the last
// one leaves the text far away where it is, the room the block keeps stays
// bounded, and the stored form is the plain array's.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "model/GText.h"
#include "tests/support/archive_bytes.h"
#include <random>
#include <string>

namespace {

std::string Contents(const GText& text)
{
    return std::string((const char*)text.GetData(), (size_t)text.GetCount());
}

std::string Stretch(const GText& text, long pos, long n)
{
    return std::string((const char*)text.Span(pos, n), (size_t)n);
}

// The int the reader threw, or -1 when it threw nothing.
int ReadFault(GText& text, const Bytes& bytes)
{
    try
    {
        LoadFromBytes(bytes, [&](CArchive& ar) { text.Read(ar); });
    }
    catch (int fault)
    {
        return fault;
    }
    return -1;
}

void ExpectBlockFits(const GText& text)
{
    ASSERT_GE(text.GapStart(), 0);
    ASSERT_LE(text.GapStart(), text.count);
    ASSERT_GE(text.capacity, text.count);
    // The whole block: the text, its gap and the spare byte.
    const BYTE* first = (const BYTE*)text.GetData();
    const BYTE* block = text.GapStart() == 0 ? first - text.GapLength() : first;
    EXPECT_EQ(GlobalSizePtr((void*)block), (unsigned long)(text.capacity + 1));
}

// Random typing, pasting and deleting at the start, the end, next to the
// last edit and anywhere, each way of reading in between, against a plain
// string.
TEST(TextStorageTest, EveryEditReadsAsThePlainString)
{
    for (unsigned seed : {1u, 2u, 3u, 4u})
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        GText text(0, 256);
        std::string expected;
        long last = 0;
        for (int step = 0; step < 4000; ++step)
        {
            const long count = text.GetCount();
            const int where = (int)(random() % 5);
            long pos = where == 0 ? 0 : where == 1 ? count : (long)(random() % (count + 1));
            if (where == 2)
                pos = std::min(count, std::max(0L, last + (long)(random() % 9) - 4));
            if (random() % 3 != 0 || count == 0)
            {
                const long n = random() % 8 == 0 ? 1 + (long)(random() % 5000) : 1;
                std::string piece(n, (char)('a' + step % 26));
                const int how = (int)(random() % 10);
                if (how == 0)
                {
                    text.InsertAt(pos, NULL, n);   // zero-filled, as a caller fills it
                    piece.assign(n, '\0');
                }
                else if (how == 1 && count > 0)
                {
                    // A copy of the text's own characters.
                    const long from = (long)(random() % count);
                    const long m = std::min(n, count - from);
                    piece = expected.substr((size_t)from, (size_t)m);
                    text.InsertAt(pos, text.Span(from, m), m);
                }
                else if (n == 1)
                    text.AddAt(GChar((BYTE)piece[0]), pos);
                else
                    text.InsertAt(pos, (const GChar*)piece.data(), n);
                expected.insert((size_t)pos, piece);
                last = pos + (long)piece.size();
            }
            else
            {
                const long n = std::min(count - pos, random() % 8 == 0 ? 1 + (long)(random() % 6000) : 1L);
                text.Destroy(pos, n);
                expected.erase((size_t)pos, (size_t)n);
                last = pos;
            }
            const long now = text.GetCount();
            ASSERT_EQ(now, (LONG)expected.size());
            if (now > 0)
            {
                const long i = (long)(random() % now);
                ASSERT_EQ((BYTE)text[i], (BYTE)expected[i]);
                if (random() % 4 == 0)
                {
                    const BYTE written = (BYTE)('A' + random() % 26);
                    text[i] = GChar(written);
                    expected[i] = (char)written;
                }
                const long from = (long)(random() % now);
                const long n = std::min(now - from, 1 + (long)(random() % 300));
                ASSERT_EQ(Stretch(text, from, n), expected.substr((size_t)from, (size_t)n));
                const GChar* byPosition = text.ByPosition(from, from + n);
                ASSERT_EQ((BYTE)byPosition[from + n - 1], (BYTE)expected[from + n - 1]);
            }
            if (step % 100 == 0)
            {
                ASSERT_EQ(Contents(text), expected);
                ExpectBlockFits(text);
            }
        }
        EXPECT_EQ(Contents(text), expected);
        ExpectBlockFits(text);
    }
}

// Typing character after character, and deleting backwards, in the middle
// of a long text moves none of the text away from the caret, and asking for
// the stretch around the caret moves the gap to the stretch's nearer edge
// only. The whole text, asked for, moves it to the nearer end.
TEST(TextStorageTest, EditsNextToTheLastMoveNothingFarAway)
{
    const long kLength = 1 << 20;
    GText text(0, 256);
    std::string expected(kLength, 'x');
    for (long i = 0; i < kLength; i += 97)
        expected[i] = (char)('a' + i % 26);
    text.InsertAt(0, (const GChar*)expected.data(), kLength);
    const long middle = kLength / 2;
    text.AddAt(GChar('m'), middle);
    expected.insert((size_t)middle, 1, 'm');
    const GChar* head = text.Span(0, 100);
    const GChar* tail = text.Span(text.count - 100, 100);
    const LONG capacity = text.capacity;
    for (long i = 1; i <= 500; ++i)
    {
        text.AddAt(GChar('t'), middle + i);
        expected.insert((size_t)(middle + i), 1, 't');
        if (i % 5 == 0)
        {
            text.Destroy(middle + i, 1);
            expected.erase((size_t)(middle + i), 1);
            text.AddAt(GChar('u'), middle + i);
            expected.insert((size_t)(middle + i), 1, 'u');
        }
        // A row around the caret, as layout reads it.
        ASSERT_EQ(Stretch(text, middle + i - 40, 80), expected.substr((size_t)(middle + i - 40), 80));
    }
    EXPECT_EQ(text.capacity, capacity);
    EXPECT_EQ(text.Span(0, 100), head);
    EXPECT_EQ(text.Span(text.count - 100, 100), tail);

    // The gap sits at the last edit; a stretch holding it sends it to the
    // nearer of its edges, one that does not hold it leaves it.
    const long caret = middle + 501;
    text.AddAt(GChar('v'), caret);
    expected.insert((size_t)caret, 1, 'v');
    EXPECT_EQ(text.GapStart(), caret + 1);
    Stretch(text, caret - 9, 50);
    EXPECT_EQ(text.GapStart(), caret - 9);
    Stretch(text, caret - 4, 100);
    EXPECT_EQ(text.GapStart(), caret - 9);
    Stretch(text, caret - 29, 80);
    EXPECT_EQ(text.GapStart(), caret - 29);
    EXPECT_EQ(Contents(text), expected);
    EXPECT_EQ(text.GapStart(), text.count);   // the nearer end
    text.AddAt(GChar('s'), 3);
    expected.insert(3, 1, 's');
    EXPECT_EQ(Contents(text), expected);
    EXPECT_EQ(text.GapStart(), 0);
}

// Stretches that nest or do not meet keep each other's characters where
// they are, as the readers of a row and of its parts rely on.
TEST(TextStorageTest, NestedAndSeparateStretchesStayValid)
{
    GText text(0, 64);
    const std::string s = "The quick brown fox jumps over the lazy dog, twice over.";
    text.InsertAt(0, (const GChar*)s.data(), (long)s.size());
    struct Case
    {
        long gap, outer, outerEnd, inner, innerEnd;
    } cases[] = {
        {20, 10, 40, 12, 30},   // the gap inside both
        {20, 10, 40, 25, 35},   // inside the outer one only
        {5, 10, 40, 0, 8},      // separate stretches, the gap in the second
        {50, 10, 40, 41, 55},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "gap " << c.gap << " inner " << c.inner);
        text.AddAt(GChar('#'), c.gap);
        text.Destroy(c.gap, 1);   // the gap is now at c.gap
        ASSERT_EQ(text.GapStart(), c.gap);
        const GChar* outer = text.ByPosition(c.outer, c.outerEnd);
        const GChar* inner = text.ByPosition(c.inner, c.innerEnd);
        EXPECT_EQ(std::string((const char*)outer + c.outer, (size_t)(c.outerEnd - c.outer)),
                  s.substr((size_t)c.outer, (size_t)(c.outerEnd - c.outer)));
        EXPECT_EQ(std::string((const char*)inner + c.inner, (size_t)(c.innerEnd - c.inner)),
                  s.substr((size_t)c.inner, (size_t)(c.innerEnd - c.inner)));
    }
}

// A whole text put in with room reserved for it leaves a typing gap, so
// the first keystroke anywhere does not enlarge the block. Deleting most of
// a long text leaves no more than a small share of it as room.
TEST(TextStorageTest, RoomStaysBounded)
{
    GText text(0, 256);
    const BYTE closing[] = {kParagraphEnd, kBreak, kFlowEnd};
    text.InsertAt(0, (const GChar*)closing, 3);
    std::string big(200000 - 3, 'x');
    text.Reserve(200000);
    const LONG reserved = text.capacity;
    text.InsertAt(0, (const GChar*)big.data(), (long)big.size());
    EXPECT_EQ(text.capacity, reserved);
    EXPECT_GE(text.GapLength(), 256);
    text.AddAt(GChar('s'), 0);
    EXPECT_EQ(text.capacity, reserved);
    EXPECT_EQ(text[200000 - 2], kParagraphEnd);
    for (int i = 0; i < 190; ++i)
        text.Destroy(i * 37 % (text.count - 1000), 1000);
    EXPECT_EQ(text.GetCount(), 10001);
    EXPECT_LE(text.GapLength(), 2 * text.GapStep());
    ExpectBlockFits(text);
    // Appending one by one, as a reader fills a flow, keeps a step at most
    // (in whole grow steps).
    GText appended(0, 256);
    for (int i = 0; i < 100000; ++i)
        appended.Add(GChar('a'));
    EXPECT_LE(appended.GapLength(), appended.GapStep() + appended.grow);
}

// The text stores as a plain array of its characters wherever its gap is;
// reading replaces the text and leaves room to type at its start; flushing
// empties.
TEST(TextStorageTest, StoresAsThePlainArray)
{
    GText text(0, 256);
    GArray<GChar> plain(0, 256);
    const std::string s = "Dear Sir, thank you for your letter.";
    text.InsertAt(0, (const GChar*)s.data(), (long)s.size());
    plain.InsertAt(0, (const GChar*)s.data(), (long)s.size());
    for (int i = 0; i < 50; ++i)
    {
        text.AddAt(GChar('>'), 10);
        plain.AddAt(GChar('>'), 10);
    }
    ASSERT_GT(text.GapStart(), 0);
    ASSERT_LT(text.GapStart(), text.count);
    const Bytes stored = StoreToBytes([&](CArchive& ar) { text.Write(ar); });
    EXPECT_EQ(stored, StoreToBytes([&](CArchive& ar) { plain.Write(ar); }));

    GText read(0, 256);
    read.AddAt(GChar('k'), 0);
    read.AddAt(GChar('k'), 0);
    LoadFromBytes(stored, [&](CArchive& ar) { read.Read(ar); });
    EXPECT_EQ(read.GapStart(), 0);   // where an opened document's caret is
    EXPECT_GE(read.GapLength(), read.GapStep());
    EXPECT_EQ(Contents(read), Contents(text));
    ExpectBlockFits(read);

    // A stream that ends inside the characters leaves a text that can still
    // be read, written to and freed.
    Bytes cut(stored.begin(), stored.begin() + 20);
    GText damaged(0, 256);
    damaged.InsertAt(0, (const GChar*)s.data(), 10);
    damaged.AddAt(GChar('!'), 5);
    EXPECT_EQ(ReadFault(damaged, cut), kArrayReadFault);
    EXPECT_EQ(Contents(damaged).size(), (size_t)damaged.count);
    damaged.AddAt(GChar('z'), 0);
    EXPECT_EQ(damaged[0], 'z');

    text.Flush();
    EXPECT_EQ(text.GetCount(), 0);
    text.Add(GChar('a'));
    EXPECT_EQ(Contents(text), "a");
}

// An index write changes one character, wherever the gap is; the address
// of a character cannot be taken through an index.
TEST(TextStorageTest, IndexWritesChangeOneCharacter)
{
    GText text(0, 16);
    const std::string s = "abcdefghij";
    text.InsertAt(0, (const GChar*)s.data(), 10);
    text.AddAt(GChar('-'), 5);   // the gap follows the dash
    text[2] = GChar('C');
    text[7] = text[2];
    const GText& view = text;
    EXPECT_EQ(Contents(text), "abCde-fChij");
    EXPECT_EQ(view.Last(), 'j');
    static_assert(!std::is_reference<decltype(view[0])>::value, "a read gives a value");
}

} // namespace
