// The frame that stands in for the main frame while a container shows a
// document in place; its frame data keeps the status bar disabled.
#pragma once
#include "afxwin.h"
#include "app/CWCustomFrameData.h"

// Still missing: the in-place frame of the framework library it derives
// from (toolbars in the container, commands, help), which comes with the
// embedding layer; for now a plain frame with its frame data.
class CWInPlaceFrame : public CFrameWnd, public CWCustomFrameData
{
    DECLARE_DYNCREATE(CWInPlaceFrame)
public:
    CWInPlaceFrame();
    virtual ~CWInPlaceFrame();
    virtual CWnd* GetParent() override { return this; }
    virtual CXCToolBarManager* GetToolbars() override { return nullptr; }
    virtual CStatusBar* GetStatusbar() { return &m_statusBar; }
};
