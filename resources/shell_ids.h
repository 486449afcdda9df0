// Resource and command ids of the application shell: the main frame's
// menus and accelerators, the toolbar strips, the status-bar panes and the
// progress labels. Included by resource.h; the toolbar strips themselves
// (toolbars.rc) are written by make_toolbar_bitmaps.py.
#pragma once

// Menus and accelerator tables: without a document, and with one.
#define IDR_MAINFRAME          5000
#define IDR_ZTWRITETYPE        5004

// Toolbar strips of 16 by 15 pixel buttons, registered in this order.
#define IDR_TOOLBAR_STANDARD   244
#define IDR_TOOLBAR_TOOLS      5006
#define IDR_TOOLBAR_MENU       5007
#define IDR_TOOLBAR_FORMAT     246
#define IDR_TOOLBAR_BORDERS    293

// The default toolbars and the dock bar along the frame's top.
#define IDW_TOOLBAR_STANDARD   59412
#define IDW_TOOLBAR_HEADFOOT   59413
#define IDW_TOOLBAR_FULLSCREEN 59414
#define IDW_TOOLBAR_FORMAT     59415
#define IDW_TOOLBAR_LAUNCH     59416
#define IDW_TOOLBAR_INSERT     59417
#define IDW_TOOLBAR_BORDERS    59418
#define IDW_DOCKBAR_TOP        59419

// Toolbar names.
#define IDS_TOOLBAR_STANDARD   57777
#define IDS_TOOLBAR_FORMAT     57778
#define IDS_TOOLBAR_BORDERS    57797
#define IDS_TOOLBAR_LAUNCH     57779
#define IDS_TOOLBAR_INSERT     46042
#define IDS_TOOLBAR_FULLSCREEN 57776
#define IDS_TOOLBAR_HEADFOOT   57775

// Status-bar panes: their ids are also their indicator texts.
#define ID_INDICATOR_INSERT    46042
#define ID_INDICATOR_LINE      46043
#define ID_INDICATOR_PAGE      46044
#define ID_INDICATOR_POS       46045
#define ID_INDICATOR_MODIFIED  46046
#define IDS_OVERWRITE          57780
#define IDS_SAVED              57781
#define IDS_PERCENT_COMPLETED  57782

// Progress labels of the long reads and writes.
#define IDS_PROGRESS_OPENING    46062
#define IDS_PROGRESS_SAVING     46094
#define IDS_PROGRESS_IMPORTING  57764
#define IDS_PROGRESS_EXPORTING  57760
#define IDS_PROGRESS_CONVERTING 57774

// Tool tips of Undo and Redo: the word, then the operation's name.
#define ID_TIP_UNDO            57643
#define ID_TIP_REDO            57644
#define IDS_TIP_UNDO           57695
#define IDS_TIP_REDO           57696

// Starting the family's other programs, and what a failure says.
#define ID_RUN_LAUNCHER        36200
#define ID_RUN_DATABASE        36201
#define ID_RUN_DRAW            36202
#define ID_RUN_SPREADSHEET     36203
#define ID_RUN_PAINT           33949
#define IDS_RUN_LAUNCHER_FAILED    46224
#define IDS_RUN_DATABASE_FAILED    46225
#define IDS_RUN_DRAW_FAILED        46226
#define IDS_RUN_SPREADSHEET_FAILED 46227
#define IDS_RUN_PAINT_FAILED       46236

// Commands of the frames and the application.
#define ID_FILE_NEW_DEFAULT    36000
#define ID_FILE_NEW_DLG        36001
#define ID_FILE_OPEN_ZVW       36002
#define ID_FILE_PRINT_ZVW      36004
#define ID_FILE_PREVIEW_ZVW    36005
#define ID_FILE_PRINT_SETUP_ZVW 36006
#define ID_FILE_SAVE_ALL       36008
#define ID_FILE_PROPERTIES     36010
#define ID_VIEW_FULLSCREEN     36042
#define ID_VIEW_TOOLBARS       36047
#define ID_TOOLS_CUSTOMIZE     36130
#define ID_TOOLS_OPTIONS       36133
#define ID_HELP_ABOUT          36150
#define ID_FORMAT_SHOW_BORDERS 36560
#define ID_CANCEL_EDIT_CNTR    36580
#define ID_WHELP_FINDER        33853
#define ID_WHELP_USERS_GUIDE   33850
#define ID_WHELP_SUPPORT       33851
#define ID_TOOLS_MACROS        33920
#define ID_TOOLS_MACRO_EDITOR  33921
#define ID_HELP_TIP_OF_THE_DAY 33922
#define ID_TOOLS_FORM_EDITOR   33929

// The Edit menu and the page break, served by the view.
#define ID_EDIT_DELETE_ZVW     36022
#define ID_EDIT_FIND_ZVW       36023
#define ID_EDIT_FIND_NEXT_ZVW  36024
#define ID_EDIT_GOTO_ZVW       36025
#define ID_EDIT_REDO_ZVW       36029
#define ID_EDIT_REPLACE_ZVW    36030
#define ID_EDIT_SELECT_ALL_ZVW 36031
#define ID_EDIT_UNDO_ZVW       36032
#define ID_INSERT_NEW_PAGE     36073
#define ID_REDO_DIALOG         36550
#define ID_UNDO_DIALOG         36570

// The eight toolbar controls, enabled only while there is a view.
#define ID_COMBO_ZOOM          37096
#define ID_COMBO_STYLE         37080
#define ID_COMBO_FONT          37032
#define ID_COMBO_FONT_SIZE     37048
#define ID_COMBO_LINE_STYLE    37000
#define ID_COMBO_SHADE_STYLE   37064
#define ID_BTN_SHADING_FORE    33933
#define ID_BTN_SHADING_BACK    33934
#define ID_BTN_BORDER_COLOR    33935
