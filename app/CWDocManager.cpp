// The application's document manager.
#include "app/CWDocManager.h"
#include "app/CWMultiDocTemplate.h"
#include "document/CWDocument.h"

IMPLEMENT_DYNAMIC(CWDocManager, CDocManager)

namespace {

CWMultiDocTemplate* FirstTemplate(const CDocManager& manager)
{
    POSITION pos = manager.GetFirstDocTemplatePosition();
    CDocTemplate* pTemplate = pos ? manager.GetNextDocTemplate(pos) : nullptr;
    if (!pTemplate || !pTemplate->IsKindOf(RUNTIME_CLASS(CWMultiDocTemplate)))
        return nullptr;
    return (CWMultiDocTemplate*)pTemplate;
}

}  // namespace

CDocument* CWDocManager::OpenDocFile()
{
    CWMultiDocTemplate* pTemplate = FirstTemplate(*this);
    if (!pTemplate)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    return pTemplate->OpenDocFile();
}

void CWDocManager::CreateNewFileFromZvwTemplate(CString path)
{
    CWMultiDocTemplate* pTemplate = FirstTemplate(*this);
    if (!pTemplate)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    CDocument* pDocument = pTemplate->OpenDocumentFile(nullptr, TRUE);
    if (pDocument && pDocument->IsKindOf(RUNTIME_CLASS(CWDocument)))
        ((CWDocument*)pDocument)->OnOpenDocumentFromTemplate(path);
}

void CWDocManager::SmartCloseAll()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        if (pTemplate->IsKindOf(RUNTIME_CLASS(CWMultiDocTemplate)))
            ((CWMultiDocTemplate*)pTemplate)->SmartCloseAll();
    }
}
