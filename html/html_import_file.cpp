// The open path's entry into the HTML importer.
#include "html/html_services.h"
#include "html/CWHtmlImport.h"
#include "document/CWDocument.h"

BOOL HtmlImportFile(const char* path, CWDocument* doc)
{
    if (!doc)
        return FALSE;
    // A file that cannot be read leaves the document as it was, and the
    // user hears why.
    {
        CFile probe;
        CFileException error;
        if (!probe.Open(path, CFile::modeRead | CFile::shareDenyNone, &error))
        {
            doc->ReportSaveLoadException(path, &error, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
            return FALSE;
        }
    }
    CChangeBracket bracket(doc);
    if (!doc->OnNewDocument())
        return FALSE;
    CWHtmlImport importer(path, doc);
    const BOOL read = importer.Import();
    doc->SetModifiedFlag(FALSE);
    if (!read)
        doc->ReportSaveLoadException(path, nullptr, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
    return read;
}
