// List-number fields on their own: the stored form and damaged records,
// the label text's limit, measuring pieces and the label box that only
// grows.
#include "tests/support/zt_gtest.h"
#include "afxwin.h"
#include "model/GDoc.h"
#include "model/GListField.h"
#include "document/CWDocument.h"
#include "view/CWView.h"
#include "tests/support/archive_bytes.h"
#include <cstring>
#include <string>

namespace
{
const long kNumberStyle = 6;   // standard "1." list, every level numbered

class ListFieldTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        flow = new GDoc(&doc, 0);
        doc.m_flows.Add(flow);
        // One character for the fields below to stand on.
        flow->InsCharItem(0, 1, kFieldMark);
    }
    Bytes Stored(GList& field)
    {
        return StoreToBytes([&](CArchive& ar) { field.SaveZVW(ar); });
    }
    // The stored bytes of a field with these values, read into a new field.
    void ReadBack(LONG style, LONG level, GList& into)
    {
        GList source;
        source.m_nStyle = style;
        source.m_nLevel = level;
        Bytes bytes = Stored(source);
        into.m_pDoc = flow;
        LoadFromBytes(bytes, [&](CArchive& ar) {
            BYTE kind;
            ar >> kind;
            into.OpenZVW(ar);
        });
    }
    CWDocument doc;
    GDoc* flow = NULL;
};

TEST_F(ListFieldTest, RoundTripsAtFiftyThreeBytes)
{
    int starts[kListLevels] = {4, 7, -1, 2, 1, 1, 1, 1, 9};
    GList field(flow, 0, kNumberStyle, starts, 0, 2);
    field.m_bContinues = 1;
    Bytes bytes = Stored(field);
    ASSERT_EQ(bytes.size(), (size_t)GList::kStoredSize);
    EXPECT_EQ(bytes[0], kFieldList);

    GList back;
    back.m_pDoc = flow;
    LoadFromBytes(bytes, [&](CArchive& ar) {
        BYTE kind;
        ar >> kind;
        back.OpenZVW(ar);
    });
    EXPECT_EQ(back.m_nPos, field.m_nPos);
    EXPECT_EQ(back.m_nStyle, kNumberStyle);
    EXPECT_EQ(back.m_nLevel, 2);
    EXPECT_EQ(back.m_bContinues, 1);
    // Reading ends with an update, which renumbers from the start values:
    // the field stands alone, so it takes them.
    EXPECT_EQ(std::string(back.AsText(1)), "1.1.");
}

TEST_F(ListFieldTest, DamagedRecordsFailTheRead)
{
    const struct
    {
        LONG style, level;
    } damaged[] = {{kNumberStyle, 0}, {kNumberStyle, 10}, {(LONG)doc.m_listStyles.count, 1}};
    for (const auto& c : damaged)
    {
        GList into;
        EXPECT_THROW(ReadBack(c.style, c.level, into), int) << c.style << " " << c.level;
    }
    // A negative style is no index at all: it shows the bullet label.
    GList negative;
    ReadBack(-1, 1, negative);
    EXPECT_EQ(std::string(negative.AsText(1)), "\xB7");
}

TEST_F(ListFieldTest, TextStopsBeforeAPieceThatWouldPassTheLimit)
{
    GList field;
    for (GListLabel& label : field.m_Labels)
    {
        strcpy(label.prefix, "<<<<<<<<<<<<<<<");   // 15 characters
        strcpy(label.number, "12345");
        strcpy(label.suffix, ">>>>>>>>>>>>>>>");
    }
    const std::string text = field.AsText(1);
    // Three levels of 35 make 105; the fourth level's prefix and number
    // still fit (125), its suffix would pass 127 and ends the text.
    EXPECT_EQ(text.size(), 125u);
    EXPECT_EQ(text.substr(120), "12345");
    EXPECT_LE(text.size(), (size_t)GList::kMostTextLength);
}

