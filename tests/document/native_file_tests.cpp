// The native document's main stream: a document saved, read and saved
// again comes back whole and byte for byte; damaged streams are salvaged
// when the user agrees, and a read that breaks off otherwise fails.
#include "tests/document/native_test_document.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "layout/CFrame.h"
#include "model/GDoc.h"
#include "model/GFootNote.h"
#include "resources/resource.h"
#include "afxolestg.h"
#include "tests/document/progress_recorder.h"
#include "tests/support/archive_bytes.h"
#include "tests/support/flow_inspection.h"
#include "tests/support/olefile_reader.h"
#include "view/CWView.h"
#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace {

// Where the records of the main stream start.
const size_t kVersionAt = 2;
const size_t kStyleTablesAt = 2 + 2 + 8 + 24 + 152 + 160;

class NativeFile : public testing::Test
{
protected:
    AnsweringApp app;
    NativeTemplate maker;
    std::unique_ptr<CWDocument> doc = maker.New();

    void TearDown() override { ReleaseDocEditing(doc.get()); }

    static void Type(GDoc* flow, long pos, const char* text) { TypeAt(flow, pos, text); }
    static Bytes Save(CWDocument& d)
    {
        return StoreToBytes([&](CArchive& ar) { EXPECT_EQ(d.SaveZVW(ar), 1); });
    }
    static int Open(CWDocument& d, const Bytes& bytes)
    {
        int result = -1;
        LoadFromBytes(bytes, [&](CArchive& ar) { result = d.OpenZVW(ar); });
        return result;
    }
    void Fill() { FillNativeTestDocument(*doc); }
    // Offset of flow 0's body in a saved stream.
    size_t FlowsAt(CWDocument& d)
    {
        Bytes tables = StoreToBytes([&](CArchive& ar) {
            d.m_fontStyles.SaveZVW(ar);
            d.m_paraStyles.SaveZVW(ar);
            d.m_masterStyles.SaveZVW(ar);
            d.m_listStyles.SaveZVW(ar);
        });
        return kStyleTablesAt + tables.size() + 4;
    }
    size_t FramesAt(CWDocument& d)
    {
        size_t at = FlowsAt(d);
        for (long i = 0; i < d.m_flows.GetCount(); ++i)
            at += FlowBodyBytes(*d.m_flows[i]).size();
        return at;
    }
};

TEST_F(NativeFile, SavedTwiceAfterReadingTheStreamsAreEqual)
{
    Fill();
    const Bytes first = Save(*doc);
    ASSERT_GE(first.size(), 4u);
    EXPECT_EQ(HexDump(Bytes(first.begin(), first.begin() + 4)), "5A 56 19 01");

    auto second = maker.New();
    ASSERT_EQ(Open(*second, first), 0);
    const Bytes secondBytes = Save(*second);
    auto third = maker.New();
    ASSERT_EQ(Open(*third, secondBytes), 0);
    EXPECT_EQ(HexDump(Save(*third)), HexDump(secondBytes));
    EXPECT_TRUE(app.asked.empty());

    ASSERT_EQ(third->m_flows.GetCount(), doc->m_flows.GetCount());
    ASSERT_EQ(third->m_frames.GetCount(), doc->m_frames.GetCount());
    for (long i = 0; i < doc->m_flows.GetCount(); ++i)
    {
        EXPECT_EQ(FlowText(*third->m_flows[i]), FlowText(*doc->m_flows[i])) << "flow " << i;
        EXPECT_NE(third->m_flows[i]->m_pFirstFrame, nullptr) << "flow " << i;
    }
    for (long i = 0; i < kFirstContentFlow; ++i)
        EXPECT_EQ(third->m_flows[i]->m_pFirstFrame, third->m_frames[i]);
    GDoc* body = third->m_flows[kBodyFlow];
    ASSERT_EQ(body->m_fields.GetCount(), 1);
    EXPECT_EQ(((GFootNote*)body->m_fields[0])->m_pNote, third->m_flows[kFirstContentFlow]);
    ASSERT_EQ(body->m_frames.GetCount(), 1);
    CFrame* frame = body->m_frames[0];
    EXPECT_EQ(frame->anchor, body);
    EXPECT_EQ(frame->content, third->m_flows[kFirstContentFlow + 1]);
    EXPECT_EQ(third->m_flows[kFirstContentFlow + 1]->m_pFirstFrame, frame);
    EXPECT_EQ(third->m_fontStyles.GetCount(), doc->m_fontStyles.GetCount());
    EXPECT_EQ(memcmp(&third->m_docInfo, &doc->m_docInfo, sizeof doc->m_docInfo), 0);

    // A document made without its page parts reads the file as well.
    CWDocument bare;
    ASSERT_EQ(Open(bare, first), 0);
    EXPECT_EQ(HexDump(Save(bare)), HexDump(secondBytes));
    ReleaseDocEditing(&bare);
}

