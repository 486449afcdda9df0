// The document: owner of the text flows, the style tables and the page
// information. Model, layout and editing reach them through it.
#pragma once
#include "afxwin.h"
#include "ZTDoc.h"
#include "afxolestg.h"
#include "PageBackground.h"
#include "model/GArray.h"
#include "model/GPageInfo.h"
#include "model/GStyleTbl.h"
#include "model/forward.h"
#include <functional>

class CView;
struct CWDocEditing;
class CZTOleRectItem;
class CWRectItem;

// The file-type code of a native document, and the printable area's
// offset a document starts with.
const LONG kNativeDocumentType = 200;
const LONG kDefaultPrintOffset = 72;
// File Properties, which the document handles.
const UINT kIdFileSummaryInfo = 36010;
// The OLE document's commands: paste, paste link, links, the object verbs
// and converting an object.
const UINT kIdEditPaste = 36026;
const UINT kIdEditPasteLink = 36027;
const UINT kIdEditLinks = 57857;
const UINT kIdObjectVerbs = 57872;
const UINT kIdEditConvert = 57858;

// Not 0 while the document reader reads a document of the older native
// layout; the style tables then read the older records.
extern int bReadOldVersion;

// The title, the modified state (SetModifiedFlag, which every editing
// operation calls) and the item list of embedded objects and cells come
// from the base library's document, an OLE server document. Still
// missing: in-place editing, the clipboard's storage and the base's
// summary dialog.
class CWDocument : public CZTDoc
{
    DECLARE_DYNCREATE(CWDocument)
public:
    GArray<GPageInfo> m_pageInfos;   // element 0 is the page set-up in force
    GArrayI<GDoc*> m_flows;          // 0 body, 1-6 headers and footers, 7 on frame texts
    // Format runs and paragraphs name entries of these by index.
    GStyleTbl<GFontStyle> m_fontStyles;
    GStyleTbl<GParaStyle> m_paraStyles;
    GStyleTbl<GMasterStyle> m_masterStyles;
    GStyleTbl<GListStyle> m_listStyles;
    // Undo stacks and the pending character style (editing/document_editing.cpp),
    // made on first use and freed with the document.
    CWDocEditing* m_pEditing = nullptr;
    LONG m_nViewNotify;              // depth of open change brackets
    LONG m_nReRows;                  // depth of suspended re-breaking
    BOOL m_bUndoEnabled;
    // Frames without an anchor flow: the body's page frames, headers and
    // footers. Released before the flows.
    GArrayI<CFrame*> m_frames;
    // Set on the hidden document that holds the clipboard's flows; its
    // flows tell no views.
    BOOL m_bClipboard;
    // The flow the views edit (its place in m_flows): 0 the body, 1-6 the
    // headers and footers, 7 on frame texts. Still missing: its place in
    // the page set-up record and the views that switch it.
    LONG m_nCurPart = 0;

    // The page set-up comes from the default printer and the margin
    // settings; the style tables get the default styles.
    explicit CWDocument(int = 1);
    virtual ~CWDocument();

    // Empties the document: the frame text flows go, and the style tables
    // hold the default styles again.
    void ClearAllDocument();

    // The default styles of a new document, appended to the table of their
    // kind; called on empty tables, in this order, as masters name font
    // and paragraph styles by index.
    void CreateDefaultFontStyles();
    void CreateDefaultParaStyles();
    void CreateDefaultListStyles();
    void CreateDefaultMasterStyles();

