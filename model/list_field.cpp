// List-number fields: construction, numbering from the list fields before
// them, labels and their text, level and style changes, copies and the
// stored form.
#include "model/GListField.h"
#include "model/GDoc.h"
#include "model/GStyleTbl.h"
#include "document/CWDocument.h"
#include <algorithm>
#include <cstring>

namespace
{
const int kIncludeUpper = 1;

// The list-style table of a field's document, or null outside one.
const GStyleTbl<GListStyle>* ListStyles(const GDoc* owner)
{
    return owner && owner->m_pOwner ? &owner->m_pOwner->m_listStyles : NULL;
}

GList* AsList(GField* field)
{
    return field && field->m_nKind == kFieldList ? (GList*)field : NULL;
}
} // namespace

GList::GList() : GField()
{
    m_nKind = kFieldList;
    m_nStyle = 0;
    m_nLevel = 1;
    for (LONG& n : m_nNumbers)
        n = 1;
    m_bContinues = 0;
    memset(m_Labels, 0, sizeof(m_Labels));
    m_Text[0] = 0;
}

GList::GList(GDoc* owner, long position, long style, int continues, int level) : GField(owner, position)
{
    Init(style, NULL, continues, level);
}

GList::GList(GDoc* owner, long position, long style, int* starts, int continues, int level)
    : GField(owner, position)
{
    Init(style, starts, continues, level);
}

void GList::Init(long style, const int* starts, int continues, int level)
{
    m_nKind = kFieldList;
    m_nStyle = (LONG)style;
    m_nLevel = (level < 1 || level > kListLevels) ? 1 : level;
    m_bContinues = continues;
    memset(m_Labels, 0, sizeof(m_Labels));
    m_Text[0] = 0;
    for (int i = 0; i < kListLevels; ++i)
    {
        const GLevelStyle* l = GetLevelStyle(i + 1);
        m_nNumbers[i] = starts && starts[i] >= 0 ? starts[i] : l ? l->m_Start : 1;
    }
    Update();
}

GList::GList(const GList& other) : GField(other)
{
    m_nStyle = other.m_nStyle;
    m_nLevel = other.m_nLevel;
    memcpy(m_nNumbers, other.m_nNumbers, sizeof(m_nNumbers));
    m_bContinues = other.m_bContinues;
    memcpy(m_Labels, other.m_Labels, sizeof(m_Labels));
    memcpy(m_Text, other.m_Text, sizeof(m_Text));
    m_bLeaving = other.m_bLeaving;
}

GList& GList::operator=(const GList& other)
{
    if (this == &other)
        return *this;
    GField::operator=(other);
    m_nStyle = other.m_nStyle;
    m_nLevel = other.m_nLevel;
    memcpy(m_nNumbers, other.m_nNumbers, sizeof(m_nNumbers));
    m_bContinues = other.m_bContinues;
    memcpy(m_Labels, other.m_Labels, sizeof(m_Labels));
    memcpy(m_Text, other.m_Text, sizeof(m_Text));
    m_bLeaving = other.m_bLeaving;
    return *this;
}

GField& GList::operator=(const GField& other)
{
    if (const GList* list = dynamic_cast<const GList*>(&other))
        return *this = *list;
    return GField::operator=(other);
}

bool GList::operator==(const GField& other) const
{
    const GList* o = dynamic_cast<const GList*>(&other);
    return o && GField::operator==(other) && m_nStyle == o->m_nStyle && m_nLevel == o->m_nLevel &&
           memcmp(m_nNumbers, o->m_nNumbers, sizeof(m_nNumbers)) == 0 && m_bContinues == o->m_bContinues;
}

// ---- Stored form

void GList::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ar >> m_nStyle >> m_nLevel;
    for (LONG& n : m_nNumbers)
        ar >> n;
    ar >> m_bContinues;
    // Every later lookup indexes by these: a field that names a level or a
    // style its document cannot have is damage, not a label to guess.
    if (m_nLevel < 1 || m_nLevel > kListLevels)
        throw kArrayReadFault;
    const GStyleTbl<GListStyle>* table = ListStyles(m_pDoc);
    if (table && m_nStyle >= table->count)
        throw kArrayReadFault;
    Update();
}

