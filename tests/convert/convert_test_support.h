// The conversion tests' helpers: intermediate files written from bytes and
// read back as bytes, records spelled out, documents exported and imported
// through the intermediate file, and the native reader's structure check.
#pragma once
#include "tests/support/zt_gtest.h"
#include "convert/TConvertorFrom.h"
#include "convert/TConvertorTo.h"
#include "convert/TIntermediateFile.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "tests/support/flow_inspection.h"
#include <memory>
#include <string>
#include <vector>

namespace convert_test {

inline std::string TempPath(const char* tag)
{
    static int counter = 0;
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    CString path;
    path.Format("%szt_icf_%s_%lu_%d.tmp", folder, tag, GetCurrentProcessId(), ++counter);
    return (LPCSTR)path;
}

// Through Win32, so that the paths are the program's own.
inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_TRUE(h != INVALID_HANDLE_VALUE) << path;
    DWORD done = 0;
    if (!bytes.empty())
        WriteFile(h, bytes.data(), (DWORD)bytes.size(), &done, NULL);
    CloseHandle(h);
}

inline std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &n, NULL) && n > 0)
        bytes.append(buffer, n);
    CloseHandle(h);
    return bytes;
}

inline bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A record: ESC GS, the name, each argument followed by US, RS.
inline std::string Rec(const std::string& name, const std::vector<std::string>& args = {})
{
    std::string s = "\x1B\x1D" + name;
    for (const std::string& a : args)
        s += a + "\x1F";
    return s + "\x1E";
}

// The 14 bytes of a character record of code page 819.
inline std::string CharRec(unsigned char c, const char* codePage = "819")
{
    char hex[3];
    sprintf(hex, "%02X", c);
    return Rec("XCS", {codePage, hex}) + "_";
}

struct Item
{
    int kind;
    std::string bytes;
    unsigned char charSet;
    bool operator==(const Item& o) const { return kind == o.kind && bytes == o.bytes && charSet == o.charSet; }
};

inline std::ostream& operator<<(std::ostream& os, const Item& item)
{
    std::string shown;
    for (unsigned char c : item.bytes)
    {
        char buf[8];
        if (c < ' ' || c >= 0x7F)
            sprintf(buf, "<%02X>", c);
        else
            sprintf(buf, "%c", c);
        shown += buf;
    }
    return os << "{" << item.kind << " " << shown << " cs" << (int)item.charSet << "}";
}

// Every item GetNext hands out for the file's bytes.
inline std::vector<Item> ReadItems(const std::string& bytes)
{
    const std::string path = TempPath("items");
    WriteBytes(path, bytes);
    std::vector<Item> items;
    TIntermediateFile file(path.c_str(), TIntermediateFile::kRead);
    TBuffICF item;
    int kind;
    while ((kind = file.GetNext(item)) != TIntermediateFile::kEnd)
        items.push_back({kind, std::string(item.Get(), item.Len()), file.GetCharSet()});
    return items;
}

// What a write through the file's Put functions leaves on disk.
template <class F>
std::string Written(F write)
{
    const std::string path = TempPath("put");
    {
        TIntermediateFile file(path.c_str(), TIntermediateFile::kWrite);
        write(file);
    }
    const std::string bytes = ReadBytes(path);
    DeleteFileA(path.c_str());
    return bytes;
}

// A document with its seven flows and page frames.
inline std::unique_ptr<CWDocument> NewDocument()
{
    std::unique_ptr<CWDocument> doc(new CWDocument);
    doc->CreateFrames();
    return doc;
}

inline std::string Export(CWDocument& doc, bool* written = nullptr)
{
    const std::string path = TempPath("export");
    bool ok;
    {
        TConvertorFrom exporter(nullptr, path.c_str(), &doc);
        ok = exporter.Go();
    }
    if (written)
        *written = ok;
    const std::string bytes = ReadBytes(path);
    DeleteFileA(path.c_str());
    return bytes;
}

inline bool Import(CWDocument& doc, const std::string& bytes)
{
    const std::string path = TempPath("import");
    WriteBytes(path, bytes);
    TConvertorTo importer(nullptr, &doc, path.c_str());
    return importer.Go();
}

// The flow, stored as the native file stores it and read back: the reader
// checks the structure of every array and throws when it is damaged.
inline bool PassesStructureCheck(GDoc& flow)
{
    try
    {
        const Bytes written = FlowBodyBytes(flow);
        GDoc read(NULL, kFirstContentFlow);
        LoadFromBytes(written, [&](CArchive& ar) { read.OpenZVW(ar); });
        return FlowText(read) == FlowText(flow);
    }
    catch (...)
    {
        return false;
    }
}

} // namespace convert_test
