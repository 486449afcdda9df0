// Pictures, objects, cells and text effects in the flow body at their
// stored layouts, damaged picture lengths, and the text-effect stream
// that puts effects back in their pictures' places.
#include "tests/editing/editing_test_support.h"
#include "tests/support/archive_bytes.h"
#include "tests/support/dib_canvas.h"
#include "model/GImage.h"
#include "model/GLumifex.h"
#include "model/GOle.h"
#include "model/GArray.h"
#include <cstring>
#include <memory>

namespace {

// A 3 x 2 24-bit DIB in a global block: 40 + 2 rows of 12 bytes.
const DWORD kSmallDibSize = 40 + 2 * 12;

Image* SmallImage()
{
    BYTE* dib = (BYTE*)GlobalLock(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kSmallDibSize));
    BITMAPINFOHEADER h = {};
    h.biSize = 40, h.biWidth = 3, h.biHeight = 2, h.biPlanes = 1, h.biBitCount = 24;
    memcpy(dib, &h, sizeof(h));
    for (DWORD i = 40; i < kSmallDibSize; ++i)
        dib[i] = (BYTE)i;
    Image* image = new Image;
    image->attach(dib);
    return image;
}

void PutLong(Bytes& b, LONG v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back((BYTE)((DWORD)v >> (8 * i)));
}

// The common part, size 300 x 200 and rectangle (1, 2, 3, 4).
Bytes ObjectHead(BYTE kind, LONG pos)
{
    Bytes b{kind};
    for (LONG v : {pos, (LONG)300, (LONG)200, (LONG)1, (LONG)2, (LONG)3, (LONG)4})
        PutLong(b, v);
    return b;
}

template <class F> F* ReadOne(F* field, const Bytes& bytes)
{
    LoadFromBytes(bytes, [&](CArchive& ar) {
        BYTE kind;
        ar >> kind;
        field->OpenZVW(ar);
    });
    return field;
}

class StoredObjectFields : public EditingFixture
{
protected:
    void SetUp() override
    {
        EditingFixture::SetUp();
        Type(0, "abc");
    }
};

TEST_F(StoredObjectFields, PicturesObjectsAndCellsRoundTripAtTheirLayout)
{
    GImage picture(flow, 2, SmallImage());
    picture.m_nWidth = 300, picture.m_nHeight = 200, picture.m_rect = CRect(1, 2, 3, 4);
    Bytes expected = ObjectHead(kFieldImage, 2);
    PutLong(expected, kSmallDibSize);
    const BYTE* dib = (const BYTE*)picture.m_pImage->get_dib();
    expected.insert(expected.end(), dib, dib + kSmallDibSize);
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { picture.SaveZVW(ar); }, 16);
    EXPECT_EQ(HexDump(bytes), HexDump(expected));
    GImage back(flow, 0, NULL);
    ReadOne(&back, bytes);
    EXPECT_EQ(back.m_nPos, 2);
    EXPECT_EQ(back.GetObjectSize(), CSize(300, 200));
    EXPECT_EQ(back.m_rect, CRect(1, 2, 3, 4));
    ASSERT_TRUE(back.m_pImage);
    EXPECT_EQ(back.m_pImage->dib_size(), kSmallDibSize);
    EXPECT_EQ(memcmp(back.m_pImage->get_dib(), dib, kSmallDibSize), 0);

    CZTOleRectItem* item = new CZTOleRectItem(CSize(300, 200));
    CZTCell* cell = new CZTCell;
    doc.AddItem(item);
    doc.AddItem(cell);
    for (BYTE kind : {kFieldOle, kFieldCell})
    {
        SCOPED_TRACE((int)kind);
        CZTOleRectItem* held = kind == kFieldOle ? item : cell;
        std::unique_ptr<GOle> field(kind == kFieldOle ? new GOle(flow, 2, held) : new GCell(flow, 2, held));
        field->m_nWidth = 300, field->m_nHeight = 200, field->m_rect = CRect(1, 2, 3, 4);
        Bytes stored = ObjectHead(kind, 2);
        PutLong(stored, (LONG)held->GetHandle());
        EXPECT_EQ(HexDump(StoreToBytes([&](CArchive& ar) { field->SaveZVW(ar); })), HexDump(stored));
        std::unique_ptr<GOle> read(kind == kFieldOle ? new GOle(flow, 0, NULL) : new GCell(flow, 0, NULL));
        ReadOne(read.get(), stored);
        EXPECT_EQ(read->m_pItem, held);
        EXPECT_EQ(read->GetObjectSize(), CSize(300, 200));
        EXPECT_EQ(read->m_rect, CRect(1, 2, 3, 4));
        EXPECT_EQ(held->GetOleItem()->m_pOwner, read.get());

        // A handle the document does not know (a damaged file) leaves the
        // field without item; it keeps its stored size.
        Bytes lost = ObjectHead(kind, 2);
        PutLong(lost, 999);
        std::unique_ptr<GOle> orphan(kind == kFieldOle ? new GOle(flow, 0, NULL) : new GCell(flow, 0, NULL));
        ReadOne(orphan.get(), lost);
        EXPECT_EQ(orphan->m_pItem, nullptr);
        EXPECT_EQ(orphan->GetObjectSize(), CSize(300, 200));
        read->m_pItem = NULL;
        field->m_pItem = NULL;
    }
}

