// Pasting one flow into another: styles between documents with different
// tables, the source left byte for byte as it was, one "Paste" step that
// gives the target back exactly, smart blanks, paragraph joins from the
// clipboard document, list items, and footnotes and captions that outlive
// their source document.
#include "tests/editing/formatting_test_support.h"
#include "model/GFootNote.h"
#include "model/GCaption.h"
#include "model/GDocTitle.h"
#include "model/GListField.h"
#include "editing/CWOpBigUndo.h"
#include <random>

namespace
{
const long kNumbers = 6;   // a standard list style: "1." on every level

// A note flow's text begins after its note-side mark.
long NoteTextStart(const GDoc* note)
{
    return note->m_chars[0] == kFieldMark ? 1 : 0;
}

class PasteFlow : public FormattingFixture
{
protected:
    void SetUp() override
    {
        FormattingFixture::SetUp();
        savedSmart = Options.SmartCutPaste;
        Options.SmartCutPaste = 0;
        SetUpSourceOnly();
    }
    // A new source document with an empty body flow.
    void SetUpSourceOnly()
    {
        src = new CWDocument;
        srcFlow = new GDoc(src, 0);
        src->m_flows.Add(srcFlow);
        srcFlow->ReRowByPos(0, 1, GDoc::kWholeParagraph);
    }
    void TearDown() override
    {
        DestroySource();
        Options.SmartCutPaste = savedSmart;
        FormattingFixture::TearDown();
    }
    void DestroySource()
    {
        if (!src)
            return;
        ReleaseDocEditing(src);
        delete src;
        src = NULL;
        srcFlow = NULL;
    }
    void SourceText(const char* text)
    {
        std::string buffer(text);
        srcFlow->InsertText(0, &buffer[0], 1);
        ReleaseDocEditing(src);
    }
    // The source's style tables and flows as the native file stores them.
    static Bytes StoredForm(CWDocument& d)
    {
        return StoreToBytes([&](CArchive& ar) {
            d.m_fontStyles.SaveZVW(ar);
            d.m_paraStyles.SaveZVW(ar);
            d.m_masterStyles.SaveZVW(ar);
            d.m_listStyles.SaveZVW(ar);
            for (LONG i = 0; i < d.m_flows.count; ++i)
                d.m_flows[i]->SaveZVW(ar);
        });
    }
    // Pastes the source's first..end at the target's caret.
    void Paste(long first, long end, long caret)
    {
        srcFlow->m_nSelFirst = (LONG)first;
        srcFlow->m_nSelEnd = (LONG)end;
        flow->m_nCaret = flow->m_nSelFirst = flow->m_nSelEnd = (LONG)caret;
        flow->PasteDoc(srcFlow);
    }
    static int AddFont(CWDocument& d, const char* name, short attribute)
    {
        GStyleItem<GFontStyle> item(name, *d.m_flows[0]->GetCharFStylePtr(0));
        item.style.SetAttr(attribute, 1);
        return d.AddNewFStyle(item);
    }
    static int AddPara(CWDocument& d, const char* name, int left)
    {
        GStyleItem<GParaStyle> item(name, GParaStyle(left, 0, 127, 1.0f, 0, GParaStyle::kAlignLeft));
        return d.AddNewPStyle(item);
    }
    CWDocument* src = NULL;
    GDoc* srcFlow = NULL;
    LONG savedSmart = 0;
};

TEST_F(PasteFlow, StylesComeOverByNameAndTheSourceStaysAsItWas)
{
    SourceText("one two three");
    NewFlow("abc");
    const int loud = AddFont(*src, "(f) Loud", GFontStyle::kBold);
    const int sameInSource = AddFont(*src, "(f) Same", GFontStyle::kItalic);
    const int sameInTarget = AddFont(doc, "(f) Same", GFontStyle::kUnderline);
    srcFlow->SetFontStyle(0, 3, Mint((short)loud, 0));
    srcFlow->SetFontStyle(4, 7, Mint((short)sameInSource, 0));
    ReleaseDocEditing(src);
    const Bytes before = StoredForm(*src);
    const long fontsBefore = src->m_fontStyles.count;

    const std::string targetBefore = FlowState(*flow);
    const long steps = Stack()->GetUndoLen();
    Paste(0, 7, 1);
    EXPECT_EQ(FlowText(*flow), "aone twobc");
    EXPECT_EQ(StoredForm(*src), before);
    EXPECT_EQ(src->m_fontStyles.count, fontsBefore);

    const long added = doc.m_fontStyles.FindStyle("(f) Loud");
    ASSERT_GE(added, 0);
    EXPECT_EQ(flow->GetCharFStyleIdx(1), added);
    EXPECT_EQ(flow->GetCharFStyleIdx(5), sameInTarget);
    EXPECT_EQ(doc.m_fontStyles[sameInTarget].style.GetAttr(GFontStyle::kItalic), 1);
    EXPECT_NE(flow->GetCharFStyleIdx(0), added);
    EXPECT_NE(flow->GetCharFStyleIdx(8), added);
    EXPECT_EQ(StructureFault(*flow), "");

    // One step named "Paste" that gives the flow back exactly.
    ASSERT_EQ(Stack()->GetUndoLen(), steps + 1);
    EXPECT_EQ(Stack()->GetUndoName(0), CString("Paste"));
    const std::string pasted = FlowState(*flow);
    ASSERT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(FlowState(*flow), targetBefore);
    ASSERT_TRUE(DocMakeRedo(&doc));
    EXPECT_EQ(FlowState(*flow), pasted);
}

TEST_F(PasteFlow, AMasterStyleComesOverByNameWithItsCharacterStyle)
{
    for (bool targetHasIt : {false, true})
    {
        DestroySource();
        SetUpSourceOnly();
        SourceText("one two");
        NewFlow("abc");
        const int loud = AddFont(*src, "(f) Loud", GFontStyle::kBold);
        GStyleItem<GMasterStyle> master("(M) Mine", GMasterStyle(loud, -1));
        const int mine = src->AddNewMStyle(master);
        long existing = doc.m_masterStyles.FindStyle("(M) Mine");
        if (targetHasIt && existing < 0)
        {
            GStyleItem<GMasterStyle> other("(M) Mine", GMasterStyle(0, -1));
            existing = doc.AddNewMStyle(other);
        }
        const long masters = doc.m_masterStyles.count;
        srcFlow->SetFontStyle(0, 3, Mint((short)mine, 1));
        Paste(0, 3, 1);
        ASSERT_EQ(FlowText(*flow), "aonebc");
        const Mint ref = flow->m_formats[flow->GetCharFormat(1)].style;
        ASSERT_EQ(ref.master, 1);
        EXPECT_STREQ(doc.m_masterStyles[ref.index].name, "(M) Mine");
        if (targetHasIt)
        {
            EXPECT_EQ(ref.index, existing);
            EXPECT_EQ(doc.m_masterStyles.count, masters);
        }
        else
            EXPECT_STREQ(doc.m_fontStyles[doc.m_masterStyles[ref.index].style.m_Font].name, "(f) Loud");
        EXPECT_EQ(src->m_masterStyles[mine].style.m_Font, loud);
    }
}

TEST_F(PasteFlow, SmartBlanksAndReplacedSelection)
{
    struct Case
    {
        const char* source;
        long first, end;
        const char* target;
        long selFirst, selEnd;
        int smart;
        const char* expected;
        long caret;   // after the pasted text, the selection collapsed
    } cases[] = {
        {"word ", 0, 5, "ab", 1, 1, 1, "a word b", 7},
        {"word ", 0, 5, "a b", 2, 2, 1, "a word b", 7},
        {" word ", 0, 6, "a\tb", 2, 2, 1, "a\tword b", 7},
        {"word", 0, 4, "\xe9\xe9", 1, 1, 1, "\xe9word\xe9", 5},
        {"word ", 0, 5, "ab", 1, 1, 0, "aword b", 6},
        {"new", 0, 3, "one old two", 4, 7, 0, "one new two", 7},
        {"   ", 0, 3, "one old two", 4, 7, 1, "one  two", 4},
        {"   ", 0, 3, "one old\ttwo", 4, 7, 1, "one \ttwo", 4},
    };
    for (const Case& c : cases)
    {
        Options.SmartCutPaste = c.smart;
        DestroySource();
        SetUpSourceOnly();
        SourceText(c.source);
        NewFlow(c.target);
        srcFlow->m_nSelFirst = (LONG)c.first;
        srcFlow->m_nSelEnd = (LONG)c.end;
        flow->m_nCaret = flow->m_nSelFirst = (LONG)c.selFirst;
        flow->m_nSelEnd = (LONG)c.selEnd;
        flow->PasteDoc(srcFlow);
        EXPECT_EQ(FlowText(*flow), c.expected) << c.source << " into " << c.target;
        EXPECT_EQ(flow->m_nCaret, c.caret) << c.source << " into " << c.target;
        EXPECT_EQ(flow->m_nSelFirst, flow->m_nSelEnd);
        EXPECT_EQ(StructureFault(*flow), "");
        const std::string now = FlowState(*flow);
        flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
        EXPECT_EQ(FlowState(*flow), now) << "laid out again: " << c.source << " into " << c.target;
    }
}

TEST_F(PasteFlow, ParagraphsFromTheClipboardJoinTheTargetParagraph)
{
    struct Case
    {
        const char* target;
        long caret;
        const char* source;
        const char* expected;
        // Expected style of each target paragraph: 'T' the target's, 'X'
        // and 'Y' the source's first and second.
        const char* styles;
    } cases[] = {
        {"abcdef", 3, "Head\rBody", "abcHead\rBodydef", "TY"},
        {"", 0, "Head\rBody", "Head\rBody", "XY"},
        {"abcdef", 3, "Head", "abcHeaddef", "T"},
        {"abc\r\rdef", 4, "Head\rBody", "abc\rHead\rBody\rdef", "TXYT"},
    };
    for (const Case& c : cases)
    {
        DestroySource();
        SetUpSourceOnly();
        src->m_bClipboard = TRUE;
        SourceText(c.source);
        NewFlow(c.target);
        const int x = AddPara(*src, "(p) X", 100), y = AddPara(*src, "(p) Y", 200);
        const int t = AddPara(doc, "(p) T", 300);
        srcFlow->SetParaStyle(0, 0, Mint((short)x, 0));
        srcFlow->SetParaStyle(srcFlow->m_chars.count - 3, srcFlow->m_chars.count - 3, Mint((short)y, 0));
        for (long p = 0; p + 1 < flow->m_paras.count; ++p)
            flow->SetParaStyle(flow->GetParaChar(p), flow->GetParaChar(p), Mint((short)t, 0));
        Paste(0, srcFlow->m_chars.count - 3, c.caret);
        std::string expected = c.expected;
        for (char& ch : expected)
            if (ch == '\r')
                ch = kParagraphEnd;
        EXPECT_EQ(FlowText(*flow), expected) << c.target;
        std::string styles;
        for (long p = 0; p + 1 < flow->m_paras.count; ++p)
        {
            const long i = flow->GetParaStyleIdx(p);
            const char* name = doc.m_paraStyles[i].name;
            styles += strcmp(name, "(p) X") == 0 ? 'X' : strcmp(name, "(p) Y") == 0 ? 'Y' : strcmp(name, "(p) T") == 0 ? 'T' : '?';
        }
        EXPECT_EQ(styles, c.styles) << c.target;
        EXPECT_EQ(StructureFault(*flow), "");

        // Undo gives the paragraph styles back as well.
        ASSERT_TRUE(DocMakeUndo(&doc));
        for (long p = 0; p + 1 < flow->m_paras.count; ++p)
            EXPECT_EQ(flow->GetParaStyleIdx(p), t) << c.target;
    }
}

TEST_F(PasteFlow, AListItemContinuesOrRestartsAsItsSourceDid)
{
    for (int continues : {0, 1})
    {
        DestroySource();
        SetUpSourceOnly();
        SourceText("item");
        NewFlow("first\r");
        flow->SetPos(0);
        ASSERT_EQ(flow->ApplyListStyle(kNumbers, 1, NULL, 0, 1), 1);
        srcFlow->SetPos(0);
        ASSERT_EQ(srcFlow->ApplyListStyle(kNumbers, 1, NULL, continues, 1), 1);
        GList* original = srcFlow->GetListField(0);
        ASSERT_TRUE(original);
        original->m_bContinues = continues;
        const long end = srcFlow->m_chars.count - 3;
        const long caret = flow->m_chars.count - 3;
        Paste(0, end, caret);
        const GList* pasted = flow->GetListField(caret);
        ASSERT_TRUE(pasted) << MarkedFlowText(*flow);
        EXPECT_EQ(pasted->m_bContinues, continues);
        EXPECT_STREQ(doc.m_listStyles[pasted->m_nStyle].name, src->m_listStyles[original->m_nStyle].name);
        EXPECT_EQ(FlowText(*flow, caret + 1), "item");
        EXPECT_EQ(StructureFault(*flow), "");
    }
}

TEST_F(PasteFlow, AListItemPastedIntoAListItemKeepsOneNumber)
{
    for (long caret : {0L, 3L, 6L})
    {
        DestroySource();
        SetUpSourceOnly();
        SourceText("item");
        srcFlow->SetPos(0);
        ASSERT_EQ(srcFlow->ApplyListStyle(kNumbers, 1, NULL, 0, 1), 1);
        NewFlow("first");
        flow->SetPos(0);
        ASSERT_EQ(flow->ApplyListStyle(kNumbers, 1, NULL, 0, 1), 1);
        ASSERT_EQ(MarkedFlowText(*flow), "@first");
        Paste(0, srcFlow->m_chars.count - 3, caret);
        std::string expected = "@first";
        expected.insert(std::max(caret, 1L), "item");
        EXPECT_EQ(MarkedFlowText(*flow), expected) << caret;
        EXPECT_TRUE(flow->GetListField(0));
        EXPECT_EQ(flow->m_fields.count, 1);
        EXPECT_EQ(StructureFault(*flow), "");
    }
}

TEST_F(PasteFlow, FootnotesAndCaptionsOutliveTheirSource)
{
    SourceText("see here and title");
    srcFlow->InsertField(new GFootNote(srcFlow, 8, kMarkArabic));
    GFootNote* mark = (GFootNote*)srcFlow->m_fields[0];
    ASSERT_TRUE(mark->m_pNote);
    char note[] = "the note";
    mark->m_pNote->InsertText(NoteTextStart(mark->m_pNote), note, 1);
    srcFlow->InsertField(new GDocTitle(srcFlow, 14, 0));
    GField* title = srcFlow->m_fields[1];
    GCaption* caption = new GCaption(srcFlow, 0, kMarkArabic, kCaptionBefore, NULL);
    caption->m_pObject = title;
    srcFlow->InsertField(caption);
    const std::string sourceNote = FlowText(*mark->m_pNote, NoteTextStart(mark->m_pNote));
    ReleaseDocEditing(src);
    const Bytes before = StoredForm(*src);

    NewFlow("x");
    Paste(0, srcFlow->m_chars.count - 3, 1);
    EXPECT_EQ(StoredForm(*src), before);
    DestroySource();

    ASSERT_EQ(flow->m_fields.count, 3);
    GFootNote* pastedMark = NULL;
    GCaption* pastedCaption = NULL;
    GField* pastedTitle = NULL;
    for (LONG i = 0; i < flow->m_fields.count; ++i)
    {
        GField* f = flow->m_fields[i];
        EXPECT_EQ(f->m_pDoc, flow);
        if (f->m_nKind == kFieldFootNote)
            pastedMark = (GFootNote*)f;
        else if (f->m_nKind == kFieldCaption)
            pastedCaption = (GCaption*)f;
        else if (f->m_nKind == kFieldDocTitle)
            pastedTitle = f;
    }
    ASSERT_TRUE(pastedMark && pastedCaption && pastedTitle);
    ASSERT_TRUE(pastedMark->m_pNote);
    EXPECT_EQ(pastedMark->m_pNote->m_pOwner, &doc);
    EXPECT_GT(doc.FlowIndex(pastedMark->m_pNote), 0);
    EXPECT_EQ(FlowText(*pastedMark->m_pNote, NoteTextStart(pastedMark->m_pNote)), sourceNote);
    EXPECT_EQ(pastedCaption->m_pObject, pastedTitle);
    EXPECT_EQ(StructureFault(*flow), "");

    // The paste undoes as one step and comes back with the note's text.
    ASSERT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(FlowText(*flow), "x");
    EXPECT_EQ(flow->m_fields.count, 0);
    ASSERT_TRUE(DocMakeRedo(&doc));
    ASSERT_EQ(flow->m_fields.count, 3);
    for (LONG i = 0; i < flow->m_fields.count; ++i)
        if (flow->m_fields[i]->m_nKind == kFieldFootNote)
        {
            GDoc* note = ((GFootNote*)flow->m_fields[i])->m_pNote;
            ASSERT_TRUE(note);
            EXPECT_EQ(FlowText(*note, NoteTextStart(note)), sourceNote);
        }
}
TEST_F(PasteFlow, BordersAndShadingComeWithTheirParagraphs)
{
    SourceText("aa\rbb\rcc");
    CBorderStyle line;
    line.colour = RGB(200, 0, 0);
    line.lineStyle = 1;
    CBorderStyle sides[4] = {line, line, line, line};
    srcFlow->SetBorder(32 + kBorderBox, sides, 20, 3, 5);
    CShadeStyle shade;
    shade.back = RGB(0, 0, 200);
    shade.percent = 50;
    srcFlow->AddShade(shade, 3, 5, 1);
    ASSERT_EQ(srcFlow->m_borders.count, 1);
    ASSERT_EQ(srcFlow->m_shades.count, 1);
    ReleaseDocEditing(src);
    const Bytes before = StoredForm(*src);

    NewFlow("x\r");
    const std::string targetBefore = FlowState(*flow);
    Paste(0, srcFlow->m_chars.count - 3, 2);
    EXPECT_EQ(StoredForm(*src), before);
    ASSERT_EQ(flow->m_borders.count, 1);
    EXPECT_EQ(flow->m_borders[0].first, 5);
    EXPECT_EQ(flow->m_borders[0].end, 8);
    EXPECT_EQ(flow->m_borders[0].sides, kBorderBox);
    EXPECT_EQ(flow->m_borders[0].left.colour, RGB(200, 0, 0));
    ASSERT_EQ(flow->m_shades.count, 1);
    EXPECT_EQ(flow->m_shades[0].first, 5);
    EXPECT_EQ(flow->m_shades[0].end, 8);
    EXPECT_EQ(flow->m_shades[0].style.back, RGB(0, 0, 200));
    ASSERT_TRUE(DocMakeUndo(&doc));
    EXPECT_EQ(FlowState(*flow), targetBefore);
}
TEST_F(PasteFlow, RandomPastesKeepTheRecordsSoundAndUndoExactly)
{
    SourceText("First line of text.\rA\ttabbed line, with words\r\rAnd the end of it all");
    const int loud = AddFont(*src, "(f) Loud", GFontStyle::kBold);
    srcFlow->SetFontStyle(6, 10, Mint((short)loud, 0));
    srcFlow->SetFontStyle(22, 40, Mint((short)loud, 0));
    ReleaseDocEditing(src);
    const Bytes before = StoredForm(*src);
    NewFlow("Target text\rwith two paragraphs and a\ttab");
    std::mt19937 random(31);
    const long sourceEnd = srcFlow->m_chars.count - 3;
    for (int round = 0; round < 40; ++round)
    {
        Options.SmartCutPaste = round % 2;
        src->m_bClipboard = round % 3 == 0;
        const long first = random() % sourceEnd;
        const long end = first + random() % (sourceEnd - first + 1);
        const long targetEnd = flow->m_chars.count - 3;
        const long selFirst = random() % (targetEnd + 1);
        const long selEnd = random() % 4 == 0 ? selFirst + random() % (targetEnd - selFirst + 1) : selFirst;
        const std::string state = FlowState(*flow);
        const long steps = Stack()->GetUndoLen();
        srcFlow->m_nSelFirst = (LONG)first;
        srcFlow->m_nSelEnd = (LONG)end;
        flow->m_nCaret = flow->m_nSelFirst = (LONG)selFirst;
        flow->m_nSelEnd = (LONG)selEnd;
        flow->PasteDoc(srcFlow);
        const std::string where = "round " + std::to_string(round) + ": " + std::to_string(first) + ".." +
                                  std::to_string(end) + " at " + std::to_string(selFirst) + ".." +
                                  std::to_string(selEnd);
        ASSERT_EQ(StructureFault(*flow), "") << where;
        EXPECT_EQ(StoredForm(*src), before) << where;
        {
            // The rows stand as a fresh layout would break them.
            const std::string now = FlowState(*flow);
            flow->ReRowByRow(0, flow->m_rows.count - 1, GDoc::kReRowEdit, GDoc::kWholeParagraph);
            ASSERT_EQ(FlowState(*flow), now) << "laid out again " << where;
        }
        if (Stack()->GetUndoLen() == steps)
        {
            // Nothing to paste into no selection: nothing changed.
            EXPECT_EQ(FlowState(*flow), state) << where;
            continue;
        }
        ASSERT_EQ(Stack()->GetUndoLen(), steps + 1) << where;
        if (round % 5 == 4)
        {
            const std::string pasted = FlowState(*flow);
            ASSERT_TRUE(DocMakeUndo(&doc)) << where;
            ASSERT_EQ(FlowState(*flow), state) << where;
            ASSERT_TRUE(DocMakeRedo(&doc)) << where;
            ASSERT_EQ(FlowState(*flow), pasted) << where;
        }
    }
    src->m_bClipboard = FALSE;
}
} // namespace
