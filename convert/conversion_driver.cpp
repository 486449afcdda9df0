#include "convert/conversion_driver.h"
#include "convert/conversion_services.h"
#include "convert/TConvertorFrom.h"
#include "convert/TConvertorTo.h"
#include "convert/TIntermediateFile.h"
#include "app/CWCustomFrameData.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <cstdio>
#include <cstring>
#include <string>

const TSupConvertor SupConvertors[kSupConvertorCount] = {
    {33, {"W033F32W.DLL", "0", "0"}, {"W033T32W.DLL", "0", "0"}},
    {33, {"W033F32W.DLL", "1", "0"}, {"W033T32W.DLL", "1", "0"}},
    {210, {"W005F32W.DLL", "0", "0"}, {"W005T32W.DLL", "0", "0"}},
    {211, {"W005F32W.DLL", "1", "0"}, {"W005T32W.DLL", "1", "0"}},
    {212, {"W005F32W.DLL", "2", "0"}, {"W005T32W.DLL", "2", "0"}},
    {44, {"W044F32W.DLL", "1", "0"}, {"W044T32W.DLL", "1", "0"}},
    {49, {"W049F32W.DLL", "0", "0"}, {"W049T32W.DLL", "0", "0"}},
    {349, {"W349F32W.DLL", "0", "0"}, {"W049T32W.DLL", "0", "0"}},
    {19, {"W019F32W.DLL", "1", "0"}, {"W019T32W.DLL", "1", "0"}},
    {6, {"W006F32W.DLL", "1", "0"}, {"W006T32W.DLL", "1", "0"}},
    {7, {"W007F32W.DLL", "1", "0"}, {"W007T32W.DLL", "1", "0"}},
    {48, {"W048F32W.DLL", "1", "0"}, {"W048T32W.DLL", "1", "0"}},
    {43, {"W043F32W.DLL", "0", "0"}, {"W043T32W.DLL", "0", "0"}},
    {108, {"W108F32W.DLL", "0", "0"}, {"W108T32W.DLL", "2", "0"}},
};

