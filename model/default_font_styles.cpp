// The character styles of a new document: normal text in the default font
// of the settings, three headings, and a fixed-pitch style.
#include "afxwin.h"
#include "document/CWDocument.h"
#include "app/CWOptions.h"
#include "app/CWApp.h"
#include "model/default_styles.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

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

void CWDocument::CreateDefaultFontStyles()
{
    // A copy: the settings keep their face even when it is not installed.
    char face[CWOptions::kFontNameSize];
    lstrcpynA(face, Options.FontName, sizeof(face));
    if (App.GetFontNameIndex(face, DEFAULT_CHARSET) == CWApp::kNoFont && App.GetFontName(0))
        lstrcpynA(face, App.GetFontName(0), sizeof(face));

    GFontStyle normal(face, Options.FontSize, Options.FontColor, (short)Options.FontAttributes, kAllDefined);
    m_fontStyles.Add(GStyleItem<GFontStyle>(GetResourceString(IDS_FSTYLE_NORMAL), normal,
                                            GKey('N', kCtrlShift)));

    for (const auto& heading : kHeadings)
    {
        GFontStyle style(face, heading.size, RGB(0, 0, 0), GFontStyle::kBold, kAllDefined);
        m_fontStyles.Add(GStyleItem<GFontStyle>(GetResourceString(heading.name), style,
                                                GKey(heading.key, kCtrlShift)));
    }

    GFontStyle dos(kDosStyleFace, kDosStyleSize, RGB(0, 0, 0), 0, kAllDefined);
    m_fontStyles.Add(GStyleItem<GFontStyle>(GetResourceString(IDS_FSTYLE_DOS), dos, GKey('D', kCtrlShift)));
}
