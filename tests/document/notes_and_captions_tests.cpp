// Footnotes and captions in a whole document: numbering, the note flow and
// frame that come and go with the mark, placement beside an object,
// automatic captions and the stored forms.
#include "tests/support/zt_gtest.h"
#include "document/CWDocument.h"
#include "editing/document_editing.h"
#include "editing/CWUndoRedoStack.h"
#include "layout/CFrame.h"
#include "model/GCaption.h"
#include "model/GFootNote.h"
#include "model/GImage.h"
#include "model/GDateTime.h"
#include "app/CWOptions.h"
#include "model/field_factory.h"
#include "tests/support/archive_bytes.h"
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

class NotesAndCaptions : public testing::Test
{
protected:
    CWDocument doc;
    GDoc* body = NULL;
    LONG savedSteps = 0;

    void SetUp() override
    {
        savedSteps = Options.UndoSteps;
        Options.UndoSteps = 100;
        doc.CreateFrames();
        body = doc.m_flows[kBodyFlow];
        body->ReRowByPos(0, 1, GDoc::kWholeParagraph);
    }
    void TearDown() override
    {
        ReleaseDocEditing(&doc);
        Options.UndoSteps = savedSteps;
        GCaption::AutoCaption = 0;
        GCaption::ImageSettings = GCaptionSettings();
    }
    void Type(GDoc* flow, long pos, const char* text)
    {
        std::string buffer(text);
        flow->InsertText(pos, &buffer[0], 1);
    }
    void PageBreak(long pos)
    {
        body->InsertChar(pos, kParagraphEnd, 1);
        body->InsertChar(pos + 1, kBreak, 1);
    }
    GFootNote* Mark(long pos, int style, LONG fixed = 0)
    {
        GFootNote* mark = new GFootNote(body, pos, style);
        mark->m_nFixed = fixed;
        body->InsertField(mark);
        return mark;
    }
    // The marks' texts in field order, each brought up to date.
    std::vector<std::string> MarkTexts()
    {
        std::vector<std::string> texts;
        for (long i = 0; i < body->m_fields.count; ++i)
            if (body->m_fields[i]->m_nKind == kFieldFootNote)
                texts.push_back(body->m_fields[i]->AsText(1));
        return texts;
    }
    std::vector<std::string> CaptionTexts(GDoc* flow)
    {
        std::vector<std::string> texts;
        for (long i = 0; i < flow->m_fields.count; ++i)
            if (flow->m_fields[i]->m_nKind == kFieldCaption)
                texts.push_back(flow->m_fields[i]->AsText(1));
        return texts;
    }
    bool Listed(GDoc* flow)
    {
        for (long i = 0; i < doc.m_flows.count; ++i)
            if (doc.m_flows[i] == flow)
                return true;
        return false;
    }
    bool Listed(CFrame* frame)
    {
        for (long i = 0; i < doc.m_frames.count; ++i)
            if (doc.m_frames[i] == frame)
                return true;
        return false;
    }
    void CheckFlowIndexes()
    {
        for (long i = 0; i < doc.m_flows.count; ++i)
            EXPECT_EQ(doc.m_flows[i]->m_nIndex, i);
    }
};

using Texts = std::vector<std::string>;

