// The word processor's application object. Exactly one exists, the global
// App, built when the library is opened; the class library's WinMain finds
// it and runs its start-up. It owns the list of the fonts the screen and
// the default printer offer, and the contexts it reads them from.
#pragma once
#include "afxwin.h"
#include "afxtempl.h"
#include "zttools.h"

// One enumerated font. The face name always ends with a terminator, also
// when the enumeration filled all 32 characters of the LOGFONT's face.
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

class CWApp : public CWinApp
{
public:
    enum : WORD { kNoFont = 0xFFFF };

    // Makes no Win32 call: the library's imports are not bound yet.
    CWApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

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

    // ---- Shutting down and the family's programs (app/app_shutdown.cpp).
    // Still missing until the application's start-up and commands are
    // complete: Save All's command and the starters' set-up.
    // Asks about every modified document; the answer stays in QuitWrite.
    BOOL SaveAllModified() override;
    // Nonzero when the last SaveAllModified let the program end.
    int QuitWrite = 0;
    CXRunApplication m_runApplication;

private:
    CDC m_screenDC;
    CDC m_printerDC;
    CArray<CWFontInfo, CWFontInfo&> m_fonts;
};

extern CWApp App;
