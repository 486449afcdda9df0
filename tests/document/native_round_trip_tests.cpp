// The native file as a whole: a document with every kind of content comes
// back from its file record for record, a file that may only be read
// opens, and a save killed at any moment leaves a file that opens whole.
#include "tests/document/native_test_document.h"
#include "editing/document_editing.h"
#include "model/GImage.h"
#include "model/GListField.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include "tests/support/flow_inspection.h"
#include "tests/support/olefile_reader.h"
#include <algorithm>
#include <cstdlib>
#include <dlfcn.h>

namespace {

// A 2 x 2 24-bit picture in a global block.
Image* TwoByTwoPicture()
{
    const DWORD rowBytes = 8, size = sizeof(BITMAPINFOHEADER) + 2 * rowBytes;
    BYTE* dib = (BYTE*)GlobalLock(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    BITMAPINFOHEADER* header = (BITMAPINFOHEADER*)dib;
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = header->biHeight = 2;
    header->biPlanes = 1;
    header->biBitCount = 24;
    for (DWORD i = sizeof(BITMAPINFOHEADER); i < size; ++i)
        dib[i] = (BYTE)(i * 7);
    Image* image = new Image;
    image->attach(dib);
    return image;
}

// After the shared content: a list item, a picture, a text effect, a cell
// with its value and name, and an embedded object.
void AddObjects(CWDocument& doc)
{
    GDoc* body = doc.m_flows[kBodyFlow];
    const long item = body->m_chars.GetCount() - 3;
    TypeAt(body, item, "\rA listed paragraph");
    body->InsertField(new GList(body, item + 1, 1, 1, 0));

    const long pictures = body->m_chars.GetCount() - 3;
    TypeAt(body, pictures, "\rab");
    GImage* picture = new GImage(body, pictures + 1, TwoByTwoPicture());
    body->InsertField(picture);
    GLumifex* effect = new GLumifex(body, pictures + 3);
    effect->m_fx.m_strText = "Wave";
    effect->m_fx.RetriveText(effect->m_pScreen);
    effect->m_nWidth = 300, effect->m_nHeight = 200;
    body->InsertField(effect);

    CZTCell* cell = new CZTCell;
    cell->SetFieldValue("42.5");
    cell->SetName("B2");
    body->SetPos(2);
    doc.m_nCurPart = kBodyFlow;
    ASSERT_TRUE(doc.OnCreateItem(cell));
    CZTOleRectItem* object = doc.CreateOleItem();
    object->SetSize(CSize(500, 300));
    doc.AddItem(object);
    body->InsertField(new GOle(body, 3, object));
}

std::string FieldKinds(GDoc& flow)
{
    std::string kinds;
    for (long i = 0; i < flow.m_fields.GetCount(); ++i)
        kinds += std::to_string(flow.m_fields[i]->m_nKind) + " ";
    return kinds;
}

// Every record the document keeps, one line a part, so that a difference
// shows where it is.
std::string DocumentRecords(CWDocument& doc)
{
    std::string s = "tables " + HexDump(StoreToBytes([&](CArchive& ar) {
                        doc.m_fontStyles.SaveZVW(ar);
                        doc.m_paraStyles.SaveZVW(ar);
                        doc.m_masterStyles.SaveZVW(ar);
                        doc.m_listStyles.SaveZVW(ar);
                    }), "") + "\n";
    s += "items " + HexDump(StoreToBytes([&](CArchive& ar) { doc.CZTDoc::Serialize(ar); }), "") + "\n";
    for (long i = 0; i < doc.m_flows.GetCount(); ++i)
        s += "flow " + std::to_string(i) + "\n" + FlowState(*doc.m_flows[i]);
    s += "frames " + std::to_string(doc.m_frames.GetCount()) + "\n";
    return s;
}

class NativeRoundTrip : public testing::Test
{
protected:
    AnsweringApp app;
    NativeTemplate maker;
    std::vector<std::string> files;

    std::string File(const char* name)
    {
        files.push_back(NativeTempFile(name));
        return files.back();
    }
    void TearDown() override
    {
        for (const std::string& f : files)
        {
            SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(f.c_str());
        }
    }
    static Bytes Stream(const std::string& path, const char* name)
    {
        COleRootStorage root;
        EXPECT_TRUE(root.Open(path.c_str(), COleRootStorage::readOnlyMode));
        return root.GetStorage() ? StreamBytes(root.GetStorage(), name) : Bytes();
    }
    // Opens path into a new document and saves it as to.
    std::unique_ptr<CWDocument> Resave(const std::string& path, const std::string& to)
    {
        auto doc = maker.New();
        CException* error = NULL;
        EXPECT_TRUE(doc->OpenNativeFile(path.c_str(), &error));
        if (error)
            error->Delete();
        EXPECT_TRUE(doc->SaveNativeFile(to.c_str()));
        doc->m_rootStorage.Release();
        return doc;
    }
};

TEST_F(NativeRoundTrip, SavedThenOpenedAndSavedTwiceTheLaterFilesAndDocumentsAgree)
{
    auto first = maker.New();
    FillNativeTestDocument(*first);
    AddObjects(*first);
    GDoc* body = first->m_flows[kBodyFlow];
    ASSERT_EQ(FieldKinds(*body), "12 1 10 6 9 13 ");
    const std::string one = File("one.zvw"), two = File("two.zvw"), three = File("three.zvw");
    ASSERT_TRUE(first->SaveNativeFile(one.c_str()));
    first->m_rootStorage.Release();

    auto second = Resave(one, two);
    auto third = Resave(two, three);
    EXPECT_TRUE(app.asked.empty());

    const Bytes contents = Stream(two, "Contents"), effects = Stream(two, "Lumifex");
    EXPECT_GT(contents.size(), 1000u);
    EXPECT_GT(effects.size(), 4u * second->m_flows.GetCount()) << "the effect's own record";
    EXPECT_EQ(HexDump(Stream(three, "Contents")), HexDump(contents));
    EXPECT_EQ(HexDump(Stream(three, "Lumifex")), HexDump(effects));
    EXPECT_EQ(DocumentRecords(*third), DocumentRecords(*second));

    // The objects came back as what they were, the cell and the object
    // found by their handles.
    GDoc* read = third->m_flows[kBodyFlow];
    ASSERT_EQ(FieldKinds(*read), FieldKinds(*body));
    EXPECT_EQ(FlowText(*read), FlowText(*body));
    GCell* cell = dynamic_cast<GCell*>(read->m_fields[0]);
    ASSERT_TRUE(cell && cell->m_pItem);
    CZTCell* item = dynamic_cast<CZTCell*>(cell->m_pItem);
    ASSERT_TRUE(item);
    EXPECT_STREQ(item->GetFieldValueAsText(), "42.5");
    EXPECT_STREQ(item->GetName(), "B2");
    EXPECT_EQ(item->GetDocument(), third.get());
    GOle* object = dynamic_cast<GOle*>(read->m_fields[1]);
    ASSERT_TRUE(object && object->m_pItem);
    EXPECT_FALSE(dynamic_cast<CZTFieldItem*>(object->m_pItem));
    EXPECT_EQ(object->m_pItem->GetSize(), CSize(500, 300));
    EXPECT_EQ(third->GetItemCount(), 2);
    GLumifex* effect = dynamic_cast<GLumifex*>(read->m_fields[5]);
    ASSERT_TRUE(effect);
    EXPECT_EQ(std::string(effect->AsText(1)), "Wave");
    GImage* picture = dynamic_cast<GImage*>(read->m_fields[4]);
    ASSERT_TRUE(picture);
    EXPECT_NE(picture->m_pImage, nullptr);
    for (auto* d : {first.get(), second.get(), third.get()})
        ReleaseDocEditing(d);
}

// A stored item list that does not read whole fails the open.
TEST_F(NativeRoundTrip, ADamagedItemListFailsTheOpen)
{
    auto doc = maker.New();
    CZTCell* cell = new CZTCell;
    doc->AddItem(cell);
    const Bytes good = StoreToBytes([&](CArchive& ar) { doc->SaveZVW(ar); });
    // The list follows the magic and the version: next handle, count, then
    // the item's class name.
    const size_t countAt = 4 + 4, nameAt = countAt + 4 + 1;
    ASSERT_EQ(std::string(good.begin() + nameAt, good.begin() + nameAt + 7), "CZTCell");
    struct Case
    {
        const char* what;
        size_t at;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"a count larger than the stream", countAt, {0, 0, 0, 0x40}},
        {"a class that is no item", nameAt, {'C', 'O', 'b', 'j', 'e', 'c', 't'}},
        {"an unknown class", nameAt, {'X', 'Z', 'T', 'C', 'e', 'l', 'l'}},
        {"a handle of 0", nameAt + 7, {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Bytes bad = good;
        std::copy(c.bytes.begin(), c.bytes.end(), bad.begin() + c.at);
        auto read = maker.New();
        int result = -1;
        LoadFromBytes(bad, [&](CArchive& ar) { result = read->OpenZVW(ar); });
        EXPECT_EQ(result, 2);
        EXPECT_EQ(read->GetItemCount(), 0);
        ReleaseDocEditing(read.get());
    }
    ReleaseDocEditing(doc.get());
}

// A file the user may not write opens for reading; saving over it is
// refused and keeps it, Save As under another name works.
TEST_F(NativeRoundTrip, AReadOnlyFileOpensAndIsSavedOnlyUnderAnotherName)
{
    auto doc = maker.New();
    FillNativeTestDocument(*doc);
    const std::string locked = File("locked.zvw"), copy = File("copy.zvw");
    ASSERT_TRUE(doc->SaveNativeFile(locked.c_str()));
    doc->m_rootStorage.Release();
    const std::string before = FileBytes(locked);
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));

    CLSID clsid;
    EXPECT_TRUE(COleRootStorage::ReadClassID(locked.c_str(), clsid));
    EXPECT_TRUE(IsEqualCLSID(clsid, CWDocument::kNativeClassId));
    auto read = maker.New();
    CException* error = NULL;
    ASSERT_TRUE(read->OpenNativeFile(locked.c_str(), &error));
    EXPECT_TRUE(read->m_bReadOnlyFile);
    EXPECT_EQ(FlowText(*read->m_flows[kBodyFlow]), FlowText(*doc->m_flows[kBodyFlow]));

    TypeAt(read->m_flows[kBodyFlow], 0, "Changed ");
    read->SetModifiedFlag(TRUE);
    EXPECT_FALSE(read->SaveNativeFile(locked.c_str(), &error));
    ASSERT_NE(error, nullptr);
    error->Delete();
    EXPECT_TRUE(read->IsModified());
    EXPECT_TRUE(read->m_bReadOnlyFile);
    EXPECT_EQ(FileBytes(locked), before);

    ASSERT_TRUE(read->SaveNativeFile(copy.c_str()));
    EXPECT_FALSE(read->m_bReadOnlyFile);
    EXPECT_NE(read->m_rootStorage.GetStorage(), nullptr);
    read->m_rootStorage.Release();
    ReleaseDocEditing(read.get());
    ReleaseDocEditing(doc.get());
}

// ---- A save killed part-way. The test program runs itself as the saving
// process: the child test below saves a large document to the file the
// environment names and reports how long the save took.

const char kChildTarget[] = "ZT_SAVE_CHILD_TARGET";
const int kLargeParagraphs = 3000;

std::string LargeText()
{
    std::string text;
    for (int i = 0; i < kLargeParagraphs; ++i)
        text += "The new document, paragraph " + std::to_string(i) + " of many, long enough to wrap once.\r";
    return text;
}

void WriteText(const std::string& path, const std::string& text)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(text.data(), (UINT)text.size());
    file.Close();
}

