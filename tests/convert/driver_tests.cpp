// The conversion driver against a recogniser and filters of the tests' own
// (tests/convert/filters): recognition, the choice of filter, every filter
// result and its message, missing libraries and entries, and documents
// opened and saved through the filters by the open and save dispatch,
// with failures that leave the document and the old file as they were.
#include "tests/convert/convert_test_support.h"
#include "convert/conversion_driver.h"
#include "convert/conversion_services.h"
#include "document/file_types.h"
#include "editing/document_editing.h"
#include "resources/resource.h"
#include "view/CWView.h"
#include <deque>
#include <memory>
#include <string>
#include <vector>

using namespace convert_test;

namespace {

const char kHeader[] = "ZTTEST ";

// Keeps every message the driver shows.
class TellingApp : public CWinApp
{
public:
    TellingApp() : CWinApp("ZtDriverTest") {}
    std::vector<std::string> told;
    int DoMessageBox(LPCSTR text, UINT, UINT) override
    {
        told.push_back(text ? text : "");
        return IDOK;
    }
};

struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    std::unique_ptr<CWDocument> New() { return std::unique_ptr<CWDocument>((CWDocument*)tpl.CreateNewDocument()); }
};

std::string DosPath(std::string unixPath)
{
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

const std::string kFilterFolder = DosPath(ZT_TEST_FILTER_DIR);

std::vector<std::string> NamesIn(const std::string& folder, const std::string& prefix)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "\\" + prefix + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do
        if (strcmp(found.cFileName, ".") && strcmp(found.cFileName, ".."))
            names.push_back(found.cFileName);
    while (FindNextFileA(h, &found));
    FindClose(h);
    return names;
}

std::string TempFolder()
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

void Request(const char* what)
{
    SetEnvironmentVariableA("ZT_TEST_FILTER", what);
}

std::string FilterArgs()
{
    char text[64] = "";
    GetEnvironmentVariableA("ZT_TEST_FILTER_ARGS", text, sizeof text);
    return text;
}

class Driver : public testing::Test
{
protected:
    TellingApp app;
    Template maker;
    std::unique_ptr<CWDocument> doc = maker.New();
    std::string folder;
    std::vector<std::string> intermediatesBefore;

