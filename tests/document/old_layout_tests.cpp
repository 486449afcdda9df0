// Documents of the older native layout (version 280): a file built byte by
// byte opens with its six flows, columns, rows, borders and fields made
// today's; packed arrays are read across their 64 KB units; damaged files
// are offered for salvage or open, never crash or hang.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "document/flow_body.h"
#include "document/old_layout.h"
#include "document/old_ole_item.h"
#include "editing/document_editing.h"
#include "layout/CFrame.h"
#include "model/GDateTime.h"
#include "model/GDoc.h"
#include "model/GListField.h"
#include "model/GOle.h"
#include "model/GPageNum.h"
#include "model/GTabArr.h"
#include "resources/resource.h"
#include "tests/document/progress_recorder.h"
#include "tests/model/style_test_support.h"
#include "tests/support/archive_bytes.h"
#include "view/CWView.h"
#include "ZTOldCell.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

using style_tests::Fixture;

namespace {

class RecordingApp : public CWinApp
{
public:
    RecordingApp() : CWinApp("ZtOldLayoutTest") {}
    std::vector<UINT> asked;
    int DoMessageBox(LPCSTR, UINT, UINT id) override
    {
        asked.push_back(id);
        return IDNO;
    }
};

const BYTE kRed[3] = {0xFF, 0, 0};
const LONG kRedSide = 0x0000FF;

// One old flow: its text, rows (first, y), paragraphs (first row), column
// blocks (first, count, gap, start rows) and what follows the pages.
struct OldFlow
{
    std::string text;
    std::vector<std::pair<long, long>> rows;
    std::vector<long> paras;
    struct Block
    {
        long first;
        int count;
        int gap;
        std::vector<long> startRows;
    };
    std::vector<Block> blocks;
    std::vector<std::pair<long, long>> borders;   // first, end (red boxes)
    long storedPages = 2;
    long formatCount = -1;                         // -1: the real count
    Bytes fields = Bytes{0, 0, 0, 0};              // count, then records

    void Write(Fixture& f) const
    {
        f.i32((long long)text.size());
        for (char c : text)
            f.u8((BYTE)c);
        const long last = (long)text.size() - 1;
        f.i32(formatCount >= 0 ? formatCount : 2);   // formats: 0 and the closing run
        f.i32(0).i16(0).u8(0);
        f.i32(last).i16(0).u8(0);
        f.i32(0);                                    // no tab characters
        f.i32((long long)rows.size());
        for (auto& r : rows)
            f.i32(r.first).i32(r.second).i16(30);
        f.i32((long long)paras.size());
        for (long p : paras)
            f.i32(p).i16(0).u8(0);
        f.i32((long long)borders.size());
        for (auto& b : borders)
            f.i32(b.first).i32(b.second).i16(0).u8(kRed[0]).u8(kRed[1]).u8(kRed[2]).u8(0);
        f.i32((long long)blocks.size());
        for (const Block& b : blocks)
        {
            f.i32(b.first).u8(b.count).i16(b.gap);
            for (int i = 0; i < kMostTextColumns; ++i)
                f.i32(i < (int)b.startRows.size() ? b.startRows[i] : -1);
            f.i32(0);
        }
        f.i32(storedPages);
        for (long p = 0; p < storedPages; ++p)
            f.i32(p == storedPages - 1 ? (long long)blocks.size() - 1 : 0);
        f.add(fields);
    }

    // 13, 12, 0 alone, laid out by the older program in one row.
    static OldFlow Empty()
    {
        OldFlow flow;
        flow.text = std::string("\r\x0c", 2) + std::string(1, '\0');
        flow.rows = {{0, 0}, {2, 40}};
        flow.paras = {0, 1};
        flow.blocks = {{0, 1, 0, {0}}, {2, -1, 0, {}}};
        return flow;
    }
};

const long kTimeAt = 8, kDateAt = 10, kPageAt = 12, kCellAt = 14, kListAt = 0;

// The body: a list paragraph, then a time, a date, a page number and a
// cell between letters; a red border round the first paragraph.
struct BodyFields
{
    int timeByte = 2;
    int dateByte = 3;
    long datePos = kDateAt;
    int listStyle = 0;
    bool objectForCell = false;