    // Makes the seven standard flows that are still missing and, for a
    // document without page frames, the frames of the body, the headers
    // and the footers, in flow order in the page frame list; then fits
    // them (CheckFramesHeight).
    void CreateFrames();
    // The flow indexes of a page's header and footer (pages from 0).
    long GetPageHeader(long page) const;
    long GetPageFooter(long page) const;
    // The flow of the header of a page (pages from 0): 1 for a different
    // first page, 3 for odd-numbered pages when odd and even pages differ,
    // else 2. Its footer is three flows on.
    long PageHeaderIndex(long page) const;
    // The first-page-different and odd/even-different switches of the
    // page set-up.
    bool FirstPageDiffers() const;
    bool OddEvenDiffers() const;
    // A flow of the flow list, or null.
    GDoc* GetFlow(long index) const;
    // Place of a flow in the flow list, -1 when it is not there.
    long FlowIndex(const GDoc* flow) const;
    // The page set-up that pages are laid out on (the first page
    // information record). Flows and frames may stand outside a document
    // (doc null): they get a default A4 set-up.
    static const GPageInfo& PageSetupOf(const CWDocument* doc);
    // The view with the keyboard focus, else the last of the document's
    // views; null when it has none.
    CWView* FindView();
    // Change brackets: 0 opens, 1 closes (never below 0, or the views
    // would never repaint again); the outermost close tells the views.
    void ViewNotify(int resume);
    void ReRows(int resume);
    // Headers share one height and footers another (part 0 or below: the
    // tallest; 1-6: that part's height and place); the text area of page
    // set-up 0 moves so the body keeps its gap below the header and room
    // above the footer, and the body's page frames take the text height
    // less their page's footnotes. A change re-columns the body.
    void CheckFramesHeight(int part);
    // After page set-up 0 changed under them (an older file, a converted
    // one): column widths and page-part frames follow its margins; narrow
    // widens the text by 31 each side of a set left margin.
    void FitDocumentToPageInfo(int narrow);
    // The height the footnotes of a body page take on it.
    long GetFootnotesHeight(long page);
    bool HasFootnotes() const;
    // Invalidates the whole client area of every view, erasing it.
    void InvalidateAllViews();
    // 1 when flow is the note flow of a footnote of the body.
    int IsFootNoteDoc(const GDoc* flow);

    // The page information in force. An index, not a pointer, is kept:
    // records move whenever the array grows.
    GPageInfo* GetCurPageInfo();

    // ---- Style management (model/style_management.cpp): the only way
    // styles enter, change and leave the tables. AddNew answers the index
    // the style stands under; Remove answers 1, or 0 when it refuses (a
    // standard or used list style); GarbageCollection drops unused unnamed
    // entries and renumbers every reference.
    int AddNewFStyle(GStyleItem<GFontStyle>& item);
    int AddNewPStyle(GStyleItem<GParaStyle>& item);
    int AddNewMStyle(GStyleItem<GMasterStyle>& item);
    int AddNewLStyle(GStyleItem<GListStyle>& item);
    void ModifyFStyle(int index, const GStyleItem<GFontStyle>& item);
    void ModifyPStyle(int index, const GStyleItem<GParaStyle>& item);
    void ModifyMStyle(int index, const GStyleItem<GMasterStyle>& item);
    void ModifyLStyle(int index, const GStyleItem<GListStyle>& item);
    int RemoveFStyle(int index);
    int RemovePStyle(int index);
    int RemoveMStyle(int index);
    int RemoveLStyle(int index);
    // A master entry whose name has a lower-case m second sets characters
    // only.
    BOOL IsCharMStyle(int index);
    void GarbageCollection();

    // ---- The object selected in a view: an embedded object and the field
    // that holds it, a picture or a text-effect field (not owned; null when
    // none). Borders and shading then apply to that field's place.
    CZTOleRectItem* m_pSelItem = nullptr;
    GField* m_pSelOle = nullptr;      // a kFieldOle field
    GField* m_pSelImage = nullptr;    // a kFieldImage field
    GField* m_pSelLumifex = nullptr;  // a kFieldLumifex field
    BOOL IsOLEObjectSelected() const { return m_pSelItem != nullptr; }

    // ---- The first view of the document, which turns the pixels of
    // pictures and text effects into lengths. Still missing: the
    // framework's view list; a view that shows the document sets it.
    CWView* m_pFirstView = nullptr;
    CWView* GetFirstView() const { return m_pFirstView; }

