// The editing state of documents (current undo stack, pending style) and
// the change bracket.
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include "model/GDoc.h"

CWDocEditing& GetDocEditing(CWDocument* doc)
{
    CWDocEditing*& state = doc->m_pEditing;
    if (!state)
    {
        state = new CWDocEditing;
        state->pOwnStack = new CWUndoRedoStack;
        state->pUndoStack = state->pOwnStack;
    }
    return *state;
}

void ReleaseDocEditing(CWDocument* doc)
{
    if (!doc || !doc->m_pEditing)
        return;
    delete doc->m_pEditing->pOwnStack;
    delete doc->m_pEditing;
    doc->m_pEditing = nullptr;
}

CWUndoRedoStack* GetDocUndoStack(CWDocument* doc)
{
    return doc ? GetDocEditing(doc).pUndoStack : NULL;
}

void SetDocUndoStack(CWDocument* doc, CWUndoRedoStack* stack)
{
    if (doc)
        GetDocEditing(doc).pUndoStack = stack;
}

BOOL DocMakeUndo(CWDocument* doc)
{
    CWUndoRedoStack* stack = GetDocUndoStack(doc);
    return stack ? stack->Undo() : FALSE;
}

BOOL DocMakeRedo(CWDocument* doc)
{
    CWUndoRedoStack* stack = GetDocUndoStack(doc);
    return stack ? stack->Redo() : FALSE;
}

BOOL DocCanUndo(CWDocument* doc)
{
    CWUndoRedoStack* stack = GetDocUndoStack(doc);
    return doc && doc->m_bUndoEnabled && stack ? stack->CanUndo() : FALSE;
}

BOOL DocCanRedo(CWDocument* doc)
{
    CWUndoRedoStack* stack = GetDocUndoStack(doc);
    return doc && doc->m_bUndoEnabled && stack ? stack->CanRedo() : FALSE;
}
