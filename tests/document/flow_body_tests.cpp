// Copies of flows through the stored flow body, and the reader's checks
// of damaged bodies.
#include "tests/support/zt_gtest.h"
#include "tests/layout/layout_fixture.h"
#include "tests/layout/reflow_test_support.h"
#include "tests/support/flow_inspection.h"
#include "model/GField.h"
#include "model/field_factory.h"
#include "model/GDateTime.h"
#include "model/GDocTitle.h"
#include "model/GPageNum.h"
#include "tests/support/archive_bytes.h"
#include "document/flow_body.h"

using namespace layout_test;

namespace {

// A field of kind at pos as the program has it: of its kind's class, or
// a plain field for a kind byte without one.
GField* FieldOfKind(BYTE kind, GDoc& flow, long pos)
{
    GField* field = NewFieldOfKind(kind, &flow);
    if (!field)
    {
        field = new GField(&flow, 0);
        field->m_nKind = kind;
    }
    field->m_nPos = (LONG)pos;
    return field;
}

// A new list field's record at 5: style 0, level 1, every number 1, not
// continuing.
std::vector<BYTE> ListRecord()
{
    std::vector<BYTE> record = {kFieldList, 5, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    for (int i = 0; i < 9; ++i)
        record.insert(record.end(), {1, 0, 0, 0});
    record.insert(record.end(), {0, 0, 0, 0});
    return record;
}

class FlowCopyTest : public FallbackFlowTest
{
protected:
    void SetUp() override
    {
        SetStops(style, {});
        SetParagraphs(flow, {Words(30, "alpha"), "tab\there", Words(12, "beta")});
        GFormat bold;
        bold.pos = 6;
        bold.style = Mint(3, 0);
        flow.m_formats.AddAt(bold, 1);
        GBorder border;
        border.first = 0;
        border.end = flow.m_paras.GetCount() > 1 ? flow.GetParaChar(1) : 0;
        border.distance = 20;
        border.sides = kBorderBox;
        border.left.lineStyle = 3;
        flow.m_borders.Add(border);
        GShade shade;
        shade.first = 0;
        shade.end = 10;
        shade.style.percent = 50;
        flow.m_shades.Add(shade);
        flow.m_chars[2] = kFieldMark;
        flow.m_fields.Add(FieldOfKind(kFieldPageNum, flow, 2));
    }
};

TEST_F(FlowCopyTest, ACopyEqualsItsSourceRecordForRecord)
{
    GDoc* copy = flow.CreateCopy();
    ASSERT_TRUE(copy != NULL);
    EXPECT_EQ(FlowBodyBytes(flow), FlowBodyBytes(*copy));
    EXPECT_EQ(flow.m_chars.GetCount(), copy->m_chars.GetCount());
    EXPECT_EQ(RowStarts(flow), RowStarts(*copy));
    EXPECT_EQ(RowTops(flow), RowTops(*copy));
    for (long r = 0; r < flow.m_rows.GetCount(); ++r)
    {
        EXPECT_EQ(flow.m_rows[r].height, copy->m_rows[r].height);
        EXPECT_EQ(flow.m_rows[r].holes->GetCount(), copy->m_rows[r].holes->GetCount());
    }
    EXPECT_EQ(flow.m_tabs.GetCount(), copy->m_tabs.GetCount());
    EXPECT_TRUE(flow.m_formats[1].style == copy->m_formats[1].style);
    EXPECT_TRUE(flow.m_borders[0].left == copy->m_borders[0].left);
    EXPECT_TRUE(flow.m_shades[0].style == copy->m_shades[0].style);
    ASSERT_EQ(1, copy->m_fields.GetCount());
    EXPECT_EQ(kFieldPageNum, copy->m_fields[0]->m_nKind);
    EXPECT_EQ(2, copy->m_fields[0]->m_nPos);
    EXPECT_EQ(copy, copy->m_fields[0]->m_pDoc);
    EXPECT_EQ(flow.m_columns.Last().position, copy->m_nClosingColumnPos);

    // The two flows are independent.
    Type(*copy, 0, "new ");
    EXPECT_EQ('a', (BYTE)flow.m_chars[0]);
    EXPECT_NE(FlowBodyBytes(flow), FlowBodyBytes(*copy));
    delete copy;
}

// Every field kind is written as the reader reads it: a copy never goes out
// of step. A text effect comes back as the picture that stands for it in
// the body; a kind without a class is its kind byte alone and comes back as
// nothing.
TEST_F(FlowCopyTest, EveryFieldKindIsWrittenAsItIsRead)
{
    struct Case { BYTE kind; BYTE copied; bool kept; } cases[] = {
        { kFieldOle, kFieldOle, true },       { kFieldDateTime, kFieldDateTime, true },
        { 4, 0, false },                      { 5, 0, false },
        { kFieldList, kFieldList, true },     { 7, 0, false },
        { kFieldDocTitle, kFieldDocTitle, true }, { kFieldImage, kFieldImage, true },
        { kFieldFootNote, kFieldFootNote, true }, { kFieldCaption, kFieldCaption, true },
        { kFieldCell, kFieldCell, true },     { kFieldLumifex, kFieldImage, true },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE((int)c.kind);
        // A field of the kind at 5, after the page-number field at 2: what
        // it writes must leave the body in step for everything after it.
        flow.m_chars[5] = kFieldMark;
        flow.m_fields.Add(FieldOfKind(c.kind, flow, 5));
        GDoc* copy = flow.CreateCopy();
        ASSERT_TRUE(copy != NULL);
        ASSERT_EQ(copy->m_fields.GetCount(), c.kept ? 2 : 1);
        EXPECT_EQ(copy->m_fields[0]->m_nKind, kFieldPageNum);
        EXPECT_EQ(copy->m_fields[0]->m_nPos, 2);
        if (c.kept)
        {
            EXPECT_EQ(copy->m_fields[1]->m_nKind, c.copied);
            EXPECT_EQ(copy->m_fields[1]->m_nPos, 5);
        }
        delete copy;
        flow.m_fields.Destroy(1, 1);
    }
}

// The field records end the body: the count, then per field its own
// record: the kind byte, the 4-byte position and the kind's data. A text
// effect is stored as a picture; kinds 4, 5 and 7 are their kind byte alone.
static std::vector<BYTE> WithObjectPart(std::vector<BYTE> common)
{
    common.insert(common.end(), 28, 0);
    return common;
}

TEST_F(FlowCopyTest, EachFieldKindIsStoredByteForByte)
{
    GDateTime* date = new GDateTime(&flow, 5);
    date->m_nTime = 0x11223344;
    date->m_nWeekday = kWeekdayShort;
    date->m_date = {13, 1, 0};
    date->m_time = {3, 0, 7};
    GPageNum* page = new GPageNum(&flow, 5, 7, -2);
    GDocTitle* title = new GDocTitle(&flow, 5, 4);
    title->m_strTitle = "Ab";
    struct Case { GField* field; std::vector<BYTE> record; } cases[] = {
        { FieldOfKind(kFieldOle, flow, 5), WithObjectPart({1, 5, 0, 0, 0}) },
        { date, {2, 5, 0, 0, 0, 0x44, 0x33, 0x22, 0x11, 2, 13, 0, 1, 0, 3, 0, 0, 7} },
        { page, {3, 5, 0, 0, 0, 7, 0xFE, 0xFF, 0xFF, 0xFF} },
        { FieldOfKind(4, flow, 5), {4} },
        { FieldOfKind(5, flow, 5), {5} },
        { FieldOfKind(kFieldList, flow, 5), ListRecord() },
        { FieldOfKind(7, flow, 5), {7} },
        { title, {8, 5, 0, 0, 0, 4, 2, 'A', 'b'} },
        { FieldOfKind(kFieldImage, flow, 5), WithObjectPart({9, 5, 0, 0, 0}) },
        { FieldOfKind(kFieldFootNote, flow, 5), {10, 5, 0, 0, 0} },
        { FieldOfKind(kFieldCaption, flow, 5), {11, 5, 0, 0, 0} },
        { FieldOfKind(kFieldCell, flow, 5), WithObjectPart({12, 5, 0, 0, 0}) },
        { FieldOfKind(kFieldLumifex, flow, 5), WithObjectPart({9, 5, 0, 0, 0}) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE((int)c.field->m_nKind);
        flow.m_chars[5] = kFieldMark;
        flow.m_fields.Add(c.field);
        // Two fields, the page number at 2 first (format 0, starting at 1).
        std::vector<BYTE> expected = {2, 0, 0, 0, kFieldPageNum, 2, 0, 0, 0, 0, 1, 0, 0, 0};
        expected.insert(expected.end(), c.record.begin(), c.record.end());
        const std::vector<BYTE> bytes = FlowBodyBytes(flow);
        ASSERT_GE(bytes.size(), expected.size());
        EXPECT_EQ(std::vector<BYTE>(bytes.end() - expected.size(), bytes.end()), expected);
        flow.m_fields.Destroy(1, 1);
    }
}

// A date, a page-number and a title field come back from the stored body
// as they went in: of their classes, with their settings, and written
// again byte for byte.
TEST_F(FlowCopyTest, TextFieldsComeBackRecordForRecord)
{
    flow.m_fields.Flush();
    GDateTime* date = new GDateTime(&flow, 2);
    date->m_nTime = 1773065107;
    date->m_nWeekday = kWeekdayFull;
    date->m_date = {9, 1, 0};
    date->m_time = {1, 1, 0};
    date->Update();
    flow.m_fields.Add(date);
    flow.m_chars[5] = kFieldMark;
    flow.m_fields.Add(new GPageNum(&flow, 5, 5, 5));
    flow.m_chars[8] = kFieldMark;
    flow.m_fields.Add(new GDocTitle(&flow, 8, 3));

    const Bytes written = FlowBodyBytes(flow);
    GDoc read(NULL, kFirstContentFlow);
    EXPECT_EQ(0u, LoadFromBytes(written, [&](CArchive& ar) { read.OpenZVW(ar); }));
    EXPECT_EQ(FlowState(flow), FlowState(read));
    ASSERT_EQ(3, read.m_fields.GetCount());

    GDateTime* readDate = dynamic_cast<GDateTime*>(read.m_fields[0]);
    ASSERT_TRUE(readDate != NULL);
    EXPECT_TRUE(*readDate == *date);
    EXPECT_EQ(kWeekdayFull, readDate->m_nWeekday);
    EXPECT_TRUE(readDate->m_date == date->m_date);
    EXPECT_TRUE(readDate->m_time == date->m_time);
    // The text is not stored: a field read shows its time in its layouts.
    EXPECT_STREQ(date->m_szText, readDate->AsText(1));

    GPageNum* readPage = dynamic_cast<GPageNum*>(read.m_fields[1]);
    ASSERT_TRUE(readPage != NULL);
    EXPECT_EQ(5, readPage->m_nFormat);
    EXPECT_EQ(5, readPage->m_nStart);
    EXPECT_EQ(5, readPage->m_nPos);

    GDocTitle* readTitle = dynamic_cast<GDocTitle*>(read.m_fields[2]);
    ASSERT_TRUE(readTitle != NULL);
    EXPECT_EQ(3, readTitle->m_nCode);
    EXPECT_EQ(&read, readTitle->m_pDoc);
}

TEST_F(FlowCopyTest, ARowIsStoredInTwentyEightBytesAndAHoleInTwelve)
{
    std::vector<BYTE> before = FlowBodyBytes(flow);
    GRow row = flow.m_rows[0];
    row.holes = GRow::NewHoles();
    CHole hole;
    hole.x = 5;
    hole.width = 7;
    row.holes->Add(hole);
    flow.m_rows.AddAt(row, 0);
    EXPECT_EQ(before.size() + 28 + 4 + 2 * 12, FlowBodyBytes(flow).size());
}

// The body with one 4-byte count replaced; offsets follow the order of the
// stored arrays.
static std::vector<BYTE> WithCount(std::vector<BYTE> bytes, size_t at, DWORD count)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = (BYTE)(count >> (8 * i));
    return bytes;
}

static int ReadFault(const std::vector<BYTE>& bytes)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    GDoc target(NULL, kFirstContentFlow);
    try
    {
        target.OpenZVW(ar);
    }
    catch (int fault)
    {
        return fault;
    }
    return 0;
}

TEST_F(FlowCopyTest, DamagedBodiesThrowTheirFaults)
{
    // The body ends with the field count and the page number's record.
    const size_t kPageNumRecordSize = 10;
    const std::vector<BYTE> good = FlowBodyBytes(flow);
    EXPECT_EQ(0, ReadFault(good));
    const size_t formats = 4 + flow.m_chars.GetCount();
    struct Case
    {
        const char* what;
        size_t at;
        DWORD count;
        int fault;
    } cases[] = {
        {"two characters", 0, 2, kArrayReadFault},
        {"no format run", formats, 0, kArrayReadFault},
        {"too many format runs", formats, 1000001, kArrayReadFault},
        {"fields", good.size() - 4 - kPageNumRecordSize, 1001, kFieldCountFault},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.fault, ReadFault(WithCount(good, c.at, c.count)));
    }
    // A body cut short.
    EXPECT_EQ(kArrayReadFault, ReadFault(std::vector<BYTE>(good.begin(), good.begin() + good.size() / 2)));
}

