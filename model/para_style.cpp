// Paragraph styles: tri-state Upgrade and Combine, comparison and the
// stored forms.
#include "afx.h"
#include "model/GParaStyle.h"
#include "model/style_io.h"

namespace {
constexpr short kDefaultFirstLine = 127;
}

GParaStyle::GParaStyle()
    : m_Left(0), m_Right(0), m_FirstLine(kDefaultFirstLine), m_Spacing(1.0f), m_Extra(0), m_Before(0),
      m_After(0), m_Align(kAlignLeft)
{
}

GParaStyle::GParaStyle(int left, int right, int firstLine, float spacing, int extra, unsigned char alignment)
    : m_Left((short)left), m_Right((short)right), m_FirstLine((short)firstLine), m_Spacing(spacing),
      m_Extra((short)extra), m_Before(0), m_After(0), m_Align(alignment)
{
}

bool GParaStyle::operator==(const GParaStyle& o) const
{
    return m_Left == o.m_Left && m_Right == o.m_Right && m_FirstLine == o.m_FirstLine &&
           m_Spacing == o.m_Spacing && m_Extra == o.m_Extra && m_Before == o.m_Before && m_After == o.m_After &&
           m_Align == o.m_Align && m_Tabs == o.m_Tabs;
}

void GParaStyle::Upgrade(const GParaStyle& src)
{
    m_Left.Upgrade(src.m_Left);
    m_Right.Upgrade(src.m_Right);
    m_FirstLine.Upgrade(src.m_FirstLine);
    m_Spacing.Upgrade(src.m_Spacing);
    m_Extra.Upgrade(src.m_Extra);
    if (src.m_Align != kAlignUndefined)
        m_Align = src.m_Align;
    m_Before.Upgrade(src.m_Before);
    m_After.Upgrade(src.m_After);
    // The stops always come over whole, defined or not.
    for (int i = 0; i < GTabArr::kCount; i++)
        m_Tabs[i] = src.m_Tabs[i];
    m_Tabs.Sort();
}

void GParaStyle::Combine(const GParaStyle& src)
{
    m_Left.Combine(src.m_Left);
    m_Right.Combine(src.m_Right);
    m_FirstLine.Combine(src.m_FirstLine);
    m_Spacing.Combine(src.m_Spacing);
    m_Extra.Combine(src.m_Extra);
    m_Before.Combine(src.m_Before);
    m_After.Combine(src.m_After);
    if (m_Align != src.m_Align)
        m_Align = kAlignUndefined;
    for (int i = 0; i < GTabArr::kCount; i++)
        if (m_Tabs[i].type != src.m_Tabs[i].type || m_Tabs[i].Pos() != src.m_Tabs[i].Pos())
            m_Tabs[i].position.defined = 0;
}

bool GParaStyle::IsAllDefined() const
{
    return m_Left.IsDefined() && m_Right.IsDefined() && m_FirstLine.IsDefined() && m_Spacing.IsDefined() &&
           m_Extra.IsDefined() && m_Before.IsDefined() && m_After.IsDefined() && m_Align != kAlignUndefined;
}

void GParaStyle::SaveZVW(CArchive& ar) const
{
    m_Left.SaveZVW(ar);
    m_Right.SaveZVW(ar);
    m_FirstLine.SaveZVW(ar);
    m_Spacing.SaveZVW(ar);
    m_Extra.SaveZVW(ar);
    m_Before.SaveZVW(ar);
    m_After.SaveZVW(ar);
    ar << (BYTE)m_Align << (BYTE)0;
    for (int i = 0; i < GTabArr::kCount; i++)
        m_Tabs[i].SaveZVW(ar);
    WriteZeros(ar, 2);
}

void GParaStyle::OpenZVW(CArchive& ar)
{
    // The previous text edges of the stops are not stored: they stay.
    m_Left.OpenZVW(ar);
    m_Right.OpenZVW(ar);
    m_FirstLine.OpenZVW(ar);
    m_Spacing.OpenZVW(ar);
    m_Extra.OpenZVW(ar);
    m_Before.OpenZVW(ar);
    m_After.OpenZVW(ar);
    BYTE align;
    ar >> align;
    m_Align = align;
    SkipBytes(ar, 1);
    for (int i = 0; i < GTabArr::kCount; i++)
        m_Tabs[i].OpenZVW(ar);
    SkipBytes(ar, 2);
}

void _GParaStyle::OpenZVW(CArchive& ar)
{
    left.OpenZVW(ar);
    right.OpenZVW(ar);
    firstLine.OpenZVW(ar);
    spacing.OpenZVW(ar);
    extra.OpenZVW(ar);
    BYTE align;
    ar >> align;
    alignment = align;
    for (_GTab& t : tabs)
        t.OpenZVW(ar);
}

void Eq(GParaStyle& to, const _GParaStyle& from)
{
    // Older records have no space before or after: the target keeps its own.
    Eq(to.m_Left, from.left);
    Eq(to.m_Right, from.right);
    Eq(to.m_FirstLine, from.firstLine);
    Eq(to.m_Spacing, from.spacing);
    Eq(to.m_Extra, from.extra);
    to.m_Align = from.alignment;
    for (int i = 0; i < GTabArr::kCount; i++)
        Eq(to.m_Tabs[i], from.tabs[i]);
}

void GParaStyle::OpenOldZVW(CArchive& ar)
{
    _GParaStyle old;
    old.OpenZVW(ar);
    Eq(*this, old);
}
