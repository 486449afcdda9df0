// Undoable field operations: an inserted field, a deleted field and a
// resized picture or object. Recorded by InsertField, DeleteText and the
// view's resize command.
#pragma once
#include "editing/CWOperationItem.h"

class GField;

// A field at a position of the flow, with a copy of it that the operation
// owns: what inserted and deleted fields keep.
class CWOpFieldCopy : public CWOperationItem
{
    DECLARE_DYNAMIC(CWOpFieldCopy)
protected:
    CWOpFieldCopy() {}
    CWOpFieldCopy(GDoc* flow, long pos, GField* copy);
    ~CWOpFieldCopy() override;
    // Takes copy as the kept copy; a footnote's note is kept with it.
    void Hold(GField* copy);

    LONG m_nPos = 0;
    GField* m_pCopy = NULL;   // owned
};

// A field put into the flow; the field as it stood is copied at the first
// undo, so that redo brings back its state of that moment.
class CWOpInsertField : public CWOpFieldCopy
{
    DECLARE_OPERATION(CWOpInsertField)
    CWOpInsertField(GDoc* flow, long pos, GField* field);

private:
    CString m_name;
};

// A field about to be removed; it is copied from the start. A cell
// field's copy may lose its cell's name, so the name is kept beside it.
class CWOpDeleteField : public CWOpFieldCopy
{
    DECLARE_OPERATION(CWOpDeleteField)
    CWOpDeleteField(GDoc* flow, long pos, GField* field);

private:
    CString m_cellName;
};

// A picture or embedded object given a new size; undo and redo swap the
// recorded size with the field's current one.
class CWOpResize : public CWOperationItem
{
    DECLARE_OPERATION(CWOpResize)
    CWOpResize(GDoc* flow, GField* field, long pos);

private:
    void Swap();

    GField* m_pField = NULL;     // not owned
    LONG m_nWidth = 0;
    LONG m_nHeight = 0;
    LONG m_nPos = 0;
};

// Kinds the editing operations record: not list numbers nor unused codes.
bool IsRecordedFieldKind(BYTE kind);
