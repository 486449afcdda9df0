// Compound files: named streams through CArchive, the root storage's class
// id, and the safe save, which must keep the previous file byte for byte
// whenever it fails. An independent reader (Python's olefile) checks what
// a save writes.
#include "tests/support/zt_gtest.h"
#include "afxolestg.h"
#include "tests/platform/mfc42/thrown_exceptions.h"
#include "tests/support/olefile_reader.h"
#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// The document class id of the word processor's files.
const CLSID kDocumentClsid = {0x379CA680, 0x093A, 0x11CF, {0x85, 0xAA, 0x00, 0x60, 0x8C, 0xF6, 0x71, 0x1A}};
const CLSID kOtherClsid = {0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}};

void WriteStream(LPSTORAGE storage, const char* name, const std::string& bytes)
{
    COleStreamFile stream;
    CFileException error;
    ASSERT_TRUE(stream.CreateStream(storage, name, CFile::modeReadWrite | CFile::shareExclusive | CFile::modeCreate, &error))
        << error.m_lOsError;
    stream.Write(bytes.data(), (UINT)bytes.size());
    stream.Close();
}

std::string ReadStream(LPSTORAGE storage, const char* name)
{
    COleStreamFile stream;
    if (!stream.OpenStream(storage, name, CFile::modeRead | CFile::shareExclusive))
        return "<missing>";
    std::string s(stream.GetLength(), '\0');
    s.resize(stream.Read(&s[0], (UINT)s.size()));
    return s;
}

// A folder of its own in the temporary folder, emptied and removed after
// the test.
class StorageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(sizeof(temp), temp), 0u);
        folder = std::string(temp) + "zt_storage_" + std::to_string(GetCurrentProcessId()) + "_"
            + testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        immutable = true;   // a run that crashed may have left it locked
        RemoveFolder();     // left over by a run that crashed
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    }
    void TearDown() override { RemoveFolder(); }
    void RemoveFolder()
    {
        MakeWritable();
        for (const std::string& name : Names("*"))
            DeleteFileA((folder + name).c_str());
        RemoveDirectoryA(folder.c_str());
    }
    std::string Path(const char* name) { return folder + name; }

    std::vector<std::string> Names(const char* pattern)
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA((folder + pattern).c_str(), &data);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do
        {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(data.cFileName);
        } while (FindNextFileA(h, &data));
        FindClose(h);
        return names;
    }

    // A compound file at path with one stream "Contents" holding bytes.
    void MakeDocument(const std::string& path, const std::string& bytes)
    {
        COleRootStorage root;
        ASSERT_TRUE(root.Create(path.c_str()));
        root.SetClassID(kDocumentClsid);
        WriteStream(root.GetStorage(), "Contents", bytes);
        root.Commit();
    }

    // Takes away the right to create files in the folder: its mode for a
    // plain user, the immutable flag for root, whom modes do not stop.
    // False when neither works here.
    bool MakeUnwritable()
    {
        std::string unixPath = UnixPath(folder);
        chmod(unixPath.c_str(), 0555);
        if (!CanCreateIn())
            return true;
        immutable = system(("chattr +i '" + unixPath + "' 2>/dev/null").c_str()) == 0;
        return !CanCreateIn();
    }
    void MakeWritable()
    {
        std::string unixPath = UnixPath(folder);
        if (immutable)
            system(("chattr -i '" + unixPath + "' 2>/dev/null").c_str());
        immutable = false;
        chmod(unixPath.c_str(), 0755);
    }
    bool CanCreateIn()
    {
        std::string probe = Path("probe");
        HANDLE h = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(h);
        DeleteFileA(probe.c_str());
        return true;
    }

    std::string folder;
    bool immutable = false;
};

