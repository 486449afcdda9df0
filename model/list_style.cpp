// List styles: label sequences, the levels with their tri-state Upgrade
// and Combine, previews and labels, and the stored forms.
#include "afx.h"
#include "model/GListStyle.h"
#include "model/number_formats.h"
#include "model/style_io.h"

namespace {

// Number formats of the number converters, one per numbering kind.
constexpr int kFormatArabic = 0;
constexpr int kFormatLowerRoman = 1;
constexpr int kFormatUpperRoman = 2;
constexpr int kFormatLowerLetter = 3;
constexpr int kFormatUpperLetter = 4;
constexpr int kFormatOrdinal = 5;          // 1st
constexpr int kFormatUpperOrdinalWord = 8; // FIRST
constexpr int kFormatUpperCardinalWord = 10; // ONE

constexpr int kLabelBuffer = 64;

// The indent step of a level: odd levels 63, even ones 64.
constexpr int kOddIndentStep = 63;
constexpr int kEvenIndentStep = 64;
constexpr short kDefaultLabelWidth = 64;
constexpr char kBulletFace[] = "Symbol";
constexpr unsigned char kOldBullet = '*';

} // namespace

char* GSequence::Nth(int n, char* text) const
{
    text[0] = 0;
    int format = -1;
    switch (kind)
    {
    case kNone:
        return text;
    case kArabic: case '1': format = kFormatArabic; break;
    case kLower: case 'a': format = kFormatLowerLetter; break;
    case kUpper: case 'A': format = kFormatUpperLetter; break;
    case kLowerRoman: case 'i': format = kFormatLowerRoman; break;
    case kUpperRoman: case 'I': format = kFormatUpperRoman; break;
    case kOrdinal: case 'S': format = kFormatOrdinal; break;
    case kOrdinalWord: case 'F': format = kFormatUpperOrdinalWord; break;
    case kCardinalWord: case 'O': format = kFormatUpperCardinalWord; break;
    case kBullet:
        text[0] = (char)bullet;
        text[1] = 0;
        return text;
    default:
        // Any other kind counts characters on from its own code.
        text[0] = (char)(unsigned char)(kind + n - 1);
        text[1] = 0;
        return text;
    }
    NumConvert(n, text, format);
    return text;
}

const char* GSequence::Nth(int n) const
{
    static char shared[kLabelBuffer];
    return Nth(n, shared);
}

// ---------------------------------------------------------------------------

GLevelStyle::GLevelStyle()
    : m_Start(1), m_Step(1), m_IncludeUpper(0), m_Align(kLabelLeft), m_Width(0), m_Gap(0), m_Value10(10),
      m_Value0(0)
{
    memset(m_Prefix, 0, sizeof(m_Prefix));
    memset(m_Suffix, 0, sizeof(m_Suffix));
}

GLevelStyle::GLevelStyle(unsigned char kind, int level) : GLevelStyle()
{
    Init(kind, level);
}

void GLevelStyle::Init(unsigned char kind, int level)
{
    m_Width = kDefaultLabelWidth;
    m_Gap = 0;
    if (kind >= GSequence::kBullet)
    {
        m_Seq.kind = GSequence::kBullet;
        m_Seq.bullet = kind;
    }
    else
        m_Seq.kind = kind;
    if (m_Seq.IsNumber())
        lstrcpynA(m_Suffix, ".", kTextSize);

    const int step = (level % 2) ? kOddIndentStep : kEvenIndentStep;
    m_Para.m_Left.value = (short)(level * step);
    m_Para.m_FirstLine.value = (short)((level - 1) * step);
    m_Para.m_Right.value = -1;
    m_Para.m_Spacing.value = -1.0f;
    m_Para.m_Extra.value = -1;
    m_Para.m_Align = GParaStyle::kAlignUndefined;
    m_Para.m_Tabs[0] = GTab(GTab::kLeft, 0, 0);

    m_IncludeUpper = m_Seq.IsNumber() ? 1 : 0;
    if (m_Seq.IsBullet())
        m_Font.SetFace(kBulletFace);
    m_Font.SetSize(GFontStyle::kUndefinedSize);
    m_Font.m_Colour = GFontStyle::kUndefinedColour;
    m_Font.m_Mask = 0;
}

GLevelStyle& GLevelStyle::operator=(const GLevelStyle& src)
{
    if (this == &src)
        return *this;
    m_Font = src.m_Font;
    m_Para = src.m_Para;
    memcpy(m_Prefix, src.m_Prefix, sizeof(m_Prefix));
    memcpy(m_Suffix, src.m_Suffix, sizeof(m_Suffix));
    m_Seq = src.m_Seq;
    m_Start = src.m_Start;
    m_Step = src.m_Step;
    m_IncludeUpper = src.m_IncludeUpper;
    m_Align = src.m_Align;
    m_Width = src.m_Width;
    m_Gap = src.m_Gap;
    m_Value10 = src.m_Value10;
    m_Value0 = src.m_Value0;
    return *this;
}

