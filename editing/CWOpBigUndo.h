// A grouped undo step: the operations recorded between Start and End are
// undone and redone as one. Used by commands that make several changes.
#pragma once
#include "editing/CWUndoRedoStack.h"

class CWDocument;

class CWOpBigUndo : public CWOperationItem
{
    DECLARE_OPERATION(CWOpBigUndo)
    // An empty name is taken from the first inner operation at End.
    CWOpBigUndo(CWDocument* doc, CString name);
    CWOpBigUndo(CWDocument* doc, int nameId);
    virtual ~CWOpBigUndo();

    // Redirects the document's recordings into the group.
    void Start();
    // Restores the document's stack; a group that recorded nothing removes
    // itself from that stack (and no longer exists afterwards).
    void End();

    CWUndoRedoStack* GetInner() const { return m_pInner; }

private:
    CWDocument* m_pDocument = NULL;
    CWUndoRedoStack* m_pInner = NULL;   // owned; keeps every inner operation
    CWUndoRedoStack* m_pSaved = NULL;
    CString m_name;
};
