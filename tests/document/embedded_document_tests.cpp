// The document as an OLE server document: its server item, its client
// sites, the application's lock, and what destroying a document frees.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GFootNote.h"
#include "model/GOle.h"
#include "app/CWRectItem.h"
#include "app/CWServerItem.h"
#include "view/CWView.h"
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

// ---- Every allocation of the program passes here; while a scope watches,
// the blocks it hands out are remembered until freed, so that a test can
// tell what a piece of work left behind or freed twice.
namespace {

const size_t kWatchSlots = 1 << 18;
void* watched[kWatchSlots];
std::atomic<bool> watching{false};
size_t watchedLive = 0;
size_t freedUnknown = 0;   // frees of blocks that were not live (twice freed)

size_t SlotOf(void* p)
{
    return (reinterpret_cast<uintptr_t>(p) >> 4) & (kWatchSlots - 1);
}

void Remember(void* p)
{
    for (size_t i = SlotOf(p);; i = (i + 1) & (kWatchSlots - 1))
        if (!watched[i] || watched[i] == (void*)1)
        {
            watched[i] = p;
            ++watchedLive;
            return;
        }
}

// Forgets p; false when it was not remembered.
bool Forget(void* p)
{
    for (size_t i = SlotOf(p), n = 0; watched[i] && n < kWatchSlots; i = (i + 1) & (kWatchSlots - 1), ++n)
        if (watched[i] == p)
        {
            watched[i] = (void*)1;   // a tombstone keeps the probe chain
            --watchedLive;
            return true;
        }
    return false;
}

void* Allocate(size_t size)
{
    void* p = malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    if (watching.load(std::memory_order_relaxed))
        Remember(p);
    return p;
}

void Free(void* p)
{
    if (!p)
        return;
    if (watching.load(std::memory_order_relaxed) && !Forget(p))
        ++freedUnknown;
    free(p);
}

// Watches the allocations made from construction to the end of its scope.
class AllocationWatch
{
public:
    AllocationWatch()
    {
        memset(watched, 0, sizeof watched);
        watchedLive = freedUnknown = 0;
        watching = true;
    }
    ~AllocationWatch() { watching = false; }
    size_t Live() const { return watchedLive; }
};

} // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, size_t) noexcept { Free(p); }
void operator delete[](void* p, size_t) noexcept { Free(p); }

namespace {

struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    CWDocument* New() { return (CWDocument*)tpl.CreateNewDocument(); }
};

void Type(GDoc* flow, const char* text)
{
    std::string buffer(text);
    flow->InsertText(flow->m_chars.GetCount() - 3, &buffer[0], 1);
}

// A document with something of everything it owns: text in every page
// part, a footnote (its flow and frame), a text frame, a cell, an
// embedded object's client site, an edit on the undo stack and the server
// item.
void Populate(CWDocument& doc)
{
    for (long i = 0; i < kFirstContentFlow; ++i)
        Type(doc.m_flows[i], "Some words");
    GDoc* body = doc.m_flows[kBodyFlow];
    body->InsertField(new GFootNote(body, 2, 0));
    GDoc* text = new GDoc(&doc, doc.m_flows.GetCount());
    doc.m_flows.Add(text);
    CFrame* frame = new CFrame(&doc, body, text, 100, 100, 600, 400, 0, 0, 0, 0, 0, 0, 20, 20, 1);
    body->m_frames.Add(frame);
    text->m_pFirstFrame = frame;
    Type(text, "In the frame");
    body->SetPos(1);
    doc.m_nCurPart = kBodyFlow;
    doc.OnCreateItem(new CZTCell);
    new COleClientItem(&doc);
    doc.GetEmbeddedItem();
}

class EmbeddedDocument : public testing::Test
{
protected:
    Template maker;
};

TEST_F(EmbeddedDocument, DestroyingADocumentFreesWhatItMadeOnce)
{
    // A first document fills the caches that live on (fonts, contexts).
    {
        CWDocument* warm = maker.New();
        Populate(*warm);
        delete warm;
    }
    const LONG locks = AfxOleGetLockCount();
    size_t made = 0;
    {
        AllocationWatch watch;
        CWDocument* doc = maker.New();
        Populate(*doc);
        EXPECT_EQ(AfxOleGetLockCount(), locks + 1) << "a document holds the application";
        made = watch.Live();
        delete doc;
        EXPECT_EQ(watch.Live(), 0u) << "everything made is freed";
        EXPECT_EQ(freedUnknown, 0u) << "nothing is freed twice";
    }
    EXPECT_GT(made, 20u);
    EXPECT_EQ(AfxOleGetLockCount(), locks);
}

