// The document as the framework's document: made by a template, its change
// brackets, header and footer choice, emptying, and the counts its base
// asks for.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GOle.h"
#include "model/GPageNum.h"
#include "model/GDateTime.h"
#include "model/GListField.h"
#include "tests/support/flow_inspection.h"
#include "view/CWView.h"
#include "app/CWOptions.h"
#include <memory>
#include <string>

namespace {

// A template as the application makes it; its documents come through the
// runtime class.
struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    CWDocument* New() { return (CWDocument*)tpl.CreateNewDocument(); }
};

class Document : public testing::Test
{
protected:
    Template maker;
    CWDocument* doc = nullptr;
    void SetUp() override
    {
        doc = maker.New();
        ASSERT_NE(doc, nullptr);
    }
    void TearDown() override { delete doc; }
    GDoc* Flow(long i) { return doc->m_flows[i]; }
    void Type(long flow, const char* text)
    {
        std::string buffer(text);
        Flow(flow)->InsertText(Flow(flow)->m_chars.GetCount() - 3, &buffer[0], 1);
    }
};

TEST_F(Document, ATemplatesDocumentIsWhole)
{
    EXPECT_TRUE(doc->IsKindOf(RUNTIME_CLASS(CZTDoc)));
    ASSERT_EQ(doc->m_flows.GetCount(), kFirstContentFlow);
    ASSERT_EQ(doc->m_frames.GetCount(), kFirstContentFlow);
    for (long i = 0; i < kFirstContentFlow; ++i)
    {
        EXPECT_EQ(Flow(i)->m_nIndex, i);
        EXPECT_EQ(Flow(i)->m_pOwner, doc);
        EXPECT_EQ(Flow(i)->m_pFirstFrame, doc->m_frames[i]);
    }
    // Fitted: the body's text starts at the text area's top.
    const GPageInfo& info = doc->m_pageInfos[0];
    CFrame* header = doc->m_frames[2];
    EXPECT_EQ(doc->m_frames[kBodyFlow]->y, info.textTop - header->GetVPos() - header->GetHeight());
    EXPECT_GT(doc->m_fontStyles.GetCount(), 0);
    EXPECT_GT(doc->m_paraStyles.GetCount(), 0);
    EXPECT_GT(doc->m_masterStyles.GetCount(), 0);
    EXPECT_GT(doc->m_listStyles.GetCount(), 0);
    EXPECT_EQ(doc->m_nFileType, 200);
    EXPECT_EQ(doc->m_printOffset[0], 72);
    EXPECT_EQ(doc->m_printOffset[1], 72);
    EXPECT_EQ(doc->m_nViewNotify, 0);
    EXPECT_EQ(doc->m_nReRows, 0);
    EXPECT_TRUE(doc->m_bUndoEnabled);
    EXPECT_EQ(doc->GetDocTemplate(), &maker.tpl);
}

TEST_F(Document, HandlesFilePropertiesAndSave)
{
    EXPECT_TRUE(doc->OnCmdMsg(kIdFileSummaryInfo, CN_COMMAND, nullptr, nullptr));
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(doc->OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr, &info));
    EXPECT_FALSE(doc->OnCmdMsg(ID_FILE_SAVE + 77, CN_COMMAND, nullptr, &info));
}

TEST_F(Document, TheClipboardFormatsAreRegisteredOnce)
{
    const WORD priv = CWDocument::m_cfPrivate, effects = CWDocument::m_cfLumifex;
    EXPECT_NE(priv, 0);
    EXPECT_NE(effects, 0);
    EXPECT_NE(priv, effects);
    char name[64] = {};
    GetClipboardFormatNameA(priv, name, sizeof(name));
    EXPECT_STREQ(name, "ZTWrite 95 Format");
    CWDocument::m_cfPrivate = 0xC0DE;   // a second document must keep what it finds
    std::unique_ptr<CWDocument> second(maker.New());
    EXPECT_EQ(CWDocument::m_cfPrivate, 0xC0DE);
    EXPECT_EQ(CWDocument::m_cfLumifex, effects);
    CWDocument::m_cfPrivate = priv;
}