    // ---- The framework document (document/document_framework.cpp).
    // Made by a template through the runtime class, a document comes with
    // its seven flows and page-part frames; one made with new holds no
    // flows until CreateFrames runs.
    LONG m_nFileType;                // the file-type code, 200 a native document
    CString m_strFileName;           // the file read from or saved to
    BOOL m_bServerMenu;
    BOOL m_bStylesChanged;           // the style-name box refills its list
    LONG m_printOffset[2];           // x, y of the printable area
    // Set by a view wholly invalidated inside a change bracket; the
    // outermost close then drops every flow's pending redraws.
    BOOL m_bViewsInvalidated;
    // Creation time (seconds) and five values; stored byte for byte.
    struct DocInfo
    {
        LONG created;
        LONG values[5];
    } m_docInfo;
    BYTE m_extraInfo[160];           // kept as read, never interpreted
    // "ZTWrite 95 Format" and "Zentavo Lumifex", registered by the first
    // document.
    static WORD m_cfPrivate;
    static WORD m_cfLumifex;

    // Re-lays out every flow (full: re-breaks every row, else re-columns)
    // and repaints the views.
    void InvalidateViews(int full);
    // Page set-up 0's switches; redraw 2 repaints when the value changed.
    void SetFirstPageDiff(int value, unsigned char redraw);
    void SetOddEvenPageDiff(int value, unsigned char redraw);
    void SetFacingPages(int value, unsigned char redraw);
    bool FacingPages() const;
    // The capacity follows the options inside the stack: these do nothing.
    void EnableUndo(int) {}
    void SetUndoSteps(unsigned char) {}
    void UpdateAfterUndoRedo() {}
    BOOL CanUndo();
    BOOL CanRedo();
    BOOL MakeUndo();
    BOOL MakeRedo();
    void SetupFromDocument(const CWDocument& other);
    BOOL IsMailMergeExist() { return FALSE; }
    // ---- Whole-document paste and the mail-merge hooks
    // (document/paste_all.cpp, document/print_merge.cpp). PasteAll makes
    // this document a copy of src (page set-up, information, styles, flows
    // and frames); src is left as it was and nothing of the copy refers
    // into it. AppendDocument does nothing. While PasteAll runs,
    // m_pPasteAllSource names src: a footnote pasted from it takes the
    // note flow of the same index here instead of a new one.
    void PasteAll(CWDocument* src);
    void AppendDocument(const CWDocument& other);
    const CWDocument* m_pPasteAllSource = nullptr;
    void MailMergeToPrint() {}
    BOOL MailMergeToNewDocument(CWDocument*) { return 1; }
    // Nothing calls it; a document may always be closed.
    BOOL CanClose() { return TRUE; }
    BOOL UpdateServerMenu(int);
    void TransportReceived() {}
    void RemoveBlanks() {}
    virtual BOOL OnNewDocument() override;
    virtual void OnCloseDocument() override;
    // File Properties (command 36010). Still missing: the base library's
    // summary dialog; the command is handled and shows nothing.
    void OnFileSummaryInfo() {}
    DECLARE_MESSAGE_MAP()
public:

    // ---- Embedded items (document/embedding_hooks.cpp). OnCreateItem
    // places a new item as a cell field at the caret of the flow being
    // edited, at least 200 by 50; DeleteItem frees it. Still missing: the
    // server item and in-place editing.
    virtual BOOL OnCreateItem(CZTOleRectItem* item);
    virtual void DeleteItem(CZTOleRectItem* item);
    // The client area of the window with the keyboard focus.
    virtual BOOL GetServerObjectSize(RECT& r);
    // Maps dc to the view's zoom when it is the document's view.
    virtual BOOL ScaleDC(CView* view, CDC* dc);

    // ---- The OLE document (document/embedded_items.cpp). The server item
    // that stands for the whole document is a CWServerItem (made in app/,
    // OnGetEmbeddedItem); embedded objects' client items are CWRectItems
    // (app/, CreateOleItem and NewClientItem). Each document holds the
    // application's embedding lock from construction to destruction.
    // UpdateServerItem tells the clients of the document's own item of a
    // change when any listens; DeleteUnusedSite deletes every client item
    // of the item list.
    virtual COleServerItem* OnGetEmbeddedItem() override;
    virtual CZTOleRectItem* CreateOleItem();
    static CWRectItem* NewClientItem();
    void UpdateServerItem();
    virtual void OnDeactivateUI(BOOL undoable) override;
    void DeleteUnusedSite();
    LPOLECLIENTSITE GetOleClientSite() const { return m_lpClientSite; }

