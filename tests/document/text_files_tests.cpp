// Text files byte for byte: what plain and OEM text become in the body, and
// what the body becomes as text.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "document/file_types.h"
#include "editing/document_editing.h"
#include "model/GDateTime.h"
#include "model/GDoc.h"
#include "model/GListField.h"
#include "model/GOle.h"
#include "resources/resource.h"
#include "tests/document/progress_recorder.h"
#include "tests/support/archive_bytes.h"
#include "tests/support/flow_inspection.h"
#include "view/CWView.h"
#include "ZTItems.h"
#include <memory>
#include <string>
#include <vector>

namespace {

struct Template
{
    CMultiDocTemplate tpl{0, RUNTIME_CLASS(CWDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CWView)};
    std::unique_ptr<CWDocument> New() { return std::unique_ptr<CWDocument>((CWDocument*)tpl.CreateNewDocument()); }
};

Bytes ToBytes(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

class TextFiles : public testing::Test
{
protected:
    CWinApp app{"ZtTextFilesTest"};
    Template maker;
    std::unique_ptr<CWDocument> doc = maker.New();

    void TearDown() override { ReleaseDocEditing(doc.get()); }
    GDoc* Body() { return doc->m_flows[kBodyFlow]; }
    void Type(const std::string& text)
    {
        std::string buffer(text);
        Body()->InsertText(Body()->m_chars.GetCount() - 3, &buffer[0], 1);
    }
    std::string Read(const std::string& bytes, bool oem)
    {
        doc->ClearAllDocument();
        LoadFromBytes(ToBytes(bytes), [&](CArchive& ar) { EXPECT_EQ(oem ? doc->OpenASC(ar) : doc->OpenTXT(ar), 0); });
        return FlowText(*Body());
    }
    std::string Written()
    {
        const Bytes bytes = StoreToBytes([&](CArchive& ar) { EXPECT_EQ(doc->SaveTXT(&ar), 1); });
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(TextFiles, PlainTextBytesBecomeTheBodysText)
{
    struct Case
    {
        const char* what;
        std::string file;
        std::string body;
    } cases[] = {
        {"13 10 ends one paragraph", "a\r\nb", "a\rb"},
        {"a lone 10 ends a paragraph", "a\nb\nc", "a\rb\rc"},
        {"a lone 13 ends a paragraph", "a\rb", "a\rb"},
        {"10 before 13 ends two", "a\n\rb", "a\r\rb"},
        {"lone 10s in a row end a paragraph each", "\n\na\n\n", "\r\ra\r\r"},
        {"10 after a 26 after 13 ends another", "a\r\x1a\nb", "a\r\rb"},
        {"a closing line end", "a\r\n", "a\r"},
        {"26 at the end goes", "xy\x1a", "xy"},
        {"26 inside goes", "x\x1ay", "xy"},
        {"26 first stays", "\x1axy", "\x1axy"},
        {"a zero is a blank, not the end", std::string("a\0b", 3), "a b"},
        {"a 1 is a blank, not a field mark", "a\1b", "a b"},
        {"bytes above 127 stay", "caf\xe9 \xff", "caf\xe9 \xff"},
        {"tabs and page ends stay", "a\tb\fc", "a\tb\fc"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Read(c.file, false), c.body);
        EXPECT_EQ(Body()->m_fields.GetCount(), 0);
    }
}

TEST_F(TextFiles, OemTextKeepsItsEndMarksAndConvertsItsLetters)
{
    struct Case
    {
        const char* what;
        std::string file;
        std::string body;
    } cases[] = {
        {"26 kept inside and at the end", "x\x1ay\x1a", "x\x1ay\x1a"},
        {"e acute and a umlaut", "caf\x82 \x84", "caf\xe9 \xe4"},
        {"line ends as in plain text", "a\r\nb\nc", "a\rb\rc"},
        {"a zero is a blank", std::string("a\0b", 3), "a b"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Read(c.file, true), c.body);
    }
}

TEST_F(TextFiles, AnEmptyFileGivesAnEmptyBodyInTheDosStyle)
{
    EXPECT_EQ(Read("", false), "");
    CString dos;
    dos.LoadString(IDS_FSTYLE_DOS);
    const long style = doc->m_fontStyles.FindStyle((LPCSTR)dos);
    ASSERT_GE(style, 0);
    EXPECT_EQ(Body()->m_formats[0].style, Mint((short)style, 0));
}

TEST_F(TextFiles, ReadingRecordsNoUndoIntoTheClipboardDocumentEither)
{
    doc->m_bClipboard = TRUE;
    ProgressRecorder progress;
    EXPECT_EQ(Read("one\r\ntwo", false), "one\rtwo");
    EXPECT_TRUE(progress.shown.empty()) << "the clipboard's reads show no progress";
    doc->m_bClipboard = FALSE;
}

TEST_F(TextFiles, ReadingShowsItsProgressUpToTheEnd)
{
    struct Case
    {
        const char* what;
        std::string file;
        bool oem;
    } cases[] = {
        {"paragraphs", "one\r\ntwo\nthree\r\n\r\nfive", false},
        {"OEM paragraphs", "caf\x82\r\nend\x1a", true},
        {"an empty file", "", false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ProgressRecorder progress;
        Read(c.file, c.oem);
        ASSERT_EQ(progress.shown.size(), 1u);
        ProgressRecorder::ExpectRisingTo(progress.shown[0], IDS_PROGRESS_OPENING, 100, 100);
    }
}

// A long text read in one go is laid out as typing it would lay it out.
TEST_F(TextFiles, ReadTextIsLaidOutAsInsertedText)
{
    std::string text;
    for (int i = 0; i < 120; ++i)
    {
        text += "Paragraph " + std::to_string(i) + ":";
        for (int w = 0; w < (i * 7) % 90; ++w)
            text += " word" + std::to_string(w);
        text += i % 17 == 5 ? "\f" : "\r\n";
    }
    Read(text, false);
    std::unique_ptr<CWDocument> typed = maker.New();
    GDoc* other = typed->m_flows[kBodyFlow];
    other->m_formats[0].style = Body()->m_formats[0].style;
    std::string same = FlowText(*Body());
    typed->m_bUndoEnabled = FALSE;
    other->InsertText(0, &same[0], 1);
    EXPECT_GT(Body()->m_pages.GetCount(), 3);
    EXPECT_EQ(FlowState(*Body()), FlowState(*other));
    EXPECT_TRUE(doc->IsModified());
    // The room the layout was given for the rows is given back.
    EXPECT_EQ(Body()->m_rows.grow, kRowGrow);
    EXPECT_LT(Body()->m_rows.capacity - Body()->m_rows.GetCount(), kRowGrow);
    ReleaseDocEditing(typed.get());
}

TEST_F(TextFiles, TheBodyWritesParagraphEndsAsCrLfAndNotItsClosingEnd)
{
    Type("x\ry");
    EXPECT_EQ(Written(), "x\r\ny");
    doc->ClearAllDocument();
    Type("a\tb\fc\r");
    EXPECT_EQ(Written(), "a\tb\fc\r\n");
}

TEST_F(TextFiles, FieldsWriteAListLabelWithTwoBlanksACellsValueAndNoDate)
{
    Type("item and date");
    GList* list = new GList(Body(), 0, 1, 1, 0);
    Body()->InsertField(list);
    Body()->InsertField(new GDateTime(Body(), 10));
    const std::string label = list->AsText(1);
    ASSERT_FALSE(label.empty());
    CZTCell* cell = new CZTCell;
    cell->SetFieldValue("42");
    doc->AddItem(cell);
    const long end = Body()->m_chars.GetCount() - 3;
    Body()->InsertField(new GCell(Body(), end, cell));
    ASSERT_EQ(MarkedFlowText(*Body()), "@item and @date@");
    EXPECT_EQ(Written(), label + "  item and date42");
}

TEST_F(TextFiles, TheUserDictionaryKindEndsWithTheNumber26)
{
    Type("word");
    doc->m_nFileType = kFileUserDictionary;
    EXPECT_EQ(Written(), std::string("word\x1a\0\0\0", 8));
    doc->m_nFileType = kFilePlainText;
    EXPECT_EQ(Written(), "word");
}

TEST_F(TextFiles, CrLfTextComesBackByteForByte)
{
    const std::string text = "Dear reader,\r\n\r\n\tthe second\fpage \xe9t\xe9\r\nlast\r\n";
    Read(text, false);
    EXPECT_EQ(Written(), text);
}

} // namespace
