// Change case of the selection's letters, as one undo step of replaced
// characters. Letters, words and case follow the ANSI code page.
#include "model/GDoc.h"
#include "document/CWDocument.h"
#include "resources/resource.h"
#include "editing/CWOpText.h"
#include "editing/ansi_letters.h"
#include "editing/undo_group.h"
#include <algorithm>
#include <string>

namespace
{
enum CaseMode : unsigned char
{
    kSentence = 0,
    kLower = 1,
    kUpper = 2,
    kTitle = 3,
    kToggle = 4
};

bool IsWordChar(char c)
{
    return IsAnsiLetterOrDigit(c) || c == '\'';
}

bool IsSentenceEnd(char c)
{
    return c == '.' || c == '!' || c == '?';
}

// The text of a flow up to its final paragraph end, changed in a copy;
// words and sentences are read on it.
class CaseText
{
public:
    explicit CaseText(const GDoc& flow)
        : m_text((const char*)flow.m_chars.GetData(), flow.m_chars.count - 3), m_original(m_text)
    {
    }

    long End() const { return (long)m_text.size(); }
    char& operator[](long p) { return m_text[p]; }
    const std::string& Text() const { return m_text; }

    // The first word that begins at or after pos (a word begun before pos
    // is passed over): [s, e), false when none.
    bool NextWord(long pos, long& s, long& e) const
    {
        const long end = End();
        if (pos > 0 && pos < end && IsWordChar(m_text[pos]) && IsWordChar(m_text[pos - 1]))
            while (pos < end && IsWordChar(m_text[pos]))
                ++pos;
        while (pos < end && !IsWordChar(m_text[pos]))
            ++pos;
        if (pos >= end)
            return false;
        s = e = pos;
        while (e < end && IsWordChar(m_text[e]))
            ++e;
        return true;
    }

    // The sentence around pos: from its first letter to after its closing
    // full stop, exclamation or question mark. False when no letter
    // follows, or the sentence is not closed before the end of the text.
    bool Sentence(long pos, long& s, long& e) const
    {
        const long end = End();
        long p = std::min(std::max(pos, 0L), end);
        while (p > 0 && (p >= end || !IsSentenceEnd(m_text[p])))
            --p;
        while (p < end && !IsAnsiLetter(m_text[p]))
            ++p;
        if (p >= end)
            return false;
        s = p;
        while (p < end && !IsSentenceEnd(m_text[p]))
            ++p;
        if (p >= end)
            return false;
        e = p + 1;
        return true;
    }

    // Written all in capitals (an abbreviation), as the text stood before
    // this change.
    bool IsWordUpper(long s, long e) const
    {
        for (long p = s; p < e; ++p)
            if (IsAnsiLower(m_original[p]))
                return false;
        return true;
    }

    void Raise(long p) { m_text[p] = AnsiUpper(m_text[p]); }
    void Lower(long p) { m_text[p] = AnsiLower(m_text[p]); }
    void LowerAfterFirst(long s, long e)
    {
        for (long p = s + 1; p < e; ++p)
            Lower(p);
    }
    void RaiseFirstLetter(long s, long e)
    {
        for (long p = s; p < e; ++p)
            if (IsAnsiLetter(m_text[p]))
            {
                Raise(p);
                return;
            }
    }

private:
    std::string m_text;
    const std::string m_original;
};

void SentenceCase(CaseText& text, long s, long e)
{
    for (long pos = s; pos < e;)
    {
        long ss = 0, se = 0;
        if (!text.Sentence(pos, ss, se) || ss >= e)
            return;
        if (ss >= s)
        {
            text.Raise(ss);
            const long limit = std::min(se, e);
            long ws = 0, we = 0;
            for (long at = ss; text.NextWord(at, ws, we) && ws < limit; at = we)
                if (!text.IsWordUpper(ws, we))
                    text.LowerAfterFirst(ws, we);
        }
        if (se <= pos)
            return;
        pos = se;
    }
}

void TitleCase(CaseText& text, long s, long e)
{
    long ws = 0, we = 0;
    for (long at = s; text.NextWord(at, ws, we) && ws < e; at = we)
        if (!text.IsWordUpper(ws, we))
        {
            text.RaiseFirstLetter(ws, we);
            text.LowerAfterFirst(ws, we);
        }
}
} // namespace

void GDoc::ChangeCase(unsigned char mode)
{
    if (mode > kToggle)
        return;
    long s = 0, e = 0;
    if (mode == kToggle)
        GetSelectionW(s, e);
    else
    {
        s = std::min(m_nSelFirst, m_nSelEnd);
        e = std::max(m_nSelFirst, m_nSelEnd);
    }
    CaseText text(*this);
    s = std::max(s, 0L);
    e = std::min(e, text.End());
    if (s >= e)
        return;

    switch (mode)
    {
    case kSentence:
        SentenceCase(text, s, e);
        break;
    case kLower:
        for (long p = s; p < e; ++p)
            if (IsAnsiUpper(text[p]))
                text.Lower(p);
        break;
    case kUpper:
        for (long p = s; p < e; ++p)
            if (IsAnsiLower(text[p]))
                text.Raise(p);
        break;
    case kTitle:
        TitleCase(text, s, e);
        break;
    case kToggle:
        for (long p = s; p < e; ++p)
            if (IsAnsiLower(text[p]))
                text.Raise(p);
            else if (IsAnsiUpper(text[p]))
                text.Lower(p);
        break;
    }

    long first = -1, last = -1;
    for (long p = 0; p < text.End(); ++p)
        if ((char)m_chars[p] != text[p])
        {
            if (first < 0)
                first = p;
            last = p;
        }
    if (first < 0)
        return;

    CChangeBracket bracket(m_pOwner);
    CUndoGroup group(this, IDS_OP_REPLACE_TEXT);
    for (long p = first; p <= last; ++p)
    {
        if ((char)m_chars[p] == text[p])
            continue;
        if (UndoEnabled(this))
        {
            CString changed(text[p], 1);
            CString old((char)m_chars[p], 1);
            RecordOperation(this, new CWOpReplaceText(this, p, &changed, &old));
        }
        m_chars[p] = GChar((BYTE)text[p]);
    }
    m_redraw.InvalByPos(first, last + 1);
    ReRowByPos(first, last + 1, kWholeParagraph);
    Notify(1);
    MarkModified(this);
}
