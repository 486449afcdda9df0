// OLE start-up: the libraries' initialisation, the list of class factories
// and the document template's server.
#include "afxoletemplate.h"

namespace {
BOOL g_oleInitialized = FALSE;
const CLSID kNoClass = {};
}

BOOL AFXAPI AfxOleInit()
{
    if (g_oleInitialized)
        return TRUE;
    HRESULT hr = ::OleInitialize(nullptr);
    // S_FALSE: already initialised on this thread, which is as good.
    if (FAILED(hr))
        return FALSE;
    g_oleInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxOleTerm()
{
    if (!g_oleInitialized)
        return;
    COleObjectFactory::RevokeAll();
    ::OleUninitialize();
    g_oleInitialized = FALSE;
}

BOOL AFXAPI AfxOleIsInitialized()
{
    return g_oleInitialized;
}

// ---------------------------------------------------------------------------
// COleObjectFactory

IMPLEMENT_DYNAMIC(COleObjectFactory, CCmdTarget)

COleObjectFactory* COleObjectFactory::s_pFirstFactory = nullptr;

COleObjectFactory::COleObjectFactory(REFCLSID clsid, CRuntimeClass* pRuntimeClass, BOOL bMultiInstance,
                                     LPCSTR lpszProgID)
    : m_clsid(clsid), m_pRuntimeClass(pRuntimeClass), m_bMultiInstance(bMultiInstance),
      m_strProgID(lpszProgID ? lpszProgID : "")
{
    // Factories are often statics: no Win32 here.
    m_pNextFactory = s_pFirstFactory;
    s_pFirstFactory = this;
}

COleObjectFactory::~COleObjectFactory()
{
    for (COleObjectFactory** link = &s_pFirstFactory; *link; link = &(*link)->m_pNextFactory)
        if (*link == this)
        {
            *link = m_pNextFactory;
            break;
        }
}

BOOL COleObjectFactory::Register()
{
    m_bRegistered = TRUE;
    return TRUE;
}

void COleObjectFactory::Revoke()
{
    m_bRegistered = FALSE;
}

void COleObjectFactory::UpdateRegistry(LPCSTR lpszProgID)
{
    if (lpszProgID)
        m_strProgID = lpszProgID;
    m_nRegistryUpdates++;
}

BOOL PASCAL COleObjectFactory::RegisterAll()
{
    BOOL all = TRUE;
    for (COleObjectFactory* f = s_pFirstFactory; f; f = f->m_pNextFactory)
        if (!f->m_bRegistered && !f->Register())
            all = FALSE;
    return all;
}

void PASCAL COleObjectFactory::RevokeAll()
{
    for (COleObjectFactory* f = s_pFirstFactory; f; f = f->m_pNextFactory)
        f->Revoke();
}

BOOL PASCAL COleObjectFactory::UpdateRegistryAll(BOOL bRegister)
{
    if (!bRegister)
        return TRUE;
    for (COleObjectFactory* f = s_pFirstFactory; f; f = f->m_pNextFactory)
        f->UpdateRegistry((LPCSTR) nullptr);
    return TRUE;
}

int PASCAL COleObjectFactory::GetFactoryCount()
{
    int count = 0;
    for (COleObjectFactory* f = s_pFirstFactory; f; f = f->m_pNextFactory)
        count++;
    return count;
}

// ---------------------------------------------------------------------------
// COleTemplateServer

IMPLEMENT_DYNAMIC(COleTemplateServer, COleObjectFactory)

COleTemplateServer::COleTemplateServer() : COleObjectFactory(kNoClass, nullptr, FALSE, nullptr)
{
}

void COleTemplateServer::ConnectTemplate(REFCLSID clsid, CDocTemplate* pDocTemplate, BOOL bMultiInstance)
{
    m_clsid = clsid;
    m_pDocTemplate = pDocTemplate;
    m_bMultiInstance = bMultiInstance;
    if (pDocTemplate)
    {
        m_pRuntimeClass = pDocTemplate->m_pDocClass;
        CString progId;
        if (pDocTemplate->GetDocString(progId, CDocTemplate::regFileTypeId) && !progId.IsEmpty())
            m_strProgID = progId;
    }
}

void COleTemplateServer::UpdateRegistry(OLE_APPTYPE nAppType, LPCSTR* rglpszRegister, LPCSTR* rglpszOverwrite)
{
    (void)rglpszRegister;
    (void)rglpszOverwrite;
    m_nLastAppType = nAppType;
    COleObjectFactory::UpdateRegistry((LPCSTR) nullptr);
}
