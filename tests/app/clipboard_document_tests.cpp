// The hidden clipboard document: whole, silent and without undo.
#include "tests/support/zt_gtest.h"
#include "app/clipboard_document.h"
#include "document/CWDocument.h"
#include "model/GDoc.h"
#include "tests/support/flow_inspection.h"
#include <string>

namespace {

TEST(ClipboardDocument, IsWholeFrozenAndRecordsNoUndo)
{
    CWDocument* clip = CreateClipboardDocument();
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(CreateClipboardDocument(), clip) << "one for the application";
    EXPECT_EQ(clip->m_flows.GetCount(), kFirstContentFlow);
    EXPECT_EQ(clip->m_nViewNotify, 1);
    EXPECT_FALSE(clip->m_bUndoEnabled);
    EXPECT_FALSE(clip->CanUndo());

    GDoc* body = clip->m_flows[kBodyFlow];
    std::string text("copied");
    body->InsertText(0, &text[0], 0);
    EXPECT_FALSE(clip->CanUndo());
    // Brackets inside stay closed to the views.
    clip->ViewNotify(0);
    clip->ViewNotify(1);
    EXPECT_EQ(clip->m_nViewNotify, 1);
    clip->ClearAllDocument();
    EXPECT_EQ(FlowText(*body), "");
    EXPECT_EQ(clip->m_nViewNotify, 1);

    CloseClipboardDocument();
    EXPECT_EQ(Clipboard, nullptr);
}

} // namespace