    Bytes Build() const
    {
        Fixture f;
        f.i32(5);
        f.u8(7).i32(kListAt).i16(listStyle).i16(1);
        for (int i = 0; i < 9; ++i)
            f.i16(1);
        f.i16(0).zeros(2);
        f.u8(2).i32(kTimeAt).zeros(7).u8(timeByte);
        f.u8(3).i32(datePos).zeros(7).u8(dateByte).zeros(18);
        f.u8(4).i32(kPageAt).u8(2).u8(5).zeros(3).zeros(2);
        if (objectForCell)
        {
            f.u8(1).i32(kCellAt).i16(300).i16(200).text("Object 7", 32);
            return f.b;
        }
        f.u8(5).i32(kCellAt).zeros(4);
        Fixture cell;
        cell.u8(COldCellRecord::kNumber).i16(1).i16(2);
        double value = 12.5;
        BYTE raw[8];
        memcpy(raw, &value, 8);
        for (BYTE b : raw)
            cell.u8(b);
        cell.u8(COldCellRecord::kFixed).u8(2);
        f.i16((int)cell.b.size()).add(cell.b);
        return f.b;
    }
};

// A level or style record of the older layout, every value defined.
void OldFont(Fixture& f)
{
    f.text("Arial", 32).i16(42).i32(0).i16(0).i16(0xFFFF).i16(0);
}

void OldPara(Fixture& f)
{
    f.i16(0).u8(1).i16(0).u8(1).i16(0).u8(1).f32(1.0f).u8(1).i16(0).u8(1).u8(1);
    for (int i = 0; i < GTabArr::kCount; ++i)
        f.u8(1).i16(127 * (i + 1)).u8(0);
}

struct OldFile
{
    OldFlow body;
    OldFlow flows[5] = {OldFlow::Empty(), OldFlow::Empty(), OldFlow::Empty(), OldFlow::Empty(),
                        OldFlow::Empty()};
    BodyFields bodyFields;

    OldFile()
    {
        body.text = std::string("\x01" "First\r" "T\x01" "D\x01" "P\x01" "C\x01" " end\r\x0c", 21) +
                    std::string(1, '\0');
        body.rows = {{0, 0}, {7, 50}, {21, 100}};
        body.paras = {0, 1, 2};
        body.blocks = {{0, 1, 0, {0}}, {21, -1, 0, {}}};
        body.borders = {{0, 7}};
        // The header of every page: two paragraphs in two columns.
        OldFlow& header = flows[1];
        header.text = std::string("Ab\rCd\r\x0c", 7) + std::string(1, '\0');
        header.rows = {{0, 0}, {3, 40}, {7, 90}};
        header.paras = {0, 1, 2};
        header.blocks = {{0, 2, 100, {0, 1}}, {7, -1, 0, {}}};
    }

