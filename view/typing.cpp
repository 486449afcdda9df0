// Typing: characters become edits of the flow being edited. A burst of
// queued characters is gathered into one insertion (one undo step, one
// re-break, one repaint).
#include "view/CWView.h"
#include "app/CWApp.h"
#include "document/CWDocument.h"
#include "editing/CWOpText.h"
#include "editing/document_editing.h"
#include "editing/editing_support.h"
#include "model/GField.h"
#include "model/GFontStyle.h"
#include "model/GImage.h"
#include "model/GOle.h"
#include "layout/CFrame.h"
#include <algorithm>
#include <cstring>

extern int bInsertOnlyNewLine;

#ifndef TCI_SRCLOCALE
#define TCI_SRCLOCALE 0x1000
#endif

namespace {

const unsigned char kBackspace = 8;
const unsigned char kTabCode = 9;
const unsigned char kEnter = 13;
const unsigned char kPageEndCode = 12;
const unsigned char kFirstPrintable = 32;
const unsigned char kRecomputeCharSet = 255;
// The gathering buffer holds this many characters and its terminating zero.
const int kBatchBuffer = 128;
const long kLastHeaderFooterFlow = 6;

// The character set of the keyboard's input language.
unsigned char KeyboardCharSet()
{
    const LANGID language = LOWORD((DWORD_PTR)::GetKeyboardLayout(0));
    CHARSETINFO info;
    memset(&info, 0, sizeof(info));
    if (::TranslateCharsetInfo((DWORD*)(DWORD_PTR)MAKELCID(language, SORT_DEFAULT), &info, TCI_SRCLOCALE))
        return (unsigned char)info.ciCharset;
    return ANSI_CHARSET;
}

// A footnote's text flow: its note mark at 0 stays.
bool IsFootnoteFlow(const GDoc& flow)
{
    return flow.m_nIndex > kLastHeaderFooterFlow && flow.m_pFirstFrame && !flow.m_pFirstFrame->anchor;
}

bool IsModifierKey(WPARAM key)
{
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_CAPITAL || key == VK_LSHIFT ||
           key == VK_RSHIFT || key == VK_LCONTROL || key == VK_RCONTROL;
}

// A key-down that yields a character to type: not a control chord, and
// the key maps to a character.
bool KeyTypesText(WPARAM key)
{
    if (CWView::Ctrl() || CWView::Alt())
        return false;
    return ::MapVirtualKeyA((UINT)key, MAPVK_VK_TO_CHAR) != 0;
}

} // namespace

void InitInputCharSet()
{
    App.m_nInputCharSet = KeyboardCharSet();
}

// The pending style becomes style in the input character set; its font is
// made for that set.
static void ArmInputStyle(CWDocument* doc, GFontStyle style, unsigned char charset)
{
    style.SetCharSet(charset);
    CWDocEditing& editing = GetDocEditing(doc);
    editing.pendingStyle = style;
    editing.pendingStyle.CreateFontA(kRecomputeCharSet);
    editing.bPendingStyle = TRUE;
}

void CWView::CheckInputCharSet(GDoc* flow)
{
    const unsigned char input = App.m_nInputCharSet;
    const long caret = flow->m_nCaret;
    const long before = caret > 0 ? caret - 1 : 0;
    GFontStyle style;
    flow->CombineSameFStyles(before, before + 1, style);
    const unsigned char charset = style.GetCharSet();
    // Text in the default set is shown in the keyboard's: typing after it
    // needs no style of its own.
    if (charset == GFontStyle::kDefaultCharSet || charset == input)
        return;
    ArmInputStyle(m_pDoc, style, input);
}

LRESULT CWView::OnInputLanguageChange(WPARAM charset, LPARAM)
{
    const unsigned char input = (unsigned char)charset;
    if (App.m_nInputCharSet == input)
        return 1;
    App.m_nInputCharSet = input;
    GDoc* flow = DocC();
    if (!flow || !m_pDoc)
        return 1;
    long from = 0, to = 0;
    flow->GetSelectionW(from, to);
    GFontStyle style;
    flow->CombineSameFStyles(from, to, style);
    ArmInputStyle(m_pDoc, style, input);
    return 1;
}

void CWView::FollowKeyboardCharSet()
{
    OnInputLanguageChange(KeyboardCharSet(), 0);
}

