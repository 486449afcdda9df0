// CObject and CRuntimeClass: type tests, dynamic creation and the registry
// of creatable classes.
#include "afx.h"

CRuntimeClass CObject::classCObject = { "CObject", (int)sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr };

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &CObject::classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Serialize(CArchive&)
{
}

CObject* CRuntimeClass::CreateObject() const
{
    if (!m_pfnCreateObject)
        return nullptr;
    return m_pfnCreateObject();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

// Head of the registry. A plain pointer with constant initialisation, so it
// is valid before any constructor of any module runs.
static CRuntimeClass* g_firstClass = nullptr;

void CRuntimeClass::Register(CRuntimeClass* pClass)
{
    for (CRuntimeClass* p = g_firstClass; p; p = p->m_pNextClass)
        if (p == pClass)
            return;
    pClass->m_pNextClass = g_firstClass;
    g_firstClass = pClass;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    for (CRuntimeClass* p = g_firstClass; p; p = p->m_pNextClass)
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    return nullptr;
}
