// The framework library's document template: the class library's
// multi-document template with the menus and keys of a document edited in
// place, as a container (SetContainerInfo) and as a server
// (SetServerInfo), loaded from the resources and freed with the template.
#pragma once
#include "afxwin.h"

class CZTMultiDocTemplate : public CMultiDocTemplate
{
    DECLARE_DYNAMIC(CZTMultiDocTemplate)
public:
    CZTMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                        CRuntimeClass* pViewClass);
    virtual ~CZTMultiDocTemplate();

    // The menu and keys of resource nIDContainer while an object of the
    // document is active in place.
    void SetContainerInfo(UINT nIDOleInPlaceContainer);
    // The menus and keys of resource nIDOleEmbedding (opened embedded) and
    // nIDOleInPlaceServer (active in another program's window).
    void SetServerInfo(UINT nIDOleEmbedding, UINT nIDOleInPlaceServer = 0,
                       CRuntimeClass* pOleFrameClass = nullptr, CRuntimeClass* pOleViewClass = nullptr);

    HMENU m_hMenuInPlace = nullptr;
    HACCEL m_hAccelInPlace = nullptr;
    HMENU m_hMenuEmbedding = nullptr;
    HACCEL m_hAccelEmbedding = nullptr;
    HMENU m_hMenuInPlaceServer = nullptr;
    HACCEL m_hAccelInPlaceServer = nullptr;

private:
    static void Load(UINT nID, HMENU& menu, HACCEL& accel);
    static void Free(HMENU& menu, HACCEL& accel);
};
