// The text of a flow in one block with room at both ends: the characters
// stay contiguous and in order through insertions and removals anywhere,
// the block holds what the counts say, the room it keeps stays bounded,
// and the stored form is the plain array's.
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

void ExpectBlockFits(const GText& text)
{
    ASSERT_GE(text.front, 0);
    ASSERT_GE(text.capacity, text.count);
    // The block begins front records before the first character.
    EXPECT_EQ(GlobalSizePtr((BYTE*)text.GetData() - text.front),
              (unsigned long)(text.front + text.capacity + 1));
}

// Random typing, pasting and deleting at the start, the end and anywhere,
// against a plain string.
TEST(TextStorageTest, EditsAnywhereKeepTheTextInOrder)
{
    for (unsigned seed : {1u, 2u, 3u})
    {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        GText text(0, 256);
        std::string expected;
        for (int step = 0; step < 3000; ++step)
        {
            const long count = text.GetCount();
            const int where = (int)(random() % 4);
            const long pos = where == 0 ? 0 : where == 1 ? count : (long)(random() % (count + 1));
            if (random() % 3 != 0 || count == 0)
            {
                const long n = random() % 8 == 0 ? 1 + (long)(random() % 5000) : 1;
                std::string piece(n, (char)('a' + step % 26));
                if (random() % 10 == 0)
                {
                    text.InsertAt(pos, NULL, n);   // zero-filled, as a caller fills it
                    piece.assign(n, '\0');
                }
                else if (n == 1)
                    text.AddAt(GChar((BYTE)piece[0]), pos);
                else
                    text.InsertAt(pos, (const GChar*)piece.data(), n);
                expected.insert((size_t)pos, piece);
            }
            else
            {
                const long n = std::min(count - pos, random() % 8 == 0 ? 1 + (long)(random() % 6000) : 1L);
                text.Destroy(pos, n);
                expected.erase((size_t)pos, (size_t)n);
            }
            ASSERT_EQ(text.GetCount(), (LONG)expected.size());
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

// A whole text put in front of a flow's closing characters fills the room
// reserved for it at the back. Deleting most of a long text from its start
// leaves no more than a small share of it as room in front, and the back
// gives whole steps back.
TEST(TextStorageTest, RoomStaysBoundedAfterDeletions)
{
    GText text(0, 256);
    const BYTE closing[] = {kParagraphEnd, kBreak, kFlowEnd};
    text.InsertAt(0, (const GChar*)closing, 3);
    std::string big(200000 - 3, 'x');
    text.Reserve(200000);
    const LONG reserved = text.capacity;
    text.InsertAt(0, (const GChar*)big.data(), (long)big.size());
    EXPECT_EQ(text.front, 0);
    EXPECT_EQ(text.capacity, reserved);
    EXPECT_EQ(text[200000 - 3], kParagraphEnd);
    for (int i = 0; i < 1000; ++i)
        text.AddAt(GChar('s'), 0);   // room is made in front
    EXPECT_GT(text.front, 0);
    for (int i = 0; i < 190; ++i)
        text.Destroy(0, 1000);
    EXPECT_EQ(text.GetCount(), 11000);
    EXPECT_LE(text.front, 2 * std::max(256L, 11000L / 32));
    EXPECT_LT(text.capacity - text.count, 256);
    ExpectBlockFits(text);
}

// The text stores as a plain array of its characters, whatever room it
// keeps; reading replaces the text and drops the room; flushing empties.
TEST(TextStorageTest, StoresAsThePlainArray)
{
    GText text(0, 256);
    GArray<GChar> plain(0, 256);
    const std::string s = "Dear Sir, thank you for your letter.";
    text.InsertAt(0, (const GChar*)s.data(), (long)s.size());
    plain.InsertAt(0, (const GChar*)s.data(), (long)s.size());
    for (int i = 0; i < 50; ++i)
    {
        text.AddAt(GChar('>'), 0);
        plain.AddAt(GChar('>'), 0);
    }
    ASSERT_GT(text.front, 0);
    const Bytes stored = StoreToBytes([&](CArchive& ar) { text.Write(ar); });
    EXPECT_EQ(stored, StoreToBytes([&](CArchive& ar) { plain.Write(ar); }));

    GText read(0, 256);
    read.AddAt(GChar('k'), 0);
    read.AddAt(GChar('k'), 0);
    LoadFromBytes(stored, [&](CArchive& ar) { read.Read(ar); });
    EXPECT_EQ(Contents(read), Contents(text));
    EXPECT_EQ(read.front, 0);
    ExpectBlockFits(read);

    text.Flush();
    EXPECT_EQ(text.GetCount(), 0);
    EXPECT_EQ(text.front, 0);
    text.Add(GChar('a'));
    EXPECT_EQ(Contents(text), "a");
}

} // namespace
