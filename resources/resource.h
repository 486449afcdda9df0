// Resource ids of ztwrite.rc, shared by the code and the resource script so
// the two cannot drift apart.
#pragma once

// The class library's standard ids, among them the application's title
// AFX_IDS_APP_TITLE.
#include "afxres.h"

// Names of the fixed colours the user picks from, in the colour table's
// order; the last one is the window-text colour.
#define IDS_COLOR_BLACK     46020
#define IDS_COLOR_MAROON    46021
#define IDS_COLOR_GREEN     46022
#define IDS_COLOR_OLIVE     46023
#define IDS_COLOR_NAVY      46024
#define IDS_COLOR_PURPLE    46025
#define IDS_COLOR_TEAL      46026
#define IDS_COLOR_GRAY      46027
#define IDS_COLOR_SILVER    46028
#define IDS_COLOR_RED       46029
#define IDS_COLOR_LIME      46030
#define IDS_COLOR_YELLOW    46031
#define IDS_COLOR_BLUE      46032
#define IDS_COLOR_FUCHSIA   46033
#define IDS_COLOR_AQUA      46034
#define IDS_COLOR_WHITE     46035
#define IDS_COLOR_AUTOMATIC 46036

// Messages of the style management.
#define IDS_STANDARD_LIST_STYLES_KEPT   46232
#define IDS_USED_LIST_STYLES_KEPT       46233
#define IDS_FONT_SIZE_RECALCULATED      46237

// Object sizes out of range (pictures, text effects, embedded objects), in
// centimetres and in inches.
#define IDS_OBJECT_SIZE_CM              46246
#define IDS_OBJECT_SIZE_INCH            46247

// Pieces of the number formats: ordinal endings by last digit, the cardinal
// and ordinal words (0-19, then the tens), and the scale words.
#define IDS_NUM_ORDINAL_ENDINGS 57738
#define IDS_NUM_CARDINAL_WORDS  57742
#define IDS_NUM_ORDINAL_WORDS   57743
#define IDS_NUM_THOUSAND        57744
#define IDS_NUM_THOUSANDTH      57745
#define IDS_NUM_HUNDRED         57746
#define IDS_NUM_HUNDREDTH       57747

// Names of the default styles of a new document, in table order: character
// styles, paragraph styles (the last name serves four entries), list
// styles and master styles.
#define IDS_FSTYLE_NORMAL        46037
#define IDS_FSTYLE_HEADING1      46038
#define IDS_FSTYLE_HEADING2      46039
#define IDS_FSTYLE_HEADING3      46040
#define IDS_FSTYLE_DOS           46041
#define IDS_PSTYLE_PARAGRAPH     46075
#define IDS_PSTYLE_TITLE         46076
#define IDS_PSTYLE_INDENT        46077
#define IDS_PSTYLE_STRETCH       46078
#define IDS_PSTYLE_RIGHT         46079
#define IDS_LSTYLE_BULLET        46048
#define IDS_LSTYLE_BIGBULLET     46049
#define IDS_LSTYLE_DIAMOND       46050
#define IDS_LSTYLE_DIAMOND1      46051
#define IDS_LSTYLE_ARROW         46052
#define IDS_LSTYLE_ASTERISK      46053
#define IDS_LSTYLE_NUMBER        46054
#define IDS_LSTYLE_ROMAN         46055
#define IDS_LSTYLE_CAPLETTER     46056
#define IDS_LSTYLE_NUMSHORT      46057
#define IDS_LSTYLE_CAPSHORT      46058
#define IDS_LSTYLE_LETTER        46059
#define IDS_MSTYLE_NORMAL        46060
#define IDS_MSTYLE_HEADING1      46061
#define IDS_MSTYLE_HEADING2      46120
#define IDS_MSTYLE_HEADING3      46121
#define IDS_MSTYLE_DEFAULTFONT   46212
#define IDS_MSTYLE_HANGING       46122
#define IDS_MSTYLE_NORMALINDENT  46123
#define IDS_MSTYLE_NORMALBODY    46124

// Pieces of the style descriptions the style dialogs show.
#define IDS_DESC_SHORTCUT        46095
#define IDS_DESC_UNDEFINED       46118
#define IDS_DESC_FONT            46103
#define IDS_DESC_PARAGRAPH       46110
#define IDS_DESC_NAME            46108
#define IDS_DESC_COLOR           46102
#define IDS_DESC_TYPE            46114
#define IDS_DESC_BULLET          46100
#define IDS_DESC_NUMBERING       46109
#define IDS_DESC_BOLD            46099
#define IDS_DESC_ITALIC          46105
#define IDS_DESC_UNDERLINE       46115
#define IDS_DESC_STRIKEOUT       46113
#define IDS_DESC_SMALLCAPS       46112
#define IDS_DESC_SUPERSCRIPT     46117
#define IDS_DESC_SUBSCRIPT       46116
#define IDS_DESC_LEFT            46107
#define IDS_DESC_CENTER          46101
#define IDS_DESC_RIGHT           46111
#define IDS_DESC_JUSTIFY         46106
#define IDS_DESC_FIRSTLINE       46104
#define IDS_DESC_BEFORE          46098
#define IDS_DESC_AFTER           46097