TEST_F(ListFieldTest, AccumulateGrowsTheHeightAboveAndBelowTheBaseline)
{
    const struct
    {
        CSize size;
        int ascent;
        CSize extent;
        int pieceAscent;
        CSize result;
    } cases[] = {
        {{0, 30}, 30, {10, 40}, 30, {10, 40}},   // a descent of 10
        {{10, 40}, 30, {5, 50}, 40, {15, 50}},   // 10 more above, nothing more below
        {{10, 40}, 30, {5, 30}, 20, {15, 40}},   // smaller piece: only wider
    };
    for (const auto& c : cases)
    {
        CSize size = c.size;
        GList::Accumulate(size, c.ascent, c.extent, c.pieceAscent);
        EXPECT_EQ(size, c.result) << c.extent.cx << "x" << c.extent.cy;
    }
}

TEST_F(ListFieldTest, LabelBoxGrowsToTheWidestLabelAndStays)
{
    GLevelStyle& level = doc.m_listStyles[kNumberStyle].style.Level(1);
    level.m_Width = 0;
    level.m_Gap = 5;
    // A list start takes its style's start values.
    level.m_Start = 8;
    GList field(flow, 0, kNumberStyle, 0, 1);
    const short eight = level.m_Width;
    EXPECT_GT(eight, 5);
    level.m_Start = 8888;
    GList wide(flow, 0, kNumberStyle, 0, 1);
    const short wider = level.m_Width;
    EXPECT_GT(wider, eight);
    field.Update();
    EXPECT_EQ(level.m_Width, wider) << "the box never shrinks";
    int ascent = 0;
    CSize size = field.GetSize(GetMemIC(), ascent, 1);
    EXPECT_EQ(size.cx, wider) << "a short label measures the whole box";
    EXPECT_GT(ascent, 0);
}
TEST_F(ListFieldTest, ALabelIsDrawnAlignedInItsBoxAndThePenEndsAfterTheBox)
{
    GLevelStyle& level = doc.m_listStyles[kNumberStyle].style.Level(1);
    CDC* ic = GetMemIC();
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(ic));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(ic, 400, 100));
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.SetTextAlign(TA_UPDATECP | TA_BASELINE);
    for (unsigned char align : {GLevelStyle::kLabelLeft, GLevelStyle::kLabelRight})
    {
        level.m_Align = align;
        level.m_Width = 300;
        level.m_Gap = 20;
        GList field(flow, 0, kNumberStyle, 0, 1);
        int ascent = 0;
        const CSize size = field.GetSize(&dc, ascent, 1);
        EXPECT_EQ(size.cx, 300);
        dc.MoveTo(10, 50);
        field.Draw(&dc, 1, 1, NULL);
        EXPECT_EQ(dc.GetCurrentPosition(), CPoint(310, 50)) << (int)align;
    }
    dc.SelectObject(old);
}
TEST_F(ListFieldTest, TheLongestNumberWordFitsItsLabel)
{
    GLevelStyle& level = doc.m_listStyles[kNumberStyle].style.Level(1);
    level.m_Seq.kind = GSequence::kOrdinalWord;
    level.m_Start = 7777;
    GList field(flow, 0, kNumberStyle, 0, 1);
    const std::string text = field.AsText(1);
    ASSERT_GT(text.size(), 40u);
    EXPECT_EQ(text.substr(text.size() - 8), "SEVENTH.") << text;
}

TEST_F(ListFieldTest, CopiesCompareByWhatTheyStore)
{
    GList field(flow, 0, kNumberStyle, 0, 2);
    GList copy(field);
    EXPECT_EQ(copy.m_pSource, &field);
    EXPECT_FALSE(copy == field) << "a copy names its source";
    GList assigned;
    assigned = field;
    EXPECT_TRUE(assigned == field);
    assigned.m_nNumbers[4] = 99;
    EXPECT_FALSE(assigned == field);
    GField* heap = field.CreateCopy();
    ASSERT_NE(heap, &field);
    EXPECT_EQ(((GList*)heap)->m_nLevel, 2);
    heap->Destroy();
}
}  // namespace
