// Typing and keys on a view in a hidden window: queued bursts become
// batches of at most 127 characters, paragraph ends, Backspace, overwrite,
// a command key inside a burst, caret keys, the page break, and the Edit
// menu's commands.
#include "tests/view/view_window.h"
#include "tests/view/view_keys.h"
#include "app/CWApp.h"
#include "model/GFootNote.h"
#include "model/GImage.h"
#include "model/GOle.h"
#include "dialogs/CWFndRpl.h"
#include "editing/CWUndoRedoStack.h"
#include "editing/document_editing.h"
#include "model/GFontStyle.h"
#include "model/GParaStyle.h"
#include "model/GMasterStyle.h"
#include <cstring>
#include <string>

namespace {

class Typing : public ViewWindowFixture
{
protected:
    void MakeTypingView()
    {
        MakeView();
        doc->m_bUndoEnabled = TRUE;
    }
    // The flow's text without its closing codes.
    static std::string Text(GDoc* flow)
    {
        return std::string((const char*)flow->m_chars.GetData(), flow->m_chars.count - 3);
    }
    void Post(const std::string& text)
    {
        for (unsigned char c : text)
            ::PostMessageA(view->m_hWnd, WM_CHAR, c, 0);
    }
    void PostKey(UINT key) { ::PostMessageA(view->m_hWnd, WM_KEYDOWN, key, 0); }
    long UndoSteps() { return GetDocUndoStack(doc)->GetUndoLen(); }
    void Place(long pos)
    {
        CChangeBracket bracket(doc);
        body->UnSelect();
        body->SetPos(pos);
        view->m_nCaretRow = body->GetCharRow(pos);
    }
    void SelectRange(long from, long to)
    {
        CChangeBracket bracket(doc);
        body->Select(from, to);
        body->SetPos(to);
    }
    void Key(UINT key, int modifier = 0) { PressOn(view, key, modifier); }
};

TEST_F(Typing, AQueuedBurstOf300BecomesBatchesOf127And127And46InOrder)
{
    MakeTypingView();
    std::string burst;
    for (int i = 0; i < 300; ++i)
        burst += (char)('a' + i % 26);
    Post(burst);
    PumpMessages();
    EXPECT_EQ(Text(body), burst);
    EXPECT_EQ(body->m_nCaret, 300);
    EXPECT_EQ(UndoSteps(), 3) << "one insertion per batch";
    EXPECT_EQ(doc->m_nViewNotify, 0);
    // Undoing takes back the last batch first: 46 characters.
    doc->MakeUndo();
    EXPECT_EQ(Text(body), burst.substr(0, 254));
}

TEST_F(Typing, ThreeQueuedLettersAreOneInsertionAndOneStep)
{
    MakeTypingView();
    Post("abc");
    PumpMessages();
    EXPECT_EQ(Text(body), "abc");
    EXPECT_EQ(body->m_nCaret, 3);
    EXPECT_EQ(UndoSteps(), 1);
}

TEST_F(Typing, XyAndAQueuedEnterEndOnTheNewParagraph)
{
    MakeTypingView();
    Post("xy\r");
    PumpMessages();
    EXPECT_EQ(Text(body), "xy\r");
    EXPECT_EQ(body->m_nCaret, 3);
    EXPECT_EQ(UndoSteps(), 2);
    EXPECT_EQ(doc->m_nViewNotify, 0);
    Post("z\t");
    PumpMessages();
    EXPECT_EQ(Text(body), "xy\rz\t");
    EXPECT_EQ(body->m_nCaret, 5);
}

TEST_F(Typing, BackspaceCases)
{
    MakeTypingView();
    const struct
    {
        const char* text;
        long caret, selFirst, selEnd;
        const char* expected;
        long expectedCaret;
    } cases[] = {
        {"abc", 0, 0, 0, "abc", 0},
        {"abc", 2, 2, 2, "ac", 1},
        // A page end goes with the character before it.
        {"ab\r\fcd", 4, 4, 4, "abcd", 2},
        // A selection alone goes: the letter before it stays.
        {"abcde", 4, 2, 4, "abe", 2},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        {
            CChangeBracket bracket(doc);
            body->DeleteText(0, body->m_chars.count - 3, 1);
        }
        Type(body, 0, c.text);
        if (c.selFirst != c.selEnd)
            SelectRange(c.selFirst, c.selEnd);
        else
            Place(c.caret);
        view->OnChar(8, 1, 0);
        EXPECT_EQ(Text(body), c.expected);
        EXPECT_EQ(body->m_nCaret, c.expectedCaret);
        EXPECT_EQ(body->m_nSelFirst, body->m_nSelEnd);
        EXPECT_EQ(doc->m_nViewNotify, 0);
    }
}

TEST_F(Typing, OverwriteReplacesTheNextCharacterOrTakesTheSelectionsPlace)
{
    MakeTypingView();
    Type(body, 0, "def");
    view->m_bInsert = FALSE;
    Place(1);
    view->OnChar('x', 1, 0);
    EXPECT_EQ(Text(body), "dxf");
    EXPECT_EQ(body->m_nCaret, 2);
    SelectRange(1, 2);
    view->OnChar('y', 1, 0);
    EXPECT_EQ(Text(body), "dyf") << "the typed letter takes the selection's place; the f stays";
    EXPECT_EQ(body->m_nCaret, 2);
}

TEST_F(Typing, ControlCodesChangeNoText)
{
    MakeTypingView();
    Type(body, 0, "ab");
    Place(1);
    const long steps = UndoSteps();
    for (unsigned c : {1u, 3u, 26u, 27u})
        view->OnChar(c, 1, 0);
    EXPECT_EQ(Text(body), "ab");
    EXPECT_EQ(UndoSteps(), steps);
}

TEST_F(Typing, ACommandKeyInsideABurstRunsAfterTheTextBefore)
{
    MakeTypingView();
    Post("ab");
    PostKey(VK_LEFT);
    Post("c");
    PumpMessages();
    EXPECT_EQ(Text(body), "acb") << "Left moved the caret between a and b before c came";
    EXPECT_EQ(body->m_nCaret, 2);
}

TEST_F(Typing, CaretKeys)
{
    MakeTypingView();
    Type(body, 0, "one two three\rfour");
    Place(0);
    Key(VK_RIGHT, VK_CONTROL);
    EXPECT_EQ(body->m_nCaret, 4) << "Ctrl+Right to the next word";
    Place(16);
    Key(VK_RIGHT, VK_CONTROL);
    EXPECT_EQ(body->m_nCaret, 18) << "Ctrl+Right in the last word goes to the end";
    Place(0);
    Key(VK_LEFT, VK_CONTROL);
    EXPECT_EQ(body->m_nCaret, 0);
    Place(10);
    Key(VK_LEFT, VK_CONTROL);
    EXPECT_EQ(body->m_nCaret, 8);
    Place(5);
    Key(VK_END);
    EXPECT_EQ(body->m_nCaret, 13);
    Key(VK_HOME);
    EXPECT_EQ(body->m_nCaret, 0);
    Key(VK_END, VK_CONTROL);
    EXPECT_EQ(body->m_nCaret, 18);
    Key(VK_HOME, VK_CONTROL);
    EXPECT_EQ(body->m_nCaret, 0);
    SelectRange(4, 7);
    Key(VK_LEFT);
    EXPECT_EQ(body->m_nCaret, 4) << "Left collapses a selection to its start";
    EXPECT_EQ(body->m_nSelFirst, body->m_nSelEnd);
    SelectRange(4, 7);
    Key(VK_RIGHT);
    EXPECT_EQ(body->m_nCaret, 7);
    EXPECT_EQ(doc->m_nViewNotify, 0);
}

TEST_F(Typing, EndStopsBeforeAPageEnd)
{
    MakeTypingView();
    MakePages(2);
    Place(2);
    Key(VK_END);
    EXPECT_EQ(body->m_nCaret, 11) << "before the page end";
}

TEST_F(Typing, DownDownUpKeepsTheColumn)
{
    MakeTypingView();
    Type(body, 0, "abcdefgh\rab\rabcdefgh");
    Place(5);
    view->SetCaret(1);
    Key(VK_DOWN);
    EXPECT_EQ(body->GetCharRow(body->m_nCaret), 1);
    EXPECT_EQ(body->m_nCaret, 11) << "the short row's end";
    Key(VK_DOWN);
    EXPECT_EQ(body->m_nCaret, 17) << "back at the first Down's x";
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(body->m_nCaret, 5);
    Key(VK_UP);
    EXPECT_EQ(body->m_nCaret, 5) << "Up on the first row stays";
}

TEST_F(Typing, InsertTogglesOnlyWithoutModifiers)
{
    MakeTypingView();
    Key(VK_INSERT);
    EXPECT_FALSE(view->m_bInsert);
    Key(VK_INSERT, VK_SHIFT);
    Key(VK_INSERT, VK_CONTROL);
    EXPECT_FALSE(view->m_bInsert);
    Key(VK_INSERT);
    EXPECT_TRUE(view->m_bInsert);
}

TEST_F(Typing, CtrlEnterBreaksThePageInTheBodyOnly)
{
    MakeTypingView();
    Type(body, 0, "abcd");
    Place(2);
    const long pages = body->m_pages.count;
    Key(VK_RETURN, VK_CONTROL);
    EXPECT_EQ(Text(body), "ab\r\fcd");
    EXPECT_EQ(body->m_nCaret, 4);
    EXPECT_EQ(body->m_pages.count, pages + 1);
    EXPECT_EQ(view->m_nPages, body->m_pages.count - 1);
    EXPECT_EQ(doc->m_nViewNotify, 0);
}

TEST_F(Typing, EditCommands)
{
    MakeTypingView();
    // Undo with nothing to undo changes nothing.
    view->OnEditUndo();
    EXPECT_EQ(Text(body), "");
    // Select All on an empty part selects 0 to 0.
    view->OnEditSelectAll();
    EXPECT_EQ(body->m_nSelFirst, 0);
    EXPECT_EQ(body->m_nSelEnd, 0);
    Post("hello");
    PumpMessages();
    view->OnEditSelectAll();
    EXPECT_EQ(body->m_nSelFirst, 0);
    EXPECT_EQ(body->m_nSelEnd, 5);
    // The selection is a step of its own: the first Undo takes it back.
    EXPECT_EQ(UndoSteps(), 2);
    view->OnEditUndo();
    EXPECT_EQ(Text(body), "hello");
    view->OnEditUndo();
    EXPECT_EQ(Text(body), "");
    view->OnEditRedo();
    EXPECT_EQ(Text(body), "hello");
}

TEST_F(Typing, FindNextRepeatsTheNewestSearch)
{
    MakeTypingView();
    FndArr->Flush();
    Type(body, 0, "cat dog cat dog");
    Place(0);
    const int saved = Find_Replace_Status;
    Find_Replace_Status = 0;
    view->OnEditFindNext();
    EXPECT_EQ(body->m_nSelFirst, body->m_nSelEnd) << "before any search nothing happens";
    CWFndRpl first, second;
    first.SetText("cat");
    second.SetText("dog");
    AddNewFnd(first);
    AddNewFnd(second);
    Find_Replace_Status = 1;
    view->OnEditFindNext();
    EXPECT_EQ(body->m_nSelFirst, 4);
    EXPECT_EQ(body->m_nSelEnd, 7);
    view->OnEditFindNext();
    EXPECT_EQ(body->m_nSelFirst, 12);
    EXPECT_EQ(body->m_nSelEnd, 15);
    Find_Replace_Status = saved;
    FndArr->Flush();
}

TEST_F(Typing, GotoPage)
{
    MakeTypingView();
    MakePages(4);
    view->m_nPages = body->m_pages.count - 1;
    const struct
    {
        bool absolute;
        int n;
        long startPage, page;
    } cases[] = {{true, 1, 2, 0}, {true, 9, 0, 3}, {false, -5, 2, 0}, {false, 1, 1, 2}, {true, 0, 2, 2}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.n);
        Place(body->GetPageChar(c.startPage));
        view->GotoPage(c.absolute, c.n);
        EXPECT_EQ(body->GetCharPage(body->m_nCaret), c.page);
    }
}