// Each flow's tracker tells whether the close told the views.
TEST_F(Document, OnlyTheOutermostCloseOfABracketTellsTheViews)
{
    struct Case
    {
        const char* what;
        int opens, closes;
        bool wholeViewRepainted;
        bool bodyStillDirty;
    } cases[] = {
        {"inner close", 2, 1, false, true},
        {"outer close", 2, 2, false, false},
        {"whole view repainted inside", 1, 1, true, false},
        {"an extra close", 1, 3, false, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < c.opens; ++i)
            doc->ViewNotify(0);
        Flow(kBodyFlow)->m_redraw.InvalByPos(0, 1);
        Flow(3)->m_redraw.InvalByPos(0, 1);
        doc->m_bViewsInvalidated = c.wholeViewRepainted;
        for (int i = 0; i < c.closes; ++i)
            doc->ViewNotify(1);
        EXPECT_EQ(Flow(kBodyFlow)->m_redraw.IsDirty() != 0, c.bodyStillDirty);
        EXPECT_FALSE(doc->m_bViewsInvalidated && c.opens == c.closes);
        EXPECT_GE(doc->m_nViewNotify, 0) << "never below 0";
        if (c.wholeViewRepainted)
            EXPECT_FALSE(Flow(3)->m_redraw.IsDirty()) << "every tracker is reset";
        while (doc->m_nViewNotify > 0)
            doc->ViewNotify(1);
    }
    // After the extra close a balanced bracket still repaints.
    doc->ViewNotify(0);
    Flow(kBodyFlow)->m_redraw.InvalByPos(0, 1);
    doc->ViewNotify(1);
    EXPECT_FALSE(Flow(kBodyFlow)->m_redraw.IsDirty());
}

TEST_F(Document, HeadersAndFootersOfTheFirstPages)
{
    struct Case
    {
        int first, oddEven;
        long headers[3], footers[3];
    } cases[] = {
        {0, 0, {2, 2, 2}, {5, 5, 5}},
        {1, 0, {1, 2, 2}, {4, 5, 5}},
        {0, 1, {2, 3, 2}, {5, 6, 5}},
        {1, 1, {1, 3, 2}, {4, 6, 5}},
    };
    for (const Case& c : cases)
    {
        doc->SetFirstPageDiff(c.first, 0);
        doc->SetOddEvenPageDiff(c.oddEven, 0);
        for (long page = 0; page < 3; ++page)
        {
            SCOPED_TRACE(testing::Message() << "first " << c.first << " odd/even " << c.oddEven << " page " << page);
            EXPECT_EQ(doc->GetPageHeader(page), c.headers[page]);
            EXPECT_EQ(doc->GetPageFooter(page), c.footers[page]);
        }
    }
}