TEST_F(StorageTest, StreamsCarryArchivesAndRawBytesAcrossReopening)
{
    std::string path = Path("streams.zvw");
    std::string big(100000, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = (char)(i * 7 + i / 251);
    {
        COleRootStorage root;
        ASSERT_TRUE(root.Create(path.c_str()));
        COleStreamFile stream;
        ASSERT_TRUE(stream.CreateStream(root.GetStorage(), "Contents"));
        CArchive ar(&stream, CArchive::store);
        ar << (BYTE)'Z' << (BYTE)'V' << (short)281 << CString("Lumifex") << (LONG)-5 << 1.5;
        ar.Write(big.data(), (UINT)big.size());
        ar.Close();
        EXPECT_EQ(stream.GetLength(), 2u + 2 + 8 + 4 + 8 + big.size());
        stream.Close();
        WriteStream(root.GetStorage(), "Lumifex", "effects");
        root.Commit();
    }
    COleRootStorage root;
    ASSERT_TRUE(root.Open(path.c_str()));
    COleStreamFile stream;
    ASSERT_TRUE(stream.OpenStream(root.GetStorage(), "Contents", CFile::modeRead | CFile::shareExclusive));
    CArchive ar(&stream, CArchive::load);
    BYTE z, v;
    short version;
    CString name;
    LONG n;
    double d;
    ar >> z >> v >> version >> name >> n >> d;
    EXPECT_EQ(std::string({(char)z, (char)v}), "ZV");
    EXPECT_EQ(version, 281);
    EXPECT_STREQ(name, "Lumifex");
    EXPECT_EQ(n, -5);
    EXPECT_EQ(d, 1.5);
    std::string back(big.size(), '\0');
    EXPECT_EQ(ar.Read(&back[0], (UINT)back.size()), big.size());
    EXPECT_TRUE(back == big);
    EXPECT_EQ(ar.Read(&back[0], 1), 0u);
    ar.Close();
    EXPECT_EQ(stream.Seek(-3, CFile::end), (LONG)(stream.GetLength() - 3));
    EXPECT_EQ(stream.GetPosition(), stream.GetLength() - 3);
    stream.Close();
    EXPECT_EQ(ReadStream(root.GetStorage(), "Lumifex"), "effects");
}

TEST_F(StorageTest, StreamOpeningCreatingAndErrors)
{
    COleRootStorage root;
    ASSERT_TRUE(root.Create(Path("open.zvw").c_str()));
    LPSTORAGE storage = root.GetStorage();

    COleStreamFile missing;
    CFileException error;
    EXPECT_FALSE(missing.OpenStream(storage, "Contents", CFile::modeRead | CFile::shareExclusive, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, STG_E_FILENOTFOUND);
    EXPECT_EQ(missing.GetStream(), nullptr);
    EXPECT_EQ(CauseOf<CFileException>([&] { missing.GetLength(); }), CFileException::invalidFile);

    WriteStream(storage, "Contents", "old");
    // Opened as it is with modeNoTruncate; replaced without it.
    COleStreamFile kept;
    ASSERT_TRUE(kept.CreateStream(storage, "Contents",
        CFile::modeReadWrite | CFile::shareExclusive | CFile::modeCreate | CFile::modeNoTruncate));
    EXPECT_EQ(kept.GetLength(), 3u);
    kept.Close();
    WriteStream(storage, "Contents", "new!");
    EXPECT_EQ(ReadStream(storage, "Contents"), "new!");

    // A stream opened for reading refuses writes with a file exception.
    COleStreamFile readOnly;
    ASSERT_TRUE(readOnly.OpenStream(storage, "Contents", CFile::modeRead | CFile::shareExclusive));
    EXPECT_EQ(CauseOf<CFileException>([&] { readOnly.Write("x", 1); }), CFileException::accessDenied);

    COleStreamFile memory;
    ASSERT_TRUE(memory.CreateMemoryStream());
    memory.Write("abcdef", 6);
    memory.SetLength(4);
    EXPECT_EQ(memory.GetLength(), 4u);
    std::unique_ptr<CFile> clone(memory.Duplicate());
    clone->SeekToBegin();
    char buf[8] = {};
    EXPECT_EQ(clone->Read(buf, sizeof(buf)), 4u);
    EXPECT_STREQ(buf, "abcd");
    EXPECT_EQ(memory.GetPosition(), 4u);   // the clone moved alone
}

TEST_F(StorageTest, ClassIdRoundTripAndPlainFiles)
{
    std::string path = Path("classid.zvw");
    MakeDocument(path, "ZV");
    CLSID read = {};
    ASSERT_TRUE(COleRootStorage::ReadClassID(path.c_str(), read));
    EXPECT_TRUE(IsEqualCLSID(read, kDocumentClsid));
    {
        COleRootStorage root;
        ASSERT_TRUE(root.Open(path.c_str()));
        root.SetClassID(kOtherClsid);
        root.Commit();
        ASSERT_TRUE(root.GetClassID(read));
        EXPECT_TRUE(IsEqualCLSID(read, kOtherClsid));
        // The file is the document's alone while it is open.
        CLSID blocked;
        EXPECT_FALSE(COleRootStorage::ReadClassID(path.c_str(), blocked));
    }
    ASSERT_TRUE(COleRootStorage::ReadClassID(path.c_str(), read));
    EXPECT_TRUE(IsEqualCLSID(read, kOtherClsid));

    std::string text = Path("plain.txt");
    CFile(text.c_str(), CFile::modeCreate | CFile::modeWrite).Write("just text", 9);
    EXPECT_FALSE(COleRootStorage::ReadClassID(text.c_str(), read));
    EXPECT_FALSE(COleRootStorage::ReadClassID(Path("none.zvw").c_str(), read));
    COleRootStorage root;
    CFileException error;
    EXPECT_FALSE(root.Open(text.c_str(), COleRootStorage::openMode, &error));
    EXPECT_EQ(error.m_cause, CFileException::invalidFile);
}

TEST_F(StorageTest, TemporaryStorageHoldsStreams)
{
    COleRootStorage root;
    ASSERT_TRUE(root.CreateTemporary());
    EXPECT_TRUE(root.GetPath().IsEmpty());
    WriteStream(root.GetStorage(), "Contents", "scratch");
    EXPECT_EQ(ReadStream(root.GetStorage(), "Contents"), "scratch");
}

TEST_F(StorageTest, SafeSaveReplacesTheOpenDocumentAndReopensIt)
{
    std::string path = Path("report.zvw");
    MakeDocument(path, "first");
    COleRootStorage root;
    ASSERT_TRUE(root.Open(path.c_str()));

    CException* error = NULL;
    ASSERT_TRUE(AfxSaveStorageSafely(path.c_str(), kDocumentClsid,
        [](LPSTORAGE storage) { WriteStream(storage, "Contents", "second"); }, &root, &error));
    EXPECT_EQ(error, nullptr);
    ASSERT_NE(root.GetStorage(), nullptr);
    EXPECT_EQ(root.GetPath().CompareNoCase(CString(path.c_str())), 0);
    EXPECT_EQ(ReadStream(root.GetStorage(), "Contents"), "second");
    CLSID clsid;
    ASSERT_TRUE(root.GetClassID(clsid));
    EXPECT_TRUE(IsEqualCLSID(clsid, kDocumentClsid));
    EXPECT_EQ(Names("*"), std::vector<std::string>{"report.zvw"});

    // Save As from a temporary root: the new file becomes the root.
    COleRootStorage scratch;
    ASSERT_TRUE(scratch.CreateTemporary());
    std::string other = Path("copy.zvw");
    ASSERT_TRUE(AfxSaveStorageSafely(other.c_str(), kDocumentClsid,
        [](LPSTORAGE storage) { WriteStream(storage, "Contents", "third"); }, &scratch));
    EXPECT_EQ(ReadStream(scratch.GetStorage(), "Contents"), "third");
    EXPECT_EQ(Names("~zt*"), std::vector<std::string>{});
}

// Each way a save can fail leaves the previous file as it was, reports
// the failure and leaves no temporary behind.
TEST_F(StorageTest, FailedSavesKeepThePreviousFile)
{
    std::string path = Path("keep.zvw");
    MakeDocument(path, "the previous document");
    const std::string before = FileBytes(path);

    struct Case
    {
        const char* what;
        std::function<void(LPSTORAGE)> write;
        int cause;
    };
    const Case cases[] = {
        {"a write that throws part-way",
            [](LPSTORAGE storage) {
                WriteStream(storage, "Contents", std::string(50000, 'x'));
                AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
            },
            CFileException::diskFull},
        {"an archive exception",
            [](LPSTORAGE storage) {
                WriteStream(storage, "Contents", "half");
                AfxThrowArchiveException(CArchiveException::badSchema);
            },
            -1},
    };
    for (const Case& c : cases)
    {
        COleRootStorage root;
        ASSERT_TRUE(root.Open(path.c_str()));
        CException* error = NULL;
        EXPECT_FALSE(AfxSaveStorageSafely(path.c_str(), kDocumentClsid, c.write, &root, &error)) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        if (c.cause >= 0)
        {
            CFileException* fileError = dynamic_cast<CFileException*>(error);
            ASSERT_NE(fileError, nullptr) << c.what;
            EXPECT_EQ(fileError->m_cause, c.cause) << c.what;
        }
        error->Delete();
        // The caller's root storage is the old file again.
        ASSERT_NE(root.GetStorage(), nullptr) << c.what;
        EXPECT_EQ(ReadStream(root.GetStorage(), "Contents"), "the previous document") << c.what;
        root.Release();
        EXPECT_TRUE(FileBytes(path) == before) << c.what;
        EXPECT_EQ(Names("*"), std::vector<std::string>{"keep.zvw"}) << c.what;
    }

    // Another program holding the file open keeps it from being replaced:
    // the rename fails after the temporary was complete.
    {
        COleRootStorage root;
        ASSERT_TRUE(root.Open(path.c_str()));
        CFile other;
        ASSERT_TRUE(other.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
        CException* error = NULL;
        EXPECT_FALSE(AfxSaveStorageSafely(path.c_str(), kDocumentClsid,
            [](LPSTORAGE storage) { WriteStream(storage, "Contents", "blocked"); }, &root, &error));
        ASSERT_NE(dynamic_cast<CFileException*>(error), nullptr);
        // The system answers access denied for a file in use, as Windows does.
        EXPECT_EQ(static_cast<CFileException*>(error)->m_cause, CFileException::accessDenied);
        error->Delete();
        other.Close();
        ASSERT_NE(root.GetStorage(), nullptr);
        EXPECT_EQ(ReadStream(root.GetStorage(), "Contents"), "the previous document");
        root.Release();
        EXPECT_TRUE(FileBytes(path) == before);
        EXPECT_EQ(Names("*"), std::vector<std::string>{"keep.zvw"});
    }

    // A folder that does not exist.
    CException* missing = NULL;
    EXPECT_FALSE(AfxSaveStorageSafely(Path("no such folder\\x.zvw").c_str(), kDocumentClsid,
        [](LPSTORAGE) {}, NULL, &missing));
    ASSERT_NE(dynamic_cast<CFileException*>(missing), nullptr);
    EXPECT_EQ(static_cast<CFileException*>(missing)->m_cause, CFileException::badPath);
    missing->Delete();

    // A read-only file is not replaced.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CException* error = NULL;
    EXPECT_FALSE(AfxSaveStorageSafely(path.c_str(), kDocumentClsid,
        [](LPSTORAGE storage) { WriteStream(storage, "Contents", "new"); }, NULL, &error));
    ASSERT_NE(dynamic_cast<CFileException*>(error), nullptr);
    EXPECT_EQ(static_cast<CFileException*>(error)->m_cause, CFileException::accessDenied);
    error->Delete();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(FileBytes(path) == before);
    EXPECT_EQ(Names("*"), std::vector<std::string>{"keep.zvw"});
}

TEST_F(StorageTest, SaveIntoUnwritableFolderKeepsThePreviousFile)
{
    std::string path = Path("locked.zvw");
    MakeDocument(path, "kept");
    const std::string before = FileBytes(path);
    if (!MakeUnwritable())
        GTEST_SKIP() << "no way to make a folder unwritable here";
    bool wrote = false;
    CException* error = NULL;
    EXPECT_FALSE(AfxSaveStorageSafely(path.c_str(), kDocumentClsid,
        [&](LPSTORAGE storage) { wrote = true; WriteStream(storage, "Contents", "lost?"); }, NULL, &error));
    EXPECT_FALSE(wrote);
    ASSERT_NE(dynamic_cast<CFileException*>(error), nullptr);
    EXPECT_EQ(static_cast<CFileException*>(error)->m_cause, CFileException::accessDenied)
        << static_cast<CFileException*>(error)->m_lOsError;
    error->Delete();
    EXPECT_TRUE(FileBytes(path) == before);
    EXPECT_EQ(Names("*"), std::vector<std::string>{"locked.zvw"});
}


// The safe save makes the compound file in memory: the file it puts in
// place is byte for byte the one the storage makes on the disk, for a
// stream written in pieces with another stream made in between, as a
// document writes its main stream around its effects.
TEST_F(StorageTest, SafeSaveWritesTheFileTheStorageMakesOnDisk)
{
    const std::string big = [] {
        std::string s;
        for (int i = 0; s.size() < 300000; ++i)
            s += "paragraph " + std::to_string(i) + " of a long document\r";
        return s;
    }();
    auto write = [&](LPSTORAGE storage) {
        COleStreamFile main;
        ASSERT_TRUE(main.CreateStream(storage, "Contents", CFile::modeReadWrite | CFile::shareExclusive | CFile::modeCreate));
        const size_t piece = 4096;
        for (size_t at = 0; at < big.size(); at += piece)
        {
            main.Write(big.data() + at, (UINT)std::min(piece, big.size() - at));
            if (at == 40 * piece)
                WriteStream(storage, "Lumifex", std::string(700, '\x7f'));
        }
        main.Close();
    };

    const std::string onDisk = Path("disk.zvw"), saved = Path("saved.zvw");
    {
        COleRootStorage root;
        ASSERT_TRUE(root.Create(onDisk.c_str()));
        root.SetClassID(kDocumentClsid);
        write(root.GetStorage());
        root.Commit();
    }
    ASSERT_TRUE(AfxSaveStorageSafely(saved.c_str(), kDocumentClsid, write));
    const std::string bytes = FileBytes(saved);
    EXPECT_GT(bytes.size(), big.size());
    EXPECT_TRUE(bytes == FileBytes(onDisk));
    COleRootStorage root;
    ASSERT_TRUE(root.Open(saved.c_str()));
    EXPECT_TRUE(ReadStream(root.GetStorage(), "Contents") == big);
}

TEST_F(StorageTest, IndependentReaderSeesClassIdAndStreams)
{
    std::string path = Path("olefile.zvw");
    MakeDocument(path, "old");
    ASSERT_TRUE(AfxSaveStorageSafely(path.c_str(), kDocumentClsid, [](LPSTORAGE storage) {
        WriteStream(storage, "Contents", std::string("ZV\x19\x01", 4) + "body");
        WriteStream(storage, "Lumifex", std::string("\x00\xff", 2));
    }));
    EXPECT_EQ(ReadWithOlefile(path),
        "379CA680-093A-11CF-85AA-00608CF6711A\n"
        "Contents 5a561901626f6479\n"
        "Lumifex 00ff\n");
}

} // namespace
