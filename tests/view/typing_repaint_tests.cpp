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
        ::HideCaret(view->m_hWnd);
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
        ::HideCaret(view->m_hWnd);
        CRect pending;
        const bool leftToPaint = ::GetUpdateRect(view->m_hWnd, &pending, FALSE) != 0;
        if (inPlace)
            EXPECT_FALSE(leftToPaint) << "a full repaint was asked for";
        view->UpdateWindow();
        ::HideCaret(view->m_hWnd);
        const std::vector<DWORD> shown = WindowPixels(view);
        FullPaint();
        CRect client, box;
        view->GetClientRect(&client);
        EXPECT_EQ(Differences(shown, WindowPixels(view), client.Width(), &box), 0)
            << "differing pixels within " << RectText(box) << (leftToPaint ? ", painted whole" : ", painted in place");
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
    Place(body->GetParaChar(3) + 2);
    ::DestroyCaret();   // the picture was taken without it
    view->SetCaret(0);
    for (char c : std::string("abc\bd"))
    {
        SCOPED_TRACE(c);
        Char(c);
        GUITHREADINFO info;
        memset(&info, 0, sizeof(info));
        info.cbSize = sizeof(info);
        ASSERT_TRUE(::GetGUIThreadInfo(::GetCurrentThreadId(), &info));
        ASSERT_EQ(info.hwndCaret, view->m_hWnd);
        CRect client;
        view->GetClientRect(&client);
        const std::vector<DWORD> shown = WindowPixels(view);
        long dark = 0;
        for (int y = info.rcCaret.top; y < info.rcCaret.bottom; ++y)
            for (int x = info.rcCaret.left; x < info.rcCaret.right; ++x)
            {
                const DWORD p = shown[(size_t)y * client.Width() + x];
                dark += (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 3 * 128;
            }
        EXPECT_GT(dark, (info.rcCaret.bottom - info.rcCaret.top) / 2) << "no caret at " << RectText(info.rcCaret);
    }
}

// The caret is kept between keys and moved; a change of its size (Insert
// turns the thin caret into a character's) makes it anew, a selection
// takes it away and a move brings it back.
TEST_F(KeyRepaint, TheCaretFollowsItsSizeAndTheSelection)
{
    if (!FocusView())
        GTEST_SKIP() << "the view did not get the keyboard focus";
    Place(body->GetParaChar(3) + 2);
    ::DestroyCaret();
    view->SetCaret(0);
    auto caret = [&] {
        GUITHREADINFO info;
        memset(&info, 0, sizeof(info));
        info.cbSize = sizeof(info);
        EXPECT_TRUE(::GetGUIThreadInfo(::GetCurrentThreadId(), &info));
        return info;
    };
    const GUITHREADINFO thin = caret();
    ASSERT_EQ(thin.hwndCaret, view->m_hWnd);
    Char('a');
    const GUITHREADINFO moved = caret();
    EXPECT_EQ(moved.hwndCaret, view->m_hWnd);
    EXPECT_GT(moved.rcCaret.left, thin.rcCaret.left);
    EXPECT_EQ(moved.rcCaret.right - moved.rcCaret.left, thin.rcCaret.right - thin.rcCaret.left);

    Key(VK_INSERT);
    const GUITHREADINFO wide = caret();
    EXPECT_EQ(wide.hwndCaret, view->m_hWnd);
    EXPECT_NE(wide.rcCaret.right - wide.rcCaret.left, thin.rcCaret.right - thin.rcCaret.left);
    Key(VK_INSERT);
    const GUITHREADINFO back = caret();
    EXPECT_EQ(back.rcCaret.right - back.rcCaret.left, thin.rcCaret.right - thin.rcCaret.left);

    Key(VK_RIGHT, VK_SHIFT);
    EXPECT_EQ(caret().hwndCaret, (HWND)NULL) << "a selection shows no caret";
    Key(VK_RIGHT);
    EXPECT_EQ(caret().hwndCaret, view->m_hWnd);

    // A caret the view hid and then lost, to another window or to nothing,
    // comes back as the view's own, at its size.
    const std::function<void()> losses[] = {
        [&] { ::CreateCaret(parent->m_hWnd, NULL, 7, 7); },
        [&] { ::DestroyCaret(); },
    };
    for (const auto& lose : losses)
    {
        view->HideCaret();
        lose();
        view->SetCaret(0);
        const GUITHREADINFO again = caret();
        EXPECT_EQ(again.hwndCaret, view->m_hWnd);
        EXPECT_EQ(again.rcCaret.right - again.rcCaret.left, thin.rcCaret.right - thin.rcCaret.left);
        EXPECT_EQ(again.rcCaret.bottom - again.rcCaret.top, thin.rcCaret.bottom - thin.rcCaret.top);
    }
}

} // namespace
