// The four style tables of a document, instantiated once here for every
// module that uses them.
#include "afx.h"
#include "model/GStyleTbl.h"

// The four tables of a document.
template class GStyleTbl<GFontStyle>;
template class GStyleTbl<GParaStyle>;
template class GStyleTbl<GMasterStyle>;
template class GStyleTbl<GListStyle>;