TEST(FlowBodyTest, BorderSidesAreRepairedAndOldBuffersPacked)
{
    struct Case
    {
        LONG pen, line, wantPen, wantLine;
    } cases[] = {{0, 9, 0, 0}, {2, 0, 2, 7}, {1, 4, 1, 6}, {3, 8, 3, 8}, {0, 5, 0, 5}};
    for (const Case& c : cases)
    {
        CBorderStyle side;
        side.penStyle = c.pen;
        side.lineStyle = c.line;
        CheckBorderStyles(side);
        EXPECT_EQ(c.wantPen, side.penStyle);
        EXPECT_EQ(c.wantLine, side.lineStyle);
    }
    EXPECT_EQ(65543, HugeArraySize(7, 9363));
    BYTE* base = NULL;
    EXPECT_EQ(base + 65536, (BYTE*)HugeArray(base, 7, 9362));
}

// A body read from a damaged file either fails as damaged (the int fault)
// or gives a flow that can be laid out, edited and stored again: four bytes
// at every place of a real body are changed in turn to values a damaged
// file may hold.
TEST_F(FlowCopyTest, DamagedWordsAreRefusedOrReadIntoAUsableFlow)
{
    const std::vector<BYTE> good = FlowBodyBytes(flow);
    const DWORD values[] = {0, 1, 2, 3, 0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 12, 13, 1000, 100000};
    int refused = 0, read = 0;
    for (size_t at = 0; at + 4 <= good.size(); ++at)
        for (DWORD value : values)
        {
            SCOPED_TRACE(testing::Message() << "bytes at " << at << " = " << value);
            std::vector<BYTE> bytes = WithCount(good, at, value);
            CMemFile file(bytes.data(), (UINT)bytes.size());
            CArchive ar(&file, CArchive::load);
            GDoc target(NULL, kFirstContentFlow);
            const char* step = "reading";
            try
            {
                try
                {
                    target.OpenZVW(ar);
                }
                catch (int)
                {
                    ++refused;
                    continue;
                }
                ++read;
                step = "laying out";
                const long rows = target.m_rows.GetCount();
                target.ReRowByRow(0, rows - 1, GDoc::kReRowLayout, GDoc::kWholeParagraph);
                step = "typing";
                Type(target, target.m_chars.GetCount() / 2, "x y");
                step = "deleting";
                target.DeleteText(1, target.m_chars.GetCount() / 2, 1);
                step = "storing";
                FlowBodyBytes(target);
            }
            catch (CException* e)
            {
                ADD_FAILURE() << step << ": " << e->GetRuntimeClass()->m_lpszClassName;
                e->Delete();
            }
        }
    EXPECT_GT(refused, 0);
    EXPECT_GT(read, 0);
}

} // namespace
