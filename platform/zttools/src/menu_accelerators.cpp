// Accelerator tables of a frame, tried in the order they were added.
#include "xmenu.h"

CXAcceleratorManager::~CXAcceleratorManager()
{
    // Tables loaded from resources are freed with their module.
}

BOOL CXAcceleratorManager::AddAccelTable(UINT nIDResource)
{
    HACCEL table = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (!table)
        return FALSE;
    m_tables.Add(table);
    return TRUE;
}

BOOL CXAcceleratorManager::Translate(HWND hWnd, MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    for (int i = 0; i < m_tables.GetSize(); i++)
        if (::TranslateAcceleratorA(hWnd, m_tables[i], pMsg))
            return TRUE;
    return FALSE;
}
