// Least versions of the Format menu's Font and Bullets commands: both do
// nothing; still missing the text-properties sheet on the selection's font,
// and on its bullets and numbering, with the result applied as one step.
#include "view/CWView.h"

void CWView::OnFormatFont()
{
}

void CWView::OnFormatBullets()
{
}
