// What the native file's tests share: a template's documents, an
// application that answers the reader's questions, the document they save
// and read, and the compound file's streams.
#pragma once
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GFootNote.h"
#include "afxolestg.h"
#include "tests/support/archive_bytes.h"
#include "view/CWView.h"
#include <deque>
#include <memory>
#include <string>
#include <vector>

// Answers the reader's questions from a queue and keeps their ids.
class AnsweringApp : public CWinApp
{
public:
    AnsweringApp() : CWinApp("ZtNativeFileTest") {}
    std::vector<UINT> asked;
    std::deque<int> answers;
    int DoMessageBox(LPCSTR, UINT, UINT id) override
    {
        asked.push_back(id);
        if (answers.empty())
            return IDNO;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct NativeTemplate
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    std::unique_ptr<CWDocument> New() { return std::unique_ptr<CWDocument>((CWDocument*)tpl.CreateNewDocument()); }
};

inline void TypeAt(GDoc* flow, long pos, const char* text)
{
    std::string buffer(text);
    flow->InsertText(pos, &buffer[0], 1);
}

// Body text, styles, a header and a footer, a footnote with its note flow
// and frame, a text frame.
inline void FillNativeTestDocument(CWDocument& doc)
{
    GDoc* body = doc.m_flows[kBodyFlow];
    TypeAt(body, 0, "Dear reader,\rThe second paragraph.");
    GFormat styled;
    styled.pos = 5;
    styled.style = Mint(1, 0);
    body->m_formats.AddAt(styled, 1);
    TypeAt(doc.m_flows[2], 0, "Header text");
    TypeAt(doc.m_flows[5], 0, "Footer text");
    GFootNote* mark = new GFootNote(body, 4, 0);
    body->InsertField(mark);
    ASSERT_NE(mark->m_pNote, nullptr);
    TypeAt(mark->m_pNote, mark->m_pNote->m_chars.GetCount() - 3, " the note");
    GDoc* text = new GDoc(&doc, doc.m_flows.GetCount());
    doc.m_flows.Add(text);
    CFrame* frame = new CFrame(&doc, body, text, 100, 100, 600, 400, 0, 0, 0, 0, 0, 0, 20, 20, 1);
    body->m_frames.Add(frame);
    text->m_pFirstFrame = frame;
    TypeAt(text, 0, "In the frame");
}

// A file in the temporary folder, named for this process.
inline std::string NativeTempFile(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    return std::string(dir) + "zt_native_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

inline Bytes StreamBytes(LPSTORAGE storage, const char* name, bool* found = NULL)
{
    COleStreamFile stream;
    const bool opened = stream.OpenStream(storage, name, CFile::modeRead | CFile::shareExclusive);
    if (found)
        *found = opened;
    if (!opened)
        return Bytes();
    Bytes b(stream.GetLength());
    if (!b.empty())
        b.resize(stream.Read(b.data(), (UINT)b.size()));
    return b;
}