    // ---- Counts (document/document_counts.cpp): characters and blanks of
    // the body (fields by their text), its pages, the words of every flow.
    virtual long GetNumChars();
    virtual long GetNumPages();
    virtual long GetNumWords();
    // The page (from 0) of the object field that holds item; FALSE, page
    // untouched, when no field holds it.
    BOOL GetFieldPage(CZTOleRectItem* item, unsigned long& page);

    // ---- The native file's main stream (document/native_file.cpp).
    // SaveZVW writes it and answers 1. OpenZVW answers 0 after a whole
    // read or a salvage, 2 when nothing usable was read (a newer file, a
    // refused salvage, a damaged stream that is no salvage's case): the
    // caller then fails the open. Recover empties the document and, when
    // the user agrees, keeps the file's plain text in the body (0), else 2.
    // Each shows its progress in the status bar.
    int SaveZVW(CArchive& ar);
    int OpenZVW(CArchive& ar);
    int Recover(CArchive& ar);

    // ---- The older native layout (document/old_native_file.cpp):
    // OpenZVWOld reads a document of version 280 or lower after its magic
    // and version (OpenZVW calls it) and answers 0; damage throws as the
    // current reader's does.
    int OpenZVWOld(CArchive& ar);

    // ---- The native compound file (document/native_storage.cpp): the
    // main stream "Contents" (or, when that is empty, the stream "ZV" of
    // the sub-storage "UserStorage") and the text effects' stream
    // "Lumifex". Serialize writes or reads the main stream; a read that
    // does not complete throws, so no empty document takes the file's
    // name. SaveNativeFile writes a temporary beside path that replaces
    // the file only when whole; after a failure the old file is untouched,
    // the document stays modified and *error (when asked for) holds the
    // cause. OpenNativeFile keeps the file open as the document's root
    // storage. Still missing: the page background of the first view.
    static const CLSID kNativeClassId;
    COleRootStorage m_rootStorage;
    LPSTORAGE m_lpNativeStg = NULL;  // the storage being read or written
    virtual void Serialize(CArchive& ar) override;
    void LoadFromStorage();
    BOOL SaveNativeFile(LPCSTR path, CException** error = NULL);
    BOOL OpenNativeFile(LPCSTR path, CException** error = NULL);
    // The page background the document's views paint, stored after the
    // caption settings of a native file (document/page_background.cpp).
    // The document keeps it rather than its first view, because a file is
    // read before any view of it exists. A record that cannot be read (an
    // older file ends before it) leaves the default background.
    CPageBackground m_background;
    void SaveBackground(CArchive& ar);
    void ReadBackground(CArchive& ar);

    // Copies the document's file, when it is a native one, to its backup
    // (document/backup.cpp): the same path with the extension "ztk",
    // unless that is the file itself. Answers 1 whether or not the copy
    // was made.
    int Backup();
    // Set while the document's file is one it may not write (read-only):
    // OpenNativeFile then keeps it open for reading only, and saving over
    // it is refused like any save to a read-only file; Save As under
    // another name works and clears it.
    BOOL m_bReadOnlyFile = FALSE;

