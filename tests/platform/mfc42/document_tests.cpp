// Documents without windows: the open and save roads through CArchive,
// path and title, DoSave; template strings; the recent-file list; the
// command-line parser; profile settings in the registry.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include <string>

namespace {

class ValueDoc : public CDocument
{
    DECLARE_DYNCREATE(ValueDoc)
public:
    LONG value = 0;
    CString text;
    int deleteContentsCalls = 0;
    void DeleteContents() override
    {
        deleteContentsCalls++;
        value = 0;
        text.Empty();
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << value << text;
        else
            ar >> value >> text;
    }
};

IMPLEMENT_DYNCREATE(ValueDoc, CDocument)

CString TempPath(const char* name)
{
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return CString(dir) + name;
}

TEST(Document, SaveAndOpenRoundTripThroughSerialize)
{
    CString path = TempPath("zt_layer_doc_roundtrip.tst");
    ValueDoc saved;
    saved.m_bAutoDelete = FALSE;
    saved.value = 0x12345678;
    saved.text = "hello";
    saved.SetModifiedFlag();
    ASSERT_TRUE(saved.OnSaveDocument(path));
    EXPECT_FALSE(saved.IsModified());

    ValueDoc loaded;
    loaded.m_bAutoDelete = FALSE;
    loaded.value = 99;
    ASSERT_TRUE(loaded.OnOpenDocument(path));
    EXPECT_EQ(loaded.value, 0x12345678);
    EXPECT_STREQ(loaded.text, "hello");
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.deleteContentsCalls, 1);   // emptied before reading
    ::DeleteFileA(path);
}

TEST(Document, NewDocumentEmptiesAndClearsPathAndModifiedFlag)
{
    ValueDoc doc;
    doc.m_bAutoDelete = FALSE;
    doc.value = 5;
    doc.m_strPathName = "C:\\somewhere.tst";
    doc.SetModifiedFlag(TRUE);
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.value, 0);
    EXPECT_TRUE(doc.GetPathName().IsEmpty());
    EXPECT_FALSE(doc.IsModified());
}

TEST(Document, DoSaveWithAPathSavesAndTakesTheNameAsTitle)
{
    CString path = TempPath("zt_layer_doc_dosave.tst");
    ValueDoc doc;
    doc.m_bAutoDelete = FALSE;
    doc.SetTitle("Untitled1");
    doc.value = 7;
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_STREQ(doc.GetTitle(), "zt_layer_doc_dosave.tst");
    EXPECT_EQ(doc.GetPathName().CompareNoCase(path), 0);
    // DoFileSave writes again to the same, writable path without asking.
    doc.value = 8;
    doc.SetModifiedFlag();
    EXPECT_TRUE(doc.DoFileSave());
    ValueDoc check;
    check.m_bAutoDelete = FALSE;
    ASSERT_TRUE(check.OnOpenDocument(path));
    EXPECT_EQ(check.value, 8);
    ::DeleteFileA(path);
}

TEST(Document, CloseDeletesAnAutoDeleteDocumentAndLeavesTheTemplate)
{
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(0, RUNTIME_CLASS(ValueDoc), nullptr, nullptr);
    CDocument* doc = pTemplate->CreateNewDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetDocTemplate(), pTemplate);
    POSITION pos = pTemplate->GetFirstDocPosition();
    EXPECT_EQ(pTemplate->GetNextDoc(pos), doc);
    doc->OnCloseDocument();   // no views: deletes itself
    EXPECT_EQ(pTemplate->GetFirstDocPosition(), nullptr);
    delete pTemplate;
}

// A document that is not deleted on close (a hidden clipboard document)
// stays in the list; closing all must still end, closing each once.
TEST(DocTemplate, CloseAllDocumentsEndsWhenADocumentOutlivesItsClose)
{
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(0, RUNTIME_CLASS(ValueDoc), nullptr, nullptr);
    ValueDoc* kept = (ValueDoc*)pTemplate->CreateNewDocument();
    ASSERT_NE(kept, nullptr);
    kept->m_bAutoDelete = FALSE;
    CDocument* other = pTemplate->CreateNewDocument();
    ASSERT_NE(other, nullptr);
    pTemplate->CloseAllDocuments(FALSE);
    EXPECT_EQ(kept->deleteContentsCalls, 1);   // closed once
    POSITION pos = pTemplate->GetFirstDocPosition();
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(pTemplate->GetNextDoc(pos), kept);
    EXPECT_EQ(pos, nullptr);   // the other one deleted itself
    pTemplate->RemoveDocument(kept);
    delete kept;
    delete pTemplate;
}

