// The style tables' shared state: the flag by which the document reader
// selects the older stored layout of style records.
#include "afx.h"
#include "old_version.h"
#include "GStyleTbl.h"


// The four tables of a document.
template class GStyleTbl<GFontStyle>;
template class GStyleTbl<GParaStyle>;
template class GStyleTbl<GMasterStyle>;
template class GStyleTbl<GListStyle>;