    void SetUp() override
    {
        folder = TempFolder() + "ztdriver" + std::to_string(GetCurrentProcessId()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder.c_str(), NULL);
        ConversionLibraryFolder = kFilterFolder.c_str();
        Request("");
        intermediatesBefore = NamesIn(TempFolder(), "ZTCV");
    }
    void TearDown() override
    {
        EXPECT_EQ(NamesIn(TempFolder(), "ZTCV"), intermediatesBefore) << "an intermediate file stayed behind";
        Request("");
        ConversionLibraryFolder = "";
        ReleaseDocEditing(doc.get());
        doc->m_rootStorage.Release();
        for (const std::string& name : NamesIn(folder, ""))
        {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string Path(const std::string& name) { return folder + "\\" + name; }
    // A file of the test format: the header, then an intermediate file.
    std::string TestFile(const std::string& name, const std::string& header, const std::string& body = "")
    {
        const std::string path = Path(name);
        WriteBytes(path, kHeader + header + "\n" + body);
        return path;
    }
    // The intermediate file of a document holding text.
    std::string IntermediateOf(const char* text)
    {
        std::unique_ptr<CWDocument> source = NewDocument();
        std::string buffer(text);
        source->GetFlow(kBodyFlow)->InsertText(0, &buffer[0], 1);
        return Export(*source);
    }
    std::string LastTold() { return app.told.empty() ? std::string("<nothing>") : app.told.back(); }
};

TEST_F(Driver, SupportedSplitsWordBySubtypeAndPassesOtherCodes)
{
    struct Case
    {
        const char* header;
        int type;
    } cases[] = {
        {"5 0", 210}, {"5 1", 211}, {"5 2", 212}, {"5 3", 212}, {"5 7", 5}, {"19 1", 19}, {"0 0", 0}, {"-3 0", -3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Supported(TestFile("probe.tst", c.header).c_str()), c.type) << c.header;
    WriteBytes(Path("plain.txt"), "just text");
    EXPECT_EQ(Supported(Path("plain.txt").c_str()), 0);
    EXPECT_TRUE(app.told.empty());
}

TEST_F(Driver, AMissingRecogniserOrEntryIsToldAtEveryProbe)
{
    const std::string probe = TestFile("probe.tst", "19 1");
    ConversionLibraryFolder = folder.c_str();
    EXPECT_EQ(Supported(probe.c_str()), -1);
    EXPECT_EQ(Supported(probe.c_str()), -1);
    ASSERT_EQ(app.told.size(), 2u);
    EXPECT_EQ(app.told[1], "\"Autorec.dll\" not found!");
    ConversionLibraryFolder = (kFilterFolder + "\\entryless").c_str();
    EXPECT_EQ(Supported(probe.c_str()), -1);
    EXPECT_EQ(LastTold(), "Error in DLL : \"AUTOREC.DLL\". \nCould not find function: autorec()!");
}

TEST_F(Driver, TheShippedRecogniserRecognisesNothing)
{
    ConversionLibraryFolder = DosPath(ZT_PROGRAM_DIR).c_str();
    int subtype = -1;
    EXPECT_EQ(Autorec(TestFile("probe.tst", "19 1").c_str(), &subtype), 0);
    EXPECT_TRUE(app.told.empty());
}

TEST_F(Driver, TheFilterIsChosenByTableOnSaveAndByRecognitionOtherwise)
{
    struct Case
    {
        unsigned char direction;
        int code;
        const char* header; // of the file asked about; null: none there
        const char* library; // null: no filter
        const char* subtype;
    } cases[] = {
        {'T', 33, nullptr, "W033T32W.DLL", "0"},
        {'T', 349, nullptr, "W049T32W.DLL", "0"},
        {'T', 108, nullptr, "W108T32W.DLL", "2"},
        {'T', 77, "19 1", "W019T32W.DLL", "1"},
        {'T', 77, nullptr, nullptr, nullptr},
        {'F', 19, "19 1", "W019F32W.DLL", "1"},
        {'F', 19, "33 1", "W033F32W.DLL", "1"},
        {'F', 49, "1 0", "W019F32W.DLL", "0"},
        {'F', 49, "0 0", "W019F32W.DLL", "0"},
        {'F', 49, "-1 0", "W019F32W.DLL", "0"},
        {'F', 49, "49 0", "W049F32W.DLL", "0"},
        {'F', 19, "0 0", nullptr, nullptr},
        {'F', 19, "-5 0", nullptr, nullptr},
        {'F', 19, "19 100", nullptr, nullptr},
    };
    for (const Case& c : cases)
    {
        std::string path = Path("asked.tst");
        DeleteFileA(path.c_str());
        if (c.header)
            TestFile("asked.tst", c.header);
        TInfConv filter;
        memset(&filter, 'x', sizeof filter);
        const int found = GetHardConvertor(c.direction, c.code, filter, path.c_str());
        const std::string what = std::string(1, (char)c.direction) + " " + std::to_string(c.code);
        ASSERT_EQ(found, c.library ? 1 : 0) << what;
        if (!c.library)
            continue;
        EXPECT_STREQ(filter.libraryName, c.library) << what;
        EXPECT_STREQ(filter.subtype, c.subtype) << what;
        EXPECT_STREQ(filter.option, "0") << what;
    }
    EXPECT_EQ(sizeof(TInfConv), 36u);
}

TEST_F(Driver, WithoutRecogniserAnOpenOfType49StillUsesFilter19)
{
    ConversionLibraryFolder = folder.c_str();
    TInfConv filter;
    EXPECT_EQ(GetHardConvertor('F', 49, filter, TestFile("old.doc", "49 0").c_str()), 1);
    EXPECT_STREQ(filter.libraryName, "W019F32W.DLL");
    EXPECT_EQ(GetHardConvertor('F', 19, filter, Path("old.doc").c_str()), 0);
    EXPECT_EQ(LastTold(), "\"Autorec.dll\" not found!");
}

TEST_F(Driver, EveryFilterResultIsToldAndFails)
{
    const std::string foreign = TestFile("in.tst", "19 1", IntermediateOf("x"));
    const std::string icf = Path("icf.tmp");
    struct Case
    {
        const char* request;
        char direction;
        std::string told;
    } cases[] = {
        {"error 1", 'F', "Error opening file:\n" + foreign},
        {"error 1", 'T', "Error opening file:\n" + foreign},
        {"error 2", 'F', "Error reading file:\n" + foreign},
        {"error 2", 'T', "Error reading file:\n" + icf},
        {"error 4", 'F', "Error writing file:\n" + icf},
        {"error 4", 'T', "Error writing file:\n" + foreign},
        {"error 8", 'F', "There is not enough free memory!"},
        {"error 9", 'F', "Could not convert file!\nFile format is probably not correct!"},
        {"error 10", 'T', "Write failed - disk full!"},
        {"error 11", 'T', "Document is too large for target word processor!"},
        {"error 15", 'F', "Encrypted source file!\nConversion impossible!"},
        {"error 3", 'F', "Fatal error during conversion!"},
        {"error 77", 'T', "Fatal error during conversion!"},
    };
    for (const Case& c : cases)
    {
        Request(c.request);
        TInfConv filter = {};
        strcpy(filter.libraryName, c.direction == 'F' ? "W019F32W.DLL" : "W019T32W.DLL");
        strcpy(filter.subtype, "1");
        strcpy(filter.option, "0");
        app.told.clear();
        EXPECT_EQ(CallConvOther(nullptr, filter, icf.c_str(), foreign.c_str()), 0) << c.request;
        ASSERT_EQ(app.told.size(), 1u) << c.request;
        EXPECT_EQ(app.told[0], c.told) << c.request << " " << c.direction;
    }
    DeleteFileA(icf.c_str());
}

TEST_F(Driver, AMissingFilterOrEntryIsToldAndNoFilterStaysLoaded)
{
    const std::string foreign = TestFile("in.tst", "19 1", IntermediateOf("x"));
    const std::string icf = Path("icf.tmp");
    TInfConv missing = {"W088F32W.DLL", "0", "0"};
    EXPECT_EQ(CallConvOther(nullptr, missing, icf.c_str(), foreign.c_str()), 0);
    EXPECT_EQ(LastTold(), " W088F32W.DLL not found !.");
    TInfConv entryless = {"W077F32W.DLL", "0", "0"};
    EXPECT_EQ(CallConvOther(nullptr, entryless, icf.c_str(), foreign.c_str()), 0);
    EXPECT_EQ(LastTold(), "Error in DLL :W077F32W.DLL. Could not find function: w4wf !");
    EXPECT_EQ(GetModuleHandleA("W077F32W.DLL"), (HMODULE)NULL);

    TInfConv good = {"W019F32W.DLL", "1", "0"};
    EXPECT_EQ(CallConvOther(nullptr, good, icf.c_str(), foreign.c_str()), 1);
    EXPECT_EQ(FilterArgs(), "1 0");
    EXPECT_EQ(GetModuleHandleA("W019F32W.DLL"), (HMODULE)NULL);
    HMODULE loaded = LoadConversionLibrary("W019F32W.DLL");
    ASSERT_TRUE(loaded != NULL);
    EXPECT_EQ(GetModuleHandleA("W019F32W.DLL"), loaded) << "the check above would see a loaded filter";
    FreeLibrary(loaded);
    DeleteFileA(icf.c_str());
}

TEST_F(Driver, AFileOpensThroughTheFilterSavesAndOpensAgainEqual)
{
    const std::string text = "First line\rSecond line of the letter\rThird";
    const std::string path = TestFile("letter.tst", "19 1", IntermediateOf(text.c_str()));
    ASSERT_EQ(ZtWriteGetFileType(path.c_str()), 19);
    Request("display");
    ASSERT_TRUE(doc->OnOpenDocument(path.c_str())) << LastTold();
    EXPECT_EQ(FlowText(*doc->GetFlow(kBodyFlow)), text);
    EXPECT_GT(doc->GetFlow(kBodyFlow)->m_rows.count, 2) << "the rows are broken";
    EXPECT_EQ(doc->GetPathName(), CString(path.c_str()));
    EXPECT_EQ(doc->m_nViewNotify, 0);
    EXPECT_EQ(doc->m_nReRows, 0);
    EXPECT_EQ(GetModuleHandleA("W019F32W.DLL"), (HMODULE)NULL);
    EXPECT_EQ(GetModuleHandleA("auto32w.dll"), (HMODULE)NULL);

    Request("");
    doc->m_nFileType = kFileRtf;
    const std::string saved = Path("saved.rtf");
    ASSERT_TRUE(doc->OnSaveDocument(saved.c_str())) << LastTold();
    EXPECT_EQ(FilterArgs(), "1 0");
    EXPECT_EQ(ReadBytes(saved).compare(0, 11, "ZTTEST 19 1"), 0);
    EXPECT_FALSE(doc->IsModified());

    std::unique_ptr<CWDocument> again = maker.New();
    ASSERT_TRUE(again->OnOpenDocument(saved.c_str())) << LastTold();
    EXPECT_EQ(FlowText(*again->GetFlow(kBodyFlow)), text);
    ReleaseDocEditing(again.get());
    again->m_rootStorage.Release();
    EXPECT_TRUE(app.told.empty()) << LastTold();
    EXPECT_EQ(NamesIn(folder, "").size(), 2u) << "only the two documents stay in the folder";
}

TEST_F(Driver, PathsLongerThanTheOldBuffersReachTheFilterWhole)
{
    const std::string deep = Path(std::string(150, 'd'));
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), NULL));
    const std::string path = deep + "\\letter.tst";
    WriteBytes(path, kHeader + std::string("19 1\n") + IntermediateOf("Deep"));
    doc->m_nFileType = 19;
    EXPECT_TRUE(doc->OnOpenDocument(path.c_str())) << LastTold();
    EXPECT_EQ(FlowText(*doc->GetFlow(kBodyFlow)), "Deep");
    DeleteFileA(path.c_str());
    RemoveDirectoryA(deep.c_str());
}