TEST_F(NativeFile, ReadingResetsTheEditingStateOfThePageSetup)
{
    GPageInfo& info = doc->m_pageInfos[0];
    info.layoutValues[3] = 4;
    info.useFontStyle = 1;
    info.finalValue = 7;
    info.fontStyle.SetFace("Arial");
    info.textLeft = 300;
    auto read = maker.New();
    ASSERT_EQ(Open(*read, Save(*doc)), 0);
    const GPageInfo& back = read->m_pageInfos[0];
    EXPECT_EQ(back.layoutValues[3], 0);
    EXPECT_EQ(back.useFontStyle, 0);
    EXPECT_EQ(back.finalValue, 1);
    EXPECT_STREQ(back.fontStyle.GetFace(), "");
    EXPECT_EQ(back.textLeft, 300);
}

TEST_F(NativeFile, DamagedStreams)
{
    Fill();
    const Bytes good = Save(*doc);
    const size_t flowsAt = FlowsAt(*doc);
    const size_t framesAt = FramesAt(*doc);
    // The body's frame list, found by its bytes.
    const Bytes bodyFrames = StoreToBytes([&](CArchive& ar) { SaveFrameList(ar, doc->m_flows[kBodyFlow]->m_frames); });
    const size_t bodyFramesAt = std::search(good.begin(), good.end(), bodyFrames.begin(), bodyFrames.end()) - good.begin();
    ASSERT_LT(bodyFramesAt, good.size());
    // The body's field count, before its one field, the footnote mark.
    GDoc* body = doc->m_flows[kBodyFlow];
    ASSERT_EQ(body->m_fields.GetCount(), 1);
    const size_t markSize = StoreToBytes([&](CArchive& ar) { body->m_fields[0]->SaveZVW(ar); }).size();
    const size_t fieldCountAt = flowsAt + FlowBodyBytes(*body).size() - markSize - 4;
    ASSERT_EQ(HexDump(Bytes(good.begin() + fieldCountAt, good.begin() + fieldCountAt + 5)), "01 00 00 00 0A");
    auto with = [&](size_t at, std::vector<BYTE> bytes) {
        Bytes b = good;
        std::copy(bytes.begin(), bytes.end(), b.begin() + at);
        return b;
    };
    const Bytes plain = {'n', 'o', 't', '\t', 'Z', 'V', 0x80, 0xE9, '\r', '\n', 'o', 'k', 0};
    struct Case
    {
        const char* name;
        Bytes bytes;
        int answer;                 // to the salvage question
        std::vector<UINT> asked;
        int result;
    } cases[] = {
        {"bad magic, salvaged", plain, IDYES, {IDS_FILE_RECOVER}, 0},
        {"bad magic, refused", plain, IDNO, {IDS_FILE_RECOVER}, 2},
        {"empty stream", Bytes(), IDNO, {IDS_FILE_RECOVER}, 2},
        {"newer version", with(kVersionAt, {0x1A, 0x01}), IDYES, {IDS_FILE_TOO_NEW}, 2},
        {"older version", with(kVersionAt, {0x18, 0x01}), IDNO, {IDS_FILE_RECOVER}, 2},
        {"1001 character styles", with(kStyleTablesAt, {0xE9, 0x03, 0, 0}), IDNO, {IDS_FILE_RECOVER}, 2},
        {"six flows", with(flowsAt - 4, {6, 0, 0, 0}), IDNO, {IDS_FILE_RECOVER}, 2},
        {"more flows than bytes", with(flowsAt - 4, {0, 0, 0, 0x40}), IDNO, {IDS_FILE_RECOVER}, 2},
        {"cut inside the body", Bytes(good.begin(), good.begin() + flowsAt + 40), IDNO, {IDS_FILE_RECOVER}, 2},
        {"page frame showing no flow", with(framesAt + 4 + 20, {0xF4, 0x01, 0, 0}), IDNO, {IDS_FILE_RECOVER},
         2},
        {"frame text showing no flow", with(bodyFramesAt + 4 + 20, {0xF4, 0x01, 0, 0}), IDNO, {IDS_FILE_RECOVER}, 2},
        {"frame text showing a negative flow", with(bodyFramesAt + 4 + 20, {0xFE, 0xFF, 0xFF, 0xFF}), IDYES,
         {}, 0},
        {"1001 fields", with(fieldCountAt, {0xE9, 0x03, 0, 0}), IDNO, {IDS_FILE_RECOVER}, 2},
        {"cut in the caption settings", Bytes(good.begin(), good.end() - 3), IDYES, {}, 2},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        app.asked.clear();
        app.answers = {c.answer};
        auto read = maker.New();
        EXPECT_EQ(Open(*read, c.bytes), c.result);
        EXPECT_EQ(app.asked, c.asked);
        // Whatever happened, the document is whole: seven flows, each in
        // its page frame, and can be saved and read again.
        ASSERT_GE(read->m_flows.GetCount(), kFirstContentFlow);
        for (long i = 0; i < kFirstContentFlow; ++i)
            EXPECT_EQ(read->m_flows[i]->m_pFirstFrame, read->m_frames[i]);
        app.answers.clear();
        auto again = maker.New();
        EXPECT_EQ(Open(*again, Save(*read)), 0);
    }
}