TEST_F(NotesAndCaptions, FootnotesAreNumberedPerStyleAndFixedNumbersCount)
{
    Type(body, 0, "abcdefgh");
    struct Case
    {
        const char* what;
        std::vector<std::pair<int, LONG>> marks;   // style, fixed number
        Texts texts;
    } cases[] = {
        {"roman, roman, arabic", {{kMarkRomanLower, 0}, {kMarkRomanLower, 0}, {kMarkArabic, 0}}, {"i", "ii", "1"}},
        {"fixed 7 then counted", {{kMarkArabic, 7}, {kMarkArabic, 0}}, {"7", "8"}},
        {"letters", {{kMarkLetterLower, 0}, {kMarkLetterUpper, 0}, {kMarkLetterLower, 0}}, {"a", "A", "b"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        long pos = 1;
        for (auto& m : c.marks)
        {
            Mark(pos, m.first, m.second);
            pos += 2;
        }
        EXPECT_EQ(MarkTexts(), c.texts);
        // Every note flow begins with a note-side mark showing the text.
        for (long i = 0; i < body->m_fields.count; ++i)
        {
            GFootNote* mark = (GFootNote*)body->m_fields[i];
            ASSERT_TRUE(mark->m_pNote != NULL);
            ASSERT_GE(mark->m_pNote->m_fields.count, 1);
            GFootNote* side = (GFootNote*)mark->m_pNote->m_fields[0];
            EXPECT_EQ(side->m_nStyle, kNoteSideMark);
            EXPECT_EQ(side->m_strMark, mark->m_strMark);
            ASSERT_TRUE(mark->NoteFrame() != NULL);
            EXPECT_TRUE(Listed(mark->NoteFrame()));
        }
        doc.m_bUndoEnabled = FALSE;
        while (body->m_fields.count)
            body->DeleteText(body->m_fields[0]->m_nPos, body->m_fields[0]->m_nPos + 1, 1);
        doc.m_bUndoEnabled = TRUE;
        EXPECT_EQ(doc.m_flows.count, kFirstContentFlow);
    }
}

TEST_F(NotesAndCaptions, TheTwentySeventhLetterIsAAgain)
{
    Type(body, 0, "x");
    for (int i = 0; i < 28; ++i)
        Mark(body->m_chars.count - 3, kMarkLetterUpper);
    Texts texts = MarkTexts();
    ASSERT_EQ(texts.size(), 28u);
    EXPECT_EQ(texts[25], "Z");
    EXPECT_EQ(texts[26], "A");
    EXPECT_EQ(texts[27], "B");
}

TEST_F(NotesAndCaptions, PerPageNumbersStartAgainOnEachPage)
{
    Type(body, 0, "one two");
    PageBreak(3);
    ASSERT_GE(body->m_pages.count, 3) << "two pages and the closing record";
    const long second = body->m_chars.count - 4;   // on the second page
    struct Case { int style; Texts texts; } cases[] = {
        {kMarkArabic, {"1", "2", "1"}}, {kMarkRomanLower, {"i", "ii", "i"}},
        {kMarkLetterUpper, {"A", "B", "A"}}, {kMarkLetterLower, {"a", "b", "a"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.style);
        for (long pos : {second, 1L, 0L})
        {
            GFootNote* mark = new GFootNote(body, pos, c.style);
            mark->m_bPerPage = 1;
            body->InsertField(mark);
        }
        EXPECT_EQ(body->GetFieldPage(2), 1);
        EXPECT_EQ(MarkTexts(), c.texts);
        doc.m_bUndoEnabled = FALSE;
        while (body->m_fields.count)
            body->DeleteText(body->m_fields[0]->m_nPos, body->m_fields[0]->m_nPos + 1, 1);
        doc.m_bUndoEnabled = TRUE;
    }
}

TEST_F(NotesAndCaptions, TheNoteFrameIsAtMost500HighAnd500WhenThePageIsFull)
{
    Type(body, 0, "short");
    GFootNote* first = Mark(1, kMarkArabic);
    first->Update();
    EXPECT_GT(first->NoteFrame()->maxHeight, 0);
    EXPECT_LE(first->NoteFrame()->maxHeight, kNoteFrameMostHeight);
    EXPECT_EQ(first->NoteFrame()->GetPage(), 0);
    EXPECT_EQ(first->NoteFrame()->vAnchor, (LONG_PTR)doc.GetFlow(doc.GetPageFooter(0))->m_pFirstFrame);

    // The last row of a full first page leaves no room.
    while (body->m_pages.count < 3)
        Type(body, body->m_chars.count - 3, "line\r");
    const long lastOnFirst = body->GetPageChar(1) - 2;
    ASSERT_EQ(body->GetCharPage(lastOnFirst), 0);
    GFootNote* late = Mark(lastOnFirst, kMarkArabic);
    late->Update();
    EXPECT_EQ(late->NoteFrame()->maxHeight, kNoteFrameMostHeight);
    // A note made later on the page stacks the earlier one's frame on its
    // own; the page's last note stands on the footer.
    GFootNote* second = Mark(3, kMarkArabic);
    EXPECT_EQ(second->NoteFrame()->GetPage(), 0);
    EXPECT_EQ(first->NoteFrame()->vAnchor, (LONG_PTR)second->NoteFrame());
    EXPECT_EQ(second->NoteFrame()->vAnchor, (LONG_PTR)doc.GetFlow(doc.GetPageFooter(0))->m_pFirstFrame);
}

// The mark's note comes and goes with it through undo and redo; deleted
// with undo off, nothing is left behind.
TEST_F(NotesAndCaptions, ADeletedFootnoteComesBackWithItsNoteOnUndo)
{
    Type(body, 0, "cited here");
    GFootNote* mark = Mark(5, kMarkArabic);
    GDoc* note = mark->m_pNote;
    CFrame* frame = mark->NoteFrame();
    Type(note, 1, " the note");
    const long flows = doc.m_flows.count, frames = doc.m_frames.count;
    ASSERT_EQ(flows, kFirstContentFlow + 1);
    ASSERT_TRUE(Listed(note) && Listed(frame));

    body->DeleteText(5, 6, 1);
    EXPECT_EQ(body->m_fields.count, 0);
    EXPECT_FALSE(Listed(note));
    EXPECT_FALSE(Listed(frame));
    EXPECT_EQ(doc.m_flows.count, flows - 1);
    EXPECT_EQ(doc.m_frames.count, frames - 1);
    CheckFlowIndexes();

    for (int round = 0; round < 2; ++round)
    {
        SCOPED_TRACE(round);
        ASSERT_TRUE(DocMakeUndo(&doc));
        ASSERT_EQ(body->m_fields.count, 1);
        GFootNote* back = (GFootNote*)body->m_fields[0];
        EXPECT_EQ(back->m_pNote, note);
        EXPECT_TRUE(Listed(note));
        EXPECT_TRUE(Listed(frame));
        EXPECT_EQ(doc.m_flows.count, flows);
        EXPECT_EQ(doc.m_frames.count, frames);
        CheckFlowIndexes();
        EXPECT_EQ(std::string((const char*)note->m_chars.GetData() + 1, 9), " the note");
        ASSERT_TRUE(DocMakeRedo(&doc));
        EXPECT_EQ(body->m_fields.count, 0);
        EXPECT_FALSE(Listed(note));
        EXPECT_EQ(doc.m_flows.count, flows - 1);
        CheckFlowIndexes();
    }
    // Dropping the records frees the note (checked by the memory tools).
    while (GetDocUndoStack(&doc)->RemoveLast())
    {
    }
    EXPECT_FALSE(GFootNote::IsNoteKept(note));

    doc.m_bUndoEnabled = FALSE;
    Mark(2, kMarkArabic);
    ASSERT_EQ(doc.m_flows.count, flows);
    body->DeleteText(2, 3, 1);
    EXPECT_EQ(doc.m_flows.count, flows - 1);
    EXPECT_EQ(doc.m_frames.count, frames - 1);
}

// A mark copied for a flow gets a new, empty note of its own; a saved
// state shares the note of the mark it copies.
TEST_F(NotesAndCaptions, ACopyForAFlowMakesItsOwnNote)
{
    Type(body, 0, "ab");
    GFootNote* mark = Mark(1, kMarkLetterUpper, 4);
    Type(mark->m_pNote, 1, "text");
    const long flows = doc.m_flows.count;
    GFootNote copy(body, *mark);
    EXPECT_EQ(copy.m_nFixed, 4);
    EXPECT_EQ(copy.m_strMark, mark->m_strMark);
    ASSERT_TRUE(copy.m_pNote != NULL);
    EXPECT_NE(copy.m_pNote, mark->m_pNote);
    EXPECT_EQ(doc.m_flows.count, flows + 1);
    EXPECT_EQ(copy.m_pNote->m_chars.count, 4) << "the note-side mark and the closing characters";
    GFootNote noNote(NULL, *mark);
    EXPECT_TRUE(noNote.m_pNote == NULL);
    std::unique_ptr<GField> saved(mark->CreateCopy());
    EXPECT_EQ(((GFootNote*)saved.get())->m_pNote, mark->m_pNote);
    EXPECT_TRUE(*saved == *mark);
}

// ---- Captions

GCaption* Caption(GDoc* flow, long pos, const char* label, int format = kMarkArabic)
{
    GCaption* caption = new GCaption(flow, pos, format, kCaptionBefore, NULL);
    caption->m_strLabel = label;
    caption->Update();
    flow->InsertField(caption);
    return caption;
}

TEST_F(NotesAndCaptions, CaptionsCountPerLabelAndFormat)
{
    Type(body, 0, "abcdefghij");
    Caption(body, 1, "Figure ");
    Caption(body, 3, "Table ");
    Caption(body, 5, "Figure ");
    Caption(body, 7, "Figure ", kMarkRomanLower);
    EXPECT_EQ(CaptionTexts(body), (Texts{"Figure 1", "Table 1", "Figure 2", "Figure i"}));

    // One put in front of two others renumbers both.
    Caption(body, 0, "Figure ");
    EXPECT_EQ(CaptionTexts(body), (Texts{"Figure 1", "Figure 2", "Table 1", "Figure 3", "Figure i"}));

    // A generic caption shows its label alone.
    GCaption::ImageSettings.generic = 1;
    GImage* picture = new GImage(body, 12, NULL);
    body->InsertField(picture);
    GCaption* generic = new GCaption(body, 0, kMarkArabic, kCaptionBefore, picture);
    generic->Update();
    EXPECT_EQ(std::string(generic->AsText(1)), "Caption ");
    delete generic;
}

TEST_F(NotesAndCaptions, PlacementsPutTheCaptionBesideItsObject)
{
    struct Case
    {
        int placement;
        const char* text;   // before, with O the object and C the caption
    } cases[] = {
        {kCaptionBefore, "ab CO cd"}, {kCaptionAfter, "ab OC cd"},
        {kCaptionAbove, "ab \rC\rO cd"}, {kCaptionBelow, "ab \rO\rC cd"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.placement);
        GDoc* flow = new GDoc(&doc, doc.m_flows.count);
        doc.m_flows.Add(flow);
        flow->ReRowByPos(0, 1, GDoc::kWholeParagraph);
        Type(flow, 0, "ab  cd");
        GImage* picture = new GImage(flow, 3, NULL);
        flow->InsertField(picture);
        GCaption::ImageSettings.position = c.placement;
        GCaption::ImageSettings.label = "Fig ";
        GCaption* caption = new GCaption(flow, 0, kMarkArabic, 0, picture);
        caption->Update();
        flow->InsertField(caption);
        std::string text((const char*)flow->m_chars.GetData(), flow->m_chars.count - 3);
        for (char& ch : text)
            if (ch == kFieldMark)
                ch = flow->GetCharField(&ch - &text[0]) >= 0 &&
                             flow->m_fields[flow->GetCharField(&ch - &text[0])] == picture
                         ? 'O'
                         : 'C';
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(CaptionTexts(flow), (Texts{"Fig 1"}));
        EXPECT_EQ(caption->m_pObject, picture);
    }
}

TEST_F(NotesAndCaptions, AutomaticCaptionsComeWithPictures)
{
    Type(body, 0, "pic");
    GCaption::AutoCaption = 1;
    GCaption::ImageSettings.autoCaption = 1;
    GCaption::ImageSettings.label = "Figure ";
    GCaption::ImageSettings.position = kCaptionAfter;
    while (GetDocUndoStack(&doc)->RemoveLast())
    {
    }
    body->InsertField(new GImage(body, 1, NULL));
    ASSERT_EQ(body->m_fields.count, 2);
    EXPECT_EQ(body->m_fields[0]->m_nKind, kFieldImage);
    EXPECT_EQ(body->m_fields[1]->m_nKind, kFieldCaption);
    EXPECT_EQ(CaptionTexts(body), (Texts{"Figure 1"}));
    CWUndoRedoStack* stack = GetDocUndoStack(&doc);
    std::vector<std::string> names;
    for (int i = 0; !stack->GetUndoName(i).IsEmpty(); ++i)
        names.push_back((const char*)stack->GetUndoName(i));
    EXPECT_EQ(std::count(names.begin(), names.end(), std::string("Insert Picture")), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), std::string("Insert Caption - 'Figure 1'")), 1);

    // Without the switch, or the kind's setting, a picture comes alone.
    GCaption::AutoCaption = 0;
    body->InsertField(new GImage(body, 0, NULL));
    EXPECT_EQ(body->m_fields.count, 3);
}

// A caption placed in a paragraph of its own inserts paragraph ends; undo
// takes them away with the caption and the picture, and redo brings all back.
TEST_F(NotesAndCaptions, UndoingAnAutomaticCaptionTakesItsParagraphEndsAway)
{
    Type(body, 0, "ab cd");
    GCaption::AutoCaption = 1;
    GCaption::ImageSettings.autoCaption = 1;
    GCaption::ImageSettings.label = "Figure ";
    for (LONG placement : {kCaptionAbove, kCaptionBelow})
    {
        SCOPED_TRACE(placement);
        GCaption::ImageSettings.position = placement;
        const std::string before((const char*)body->m_chars.GetData(), body->m_chars.count);
        body->InsertField(new GImage(body, 3, NULL));
        const std::string after((const char*)body->m_chars.GetData(), body->m_chars.count);
        ASSERT_EQ(after.size(), before.size() + 4) << "picture, caption and two paragraph ends";
        while (body->m_fields.count > 0)
            ASSERT_TRUE(DocMakeUndo(&doc));
        EXPECT_EQ(std::string((const char*)body->m_chars.GetData(), body->m_chars.count), before);
        while (DocMakeRedo(&doc))
        {
        }
        EXPECT_EQ(std::string((const char*)body->m_chars.GetData(), body->m_chars.count), after);
        EXPECT_EQ(CaptionTexts(body), (Texts{"Figure 1"}));
        while (body->m_fields.count > 0)
            ASSERT_TRUE(DocMakeUndo(&doc));
    }
    GCaption::AutoCaption = 0;
}

// A caption keeps its object through the stored form, even when the
// object follows it; an index that names no object reads as none.
TEST_F(NotesAndCaptions, ACaptionKeepsItsObjectAcrossSaving)
{
    Type(body, 0, "abcdef");
    GImage* picture = new GImage(body, 4, NULL);
    body->InsertField(picture);
    GCaption* caption = new GCaption(body, 1, kMarkArabic, kCaptionAfter, NULL);
    caption->m_pObject = picture;
    body->InsertField(caption);
    body->InsertField(new GDateTime(body, 6));
    GDoc* copy = body->CreateCopy();
    ASSERT_TRUE(copy != NULL);
    ASSERT_EQ(copy->m_fields.count, 3);
    GCaption* read = (GCaption*)copy->m_fields[0];
    ASSERT_EQ(read->m_nKind, kFieldCaption);
    EXPECT_EQ(read->m_pObject, copy->m_fields[1]);
    EXPECT_EQ(read->m_strText, caption->m_strText);

    struct Case { LONG index; bool kept; } cases[] = {
        {1, true}, {-1, false}, {0, false}, {2, false}, {3, false}, {1000, false}, {-7, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.index);
        read->m_nObjectIndex = c.index;
        GCaption::LinkObjects(*copy);
        EXPECT_EQ(read->m_pObject, c.kept ? copy->m_fields[1] : NULL);
    }
    copy->m_bDeletable = 1;
    copy->Destroy();
}

// Both kinds at their stored layouts, read back into fields of their
// classes that write the same bytes again.
TEST_F(NotesAndCaptions, FootnotesAndCaptionsRoundTripAtTheirLayouts)
{
    Type(body, 0, "abc");
    GFootNote* mark = Mark(1, kMarkLetterLower, 3);
    mark->m_bPerPage = 1;
    mark->Update();
    const LONG noteIndex = mark->m_pNote->m_nIndex;
    ASSERT_EQ(noteIndex, kFirstContentFlow);
    GCaption* caption = Caption(body, 3, "Fig");
    caption->m_nPlacement = kCaptionBelow;
    caption->m_bGeneric = 1;
    struct Case { GField* field; Bytes bytes; } cases[] = {
        {mark, {10, 1, 0, 0, 0, 3, 0, 0, 0, 1, 'c', 1, 0, 0, 0, 3, 0, 0, 0, 3, 0, 0, 0, (BYTE)noteIndex, 0, 0, 0}},
        {caption, {11, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 3, 'F', 'i', 'g', 4, 'F', 'i', 'g', '1',
                   3, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE((int)c.field->m_nKind);
        const Bytes bytes = StoreToBytes([&](CArchive& ar) { c.field->SaveZVW(ar); });
        EXPECT_EQ(HexDump(bytes), HexDump(c.bytes));
        std::unique_ptr<GField, void (*)(GField*)> read(NewFieldOfKind(c.field->m_nKind, body), GField::Destroy);
        ASSERT_TRUE(read != nullptr);
        EXPECT_EQ(LoadFromBytes(Bytes(bytes.begin() + 1, bytes.end()), [&](CArchive& ar) { read->OpenZVW(ar); }), 0u);
        EXPECT_EQ(HexDump(StoreToBytes([&](CArchive& ar) { read->SaveZVW(ar); })).substr(0, 14),
                  HexDump(bytes).substr(0, 14));
        EXPECT_TRUE(*read == *c.field);
    }
    // The stored note index names the note flow again once the flows are read.
    GFootNote* read = (GFootNote*)NewFieldOfKind(kFieldFootNote, body);
    LoadFromBytes(Bytes(cases[0].bytes.begin() + 1, cases[0].bytes.end()), [&](CArchive& ar) { read->OpenZVW(ar); });
    EXPECT_EQ(read->m_nNoteIndex, noteIndex);
    GDoc holder(&doc, 99);
    holder.m_fields.Add(read);
    GFootNote::LinkNotes(holder);
    EXPECT_EQ(read->m_pNote, mark->m_pNote);
    EXPECT_EQ(read->m_strMark, CString("c"));
    read->m_pNote = NULL;
}

} // namespace