bool GLevelStyle::operator==(const GLevelStyle& o) const
{
    return m_Font == o.m_Font && m_Para == o.m_Para && strcmp(m_Prefix, o.m_Prefix) == 0 &&
           strcmp(m_Suffix, o.m_Suffix) == 0 && m_Seq == o.m_Seq;
}

void GLevelStyle::Upgrade(const GLevelStyle& src)
{
    m_Font.Upgrade(src.m_Font);
    m_Para.Upgrade(src.m_Para);
    if (src.m_Prefix[0])
        memcpy(m_Prefix, src.m_Prefix, sizeof(m_Prefix));
    if (src.m_Suffix[0])
        memcpy(m_Suffix, src.m_Suffix, sizeof(m_Suffix));
    // The bullet character is not laid over, only the kind.
    if (src.m_Seq.kind != GSequence::kNone)
        m_Seq.kind = src.m_Seq.kind;
    if (src.m_Start != kUndefined)
        m_Start = src.m_Start;
    if (src.m_Step != kUndefined)
        m_Step = src.m_Step;
    if (src.m_Width != kUndefined)
        m_Width = src.m_Width;
    if (src.m_Gap != kUndefined)
        m_Gap = src.m_Gap;
    if (src.m_IncludeUpper != kUpperUndefined)
        m_IncludeUpper = src.m_IncludeUpper;
    if (src.m_Align != kLabelLeft)
        m_Align = src.m_Align;
}

void GLevelStyle::Combine(const GLevelStyle& src)
{
    m_Font.Combine(src.m_Font);
    m_Para.Combine(src.m_Para);
    if (strcmp(m_Prefix, src.m_Prefix) != 0)
        memset(m_Prefix, 0, sizeof(m_Prefix));
    if (strcmp(m_Suffix, src.m_Suffix) != 0)
        memset(m_Suffix, 0, sizeof(m_Suffix));
    if (m_Seq != src.m_Seq)
        m_Seq.kind = GSequence::kNone;
    if (m_Start != src.m_Start)
        m_Start = kUndefined;
    if (m_Step != src.m_Step)
        m_Step = kUndefined;
    if (m_IncludeUpper != src.m_IncludeUpper)
        m_IncludeUpper = kUpperUndefined;
    if (m_Align != src.m_Align)
        m_Align = kLabelLeft;
    if (m_Width != src.m_Width)
        m_Width = kUndefined;
    if (m_Gap != src.m_Gap)
        m_Gap = kUndefined;
}

void GLevelStyle::SaveZVW(CArchive& ar) const
{
    m_Font.SaveZVW(ar);
    WriteZeros(ar, 4);
    m_Para.SaveZVW(ar);
    WriteText(ar, m_Prefix, kTextSize);
    WriteText(ar, m_Suffix, kTextSize);
    ar << (BYTE)m_Seq.kind << (BYTE)m_Seq.bullet << m_Start << m_Step << (BYTE)m_IncludeUpper << (BYTE)m_Align
       << m_Width << m_Gap << m_Value10 << m_Value0;
}

void GLevelStyle::OpenZVW(CArchive& ar)
{
    m_Font.OpenZVW(ar);
    SkipBytes(ar, 4);
    m_Para.OpenZVW(ar);
    ReadText(ar, m_Prefix, kTextSize);
    ReadText(ar, m_Suffix, kTextSize);
    BYTE kind, bullet, upper, align;
    ar >> kind >> bullet >> m_Start >> m_Step >> upper >> align >> m_Width >> m_Gap >> m_Value10 >> m_Value0;
    m_Seq.kind = kind;
    m_Seq.bullet = bullet;
    m_IncludeUpper = upper;
    m_Align = align;
}

void _GLevelStyle::OpenZVW(CArchive& ar)
{
    font.OpenZVW(ar);
    SkipBytes(ar, 4);
    para.OpenZVW(ar);
    ReadText(ar, prefix, sizeof(prefix));
    ReadText(ar, suffix, sizeof(suffix));
    BYTE k, upper, align;
    ar >> k >> start >> step >> upper;
    SkipBytes(ar, 1);
    ar >> align >> box >> gap;
    kind = k;
    includeUpper = upper;
    alignment = align;
}

