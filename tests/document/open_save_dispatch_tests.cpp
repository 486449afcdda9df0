// File types and the open and save dispatch on real files: the type of a
// name and of a file's contents, every type opened and saved, failures
// that leave the document and the file on the disk as they were, and the
// Save As dialog driven as a user drives it.
#include "tests/support/zt_gtest.h"
#include "tests/document/native_test_document.h"
#include "tests/support/olefile_reader.h"
#include "app/CWOptions.h"
#include "document/CWDocument.h"
#include "document/file_types.h"
#include "editing/document_editing.h"
#include "model/GDoc.h"
#include "resources/resource.h"
#include "tests/support/flow_inspection.h"
#include "view/CWView.h"
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Keeps what the document told the user and answers its questions.
class TellingApp : public CWinApp
{
public:
    TellingApp() : CWinApp("ZtDispatchTest") {}
    std::vector<std::string> told;
    std::vector<UINT> ids;
    std::deque<int> answers;
    int DoMessageBox(LPCSTR text, UINT, UINT id) override
    {
        told.push_back(text ? text : "");
        ids.push_back(id);
        if (answers.empty())
            return IDCANCEL;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

using Template = NativeTemplate;

void WriteFile(const std::string& path, const std::string& bytes)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    if (!bytes.empty())
        file.Write(bytes.data(), (UINT)bytes.size());
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The names in a folder, for temporaries left behind.
std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do
        if (strcmp(found.cFileName, ".") && strcmp(found.cFileName, ".."))
            names.push_back(found.cFileName);
    while (FindNextFileA(h, &found));
    FindClose(h);
    return names;
}

class Dispatch : public testing::Test
{
protected:
    TellingApp app;
    Template maker;
    std::unique_ptr<CWDocument> doc = maker.New();
    std::string folder;

    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "ztdispatch" + std::to_string(GetCurrentProcessId()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder.c_str(), NULL);
    }
    void TearDown() override
    {
        ReleaseDocEditing(doc.get());
        doc->m_rootStorage.Release();
        for (const std::string& name : FolderNames(folder))
        {
            SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(Path(name).c_str());
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string Path(const std::string& name) { return folder + "\\" + name; }
    GDoc* Body(CWDocument& d) { return d.m_flows[kBodyFlow]; }
    void Type(CWDocument& d, const char* text)
    {
        std::string buffer(text);
        Body(d)->InsertText(0, &buffer[0], 1);
    }
    // A native file holding text, made by another document.
    void SaveNative(const std::string& path, const char* text)
    {
        std::unique_ptr<CWDocument> other = maker.New();
        Type(*other, text);
        ASSERT_TRUE(other->SaveNativeFile(path.c_str()));
        other->m_rootStorage.Release();
        ReleaseDocEditing(other.get());
    }
    // The document untouched by a failed open: no name, the native type.
    void ExpectUnnamed(const char* what)
    {
        EXPECT_EQ(doc->GetPathName(), CString()) << what;
        EXPECT_EQ(doc->m_nFileType, kFileNative) << what;
        EXPECT_EQ(doc->m_strFileName, CString()) << what;
    }
};

TEST_F(Dispatch, TheExtensionNamesTheType)
{
    struct Case
    {
        const char* name;
        int type;
    } cases[] = {
        {"report.html", 108}, {"report.SHTML", 108}, {"report.Htm", 108}, {"report", 213},
        {"report.abc", 213},  {"report.txt ", 1},     {"a.zvw", 200},      {"a.ZVP", 201},
        {"a.ztk", 203},       {"a.xtx", 202},         {"a.rtf", 19},       {"a.doc", 49},
        {"a.wri", 43},        {"a.sam", 33},          {"a.zvt", 204},      {"a.lex", 205},
        {"a.asc", 206},       {"C:\\old.v2\\name", 213}, {"C:\\dir\\a.tx", 213}, {"", 213},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecognizeExtension(c.name), c.type) << "'" << c.name << "'";
}

TEST_F(Dispatch, TheSaveDialogsTablesAndTheNativeName)
{
    EXPECT_EQ(DefaultExtensionOf(kFilePlainText), ".txt");
    EXPECT_EQ(DefaultExtensionOf(kFileUserDictionary), "*.lex");
    EXPECT_EQ(DefaultExtensionOf(kFileOwnText), "");
    EXPECT_EQ(DefaultExtensionOf(kFileNative), ".zvw");
    EXPECT_EQ(DefaultExtensionOf(4711), "");
    const int filters[] = {0, 200, 201, 1, 19, 210, 211, 212, 44, 49, 6, 7, 48, 33, 33, 43, 108, 205};
    for (int i = 0; i <= kSaveFilterCount; ++i)
        EXPECT_EQ(SaveTypeOfFilter(i), filters[i]) << i;
    EXPECT_EQ(SaveTypeOfFilter(kSaveFilterCount + 1), 0);
    CString filter;
    ASSERT_TRUE(filter.LoadString(IDS_SAVE_FILTERS));
    int bars = 0;
    for (int i = 0; i < filter.GetLength(); ++i)
        bars += filter[i] == '|';
    EXPECT_EQ(bars, 2 * kSaveFilterCount);
    EXPECT_EQ(filter.Left(42), "Zentavo Write 2000 Document (*.zvw) |*.zvw");

    CString path = "C:\\letters\\to.you.txt";
    ReplaceExtension(path);
    EXPECT_EQ(path, "C:\\letters\\to.you.zvw");
    path = "plain";
    ReplaceExtension(path);
    EXPECT_EQ(path, "plain.zvw");
}

TEST_F(Dispatch, TheContentsNameTheType)
{
    WriteFile(Path("empty.zvw"), "");
    WriteFile(Path("text.txt"), "words");
    WriteFile(Path("damaged.zvw"), "not a compound file");
    SaveNative(Path("native.zvw"), "n");
    SaveNative(Path("native.doc"), "d");
    SaveNative(Path("readonly.zvw"), "r");
    SetFileAttributesA(Path("readonly.zvw").c_str(), FILE_ATTRIBUTE_READONLY);
    SaveNative(Path("shared.zvw"), "s");
    HANDLE shared = CreateFileA(Path("shared.zvw").c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(shared, INVALID_HANDLE_VALUE);
    WriteFile(Path("held.txt"), "held");
    HANDLE held = CreateFileA(Path("held.txt").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    WriteFile(Path("dos.xtx"), "dos");
    WriteFile(Path("words.lex"), "lex");

    struct Case
    {
        const char* name;
        int type;
        bool native;
    } cases[] = {
        {"empty.zvw", 20000, false},  {"missing.txt", 20001, false}, {"held.txt", 20002, false},
        {"text.txt", 1, false},       {"damaged.zvw", 200, false},   {"native.zvw", 200, true},
        {"native.doc", 49, true},     {"readonly.zvw", 200, true},   {"shared.zvw", 200, true},
        {"dos.xtx", 202, false},      {"words.lex", 205, false},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(ZtWriteGetFileType(Path(c.name).c_str()), c.type) << c.name;
        if (strcmp(c.name, "held.txt"))
            EXPECT_EQ(IsZtWriteDocument(Path(c.name).c_str()), c.native) << c.name;
    }
    CloseHandle(shared);
    CloseHandle(held);
}

// Whatever the recogniser says of them, DOS documents, user dictionaries
// and native files keep their extension's type; other files take its word
// when it knows them.
std::vector<std::string> asked;
int RecogniseAsRtf(const char* path)
{
    asked.push_back(path);
    return strstr(path, "unknown") ? 0 : 19;
}

TEST_F(Dispatch, OnlyFilesOfNoTypeOfOursGoToTheRecogniser)
{
    WriteFile(Path("dos.XTX"), "dos");
    WriteFile(Path("words.LEX"), "lex");
    WriteFile(Path("text.txt"), "text");
    WriteFile(Path("unknown.txt"), "text");
    SaveNative(Path("native.doc"), "n");
    const FormatRecogniser kept = ExternalRecogniser;
    ExternalRecogniser = RecogniseAsRtf;
    asked.clear();
    EXPECT_EQ(ZtWriteGetFileType(Path("dos.XTX").c_str()), 202);
    EXPECT_EQ(ZtWriteGetFileType(Path("words.LEX").c_str()), 205);
    EXPECT_EQ(ZtWriteGetFileType(Path("native.doc").c_str()), 49);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(ZtWriteGetFileType(Path("text.txt").c_str()), 19);
    EXPECT_EQ(ZtWriteGetFileType(Path("unknown.txt").c_str()), 1) << "an answer below 1 keeps the extension's type";
    EXPECT_EQ(asked.size(), 2u);
    ExternalRecogniser = kept;
}

TEST_F(Dispatch, TextFilesOpenIntoTheBodyWithATemporaryStorage)
{
    WriteFile(Path("letter.txt"), "Dear you,\r\nhello\nworld");
    ASSERT_TRUE(doc->OnOpenDocument(Path("letter.txt").c_str()));
    EXPECT_EQ(doc->m_nFileType, kFilePlainText);
    EXPECT_EQ(FlowText(*Body(*doc)), "Dear you,\rhello\rworld");
    EXPECT_EQ(doc->GetPathName(), CString(Path("letter.txt").c_str()));
    EXPECT_EQ(doc->m_strFileName, CString(Path("letter.txt").c_str()));
    EXPECT_TRUE(doc->m_bUndoEnabled);
    EXPECT_FALSE(doc->CanUndo()) << "the read is no undo step";
    ASSERT_NE(doc->m_rootStorage.GetStorage(), nullptr);
    EXPECT_EQ(doc->m_rootStorage.GetPath(), CString()) << "a nameless temporary";

    std::unique_ptr<CWDocument> oem = maker.New();
    WriteFile(Path("dos.asc"), "caf\x82\x1a");
    ASSERT_TRUE(oem->OnOpenDocument(Path("dos.asc").c_str()));
    EXPECT_EQ(oem->m_nFileType, kFileOemText);
    EXPECT_EQ(FlowText(*Body(*oem)), "caf\xe9\x1a");
    oem->m_rootStorage.Release();
    ReleaseDocEditing(oem.get());
}

TEST_F(Dispatch, NativeAndEmptyFilesOpen)
{
    SaveNative(Path("native.zvw"), "native text");
    ASSERT_TRUE(doc->OnOpenDocument(Path("native.zvw").c_str()));
    EXPECT_EQ(doc->m_nFileType, kFileNative);
    EXPECT_EQ(FlowText(*Body(*doc)), "native text");
    doc->m_rootStorage.Release();

    std::unique_ptr<CWDocument> empty = maker.New();
    WriteFile(Path("empty.zvw"), "");
    ASSERT_TRUE(empty->OnOpenDocument(Path("empty.zvw").c_str()));
    EXPECT_EQ(empty->m_nFileType, kFileNative) << "the extension's type";
    EXPECT_EQ(empty->GetPathName(), CString(Path("empty.zvw").c_str()));
    EXPECT_EQ(FlowText(*Body(*empty)), "");
    ReleaseDocEditing(empty.get());

    // An empty text file saves as text again.
    std::unique_ptr<CWDocument> notes = maker.New();
    WriteFile(Path("notes.txt"), "");
    ASSERT_TRUE(notes->OnOpenDocument(Path("notes.txt").c_str()));
    EXPECT_EQ(notes->m_nFileType, kFilePlainText);
    Type(*notes, "first words");
    ASSERT_TRUE(notes->DoSave(Path("notes.txt").c_str(), TRUE));
    EXPECT_EQ(FileBytes(Path("notes.txt")), "first words");
    ReleaseDocEditing(notes.get());
}

// Each failure tells the user once and leaves no document named after the
// file.
TEST_F(Dispatch, OpensThatReadNothingFail)
{
    WriteFile(Path("damaged.zvw"), "not a compound file");
    // A DOS document whose settings line the importer refuses.
    WriteFile(Path("old.xtx"), "--HDR2.0-- 18 HI;\ntext\n\x0C\nRaC5\tfixleft=1\n");
    WriteFile(Path("letter.rtf"), "{\\rtf1 hello}");
    WriteFile(Path("held.txt"), "held");
    HANDLE held = CreateFileA(Path("held.txt").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    struct Case
    {
        const char* name;
        const char* told;   // what the message says, or null for no message of ours
    } cases[] = {
        {"missing.zvw", "does not exist"},
        {"held.txt", "in use by another program"},
        {"damaged.zvw", ""},
        {"old.xtx", nullptr},
        {"letter.rtf", nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        app.told.clear();
        std::unique_ptr<CWDocument> d = maker.New();
        std::swap(d, doc);
        EXPECT_FALSE(doc->OnOpenDocument(Path(c.name).c_str()));
        ExpectUnnamed(c.name);
        if (c.told)
        {
            ASSERT_EQ(app.told.size(), 1u);
            EXPECT_NE(app.told[0].find(c.told), std::string::npos) << app.told[0];
            if (*c.told)
                EXPECT_NE(app.told[0].find(Path(c.name)), std::string::npos) << app.told[0];
        }
        ReleaseDocEditing(doc.get());
        doc->m_rootStorage.Release();
        std::swap(d, doc);
    }
    CloseHandle(held);
}

// An HTML page opens through the dispatch with its text, unmodified, with
// nothing to undo.
TEST_F(Dispatch, AnHtmlPageOpensWithItsText)
{
    WriteFile(Path("page.htm"), "<html><body><p>hello <b>world</b></p></body></html>");
    ASSERT_TRUE(doc->OnOpenDocument(Path("page.htm").c_str()));
    EXPECT_EQ(doc->m_nFileType, kFileHtml);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(DocCanUndo(doc.get()));
    GDoc* body = Body(*doc);
    EXPECT_EQ(FlowText(*body, 0, 11), "hello world");
}

TEST_F(Dispatch, AMissingDosDocumentIsNotFound)
{
    doc->SetPathName(Path("gone.xtx").c_str(), FALSE);
    EXPECT_EQ(doc->OpenXTX(), 2);
    ASSERT_EQ(app.ids.size(), 1u);
    EXPECT_EQ(app.ids[0], (UINT)IDS_DOS_FILE_NOT_FOUND);
    EXPECT_EQ(FlowText(*Body(*doc)), "");
}

TEST_F(Dispatch, EachTypeSavesThroughItsWriter)
{
    Type(*doc, "one\rtwo");
    doc->m_nFileType = kFilePlainText;
    doc->SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc->OnSaveDocument(Path("out.txt").c_str()));
    EXPECT_EQ(FileBytes(Path("out.txt")), "one\r\ntwo");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), CString(Path("out.txt").c_str()));

    doc->m_nFileType = kFileOther;
    doc->SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc->OnSaveDocument(Path("out.abc").c_str()));
    EXPECT_EQ(doc->m_nFileType, kFileNative) << "any other extension saves natively";
    EXPECT_FALSE(doc->IsModified());
    doc->m_rootStorage.Release();
    EXPECT_TRUE(IsZtWriteDocument(Path("out.abc").c_str()));
    EXPECT_EQ(FolderNames(folder).size(), 2u) << "no temporary left";
}

// The old file stays byte for byte; the document keeps its type and stays
// modified.
TEST_F(Dispatch, AFailedSaveLeavesTheOldFileAndTheDocument)
{
    Type(*doc, "new text");
    struct Case
    {
        const char* name;
        LONG type;
        bool readOnly;
    } cases[] = {
        {"page.htm", kFileHtml, true},       {"letter.rtf", kFileRtf, false},
        {"old.asc", kFileOemText, false},    {"locked.txt", kFilePlainText, true},
        {"locked.zvw", kFileNative, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::string old = std::string("old bytes of ") + c.name;
        WriteFile(Path(c.name), old);
        if (c.readOnly)
            SetFileAttributesA(Path(c.name).c_str(), FILE_ATTRIBUTE_READONLY);
        doc->m_nFileType = c.type;
        doc->SetModifiedFlag(TRUE);
        EXPECT_FALSE(doc->OnSaveDocument(Path(c.name).c_str()));
        EXPECT_EQ(FileBytes(Path(c.name)), old);
        EXPECT_EQ(doc->m_nFileType, c.type);
        EXPECT_TRUE(doc->IsModified());
        EXPECT_EQ(doc->GetPathName(), CString());
    }
    EXPECT_EQ(FolderNames(folder).size(), sizeof cases / sizeof cases[0]) << "no temporary left";
}

TEST_F(Dispatch, WithBackupsOnAReplacedNativeFileBecomesZtk)
{
    const BOOL backups = Options.MakeBackup;
    Options.MakeBackup = TRUE;
    SaveNative(Path("kept.zvw"), "the old version");
    const std::string old = FileBytes(Path("kept.zvw"));
    ASSERT_TRUE(doc->OnOpenDocument(Path("kept.zvw").c_str()));
    doc->SetPathName(Path("kept.zvw").c_str(), FALSE);
    Type(*doc, "new ");
    ASSERT_TRUE(doc->DoSave(Path("kept.zvw").c_str(), TRUE));
    EXPECT_EQ(FileBytes(Path("kept.ztk")), old);
    EXPECT_NE(FileBytes(Path("kept.zvw")), old);
    doc->m_rootStorage.Release();

    // A text file is never copied to the backup name.
    WriteFile(Path("notes.txt"), "old notes");
    std::unique_ptr<CWDocument> text = maker.New();
    Type(*text, "new notes");
    text->m_nFileType = kFilePlainText;
    ASSERT_TRUE(text->OnSaveDocument(Path("notes.txt").c_str()));
    EXPECT_FALSE(Exists(Path("notes.ztk")));
    EXPECT_EQ(FileBytes(Path("notes.txt")), "new notes");
    ReleaseDocEditing(text.get());
    Options.MakeBackup = backups;
}

TEST_F(Dispatch, TheCloseQuestionSavesTextAsTextAndCancelKeepsTheDocument)
{
    WriteFile(Path("memo.txt"), "memo");
    ASSERT_TRUE(doc->OnOpenDocument(Path("memo.txt").c_str()));
    doc->SetPathName(Path("memo.txt").c_str(), FALSE);
    Type(*doc, "more ");
    app.answers = {IDCANCEL};
    EXPECT_FALSE(doc->SaveModified());
    EXPECT_EQ(FileBytes(Path("memo.txt")), "memo");
    app.answers = {IDYES};
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_EQ(FileBytes(Path("memo.txt")), "more memo");
    EXPECT_EQ(doc->m_nFileType, kFilePlainText);
    EXPECT_FALSE(doc->IsModified());
}

} // namespace

namespace {

TEST_F(Dispatch, ANewDocumentFromATemplateKeepsNothingOfTheTemplatesFile)
{
    SaveNative(Path("letter.zvp"), "Dear ");
    ASSERT_TRUE(doc->OnOpenDocumentFromTemplate(Path("letter.zvp").c_str()));
    EXPECT_EQ(FlowText(*Body(*doc)), "Dear ");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->m_rootStorage.GetStorage(), nullptr);
    EXPECT_TRUE(IsZtWriteDocument(Path("letter.zvp").c_str())) << "the template's file is free again";
}

TEST_F(Dispatch, TemplateNamesAndDefaultNames)
{
    char saved[MAX_PATH];
    strcpy(saved, Options.TemplatePath);
    strcpy(Options.TemplatePath, (folder + "\\").c_str());
    struct Case
    {
        const char* what;
        std::string path;
        int answer;   // 0: no question expected
        BOOL result;
        std::string pathAfter;
    } cases[] = {
        {"a template in the folder", Path("memo.zvp"), 0, TRUE, Path("memo.zvp")},
        {"the extension in capitals", Path("MEMO.ZVP"), 0, TRUE, Path("MEMO.ZVP")},
        {"elsewhere, cancelled", "C:\\memo.zvp", IDCANCEL, FALSE, "C:\\memo.zvp"},
        {"elsewhere, let be", "C:\\memo.zvp", IDNO, TRUE, "C:\\memo.zvp"},
        {"elsewhere, moved", "C:\\memo.zvp", IDYES, TRUE, Path("memo.zvp")},
        {"not a template, moved", Path("memo.zvw"), IDYES, TRUE, Path("memo.zvw")},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        app.ids.clear();
        app.answers.clear();
        if (c.answer)
            app.answers.push_back(c.answer);
        doc->SetPathName(c.path.c_str(), FALSE);
        EXPECT_EQ(doc->CheckTemplateName(), c.result);
        EXPECT_EQ(app.ids.size(), c.answer ? 1u : 0u);
        if (c.answer)
            EXPECT_EQ(app.ids[0], (UINT)IDS_NOT_A_TEMPLATE);
        EXPECT_STRCASEEQ(doc->GetPathName(), c.pathAfter.c_str());
    }
    strcpy(Options.TemplatePath, saved);

    CString name = "kept.zvw";
    doc->AddExt(name, &maker.tpl);
    EXPECT_EQ(name, "kept.zvw");
    doc->SetTitle("My letter #2");
    name.Empty();
    doc->AddExt(name, nullptr);
    EXPECT_EQ(name, "My");
}

} // namespace

namespace {

// A foreign format keeps its filter at the close question: no dialog, the
// conversion is asked and its failure keeps the file and the document.
TEST_F(Dispatch, TheCloseQuestionSavesAForeignFormatThroughItsFilter)
{
    WriteFile(Path("letter.rtf"), "{\\rtf1 old}");
    Type(*doc, "new");
    doc->SetPathName(Path("letter.rtf").c_str(), FALSE);
    doc->m_nFileType = kFileRtf;
    doc->SetModifiedFlag(TRUE);
    app.answers = {IDYES};
    EXPECT_FALSE(doc->SaveModified());
    EXPECT_EQ(doc->m_nFileType, kFileRtf);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(FileBytes(Path("letter.rtf")), "{\\rtf1 old}");
    EXPECT_EQ(FolderNames(folder).size(), 1u) << "no temporary left";
}

} // namespace