TEST_F(Typing, EnterAtTheEndOfAListParagraphCarriesTheList)
{
    Type(body, 0, "one\rtwo");
    body->Select(4, 7);
    ASSERT_EQ(body->ApplyListStyle(6, 1, NULL, 0, 1), 1);
    body->UnSelect();
    MakeTypingView();
    const long end = body->m_chars.count - 3;
    Place(end);
    view->OnChar(13, 1, 0);
    const long caret = body->m_nCaret;
    EXPECT_NE(body->GetListField(caret - 1), nullptr) << "the new paragraph has its own label";
    EXPECT_EQ(body->m_chars[caret - 2], 13);
    EXPECT_EQ(caret, body->m_chars.count - 3) << "the caret sits after the new label";
    // Home on the list paragraph goes past its label.
    view->m_nCaretRow = body->GetCharRow(caret);
    Key(VK_END);
    Key(VK_HOME);
    EXPECT_EQ(body->m_nCaret, caret);
}

TEST_F(Typing, PageDownWalksHeadersAndFooters)
{
    MakeTypingView();
    MakePages(3);
    view->m_nPages = body->m_pages.count - 1;
    GPageInfo& setup = doc->m_pageInfos[0];
    setup.pageValues[1] = 1;
    const long header = doc->GetPageHeader(1), footer = doc->GetPageFooter(1);
    view->SetDocPart(header);
    ASSERT_EQ(view->CurPart(), header);
    view->m_nCaretPage = 1;
    Key(VK_NEXT);
    EXPECT_EQ(view->CurPart(), footer);
    EXPECT_EQ(view->m_nCaretPage, 1);
    Key(VK_NEXT);
    EXPECT_EQ(view->CurPart(), doc->GetPageHeader(2));
    EXPECT_EQ(view->m_nCaretPage, 2);
    Key(VK_NEXT);
    Key(VK_NEXT);
    EXPECT_EQ(view->CurPart(), doc->GetPageFooter(2)) << "the footer of the last page stays";
    Key(VK_PRIOR);
    EXPECT_EQ(view->CurPart(), doc->GetPageHeader(2));
    EXPECT_EQ(doc->m_nViewNotify, 0);
}

