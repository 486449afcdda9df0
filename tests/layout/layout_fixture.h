// The fixture of the layout tests and of the stored-flow tests: one flow
// outside any document, broken with the fallback paragraph style.
#pragma once
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_test_support.h"
#include "model/GDoc.h"

namespace layout_test {

// A frame text flow that no document owns. Its paragraphs take the fallback
// style, which the test may change: the scope puts it back afterwards, as
// every test of the program shares it.
class FallbackFlowTest : public testing::Test
{
protected:
    FallbackParaScope scope;
    GParaStyle& style = FallbackParaScope::Style();
    GDoc flow{NULL, kFirstContentFlow};
};

// The same flow with a plain left paragraph, so that the rows depend on the
// text and the column width alone.
class LayoutTest : public FallbackFlowTest
{
protected:
    void SetUp() override { PlainLeftParagraph(style); }
};

} // namespace layout_test
