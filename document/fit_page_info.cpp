#include "document/CWDocument.h"

// Still missing: fitting the column widths and the page-part frames to page
// set-up 0; until then the document keeps its widths and frames.
void CWDocument::FitDocumentToPageInfo(int) {}
