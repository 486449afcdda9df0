// What layout asks of the document that owns a flow: its page set-up, its
// flows, its page frame list, header flows and views. Used by the frames
// and the row breaker.
#pragma once
#include "afxwin.h"
#include "model/GArray.h"

class CWDocument;
class CFrame;
class GDoc;
struct GPageInfo;

// The document's page set-up (its first page information record); a
// default A4 record for a flow outside a document.
const GPageInfo& DocPageInfo(CWDocument* doc);
// Flow index of the document's flow list, or null.
GDoc* DocFlow(CWDocument* doc, long index);
// Place of a flow in the document's flow list, -1 when it is not there.
long DocFlowIndex(CWDocument* doc, const GDoc* flow);
// The frames without an anchor flow (body, headers, footers).
GArrayI<CFrame*>* DocPageFrames(CWDocument* doc);
// The first-page-different and odd/even-different switches of the page
// set-up.
int DocFirstPageDiffers(CWDocument* doc);
int DocOddEvenDiffers(CWDocument* doc);
// The flow that holds the header of a page (pages from 0): 1 for a
// different first page, 3 for odd-numbered pages when odd and even pages
// differ, else 2.
long DocPageHeader(CWDocument* doc, long page);
// Repaints the document's view after a frame moved.
void DocInvalidateView(CWDocument* doc);
