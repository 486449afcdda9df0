// Undoable frame operations: a text frame or callout inserted or deleted,
// and a frame moved or resized. Recorded by the view's frame commands.
#pragma once
#include "editing/CWOperationItem.h"

class CFrame;
class CWDocument;

// A frame inserted (inserted 1) or deleted (0). The frame and its content
// flow stay allocated while they are out of the document.
class CWOpFrame : public CWOperationItem
{
    DECLARE_OPERATION(CWOpFrame)
    CWOpFrame(GDoc* flow, CFrame* frame, int inserted);

    // Puts the frame into its flow and document, or takes it out.
    void Insert();
    void Delete();

private:
    CFrame* m_pFrame = NULL;   // never freed here
    int m_bInserted = 0;
};

// A frame moved or resized by the given changes on a page.
class CWOpMoveResizeFrame : public CWOperationItem
{
    DECLARE_OPERATION(CWOpMoveResizeFrame)
    CWOpMoveResizeFrame(CFrame* frame, CWDocument* doc, int dy, int dx, int dHeight, int dWidth, long page);

private:
    void Apply(int sign);

    CFrame* m_pFrame = NULL;
    CWDocument* m_pDocument = NULL;
    LONG m_dy = 0, m_dx = 0, m_dHeight = 0, m_dWidth = 0;
    LONG m_nPage = 0;
};
