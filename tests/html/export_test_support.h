// The HTML exporter's tests: a document built in a fresh folder, saved
// as HTML there, and the page read back as bytes.
#pragma once
#include "tests/html/html_test_support.h"
#include "html/CWHtmlExport.h"
#include "html/CHtmlDefaultStyles.h"
#include "html/html_services.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "model/GDoc.h"
#include "model/GImage.h"
#include "model/GListStyle.h"
#include "view/CWView.h"
#include "Image.h"
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace html_test {

// A packed 24-bit DIB of width x height grey pixels in global memory, as
// pictures hold it.
inline Image* GreyPicture(int width, int height)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + rowBytes * height);
    BITMAPINFOHEADER* header = (BITMAPINFOHEADER*)GlobalLock(block);
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = 24;
    memset(header + 1, 0x80, rowBytes * height);
    Image* image = new Image;
    image->attach(header);
    return image;
}

// A file's bytes ("" when it cannot be read).
inline std::string FileBytes(const char* path)
{
    std::string bytes;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return bytes;
    bytes.resize((size_t)file.GetLength());
    if (!bytes.empty())
        file.Read(&bytes[0], (UINT)bytes.size());
    return bytes;
}

// A source file beside the tests (expected pages).
inline std::string SourceFixture(const char* name)
{
    std::string folder = __FILE__;
    folder = folder.substr(0, folder.find_last_of('/') + 1);
    std::ifstream in(folder + "fixtures/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A folder of the temporary folder, emptied and removed with the object.
class CTempFolder
{
public:
    CTempFolder()
    {
        static int counter = 0;
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_Path.Format("%szt_export_%lu_%d\\", temp, GetCurrentProcessId(), ++counter);
        CreateDirectoryA(m_Path, NULL);
    }
    ~CTempFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(m_Path + "*", &found);
        if (search != INVALID_HANDLE_VALUE)
        {
            do
                DeleteFileA(m_Path + found.cFileName);
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(m_Path);
    }
    CString operator/(const char* name) const { return m_Path + name; }
    const CString& Path() const { return m_Path; }

private:
    CString m_Path;
};

class ExportFixture : public testing::Test
{
protected:
    struct Template
    {
        CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
        std::unique_ptr<CWDocument> New()
        {
            return std::unique_ptr<CWDocument>((CWDocument*)tpl.CreateNewDocument());
        }
    };

    CBoxKeepingApp app;
    Template maker;
    std::unique_ptr<CWDocument> doc = maker.New();
    CTempFolder folder;

    void TearDown() override { ReleaseDocEditing(doc.get()); }

    GDoc& Body() { return *doc->m_flows[kBodyFlow]; }
    // Appends text at the end of the body; "\r" ends a paragraph.
    long Type(const char* text)
    {
        const long at = Body().m_chars.GetCount() - 3;
        std::string buffer(text);
        Body().InsertText(at, &buffer[0], 1);
        return at;
    }
    long ParaStart(long para) { return Body().GetParaChar(para); }
    // Paragraphs that name the first paragraph style instead of a master,
    // as text pasted from elsewhere or read from another format may.
    void WithoutMasters()
    {
        for (LONG p = 0; p + 1 < Body().m_paras.GetCount(); p++)
            Body().m_paras[p].style = Mint(0, 0);
    }
    // The characters of piece in the body.
    long At(const char* piece)
    {
        std::string text;
        for (long i = 0; i < Body().m_chars.GetCount(); i++)
            text += (char)(BYTE)Body().m_chars[i];
        const size_t at = text.find(piece);
        EXPECT_NE(at, std::string::npos) << piece;
        return (long)at;
    }
    // The built-in HTML styles, as a document read from HTML holds them.
    void AddHtmlStyles()
    {
        CHtmlDefaultStyles styles(doc.get());
        styles.CreateHtmlStyles();
    }
    long AddMaster(const char* name, int font, int para)
    {
        doc->m_masterStyles.Add(GStyleItem<GMasterStyle>(name, GMasterStyle(font, para)));
        return doc->m_masterStyles.GetCount() - 1;
    }
    long AddList(unsigned char kind, short start = 1)
    {
        GListStyle style(kind);
        for (int level = 1; level <= GListStyle::kLevels; level++)
            style.Level(level).m_Start = start;
        doc->m_listStyles.Add(GStyleItem<GListStyle>("", style));
        return doc->m_listStyles.GetCount() - 1;
    }
    void MakeList(long firstPara, long lastPara, long style, int level)
    {
        Body().SetPos(ParaStart(firstPara));
        Body().Select(ParaStart(firstPara), ParaStart(lastPara + 1) - 1);
        ASSERT_EQ(Body().ApplyListStyle(style, level, NULL, 0, 1), 1);
    }

    // Saves the document as name in the folder; the page's bytes.
    std::string Export(const char* name = "page.htm", BOOL* written = NULL)
    {
        const CString path = folder / name;
        doc->SetPathName(path, FALSE);
        const BOOL result = HtmlExportFile(doc.get());
        if (written)
            *written = result;
        else
            EXPECT_TRUE(result);
        return FileBytes(path);
    }
};

// Keeps a page for the checkers that run after the tests
// (scripts/check-html-pages.sh).
inline void KeepPage(const std::string& page, const char* name)
{
#ifdef ZT_HTML_PAGES_DIR
    std::ofstream out(std::string(ZT_HTML_PAGES_DIR) + "/" + name, std::ios::binary);
    out << page;
#else
    (void)page;
    (void)name;
#endif
}

// Each <p ...>...</p> element of a page, start to end.
inline std::vector<std::string> Paragraphs(const std::string& page)
{
    std::vector<std::string> found;
    for (size_t at = page.find("<p "); at != std::string::npos; at = page.find("<p ", at + 1))
        found.push_back(page.substr(at, page.find("</p>", at) + 4 - at));
    return found;
}

inline bool Contains(const std::string& text, const std::string& piece)
{
    return text.find(piece) != std::string::npos;
}

} // namespace html_test
