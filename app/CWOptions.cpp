// The settings record itself: construction, comparison and the colour labels.
#include "afxwin.h"
#include "app/CWOptions.h"

CWOptions Options;

const char* const ColorNames1[CWOptions::kColorCount] = {
    "Page ", "Workspace ", "Date & Time ", "PageNum ", "Formula ",
    "MailMerge ", "BullNumber ", "HeaderFooter ", "Columns ",
};

namespace {
const int kColorNameSize = 20;
// Static, so that a record copied or made for a while (as tests do) cannot
// free the buffers the global record names its values with.
char ColorNameBuffers[CWOptions::kColorCount][kColorNameSize];
}

char* ColorNames[CWOptions::kColorCount];

CWOptions::CWOptions()
    : FontSize(0), FontColor(0), FontAttributes(0), EnableFieldColor(0), Units(0), UndoSteps(0),
      MakeBackup(0), AlwaysSuggest(0), IsUseUserDictionary(0), Language(0), BottomPageMargins(0),
      LeftPageMargins(0), RightPageMargins(0), TopPageMargins(0), ZoomMode(0), Percent(0),
      ZoomScale(0), SmartCutPaste(0), CloseBlanks(0)
{
    memset(FontName, 0, sizeof(FontName));
    memset(UserDictionary, 0, sizeof(UserDictionary));
    memset(TemplatePath, 0, sizeof(TemplatePath));
    memset(Colors, 0, sizeof(Colors));
    for (int i = 0; i < kColorCount; i++)
    {
        lstrcpynA(ColorNameBuffers[i], ColorNames1[i], kColorNameSize);
        ColorNames[i] = ColorNameBuffers[i];
    }
}

CWOptions::~CWOptions() = default;

// Texts compare up to their terminators: what follows is no setting.
bool CWOptions::operator==(const CWOptions& o) const
{
    return FontSize == o.FontSize && FontColor == o.FontColor && FontAttributes == o.FontAttributes &&
           strncmp(FontName, o.FontName, sizeof(FontName)) == 0 && EnableFieldColor == o.EnableFieldColor &&
           Units == o.Units && UndoSteps == o.UndoSteps && MakeBackup == o.MakeBackup &&
           AlwaysSuggest == o.AlwaysSuggest && IsUseUserDictionary == o.IsUseUserDictionary &&
           strncmp(UserDictionary, o.UserDictionary, sizeof(UserDictionary)) == 0 &&
           strncmp(TemplatePath, o.TemplatePath, sizeof(TemplatePath)) == 0 && Language == o.Language &&
           BottomPageMargins == o.BottomPageMargins && LeftPageMargins == o.LeftPageMargins &&
           RightPageMargins == o.RightPageMargins && TopPageMargins == o.TopPageMargins &&
           memcmp(Colors, o.Colors, sizeof(Colors)) == 0 && ZoomMode == o.ZoomMode &&
           Percent == o.Percent && memcmp(&ZoomScale, &o.ZoomScale, sizeof(ZoomScale)) == 0 &&
           SmartCutPaste == o.SmartCutPaste && CloseBlanks == o.CloseBlanks;
}