TEST(DocTemplate, DocStringsAreTheNewlineSeparatedParts)
{
    CMultiDocTemplate tmpl(0, RUNTIME_CLASS(ValueDoc), nullptr, nullptr);
    tmpl.m_strDocStrings = "Title\nDoc\nNewName\nFiles (*.tst)\n.tst\nReg.Id\nReg Name";
    struct { CDocTemplate::DocStringIndex index; const char* expected; } cases[] = {
        { CDocTemplate::windowTitle, "Title" },     { CDocTemplate::docName, "Doc" },
        { CDocTemplate::fileNewName, "NewName" },   { CDocTemplate::filterName, "Files (*.tst)" },
        { CDocTemplate::filterExt, ".tst" },        { CDocTemplate::regFileTypeId, "Reg.Id" },
        { CDocTemplate::regFileTypeName, "Reg Name" },
    };
    for (const auto& c : cases)
    {
        CString part;
        EXPECT_TRUE(tmpl.GetDocString(part, c.index));
        EXPECT_STREQ(part, c.expected);
    }
    ValueDoc doc;
    doc.m_bAutoDelete = FALSE;
    tmpl.m_nUntitledCount = 2;
    tmpl.SetDefaultTitle(&doc);
    EXPECT_STREQ(doc.GetTitle(), "Doc3");
    CDocument* match = nullptr;
    EXPECT_EQ(tmpl.MatchDocType("C:\\a\\b.TST", match), CDocTemplate::yesAttemptNative);
    EXPECT_EQ(tmpl.MatchDocType("C:\\a\\b.txt", match), CDocTemplate::yesAttemptForeign);
}

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostItsSize)
{
    CRecentFileList list(0, "Recent File List", "File%d", 4);
    const char* added[] = { "C:\\a", "C:\\b", "C:\\c", "C:\\B", "C:\\d", "C:\\e" };
    for (const char* path : added)
        list.Add(path);
    EXPECT_EQ(list.GetCount(), 4);
    const char* expected[] = { "C:\\e", "C:\\d", "C:\\B", "C:\\c" };
    for (int i = 0; i < 4; i++)
        EXPECT_STREQ(list[i], expected[i]) << i;
    list.Remove(1);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_STREQ(list[1], "C:\\B");
}

TEST(CommandLine, ParamsSetTheShellCommandFileAndFlags)
{
    struct Case
    {
        std::vector<std::pair<const char*, bool>> params;
        int command;
        const char* file;
        bool embedded, splash;
    } cases[] = {
        { {}, CCommandLineInfo::FileNew, "", false, true },
        { { { "doc.zvw", false } }, CCommandLineInfo::FileOpen, "doc.zvw", false, true },
        { { { "p", true }, { "doc.zvw", false } }, CCommandLineInfo::FilePrint, "doc.zvw", false, true },
        { { { "Embedding", true } }, CCommandLineInfo::FileNew, "", true, false },
        { { { "dde", true } }, CCommandLineInfo::FileDDE, "", false, true },
        { { { "Unregserver", true } }, CCommandLineInfo::AppUnregister, "", false, true },
    };
    for (const Case& c : cases)
    {
        CCommandLineInfo info;
        for (size_t i = 0; i < c.params.size(); i++)
            info.ParseParam(c.params[i].first, c.params[i].second, i + 1 == c.params.size());
        EXPECT_EQ((int)info.m_nShellCommand, c.command);
        EXPECT_STREQ(info.m_strFileName, c.file);
        EXPECT_EQ(info.m_bRunEmbedded != FALSE, c.embedded);
        if (!c.params.empty())
        {
            EXPECT_EQ(info.m_bShowSplash != FALSE, c.splash);
        }
    }
}

// An application object of its own for the duration of one test.
class ScopedApp : public CWinApp
{
public:
    ScopedApp() : CWinApp("ZtLayerProfileTest") {}
};

