// The open path's entry into the HTML importer.
#include "html/html_services.h"
#include "html/CWHtmlImport.h"
#include "document/CWDocument.h"

BOOL HtmlImportFile(const char* path, CWDocument* doc)
{
    if (!doc)
        return FALSE;
    CChangeBracket bracket(doc);
    if (!doc->OnNewDocument())
        return FALSE;
    CWHtmlImport importer(path, doc);
    const BOOL read = importer.Import();
    doc->SetModifiedFlag(FALSE);
    return read;
}
