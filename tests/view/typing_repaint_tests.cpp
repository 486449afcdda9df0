// Keys in a shown view repaint what they changed straight onto the window:
// the picture they leave must be the picture a full repaint makes, and a
// plain keystroke must leave nothing for a full repaint to do.
#include "tests/view/view_window.h"
#include "tests/view/view_keys.h"
#include "tests/support/dib_canvas.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// The view's client pixels as the window shows them now.
std::vector<DWORD> WindowPixels(CWView* view)
{
    CRect client;
    view->GetClientRect(&client);
    DibCanvas canvas(client.Width(), client.Height());
    HDC from = ::GetDC(view->m_hWnd);
    ::BitBlt(canvas.dc.m_hDC, 0, 0, client.Width(), client.Height(), from, 0, 0, SRCCOPY);
    ::ReleaseDC(view->m_hWnd, from);
    return canvas.Snapshot();
}

// How many pixels of two pictures differ, and where.
long Differences(const std::vector<DWORD>& a, const std::vector<DWORD>& b, int width, CRect* box = NULL)
{
    if (a.size() != b.size())
        return -1;
    long n = 0;
    CRect where(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
        {
            ++n;
            const int x = (int)(i % width), y = (int)(i / width);
            where.left = std::min(where.left, (LONG)x);
            where.top = std::min(where.top, (LONG)y);
            where.right = std::max(where.right, (LONG)x + 1);
            where.bottom = std::max(where.bottom, (LONG)y + 1);
        }
    if (box)
        *box = where;
    return n;
}

class KeyRepaint : public ViewWindowFixture
{
protected:
    void SetUp() override
    {
        ViewWindowFixture::SetUp();
        if (IsSkipped())
            return;
        MakeView(kClientWidth, kClientHeight, true);
        std::string text;
        for (int p = 0; p < 3; ++p)
            text += "A paragraph long enough to fill a few rows of the page, so that a word typed into it "
                    "moves the words after it along and over to the next row of the same paragraph.\r";
        text += "Short one\rAnd the last";
        Type(body, 0, text);
        FullPaint();
    }

    // Keys go to the window with the focus: true when the view has it.
    bool FocusView()
    {
        parent->SetForegroundWindow();
        view->SetFocus();
        PumpMessages();
        return ::GetFocus() == view->m_hWnd;
    }

    void FullPaint()
    {
        view->InvalidateView();
        view->UpdateWindow();
        view->HideCaret();
    }

    void Place(long pos)
    {
        {
            CChangeBracket bracket(doc);
            body->UnSelect();
            body->SetPos(pos);
        }
        view->m_nCaretRow = body->GetCharRow(pos);
        FullPaint();
    }

    // Runs the action, then compares what the window shows with a full
    // repaint. inPlace: the action must have left nothing to paint later.
    void Check(const char* name, const std::function<void()>& action, bool inPlace)
    {
        SCOPED_TRACE(name);
        action();
        view->HideCaret();
        CRect pending;
        const bool leftToPaint = ::GetUpdateRect(view->m_hWnd, &pending, FALSE) != 0;
        if (inPlace)
        {
            EXPECT_FALSE(leftToPaint) << "a full repaint was asked for";
        }
        view->UpdateWindow();
        view->HideCaret();
        const std::vector<DWORD> shown = WindowPixels(view);
        FullPaint();
        CRect client, box;
        view->GetClientRect(&client);
        EXPECT_EQ(Differences(shown, WindowPixels(view), client.Width(), &box), 0)
            << "differing pixels within " << RectText(box) << (leftToPaint ? ", painted whole" : ", painted in place");
    }

    // The caret placed in the short paragraph of a freshly painted view;
    // without, when asked, the picture before it was drawn.
    CRect ShowCaret(std::vector<DWORD>* without = NULL)
    {
        Place(body->GetParaChar(3) + 2);
        if (without)
            *without = WindowPixels(view);
        view->SetCaret(0);
        return view->ShownCaretRect();
    }

    void Char(char c) { view->OnChar((unsigned char)c, 1, 0); }
    void Key(UINT key, int modifier = 0) { PressOn(view, key, modifier); }
};

TEST_F(KeyRepaint, KeysShowWhatAFullRepaintShows)
{
    const long middle = body->GetParaChar(1) + 20;
    Place(middle);
    Check("a letter inside a row", [&] { Char('x'); }, true);
    Check("a second letter", [&] { Char('y'); }, true);
    Check("a space that lets a word move on", [&] { Char(' '); }, true);
    Check("Backspace", [&] { Char(8); }, true);
    Check("a word that pushes words over to the next row", [&] {
        for (char c : std::string("pushing"))
            Char(c);
    }, false);
    Check("Backspace taking the word back", [&] {
        for (int i = 0; i < 7; ++i)
            Char(8);
    }, false);
    Check("Shift+Right selects", [&] { Key(VK_RIGHT, VK_SHIFT); }, true);
    Check("Shift+Right again", [&] { Key(VK_RIGHT, VK_SHIFT); }, true);
    Check("Shift+Left takes one back", [&] { Key(VK_LEFT, VK_SHIFT); }, true);
    Check("a letter over the selection", [&] { Char('z'); }, false);
    Check("Right moves the caret", [&] { Key(VK_RIGHT); }, true);
    Check("Enter splits the paragraph", [&] { Char(13); }, false);
    Check("Backspace joins it again", [&] { Char(8); }, false);
    const long shortOne = body->GetParaChar(3) + 5;
    Place(shortOne);
    Check("a letter in a one-row paragraph", [&] { Char('q'); }, true);
    Check("Tab", [&] { Char(9); }, false);
    Check("Delete", [&] { Key(VK_DELETE); }, false);
}

// After each key of a burst the caret shows at its new place, drawn over
// the row just painted in place: the repaint hides it, and nothing may
// leave it hidden.
TEST_F(KeyRepaint, TheCaretShowsAfterEveryKey)
{
    if (!FocusView())
        GTEST_SKIP() << "the view did not get the keyboard focus";
    ASSERT_FALSE(ShowCaret().IsRectEmpty());
    for (char c : std::string("abc\bd"))
    {
        SCOPED_TRACE(c);
        Char(c);
        const CRect caret = view->ShownCaretRect();
        ASSERT_FALSE(caret.IsRectEmpty());
        CRect client;
        view->GetClientRect(&client);
        const std::vector<DWORD> shown = WindowPixels(view);
        long dark = 0;
        for (int y = caret.top; y < caret.bottom; ++y)
            for (int x = caret.left; x < caret.right; ++x)
            {
                const DWORD p = shown[(size_t)y * client.Width() + x];
                dark += (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 3 * 128;
            }
        EXPECT_GT(dark, caret.Height() / 2) << "no caret at " << RectText(caret);
    }
}

// The caret is moved with its place; Insert turns the thin caret into a
// character's and back, a selection takes it away and a move brings it
// back. Losing the keyboard takes it off the window and leaves the picture
// as it was without it.
TEST_F(KeyRepaint, TheCaretFollowsItsSizeAndTheSelection)
{
    if (!FocusView())
        GTEST_SKIP() << "the view did not get the keyboard focus";
    std::vector<DWORD> without;
    const CRect thin = ShowCaret(&without);
    ASSERT_FALSE(thin.IsRectEmpty());
    EXPECT_NE(WindowPixels(view), without);
    Char('a');
    const CRect moved = view->ShownCaretRect();
    EXPECT_GT(moved.left, thin.left);
    EXPECT_EQ(moved.Size(), thin.Size());

    Key(VK_INSERT);
    const CRect wide = view->ShownCaretRect();
    EXPECT_NE(wide.Width(), thin.Width());
    Key(VK_INSERT);
    EXPECT_EQ(view->ShownCaretRect().Size(), thin.Size());

    Key(VK_RIGHT, VK_SHIFT);
    EXPECT_TRUE(view->ShownCaretRect().IsRectEmpty()) << "a selection shows no caret";
    Key(VK_RIGHT);
    EXPECT_FALSE(view->ShownCaretRect().IsRectEmpty());

    const CRect before = view->ShownCaretRect();
    view->HideCaret();
    const std::vector<DWORD> bare = WindowPixels(view);
    view->SetCaret(0);
    parent->SetFocus();
    PumpMessages();
    EXPECT_TRUE(view->ShownCaretRect().IsRectEmpty()) << "a view without the keyboard shows no caret";
    EXPECT_EQ(Differences(WindowPixels(view), bare, kClientWidth), 0) << "the caret left a trace";
    view->SetCaret(0);
    EXPECT_TRUE(view->ShownCaretRect().IsRectEmpty());
    ASSERT_TRUE(FocusView());
    EXPECT_EQ(view->ShownCaretRect(), before) << "the keyboard back brings the caret back";
}

// The caret blinks on the view's timer, but holds still while keys come;
// blinking leaves exactly the picture without it, and a paint of part of
// the window, over half the caret, leaves it whole.
TEST_F(KeyRepaint, TheCaretBlinksAndSurvivesAPaintOverPartOfIt)
{
    if (!FocusView())
        GTEST_SKIP() << "the view did not get the keyboard focus";
    std::vector<DWORD> without;
    const CRect caret = ShowCaret(&without);
    ASSERT_FALSE(caret.IsRectEmpty());
    const std::vector<DWORD> with = WindowPixels(view);

    view->m_caretBlink = 500;
    view->OnCaretTimer();
    EXPECT_EQ(view->ShownCaretRect(), caret) << "a caret just placed holds still";
    view->m_caretPlacedAt -= 1000;
    view->OnCaretTimer();
    EXPECT_TRUE(view->ShownCaretRect().IsRectEmpty());
    EXPECT_EQ(Differences(WindowPixels(view), without, kClientWidth), 0) << "blinking off left a trace";
    view->OnCaretTimer();
    EXPECT_EQ(view->ShownCaretRect(), caret);
    EXPECT_EQ(Differences(WindowPixels(view), with, kClientWidth), 0);

    CRect half = caret;
    half.bottom = caret.top + caret.Height() / 2;
    half.left -= 20;
    half.right += 20;
    view->InvalidateRect(&half, FALSE);
    view->UpdateWindow();
    EXPECT_EQ(view->ShownCaretRect(), caret);
    EXPECT_EQ(Differences(WindowPixels(view), with, kClientWidth), 0) << "a paint over half the caret";
    view->HideCaret();
    EXPECT_EQ(Differences(WindowPixels(view), without, kClientWidth), 0);
}

} // namespace
