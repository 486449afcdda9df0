// Resource ids of ztwrite.rc, shared by the code and the resource script so
// the two cannot drift apart.
#pragma once

// The application's title (the class library reads it under this id).
#define AFX_IDS_APP_TITLE 0xE000
