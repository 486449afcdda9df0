// Standard command, string and window ids of the class library, usable
// from resource scripts (plain #defines only).
#ifndef AFXRES_H_INCLUDED
#define AFXRES_H_INCLUDED

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define ID_SEPARATOR 0

// File commands
#define ID_FILE_NEW             0xE100
#define ID_FILE_OPEN            0xE101
#define ID_FILE_CLOSE           0xE102
#define ID_FILE_SAVE            0xE103
#define ID_FILE_SAVE_AS         0xE104
#define ID_FILE_PAGE_SETUP      0xE105
#define ID_FILE_PRINT_SETUP     0xE106
#define ID_FILE_PRINT           0xE107
#define ID_FILE_PRINT_DIRECT    0xE108
#define ID_FILE_PRINT_PREVIEW   0xE109
#define ID_FILE_UPDATE          0xE10A
#define ID_FILE_SAVE_COPY_AS    0xE10B
#define ID_FILE_SEND_MAIL       0xE10C
#define ID_FILE_MRU_FIRST       0xE110
#define ID_FILE_MRU_FILE1       0xE110
#define ID_FILE_MRU_FILE2       0xE111
#define ID_FILE_MRU_FILE3       0xE112
#define ID_FILE_MRU_FILE4       0xE113
#define ID_FILE_MRU_LAST        0xE11F

// Edit commands
#define ID_EDIT_CLEAR           0xE120
#define ID_EDIT_CLEAR_ALL       0xE121
#define ID_EDIT_COPY            0xE122
#define ID_EDIT_CUT             0xE123
#define ID_EDIT_FIND            0xE124
#define ID_EDIT_PASTE           0xE125
#define ID_EDIT_PASTE_LINK      0xE126
#define ID_EDIT_PASTE_SPECIAL   0xE127
#define ID_EDIT_REPEAT          0xE128
#define ID_EDIT_REPLACE         0xE129
#define ID_EDIT_SELECT_ALL      0xE12A
#define ID_EDIT_UNDO            0xE12B
#define ID_EDIT_REDO            0xE12C

// Window and application commands
#define ID_WINDOW_NEW           0xE130
#define ID_WINDOW_ARRANGE       0xE131
#define ID_WINDOW_CASCADE       0xE132
#define ID_WINDOW_TILE_HORZ     0xE133
#define ID_WINDOW_TILE_VERT     0xE134
#define ID_WINDOW_SPLIT         0xE135
#define ID_APP_ABOUT            0xE140
#define ID_APP_EXIT             0xE141
#define ID_HELP_INDEX           0xE142
#define ID_HELP_FINDER          0xE143
#define ID_HELP_USING           0xE144
#define ID_CONTEXT_HELP         0xE145
#define ID_HELP                 0xE146
#define ID_DEFAULT_HELP         0xE147
#define ID_NEXT_PANE            0xE150
#define ID_PREV_PANE            0xE151

// Status-bar indicators and bar visibility
#define ID_INDICATOR_EXT        0xE700
#define ID_INDICATOR_CAPS       0xE701
#define ID_INDICATOR_NUM        0xE702
#define ID_INDICATOR_SCRL       0xE703
#define ID_INDICATOR_OVR        0xE704
#define ID_INDICATOR_REC        0xE705
#define ID_INDICATOR_KANA       0xE706
#define ID_VIEW_TOOLBAR         0xE800
#define ID_VIEW_STATUS_BAR      0xE801

// Window ids
#define AFX_IDW_TOOLBAR         0xE800
#define AFX_IDW_STATUS_BAR      0xE801
#define AFX_IDW_PREVIEW_BAR     0xE802
#define AFX_IDW_RESIZE_BAR      0xE803
#define AFX_IDW_DOCKBAR_TOP     0xE81B
#define AFX_IDW_DOCKBAR_LEFT    0xE81C
#define AFX_IDW_DOCKBAR_RIGHT   0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM  0xE81E
#define AFX_IDW_DOCKBAR_FLOAT   0xE81F
#define AFX_IDW_PANE_FIRST      0xE900
#define AFX_IDW_PANE_LAST       0xE9FF
#define AFX_IDW_HSCROLL_FIRST   0xEA00
#define AFX_IDW_VSCROLL_FIRST   0xEA10
#define AFX_IDW_SIZE_BOX        0xEA20
#define AFX_IDW_PANE_SAVE       0xEA21
#define AFX_IDM_FIRST_MDICHILD  0xFF00

// Strings
#define AFX_IDS_APP_TITLE       0xE000
#define AFX_IDS_IDLEMESSAGE     0xE001
#define AFX_IDS_HELPMODEMESSAGE 0xE002
#define AFX_IDS_UNTITLED        0xEF03
#define AFX_IDS_SAVEFILE        0xF000
#define AFX_IDS_SAVEFILECOPY    0xF001
#define AFX_IDS_ALLFILTER       0xF002
#define AFX_IDS_OPENFILE        0xF003

// Prompts (message boxes by string id)
#define AFX_IDP_INVALID_FILENAME      0xF100
#define AFX_IDP_FAILED_TO_OPEN_DOC    0xF101
#define AFX_IDP_FAILED_TO_SAVE_DOC    0xF102
#define AFX_IDP_ASK_TO_SAVE           0xF103
#define AFX_IDP_FAILED_TO_CREATE_DOC  0xF104
#define AFX_IDP_INTERNAL_FAILURE      0xF108

#endif