TEST(NativeSaveChild, SavesALargeDocument)
{
    char target[MAX_PATH];
    if (!GetEnvironmentVariableA(kChildTarget, target, sizeof target))
        GTEST_SKIP() << "run by the kill test only";
    AnsweringApp app;
    NativeTemplate maker;
    auto doc = maker.New();
    TypeAt(doc->m_flows[kBodyFlow], 0, LargeText().c_str());
    const std::string started = std::string(target) + ".started";
    WriteText(started, "");
    const DWORD start = GetTickCount();
    ASSERT_TRUE(doc->SaveNativeFile(target));
    WriteText(std::string(target) + ".saved", std::to_string(GetTickCount() - start));
    doc->m_rootStorage.Release();
    ReleaseDocEditing(doc.get());
}

// The DOS path of this program's own file, which Wine starts as it
// started this process.
std::string ThisProgram()
{
    Dl_info info = {};
    if (!dladdr((void*)&ThisProgram, &info) || !info.dli_fname)
        return std::string();
    typedef WCHAR*(CDECL * ToDos)(const char*);
    ToDos toDos = (ToDos)GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name");
    WCHAR* dos = toDos ? toDos(info.dli_fname) : NULL;
    if (!dos)
        return std::string();
    char path[MAX_PATH];
    WideCharToMultiByte(CP_ACP, 0, dos, -1, path, sizeof path, NULL, NULL);
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

class KilledSave : public NativeRoundTrip
{
protected:
    std::string folder = NativeTempFile("killed");
    std::string target = folder + "\\letter.zvw";

    void SetUp() override
    {
        CreateDirectoryA(folder.c_str(), NULL);
        Empty();
    }
    void TearDown() override
    {
        Empty();
        RemoveDirectoryA(folder.c_str());
    }
    void Empty()
    {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (h == INVALID_HANDLE_VALUE)
            return;
        do
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        while (FindNextFileA(h, &found));
        FindClose(h);
    }
    static bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    // Starts the child, waits until it begins saving, lets it run for
    // killAfter ms (or to its end when negative) and kills it.
    void RunChild(int killAfter)
    {
        DeleteFileA((target + ".started").c_str());
        DeleteFileA((target + ".saved").c_str());
        const std::string program = ThisProgram();
        std::string command = std::string("\"") + program + "\" --gtest_filter=NativeSaveChild.*";
        SetEnvironmentVariableA(kChildTarget, target.c_str());
        // The child's report would interleave with this program's.
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
        HANDLE quiet = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                                   NULL);
        STARTUPINFOA startup = {sizeof startup};
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = quiet;
        PROCESS_INFORMATION child = {};
        const BOOL started =
            CreateProcessA(program.c_str(), &command[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &child);
        SetEnvironmentVariableA(kChildTarget, NULL);
        CloseHandle(quiet);
        ASSERT_TRUE(started) << GetLastError();
        const DWORD limit = GetTickCount() + 120000;
        while (!Exists(target + ".started") && GetTickCount() < limit &&
               WaitForSingleObject(child.hProcess, 5) == WAIT_TIMEOUT)
            ;
        if (killAfter >= 0)
        {
            Sleep(killAfter);
            TerminateProcess(child.hProcess, 9);
        }
        WaitForSingleObject(child.hProcess, 120000);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    // The body of the document the file holds; fails when it does not open.
    std::string Body()
    {
        auto doc = maker.New();
        CException* error = NULL;
        const BOOL opened = doc->OpenNativeFile(target.c_str(), &error);
        if (error)
            error->Delete();
        EXPECT_TRUE(opened);
        const std::string text = FlowText(*doc->m_flows[kBodyFlow]);
        doc->m_rootStorage.Release();
        ReleaseDocEditing(doc.get());
        return text;
    }
};

TEST_F(KilledSave, LeavesTheOldOrTheNewDocumentWhole)
{
    auto old = maker.New();
    TypeAt(old->m_flows[kBodyFlow], 0, "The old document.");
    const std::string oldText = FlowText(*old->m_flows[kBodyFlow]);

    // A save left to finish tells how long saving takes.
    RunChild(-1);
    ASSERT_TRUE(Exists(target + ".saved"));
    const std::string newText = Body();
    ASSERT_GT(newText.size(), LargeText().size() / 2);
    const int took = std::max(1, atoi(FileBytes(target + ".saved").c_str()));

    int olds = 0;
    for (int percent : {0, 10, 30, 50, 70, 90, 100, 120})
    {
        SCOPED_TRACE(percent);
        DeleteFileA(target.c_str());
        ASSERT_TRUE(old->SaveNativeFile(target.c_str()));
        old->m_rootStorage.Release();
        RunChild(took * percent / 100);
        const std::string body = Body();
        EXPECT_TRUE(body == oldText || body == newText) << body.substr(0, 60);
        olds += body == oldText;
    }
    // Some kills came before the file was replaced (how many came after
    // depends on the machine's load; the save left to finish shows the new
    // document whole).
    EXPECT_GT(olds, 0);
    ReleaseDocEditing(old.get());
}

} // namespace

namespace
{
// The document's main stream as its native file holds it.
std::string StoredStream(CWDocument& doc)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        doc.Serialize(ar);
        ar.Close();
    }
    std::string bytes((size_t)file.GetLength(), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], (UINT)bytes.size());
    return bytes;
}

