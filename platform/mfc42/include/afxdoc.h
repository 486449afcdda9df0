// Documents, views and the templates that create them: CDocument, CView,
// CScrollView, CDocTemplate, CMultiDocTemplate, CDocManager, the recent-file
// list and CCommandLineInfo.
#pragma once
#include "afxframe.h"
#include "afxfile.h"
#include "afxarchive.h"
#include "afxexcept.h"

class CDocTemplate;
class CView;
struct CPrintInfo;   // printing joins with the print dialogs

// ---------------------------------------------------------------------------
// CDocument

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    // Leaves its template's list; views must be gone already.
    virtual ~CDocument();

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Full path; the title becomes the file's name. bAddToMRU puts it on
    // the application's recent-file list.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    // OnUpdate on every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // With no view left an auto-delete document closes itself.
    virtual void OnChangedViewList();
    virtual void UpdateFrameCounts();

    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Destroys the frames of the views, empties the document and, when
    // m_bAutoDelete, deletes it.
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);
    virtual CFile* GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Asks to save a modified document: FALSE when the user cancels.
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame) {}
    // Saves under lpszPathName, or asks for a name when it is null.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    virtual HMENU GetDefaultMenu() { return nullptr; }
    virtual HACCEL GetDefaultAccelerator() { return nullptr; }

    // The document, then its template.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;
    BOOL m_bAutoDelete = TRUE;
    BOOL m_bEmbedded = FALSE;

    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// CView

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    // Leaves its document's view list.
    virtual ~CView();

    CDocument* GetDocument() const { return m_pDocument; }

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) {}
    virtual BOOL IsSelected(const CObject* pDocItem) const { return FALSE; }
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE) { return FALSE; }
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) { return FALSE; }

    // The view, then its document.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);
    // Paints into the DC of WM_PRINTCLIENT as OnPaint paints the window.
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

    // Printing (afxprint.h). OnFilePrint (ID_FILE_PRINT, or
    // ID_FILE_PRINT_DIRECT for the application's printer without a dialog)
    // runs the loop: OnPreparePrinting, OnBeginPrinting, then per page
    // OnPrepareDC and OnPrint, and OnEndPrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // Asks for the printer (or takes the application's) and makes its DC.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    void OnFilePrint();
    // The pages of the print info in the window of a print preview
    // (afxpreview.h), which prints nothing.
    void OnFilePrintPreview();
    // The page loop of printing on dc: per page OnPrepareDC and OnPrint,
    // between StartPage and EndPage when paged; FALSE when a page could
    // not start or end.
    BOOL PrintPages(CDC* pDC, CPrintInfo* pInfo, BOOL paged);

    CDocument* m_pDocument = nullptr;

protected:
    friend class CDocument;
    DECLARE_MESSAGE_MAP()
};

// A view over a logical area larger than the window, with scroll bars.
class CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();

    static const SIZE sizeDefault;   // {0, 0}: a tenth of the total / of the page

    // Map mode (MM_TEXT, MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH,
    // MM_HIENGLISH, MM_TWIPS) and the sizes in its logical units.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CPoint GetScrollPosition() const;           // logical units
    CPoint GetDeviceScrollPosition() const;     // pixels
    void ScrollToPosition(POINT pt);            // logical units
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    void FillOutsideRect(CDC* pDC, CBrush* pBrush);
    void ResizeParentToFit(BOOL bShrinkOnly = TRUE);
    // Re-computes which bars show and their ranges from the client size.
    void UpdateBars();

    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    // nScrollCode: MAKEWORD(horizontal code, vertical code), 0xFF for none.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE) override;
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;
    virtual void OnDraw(CDC* pDC) override = 0;

    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

    int m_nMapMode = 0;   // 0 until SetScrollSizes
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    BOOL m_bInsideUpdate = FALSE;

protected:
    void ScrollToDevicePosition(POINT ptDev);
    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// Templates

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex
    {
        windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName
    };
    enum Confidence
    {
        noAttempt, maybeAttemptForeign, maybeAttemptNative, yesAttemptForeign, yesAttemptNative,
        yesAlreadyOpen
    };

    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);
    virtual ~CDocTemplate();

    // Reads the document strings (and, for MDI, the shared menu and keys).
    virtual void LoadTemplate();
    // One of the '\n'-separated parts of the template's string resource.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    virtual CDocument* CreateNewDocument();
    // A frame (of m_pFrameClass) holding a view (m_pViewClass) on pDoc.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    virtual Confidence MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch);

    // Embedding and in-place ids are recorded; the layer carries no OLE.
    void SetContainerInfo(UINT nIDOleInPlaceContainer) { m_nIDOleInPlaceContainer = nIDOleInPlaceContainer; }
    void SetServerInfo(UINT nIDOleEmbedding, UINT nIDOleInPlaceServer = 0,
                       CRuntimeClass* pOleFrameClass = nullptr, CRuntimeClass* pOleViewClass = nullptr);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CRuntimeClass* m_pOleFrameClass = nullptr;
    CRuntimeClass* m_pOleViewClass = nullptr;
    UINT m_nIDServerResource = 0;
    UINT m_nIDEmbeddingResource = 0;
    UINT m_nIDOleInPlaceContainer = 0;
    CString m_strDocStrings;
    BOOL m_bAutoDelete = TRUE;   // the document manager deletes it
};

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    virtual ~CMultiDocTemplate();

    virtual void LoadTemplate() override;
    virtual POSITION GetFirstDocPosition() const override;
    virtual CDocument* GetNextDoc(POSITION& rPos) const override;
    virtual void AddDocument(CDocument* pDoc) override;
    virtual void RemoveDocument(CDocument* pDoc) override;
    // New (null path) or opened document in a new child frame.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // "<docName><n>" with n = m_nUntitledCount + 1.
    virtual void SetDefaultTitle(CDocument* pDocument) override;

    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;
    CPtrList m_docList;
    UINT m_nUntitledCount = 0;
};

// The set of templates and the commands that pick one.
class CDocManager : public CObject
{
    DECLARE_DYNAMIC(CDocManager)
public:
    CDocManager();
    // Deletes the templates whose m_bAutoDelete is set.
    virtual ~CDocManager();

    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    virtual POSITION GetFirstDocTemplatePosition() const;
    virtual CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual int GetOpenDocumentCount();
    // A document already open under the path is activated and returned.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);
    virtual void OnFileNew();
    virtual void OnFileOpen();
    virtual void RegisterShellFileTypes(BOOL bCompat) {}
    virtual void UnregisterShellFileTypes() {}

    CPtrList m_templateList;
};

// ---------------------------------------------------------------------------
// Recent-file list

class CRecentFileList
{
public:
    // Ids nStart + ID_FILE_MRU_FILE1 onward; kept in the profile section
    // lpszSection under the entries lpszEntryFormat ("File%d").
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = 40);
    virtual ~CRecentFileList();

    int GetSize() const { return m_nSize; }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }
    // Puts the path first; a path already listed moves up.
    virtual void Add(LPCSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();
    // Replaces the menu item of the first id with one item per entry.
    virtual void UpdateMenu(CCmdUI* pCmdUI);
    int GetCount() const;

    int m_nSize;
    CString* m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal;   // the menu text shown while the list is empty
};

// ---------------------------------------------------------------------------
// Command line

class CCommandLineInfo : public CObject
{
public:
    CCommandLineInfo();
    virtual ~CCommandLineInfo() {}

    // One argument; bFlag when it began with '-' or '/' (removed), bLast
    // for the final one.
    virtual void ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    enum
    {
        FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1
    } m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
};