namespace
{
const char kRecogniserLibrary[] = "auto32w.dll";
const char kRecogniserEntry[] = "autorec";
const int kRecogniserQuestion = 44;
const int kRecogniserFailed = -1;
const int kMultiFormatCode = 5;
const int kWordForWindows95 = 49;
const int kRichText = 19;
const int kProgressSteps = 100;
const char kIntermediatePrefix[] = "ZTCV";
const char kSaveTempPrefix[] = "ZTSV";
const int kOpenFailed = 2;
const int kSaveFailed = 1;
const int kLargestCode = 999;
const int kLargestSubtype = 99;

typedef int(WINAPI* RecogniserEntry)(const char*, int, int*);

// Starts the status-bar progress and ends it on every way out.
class ProgressShown
{
public:
    ProgressShown(CWCustomFrameData* frame, int caption) : m_pFrame(frame)
    {
        if (m_pFrame)
            m_pFrame->InitStatusBarPercent(caption, kProgressSteps);
    }
    ~ProgressShown()
    {
        if (m_pFrame)
            m_pFrame->DoneStatusBarPercent();
    }

private:
    CWCustomFrameData* m_pFrame;
};

// Suspends re-breaking for a scope.
class ReflowPaused
{
public:
    explicit ReflowPaused(CWDocument* doc) : m_pDoc(doc) { m_pDoc->ReRows(0); }
    ~ReflowPaused() { m_pDoc->ReRows(1); }

private:
    CWDocument* m_pDoc;
};

// A file removed on every way out of a scope.
class RemovedAfter
{
public:
    explicit RemovedAfter(const std::string& path) : m_path(path) {}
    ~RemovedAfter()
    {
        if (!m_path.empty())
            DeleteFileA(m_path.c_str());
    }

private:
    std::string m_path;
};

std::string FolderOf(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

std::string ExtensionOf(const std::string& path)
{
    const size_t dot = path.find_last_of('.');
    const size_t cut = path.find_last_of("\\/");
    return dot == std::string::npos || (cut != std::string::npos && dot < cut) ? std::string() : path.substr(dot);
}

// A new intermediate file of its own in the temporary folder; empty when
// none could be made.
std::string NewIntermediateFile()
{
    char folder[MAX_PATH];
    char name[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || !GetTempFileNameA(folder, kIntermediatePrefix, 0, name))
        return std::string();
    return name;
}

// A new empty file beside target with target's extension, so that a
// filter that goes by the extension writes the same; empty when none.
std::string NewSiblingOf(const std::string& target)
{
    char name[MAX_PATH];
    if (!GetTempFileNameA(FolderOf(target).c_str(), kSaveTempPrefix, 0, name))
        return std::string();
    const std::string made = name;
    const std::string sibling = made.substr(0, made.size() - ExtensionOf(made).size()) + ExtensionOf(target);
    if (sibling == made)
        return made;
    HANDLE h = CreateFileA(sibling.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    DeleteFileA(made.c_str());
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    CloseHandle(h);
    return sibling;
}

int64_t SizeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return ((int64_t)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

void TellCannotWrite(const std::string& path)
{
    MsgBox(IDS_CONV_ERROR_WRITING, GetResourceString(IDS_CONV_ERROR_WRITING) + path.c_str(), MB_OK);
}

void CopyField(char* field, size_t size, const char* text)
{
    memset(field, 0, size);
    strncpy(field, text, size - 1);
}

// The file a save replaces. The save dispatch has the document write a
// new empty temporary beside it; the document's file name names the file.
std::string TargetOf(CWDocument* doc, const std::string& path)
{
    const std::string named = (LPCSTR)doc->m_strFileName;
    if (named.empty() || named == path || FolderOf(named) != FolderOf(path) || SizeOf(path) != 0)
        return path;
    return named;
}

int Import(CWDocument* doc, CWCustomFrameData* frame, CWView* view, const TInfConv& filter, const std::string& path,
           const std::string& intermediate)
{
    {
        ProgressShown progress(frame, IDS_PROGRESS_OPENING);
        if (!RunFilter(filter, path.c_str(), intermediate.c_str(), path.c_str(), intermediate.c_str()))
            return kOpenFailed;
    }
    int read = 0;
    {
        ReflowPaused paused(doc);
        read = CallConvZtTo(view, intermediate.c_str(), doc);
    }
    if (!read)
    {
        MsgBox(IDS_CONV_BAD_FORMAT);
        return kOpenFailed;
    }
    for (long i = 0; i < doc->m_flows.count; ++i)
    {
        GDoc* flow = doc->GetFlow(i);
        if (flow && flow->m_rows.count > 0)
            flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
    }
    return 0;
}

int Export(CWDocument* doc, CWCustomFrameData* frame, CWView* view, const TInfConv& filter, const std::string& path,
           const std::string& target, const std::string& intermediate)
{
    if (!CallConvZtFrom(view, intermediate.c_str(), doc))
    {
        TellCannotWrite(intermediate);
        return kSaveFailed;
    }
    // The old file stays whole until the filter has written the new one.
    const std::string written = NewSiblingOf(target);
    if (written.empty())
    {
        TellCannotWrite(target);
        return kSaveFailed;
    }
    RemovedAfter leftover(written);
    {
        ProgressShown progress(frame, IDS_PROGRESS_SAVING);
        if (!RunFilter(filter, intermediate.c_str(), written.c_str(), intermediate.c_str(), target.c_str()))
            return kSaveFailed;
    }
    if (SizeOf(written) <= 0 || !MoveFileExA(written.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
    {
        TellCannotWrite(target);
        return kSaveFailed;
    }
    return 0;
}
} // namespace

int Autorec(const char* path, int* subtype)
{
    HMODULE module = LoadConversionLibrary(kRecogniserLibrary);
    if (!module)
    {
        MsgBox(IDS_CONV_NO_RECOGNISER);
        return kRecogniserFailed;
    }
    RecogniserEntry entry = (RecogniserEntry)GetProcAddress(module, kRecogniserEntry);
    if (!entry)
    {
        FreeLibrary(module);
        MsgBox(IDS_CONV_NO_RECOGNISER_ENTRY);
        return kRecogniserFailed;
    }
    const int code = entry(path, kRecogniserQuestion, subtype);
    FreeLibrary(module);
    return code;
}

int Supported(const char* path)
{
    int subtype = -1;
    const int code = Autorec(path, &subtype);
    if (code != kMultiFormatCode)
        return code;
    switch (subtype)
    {
    case 0:
        return 210;
    case 1:
        return 211;
    case 2:
    case 3:
        return 212;
    }
    return code;
}

int GetHardConvertor(unsigned char direction, int code, TInfConv& filter, const char* path)
{
    if (direction == 'T')
        for (const TSupConvertor& row : SupConvertors)
            if (row.code == code)
            {
                filter = row.exportTo;
                return 1;
            }
    int subtype = 0;
    int found = Autorec(path, &subtype);
    if (code == kWordForWindows95 && found <= 1)
        found = kRichText;
    // Nothing recognised names no filter; a subtype must fit its field.
    if (found <= 0 || found > kLargestCode || subtype < 0 || subtype > kLargestSubtype)
        return 0;
    char text[32];
    snprintf(text, sizeof(text), "W%03d%c32W.DLL", found, direction);
    CopyField(filter.libraryName, sizeof(filter.libraryName), text);
    snprintf(text, sizeof(text), "%d", subtype);
    CopyField(filter.subtype, sizeof(filter.subtype), text);
    CopyField(filter.option, sizeof(filter.option), "0");
    return 1;
}

int CallConvZtFrom(CWView* view, const char* intermediate, CWDocument* doc)
{
    TConvertorFrom* writer = new TConvertorFrom(view, intermediate, doc);
    bool whole = false;
    try
    {
        whole = writer->Go();
    }
    catch (...)
    {
        delete writer;
        throw;
    }
    delete writer;
    return whole && SizeOf(intermediate) > 0 ? 1 : 0;
}

int CallConvZtTo(CWView* view, const char* intermediate, CWDocument* doc)
{
    if (SizeOf(intermediate) <= 0)
        return 0;
    TConvertorTo* reader = new TConvertorTo(view, doc, intermediate);
    bool read = false;
    try
    {
        read = reader->Go();
    }
    catch (...)
    {
        delete reader;
        throw;
    }
    delete reader;
    return read ? 1 : 0;
}

int MainConversion(unsigned char direction, CWDocument* doc)
{
    CWCustomFrameData* frame = GetCustomFrameData();
    MainFrame = frame;
    CWView* view = frame ? frame->GetCurrentView() : NULL;
    const std::string path = (LPCSTR)doc->GetPathName();
    const int code = (int)doc->m_nFileType;
    const int failed = direction == 'F' ? kOpenFailed : kSaveFailed;
    const std::string intermediate = NewIntermediateFile();
    if (intermediate.empty())
    {
        char folder[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, folder);
        TellCannotWrite(folder);
        return failed;
    }
    RemovedAfter removed(intermediate);
    CChangeBracket bracket(doc);
    CWaitCursor wait;
    const std::string target = direction == 'F' ? path : TargetOf(doc, path);
    TInfConv filter;
    if (!GetHardConvertor(direction, code, filter, target.c_str()))
    {
        MsgBox(IDS_CONV_BAD_FORMAT);
        return failed;
    }
    if (direction == 'F')
        return Import(doc, frame, view, filter, path, intermediate);
    return Export(doc, frame, view, filter, path, target, intermediate);
}
