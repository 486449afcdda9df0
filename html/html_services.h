// What the open and save dispatch asks of the HTML subsystem. The document
// layer calls these; their definitions live in html/ (the importer and the
// exporter), so the dispatch needs no header of their classes.
#pragma once
#include "afxwin.h"

class CWDocument;

// Reads the HTML file at path into doc's body flow (doc is new and empty,
// its styles the defaults). FALSE when the file could not be read; the
// importer has then told the user why.
BOOL HtmlImportFile(const char* path, CWDocument* doc);

// Writes doc as an HTML file at its path name. FALSE when the file could
// not be written whole; the exporter has then told the user why.
BOOL HtmlExportFile(CWDocument* doc);