// An application that counts the message boxes it is asked to show.
class CountingApp : public CWinApp
{
public:
    CountingApp() : CWinApp("ZtLayerMessageTest") {}
    int boxes = 0;
    int DoMessageBox(LPCSTR, UINT, UINT) override
    {
        ++boxes;
        return IDOK;
    }
};

// A reader that gives up after telling the user why (a user exception).
class RefusingDoc : public ValueDoc
{
public:
    void Serialize(CArchive& ar) override
    {
        if (!ar.IsStoring())
            AfxThrowUserException();
        ValueDoc::Serialize(ar);
    }
};

TEST(Document, AReaderThatHasToldTheUserIsNotReportedAgain)
{
    CString path = TempPath("zt_layer_doc_refused.tst");
    ValueDoc saved;
    saved.m_bAutoDelete = FALSE;
    ASSERT_TRUE(saved.OnSaveDocument(path));
    CountingApp app;
    RefusingDoc refusing;
    refusing.m_bAutoDelete = FALSE;
    EXPECT_FALSE(refusing.OnOpenDocument(path));
    EXPECT_EQ(app.boxes, 0);
    // Any other failure is reported once.
    ::DeleteFileA(path);
    EXPECT_FALSE(refusing.OnOpenDocument(path));
    EXPECT_EQ(app.boxes, 1);
}

TEST(Application, ParseCommandLineSplitsQuotedArgumentsAndFlags)
{
    ScopedApp app;
    char line[] = "/p \"C:\\My Files\\a b.zvw\"";
    app.m_lpCmdLine = line;
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrint);
    EXPECT_STREQ(info.m_strFileName, "C:\\My Files\\a b.zvw");
}

TEST(Application, ProfileValuesLiveInTheRegistryAndNullDeletes)
{
    ScopedApp app;
    app.SetRegistryKey("ZentavoLayerUnitTest");
    EXPECT_TRUE(app.WriteProfileInt("Section", "Number", -5));
    EXPECT_TRUE(app.WriteProfileString("Section", "Text", "value"));
    EXPECT_EQ((int)app.GetProfileInt("Section", "Number", 0), -5);
    EXPECT_STREQ(app.GetProfileString("Section", "Text"), "value");
    EXPECT_STREQ(app.GetProfileString("Section", "Absent", "dflt"), "dflt");

    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\ZentavoLayerUnitTest\\ZtLayerProfileTest\\Section",
                              0, KEY_READ, &key), ERROR_SUCCESS);
    char text[32] = "";
    DWORD size = sizeof(text), type = 0;
    EXPECT_EQ(::RegQueryValueExA(key, "Text", nullptr, &type, (LPBYTE)text, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, (DWORD)REG_SZ);
    EXPECT_STREQ(text, "value");
    ::RegCloseKey(key);

    EXPECT_TRUE(app.WriteProfileString("Section", "Text", nullptr));
    EXPECT_STREQ(app.GetProfileString("Section", "Text", "gone"), "gone");
    EXPECT_TRUE(app.WriteProfileString("Section", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt("Section", "Number", 17), 17u);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZentavoLayerUnitTest\\ZtLayerProfileTest");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZentavoLayerUnitTest");
}

TEST(Application, RecentFilesPersistThroughTheProfile)
{
    ScopedApp app;
    app.SetRegistryKey("ZentavoLayerUnitTest");
    app.LoadStdProfileSettings(4);
    ASSERT_NE(app.m_pRecentFileList, nullptr);
    EXPECT_EQ(app.m_pRecentFileList->GetSize(), 4);
    app.AddToRecentFileList("C:\\one.zvw");
    app.AddToRecentFileList("C:\\two.zvw");
    app.SaveStdProfileSettings();
    EXPECT_STREQ(app.GetProfileString("Recent File List", "File1"), "C:\\two.zvw");
    EXPECT_STREQ(app.GetProfileString("Recent File List", "File2"), "C:\\one.zvw");

    app.LoadStdProfileSettings(4);   // read back into a fresh list
    EXPECT_EQ(app.m_pRecentFileList->GetCount(), 2);
    EXPECT_STREQ((*app.m_pRecentFileList)[0], "C:\\two.zvw");
    app.WriteProfileString("Recent File List", nullptr, nullptr);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZentavoLayerUnitTest\\ZtLayerProfileTest");
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZentavoLayerUnitTest");
}

}  // namespace
