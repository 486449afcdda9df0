// The selection a command applies to, and the words and sentences around a
// position; used by editing commands and the views.
#include "model/GDoc.h"
#include <ctype.h>

namespace
{
bool IsCharWord(BYTE c)
{
    return isalpha(c) || isdigit(c) || c == '\'';
}

bool IsSentenceEnd(BYTE c)
{
    return c == '.' || c == '!' || c == '?';
}
} // namespace

void GDoc::GetSelectionC(long& s, long& e)
{
    if (m_nSelFirst != m_nSelEnd)
    {
        s = m_nSelFirst;
        e = m_nSelEnd;
    }
    else
        s = e = m_nCaret;
}

void GDoc::GetSelectionW(long& s, long& e)
{
    if (m_nSelFirst != m_nSelEnd)
    {
        s = m_nSelFirst;
        e = m_nSelEnd;
    }
    else
        GetCurrentWord(m_nCaret, s, e);
}

void GDoc::GetSelection(long& s, long& e)
{
    if (m_nSelFirst != m_nSelEnd)
    {
        s = m_nSelFirst;
        e = m_nSelEnd;
        return;
    }
    GetCurrentWord(m_nCaret, s, e);
    if (s < 0 || s == e)
        s = e = m_nCaret;
}

long GDoc::GetCurrentWord(long pos, long& s, long& e)
{
    const long textEnd = m_chars.count - 3;
    if (pos >= textEnd)
    {
        s = e = textEnd;
        return e;
    }
    if (pos < 0)
        pos = 0;
    s = pos;
    while (s > 0 && IsCharWord(m_chars[s - 1]))
        --s;
    e = s;
    while (e < textEnd && IsCharWord(m_chars[e]))
        ++e;
    if (e == s)
        s = e = -1;
    return e;
}

long GDoc::GetFirstWord(long pos, long& s, long& e)
{
    const long textEnd = m_chars.count - 3;
    if (pos < 0)
        pos = 0;
    if (pos < textEnd && IsCharWord(m_chars[pos]) && pos > 0 && IsCharWord(m_chars[pos - 1]))
        while (pos < textEnd && IsCharWord(m_chars[pos]))
            ++pos;   // the rest of a word that began before pos
    while (pos < textEnd && !IsCharWord(m_chars[pos]))
        ++pos;
    if (pos >= textEnd)
    {
        s = e = -1;
        return e;
    }
    return GetCurrentWord(pos, s, e);
}

long GDoc::GetFirstSentence(long pos, long& s, long& e)
{
    const long textEnd = m_chars.count - 3;
    if (pos > textEnd)
        pos = textEnd;
    long p = pos < 0 ? 0 : pos;
    while (p > 0 && !IsSentenceEnd(m_chars[p]))
        --p;
    while (p < textEnd && !isalpha((BYTE)m_chars[p]))
        ++p;
    if (p >= textEnd)
    {
        s = e = -1;
        return e;
    }
    s = p;
    while (p < textEnd && !IsSentenceEnd(m_chars[p]))
        ++p;
    if (p >= textEnd)
    {
        s = -1;
        e = textEnd;
        return e;
    }
    e = p + 1;
    return e;
}

int GDoc::IsWordUpper(long s, long e)
{
    for (long p = s; p < e && p < m_chars.count; ++p)
        if (islower((BYTE)m_chars[p]))
            return 0;
    return 1;
}

long GDoc::CountWordsInDoc()
{
    long n = 0, s = 0, e = 0;
    for (long pos = 0; GetFirstWord(pos, s, e) >= 0 && e > pos; pos = e)
        ++n;
    return n;
}

int GDoc::IsDivider(long pos)
{
    return pos >= 0 && pos < m_chars.count && isspace((BYTE)m_chars[pos]) ? 1 : 0;
}
