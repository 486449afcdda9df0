// Least version of placing the caret: does nothing; still missing the
// system caret at the flow's caret position and the status-bar panes.
#include "view/CWView.h"

void CWView::SetCaret(int)
{
}
