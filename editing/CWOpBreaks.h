// Undoable page breaks; recorded by the view's break command.
#pragma once
#include "CWOperationItem.h"

// A page break: the paragraph end and page end pair typed at a position.
class CWOpNewPage : public CWOperationItem
{
    DECLARE_DYNCREATE(CWOpNewPage)
public:
    CWOpNewPage() {}
    CWOpNewPage(GDoc* flow, long pos);
    BOOL ActionUndo() override;
    BOOL ActionRedo() override;
    BOOL Merge(CWOperationItem*) override { return FALSE; }
    CString GetName() override;

private:
    LONG m_nPos = 0;
};
