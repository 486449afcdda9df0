// The default styles every new or emptied document starts with: table sizes
// and the font faces they use. CWDocument::CreateDefault*Styles make them.
#pragma once
#include "afxwin.h"

constexpr int kDefaultFontStyleCount = 5;
constexpr int kDefaultParaStyleCount = 8;
constexpr int kDefaultListStyleCount = 12;
constexpr int kDefaultMasterStyleCount = 8;

// The paragraph style of every flow but the body.
constexpr int kSecondaryFlowParaStyle = 7;
// The face of the fixed-pitch character style.
constexpr const char* kDosStyleFace = "Courier New";

// Still missing: the application's sorted font list (CWApp::GetFontNameIndex
// and CWApp::GetFontName); until it exists these two enumerate the screen's
// font families, sorted by face name without regard to case.
// Whether a face is among the installed fonts.
BOOL IsInstalledFontFace(const char* face);
// The first face of the sorted font list; empty when there is none.
CString FirstInstalledFontFace();
