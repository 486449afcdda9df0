// The master styles of a new document: pairs of the default character and
// paragraph styles, by their fixed indexes, with Alt+Ctrl+Shift shortcuts.
#include "afxwin.h"
#include "document/CWDocument.h"
#include "model/default_styles.h"
#include "model/utilities.h"
#include "resources/resource.h"

namespace {

const struct
{
    int name;
    WORD key;
    int font;   // index among the default character styles
    int para;   // index among the default paragraph styles
} kMasterStyles[] = {
    {IDS_MSTYLE_NORMAL, 'N', 0, 0},
    {IDS_MSTYLE_HEADING1, '1', 1, 1},
    {IDS_MSTYLE_HEADING2, '2', 2, 2},
    {IDS_MSTYLE_HEADING3, '3', 3, 3},
    {IDS_MSTYLE_DEFAULTFONT, 'D', 0, 0},
    {IDS_MSTYLE_HANGING, 'H', 0, 4},
    {IDS_MSTYLE_NORMALINDENT, 'I', 0, 5},
    {IDS_MSTYLE_NORMALBODY, 'B', 0, 6},
};

const unsigned char kAltCtrlShift = GKey::kAlt | GKey::kCtrl | GKey::kShift;

} // namespace

void CWDocument::CreateDefaultMasterStyles()
{
    for (const auto& entry : kMasterStyles)
        m_masterStyles.Add(GStyleItem<GMasterStyle>(GetResourceString(entry.name),
                                                    GMasterStyle(entry.font, entry.para),
                                                    GKey(entry.key, kAltCtrlShift)));
}