// Colour names of the style descriptions (alphabetical; RGB introduces a
// colour without a name).
#define IDS_DESC_BLACK           46003
#define IDS_DESC_BLUE            46004
#define IDS_DESC_CYAN            46005
#define IDS_DESC_DARKBLUE        46006
#define IDS_DESC_DARKCYAN        46007
#define IDS_DESC_DARKGRAY        46008
#define IDS_DESC_DARKGREEN       46009
#define IDS_DESC_DARKMAGENTA     46010
#define IDS_DESC_DARKRED         46011
#define IDS_DESC_DARKYELLOW      46012
#define IDS_DESC_GRAY            46013
#define IDS_DESC_GREEN           46014
#define IDS_DESC_MAGENTA         46015
#define IDS_DESC_RED             46016
#define IDS_DESC_RGB             46017
#define IDS_DESC_WHITE           46018
#define IDS_DESC_YELLOW          46019

// Names of undoable operations, shown in the Edit menu and the undo list;
// and the day and month names of date fields.
#define IDS_OP_TEXT_PROPERTIES               57670
#define IDS_OP_PROMOTE                       57671
#define IDS_OP_DEMOTE                        57672
#define IDS_OP_MOVE_PICTURE                  57676
#define IDS_OP_CHANGE_PAGE_NUMBER_FORMAT     57678
#define IDS_OP_CHANGE_DATE_TIME_FORMAT       57679
#define IDS_OP_CHANGE_FOOTNOTE_TYPE          57682
#define IDS_OP_CHANGE_CAPTION                57683
#define IDS_OP_CUT                           57684
#define IDS_CAPTION_PREFIX                   57689
#define IDS_OP_SET_NUMBERS                   57693
#define IDS_OP_SET_BULLETS                   57694
#define IDS_OP_SELECT                        57698
#define IDS_OP_UNSELECT                      57699
#define IDS_OP_REPLACE_TEXT                  57700
#define IDS_OP_INSERT_TEXT                   57701
#define IDS_OP_DELETE_TEXT                   57702
#define IDS_OP_INSERT_DOCUMENT_TITLE         57703
#define IDS_OP_INSERT_OLE_OBJECT             57704
#define IDS_OP_INSERT_PICTURE                57705
#define IDS_OP_INSERT_DATE_AND_TIME          57706
#define IDS_OP_INSERT_FIELD                  57707
#define IDS_OP_INSERT_PAGE_NUMBER            57708
#define IDS_OP_INSERT_FOOTNOTE               57709
#define IDS_OP_INSERT_CAPTION                57710
#define IDS_OP_DELETE_DOCUMENT_TITLE         57711
#define IDS_OP_DELETE_OLE_OBJECT             57712
#define IDS_OP_DELETE_PICTURE                57713
#define IDS_OP_DELETE_DATE_AND_TIME          57714
#define IDS_OP_DELETE_FIELD                  57715
#define IDS_OP_DELETE_PAGE_NUMBER            57716
#define IDS_OP_DELETE_FOOTNOTE               57717
#define IDS_OP_DELETE_CAPTION                57718
#define IDS_OP_SET_FONT_STYLE                57719
#define IDS_OP_SET_PARAGRAPH_STYLE           57720
#define IDS_OP_SET_PARAGRAPH_LEFT_MARGIN     57721
#define IDS_OP_SET_PARAGRAPH_RIGHT_MARGIN    57722
#define IDS_OP_SET_PARAGRAPH_INDENT          57723
#define IDS_OP_SET_BORDER                    57724
#define IDS_OP_SET_SHADE                     57725
#define IDS_OP_SET_LIST_STYLE                57726
#define IDS_OP_RESIZE_OLE_OBJECT             57727
#define IDS_OP_RESIZE_PICTURE                57728
#define IDS_OP_INSERT_PAGE_BREAK             57729
#define IDS_OP_INSERT_COLUMN_BREAK           57730
#define IDS_OP_INSERT_FRAME_CALLOUT          57731
#define IDS_OP_DELETE_FRAME_CALLOUT          57732
#define IDS_OP_RESIZE_MOVE_FRAME             57733
#define IDS_OP_FORMAT_COLUMNS                57734
#define IDS_OP_SET_MASTER_STYLE              57735
#define IDS_OP_PASTE                         57736
#define IDS_OP_SET_BULLETS_AND_NUMBERS       57737
#define IDS_OP_INSERT_LUMIFEX                57739
#define IDS_WEEKDAY_NAMES                    57740
#define IDS_MONTH_NAMES                      57741
#define IDS_OP_DELETE_LUMIFEX                57767