    // ---- Text files (document/text_files.cpp): all text goes into and
    // comes out of the body. OpenTXT and OpenASC (OEM text) read the
    // archive's file from where it stands; bytes 0 and 1 become blanks, a
    // line feed after 13 is dropped and any other ends a paragraph, plain
    // text loses its end-of-file marks (26) but the first byte. SaveTXT
    // writes paragraph ends as 13 10, list labels with two blanks, cells as
    // their values and no other field; with no archive it writes the
    // document's path through a temporary (0 when that failed). OpenXTX
    // hands a DOS document to its importer: 0 read, 1 nothing read, 2
    // failed (the user was told). Reading shows its progress in the
    // status bar (document/document_progress.h).
    int OpenTXT(CArchive& ar);
    int OpenASC(CArchive& ar);
    int SaveTXT(CArchive* ar);
    int OpenXTX();
    BOOL SaveTextFile(LPCSTR path);
    // After a read replaced the body and page setup: the first view takes
    // the body's page count and the paper size, and fits its zoom again
    // (document/open_save_dispatch.cpp).
    void FitFirstView();

    // ---- The open and save dispatch (document/open_save_dispatch.cpp):
    // the file-type code (document/file_types.h) picks the reader or the
    // writer. A failed open leaves the document's name and type as they
    // were; a failed save also its modified flag, and the file on the disk
    // untouched, as every writer writes a temporary beside it first.
    // Documents from no compound file get a temporary root storage.
    virtual BOOL OnOpenDocument(LPCSTR path) override;
    virtual BOOL OnSaveDocument(LPCSTR path) override;
    // Asks for the name and the type (the save dialog) when path is null.
    virtual BOOL DoSave(LPCSTR path, BOOL replace = TRUE) override;
    // The close prompt's save.
    virtual BOOL DoFileSave() override;
    // File Save (57603): a document of another format is saved as a native
    // one through the save dialog.
    void OnFileSave();
    BOOL OnOpenDocumentFromTemplate(LPCSTR path);
    void AddExt(CString& name, CDocTemplate* t);
    // The path is a template (".zvp" in the template folder), or the user
    // let it be (No) or moved it there (Yes); FALSE on Cancel.
    BOOL CheckTemplateName();
    void CreateSummary() {}
    BOOL CopyToZVW(char*, int) { return TRUE; }
    // Before a save replaces target: a native file there is copied to its
    // backup name (extension "ztk"). FALSE when nothing was copied.
    BOOL BackupReplacedFile(LPCSTR target);

private:
    int ReadTextInto(CArchive& ar, BOOL oem);
    BOOL OpenNativeDocument(LPCSTR path);
    BOOL OpenTextDocument(LPCSTR path, BOOL oem);
    BOOL OpenHtmlDocument(LPCSTR path);
    BOOL OpenDosDocument(LPCSTR path);
    BOOL OpenConvertedDocument(LPCSTR path);
    BOOL UseTemporaryRootStorage();
    BOOL SaveByName(LPCSTR path, const std::function<BOOL()>& write);
    BOOL SaveAs(LPCSTR path, BOOL replace, LONG dialogType);
    BOOL SaveAsNative();
public:

private:
    void CreateDefaultStyles();
    static void RegisterClipboardFormats();
    // Page set-up 0's switch i (0 first page, 1 odd and even, 2 facing).
    void SetLayoutSwitch(int i, int value, unsigned char redraw, int full);

    LONG m_nCurPageInfo;
};

// The backup path of a document's file (extension "ztk"); empty when the
// path cannot be split.
CString BackupPathOf(LPCSTR path);

// The date of t as day/month/year ("11/12/2026"); out holds at least 11
// characters.
void Data(char* out, CTime& t);
// Each edge of a lies within d of the same edge of b.
BOOL AlmostEqualRect(const CRect& a, const CRect& b, int d);

// Holds a document's change bracket open for a scope: ViewNotify(0) on
// entry and ViewNotify(1) on every way out, exceptions included, so the
// views hear of a change once however many steps make it. A null document
// (a flow outside one) opens no bracket.
class CChangeBracket
{
public:
    explicit CChangeBracket(CWDocument* doc) : m_pDoc(doc)
    {
        if (m_pDoc)
            m_pDoc->ViewNotify(0);
    }
    ~CChangeBracket()
    {
        if (m_pDoc)
            m_pDoc->ViewNotify(1);
    }
    CChangeBracket(const CChangeBracket&) = delete;
    CChangeBracket& operator=(const CChangeBracket&) = delete;

private:
    CWDocument* m_pDoc;
};