TEST_F(Typing, PageDownAtTheBottomGoesToTheLastPage)
{
    MakeTypingView();
    MakePages(5);
    view->m_nPages = body->m_pages.count - 1;
    Place(0);
    for (int i = 0; i < 40; ++i)
        Key(VK_NEXT);
    EXPECT_EQ(body->GetCharPage(body->m_nCaret), 4);
    Key(VK_PRIOR, VK_CONTROL);
    EXPECT_EQ(doc->m_nViewNotify, 0);
}

TEST_F(Typing, AShortcutKeyAppliesItsMasterStyleToTheWord)
{
    MakeTypingView();
    ASSERT_GT(doc->m_masterStyles.count, 1);
    const long style = doc->m_masterStyles.count - 1;
    doc->m_masterStyles[style].key = GKey('Q', GKey::kCtrl);
    Type(body, 0, "alpha beta");
    Place(7);
    MSG msg = {view->m_hWnd, WM_KEYDOWN, 'Q', 0, 0, {0, 0}};
    HoldKey(VK_CONTROL, true);
    const BOOL taken = view->PreTranslateMessage(&msg);
    HoldKey(VK_CONTROL, false);
    EXPECT_TRUE(taken) << "not passed on to the accelerators";
    // A character master styles the word, a paragraph master its paragraph.
    GFontStyle font;
    GParaStyle para;
    const Mint applied((short)style, 1);
    EXPECT_TRUE(body->CombineSameFStyles(6, 10, font) == applied || body->CombineSamePStyles(6, 10, para) == applied);
    msg.wParam = 'R';
    EXPECT_FALSE(view->PreTranslateMessage(&msg));
}