// Shading: the names of the 19 shading styles in table order, and the
// eight-by-eight pattern bitmaps of the percent shadings (made by
// make_shading_bitmaps.py).
#define IDS_SHADING_NAMES 57792
#define IDB_SHADE_5       5105
#define IDB_SHADE_80      5106
#define IDB_SHADE_90      5107
#define IDB_SHADE_10      5108
#define IDB_SHADE_20      5109
#define IDB_SHADE_25      5110
#define IDB_SHADE_30      5111
#define IDB_SHADE_40      5112
#define IDB_SHADE_50      5113
#define IDB_SHADE_60      5114
#define IDB_SHADE_70      5115
// Page-number fields: the texts of their ten layouts (%lu: a page number).
#define IDS_PAGENUM_SLASH_LAST               46080
#define IDS_PAGENUM_OF_LAST                  46081
#define IDS_PAGENUM_DASHED                   46082
#define IDS_PAGENUM_PAGE                     46083
#define IDS_PAGENUM_PAGE_SLASH_LAST          46084
#define IDS_PAGENUM_PAGE_COLON               46085
#define IDS_PAGENUM_PAGE_OF_LAST             46086
#define IDS_PAGENUM_LAST                     46087
#define IDS_PAGENUM_PAGES                    46088
#define IDS_PAGENUM_NUMBER                   46089
// The settings' registry key under the current user.
#define IDS_REGISTRY_KEY                     46091
// HTML reader: the report and the messages of its error codes (code 6 and
// code 11 share one message).
#define IDS_HTML_ERR_TAG_FORMAT      61447
#define IDS_HTML_ERR_REPORT          61448
#define IDS_HTML_ERR_END_OF_FILE     61449
#define IDS_HTML_ERR_COMMENT_END     61450
#define IDS_HTML_ERR_UNKNOWN_CHAR    61451
#define IDS_HTML_ERR_UNKNOWN_TAG     61452
#define IDS_HTML_ERR_CHAR_FORMAT     61453
#define IDS_HTML_ERR_NONE            61454
#define IDS_HTML_ERR_SPACES_AROUND   61455
#define IDS_HTML_ERR_UNKNOWN_PARAM   61456
#define IDS_HTML_ERR_PARAM_RANGE     61457
#define IDS_HTML_ERR_FATAL           61458

// Reading a native document: a file newer than the program, and the offer
// to salvage the text of a damaged one.
#define IDS_FILE_TOO_NEW             46201
#define IDS_FILE_RECOVER             46260

// Conversion through the intermediate file: the texts the exporter writes
// around page-number records and into the summary record. "Page:" is
// ID_INDICATOR_PAGE (46044); the progress captions are IDS_PROGRESS_*.
#define IDS_CONVERT_PAGE_WORD        57761
#define IDS_CONVERT_OF               57762
#define IDS_CONVERT_PAGES            57763
#define IDS_CONVERT_SUMMARY_TITLE    57765
#define IDS_CONVERT_SUMMARY_AUTHOR   57766
#define IDS_CONVERT_PAGE_COLON       46044

// Opening and saving files of every type: the DOS reader's messages, the
// open's failures, the save dialog's filters and the template check.
#define IDS_DOS_FILE_NOT_FOUND       46234
#define IDS_DOS_CANNOT_OPEN_INPUT    46235
#define IDS_NOT_A_TEMPLATE           46240
#define IDS_DOS_WRONG_FORMAT         46243
// The DOS reader's password prompt and its refusals, a settings line it
// cannot read, and the page-number pattern of its headers.
#define IDS_DOS_ENTER_PASSWORD       46229
#define IDS_DOS_WRONG_PASSWORD       46230
#define IDS_DOS_NO_TEMPORARY_FILE    46231
#define IDS_DOS_BAD_SETTINGS_LINE    46223
#define IDS_DOS_PAGE_PATTERN         46074
#define IDS_SAVE_FILTERS             57769
#define IDS_OPEN_NO_SUCH_FILE        61467
#define IDS_OPEN_FILE_IN_USE         61469

// The application shell: menus, accelerators, toolbars, panes.
#include "shell_ids.h"

// The application's commands and small dialogs (resources/dialogs.rc).
#define IDS_OPEN_FILTERS             57768
#define IDS_HELP_USERS_GUIDE_FILE    57785
#define IDS_HELP_SUPPORT_FILE        57786
#define IDS_DEFAULT_TEMPLATE_NAME    57791
#define IDS_TIP_HEADING              61446
#define IDB_TIP_BULB                 102

// Conversion through outside filters: the recogniser's and the filters'
// messages (the progress captions are in shell_ids.h).
#define IDS_CONV_NO_RECOGNISER_ENTRY 46203
#define IDS_CONV_NO_RECOGNISER       46204
#define IDS_CONV_DISK_FULL           46206
#define IDS_CONV_ERROR_IN_DLL        46207
#define IDS_CONV_FILTER_NOT_FOUND    46208
#define IDS_CONV_ENCRYPTED           46209
#define IDS_CONV_FATAL               46210
#define IDS_CONV_NO_MEMORY           46213
#define IDS_CONV_NO_FUNCTION         46214
#define IDS_CONV_BAD_FORMAT          46215
#define IDS_CONV_TOO_LARGE           46216
#define IDS_CONV_ERROR_OPENING       46217
#define IDS_CONV_ERROR_READING       46220
#define IDS_CONV_ERROR_WRITING       46221