TEST_F(StoredObjectFields, ATextEffectIsStoredAsThePictureOfItsBitmapAndItsOwnRecord)
{
    GLumifex effect(flow, 2);
    effect.m_fx.m_strText = "Wave";
    effect.m_fx.RetriveText(effect.m_pScreen);
    effect.m_nWidth = 300, effect.m_nHeight = 200, effect.m_rect = CRect(1, 2, 3, 4);
    const BITMAPINFOHEADER& h = effect.m_fx.GetBitmapHeader();
    const DWORD rows = effect.m_fx.GetRowBytes() * h.biHeight;
    const Bytes bytes = StoreToBytes([&](CArchive& ar) { effect.SaveZVW(ar); });
    Bytes head = ObjectHead(kFieldImage, 2);
    PutLong(head, (LONG)(40 + rows));
    ASSERT_EQ(bytes.size(), head.size() + 40 + rows);
    EXPECT_EQ(HexDump(Bytes(bytes.begin(), bytes.begin() + head.size())), HexDump(head));
    GImage picture(flow, 0, NULL);
    ReadOne(&picture, bytes);
    ASSERT_TRUE(picture.m_pImage);
    EXPECT_EQ(picture.m_pImage->width(), h.biWidth);
    EXPECT_EQ(memcmp(picture.m_pImage->bits(), effect.m_fx.GetBits(), rows), 0);

    const Bytes record = StoreToBytes([&](CArchive& ar) { effect.Save(ar); });
    Bytes recordHead{kFieldLumifex};
    for (LONG v : {2, 2, 1, 300, 200})   // position, top, left, size
        PutLong(recordHead, v);
    EXPECT_EQ(HexDump(Bytes(record.begin(), record.begin() + recordHead.size())), HexDump(recordHead));
    GLumifex back(flow, 0);
    EXPECT_EQ(LoadFromBytes(record, [&](CArchive& ar) {
                  BYTE kind;
                  ar >> kind;
                  back.Load(ar);
              }),
              0u);
    EXPECT_TRUE(back.m_fx == effect.m_fx);
    EXPECT_EQ(back.m_rect, CRect(1, 2, 301, 202));
    EXPECT_EQ(back.m_nPos, 2);
}

// A body's field list of a picture record and a footnote mark at 7.
Bytes PictureThenPageNumber(DWORD n, const Bytes& dib)
{
    Bytes b;
    PutLong(b, 2);
    Bytes head = ObjectHead(kFieldImage, 1);
    b.insert(b.end(), head.begin(), head.end());
    PutLong(b, (LONG)n);
    b.insert(b.end(), dib.begin(), dib.end());
    b.push_back(kFieldPageNum);
    PutLong(b, 7);
    b.push_back(0);   // format
    PutLong(b, 1);    // start
    return b;
}

