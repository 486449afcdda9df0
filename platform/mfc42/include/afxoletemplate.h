// OLE at start-up: initialising the OLE libraries for the process, the
// template server that makes a document template creatable by other
// programs under a class id, and the list of the process's class
// factories.
#pragma once
#include "afxwin.h"
#include <objbase.h>

// Initialises the OLE libraries for the user-interface thread; FALSE when
// they refuse. The matching uninitialisation runs from AfxOleTerm, which
// the application's shut-down calls.
BOOL AFXAPI AfxOleInit();
void AFXAPI AfxOleTerm();
// Whether AfxOleInit succeeded and AfxOleTerm has not run since.
BOOL AFXAPI AfxOleIsInitialized();

// What the registry says a server offers.
enum OLE_APPTYPE
{
    OAT_INPLACE_SERVER = 0,
    OAT_SERVER = 1,
    OAT_CONTAINER = 2,
    OAT_DISPATCH_OBJECT = 3,
    OAT_DOC_OBJECT_SERVER = 4,
    OAT_DOC_OBJECT_CONTAINER = 5,
};

// A class factory of the process, kept in one list from its construction
// to its destruction.
// Still missing until the embedding layer exists: no factory is handed to
// OLE (CoRegisterClassObject) and no registry entry is written; Register
// and UpdateRegistry only record that they were asked.
class COleObjectFactory : public CCmdTarget
{
    DECLARE_DYNAMIC(COleObjectFactory)
public:
    COleObjectFactory(REFCLSID clsid, CRuntimeClass* pRuntimeClass, BOOL bMultiInstance,
                      LPCSTR lpszProgID);
    virtual ~COleObjectFactory();

    REFCLSID GetClassID() const { return m_clsid; }
    LPCSTR GetProgID() const { return m_strProgID.IsEmpty() ? nullptr : (LPCSTR)m_strProgID; }
    BOOL IsRegistered() const { return m_bRegistered; }

    virtual BOOL Register();
    virtual void Revoke();
    virtual void UpdateRegistry(LPCSTR lpszProgID = nullptr);

    // Every factory of the process.
    static BOOL PASCAL RegisterAll();
    static void PASCAL RevokeAll();
    static BOOL PASCAL UpdateRegistryAll(BOOL bRegister = TRUE);
    static int PASCAL GetFactoryCount();

    CLSID m_clsid;
    CRuntimeClass* m_pRuntimeClass;
    BOOL m_bMultiInstance;
    CString m_strProgID;
    BOOL m_bRegistered = FALSE;
    int m_nRegistryUpdates = 0;

private:
    COleObjectFactory* m_pNextFactory = nullptr;
    static COleObjectFactory* s_pFirstFactory;
};

// The factory of a document template: a client's request for an object of
// the class id opens a new document through the template.
class COleTemplateServer : public COleObjectFactory
{
    DECLARE_DYNAMIC(COleTemplateServer)
public:
    COleTemplateServer();

    // Binds the template to the class id; bMultiInstance: one process per
    // object.
    void ConnectTemplate(REFCLSID clsid, CDocTemplate* pDocTemplate, BOOL bMultiInstance);
    // Writes the server's registry entries of the given type; the two
    // tables may add or replace entries (null for the standard ones).
    void UpdateRegistry(OLE_APPTYPE nAppType = OAT_INPLACE_SERVER, LPCSTR* rglpszRegister = nullptr,
                        LPCSTR* rglpszOverwrite = nullptr);
    virtual void UpdateRegistry(LPCSTR lpszProgID) override { COleObjectFactory::UpdateRegistry(lpszProgID); }

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    OLE_APPTYPE GetLastAppType() const { return m_nLastAppType; }

protected:
    CDocTemplate* m_pDocTemplate = nullptr;
    OLE_APPTYPE m_nLastAppType = OAT_INPLACE_SERVER;
};
