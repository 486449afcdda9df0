// The base of the undoable operations: its run-time class and the names
// operations show in the Undo and Redo menu items.
#include "editing/CWOperationItem.h"
#include "model/utilities.h"

IMPLEMENT_DYNAMIC(CWOperationItem, CObject)

BOOL CWOperationItem::Merge(CWOperationItem*)
{
    return FALSE;
}

CString OperationName(int id, const char* text)
{
    CString name = GetResourceString(id);
    return name.IsEmpty() ? CString(text) : name;
}
