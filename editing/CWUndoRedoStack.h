// The undo ring of a document or of a grouped step: a fixed number of
// operations, the oldest dropped when full. Documents and CWOpBigUndo own one.
#pragma once
#include "afxtempl.h"
#include "editing/CWOperationItem.h"

// Names of the next undo and redo; set by CanUndo and CanRedo.
extern CString UndoText;
extern CString RedoText;

const LONG kMostUndoSteps = 1000;
// The "UndoSteps" setting of Options, kept within 0..1000.
LONG GetUndoSteps();

class CWUndoRedoStack : public CObject
{
public:
    enum State : BYTE { kIdle = 0, kUndoing = 1, kRedoing = 2 };

    // A growing stack (the inner stack of a grouped step) ignores the
    // setting and never drops an entry: it makes room when full.
    explicit CWUndoRedoStack(BOOL growing = FALSE);
    virtual ~CWUndoRedoStack();

    // Follows the setting: growing keeps the ring order, shrinking drops
    // the oldest entries; pending redos are lost either way.
    void CorrectSize();
    // 1: the stack owns op now; 0: refused (undoing, redoing or no room at
    // all), op stays the caller's.
    BOOL AddOperator(CWOperationItem* op);
    // Deletes the newest operation.
    BOOL RemoveLast();
    BOOL Undo();
    BOOL Redo();
    BOOL CanUndo();
    BOOL CanRedo();
    long GetUndoLen();
    long GetRedoLen();
    CString GetUndoName(long i);
    CString GetRedoName(long i);

    BYTE GetState() const { return m_state; }
    long GetCapacity() const { return m_nCapacity; }
    long GetTop() const { return m_nTop; }
    // The operation in a ring slot, or null.
    CWOperationItem* GetSlot(long i) const { return i >= 0 && i < m_nCapacity ? m_ops[i] : NULL; }

private:
    // Runs one action with the state set, and resets the state however the
    // action ends.
    BOOL Run(CWOperationItem* op, State state);

    static const LONG kFirstGrowingCapacity = 8;

    BOOL m_bGrowing;
    CTypedPtrArray<CObArray, CWOperationItem*> m_ops;
    BYTE m_state;
    LONG m_nCapacity;
    LONG m_nTop;
    LONG m_nUndoCount;
    LONG m_nRedoCount;
};
