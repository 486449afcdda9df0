// A grouped undo step: the operations recorded between Start and End are
// undone and redone as one. Used by commands that make several changes.
#pragma once
#include "editing/CWUndoRedoStack.h"

class CWDocument;

class CWOpBigUndo : public CWOperationItem
{
    DECLARE_DYNCREATE(CWOpBigUndo)
public:
    CWOpBigUndo();
    // An empty name is taken from the first inner operation at End.
    CWOpBigUndo(CWDocument* doc, CString name);
    CWOpBigUndo(CWDocument* doc, int nameId);
    virtual ~CWOpBigUndo();

    // Redirects the document's recordings into the group.
    void Start();
    // Restores the document's stack; a group that recorded nothing removes
    // itself from that stack (and no longer exists afterwards).
    void End();

    BOOL ActionUndo() override;
    BOOL ActionRedo() override;
    BOOL Merge(CWOperationItem*) override { return FALSE; }
    CString GetName() override { return m_name; }

    CWUndoRedoStack* GetInner() const { return m_pInner; }

private:
    CWDocument* m_pDocument;
    CWUndoRedoStack* m_pInner;   // owned; keeps every inner operation
    CWUndoRedoStack* m_pSaved;
    CString m_name;
};
