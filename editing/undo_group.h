// A grouped undo step held open for a scope: the commands of this folder
// that make several recorded changes open one, and every way out ends it.
#pragma once
#include "editing/CWOpBigUndo.h"
#include "editing/editing_support.h"

class CUndoGroup
{
public:
    // Opens a group named by the string id when the flow's document
    // records undo; otherwise, or when its stack refuses, no group is used.
    CUndoGroup(GDoc* flow, int nameId)
    {
        if (!flow->m_pOwner || !UndoEnabled(flow))
            return;
        CWOpBigUndo* group = new CWOpBigUndo(flow->m_pOwner, nameId);
        if (RecordOperation(flow, group))
        {
            m_pGroup = group;
            m_pGroup->Start();
        }
    }
    ~CUndoGroup() { End(); }
    void End()
    {
        if (m_pGroup)
            m_pGroup->End();
        m_pGroup = nullptr;
    }
    CUndoGroup(const CUndoGroup&) = delete;
    CUndoGroup& operator=(const CUndoGroup&) = delete;

private:
    CWOpBigUndo* m_pGroup = nullptr;
};
