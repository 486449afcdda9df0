// The flag by which the document reader asks the style records for their
// older stored layout; the style tables read it.
#pragma once

// Not 0 while a document of the older native layout is being read. The
// document's reader sets and clears it.
extern int bReadOldVersion;
