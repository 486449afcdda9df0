// Filling a new document from a template file.
#include "document/CWDocument.h"

BOOL CWDocument::OnOpenDocumentFromTemplate(LPCSTR path)
{
    (void)path;
    return FALSE;
}
