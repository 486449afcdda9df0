// Ids of the application's start-up: caption labels, the titles of new
// templates and of the clipboard document, the OLE failure, the splash
// bitmap, the embedding menus and the document window's ruler commands.
#pragma once

#define IDS_CAPTION_LABEL_IMAGE     57750
#define IDS_CAPTION_LABEL_FIELD     57752
#define IDS_CAPTION_LABEL_OBJECT    57788
#define IDS_CAPTION_LABEL_TABLE     57770
#define IDS_CAPTION_LABEL_PICTURE   57771
#define IDS_CAPTION_LABEL_LABEL     57772
#define IDS_CLIPBOARD_TITLE         57783
#define IDS_TEMPLATE_TITLE          57784
#define IDS_OLE_INIT_FAILED         46263

#define IDB_SPLASH                  135

// Menus and keys of a document while an object in it is active in place,
// while it is opened embedded, and while it is active inside another
// program.
#define IDR_CONTAINER_INPLACE       5001
#define IDR_SERVER_EMBEDDING        5002
#define IDR_SERVER_INPLACE          5003

// The document window's rulers.
#define ID_VIEW_RULER_HORIZONTAL    36044
#define ID_VIEW_RULER_BOTH          36045
#define ID_VIEW_RULER_VERTICAL      36048