TEST_F(NativeFile, SalvageKeepsPrintableBytesAndParagraphEndsInTheDosStyle)
{
    const Bytes plain = {'n', 'o', 't', '\t', 'Z', 'V', 0x80, 0xE9, '\r', '\n', 'o', 'k', 0x7F, 0};
    app.answers = {IDYES};
    ASSERT_EQ(Open(*doc, plain), 0);
    GDoc* body = doc->m_flows[kBodyFlow];
    EXPECT_EQ(FlowText(*body), std::string("notZV\rok\x7F"));
    CString dos;
    dos.LoadString(IDS_FSTYLE_DOS);
    EXPECT_EQ(body->m_formats[0].style.index, (short)doc->m_fontStyles.FindStyle((LPCSTR)dos));
    EXPECT_EQ(body->m_formats[0].style.master, 0);
}

TEST_F(NativeFile, ReadsWritesAndSalvagesShowTheirProgressOneAfterAnother)
{
    Fill();
    {
        ProgressRecorder progress;
        const Bytes saved = Save(*doc);
        ASSERT_EQ(progress.shown.size(), 1u);
        ProgressRecorder::ExpectRisingTo(progress.shown[0], IDS_PROGRESS_SAVING, 16, 15);
        auto read = maker.New();
        ASSERT_EQ(Open(*read, saved), 0);
        ASSERT_EQ(progress.shown.size(), 2u);
        ProgressRecorder::ExpectRisingTo(progress.shown[1], IDS_PROGRESS_OPENING, 15, 15);
    }
    {
        // A read that breaks off ends its display before the salvage
        // starts its own.
        const Bytes good = Save(*doc);
        ProgressRecorder progress;
        app.answers = {IDYES};
        auto read = maker.New();
        ASSERT_EQ(Open(*read, Bytes(good.begin(), good.begin() + FlowsAt(*doc) + 40)), 0);
        ASSERT_EQ(progress.shown.size(), 2u);
        EXPECT_TRUE(progress.shown[0].ended);
        EXPECT_FALSE(progress.overlapped);
        ProgressRecorder::ExpectRisingTo(progress.shown[1], IDS_PROGRESS_OPENING, 100, 100);
    }
    {
        ProgressRecorder progress;
        doc->m_bClipboard = TRUE;
        auto read = maker.New();
        read->m_bClipboard = TRUE;
        EXPECT_EQ(Open(*read, Save(*doc)), 0);
        doc->m_bClipboard = FALSE;
        EXPECT_TRUE(progress.shown.empty()) << "the clipboard's reads and writes show none";
    }
}

