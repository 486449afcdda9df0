// The zoom text the toolbar showed last.
#include "view/CWView.h"

CString CWView::sZoomCache;
