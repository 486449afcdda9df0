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
