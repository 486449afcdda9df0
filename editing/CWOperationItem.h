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
    explicit CWOperationItem(GDoc* flow = NULL) : m_pDoc(flow) {}
    virtual ~CWOperationItem() {}

    // Revert and re-apply the change; every kind answers 1.
    virtual BOOL ActionUndo() = 0;
    virtual BOOL ActionRedo() = 0;
    // Folds next into this operation; no kind folds, so the default
    // answers FALSE.
    virtual BOOL Merge(CWOperationItem* next);
    // The text shown in the Undo and Redo menu items and the drop list.
    virtual CString GetName() = 0;

protected:
    GDoc* m_pDoc;
};

// What every operation kind declares: its run-time class, the default
// constructor that run-time creation needs, undo, redo and its name. The
// kind states only what differs; the members after it are public.
#define DECLARE_OPERATION(class_name) \
    DECLARE_DYNCREATE(class_name) \
public: \
    class_name() {} \
    BOOL ActionUndo() override; \
    BOOL ActionRedo() override; \
    CString GetName() override;

// The name of an operation: the string-table text id, or text while the
// table does not hold it.
CString OperationName(int id, const char* text);