// ---- The compound file

std::string TempFile(const char* name)
{
    return NativeTempFile(name);
}

void PutStream(LPSTORAGE storage, const char* name, const Bytes& bytes)
{
    COleStreamFile stream;
    ASSERT_TRUE(stream.CreateStream(storage, name));
    if (!bytes.empty())
        stream.Write(bytes.data(), (UINT)bytes.size());
    stream.Close();
}

// A compound file of the document's class with a main stream and, when
// given, the older place of it.
void WriteCompound(const std::string& path, const Bytes& contents, const Bytes* user = NULL)
{
    COleRootStorage root;
    ASSERT_TRUE(root.Create(path.c_str()));
    root.SetClassID(CWDocument::kNativeClassId);
    PutStream(root.GetStorage(), "Contents", contents);
    if (user)
    {
        LPSTORAGE sub = NULL;
        ASSERT_EQ(root.GetStorage()->CreateStorage(L"UserStorage", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                                   0, 0, &sub), S_OK);
        PutStream(sub, "ZV", *user);
        sub->Commit(STGC_DEFAULT);
        sub->Release();
    }
    root.Commit();
}

class NativeCompoundFile : public NativeFile
{
protected:
    std::string path = TempFile(testing::UnitTest::GetInstance()->current_test_info()->name());
    void TearDown() override
    {
        NativeFile::TearDown();
        doc->m_rootStorage.Release();
        DeleteFileA(path.c_str());
    }
};

TEST_F(NativeCompoundFile, SavedFileHoldsBothStreamsAndOpensWhole)
{
    Fill();
    ASSERT_TRUE(doc->SaveNativeFile(path.c_str()));
    EXPECT_FALSE(doc->IsModified());
    // The main stream, then the page background that a file adds.
    const Bytes plain = StoreToBytes([&](CArchive& ar) { doc->Serialize(ar); });
    doc->m_rootStorage.Release();
    const std::string seen = ReadWithOlefile(path);
    EXPECT_EQ(seen.substr(0, 37), "379CA680-093A-11CF-85AA-00608CF6711A\n") << seen;
    EXPECT_NE(seen.find("\nContents 5a561901"), std::string::npos) << seen;
    EXPECT_NE(seen.find("\nLumifex "), std::string::npos) << seen;
    {
        COleRootStorage root;
        ASSERT_TRUE(root.Open(path.c_str()));
        CLSID clsid;
        ASSERT_TRUE(root.GetClassID(clsid));
        EXPECT_TRUE(IsEqualCLSID(clsid, CWDocument::kNativeClassId));
        EXPECT_EQ(HexDump(StreamBytes(root.GetStorage(), "Contents")), HexDump(plain));
        bool found = false;
        // One empty effect list per flow.
        EXPECT_EQ(StreamBytes(root.GetStorage(), "Lumifex", &found).size(), 4u * doc->m_flows.GetCount());
        EXPECT_TRUE(found);
    }
    auto read = maker.New();
    ASSERT_TRUE(read->OpenNativeFile(path.c_str()));
    EXPECT_EQ(FlowText(*read->m_flows[kBodyFlow]), FlowText(*doc->m_flows[kBodyFlow]));
    // Saved again over the file it holds open.
    ASSERT_TRUE(read->SaveNativeFile(path.c_str()));
    EXPECT_NE(read->m_rootStorage.GetStorage(), nullptr);
    read->m_rootStorage.Release();
}

