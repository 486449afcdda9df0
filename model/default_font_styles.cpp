// The character styles of a new document: normal text in the default font
// of the settings, three headings, and a fixed-pitch style.
#include "afxwin.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "model/default_styles.h"
#include "model/utilities.h"
#include "resources/resource.h"
#include <algorithm>
#include <vector>

namespace {

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list)
{
    // Vertical variants ("@face") are not offered as faces of their own.
    if (font->lfFaceName[0] != '@')
        ((std::vector<CString>*)list)->push_back(CString(font->lfFaceName));
    return 1;
}

// Read once, on first use, as the application reads its font list once.
const std::vector<CString>& InstalledFaces()
{
    static std::vector<CString> faces;
    static bool read = false;
    if (read)
        return faces;
    read = true;
    HDC dc = ::GetDC(NULL);
    if (!dc)
        return faces;
    LOGFONTA pattern = {};
    pattern.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(dc, &pattern, (FONTENUMPROCA)CollectFace, (LPARAM)&faces, 0);
    ::ReleaseDC(NULL, dc);
    std::sort(faces.begin(), faces.end(),
              [](const CString& a, const CString& b) { return lstrcmpiA(a, b) < 0; });
    return faces;
}

// A bold heading with the default face.
const struct
{
    int name;
    WORD key;
    int size;   // 0.1 mm
} kHeadings[] = {
    {IDS_FSTYLE_HEADING1, '1', 63},   // about 18 pt
    {IDS_FSTYLE_HEADING2, '2', 56},   // about 16 pt
    {IDS_FSTYLE_HEADING3, '3', 49},   // about 14 pt
};

const int kDosStyleSize = 42;   // about 12 pt
const short kAllDefined = -1;
const unsigned char kCtrlShift = GKey::kCtrl | GKey::kShift;

} // namespace

BOOL IsInstalledFontFace(const char* face)
{
    for (const CString& known : InstalledFaces())
        if (lstrcmpiA(known, face) == 0)
            return TRUE;
    return FALSE;
}

CString FirstInstalledFontFace()
{
    const std::vector<CString>& faces = InstalledFaces();
    return faces.empty() ? CString() : faces.front();
}

void CWDocument::CreateDefaultFontStyles()
{
    // A copy: the settings keep their face even when it is not installed.
    CWOptions::CharFormat format = Options.m_DefaultFormat;
    if (!IsInstalledFontFace(format.face))
        lstrcpynA(format.face, FirstInstalledFontFace(), sizeof(format.face));

    GFontStyle normal(format.face, format.size, format.colour, (short)format.attributes, kAllDefined);
    m_fontStyles.Add(GStyleItem<GFontStyle>(GetResourceString(IDS_FSTYLE_NORMAL), normal,
                                            GKey('N', kCtrlShift)));

    for (const auto& heading : kHeadings)
    {
        GFontStyle style(format.face, heading.size, RGB(0, 0, 0), GFontStyle::kBold, kAllDefined);
        m_fontStyles.Add(GStyleItem<GFontStyle>(GetResourceString(heading.name), style,
                                                GKey(heading.key, kCtrlShift)));
    }

    GFontStyle dos(kDosStyleFace, kDosStyleSize, RGB(0, 0, 0), 0, kAllDefined);
    m_fontStyles.Add(GStyleItem<GFontStyle>(GetResourceString(IDS_FSTYLE_DOS), dos, GKey('D', kCtrlShift)));
}
