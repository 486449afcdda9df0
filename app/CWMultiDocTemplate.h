// The one document template: documents in child frames, the numbering of
// untitled documents (Write1, Write2, ...) and templates (Template1, ...),
// and the hidden clipboard document in a frame of its own.
#pragma once
#include "ZTMultiDocTemplate.h"

class CWDocument;

// The make-visible argument of the last OpenDocumentFile; the child frame
// reads it while its window is made.
extern int MakeVisible;
// The document of the last CreateNewFrame; the child frame takes it.
extern CDocument* JustCreatedDoc;
// Set when the next new document is to be a template; cleared once it is
// titled.
extern int IsNewDocumentTemplate;

class CWMultiDocTemplate : public CZTMultiDocTemplate
{
    DECLARE_DYNAMIC(CWMultiDocTemplate)
public:
    CWMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);

    // A path opens that file, null makes a new document; the document, or
    // null after the failure was reported. A new document's number is used
    // up even when its OnNewDocument fails.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) override;

    // A document of the template's class that belongs to the template but
    // stands in none of its lists.
    CDocument* CreateMyNewDocument();
    // The hidden clipboard document in a hidden CWClipboardFrame.
    CDocument* OpenDocFile();
    // Closes the documents one by one, each asking to save; a cancel keeps
    // that document and goes on with the next.
    void SmartCloseAll();

    int m_nTemplateCount = 0;   // untitled templates made so far
};

// The hidden frame of the clipboard document.
class CWClipboardFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CWClipboardFrame)
public:
    CWClipboardFrame();
};
