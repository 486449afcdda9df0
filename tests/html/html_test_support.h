// The HTML reader's tests: a reader that records every event and error,
// and the HTML written to a file for it to read.
#pragma once
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "html/CHtmlParser.h"
#include <functional>
#include <string>
#include <vector>

namespace html_test {

// A file of the temporary folder with the given bytes, removed with the
// object.
class CTempFile
{
public:
    explicit CTempFile(const std::string& bytes, const char* extension = ".htm")
    {
        static int counter = 0;
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        m_Path.Format("%szt_html_%lu_%d%s", folder, GetCurrentProcessId(), ++counter, extension);
        CFile file(m_Path, CFile::modeCreate | CFile::modeWrite);
        if (!bytes.empty())
            file.Write(bytes.data(), (UINT)bytes.size());
        file.Close();
    }
    ~CTempFile() { DeleteFileA(m_Path); }
    const CString& Path() const { return m_Path; }

private:
    CString m_Path;
};

// Records each event as "NAME:text" and each error code; answers every
// error with the action set in answer (continue unless told otherwise).
class CRecordingReader : public CHtmlParser
{
public:
    explicit CRecordingReader(const char* path) : CHtmlParser(path), answer(m_nContinue) {}

    void OnTag(const TAGTABLE& tag, CString text, PROP* attributes, STYLEPROP& style) override
    {
        CHtmlParser::OnTag(tag, text, attributes, style);
        events.push_back(std::string(tag.name) + ":" + std::string((LPCSTR)text, text.GetLength()));
        if (onTag)
            onTag(tag, attributes, style);
    }
    DWORD OnError(HtmlErrCode code, long) override
    {
        errors.push_back(code);
        return answer;
    }
    void AnswerAbort() { answer = m_nAbort; }
    int FontSize() const { return m_nFontSize; }

    std::vector<std::string> events;
    std::vector<int> errors;
    DWORD answer;
    // Called after each event is recorded, with its record and the style.
    std::function<void(const TAGTABLE&, PROP*, const STYLEPROP&)> onTag;
};

// An application that keeps the texts of the message boxes it is asked
// for instead of showing them.
class CBoxKeepingApp : public CWinApp
{
public:
    CBoxKeepingApp() : CWinApp("ZtHtmlTest") {}
    int DoMessageBox(LPCSTR text, UINT, UINT) override
    {
        boxes.push_back(text);
        return IDOK;
    }
    std::vector<std::string> boxes;
};

// Reads html with a recording reader; the reader is handed back for a look.
struct CReading
{
    explicit CReading(const std::string& html) : file(html), reader(file.Path()) { read = reader.Go(); }
    CTempFile file;
    CRecordingReader reader;
    BOOL read;
    const std::vector<std::string>& Events() const { return reader.events; }
    const std::vector<int>& Errors() const { return reader.errors; }
};

inline std::vector<std::string> EventsOf(const std::string& html)
{
    CReading reading(html);
    return reading.Events();
}

} // namespace html_test
