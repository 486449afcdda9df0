// Undoable page and column breaks; recorded by the view's break commands.
#pragma once
#include "editing/CWOperationItem.h"

// A page break: the paragraph end and page end pair typed at a position.
class CWOpNewPage : public CWOperationItem
{
    DECLARE_OPERATION(CWOpNewPage)
    CWOpNewPage(GDoc* flow, long pos);

private:
    LONG m_nPos = 0;
};

// A column break: the paragraph at the position set in one text column as
// wide as the page's text, after the paragraph ends typed for it.
class CWOpNewColumn : public CWOperationItem
{
    DECLARE_OPERATION(CWOpNewColumn)
    // Flag bits: a paragraph end was typed in front of the break; a
    // paragraph end was typed to form the break.
    static const LONG kParaEndBefore = 1;
    static const LONG kParaEndForms = 2;

    // pos: the break's paragraph; the second value is kept and not used.
    CWOpNewColumn(GDoc* flow, long pos, long unused, long flags);

private:
    // With a paragraph end typed in front, undo and redo move the position
    // back and forth by one; the two always alternate.
    LONG m_nPos = 0;
    LONG m_nUnused = 0;
    LONG m_nFlags = 0;
};