TEST_F(Typing, FindNextAfterASearchThatFoundNothingStartsAgain)
{
    MakeTypingView();
    FndArr->Flush();
    Type(body, 0, "one two");
    CWFndRpl request;
    request.SetText("two");
    request.position = -1;
    AddNewFnd(request);
    const int saved = Find_Replace_Status;
    Find_Replace_Status = 1;
    view->OnEditFindNext();
    EXPECT_EQ(body->m_nSelFirst, 4);
    EXPECT_EQ(body->m_nSelEnd, 7);
    Find_Replace_Status = saved;
    FndArr->Flush();
}

// Backspace in a footnote's text never takes the note-side mark at 0:
// at position 1 it does nothing, after it it takes the letter before.
TEST_F(Typing, BackspaceInAFootnoteKeepsItsMark)
{
    MakeTypingView();
    Type(body, 0, "Body text");
    GFootNote* mark = new GFootNote(body, 4, kMarkArabic);
    {
        CChangeBracket bracket(doc);
        body->InsertField(mark);
    }
    GDoc* note = mark->m_pNote;
    ASSERT_TRUE(note != NULL);
    ASSERT_GT(note->m_nIndex, 6);
    Type(note, 1, "note");
    doc->m_nCurPart = note->m_nIndex;
    const std::string before = Text(note);
    ASSERT_EQ(before.size(), 5u);
    {
        CChangeBracket bracket(doc);
        note->SetPos(1);
    }
    view->OnChar(8, 1, 0);
    EXPECT_EQ(Text(note), before);
    EXPECT_EQ(note->m_nCaret, 1);
    {
        CChangeBracket bracket(doc);
        note->SetPos(2);
    }
    view->OnChar(8, 1, 0);
    EXPECT_EQ(Text(note), before.substr(0, 1) + "ote");
    EXPECT_EQ(note->m_nCaret, 1);
    EXPECT_EQ(note->m_chars[0], before[0]);
    doc->m_nCurPart = kBodyFlow;
}