void GList::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    ar << m_nStyle << m_nLevel;
    for (LONG n : m_nNumbers)
        ar << n;
    ar << m_bContinues;
}

// ---- Numbering

const GLevelStyle* GList::GetLevelStyle(int level) const
{
    const GStyleTbl<GListStyle>* table = ListStyles(m_pDoc);
    if (!table || m_nStyle < 0 || m_nStyle >= table->count || level < 1 || level > kListLevels)
        return NULL;
    return &(*table)[m_nStyle].style.Level(level);
}

long GList::PlaceInFields(bool& inList) const
{
    long index = m_pDoc->GetCharField(m_nPos);
    inList = index >= 0;
    if (!inList)
        index = m_pDoc->LocateField(m_nPos) + 1;
    return index;
}

void GList::StartValues(int fromLevel)
{
    for (int k = fromLevel; k <= kListLevels; ++k)
    {
        const GLevelStyle* l = GetLevelStyle(k);
        m_nNumbers[k - 1] = l ? l->m_Start : 1;
    }
}

void GList::Renumber()
{
    const GLevelStyle* level = GetLevelStyle();
    if (m_nPos < 0 || m_nStyle < 0 || !level || !m_pDoc)
    {
        GListLabel& label = m_Labels[std::max((LONG)1, std::min(m_nLevel, (LONG)kListLevels)) - 1];
        label.number[0] = (char)kNoStyleLabel;
        label.number[1] = 0;
        return;
    }
    memset(m_Labels, 0, sizeof(m_Labels));
    bool found = false;
    if (m_bContinues && !level->m_Seq.IsBullet())
    {
        bool inList;
        const long place = PlaceInFields(inList);
        for (long i = place - 1; i >= 0; --i)
        {
            GList* prev = AsList(m_pDoc->m_fields[i]);
            if (!prev || prev->m_nStyle != m_nStyle)
                continue;
            found = true;
            if (prev->m_nLevel > m_nLevel)
                continue;   // deeper items belong to a sublist
            for (int k = 1; k <= prev->m_nLevel; ++k)
                m_nNumbers[k - 1] = prev->m_nNumbers[k - 1];
            if (prev->m_nLevel == m_nLevel)
            {
                m_nNumbers[m_nLevel - 1] += level->m_Step;
                StartValues(m_nLevel + 1);
            }
            else
                StartValues(prev->m_nLevel + 1);
            break;
        }
    }
    if (!m_bContinues || !found)
        StartValues(1);
    NumGen(m_nLevel);
}

void GList::Update()
{
    if (m_bLeaving)
        return;
    Renumber();
    Measure();
    if (!m_pDoc || m_nPos < 0 || m_nStyle < 0)
        return;
    // Every later field of the list follows; a loop rather than each
    // field updating the next keeps a long list off the stack.
    bool inList;
    long place = PlaceInFields(inList);
    for (long i = inList ? place + 1 : place; i < m_pDoc->m_fields.count; ++i)
    {
        GList* next = AsList(m_pDoc->m_fields[i]);
        if (!next || next == this || next->m_nStyle != m_nStyle || next->m_bLeaving)
            continue;
        LONG before[kListLevels];
        memcpy(before, next->m_nNumbers, sizeof(before));
        next->Renumber();
        next->Measure();
        // A label that changed is shown anew.
        if (memcmp(before, next->m_nNumbers, sizeof(before)) != 0)
            next->Invalidate();
    }
}

void GList::NumGen(int level)
{
    if (level < 1 || level > kListLevels)
        return;
    const GLevelStyle* l = GetLevelStyle(level);
    if (!l)
        return;
    if (level >= 2 && l->m_IncludeUpper == kIncludeUpper)
        NumGen(level - 1);
    GListLabel& label = m_Labels[level - 1];
    lstrcpynA(label.prefix, l->m_Prefix, GListLabel::kAffixSize);
    l->m_Seq.Nth(m_nNumbers[level - 1], label.number);
    lstrcpynA(label.suffix, l->m_Suffix, GListLabel::kAffixSize);
}

