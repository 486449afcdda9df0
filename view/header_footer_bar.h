// The header-and-footer toolbar, shown while a header or footer is edited.
#pragma once

// Parts 1 to 6 are the headers and footers.
bool IsHeaderFooterPart(long part);
// Shows (floated at its usual place when docked) or hides the toolbar of
// the frame in use.
void ShowHeaderFooterBar(bool show);