TEST_F(Driver, AFailedOpenLeavesNoDocumentOfTheFilesName)
{
    struct Case
    {
        const char* request;
        const char* told;
    } cases[] = {
        {"error 9", "Could not convert file!\nFile format is probably not correct!"},
        {"nothing", "Could not convert file!\nFile format is probably not correct!"},
        {"error 15", "Encrypted source file!\nConversion impossible!"},
    };
    const std::string path = TestFile("letter.tst", "19 1", IntermediateOf("Hello"));
    for (const Case& c : cases)
    {
        std::unique_ptr<CWDocument> failing = maker.New();
        Request(c.request);
        app.told.clear();
        EXPECT_FALSE(failing->OnOpenDocument(path.c_str())) << c.request;
        EXPECT_EQ(LastTold(), c.told) << c.request;
        EXPECT_EQ(failing->GetPathName(), CString()) << c.request;
        EXPECT_EQ(failing->m_nViewNotify, 0) << c.request;
        EXPECT_EQ(failing->m_nReRows, 0) << c.request;
        ReleaseDocEditing(failing.get());
        failing->m_rootStorage.Release();
    }
}

TEST_F(Driver, AFailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    const std::string old = "the old file, whole";
    const std::string target = Path("kept.rtf");
    std::string buffer = "New text";
    doc->GetFlow(kBodyFlow)->InsertText(0, &buffer[0], 1);
    struct Case
    {
        const char* request;
        std::string told;
    } cases[] = {
        {"error 4", "Error writing file:\n" + target},
        {"cut", "Error writing file:\n" + target},
        {"error 10", "Write failed - disk full!"},
        {"nothing", "Error writing file:\n" + target},
    };
    for (const Case& c : cases)
    {
        WriteBytes(target, old);
        doc->m_nFileType = kFileRtf;
        doc->SetModifiedFlag(TRUE);
        Request(c.request);
        app.told.clear();
        EXPECT_FALSE(doc->DoSave(target.c_str(), TRUE)) << c.request;
        EXPECT_EQ(ReadBytes(target), old) << c.request;
        EXPECT_TRUE(doc->IsModified()) << c.request;
        ASSERT_FALSE(app.told.empty()) << c.request;
        EXPECT_EQ(app.told[0], c.told) << c.request;
        EXPECT_EQ(NamesIn(folder, "").size(), 1u) << c.request << ": a temporary stayed beside the file";
    }
}