TEST_F(EmbeddedDocument, TheEmbeddedItemIsTheDocumentsServerItemMadeOnce)
{
    CWDocument* doc = maker.New();
    EXPECT_TRUE(doc->IsKindOf(RUNTIME_CLASS(COleServerDoc)));
    COleServerItem* item = doc->GetEmbeddedItem();
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->IsKindOf(RUNTIME_CLASS(CWServerItem)));
    EXPECT_EQ(((CWServerItem*)item)->GetMode(), CWServerItem::kEmbeddedMode);
    EXPECT_EQ(((CWServerItem*)item)->GetDocument(), doc);
    EXPECT_EQ(doc->GetEmbeddedItem(), item);
    POSITION pos = doc->GetStartPosition();
    EXPECT_EQ(doc->GetNextServerItem(pos), item);
    EXPECT_EQ(pos, nullptr);
    // Without a client the notifications reach no one, and the item
    // cannot draw a document that has no view.
    EXPECT_EQ(item->m_lpDataAdviseHolder, nullptr);
    EXPECT_EQ(item->m_lpOleAdviseHolder, nullptr);
    doc->UpdateServerItem();
    doc->OnDeactivateUI(FALSE);
    doc->UpdateAllItems(nullptr);
    CSize size;
    CDC dc;
    EXPECT_FALSE(item->OnDraw(&dc, size));
    EXPECT_EQ(doc->GetOleClientSite(), nullptr);
    delete doc;
}

// A client listening through a data advise holder: counts the changes it
// hears of.
class ListeningHolder : public IDataAdviseHolder
{
public:
    int changes = 0;
    ULONG refs = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = NULL;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE Advise(IDataObject*, FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SendOnDataChange(IDataObject*, DWORD, DWORD) override
    {
        ++changes;
        return S_OK;
    }
};

TEST_F(EmbeddedDocument, AListeningClientHearsOfChangesAndOfTheEndOfInPlaceEditing)
{
    CWDocument* doc = maker.New();
    ListeningHolder holder;
    COleServerItem* item = doc->GetEmbeddedItem();
    item->m_lpDataAdviseHolder = &holder;
    doc->UpdateServerItem();
    EXPECT_EQ(holder.changes, 1);
    doc->OnDeactivateUI(TRUE);
    EXPECT_EQ(holder.changes, 2);
    // A change to the text reaches the client through the flow's notice.
    doc->ViewNotify(0);
    Type(doc->m_flows[kBodyFlow], "typed");
    doc->ViewNotify(1);
    EXPECT_EQ(holder.changes, 3);
    item->m_lpDataAdviseHolder = NULL;
    delete doc;
}

// A clipboard's item belongs to whoever offers it: the document lets it go.
TEST_F(EmbeddedDocument, AClipboardItemOutlivesItsDocument)
{
    CWDocument* doc = maker.New();
    CWServerItem* offered = new CWServerItem(doc, CWServerItem::kClipboardMode);
    EXPECT_EQ(offered->GetDocument(), doc);
    delete doc;
    EXPECT_EQ(offered->GetDocument(), nullptr);
    delete offered;
}

TEST_F(EmbeddedDocument, EmptyingDeletesTheClientSitesAndKeepsTheServerItem)
{
    CWDocument* doc = maker.New();
    new COleClientItem(doc);
    CWRectItem* loose = new CWRectItem;   // in no list: stays the caller's
    CZTOleRectItem* object = doc->CreateOleItem();
    ASSERT_NE(object, nullptr);
    ASSERT_NE(object->GetOleItem(), nullptr);
    EXPECT_TRUE(object->GetOleItem()->IsKindOf(RUNTIME_CLASS(CWRectItem)));
    // A site the document lists although an object item holds it: deleting
    // the sites leaves the object item without one, and nothing dangling.
    doc->COleDocument::AddItem(object->GetOleItem());
    COleServerItem* server = doc->GetEmbeddedItem();
    doc->ClearAllDocument();
    POSITION pos = doc->GetStartPosition();
    EXPECT_EQ(doc->GetNextClientItem(pos), nullptr);
    pos = doc->GetStartPosition();
    EXPECT_EQ(doc->GetNextServerItem(pos), server);
    EXPECT_EQ(object->GetOleItem(), nullptr);
    EXPECT_EQ(loose->GetDocument(), nullptr);
    delete loose;
    delete object;
    delete doc;
}

TEST_F(EmbeddedDocument, TheObjectCommandsAreHandledAndDisabled)
{
    CWDocument* doc = maker.New();
    const UINT ids[] = {kIdEditPaste, kIdEditPasteLink, kIdEditLinks, kIdObjectVerbs, kIdEditConvert};
    struct Recording : CCmdUI
    {
        int enabled = -1;
        void Enable(BOOL on) override { enabled = on; }
    };
    for (UINT id : ids)
    {
        SCOPED_TRACE(id);
        Recording ui;
        ui.m_nID = id;
        EXPECT_TRUE(doc->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr));
        EXPECT_EQ(ui.enabled, 0);
    }
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(doc->OnCmdMsg(kIdEditLinks, CN_COMMAND, nullptr, &info));
    EXPECT_TRUE(doc->OnCmdMsg(kIdEditConvert, CN_COMMAND, nullptr, &info));
    delete doc;
}

} // namespace
