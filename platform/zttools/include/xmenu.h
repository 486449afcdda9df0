// The tools library's menu object and accelerator manager of a frame.
#pragma once
#include "afxwin.h"

// The frame's menu with the pictures of the toolbar strips beside its
// items. Still missing: items show no pictures yet; the strips are kept.
class CXMenu
{
public:
    void AddToolBarResource(UINT nIDResource) { m_strips.Add(nIDResource); }
    const CUIntArray& GetToolBarResources() const { return m_strips; }

private:
    CUIntArray m_strips;
};

// Accelerator tables tried in the order they were added.
class CXAcceleratorManager
{
public:
    ~CXAcceleratorManager();
    // FALSE when the resource has no such table.
    BOOL AddAccelTable(UINT nIDResource);
    int GetTableCount() const { return (int)m_tables.GetSize(); }
    // TRUE when a table turned the key message into a command for hWnd.
    BOOL Translate(HWND hWnd, MSG* pMsg);

private:
    CArray<HACCEL, HACCEL> m_tables;
};
