// The DOS-document tests' fixture: a folder of their own (the current
// folder while a test runs), every message the gate and importer show, a
// prompt that answers what the test says, and documents opened through the
// open path.
#pragma once
#include "tests/convert/convert_test_support.h"
#include "tests/convert/dos_document_generator.h"
#include "convert/conversion_services.h"
#include "convert/dos_password.h"
#include "editing/document_editing.h"
#include "resources/resource.h"
#include "view/CWView.h"
#include <memory>
#include <string>
#include <vector>

namespace dos_test {

class TellingApp : public CWinApp
{
public:
    TellingApp() : CWinApp("ZtDosTest") {}
    std::vector<std::string> told;
    int DoMessageBox(LPCSTR text, UINT, UINT) override
    {
        told.push_back(text ? text : "");
        return IDOK;
    }
};

inline std::string Text(UINT id)
{
    CString s;
    s.LoadString(id);
    return (LPCSTR)s;
}

// What the prompt answers: confirmed with an entry, or cancelled.
struct PromptAnswer
{
    bool confirm = true;
    std::string entry;
    int asked = 0;
    std::string caption, prompt;
    int size = 0;
};
inline PromptAnswer& Answer()
{
    static PromptAnswer answer;
    return answer;
}
inline int AnsweringPrompt(const char* caption, const char* prompt, char* buffer, int size)
{
    PromptAnswer& a = Answer();
    ++a.asked;
    a.caption = caption ? caption : "";
    a.prompt = prompt ? prompt : "";
    a.size = size;
    if (!a.confirm)
        return 0;
    CopyEntryToBuffer(a.entry.c_str(), buffer, size);
    return 1;
}

class DosFixture : public testing::Test
{
protected:
    TellingApp app;
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    std::unique_ptr<CWDocument> doc{(CWDocument*)tpl.CreateNewDocument()};
    std::string folder;
    char before[MAX_PATH] = {0};
    PasswordPromptFn previousPrompt = nullptr;

    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "ztdos" + std::to_string(GetCurrentProcessId()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder.c_str(), NULL);
        GetCurrentDirectoryA(MAX_PATH, before);
        SetCurrentDirectoryA(folder.c_str());
        Answer() = PromptAnswer();
        previousPrompt = SetPasswordPrompt(AnsweringPrompt);
        DeleteFileA(DosTemporaryCopyPath());
    }
    void TearDown() override
    {
        EXPECT_FALSE(convert_test::FileExists((LPCSTR)DosTemporaryCopyPath())) << "the unprotected copy stayed";
        SetPasswordPrompt(previousPrompt);
        SetCurrentDirectoryA(before);
        ReleaseDocEditing(doc.get());
        doc->m_rootStorage.Release();
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE)
        {
            do
                DeleteFileA(Path(found.cFileName).c_str());
            while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string Path(const std::string& name) const { return folder + "\\" + name; }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        convert_test::WriteBytes(Path(name), bytes);
        return Path(name);
    }
    // Opens bytes as a DOS document through the open path.
    BOOL Open(const std::string& bytes, const std::string& name = "doc.xtx")
    {
        return doc->OnOpenDocument(Write(name, bytes).c_str());
    }
    BOOL Open(const DosDocument& d) { return Open(d.Bytes()); }
    GDoc& Flow(long i) { return *doc->GetFlow(i); }
    GDoc& Body() { return Flow(kBodyFlow); }
    std::string Told() const
    {
        std::string all;
        for (const std::string& t : app.told)
            all += (all.empty() ? "" : " / ") + t;
        return all;
    }
};

} // namespace dos_test
