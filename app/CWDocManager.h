// The application's document manager: the class library's, with the
// clipboard document, new documents from template files and a close of all
// documents that asks about each.
#pragma once
#include "afxwin.h"

class CWDocManager : public CDocManager
{
    DECLARE_DYNAMIC(CWDocManager)
public:
    // The first template's clipboard document; null (reported) without one.
    CDocument* OpenDocFile();
    // A new untitled document filled from the template file at path.
    void CreateNewFileFromZvwTemplate(CString path);
    void SmartCloseAll();
};