// Redrawing re-lays out and marks the document modified; redraw 1 only
// stores.
TEST_F(Document, TheHeaderSwitchesRedrawOnlyWhenAskedAndChanged)
{
    using Setter = void (CWDocument::*)(int, unsigned char);
    struct Case
    {
        const char* what;
        Setter set;
        int index;
    } cases[] = {
        {"first page", &CWDocument::SetFirstPageDiff, 0},
        {"odd and even", &CWDocument::SetOddEvenPageDiff, 1},
        {"facing pages", &CWDocument::SetFacingPages, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc->SetModifiedFlag(FALSE);
        (doc->*c.set)(1, 1);
        EXPECT_EQ(doc->m_pageInfos[0].layoutValues[c.index], 1);
        EXPECT_FALSE(doc->IsModified());
        (doc->*c.set)(1, 2);
        EXPECT_FALSE(doc->IsModified()) << "unchanged";
        (doc->*c.set)(0, 2);
        EXPECT_EQ(doc->m_pageInfos[0].layoutValues[c.index], 0);
        EXPECT_TRUE(doc->IsModified());
    }
}

TEST_F(Document, EmptyingKeepsTheSevenPageParts)
{
    Type(kBodyFlow, "body text\rmore");
    Type(5, "footer");
    for (int i = 0; i < 5; ++i)
    {
        GDoc* text = new GDoc(doc, doc->m_flows.GetCount());
        doc->m_flows.Add(text);
        CFrame* frame = new CFrame(doc, NULL, text, 300, 300 + 100 * i, 500, 200, 0, 0, kHFromPage, kVPageTop,
                                   kSizeFixedHeight, kSizeFixedWidth, 0, 0, 0);
        text->m_pFirstFrame = frame;
        doc->m_frames.Add(frame);
    }
    ASSERT_EQ(doc->m_frames.GetCount(), 12);
    doc->ClearAllDocument();
    EXPECT_EQ(doc->m_frames.GetCount(), kFirstContentFlow);
    EXPECT_EQ(doc->m_flows.GetCount(), kFirstContentFlow);
    for (long i = 0; i < kFirstContentFlow; ++i)
    {
        SCOPED_TRACE(i);
        GDoc* flow = Flow(i);
        ASSERT_EQ(flow->m_chars.GetCount(), 3);
        EXPECT_EQ(flow->m_chars[0], 13);
        EXPECT_EQ(flow->m_chars[1], 12);
        EXPECT_EQ(flow->m_chars[2], 0);
        EXPECT_EQ(flow->m_nCaret, 0);
        EXPECT_EQ(flow->m_pFirstFrame, doc->m_frames[i]);
    }
    EXPECT_EQ(doc->m_frames[kBodyFlow]->next, nullptr);
    EXPECT_GT(doc->m_fontStyles.GetCount(), 0);
    EXPECT_EQ(doc->m_nFileType, 200);
}

TEST_F(Document, CountsOfCharactersWordsAndPages)
{
    struct Case
    {
        const char* what;
        const char* body;
        const char* footer;
        long chars, words;
    } cases[] = {
        {"empty", "", "", 0, 0},
        {"two letters and a blank", "a b", "", 3, 2},
        {"tabs only", "\t\t\t", "", 0, 0},
        {"accented letters count", "caf\xe9", "", 4, 1},
        {"a footer word counts in words only", "", "foot", 0, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        doc->ClearAllDocument();
        Type(kBodyFlow, c.body);
        Type(5, c.footer);
        EXPECT_EQ(doc->GetNumChars(), c.chars);
        EXPECT_EQ(doc->GetNumWords(), c.words);
        EXPECT_EQ(doc->GetNumPages(), 1);
    }
}

TEST_F(Document, APageNumberCountsTheNumberItShows)
{
    GDoc* body = Flow(kBodyFlow);
    Type(kBodyFlow, "p ");
    GPageNum* number = new GPageNum(body, 2, 0, 41);
    body->InsertField(number);
    const char* shown = number->AsText(1);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(doc->GetNumChars(), 2 + (long)strlen(shown));
}

TEST_F(Document, TheFieldPageOfACell)
{
    GDoc* body = Flow(kBodyFlow);
    CZTCell* held = new CZTCell;
    CZTCell* loose = new CZTCell;
    doc->AddItem(held);
    doc->AddItem(loose);
    Type(kBodyFlow, "x\fy");
    body->InsertField(new GCell(body, 2, held));
    unsigned long page = 77;
    EXPECT_FALSE(doc->GetFieldPage(loose, page));
    EXPECT_EQ(page, 77u);
    ASSERT_TRUE(doc->GetFieldPage(held, page));
    EXPECT_EQ(page, (unsigned long)body->GetCharPage(2));
    EXPECT_EQ(doc->GetNumPages(), body->m_pages.GetCount() - 1);
}

TEST_F(Document, AClosedDocumentRecordsNoMoreUndo)
{
    Type(kBodyFlow, "typed");
    EXPECT_TRUE(doc->CanUndo());
    doc->m_bAutoDelete = FALSE;   // kept for the look after closing
    doc->OnCloseDocument();
    EXPECT_FALSE(doc->m_bUndoEnabled);
    EXPECT_FALSE(doc->CanUndo());
    Type(kBodyFlow, " more");
    EXPECT_FALSE(doc->CanUndo());
}

// A new object stands at the caret of the flow being edited, at least 200
// by 50.
TEST_F(Document, ANewEmbeddedItemIsPlacedAtTheCaretAndSizedUp)
{
    EXPECT_FALSE(doc->OnCreateItem(nullptr));
    Type(5, "ab");
    Flow(5)->SetPos(1);
    doc->m_nCurPart = 5;
    CZTCell* tiny = new CZTCell;
    tiny->SetSize(CSize(80, 30));
    ASSERT_TRUE(doc->OnCreateItem(tiny));
    EXPECT_EQ(tiny->GetSize(), CSize(200, 50));
    EXPECT_EQ(tiny->GetDocument(), doc);
    EXPECT_EQ(tiny->GetBackColor(), Options.Colors[CWOptions::kColorMailMerge]);
    ASSERT_EQ(Flow(5)->m_fields.GetCount(), 1);
    GOle* field = (GOle*)Flow(5)->m_fields[0];
    EXPECT_EQ(field->m_nKind, kFieldCell);
    EXPECT_EQ(field->m_nPos, 1);
    EXPECT_EQ(field->m_pItem, tiny);
    EXPECT_TRUE(doc->IsModified());
    unsigned long page = 9;
    EXPECT_TRUE(doc->GetFieldPage(tiny, page));
    EXPECT_EQ(page, 0u);
}

// The second page begins with a list item "a b" holding a date.
TEST_F(Document, AppendingAPageCopiesItsTextDatesAndListNumbersWithTheirLevelAndStyle)
{
    GDoc* body = Flow(kBodyFlow);
    for (int i = 0; i < 300 && body->m_pages.GetCount() < 3; ++i)
        Type(kBodyFlow, "line\r");
    ASSERT_EQ(body->m_pages.GetCount(), 3) << "two pages";
    const long pageStart = body->GetPageChar(1);
    std::string item("a b\r");
    body->InsertText(pageStart, &item[0], 1);
    body->InsertField(new GDateTime(body, pageStart + 1));
    GList* list = new GList(body, pageStart, 1, 1, 3);
    body->InsertField(list);
    ASSERT_EQ(body->GetPageChar(1), pageStart);
    ASSERT_EQ(FlowText(*body, pageStart, pageStart + 6), "\1a\1 b\r");

    std::unique_ptr<CWDocument> other(maker.New());
    GDoc* target = other->m_flows[kBodyFlow];
    std::string text("x");
    target->InsertText(0, &text[0], 1);
    target->AppendDocPage(*body, 1);
    const std::string copied = MarkedFlowText(*target);
    EXPECT_EQ(copied.substr(0, 7), "x@a@ b|");
    EXPECT_EQ(copied.substr(7), MarkedFlowText(*body).substr(pageStart + 6)) << "the rest of the last page";
    ASSERT_EQ(target->m_fields.GetCount(), 2);
    GField* first = target->m_fields[0];
    GField* second = target->m_fields[1];
    EXPECT_EQ(first->m_nKind, kFieldList);
    EXPECT_EQ(first->m_nPos, 1);
    EXPECT_EQ(first->m_pDoc, target);
    EXPECT_EQ(second->m_nKind, kFieldDateTime);
    EXPECT_EQ(second->m_nPos, 3);
    GList* copy = (GList*)first;
    EXPECT_EQ(copy->m_nLevel, 3);
    EXPECT_STREQ(other->m_listStyles[copy->m_nStyle].name, doc->m_listStyles[1].name);

    // The closing page entry and pages past it copy nothing.
    const std::string before = MarkedFlowText(*target);
    target->AppendDocPage(*body, body->m_pages.GetCount() - 1);
    target->AppendDocPage(*body, -1);
    EXPECT_EQ(MarkedFlowText(*target), before);
    // Any other flow gives all its text.
    Type(5, "foot");
    target->AppendDocPage(*Flow(5), 0);
    EXPECT_EQ(MarkedFlowText(*target), before + "foot");
}

TEST(DocumentHelpers, DatesAndNearlyEqualRectangles)
{
    CTime t(2026, 12, 3, 10, 0, 0);
    char out[32];
    Data(out, t);
    EXPECT_STREQ(out, "3/12/2026");
    const CRect a(10, 20, 110, 220);
    struct Case
    {
        CRect b;
        int d;
        BOOL nearby;
    } cases[] = {
        {CRect(10, 20, 110, 220), 0, TRUE},
        {CRect(12, 18, 108, 222), 2, TRUE},
        {CRect(13, 20, 110, 220), 2, FALSE},
        {CRect(10, 20, 110, 217), 2, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AlmostEqualRect(a, c.b, c.d), c.nearby) << c.b.left << "," << c.b.bottom;
}

} // namespace
