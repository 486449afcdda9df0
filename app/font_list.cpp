// The application's font list: every font of the screen and the default
// printer, built once at start-up and sorted so that a face is found by
// bisection.
#include "app/CWApp.h"
#include <cstdlib>
#include <strings.h>

namespace {

const int kFontListGrowth = 256;

struct Enumeration
{
    CWApp* app;
    BOOL printer;
};

// The screen's plain raster fonts are left out; the printer's are kept.
int CALLBACK CollectFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM data)
{
    Enumeration* e = (Enumeration*)data;
    if (type == 0 || (!e->printer && type == RASTER_FONTTYPE))
        return 1;
    e->app->AddFontName((const ENUMLOGFONTEXA*)font, e->printer ? type | CWFontInfo::kPrinterFont : type);
    return 1;
}

void EnumerateFonts(CDC& dc, CWApp* app, BOOL printer)
{
    if (!dc.GetSafeHdc())
        return;
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    Enumeration e = {app, printer};
    EnumFontFamiliesExA(dc.GetSafeHdc(), &all, (FONTENUMPROCA)CollectFont, (LPARAM)&e, 0);
}

int CompareNames(const char* a, const char* b)
{
    return strncasecmp(a, b, CWFontInfo::kNameLength);
}

int CompareFonts(const void* left, const void* right)
{
    const CWFontInfo* a = (const CWFontInfo*)left;
    const CWFontInfo* b = (const CWFontInfo*)right;
    if (int c = CompareNames(a->name, b->name))
        return c;
    if (a->type != b->type)
        return (int)a->type - (int)b->type;
    return (int)a->logFont.lfCharSet - (int)b->logFont.lfCharSet;
}

} // namespace

CWFontInfo::CWFontInfo(const LOGFONTA* font, unsigned long fontType) : type(fontType)
{
    logFont = *font;
    memset(name, 0, sizeof(name));
    memcpy(name, font->lfFaceName, kNameLength);
}

void CWApp::InitFonts()
{
    CDC& screen = GetScreenDC();
    m_fonts.SetSize(0, kFontListGrowth);
    EnumerateFonts(screen, this, FALSE);
    EnumerateFonts(GetPrinterDC(), this, TRUE);
    if (m_fonts.GetSize() > 0)
        qsort(m_fonts.GetData(), m_fonts.GetSize(), sizeof(CWFontInfo), CompareFonts);
    ReleasePrinterDC();
    ReleaseScreenDC();
}

void CWApp::AddFontName(const ENUMLOGFONTEXA* font, unsigned long type)
{
    CWFontInfo info(&font->elfLogFont, type);
    m_fonts.Add(info);
}

WORD CWApp::GetFontNameIndex(const char* name, unsigned char charSet) const
{
    const int count = (int)m_fonts.GetSize();
    if (count == 0)
        return kNoFont;
    int lo = 0, hi = count - 1, mid = hi / 2;
    WORD best = kNoFont;
    while (lo <= hi)
    {
        const CWFontInfo& entry = m_fonts[mid];
        int c = CompareNames(name, entry.name);
        if (c == 0)
        {
            if (entry.logFont.lfCharSet == charSet)
                return (WORD)mid;
            // The face is here in another set: remember it, and look on
            // the side where the asked set sorts.
            best = (WORD)mid;
            c = (int)charSet - (int)entry.logFont.lfCharSet;
        }
        if (c <= 0)
            hi = hi == mid ? mid - 1 : mid;
        else
            lo = lo == mid ? mid + 1 : mid;
        mid = (lo + hi) / 2;
    }
    return best;
}

const char* CWApp::GetFontName(int i) const
{
    return i >= 0 && i < m_fonts.GetSize() ? m_fonts[i].name : NULL;
}

DWORD CWApp::GetFontType(int i) const
{
    return i >= 0 && i < m_fonts.GetSize() ? m_fonts[i].type : 0;
}

const LOGFONTA* CWApp::GetLogFont(int i) const
{
    return i >= 0 && i < m_fonts.GetSize() ? &m_fonts[i].logFont : NULL;
}

char* CWApp::strDup(const char* text)
{
    char* copy = new char[strlen(text) + 1];
    strcpy(copy, text);
    return copy;
}