// Go To for fields counts every field but embedded objects, for objects
// only those; relative moves count from the caret, a field at the caret
// counting for going back but not for going on.
TEST_F(Typing, GotoFieldAndObject)
{
    MakeTypingView();
    Type(body, 0, "0123456789");
    // From the end, so that the positions before stay: pictures at 0, 4
    // and 8, objects at 2 and 6 of the text before.
    const long at[] = {8, 6, 4, 2, 0};
    for (long i = 0; i < 5; ++i)
    {
        CChangeBracket bracket(doc);
        GField* field = i % 2 ? (GField*)new GOle(body, at[i], NULL) : (GField*)new GImage(body, at[i], NULL);
        body->InsertField(field);
    }
    std::vector<long> pictures, objects;
    for (LONG i = 0; i < body->m_fields.count; ++i)
        (body->m_fields[i]->m_nKind == kFieldOle ? objects : pictures).push_back(body->m_fields[i]->m_nPos);
    ASSERT_EQ(pictures.size(), 3u);
    ASSERT_EQ(objects.size(), 2u);
    const long none = -1;
    const struct
    {
        const char* name;
        bool object, absolute;
        int n;
        long caret, target;
    } cases[] = {
        {"second picture", false, true, 2, 5, pictures[1]},
        {"past the last picture", false, true, 9, 5, none},
        {"absolute backwards", false, true, -1, 5, none},
        {"on from a picture at the caret", false, false, 1, pictures[0], pictures[1]},
        {"back from a picture at the caret", false, false, -1, pictures[1], pictures[0]},
        {"on from between", false, false, 1, pictures[1] + 1, pictures[2]},
        {"back from between", false, false, -1, pictures[1] + 1, pictures[1]},
        {"too far on", false, false, 5, 0, none},
        {"second object", true, true, 2, 0, objects[1]},
        {"back to an object", true, false, -1, pictures[2], objects[1]},
        {"on to an object", true, false, 1, objects[0], objects[1]},
        {"no object before", true, false, -1, objects[0], none},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        Place(c.caret);
        view->SetSelection((GOle*)NULL, 0);
        if (c.object)
            view->GotoObject(c.absolute, c.n);
        else
            view->GotoField(c.absolute, c.n);
        if (c.target == none)
        {
            EXPECT_EQ(body->m_nCaret, c.caret);
            EXPECT_EQ(body->m_nSelFirst, body->m_nSelEnd);
            EXPECT_TRUE(doc->m_pSelOle == NULL);
            continue;
        }
        EXPECT_EQ(body->m_nCaret, c.target);
        if (c.object)
        {
            EXPECT_EQ(body->m_nSelFirst, body->m_nSelEnd) << "no text selection";
            ASSERT_TRUE(doc->m_pSelOle != NULL);
            EXPECT_EQ(doc->m_pSelOle->m_nPos, c.target);
        }
        else
        {
            EXPECT_EQ(body->m_nSelFirst, c.target);
            EXPECT_EQ(body->m_nSelEnd, c.target + 1);
            EXPECT_TRUE(doc->m_pSelOle == NULL);
        }
    }
    view->SetSelection((GOle*)NULL, 0);
}