char* GList::AsText(long)
{
    m_Text[0] = 0;
    size_t length = 0;
    for (const GListLabel& label : m_Labels)
        for (const char* piece : {label.prefix, label.number, label.suffix})
        {
            const size_t n = strnlen(piece, kNumberTextSize);
            if (n == 0)
                continue;
            if (length + n > (size_t)kMostTextLength)
                return m_Text;
            memcpy(m_Text + length, piece, n);
            length += n;
            m_Text[length] = 0;
        }
    return m_Text;
}

// ---- Levels and styles

void GList::Invalidate()
{
    if (m_pDoc)
        m_pDoc->m_redraw.InvalByPos(m_nPos, m_nPos + 1);
}

void GList::SetLevel(int level)
{
    if (level < 1 || level > kListLevels || level == m_nLevel)
        return;
    m_nLevel = level;
    Update();
}

void GList::Promote()
{
    if (m_nLevel == 1)
        return;
    --m_nLevel;
    Update();
    Invalidate();
}

void GList::Demote()
{
    if (m_nLevel >= kListLevels)
        return;
    const GLevelStyle* next = GetLevelStyle(m_nLevel + 1);
    if (!next || next->m_Seq.kind == GSequence::kNone)
        return;
    ++m_nLevel;
    Update();
    Invalidate();
}

void GList::ClearStyle()
{
    m_nStyle = 0;
    Update();
}

void GList::ChangeStyle(long style, int whole)
{
    if (style == m_nStyle)
        return;
    if (!whole || !m_pDoc)
    {
        m_nStyle = (LONG)style;
        Update();
        Invalidate();
        return;
    }
    const LONG old = m_nStyle;
    bool inList;
    const long place = PlaceInFields(inList);
    GArrayI<GField*>& fields = m_pDoc->m_fields;
    // The run begins at the nearest earlier start of the old style (this
    // field when it starts one). Only fields of the old style make or end
    // the run: another list nested in it does not cut it short.
    // A list whose fields all continue begins at its first field.
    long start = -1;
    GList* first = this;
    if (inList && fields[place] == this)
        for (long i = place; i >= 0; --i)
        {
            GList* l = AsList(fields[i]);
            if (!l || l->m_nStyle != old)
                continue;
            start = i;
            if (!l->m_bContinues)
                break;
        }
    if (start < 0)
    {
        m_nStyle = (LONG)style;
        Invalidate();
    }
    else
    {
        first = (GList*)fields[start];
        for (long i = start; i < fields.count; ++i)
        {
            GList* l = AsList(fields[i]);
            if (!l || l->m_nStyle != old)
                continue;
            if (i > start && !l->m_bContinues)
                break;
            l->m_nStyle = (LONG)style;
            l->Invalidate();
        }
    }
    first->Update();
}

void GList::FindInitStyle()
{
    if (!m_pDoc)
        return;
    long s, e;
    m_pDoc->GetSelectionC(s, e);
    const long firstPara = m_pDoc->GetCharPara(s);
    const long lastPara = std::max(firstPara, e > s ? m_pDoc->GetCharPara(e - 1) : firstPara);
    GList* found = NULL;
    for (long p = firstPara; p <= lastPara && !found; ++p)
        found = m_pDoc->GetListField(m_pDoc->GetParaChar(p));
    if (!found)
        for (long i = m_pDoc->LocateField(s); i >= 0 && !found; --i)
            if (m_pDoc->m_fields[i]->m_nPos < s)
                found = AsList(m_pDoc->m_fields[i]);
    if (!found || found == this)
        return;
    const long style = found->m_nStyle;
    const int level = found->m_nLevel;
    ChangeStyle(style, 1);
    SetLevel(level);
    m_bContinues = m_pDoc->IsFromPrev(s, (int)style);
}
