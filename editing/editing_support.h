// Helpers the flow's editing interface shares: recording an operation,
// updating footnotes and marking the document modified. Used by editing/.
#pragma once
#include "model/GDoc.h"

class CWOperationItem;

// Records op on the flow's document when undo is enabled: the current
// stack takes it, or it is deleted. Answers 1 when the stack took it.
BOOL RecordOperation(GDoc* flow, CWOperationItem* op);
// Not 0 when recordings of the flow's document are wanted.
BOOL UndoEnabled(const GDoc* flow);

// Footnote numbers follow the text: each footnote field is updated.
void UpdateFootNotes(GDoc* flow, bool lastFirst);
void MarkModified(GDoc* flow);
// Inserted text from..to takes the document's armed pending character
// style (which disarms it); answers whether one was armed.
bool ApplyPendingStyle(GDoc* flow, long from, long to);
// After an edit inside one row: the row is redrawn and re-broken, footnote
// numbers follow, the views are told and the document is modified.
// textOnly as GDoc::ReRowByRow takes it; wholeParagraph breaks row's
// paragraph from row to its end, with no early stop.
void FinishRowEdit(GDoc* flow, long row, bool textOnly = false, bool wholeParagraph = false);
// No control character (paragraph end, break, tab, field mark) lies in
// from..to - 1.
bool OrdinaryStretch(const GDoc* flow, long from, long to);
// The paragraphs that from..to touches (to's included) do not all have
// the style of the first: joined or split there, rows broken to one
// paragraph's indents and alignment may now belong to another.
bool ParagraphStylesDiffer(const GDoc* flow, long from, long to);
// A frame text flow whose frame has no anchor flow never puts the caret
// or the selection start at 0.
bool IsUnanchoredFlow(const GDoc* flow);
// Text length without the closing 13, 12, 0 counted: the highest caret.
inline long LastCaretPos(const GDoc* flow) { return flow->m_chars.count - 3; }
// The paragraphs a border or shading change covers: the selection [s, e)
// unless from or to is given (not negative), kept inside the text, in
// order, and without the paragraph end it stops after.
void ParagraphChangeRange(const GDoc* flow, long s, long e, long& from, long& to);
// The end to give ParagraphChangeRange for it to make from..to again (redo
// replays a change through it): one past a paragraph end the range stops
// at.
long ParagraphChangeEnd(const GDoc* flow, long from, long to);
