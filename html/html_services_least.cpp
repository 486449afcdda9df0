#include "html/html_services.h"

// Still missing: the exporter of HTML files; until it exists a save as
// HTML refuses and no file is written.
BOOL HtmlExportFile(CWDocument*) { return FALSE; }
