// The framework library's document window: the class library's MDI child
// with the family's splitter state.
#pragma once
#include "afxwin.h"

class CZTChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CZTChildWnd)
public:
    CZTChildWnd();

    // Whether the client area was split by the user; a new client area
    // starts unsplit (0).
    int m_nSplitState = 0;

    DECLARE_MESSAGE_MAP()
};
