// GMasterStyle: a named pair of one character style and one paragraph
// style of the same document, by their table indices; kept in a style table.
#pragma once
#include "afx.h"

class GMasterStyle
{
public:
    GMasterStyle() = default;
    GMasterStyle(int font, int para) : m_Font(font), m_Para(para) {}

    bool operator==(const GMasterStyle& o) const { return m_Font == o.m_Font && m_Para == o.m_Para; }
    bool operator!=(const GMasterStyle& o) const { return !(*this == o); }

    // Nothing is owned, so nothing to drop.
    void InUndoBuf() {}
    void OutUndoBuf() {}

    // 8 bytes: two 32-bit indices; older documents two 16-bit ones.
    void OpenZVW(CArchive& ar);
    void OpenOldZVW(CArchive& ar);
    void SaveZVW(CArchive& ar) const;

    int m_Font = -1;   // index in the character style table; -1: none
    int m_Para = -1;   // index in the paragraph style table; -1: none
};

constexpr int kGMasterStyleStoredSize = 8;
constexpr int kOldGMasterStyleStoredSize = 4;