TEST_F(NativeCompoundFile, WhereTheMainStreamIsFound)
{
    Fill();
    const Bytes good = Save(*doc);
    Bytes newer = good;
    newer[kVersionAt] = 0x1A;
    const Bytes empty;
    struct Case
    {
        const char* name;
        Bytes contents;
        const Bytes* user;
        BOOL opens;
        bool hasText;
    } cases[] = {
        {"main stream without effects", good, NULL, TRUE, true},
        {"empty main stream, older place", empty, &good, TRUE, true},
        {"both empty", empty, &empty, TRUE, false},
        {"empty main stream only", empty, NULL, TRUE, false},
        {"newer file", newer, NULL, FALSE, false},
        {"newer file in the older place", empty, &newer, FALSE, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        WriteCompound(path, c.contents, c.user);
        app.asked.clear();
        auto read = maker.New();
        CException* error = NULL;
        EXPECT_EQ(read->OpenNativeFile(path.c_str(), &error), c.opens);
        if (error)
            error->Delete();
        EXPECT_EQ(FlowText(*read->m_flows[kBodyFlow]) == FlowText(*doc->m_flows[kBodyFlow]), c.hasText);
        read->m_rootStorage.Release();
    }
}

TEST_F(NativeCompoundFile, AFailedSaveKeepsTheFileAndTheModifiedState)
{
    Fill();
    ASSERT_TRUE(doc->SaveNativeFile(path.c_str()));
    doc->m_rootStorage.Release();
    const std::string old = FileBytes(path);

    Type(doc->m_flows[kBodyFlow], 0, "More ");
    doc->SetModifiedFlag(TRUE);
    const std::string missing = TempFile("no_such_folder\\file.zvw");
    CException* error = NULL;
    EXPECT_FALSE(doc->SaveNativeFile(missing.c_str(), &error));
    ASSERT_NE(error, nullptr);
    error->Delete();
    EXPECT_TRUE(doc->IsModified());

    EXPECT_EQ(FileBytes(path), old);
}

// ---- The backup

void WriteAll(const std::string& path, const std::string& bytes)
{
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    file.Write(bytes.data(), (UINT)bytes.size());
    file.Close();
}

TEST(Backup, PathTakesTheBackupExtension)
{
    EXPECT_STREQ(BackupPathOf("C:\\letters\\to.bob.zvw"), "C:\\letters\\to.bob.ztk");
    EXPECT_STREQ(BackupPathOf("C:\\letters\\plain"), "C:\\letters\\plain.ztk");
    EXPECT_STREQ(BackupPathOf("C:\\letters\\old.ztk"), "C:\\letters\\old.ztk");
}

TEST_F(NativeFile, BackupCopiesThePreviousFileOverAnOlderBackup)
{
    const std::string file = TempFile("letter.zvw");
    const std::string backup = TempFile("letter.ztk");
    ASSERT_TRUE(doc->SaveNativeFile(file.c_str()));
    doc->m_rootStorage.Release();
    const std::string previous = FileBytes(file);
    WriteAll(backup, "an older backup, longer than the document" + std::string(previous.size(), '.'));
    doc->SetPathName(file.c_str(), FALSE);
    EXPECT_EQ(doc->Backup(), 1);
    EXPECT_EQ(FileBytes(backup), previous);
    EXPECT_EQ(FileBytes(file), previous);

    // Only a native file is copied to the backup name.
    WriteAll(file, "a text under a native name");
    WriteAll(backup, "the backup");
    EXPECT_EQ(doc->Backup(), 1);
    EXPECT_EQ(FileBytes(backup), "the backup");

    // A backup document makes no backup of itself.
    WriteAll(backup, "a backup document");
    doc->SetPathName(backup.c_str(), FALSE);
    EXPECT_EQ(doc->Backup(), 1);
    EXPECT_EQ(FileBytes(backup), "a backup document");
    DeleteFileA(file.c_str());
    DeleteFileA(backup.c_str());
}

} // namespace