// The application's input character set against the text before the
// caret: a letter typed after text of another set takes the keyboard's
// set; after text in the keyboard's own set or the default set it takes
// the style before it unchanged.
TEST_F(Typing, ATypedLetterTakesTheKeyboardsCharacterSet)
{
    MakeTypingView();
    const unsigned char saved = App.m_nInputCharSet;
    const struct
    {
        const char* name;
        unsigned char textSet, inputSet, typedSet;
    } cases[] = {
        {"Western text, Cyrillic keyboard", ANSI_CHARSET, RUSSIAN_CHARSET, RUSSIAN_CHARSET},
        {"Cyrillic text, Western keyboard", RUSSIAN_CHARSET, ANSI_CHARSET, ANSI_CHARSET},
        {"the keyboard's own set", RUSSIAN_CHARSET, RUSSIAN_CHARSET, RUSSIAN_CHARSET},
        {"Greek text, Cyrillic keyboard", GREEK_CHARSET, RUSSIAN_CHARSET, RUSSIAN_CHARSET},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        {
            CChangeBracket bracket(doc);
            body->DeleteText(0, body->m_chars.count - 3, 1);
        }
        Type(body, 0, "abc");
        {
            CChangeBracket bracket(doc);
            GFontStyle set;
            set.SetCharSet(c.textSet);
            body->SetFontStyle(0, 3, set, 1);
        }
        Place(3);
        App.m_nInputCharSet = c.inputSet;
        view->OnChar('x', 1, 0);
        EXPECT_EQ(Text(body), "abcx");
        EXPECT_EQ(body->GetCharFStylePtr(3)->GetCharSet(), c.typedSet);
        EXPECT_EQ(body->GetCharFStylePtr(2)->GetCharSet(), c.textSet);
    }
    App.m_nInputCharSet = saved;
}

// Switching the keyboard's language: the set is kept by the application
// and the next letter takes it, even where the text before the caret is in
// the default set; a switch to the set in force changes nothing.
TEST_F(Typing, AKeyboardSwitchGivesTheNextLetterTheNewSet)
{
    MakeTypingView();
    const unsigned char saved = App.m_nInputCharSet;
    App.m_nInputCharSet = ANSI_CHARSET;
    Type(body, 0, "abc");
    Place(3);
    EXPECT_EQ(::SendMessageA(view->m_hWnd, WM_INPUTLANGCHANGE, RUSSIAN_CHARSET, 0), 1);
    EXPECT_EQ(App.m_nInputCharSet, RUSSIAN_CHARSET);
    EXPECT_TRUE(GetDocEditing(doc).bPendingStyle);
    view->OnChar('x', 1, 0);
    EXPECT_EQ(body->GetCharFStylePtr(3)->GetCharSet(), RUSSIAN_CHARSET);

    GetDocEditing(doc).bPendingStyle = FALSE;
    EXPECT_EQ(::SendMessageA(view->m_hWnd, WM_INPUTLANGCHANGE, RUSSIAN_CHARSET, 0), 1);
    EXPECT_FALSE(GetDocEditing(doc).bPendingStyle);
    App.m_nInputCharSet = saved;
}

