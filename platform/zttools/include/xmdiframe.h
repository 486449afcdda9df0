// The tools library's multi-document frame: the class library's, with a
// toolbar manager whose toolbars it carries.
#pragma once
#include "afxwin.h"
#include "xtoolbarmgr.h"

class CXCMDIFrameWnd : public CMDIFrameWnd
{
    DECLARE_DYNAMIC(CXCMDIFrameWnd)
public:
    CXCMDIFrameWnd();
    CXCToolBarManager* GetToolBarManager() { return &m_toolBarManager; }

    void OnSize(UINT nType, int cx, int cy);

protected:
    CXCToolBarManager m_toolBarManager;
    DECLARE_MESSAGE_MAP()
};