// Reads stream into doc as a native file's main stream; false when the
// read threw.
bool ReadStream(CWDocument& doc, std::string stream)
{
    CMemFile file((BYTE*)&stream[0], (UINT)stream.size());
    CArchive ar(&file, CArchive::load);
    try
    {
        doc.Serialize(ar);
        return true;
    }
    catch (CException* e)
    {
        e->Delete();
        return false;
    }
}
} // namespace

// The page background comes back from the file; a record missing (a file
// written before backgrounds were stored), cut short or of another
// version leaves the default background and the document opens whole.
TEST_F(NativeRoundTrip, ThePageBackgroundComesBackOrIsTheDefault)
{
    auto doc = maker.New();
    FillNativeTestDocument(*doc);
    doc->m_background.m_nMode = CPageBackground::kTile;
    doc->m_background.m_bPrint = TRUE;
    doc->m_background.m_color = RGB(250, 240, 200);
    doc->m_background.m_strPicture = "C:\\pictures\\paper.bmp";
    const std::string stream = StoredStream(*doc);
    const size_t record = 4 + 4 + 2 + doc->m_background.m_strPicture.GetLength();
    ASSERT_GT(stream.size(), record);
    const size_t start = stream.size() - record;

    {
        auto read = maker.New();
        ASSERT_TRUE(ReadStream(*read, stream));
        EXPECT_TRUE(read->m_background == doc->m_background);
    }
    std::string otherVersion = stream, hugePath = stream;
    otherVersion[start] = 9;
    hugePath[start + 8] = (char)0xFF;
    hugePath[start + 9] = (char)0x7F;
    const struct
    {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"no record", stream.substr(0, start)},
        {"cut inside the path", stream.substr(0, stream.size() - 3)},
        {"cut inside the colour", stream.substr(0, start + 6)},
        {"another version", otherVersion},
        {"a path longer than any", hugePath},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        auto read = maker.New();
        ASSERT_TRUE(ReadStream(*read, c.bytes));
        EXPECT_TRUE(read->m_background == CPageBackground());
        EXPECT_EQ(FlowText(*read->m_flows[kBodyFlow]), FlowText(*doc->m_flows[kBodyFlow]));
    }
}
