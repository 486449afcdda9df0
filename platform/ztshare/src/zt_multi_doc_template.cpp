// The framework library's document template.
#include "ZTMultiDocTemplate.h"

IMPLEMENT_DYNAMIC(CZTMultiDocTemplate, CMultiDocTemplate)

CZTMultiDocTemplate::CZTMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                         CRuntimeClass* pViewClass)
    : CMultiDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CZTMultiDocTemplate::~CZTMultiDocTemplate()
{
    Free(m_hMenuInPlace, m_hAccelInPlace);
    Free(m_hMenuEmbedding, m_hAccelEmbedding);
    Free(m_hMenuInPlaceServer, m_hAccelInPlaceServer);
}

void CZTMultiDocTemplate::Load(UINT nID, HMENU& menu, HACCEL& accel)
{
    Free(menu, accel);
    if (!nID)
        return;
    HINSTANCE module = AfxGetResourceHandle();
    menu = ::LoadMenuA(module, MAKEINTRESOURCEA(nID));
    accel = ::LoadAcceleratorsA(module, MAKEINTRESOURCEA(nID));
}

void CZTMultiDocTemplate::Free(HMENU& menu, HACCEL& accel)
{
    if (menu)
        ::DestroyMenu(menu);
    // Accelerator tables loaded from resources are freed with the module.
    menu = nullptr;
    accel = nullptr;
}

void CZTMultiDocTemplate::SetContainerInfo(UINT nIDOleInPlaceContainer)
{
    CMultiDocTemplate::SetContainerInfo(nIDOleInPlaceContainer);
    Load(nIDOleInPlaceContainer, m_hMenuInPlace, m_hAccelInPlace);
}

void CZTMultiDocTemplate::SetServerInfo(UINT nIDOleEmbedding, UINT nIDOleInPlaceServer, CRuntimeClass* pOleFrameClass,
                                        CRuntimeClass* pOleViewClass)
{
    CMultiDocTemplate::SetServerInfo(nIDOleEmbedding, nIDOleInPlaceServer, pOleFrameClass, pOleViewClass);
    Load(nIDOleEmbedding, m_hMenuEmbedding, m_hAccelEmbedding);
    Load(nIDOleInPlaceServer, m_hMenuInPlaceServer, m_hAccelInPlaceServer);
}