// The keyboard switched while another window had the focus: the view reads
// its set when it gets the focus back and the next letter takes it.
TEST_F(Typing, GainingTheFocusFollowsAKeyboardSwitchMadeElsewhere)
{
    MakeTypingView();
    const unsigned char saved = App.m_nInputCharSet;
    InitInputCharSet();
    const unsigned char keyboard = App.m_nInputCharSet;
    const unsigned char other = keyboard == RUSSIAN_CHARSET ? GREEK_CHARSET : RUSSIAN_CHARSET;
    Type(body, 0, "abc");
    Place(3);
    App.m_nInputCharSet = other;
    GetDocEditing(doc).bPendingStyle = FALSE;
    ::SendMessageA(view->m_hWnd, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(App.m_nInputCharSet, keyboard);
    EXPECT_TRUE(GetDocEditing(doc).bPendingStyle);
    view->OnChar('x', 1, 0);
    EXPECT_EQ(body->GetCharFStylePtr(3)->GetCharSet(), keyboard);

    // Unchanged, the focus arms nothing.
    GetDocEditing(doc).bPendingStyle = FALSE;
    ::SendMessageA(view->m_hWnd, WM_SETFOCUS, 0, 0);
    EXPECT_FALSE(GetDocEditing(doc).bPendingStyle);
    App.m_nInputCharSet = saved;
}

class SystemTyping : public Typing
{
protected:
    static void Press(WORD key, bool up)
    {
        INPUT input;
        memset(&input, 0, sizeof(input));
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ::SendInput(1, &input, sizeof(input));
    }
    static void Tap(WORD key, WORD modifier = 0)
    {
        if (modifier)
            Press(modifier, false);
        Press(key, false);
        Press(key, true);
        if (modifier)
            Press(modifier, true);
    }
    static void TypeKeys(const std::string& letters)
    {
        for (char c : letters)
        {
            const SHORT scan = ::VkKeyScanA(c);
            const bool shifted = (scan >> 8) & 1;
            Tap((WORD)(scan & 0xFF), shifted ? VK_SHIFT : 0);
        }
    }
};

// Keys typed through the system's input pass TranslateMessage as a user's
// do; the whole burst is queued before the view sees its first character.
TEST_F(SystemTyping, ParagraphsWithTabBackspaceAnArrowAndAPageBreak)
{
    MakeView(kClientWidth, kClientHeight, true);
    doc->m_bUndoEnabled = TRUE;
    parent->SetForegroundWindow();
    view->SetFocus();
    PumpMessages();
    if (::GetFocus() != view->m_hWnd)
        GTEST_SKIP() << "the view did not get the keyboard focus";
    TypeKeys("Dear Sir");
    Tap(VK_RETURN);
    Tap(VK_TAB);
    TypeKeys("thanks x");
    Tap(VK_BACK);
    TypeKeys("yu");
    Tap(VK_LEFT);
    TypeKeys("o");
    Tap(VK_END);
    Tap(VK_RETURN, VK_CONTROL);
    TypeKeys("Next");
    PumpMessages();
    EXPECT_EQ(Text(body), "Dear Sir\r\tthanks you\r\fNext");
    EXPECT_EQ(body->m_nCaret, (long)Text(body).size());
    EXPECT_EQ(body->m_pages.count - 1, 2);
    EXPECT_EQ(view->m_nPages, 2);
    EXPECT_EQ(doc->m_nViewNotify, 0);
    // Ctrl+Z takes back the last step, F4 puts it back.
    const std::string full = Text(body);
    view->OnEditUndo();
    EXPECT_NE(Text(body), full);
    view->OnEditRedo();
    EXPECT_EQ(Text(body), full);
}

} // namespace