TEST_F(Driver, ASaveOfATypeWithoutRowAsksTheRecogniserAboutTheReplacedFile)
{
    const std::string target = TestFile("kept.xyz", "19 1", IntermediateOf("Old"));
    std::string buffer = "Replacing text";
    doc->GetFlow(kBodyFlow)->InsertText(0, &buffer[0], 1);
    doc->m_nFileType = 77;
    ASSERT_TRUE(doc->DoSave(target.c_str(), TRUE)) << LastTold();
    EXPECT_EQ(FilterArgs(), "1 0");
    std::unique_ptr<CWDocument> again = maker.New();
    ASSERT_TRUE(again->OnOpenDocument(target.c_str())) << LastTold();
    EXPECT_EQ(FlowText(*again->GetFlow(kBodyFlow)), "Replacing text");
    ReleaseDocEditing(again.get());
    again->m_rootStorage.Release();
    EXPECT_EQ(NamesIn(folder, "").size(), 1u);
}

TEST_F(Driver, AFileNoRecogniserKnowsFailsWithAMessage)
{
    const std::string path = TestFile("unknown.tst", "0 0", IntermediateOf("Hello"));
    doc->SetPathName(path.c_str(), FALSE);
    doc->m_nFileType = 19;
    EXPECT_EQ(MainConversion('F', doc.get()), 2);
    EXPECT_EQ(LastTold(), "Could not convert file!\nFile format is probably not correct!");
    EXPECT_EQ(doc->m_nViewNotify, 0);
}

