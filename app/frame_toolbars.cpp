// The frame data's toolbar set: the strips registered with the toolbar
// manager, the seven default toolbars and the customize groups.
#include "app/CWCustomFrameData.h"
#include "controls/button_map.h"
#include "resources/resource.h"
#include <commctrl.h>

namespace {

const UINT kGap = ID_SEPARATOR;
const DWORD kAnySide = CBRS_ALIGN_ANY;
const UINT kNoBar = 0;

const UINT kStrips[] = { IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_TOOLS, IDR_TOOLBAR_MENU, IDR_TOOLBAR_FORMAT,
                         IDR_TOOLBAR_BORDERS };

const UINT kStandard[] = { 36000, 36002, 57603, kGap, 36004, 36005, 36134, kGap, 36021, 36020, 36026,
                           kGap, 36032, 36029, kGap, 36023, 36030, 37096, 36450, 36451, kGap, 57669 };
const UINT kFormat[] = { 37080, 37032, 37048, 37016, kGap, 36090, 36100, 36115, 36112, kGap, 36105,
                         36103, 36106, 36104, kGap, 36096, kGap, 36093, 36101, kGap, 36111, 36097 };
const UINT kBorders[] = { 33919, 33935, 37000, kGap, 37064, 33933, 33934 };
const UINT kLaunch[] = { ID_RUN_LAUNCHER, ID_RUN_DATABASE, ID_RUN_SPREADSHEET, ID_RUN_DRAW, ID_RUN_PAINT };
const UINT kInsert[] = { 36073, 36062, kGap, 36074, 36064, 36077, 36067, 36070, 36060, kGap, 36079,
                         36066, 36075 };
const UINT kFullScreen[] = { ID_VIEW_FULLSCREEN };
const UINT kHeaderFooter[] = { 36074, 36063, 36078, 36065, 36660, 36303, 36302, 36040 };
// The customize group of borders also offers the border-offset box.
const UINT kBordersGroup[] = { 33919, 33935, 37000, 33936, kGap, 37064, 33933, 33934 };

struct DefaultBar
{
    UINT id;
    UINT nameId;
    const UINT* buttons;
    int count;
    UINT dockBar;
    UINT nextTo;
    int docked, visible, toolTips;
};

const DefaultBar kDockedBars[] = {
    { IDW_TOOLBAR_STANDARD, IDS_TOOLBAR_STANDARD, kStandard, _countof(kStandard), IDW_DOCKBAR_TOP, kNoBar, 1, 1, 1 },
    { IDW_TOOLBAR_FORMAT, IDS_TOOLBAR_FORMAT, kFormat, _countof(kFormat), IDW_DOCKBAR_TOP, kNoBar, 1, 1, 1 },
    { IDW_TOOLBAR_BORDERS, IDS_TOOLBAR_BORDERS, kBorders, _countof(kBorders), IDW_DOCKBAR_TOP, kNoBar, 1, 1, 1 },
    { IDW_TOOLBAR_LAUNCH, IDS_TOOLBAR_LAUNCH, kLaunch, _countof(kLaunch), IDW_DOCKBAR_TOP, IDW_TOOLBAR_STANDARD,
      1, 0, 1 },
    { IDW_TOOLBAR_INSERT, IDS_TOOLBAR_INSERT, kInsert, _countof(kInsert), IDW_DOCKBAR_TOP, kNoBar, 1, 0, 1 },
};
const DefaultBar kFullScreenBar = { IDW_TOOLBAR_FULLSCREEN, IDS_TOOLBAR_FULLSCREEN, kFullScreen,
                                    _countof(kFullScreen), kNoBar, kNoBar, 0, 0, 1 };
const DefaultBar kHeaderFooterBar = { IDW_TOOLBAR_HEADFOOT, IDS_TOOLBAR_HEADFOOT, kHeaderFooter,
                                      _countof(kHeaderFooter), kNoBar, kNoBar, 0, 0, 1 };

CToolBar* Define(CXCToolBarManager* manager, const DefaultBar& bar)
{
    CString name;
    name.LoadString(bar.nameId);
    return manager->DefineDefaultToolBar(bar.id, name, bar.count, bar.buttons, kAnySide, bar.dockBar, bar.nextTo,
                                         bar.docked, bar.visible, bar.toolTips);
}

}  // namespace

void CWCustomFrameData::CreateToolbars(CXCToolBarManager* manager)
{
    for (UINT strip : kStrips)
        manager->AddToolBarResource(strip, 0);
    manager->SetButtonMap(btnMapWrite);
    for (const DefaultBar& bar : kDockedBars)
        Define(manager, bar);
    CreateFullScreenWindow(manager);
    CreateHeaderFooterToolBox(manager);
}

void CWCustomFrameData::CreateFullScreenWindow(CXCToolBarManager* manager)
{
    Define(manager, kFullScreenBar);
}

void CWCustomFrameData::CreateHeaderFooterToolBox(CXCToolBarManager* manager)
{
    Define(manager, kHeaderFooterBar);
    m_pHeaderFooterBar = manager->GetToolBar(IDW_TOOLBAR_HEADFOOT);
}

void CWCustomFrameData::FindBars(CXCToolBarManager* manager)
{
    m_pHeaderFooterBar = manager->GetToolBar(IDW_TOOLBAR_HEADFOOT);
    m_pFullScreenBar = manager->GetToolBar(IDW_TOOLBAR_FULLSCREEN);
}

void CWCustomFrameData::AddBtnGroups(CXCToolBarCmdPage& page)
{
    page.DefineBtnGroup("Standard", _countof(kStandard), kStandard);
    page.DefineBtnGroup("Format", _countof(kFormat), kFormat);
    page.DefineBtnGroup("Borders & Shading", _countof(kBordersGroup), kBordersGroup);
    page.DefineBtnGroup("Launch", _countof(kLaunch), kLaunch);
    page.DefineBtnGroup("Insert", _countof(kInsert), kInsert);
}

void CWCustomFrameData::InitSeparator(TBBUTTON& button)
{
    memset(&button, 0, sizeof(button));
    button.iBitmap = 8;   // the gap's width
    button.fsState = TBSTATE_ENABLED | TBSTATE_WRAP;
    button.fsStyle = TBSTYLE_SEP;
}