void CWView::OnChar(UINT code, UINT, UINT)
{
    GDoc* flow = DocC();
    if (!flow || !m_pDoc)
        return;
    const unsigned char ch = (unsigned char)(code & 0xFF);
    const long pages = flow->m_pages.count, rows = flow->m_rows.count;
    CheckInputCharSet(flow);
    if (m_pDoc->IsOLEObjectSelected() || m_pDoc->m_pSelOle)
        SetSelection((GOle*)NULL, 0);
    SetSelection((GImage*)NULL, 0);
    if (ch < kFirstPrintable && ch != kEnter && ch != kTabCode && ch != kBackspace)
        return;
    m_pDoc->ViewNotify(0);
    m_caretPoint = CPoint(-1, -1);
    bool selectionTyped = false;
    if (flow->m_nSelFirst != flow->m_nSelEnd)
    {
        const long start = flow->m_nSelFirst;
        flow->DeleteText(start, flow->m_nSelEnd, 1);
        flow->SetPos(std::min(start, (long)flow->m_chars.count - 3));
        m_nCaretRow = flow->GetCharRow(flow->m_nCaret);
        flow->UnSelect();
        GetDocEditing(m_pDoc).bPendingStyle = TRUE;
        selectionTyped = true;
    }
    if (ch == kTabCode || ch == kEnter)
    {
        const long caret = flow->m_nCaret;
        if (ch == kEnter)
            bInsertOnlyNewLine = 1;
        if (m_pDoc->m_bUndoEnabled)
        {
            const char one[2] = {(char)ch, 0};
            RecordOperation(flow, new CWOpInsertText(flow, caret, one));
        }
        flow->InsertChar(caret, (char)ch, 1);
        long next = flow->m_nCaret + 1;
        if (ch == kEnter)
        {
            const long paraStart = flow->GetParaChar(flow->GetCharPara(flow->m_nCaret));
            const long field = paraStart < flow->m_chars.count && flow->m_chars[paraStart] == kFieldMark
                                   ? flow->GetCharField(paraStart)
                                   : -1;
            if (field >= 0 && flow->m_fields[field]->m_nKind == kFieldList)
                next = flow->m_nCaret;
        }
        MoveCaret(next);
        bInsertOnlyNewLine = 0;
    }
    else if (ch == kBackspace)
    {
        // With a selection the key has done its work: it removed the text
        // the user chose, and nothing more.
        const long caret = flow->m_nCaret;
        if (!selectionTyped && caret > 0)
        {
            long from = caret - 1;
            if (IsFootnoteFlow(*flow))
                from = std::max(from, 1L);
            if (from > 0 && from < caret && flow->m_chars[from] == kPageEndCode)
                --from;
            if (from < caret)
            {
                flow->DeleteText(from, caret, 1);
                flow->SetPos(std::min(from, (long)flow->m_chars.count - 3));
            }
        }
    }
    else if (Ins() || selectionTyped)
    {
        // Over a selection, overwrite mode too puts the character in the
        // selection's place rather than over the character after it.
        MSG pending;
        const bool hasPending = GatherAndInsert(flow, ch, pending);
        if (hasPending)
        {
            if (pending.message == WM_CHAR)
                ::DispatchMessageA(&pending);
            else
                PassKeyOn(pending);
        }
    }
    else
    {
        const long caret = flow->m_nCaret;
        flow->ReplaceChar(caret, (char)ch);
        flow->SetPos(caret + 1);
    }
    if (flow->m_pages.count != pages)
    {
        m_nPages = flow->m_pages.count - 1;
        UpdateScroller(0);
        ScrollToCaret();
    }
    else if (flow->m_rows.count != rows)
    {
        ScrollToCaret();
        InvalidateView();
    }
    m_pDoc->ViewNotify(1);
    SetCaret(0);
}

bool CWView::GatherAndInsert(GDoc* flow, unsigned char first, MSG& pending)
{
    char text[kBatchBuffer];
    memset(text, 0, sizeof(text));
    int length = 0;
    text[length++] = (char)first;
    bool hasPending = false;
    const HWND window = m_hWnd;
    MSG msg;
    while (window && length < kBatchBuffer - 1 && ::PeekMessageA(&msg, window, WM_KEYDOWN, WM_CHAR, PM_REMOVE))
    {
        if (msg.message == WM_CHAR)
        {
            const unsigned char c = (unsigned char)(msg.wParam & 0xFF);
            if (c >= kFirstPrintable)
            {
                text[length++] = (char)c;
                continue;
            }
            pending = msg;
            hasPending = true;
            break;
        }
        if (msg.message == WM_KEYDOWN && !IsModifierKey(msg.wParam) && !KeyTypesText(msg.wParam))
        {
            // A command key ends the batch and runs after the text is in,
            // where the user pressed it.
            pending = msg;
            hasPending = true;
            break;
        }
        ::TranslateMessage(&msg);
    }
    const long caret = flow->m_nCaret;
    flow->InsertText(caret, text, 1);
    flow->SetPos(flow->m_nCaret + length);
    return hasPending;
}

void CWView::PassKeyOn(MSG& msg)
{
    CWinApp* app = AfxGetApp();
    if (app && app->PreTranslateMessage(&msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}
