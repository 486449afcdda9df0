#include "html/html_services.h"

// Still missing: the importer and the exporter of HTML files; until they
// exist both refuse, so an HTML file neither opens nor is written.
BOOL HtmlImportFile(const char*, CWDocument*) { return FALSE; }
BOOL HtmlExportFile(CWDocument*) { return FALSE; }