    Bytes Build()
    {
        body.fields = bodyFields.Build();
        Fixture f;
        f.u8('Z').u8('V').i16(280);
        f.i32(1234567).i32(1).i32(2).i32(3).i32(4).i32(5);
        // Page set-up: A4 portrait, text 231..1869 wide, edited flow 3, a
        // pending style held.
        f.u8(9).i16(1).i16(2100).i16(2970).i16(231).i16(254).i16(1869).i16(2716).i16(1).i16(1).i16(0).i16(0);
        f.zeros(2).u8(3);
        f.i16(1).i16(30).i16(30).i16(1).i16(0).i16(0).i16(0).i16(0).i16(0).i16(0);
        f.zeros(48);
        for (int i = 0; i < 160; ++i)
            f.u8(i);
        f.i32(1).text("Normal", 32).u8(0).i16(0);
        OldFont(f);
        f.i32(1).text("Normal", 32).u8(0).i16(0);
        OldPara(f);
        f.i32(1).text("(M) Normal", 32).u8(0).i16(0).i16(0).i16(0);
        f.i32(1).text("Numbers", 32).u8(0).i16(0);
        for (int level = 0; level < 9; ++level)
        {
            OldFont(f);
            f.zeros(4);
            OldPara(f);
            f.text("", 16).text(".", 16);
            f.u8(1).i16(1).i16(1).u8(0).zeros(1).u8(1).i16(100).i16(20);
        }
        body.Write(f);
        for (const OldFlow& flow : flows)
            flow.Write(f);
        return f.b;
    }
};

struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    std::unique_ptr<CWDocument> New() { return std::unique_ptr<CWDocument>((CWDocument*)tpl.CreateNewDocument()); }
};

class OldLayout : public testing::Test
{
protected:
    RecordingApp app;
    Template maker;
    std::unique_ptr<CWDocument> doc = maker.New();

    void TearDown() override { ReleaseDocEditing(doc.get()); }

    int Open(const Bytes& bytes, size_t* unread = nullptr)
    {
        int result = -1;
        const size_t left = LoadFromBytes(bytes, [&](CArchive& ar) { result = doc->OpenZVW(ar); });
        if (unread)
            *unread = left;
        return result;
    }

    template <class T>
    T* FieldAt(GDoc* flow, long pos)
    {
        for (long i = 0; i < flow->m_fields.GetCount(); ++i)
            if (flow->m_fields[i]->m_nPos == pos)
                return dynamic_cast<T*>(flow->m_fields[i]);
        return nullptr;
    }
};

