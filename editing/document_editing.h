// The document's editing state that the flow's editing interface needs: the
// current undo stack and the pending character style.
// Used by editing/; CWDocument holds the record (m_pEditing).
#pragma once
#include "document/CWDocument.h"
#include "model/GFontStyle.h"

class CWUndoRedoStack;

// What a document keeps for editing.
struct CWDocEditing
{
    CWUndoRedoStack* pOwnStack = NULL;   // the document's own stack, owned
    CWUndoRedoStack* pUndoStack = NULL;  // where recordings go now; a grouped step redirects it
    BOOL bPendingStyle = FALSE;          // armed: the next inserted text takes pendingStyle
    GFontStyle pendingStyle;
};

// The editing record of doc, made with its own undo stack on first use.
CWDocEditing& GetDocEditing(CWDocument* doc);
// Frees the record and its undo stack; to be called when doc goes.
void ReleaseDocEditing(CWDocument* doc);

// The current undo stack of doc (recordings go there).
CWUndoRedoStack* GetDocUndoStack(CWDocument* doc);
void SetDocUndoStack(CWDocument* doc, CWUndoRedoStack* stack);

// Undo and redo of the document's current stack; CanUndo/CanRedo answer 0
// while the undo-enabled flag is clear.
BOOL DocMakeUndo(CWDocument* doc);
BOOL DocMakeRedo(CWDocument* doc);
BOOL DocCanUndo(CWDocument* doc);
BOOL DocCanRedo(CWDocument* doc);
