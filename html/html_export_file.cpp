// The save path's entry into the HTML exporter.
#include "html/html_services.h"
#include "html/CWHtmlExport.h"
#include "document/CWDocument.h"

BOOL HtmlExportFile(CWDocument* doc)
{
    if (!doc)
        return FALSE;
    BOOL written = FALSE;
    {
        CWHtmlExport exporter(doc);
        written = exporter.Export();
    }
    // The page or one of its pictures could not be written: the user
    // hears so, and the save fails.
    if (!written)
        doc->ReportSaveLoadException(doc->GetPathName(), NULL, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
    return written;
}