TEST_F(OldLayout, AVersion280FileOpensWithItsSixFlowsMadeTodays)
{
    std::string kept = "kept";
    doc->m_flows[6]->InsertText(0, &kept[0], 0);
    const long flow6Length = doc->m_flows[6]->m_chars.GetCount();

    OldFile file;
    size_t unread = 99;
    ProgressRecorder progress;
    ASSERT_EQ(0, Open(file.Build(), &unread));
    EXPECT_TRUE(app.asked.empty());
    ASSERT_EQ(1u, progress.shown.size());
    ProgressRecorder::ExpectRisingTo(progress.shown[0], IDS_PROGRESS_OPENING, 15, 15);
    EXPECT_EQ(0u, unread) << "exactly six flows are read";
    EXPECT_EQ(0, bReadOldVersion);
    ASSERT_EQ(7, doc->m_flows.GetCount());
    EXPECT_EQ(flow6Length, doc->m_flows[6]->m_chars.GetCount()) << "flow 6 stays as made";
    EXPECT_EQ('k', (char)doc->m_flows[6]->m_chars[0]);

    // Page set-up: widened by 31 each side, session values reset, the
    // reserved block kept.
    const GPageInfo& info = doc->m_pageInfos[0];
    EXPECT_EQ(200, info.textLeft);
    EXPECT_EQ(1900, info.textRight);
    EXPECT_EQ(0, info.useFontStyle);
    EXPECT_EQ(0, info.layoutValues[3]);
    EXPECT_EQ(1, info.finalValue);
    EXPECT_EQ(30, info.distances[0]);
    EXPECT_EQ(1234567, doc->m_docInfo.created);
    EXPECT_EQ(159, doc->m_extraInfo[159]);

    // The header's two columns share the 1,700 of its frame.
    GDoc* header = doc->m_flows[2];
    ASSERT_EQ(1700, header->m_pFirstFrame->area.Width());
    const GColumn& block = header->m_columns[0];
    EXPECT_EQ(2, block.count);
    EXPECT_EQ(800, block.cols[0].width);
    EXPECT_EQ(800, block.cols[1].width);
    EXPECT_EQ(100, block.cols[0].gap);
    EXPECT_EQ(0, block.cols[1].gap);
    EXPECT_EQ(1, block.flags[0]);
    EXPECT_EQ((signed char)kClosingColumnCount, header->m_columns.Last().count);

    // Rows keep the older program's places; heights from the y steps.
    ASSERT_EQ(3, header->m_rows.GetCount());
    EXPECT_EQ(40, header->m_rows[0].height);
    EXPECT_EQ(50, header->m_rows[1].height);
    EXPECT_EQ(0, header->m_rows[2].height);
    ASSERT_TRUE(header->m_rows[0].holes);
    EXPECT_EQ(1, header->m_rows[0].holes->GetCount());

    GDoc* body = doc->m_flows[0];
    GDateTime* time = FieldAt<GDateTime>(body, kTimeAt);
    ASSERT_NE(nullptr, time);
    EXPECT_EQ(2, time->m_time.format);
    EXPECT_EQ(1, time->m_time.show);
    EXPECT_EQ(0, time->m_date.show);
    GDateTime* date = FieldAt<GDateTime>(body, kDateAt);
    ASSERT_NE(nullptr, date);
    EXPECT_EQ(10, date->m_date.format);
    EXPECT_EQ(1, date->m_date.show);

    GPageNum* page = FieldAt<GPageNum>(body, kPageAt);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(2, page->m_nFormat);
    EXPECT_EQ(5, page->m_nStart);

    // Held-aside fields stand on field marks of their own again.
    GList* list = FieldAt<GList>(body, kListAt);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(kFieldMark, (BYTE)body->m_chars[kListAt]);
    EXPECT_STREQ("1.", list->AsText(1));
    GCell* cell = FieldAt<GCell>(body, kCellAt);
    ASSERT_NE(nullptr, cell);
    EXPECT_EQ(kFieldMark, (BYTE)body->m_chars[kCellAt]);
    EXPECT_STREQ("12.50", cell->AsText(1));
    EXPECT_STREQ("B3", (LPCSTR)cell->GetCellName());
    EXPECT_EQ('F', (char)body->m_chars[1]);
    EXPECT_EQ(21, body->m_chars.GetCount() - 1) << "no character gained or lost";

    // The red border is a full box over the first paragraph.
    ASSERT_EQ(1, body->m_borders.GetCount());
    EXPECT_EQ(0, body->m_borders[0].first);
    EXPECT_EQ(7, body->m_borders[0].end);
    EXPECT_EQ(kBorderBox, body->m_borders[0].sides);
    EXPECT_EQ((COLORREF)kRedSide, body->m_borders[0].top.colour);
    EXPECT_EQ((COLORREF)kRedSide, body->m_borders[0].right.colour);
}

TEST_F(OldLayout, AnOldObjectKeepsItsNameAndSizeAndShowsAnEmptyPlace)
{
    OldFile file;
    file.bodyFields.objectForCell = true;
    const Bytes bytes = file.Build();
    ASSERT_EQ(0, Open(bytes));
    GOle* object = FieldAt<GOle>(doc->m_flows[0], kCellAt);
    ASSERT_NE(nullptr, object);
    EXPECT_EQ(CSize(300, 200), object->GetObjectSize());
    auto* item = dynamic_cast<CWOldZTOleRectItem*>(object->m_pItem);
    ASSERT_NE(nullptr, item);
    char name[CWOldZTOleRectItem::kNameSize];
    item->GetItemNameOld(name);
    EXPECT_STREQ("Object 7", name);
    EXPECT_TRUE(item->IsLoadedFromStorage());
    EXPECT_EQ(1, doc->GetItemCount());
}

