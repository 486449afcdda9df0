#include "html/html_services.h"

// Still missing: the importer of HTML files; until it exists an HTML
// file does not open.
BOOL HtmlImportFile(const char*, CWDocument*) { return FALSE; }
