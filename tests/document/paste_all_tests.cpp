// Making a document a whole copy of another: page set-up, styles in the
// same order, every flow's text, footnotes and text boxes with frames of
// their own, extra flows untouched, and a copy that outlives its source.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GFootNote.h"
#include "tests/support/flow_inspection.h"
#include "view/CWView.h"
#include "app/CWOptions.h"
#include <memory>
#include <string>

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

class PasteAll : public testing::Test
{
protected:
    Template maker;
    std::unique_ptr<CWDocument> src{maker.New()};
    std::unique_ptr<CWDocument> dst{maker.New()};
    GFootNote* note = nullptr;
    GDoc* boxText = nullptr;
    CFrame* box = nullptr;

    // Styles, a wider left margin, a header, a footnote and a text box.
    void Fill()
    {
        GDoc* body = src->m_flows[kBodyFlow];
        GStyleItem<GFontStyle> bold("Loud", *body->GetCharFStylePtr(0));
        bold.style.SetAttr(1, 1);
        src->AddNewFStyle(bold);
        src->m_pageInfos[0].textLeft += 100;
        src->m_docInfo.created = 1234;
        Type(body, "Dear reader,\rThe second paragraph.");
        Type(src->m_flows[2], "Header text");
        note = new GFootNote(body, 4, 0);
        body->InsertField(note);
        ASSERT_NE(note->m_pNote, nullptr);
        Type(note->m_pNote, " the note");
        boxText = new GDoc(src.get(), src->m_flows.GetCount());
        src->m_flows.Add(boxText);
        box = new CFrame(src.get(), body, boxText, 100, 100, 600, 400, 0, 0, 0, 0, 0, 0, 20, 20, 1);
        body->m_frames.Add(box);
        boxText->m_pFirstFrame = box;
        Type(boxText, "In the box");
    }
    std::string SourceState()
    {
        std::string s;
        for (LONG i = 0; i < src->m_flows.GetCount(); ++i)
            s += FlowState(*src->m_flows[i]);
        return s + std::to_string(src->m_fontStyles.GetCount()) + " " + std::to_string(src->m_frames.GetCount());
    }
};

TEST_F(PasteAll, CopiesSetupStylesFlowsNotesAndBoxesAndKeepsNothingOfTheSource)
{
    Fill();
    const std::string before = SourceState();
    dst->PasteAll(src.get());
    EXPECT_EQ(SourceState(), before) << "the source stays as it was";
    EXPECT_EQ(bPasteMerge, 0);

    EXPECT_EQ(dst->m_pageInfos[0].textLeft, src->m_pageInfos[0].textLeft);
    EXPECT_EQ(dst->m_docInfo.created, 1234);
    ASSERT_EQ(dst->m_fontStyles.GetCount(), src->m_fontStyles.GetCount());
    for (LONG i = 0; i < src->m_fontStyles.GetCount(); ++i)
        EXPECT_STREQ(dst->m_fontStyles[i].name, src->m_fontStyles[i].name) << i;
    EXPECT_EQ(dst->m_masterStyles.GetCount(), src->m_masterStyles.GetCount());
    EXPECT_EQ(dst->m_paraStyles.GetCount(), src->m_paraStyles.GetCount());
    EXPECT_EQ(dst->m_listStyles.GetCount(), src->m_listStyles.GetCount());
    for (LONG i = 0; i < kFirstContentFlow; ++i)
        EXPECT_EQ(dst->m_frames[i]->owner, dst.get()) << i;

    ASSERT_EQ(dst->m_flows.GetCount(), src->m_flows.GetCount());
    for (LONG i = 0; i < src->m_flows.GetCount(); ++i)
    {
        EXPECT_EQ(MarkedFlowText(*dst->m_flows[i]), MarkedFlowText(*src->m_flows[i])) << "flow " << i;
        EXPECT_EQ(dst->m_flows[i]->m_pOwner, dst.get());
        EXPECT_EQ(dst->m_flows[i]->m_nCaret, 0);
    }
    // The copy's footnote shows the copy's note flow of the same index.
    GDoc* body = dst->m_flows[kBodyFlow];
    const long mark = body->GetCharField(4);
    ASSERT_GE(mark, 0);
    GFootNote* copied = dynamic_cast<GFootNote*>(body->m_fields[mark]);
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->m_pNote, dst->m_flows[src->FlowIndex(note->m_pNote)]);

    // The box has a frame of its own in the copy's body, showing the copy's flow.
    ASSERT_EQ(body->m_frames.GetCount(), 1);
    CFrame* frame = body->m_frames[0];
    EXPECT_NE(frame, box);
    EXPECT_EQ(frame->anchor, body);
    EXPECT_EQ(frame->owner, dst.get());
    GDoc* copiedBox = dst->m_flows[src->FlowIndex(boxText)];
    EXPECT_EQ(frame->content, copiedBox);
    EXPECT_EQ(copiedBox->m_pFirstFrame, frame);
    for (LONG i = 0; i < dst->m_frames.GetCount(); ++i)
    {
        CFrame* f = dst->m_frames[i];
        EXPECT_TRUE(!f->content || f->content->m_pOwner == dst.get()) << i;
        EXPECT_TRUE(!f->next || f->next->owner == dst.get()) << i;
    }

    // Editing the copy leaves the source alone, and the copy outlives it.
    Type(copiedBox, " edited");
    EXPECT_EQ(FlowText(*boxText), "In the box");
    const std::string bodyText = MarkedFlowText(*body);
    src.reset();
    Type(body, " more");
    EXPECT_EQ(MarkedFlowText(*body), bodyText + " more");
    EXPECT_EQ(FlowText(*copiedBox), "In the box edited");
    Type(copied->m_pNote, "!");
}

TEST_F(PasteAll, ExtraFlowsAndEmptySourceFlowsLeaveTheTargetsText)
{
    Type(src->m_flows[kBodyFlow], "body");
    // The target has one flow more than the source, and text in a header
    // the source leaves empty (13, 12, 0 only).
    GDoc* extra = new GDoc(dst.get(), dst->m_flows.GetCount());
    dst->m_flows.Add(extra);
    Type(extra, "extra");
    Type(dst->m_flows[2], "kept");
    dst->PasteAll(src.get());
    ASSERT_EQ(dst->m_flows.GetCount(), kFirstContentFlow + 1);
    EXPECT_EQ(FlowText(*dst->m_flows[kFirstContentFlow]), "extra");
    EXPECT_EQ(FlowText(*dst->m_flows[2]), "kept");
    EXPECT_EQ(FlowText(*dst->m_flows[kBodyFlow]), "body");
}

TEST_F(PasteAll, TheClipboardKeepsItsCarets)
{
    Type(src->m_flows[kBodyFlow], "body");
    dst->m_bClipboard = TRUE;
    dst->m_flows[kBodyFlow]->SetPos(0);
    dst->PasteAll(src.get());
    EXPECT_EQ(dst->m_flows[kBodyFlow]->m_nCaret, 4) << "the caret stays behind the pasted text";
    dst->m_bClipboard = FALSE;
}

} // namespace