TEST_F(Driver, AMissingTemporaryFolderFailsBothWays)
{
    const std::string path = TestFile("letter.tst", "19 1", IntermediateOf("Hello"));
    char kept[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", kept, MAX_PATH);
    char keptTemp[MAX_PATH] = "";
    GetEnvironmentVariableA("TEMP", keptTemp, MAX_PATH);
    const std::string gone = folder + "\\gone";
    SetEnvironmentVariableA("TMP", gone.c_str());
    SetEnvironmentVariableA("TEMP", gone.c_str());
    const bool opened = doc->OnOpenDocument(path.c_str());
    const std::string toldOpen = LastTold();
    doc->m_nFileType = kFileRtf;
    const std::string target = Path("kept.rtf");
    WriteBytes(target, "old");
    doc->SetModifiedFlag(TRUE);
    const bool saved = doc->DoSave(target.c_str(), TRUE);
    SetEnvironmentVariableA("TMP", kept[0] ? kept : NULL);
    SetEnvironmentVariableA("TEMP", keptTemp[0] ? keptTemp : NULL);
    EXPECT_FALSE(opened);
    EXPECT_EQ(doc->GetPathName(), CString());
    EXPECT_EQ(toldOpen.compare(0, 19, "Error writing file:"), 0) << toldOpen;
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(target), "old");
    EXPECT_TRUE(doc->IsModified());
}

} // namespace
