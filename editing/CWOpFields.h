// Undoable field operations: an inserted field, a deleted field and a
// resized picture or object. Recorded by InsertField, DeleteText and the
// view's resize command.
#pragma once
#include "editing/CWOperationItem.h"

class GField;

// A field put into the flow; the field as it stood is kept at the first
// undo, so that redo brings back its state of that moment.
class CWOpInsertField : public CWOperationItem
{
    DECLARE_DYNCREATE(CWOpInsertField)
public:
    CWOpInsertField() {}
    CWOpInsertField(GDoc* flow, long pos, GField* field);
    ~CWOpInsertField() override;
    BOOL ActionUndo() override;
    BOOL ActionRedo() override;
    BOOL Merge(CWOperationItem*) override { return FALSE; }
    CString GetName() override { return m_name; }

private:
    LONG m_nPos = 0;
    GField* m_pCopy = NULL;      // owned; none until the first undo
    CString m_name;
};

// A field about to be removed; a copy of it is kept from the start.
class CWOpDeleteField : public CWOperationItem
{
    DECLARE_DYNCREATE(CWOpDeleteField)
public:
    CWOpDeleteField() {}
    CWOpDeleteField(GDoc* flow, long pos, GField* field);
    ~CWOpDeleteField() override;
    BOOL ActionUndo() override;
    BOOL ActionRedo() override;
    BOOL Merge(CWOperationItem*) override { return FALSE; }
    CString GetName() override;

private:
    LONG m_nPos = 0;
    GField* m_pCopy = NULL;      // owned
};

// A picture or embedded object given a new size; undo and redo swap the
// recorded size with the field's current one.
class CWOpResize : public CWOperationItem
{
    DECLARE_DYNCREATE(CWOpResize)
public:
    CWOpResize() {}
    CWOpResize(GDoc* flow, GField* field, long pos);
    BOOL ActionUndo() override;
    BOOL ActionRedo() override;
    BOOL Merge(CWOperationItem*) override { return FALSE; }
    CString GetName() override;

private:
    void Swap();

    GField* m_pField = NULL;     // not owned
    LONG m_nWidth = 0;
    LONG m_nHeight = 0;
    LONG m_nPos = 0;
};

// Kinds the editing operations record: not list numbers nor unused codes.
bool IsRecordedFieldKind(BYTE kind);
