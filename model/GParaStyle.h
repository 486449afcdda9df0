// GParaStyle: the paragraph style of the model (indents, spacing,
// alignment, tab stops; each value possibly undefined); used by style
// tables, list levels, layout and the paragraph editing.
#pragma once
#include "afx.h"
#include "model/tristate.h"
#include "model/GTabArr.h"

// The packed paragraph record of older documents (82 bytes). Read only.
struct _GParaStyle
{
    _Gint left, right, firstLine;
    _Gfloat spacing;
    _Gint extra;
    unsigned char alignment = 0;
    _GTab tabs[GTabArr::kCount];

    void OpenZVW(CArchive& ar);
};

class GParaStyle
{
public:
    enum
    {
        kAlignUndefined = 0,
        kAlignLeft = 1,
        kAlignCentre = 2,
        kAlignRight = 3,
        kAlignJustify = 4
    };

    // Indents 0, 0 and 127, single spacing, left aligned, default stops.
    GParaStyle();
    GParaStyle(int left, int right, int firstLine, float spacing, int extra, unsigned char alignment);

    // Every field, each value with its defined flag, and all the stops.
    bool operator==(const GParaStyle& o) const;
    bool operator!=(const GParaStyle& o) const { return !(*this == o); }

    void Upgrade(const GParaStyle& src);
    void Combine(const GParaStyle& src);
    bool IsAllDefined() const;

    // What the style sets, as the style dialogs show it (model/style_descriptions.cpp).
    CString GetDescription() const;

    // Nothing is cached, so nothing to drop.
    void InUndoBuf() {}
    void OutUndoBuf() {}

    // 132 bytes; older documents 82.
    void OpenZVW(CArchive& ar);
    void OpenOldZVW(CArchive& ar);
    void SaveZVW(CArchive& ar) const;

    Gint m_Left;
    Gint m_Right;
    Gint m_FirstLine;
    Gfloat m_Spacing;
    Gint m_Extra;
    Gint m_Before;
    Gint m_After;
    unsigned char m_Align;
    GTabArr m_Tabs;
};

void Eq(GParaStyle& to, const _GParaStyle& from);

constexpr int kGParaStyleStoredSize = 132;
constexpr int kOldGParaStyleStoredSize = 82;