TEST_F(StoredObjectFields, DamagedPictureLengthsKeepTheFollowingFieldsOrFailTheRead)
{
    std::unique_ptr<Image> image(SmallImage());
    const BYTE* good = (const BYTE*)image->get_dib();
    auto Dib = [&](void (*change)(BITMAPINFOHEADER&)) {
        Bytes d(good, good + kSmallDibSize);
        change(*(BITMAPINFOHEADER*)d.data());
        return d;
    };
    struct Case
    {
        const char* what;
        DWORD n;
        Bytes dib;
        bool image;   // the picture keeps an image
        int fault;    // what the read throws (0: reads)
    } cases[] = {
        {"whole", kSmallDibSize, Dib([](BITMAPINFOHEADER&) {}), true, 0},
        {"empty", 0, {}, false, 0},
        {"shorter than a header", 10, Bytes(10, 7), false, 0},
        {"bit count", kSmallDibSize, Dib([](BITMAPINFOHEADER& h) { h.biBitCount = 7; }), false, 0},
        {"taller than its block", kSmallDibSize, Dib([](BITMAPINFOHEADER& h) { h.biHeight = 3; }), false, 0},
        {"colours past its block", kSmallDibSize, Dib([](BITMAPINFOHEADER& h) { h.biClrUsed = 200; }), false, 0},
        {"compressed", kSmallDibSize, Dib([](BITMAPINFOHEADER& h) { h.biCompression = BI_RLE8; }), false, 0},
        {"past the end", kSmallDibSize + 1000, Dib([](BITMAPINFOHEADER&) {}), false, kArrayReadFault},
        {"far past the end", 0xFFFFFFF0, {}, false, kArrayReadFault},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        GDoc target(&doc, kFirstContentFlow);
        int fault = 0;
        try
        {
            LoadFromBytes(PictureThenPageNumber(c.n, c.dib), [&](CArchive& ar) { target.ReadFields(ar); });
        }
        catch (int thrown)
        {
            fault = thrown;
        }
        EXPECT_EQ(fault, c.fault);
        if (c.fault)
            continue;
        ASSERT_EQ(target.m_fields.count, 2);
        GImage* picture = dynamic_cast<GImage*>(target.m_fields[0]);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->m_pImage != NULL, c.image);
        EXPECT_EQ(picture->GetObjectSize(), CSize(300, 200));
        EXPECT_EQ(target.m_fields[1]->m_nKind, kFieldPageNum);
        EXPECT_EQ(target.m_fields[1]->m_nPos, 7);
        // Drawing a picture without image draws nothing and reads nothing.
        DibCanvas canvas(50, 50);
        canvas.dc.MoveTo(5, 40);
        picture->Draw(&canvas.dc, 0, 1, NULL);
    }
}

TEST_F(StoredObjectFields, TheEffectStreamPutsEffectsBackInTheirPicturesPlaces)
{
    Type(3, "de");
    GLumifex* effect = new GLumifex(flow, 2);
    effect->m_fx.m_strText = "Wave";
    effect->m_fx.RetriveText(effect->m_pScreen);
    effect->m_nWidth = 300, effect->m_nHeight = 200;
    flow->InsertField(effect);
    flow->InsertField(new GImage(flow, 4, SmallImage()));
    ASSERT_EQ(flow->m_fields.count, 2);
    const LONG effectPos = effect->m_nPos, effectIndex = flow->m_fields[0] == effect ? 0 : 1;
    const Bytes body = StoreToBytes([&](CArchive& ar) { flow->SaveZVW(ar); });
    const Bytes stream = StoreToBytes([&](CArchive& ar) { flow->SaveNewFields(ar); });

    auto ReadBody = [&](GDoc& target) { LoadFromBytes(body, [&](CArchive& ar) { target.OpenZVW(ar); }); };
    {
        // Without the stream: a picture of the same place and size.
        GDoc target(&doc, kFirstContentFlow);
        ReadBody(target);
        GField* f = target.m_fields[effectIndex];
        EXPECT_EQ(f->m_nKind, kFieldImage);
        EXPECT_EQ(f->m_nPos, effectPos);
        EXPECT_EQ(f->GetObjectSize(), CSize(300, 200));
    }
    {
        GDoc target(&doc, kFirstContentFlow);
        ReadBody(target);
        EXPECT_EQ(LoadFromBytes(stream, [&](CArchive& ar) { target.ReadNewFields(ar); }), 0u);
        ASSERT_EQ(target.m_fields.count, 2);
        GLumifex* back = dynamic_cast<GLumifex*>(target.m_fields[effectIndex]);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->m_nPos, effectPos);
        EXPECT_EQ(back->GetObjectSize(), CSize(300, 200));
        EXPECT_EQ(std::string(back->AsText(1)), "Wave");
        EXPECT_EQ(target.m_fields[1 - effectIndex]->m_nKind, kFieldImage) << "the real picture stays";
    }
    // Damaged streams leave the pictures: no count, a cut record, an index
    // that names another field.
    Bytes otherIndex = stream;
    otherIndex[otherIndex.size() - 4] = (BYTE)(1 - effectIndex);
    for (const Bytes& damaged : {Bytes(), Bytes(stream.begin(), stream.end() - 6), otherIndex})
    {
        GDoc target(&doc, kFirstContentFlow);
        ReadBody(target);
        LoadFromBytes(damaged, [&](CArchive& ar) { target.ReadNewFields(ar); });
        EXPECT_EQ(target.m_fields[0]->m_nKind, kFieldImage);
        EXPECT_EQ(target.m_fields[1]->m_nKind, kFieldImage);
    }
}

} // namespace