void Eq(GLevelStyle& to, const _GLevelStyle& from)
{
    Eq(to.m_Font, from.font);
    to.m_Font.SetCharSet(0);
    Eq(to.m_Para, from.para);
    memcpy(to.m_Prefix, from.prefix, sizeof(to.m_Prefix));
    memcpy(to.m_Suffix, from.suffix, sizeof(to.m_Suffix));
    to.m_Seq.kind = from.kind;
    to.m_Seq.bullet = kOldBullet;
    to.m_Start = from.start;
    to.m_Step = from.step;
    to.m_IncludeUpper = from.includeUpper;
    to.m_Align = (unsigned char)(from.alignment - 1);
    to.m_Gap = from.gap;

    // The older box was the whole label box; the current one keeps the
    // label width and the free gap apart.
    const short box = from.box;
    if (to.m_Align == GLevelStyle::kLabelLeft)
    {
        to.m_Width = 0;
        to.m_Gap = box;
    }
    else if (from.gap >= 0)
        to.m_Width = (short)(box - from.gap > 0 ? box - from.gap : 0);
    else if (to.m_Align == GLevelStyle::kLabelCentre)
        to.m_Width = to.m_Gap = (short)(box / 2);
    else
        to.m_Width = box;
    to.m_Value10 = 10;
    to.m_Value0 = 0;
}

void GLevelStyle::OpenOldZVW(CArchive& ar)
{
    _GLevelStyle old;
    old.OpenZVW(ar);
    Eq(*this, old);
}

// ---------------------------------------------------------------------------

GListStyle::GListStyle(unsigned char kind)
{
    for (int i = 0; i < kLevels; i++)
        m_Levels[i].Init(kind, i + 1);
}

GListStyle::GListStyle(unsigned char k1, unsigned char k2, unsigned char k3, unsigned char k4, unsigned char k5,
                       unsigned char k6, unsigned char k7, unsigned char k8, unsigned char k9)
{
    const unsigned char kinds[kLevels] = { k1, k2, k3, k4, k5, k6, k7, k8, k9 };
    for (int i = 0; i < kLevels; i++)
        m_Levels[i].Init(kinds[i], i + 1);
}

bool GListStyle::operator==(const GListStyle& o) const
{
    for (int i = 0; i < kLevels; i++)
        if (m_Levels[i] != o.m_Levels[i])
            return false;
    return true;
}

bool GListStyle::IsBullet() const
{
    if (!m_Levels[0].m_Seq.IsBullet())
        return false;
    for (const GLevelStyle& level : m_Levels)
        if (level.m_Seq.kind != m_Levels[0].m_Seq.kind || level.m_Prefix[0] || level.m_Suffix[0])
            return false;
    return true;
}

void GListStyle::GetPreview(int level, char* text, int all) const
{
    if (level < 1 || level > kLevels)
        return;
    const GLevelStyle& l = m_Levels[level - 1];
    if (level > 1 && (l.m_IncludeUpper == 1 || all))
        GetPreview(level - 1, text, all);
    char number[kLabelBuffer];
    strcat(text, l.m_Prefix);
    strcat(text, l.m_Seq.Nth(l.m_Start, number));
    strcat(text, l.m_Suffix);
}

const char* GListStyle::GetPreview(int level, int all) const
{
    static char shared[32];
    // Nine levels of prefix, number and suffix at most.
    char whole[kLevels * (2 * GLevelStyle::kTextSize + kLabelBuffer)];
    whole[0] = 0;
    GetPreview(level, whole, all);
    lstrcpynA(shared, whole, sizeof(shared));
    return shared;
}

void GListStyle::GetLabel(char* text) const
{
    const GLevelStyle& l = m_Levels[0];
    text[0] = 0;
    const size_t prefix = strlen(l.m_Prefix);
    if (prefix > (size_t)kListLabelMax)
        return;
    strcpy(text, l.m_Prefix);
    char number[kLabelBuffer];
    l.m_Seq.Nth(l.m_Start, number);
    const size_t withNumber = prefix + strlen(number);
    if (withNumber > (size_t)kListLabelMax)
        return;
    strcat(text, number);
    if (withNumber + strlen(l.m_Suffix) <= (size_t)kListLabelMax)
        strcat(text, l.m_Suffix);
}

void GListStyle::InUndoBuf()
{
    for (GLevelStyle& l : m_Levels)
        l.m_Font.InUndoBuf();
}

void GListStyle::OutUndoBuf()
{
    for (GLevelStyle& l : m_Levels)
        l.m_Font.OutUndoBuf();
}

void GListStyle::SaveZVW(CArchive& ar) const
{
    for (const GLevelStyle& l : m_Levels)
        l.SaveZVW(ar);
}

void GListStyle::OpenZVW(CArchive& ar)
{
    for (GLevelStyle& l : m_Levels)
        l.OpenZVW(ar);
}

void GListStyle::OpenOldZVW(CArchive& ar)
{
    for (GLevelStyle& l : m_Levels)
        l.OpenOldZVW(ar);
}