TEST(OldPackedArrays, RecordsAreTakenAcrossTheirSixtyFourKilobyteUnits)
{
    const long count = 9363;
    const long bytes = HugeArraySize(_GFormat::kStoredSize, count);
    EXPECT_EQ(65543, bytes);
    Fixture f;
    f.i32(count);
    Bytes block(bytes, 0);
    // The last record of the first unit ends at 65,534; the 9,363rd record
    // opens the second unit.
    const BYTE last[7] = {0x78, 0x56, 0x34, 0x12, 0x05, 0x00, 0x01};
    std::copy(last, last + 7, block.begin() + 65536);
    f.add(block);
    long read = 0;
    unsigned char* buffer = nullptr;
    EXPECT_EQ(0u, LoadFromBytes(f.b, [&](CArchive& ar) { ReadInBuffer(ar, read, 7, &buffer); }));
    ASSERT_EQ(count, read);
    _GFormat record;
    Decode((const BYTE*)HugeArray(buffer, 7, count - 1), record);
    delete[] buffer;
    GFormat converted;
    Eq(converted, record);
    EXPECT_EQ(0x12345678, converted.pos);
    EXPECT_EQ(Mint(5, 1), converted.style);
}

TEST(OldCells, TheExchangeReaderTakesExactlyItsRecord)
{
    // A record of an unknown kind, then one whose text runs past its end:
    // both read as empty cells and leave the stream in step.
    Fixture f;
    f.i16(6).u8(9).i16(0).i16(0).u8(0xAA);
    f.i16(7).u8(COldCellRecord::kText).i16(27).i16(0).i16(50);
    f.u8(0xEE);
    COldCellRecord cell;
    EXPECT_EQ(1u, LoadFromBytes(f.b, [&](CArchive& ar) {
        ReadOldCellRecord(ar, cell);
        EXPECT_EQ(COldCellRecord::kEmpty, cell.kind);
        ReadOldCellRecord(ar, cell);
        EXPECT_EQ(COldCellRecord::kEmpty, cell.kind);
    }));
    EXPECT_STREQ("AB1", (LPCSTR)OldCellName(27, 0));
    cell.kind = COldCellRecord::kNumber;
    cell.number = 0.125;
    cell.format = COldCellRecord::kPercent;
    cell.decimals = 1;
    EXPECT_STREQ("12.5%", (LPCSTR)ConvertOldCell(cell).value);
}

// Damaged older files: each is offered for salvage (the user says no, so
// nothing opens) or opens; none crashes, allocates without bound or hangs.
struct DamageCase
{
    const char* name;
    void (*damage)(OldFile&);
    bool opens;
};

const DamageCase kDamageCases[] = {
    {"a packed count too large for the stream", [](OldFile& f) { f.body.formatCount = 0x7FFFFFFF; }, false},
    {"a column count of 0", [](OldFile& f) { f.flows[1].blocks[0].count = 0; }, false},
    {"a column count of 7", [](OldFile& f) { f.flows[1].blocks[0].count = -7; }, false},
    {"a date format byte of 9", [](OldFile& f) { f.bodyFields.dateByte = 9; }, false},
    {"a time format byte of 4", [](OldFile& f) { f.bodyFields.timeByte = 4; }, false},
    {"a field position past the text", [](OldFile& f) { f.bodyFields.datePos = 100; }, false},
    {"a field position on the closing characters", [](OldFile& f) { f.bodyFields.datePos = 20; }, false},
    {"a list style beyond the table", [](OldFile& f) { f.bodyFields.listStyle = 1; }, false},
    {"a border past the text", [](OldFile& f) { f.body.borders = {{7, 40}}; }, false},
    {"a stored page count of 1,000,000", [](OldFile& f) { f.body.storedPages = 1000000; }, true},
};

