// CFile on real files in the temporary folder, CMemFile growth and
// attachment, CSharedFile on global memory.
#include "tests/support/zt_gtest.h"
#include "afx.h"
#include "tests/platform/mfc42/thrown_exceptions.h"
#include <functional>
#include <stdlib.h>
#include <string>

namespace {

const auto FileCause = &CauseOf<CFileException>;

std::string ReadAll(CFile& file)
{
    std::string s(file.GetLength(), '\0');
    file.SeekToBegin();
    UINT n = file.Read(&s[0], (UINT)s.size());
    s.resize(n);
    return s;
}

// Paths in the temporary folder, removed afterwards.
class TempFileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char dir[MAX_PATH];
        ASSERT_GT(GetTempPathA(sizeof(dir), dir), 0u);
        base = dir;
        base += "zt_file_test_" + std::to_string(GetCurrentProcessId()) + "_";
    }
    void TearDown() override
    {
        for (const std::string& p : made)
            DeleteFileA(p.c_str());
    }
    std::string Path(const char* name)
    {
        made.push_back(base + name);
        return made.back();
    }
    std::string base;
    std::vector<std::string> made;
};

TEST_F(TempFileTest, WriteSeekReadAndResize)
{
    std::string path = Path("round.trip.bin");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.Seek(-5, CFile::end), 6);
    char buf[16] = {};
    EXPECT_EQ(file.Read(buf, sizeof(buf)), 5u);
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(file.Read(buf, sizeof(buf)), 0u);
    EXPECT_EQ(file.Seek(2, CFile::begin), 2);
    EXPECT_EQ(file.Seek(3, CFile::current), 5);
    EXPECT_EQ(FileCause([&] { file.Seek(-6, CFile::current); }), CFileException::badSeek);
    EXPECT_EQ(FileCause([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
    file.SetLength(5);
    EXPECT_EQ(file.GetLength(), 5u);
    EXPECT_EQ(file.SeekToEnd(), 5u);
    file.SetLength(8);
    EXPECT_EQ(ReadAll(file), std::string("hello\0\0\0", 8));

    // Names come from the full path.
    EXPECT_EQ(std::string(file.GetFileName()), "zt_file_test_" + std::to_string(GetCurrentProcessId()) +
                                                   "_round.trip.bin");
    EXPECT_EQ(std::string(file.GetFileTitle()), "zt_file_test_" + std::to_string(GetCurrentProcessId()) +
                                                    "_round.trip");
    EXPECT_EQ(std::string(file.GetFilePath()), path);

    CFileStatus status;
    ASSERT_TRUE(file.GetStatus(status));
    EXPECT_EQ(status.m_size, 8);
    EXPECT_GT(status.m_mtime.GetTime(), 0);
    file.Close();
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);

    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(status.m_size, 8);
    EXPECT_STREQ(status.m_szFullName, path.c_str());
    EXPECT_EQ(status.m_attribute & CFile::directory, 0);
    EXPECT_FALSE(CFile::GetStatus((path + ".missing").c_str(), status));
}

TEST_F(TempFileTest, OpenFailuresReportTheCause)
{
    std::string existing = Path("exists.bin");
    CFile(existing.c_str(), CFile::modeCreate | CFile::modeWrite).Write("x", 1);
    std::string missing = Path("missing.bin");
    std::string inMissingDir = base + "no_such_dir\\file.bin";

    const struct
    {
        const char* name;
        std::string path;
        UINT flags;
        int cause;
    } cases[] = {
        {"missing file", missing, CFile::modeRead, CFileException::fileNotFound},
        {"missing folder", inMissingDir, CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
        {"empty name", "", CFile::modeRead, CFileException::badPath},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFile file;
        CFileException e;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, &e));
        EXPECT_EQ(e.m_cause, c.cause);
        EXPECT_NE(e.m_lOsError, -1);
        EXPECT_STREQ(e.m_strFileName, c.path.c_str());
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    }
    // The constructor throws what Open reports.
    EXPECT_EQ(FileCause([&] { CFile f(missing.c_str(), CFile::modeRead); }), CFileException::fileNotFound);
    // Writing through a read-only handle is refused.
    CFile reader(existing.c_str(), CFile::modeRead);
    EXPECT_EQ(FileCause([&] { reader.Write("y", 1); }), CFileException::accessDenied);
}

