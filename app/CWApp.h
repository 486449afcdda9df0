// The word processor's application object. Exactly one exists, the global
// App, built when the library is opened; the class library's WinMain finds
// it and runs its start-up. It owns the list of the fonts the screen and
// the default printer offer, and the contexts it reads them from.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
#include "afxoletemplate.h"
#include "zttools.h"
#include "ZTApp.h"

// One enumerated font. The face name always ends with a terminator, also
// when the enumeration filled all 32 characters of the LOGFONT's face.
class CWMultiDocTemplate;
class CWDocument;

struct CWFontInfo
{
    enum { kNameLength = LF_FACESIZE };
    // Added to the enumeration's type word for a font of the printer.
    enum { kPrinterFont = 8 };

    CWFontInfo() : type(0) { memset(name, 0, sizeof(name)); memset(&logFont, 0, sizeof(logFont)); }
    CWFontInfo(const LOGFONTA* font, unsigned long type);

    char name[kNameLength + 1];
    LOGFONTA logFont;
    DWORD type;   // RASTER_, DEVICE_, TRUETYPE_FONTTYPE bits, and kPrinterFont
};

class CWApp : public CZTApp
{
public:
    enum : WORD { kNoFont = 0xFFFF };

    // Makes no Win32 call: static constructors run before Wine binds the
    // library's imports, so the screen metrics are read at the start of
    // InitInstance instead.
    CWApp();

    // Start-up: settings, fonts, OLE, the template, the main frame, the
    // clipboard document, the window's placement and the command line's
    // action (app/app_startup.cpp). FALSE ends the program.
    BOOL InitInstance() override;
    // Keeps the caption labels in the profile (app/app_shutdown.cpp).
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The caption labels: four empty entries, the four built-in labels,
    // then the profile's "Caption" keys "0", "1", ... up to the first
    // empty one, each label once.
    void SetCaptions();
    // Writes the non-empty labels under "Caption" keys "0", "1", ... after
    // clearing keys "0" to "39" (more for a longer list), and removes the
    // key after the last one written.
    void SaveCaptions();
    // The one document template (documents, child frames, views, the
    // embedding menus) in the application's document manager, connected to
    // the template server.
    CWMultiDocTemplate* CreateDocumentTemplate();

    // A context of the desktop window, made on first use.
    CDC& GetScreenDC();
    void ReleaseScreenDC();
    // A context of the default printer, made on first use; empty while
    // there is no default printer (each call tries again).
    CDC& GetPrinterDC();
    void ReleasePrinterDC();

    // Fills the font list once, sorted by face name without regard to
    // case, then type word, then character set: the screen's fonts but its
    // plain raster ones, and every font of the default printer.
    void InitFonts();
    void AddFontName(const ENUMLOGFONTEXA* font, unsigned long type);
    // The index of a face (case ignored, 32 characters compared) in the
    // asked character set; when the face exists only in other sets, one of
    // its entries; kNoFont when the list does not hold the face.
    WORD GetFontNameIndex(const char* name, unsigned char charSet) const;
    // Entry i's face name, type word and LOGFONT; null (0) for an index
    // outside the list.
    const char* GetFontName(int i) const;
    DWORD GetFontType(int i) const;
    const LOGFONTA* GetLogFont(int i) const;
    int GetNumberFontNames() const { return (int)m_fonts.GetSize(); }
    // A copy made with new[].
    static char* strDup(const char* text);

    // ---- Shutting down (app/app_shutdown.cpp).
    // Asks about every modified document; the answer stays in QuitWrite.
    BOOL SaveAllModified() override;
    // Nonzero when the last SaveAllModified let the program end.
    int QuitWrite = 0;
    // The character set of the keyboard's input language: typed text
    // after text of another set takes this one. Start-up reads it from the
    // keyboard, the view follows input-language changes.
    BYTE m_nInputCharSet = ANSI_CHARSET;

    // ---- The application's commands (app/app_commands.cpp, app/file_new.cpp,
    // app/file_open.cpp).
    // A new document filled from the default template NORMAL.zvp of the
    // template folder, marked modified; without that file a plain one.
    void OnFileNew();
    // The New dialog, then DoFileNew with its choice.
    void OnFileNewDlg();
    // A new untitled document (a new template when isTemplate), filled from
    // the template file at path when there is one. Null when none was made.
    CWDocument* DoFileNew(const char* path, int isTemplate);
    // The Open dialog in OpenPath; each chosen file opened in the dialog's
    // order, and OpenPath set to their folder.
    void OnFileOpen();
    void OnFileSaveAll();
    void OnHelpAbout();
    BOOL OnOpenRecentFileZvw(UINT nID);
    void OnWHelpZentavousersgude();
    void OnWHelpOnlinesupport();
    void OnHelp();
    void OnToolsMacros() {}
    void OnToolsMacroeditor() {}
    void OnToolsFormeditor() {}
    void OnHelpTipoftheday();
    // No command reaches these two.
    void OnFileCloseAll();
    void OnToolsCustomize() {}

    // Connects the document template to OLE under the document class id.
    COleTemplateServer m_server;

    DECLARE_MESSAGE_MAP()

private:
    // Opens a template file as a document without putting it on the
    // recent-file list, which is the user's own files.
    CWDocument* OpenTemplateFile(CDocTemplate* docTemplate, const char* path);
    // Fills newDoc with the template document's content and closes it.
    void FillFromTemplate(CWDocument* newDoc, CWDocument* templateDoc, bool repaint);

    CDC m_screenDC;
    CDC m_printerDC;
    CArray<CWFontInfo, CWFontInfo&> m_fonts;
};

extern CWApp App;

// The document class id {379CA680-093A-11CF-85AA-00608CF6711A}.
extern const CLSID clsid;
// The folder the Open dialog starts in: the working directory at start-up.
extern char OpenPath[_MAX_PATH];
// The default template's path: the template folder (one backslash after
// it) and NORMAL.zvp.
CString DefaultTemplatePath();
// The folder of the files chosen in an Open dialog; empty when the chosen
// path has no backslash after its first character.
CString ChosenFilesFolder(const class CFileDialog& dialog);
// Opens a help file of the application's help folder.
void Help(CString name);
// The profile section of the caption labels.
extern const char kCaptionSection[];
// The screen information context that views, flows, fields and dialogs
// measure text on is the view's (GetMemIC, view/CWView.h); start-up makes
// it before the first document.
