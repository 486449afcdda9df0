// The base of every undoable operation kind; the undo stack holds these
// and the flow's editing interface records them.
#pragma once
#include "afx.h"

class GDoc;

// An undoable change. The flow it acts on comes first; grouped steps keep
// their document there instead.
class CWOperationItem : public CObject
{
    DECLARE_DYNAMIC(CWOperationItem)
public:
    virtual ~CWOperationItem() {}

    // Revert and re-apply the change; every kind answers 1.
    virtual BOOL ActionUndo() = 0;
    virtual BOOL ActionRedo() = 0;
    // Operations are never folded together; every kind answers 0.
    virtual BOOL Merge(CWOperationItem* next) = 0;
    // The text shown in the Undo and Redo menu items and the drop list.
    virtual CString GetName() = 0;

protected:
    GDoc* m_pDoc = NULL;
};

// The name of an operation: the string-table text id, or text while the
// table does not hold it.
CString OperationName(int id, const char* text);
