// CWHtmlExport: writes a document's body flow as one HTML 4.0 file with a
// CSS style block (the document's master styles as classes), each
// paragraph carrying only what differs from its class, and its pictures
// as JPEG files beside the page.
#pragma once
#include "afxwin.h"
#include "model/GMasterStyle.h"
#include "model/flow_records.h"
#include <string>

class CWDocument;
class GDoc;
class GFontStyle;
class GParaStyle;
class GImage;
class GList;

// The output file: the class library's file and nothing more.
class CMyFile : public CFile
{
};

class CWHtmlExport
{
public:
    // Opens the document's path name for writing (created or emptied,
    // others denied writing).
    explicit CWHtmlExport(CWDocument* doc);
    // Closes the file.
    virtual ~CWHtmlExport();

    // Writes the whole file with the status-bar progress around it; TRUE
    // when the file and every picture were written whole.
    BOOL Export();
    void Go();

    void ExportStyles();
    int WriteStyle(const CString& selector, const GMasterStyle& style);

    CString ExportFontStyleExplicit(const GFontStyle& font);
    CString ExportFontStyle(const GFontStyle& font, const GFontStyle& base);
    CString ExportParaStyleExplicit(const GParaStyle& para, const GBorder* border);
    CString ExportParaStyle(const GParaStyle& para, const GParaStyle& base, const GBorder* border);
    CString ExportBorder(const GBorder& border);
    CString ExportBorderStyle(const CBorderStyle& side, const CString& sideWord);

    void ExportBody();
    bool ExportList(const long& start, long& end, int& paraIndex, GDoc* flow);
    void ExportNumberList(const long& start, long& end, int& paraIndex, const int& level, GDoc* flow, GList* field);
    void ExportBulletList(const long& start, long& end, int& paraIndex, const int& level, GDoc* flow, GList* field);
    void ExportPara(const long& start, const long& end, const long& paraIndex, GDoc* flow, bool first, bool item);
    CString ExportFont(const long& start, const long& end, const GFontStyle& base, GDoc* flow);
    CString ExportText(const long& start, const long& end, GDoc* flow);
    CString ExportField(const long& position, GDoc* flow);
    CString ExportImage(const GImage* picture);

    // The first master named exactly name: its font and paragraph indexes,
    // or -1 and -1.
    void GetMStyleIndex(const CString& name, long& font, long& para);

    // The name the file declares for the character set that most of the
    // body's characters are in ("Windows-1252" for Western text).
    CString BodyCharsetName();

    CMyFile m_file;
    CWDocument* m_pDoc;
    BOOL m_bOpened = FALSE;
    // Cleared when a write or a picture failed.
    BOOL m_bWhole = TRUE;

private:
    // The file's text gathers here and goes out in large pieces.
    void Put(const CString& text);
    void Flush();
    void WriteList(const long& start, long& end, int& paraIndex, const int& level, GDoc* flow, GList* field,
                   bool numbered);
    std::string m_pending;
};

// Process-wide number of the last picture file written (Image<n>.jpg):
// later exports go on from it, and it moves past names already taken.
extern int g_nHtmlPictureCounter;

// A master style's name without its prefix "(M) " and without blanks:
// "(M) Heading 1" gives "Heading1".
CString MasterNamePart(const char* name);