TEST_F(TempFileTest, CreationAndSharingFlags)
{
    std::string path = Path("flags.bin");
    CFile(path.c_str(), CFile::modeCreate | CFile::modeWrite).Write("abc", 3);
    {
        CFile keep(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(keep.GetLength(), 3u);
    }
    {
        CFile truncated(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(truncated.GetLength(), 0u);
    }

    // What a second reader gets while the first holds the file.
    const struct
    {
        const char* name;
        UINT firstShare;
        int secondCause;   // -1: the second open succeeds
    } cases[] = {
        {"exclusive", CFile::shareExclusive, CFileException::sharingViolation},
        {"compat is exclusive", CFile::shareCompat, CFileException::sharingViolation},
        {"deny write lets readers in", CFile::shareDenyWrite, -1},
        {"deny none", CFile::shareDenyNone, -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CFile first(path.c_str(), CFile::modeRead | c.firstShare);
        CFile second;
        CFileException e;
        BOOL opened = second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone, &e);
        EXPECT_EQ(opened ? -1 : e.m_cause, c.secondCause);
    }
}

TEST_F(TempFileTest, DuplicateRemoveAndRename)
{
    std::string path = Path("dup.bin");
    std::string renamed = Path("dup2.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
        file.Write("0123456789", 10);
        file.Seek(4, CFile::begin);
        CFile* copy = file.Duplicate();
        ASSERT_NE(copy, nullptr);
        char c = 0;
        copy->Read(&c, 1);
        EXPECT_EQ(c, '4');
        EXPECT_EQ(file.GetPosition(), 5u);   // one open file, one position
        delete copy;                         // closes only its own handle
        EXPECT_EQ(file.Read(&c, 1), 1u);
        EXPECT_EQ(c, '5');
    }
    CFile::Rename(path.c_str(), renamed.c_str());
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(path.c_str(), status));
    EXPECT_TRUE(CFile::GetStatus(renamed.c_str(), status));
    CFile::Remove(renamed.c_str());
    EXPECT_EQ(FileCause([&] { CFile::Remove(renamed.c_str()); }), CFileException::fileNotFound);
    EXPECT_EQ(FileCause([&] { CFile::Rename(path.c_str(), renamed.c_str()); }), CFileException::fileNotFound);
    EXPECT_EQ(CFile().Duplicate(), nullptr);
}

// ------------------------------------------------------------- CMemFile

// Exposes the block and counts the allocator calls.
class CProbeMemFile : public CMemFile
{
public:
    using CMemFile::CMemFile;
    DWORD BufferSize() const { return m_nBufferSize; }
    int allocs = 0;
    int reallocs = 0;

protected:
    BYTE* Alloc(DWORD n) override
    {
        ++allocs;
        return CMemFile::Alloc(n);
    }
    BYTE* Realloc(BYTE* p, DWORD n) override
    {
        ++reallocs;
        return CMemFile::Realloc(p, n);
    }
};

TEST(MemFile, GrowsInWholeStepsAndReadsBack)
{
    CProbeMemFile file(16);
    const struct
    {
        UINT write;
        DWORD bufferAfter;
    } steps[] = {{1, 16}, {15, 16}, {1, 32}, {40, 64}, {0, 64}, {100, 160}};
    DWORD total = 0;
    for (const auto& s : steps)
    {
        std::string chunk(s.write, (char)('a' + total % 26));
        file.Write(chunk.data(), s.write);
        total += s.write;
        EXPECT_EQ(file.BufferSize(), s.bufferAfter) << "after " << total << " bytes";
        EXPECT_EQ(file.GetLength(), total);
    }
    EXPECT_EQ(file.allocs, 1);
    EXPECT_EQ(file.reallocs, 3);

    EXPECT_EQ(file.Seek(-100, CFile::end), 57);
    char c = 0;
    EXPECT_EQ(file.Read(&c, 1), 1u);
    EXPECT_EQ(c, 'a' + 57 % 26);
    EXPECT_EQ(FileCause([&] { file.Seek(-1, CFile::begin); }), CFileException::badSeek);
    EXPECT_EQ(file.GetPosition(), 58u);

    // A seek past the end, then a write: the gap reads as zeros.
    file.Seek(4, CFile::end);
    file.Write("Z", 1);
    EXPECT_EQ(file.GetLength(), 162u);
    char tail[6];
    file.Seek(-6, CFile::end);
    EXPECT_EQ(file.Read(tail, 6), 6u);
    EXPECT_EQ(std::string(tail, 6), std::string("f\0\0\0\0Z", 6));

    file.SetLength(3);
    EXPECT_EQ(file.GetPosition(), 3u);
    file.SetLength(5);
    EXPECT_EQ(ReadAll(file), std::string("abb\0\0", 5));

    EXPECT_TRUE(Throws<CNotSupportedException>([&] { file.Duplicate(); }));
    EXPECT_TRUE(Throws<CNotSupportedException>([&] { file.LockRange(0, 1); }));
}

TEST(MemFile, DetachHandsOverTheBlockAndEmptiesTheFile)
{
    CMemFile file;
    file.Write("payload", 7);
    BYTE* block = file.Detach();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(memcmp(block, "payload", 7), 0);
    free(block);
    EXPECT_EQ(file.GetLength(), 0u);
    EXPECT_EQ(file.GetPosition(), 0u);
    // Still usable, with a fresh block of its own.
    file.Write("again", 5);
    EXPECT_EQ(ReadAll(file), "again");
}

TEST(MemFile, AttachedBlocks)
{
    // Step 0: the block is the file and cannot grow.
    BYTE fixed[4] = {'w', 'x', 'y', 'z'};
    CMemFile file(fixed, sizeof(fixed));
    EXPECT_EQ(ReadAll(file), "wxyz");
    file.Seek(1, CFile::begin);
    file.Write("XY", 2);
    EXPECT_EQ(memcmp(fixed, "wXYz", 4), 0);
    EXPECT_TRUE(Throws<CMemoryException>([&] { file.Write("too long", 8); }));
    EXPECT_EQ(file.Detach(), fixed);

    // A growing step: the old contents are ignored and the block may move.
    BYTE* grown = (BYTE*)malloc(4);
    CMemFile growing(grown, 4, 8);
    EXPECT_EQ(growing.GetLength(), 0u);
    growing.Write("0123456789", 10);
    BYTE* back = growing.Detach();
    EXPECT_EQ(memcmp(back, "0123456789", 10), 0);
    free(back);
}

TEST(SharedFile, GlobalMemoryRoundTrip)
{
    CSharedFile out;
    out.Write("clipboard text", 14);
    HGLOBAL h = out.Detach();
    ASSERT_NE(h, nullptr);
    EXPECT_GE(GlobalSize(h), 14u);
    EXPECT_EQ(out.GetLength(), 0u);

    {
        CSharedFile in;
        in.SetHandle(h, FALSE);
        char buf[14];
        EXPECT_EQ(in.Read(buf, sizeof(buf)), 14u);
        EXPECT_EQ(memcmp(buf, "clipboard text", 14), 0);
        in.SeekToEnd();
        EXPECT_TRUE(Throws<CMemoryException>([&] { in.Write("more", 4); }));
    }
    // The caller's block survives the file that read it.
    char* p = (char*)GlobalLock(h);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(memcmp(p, "clipboard text", 14), 0);
    GlobalUnlock(h);
    GlobalFree(h);
}

}  // namespace