TEST_F(OldLayout, DamagedFilesAreSalvagedOrOpenNeverCrash)
{
    for (const DamageCase& c : kDamageCases)
    {
        SCOPED_TRACE(c.name);
        app.asked.clear();
        doc = maker.New();
        OldFile file;
        c.damage(file);
        const int result = Open(file.Build());
        EXPECT_EQ(0, bReadOldVersion);
        if (c.opens)
        {
            EXPECT_EQ(0, result);
            EXPECT_TRUE(app.asked.empty());
        }
        else
        {
            EXPECT_EQ(2, result);
            EXPECT_EQ(std::vector<UINT>{IDS_FILE_RECOVER}, app.asked);
            EXPECT_EQ(7, doc->m_flows.GetCount());
        }
        ReleaseDocEditing(doc.get());
    }
}

TEST_F(OldLayout, AStreamEndingInsideAFlowIsOfferedForSalvage)
{
    OldFile file;
    Bytes bytes = file.Build();
    bytes.resize(bytes.size() - 30);
    EXPECT_EQ(2, Open(bytes));
    EXPECT_EQ(std::vector<UINT>{IDS_FILE_RECOVER}, app.asked);
}

} // namespace

namespace {

TEST_F(OldLayout, FittingToAReplacedPageSetUpMovesColumnsAndPageFrames)
{
    GPageInfo& info = doc->m_pageInfos[0];
    info.textLeft = 0;
    info.textRight = 1800;
    doc->FitDocumentToPageInfo(1);
    // No left margin is taken as 31.8 mm, then widened by 31 each side.
    EXPECT_EQ(287, info.textLeft);
    EXPECT_EQ(1831, info.textRight);
    const LONG columns = 1800 - 318;
    for (long i = 0; i <= 6; ++i)
    {
        SCOPED_TRACE(i);
        GDoc* flow = doc->m_flows[i];
        EXPECT_EQ(columns, flow->m_columns[0].cols[0].width);
        CFrame* frame = flow->m_pFirstFrame;
        EXPECT_EQ(287, frame->x);
        EXPECT_EQ(1831 - 287, frame->width);
        EXPECT_EQ(1831 - 287, frame->area.Width());
    }

    // Without narrowing the text keeps its margins; a column block shares
    // the width after its gaps.
    GColumn& block = doc->m_flows[0]->m_columns[0];
    block.count = 3;
    block.cols[0].gap = block.cols[1].gap = 60;
    doc->FitDocumentToPageInfo(0);
    EXPECT_EQ(287, info.textLeft);
    EXPECT_EQ((1831 - 287 - 120) / 3, block.cols[2].width);
}

TEST_F(OldLayout, NamedCellsAndUnknownKindsKeepTheFieldsInStep)
{
    GDoc* flow = doc->m_flows[0];
    std::string text = "a\x01" "b\x01" "c";
    flow->InsertText(0, &text[0], 0);
    Fixture f;
    f.i32(3);
    // A named cell: five words (the last a length), two texts, a block
    // read as five bytes whatever its length says, then the cell.
    f.u8(6).i32(1).i16(0).i16(0).i16(0).i16(0).i16(3).text("abc", 3).i16(2).text("de", 2).i16(9).zeros(5);
    f.i16(5).u8(COldCellRecord::kEmpty).i16(0).i16(0);
    f.u8(99).i32(2);
    f.u8(4).i32(3).u8(1).u8(1).zeros(3).zeros(2);
    bReadOldVersion = 1;
    size_t unread = 99;
    unread = LoadFromBytes(f.b, [&](CArchive& ar) { EXPECT_EQ(1, flow->ReadOldFields(ar)); });
    bReadOldVersion = 0;
    EXPECT_EQ(0u, unread);
    ASSERT_EQ(1, OleFields[0].GetCount());
    EXPECT_NE(nullptr, dynamic_cast<GCell*>(OleFields[0][0]));
    EXPECT_EQ(' ', (char)flow->m_chars[1]) << "a blank holds the cell's place";
    ASSERT_EQ(1, flow->m_fields.GetCount());
    EXPECT_NE(nullptr, dynamic_cast<GPageNum*>(flow->m_fields[0]));
    ClearOldLayoutState();
}

} // namespace
