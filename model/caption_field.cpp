// The caption: its settings, placement beside its object, numbering and
// stored form.
#include "model/GCaption.h"
#include "model/GOle.h"
#include "model/utilities.h"
#include "resources/resource.h"

GCaptionSettings GCaption::OleSettings;
GCaptionSettings GCaption::ImageSettings;
GCaptionSettings GCaption::CellSettings;
CStringArray GCaption::Labels;
LONG GCaption::AutoCaption = 0;

namespace {

bool IsCaptionedKind(BYTE kind)
{
    return kind == kFieldOle || kind == kFieldImage || kind == kFieldCell;
}

bool StartsParagraph(GDoc& flow, long pos)
{
    return pos == 0 || flow.m_chars[pos - 1] == kParagraphEnd;
}

} // namespace

GCaptionSettings* GCaption::SettingsOfKind(BYTE kind)
{
    switch (kind)
    {
    case kFieldOle: return &OleSettings;
    case kFieldImage: return &ImageSettings;
    case kFieldCell: return &CellSettings;
    }
    return NULL;
}

GCaption::GCaption(GDoc* owner, long position, int format, int placement, GField* object)
    : GField(owner, position), m_nFormat(format), m_nFixed(0), m_nNumber(0),
      m_strLabel(GetResourceString(IDS_CAPTION_PREFIX)), m_pObject(object), m_nPlacement(placement), m_bGeneric(0),
      m_nObjectIndex(-1)
{
    m_nKind = kFieldCaption;
    if (GCaptionSettings* settings = object ? SettingsOfKind(object->m_nKind) : NULL)
    {
        m_nFormat = settings->format;
        m_nPlacement = settings->position;
        if (settings->generic)
            m_bGeneric = 1;
        else
            m_strLabel = settings->label;
    }
    if (object)
        Place(object);
    m_strText = m_strLabel + "1";
}

GCaption::GCaption(const GCaption& other)
    : GField(other), m_nFormat(other.m_nFormat), m_nFixed(other.m_nFixed), m_nNumber(other.m_nNumber),
      m_strLabel(other.m_strLabel), m_strText(other.m_strText), m_pObject(other.m_pObject),
      m_nPlacement(other.m_nPlacement), m_bGeneric(other.m_bGeneric), m_nObjectIndex(other.m_nObjectIndex)
{
}

// Paragraph ends around the object give the caption its place: before or
// after the object, or an empty paragraph of its own above or below it.
void GCaption::Place(GField* object)
{
    auto InsertEnd = [this](GDoc& flow, long at, int redraw) {
        flow.InsertChar(at, kParagraphEnd, redraw);
        if (m_nPlacedEnds < 2)
            m_placedEnds[m_nPlacedEnds++] = at;
    };
    GDoc* flow = m_pDoc;
    if (!flow || object->m_pDoc != flow)
        return;
    const long o = object->m_nPos;
    const bool starts = StartsParagraph(*flow, o);
    switch (m_nPlacement)
    {
    case kCaptionBefore:
        m_nPos = (LONG)o;
        break;
    case kCaptionAfter:
        m_nPos = (LONG)(o + 1);
        break;
    case kCaptionAbove:
        InsertEnd(*flow, o, 1);
        if (!starts)
            InsertEnd(*flow, object->m_nPos, 1);
        m_nPos = object->m_nPos - 1;
        break;
    case kCaptionBelow:
        if (!starts)
        {
            InsertEnd(*flow, o, 1);
            InsertEnd(*flow, object->m_nPos + 1, 1);
        }
        else
            InsertEnd(*flow, o + 1, 1);
        m_nPos = object->m_nPos + 2;
        break;
    }
}

GField& GCaption::operator=(const GField& other)
{
    const GCaption* o = dynamic_cast<const GCaption*>(&other);
    if (!o || o == this)
        return *this;
    GField::operator=(other);
    m_nFormat = o->m_nFormat;
    m_nFixed = o->m_nFixed;
    m_nNumber = o->m_nNumber;
    m_strLabel = o->m_strLabel;
    m_strText = o->m_strText;
    m_pObject = o->m_pObject;
    m_nPlacement = o->m_nPlacement;
    m_bGeneric = o->m_bGeneric;
    return *this;
}

bool GCaption::operator==(const GField& other) const
{
    // Where a caption was copied from does not tell two captions apart.
    const GCaption* o = dynamic_cast<const GCaption*>(&other);
    return o && o->m_pDoc == m_pDoc && o->m_nPos == m_nPos && o->m_nFormat == m_nFormat && o->m_nFixed == m_nFixed &&
           o->m_strLabel == m_strLabel && o->m_nPlacement == m_nPlacement && o->m_bGeneric == m_bGeneric &&
           o->m_pObject == m_pObject;
}

void GCaption::OpenZVW(CArchive& ar)
{
    GField::OpenZVW(ar);
    ar >> m_nFormat >> m_nFixed >> m_nNumber >> m_strLabel >> m_strText >> m_nPlacement >> m_bGeneric >>
        m_nObjectIndex;
    m_pObject = NULL;
}

void GCaption::SaveZVW(CArchive& ar)
{
    GField::SaveZVW(ar);
    // The object goes by its place in the field list, so that the caption
    // keeps it across saving.
    LONG object = -1;
    if (m_pObject && m_pDoc)
        for (LONG i = 0; i < m_pDoc->m_fields.count; ++i)
            if (m_pDoc->m_fields[i] == m_pObject)
                object = i;
    ar << m_nFormat << m_nFixed << m_nNumber << m_strLabel << m_strText << m_nPlacement << m_bGeneric << object;
}

void GCaption::LinkObjects(GDoc& flow)
{
    for (LONG i = 0; i < flow.m_fields.count; ++i)
    {
        if (flow.m_fields[i]->m_nKind != kFieldCaption)
            continue;
        GCaption* caption = (GCaption*)flow.m_fields[i];
        const LONG index = caption->m_nObjectIndex;
        GField* object = index >= 0 && index < flow.m_fields.count ? flow.m_fields[index] : NULL;
        caption->m_pObject = object && IsCaptionedKind(object->m_nKind) ? object : NULL;
        caption->m_nObjectIndex = -1;
    }
}

void GCaption::Update()
{
    LONG number = m_nFixed;
    if (number == 0)
    {
        number = 1;
        for (LONG i = m_pDoc ? m_pDoc->m_fields.count - 1 : -1; i >= 0; --i)
        {
            GField* f = m_pDoc->m_fields[i];
            if (f == this || f->m_nKind != kFieldCaption || f->m_nPos >= m_nPos)
                continue;
            GCaption* before = (GCaption*)f;
            if (before->m_nFormat == m_nFormat && before->m_strLabel == m_strLabel)
            {
                number = before->m_nNumber + 1;
                break;
            }
        }
    }
    bool changed = number != m_nNumber;
    m_nNumber = number;
    if (m_bGeneric && m_pObject && (m_pObject->m_nKind == kFieldOle || m_pObject->m_nKind == kFieldCell))
    {
        CZTOleRectItem* item = ((GOle*)m_pObject)->m_pItem;
        CZTCell* cell = dynamic_cast<CZTCell*>(item);
        if (cell && cell->GetName() != m_strLabel)
        {
            m_strLabel = cell->GetName();
            changed = true;
        }
    }
    if (!changed)
        return;
    if (m_bGeneric)
        m_strText = m_strLabel;
    else if (m_nFormat >= kMarkArabic && m_nFormat <= kMarkLetterLower)
        m_strText = m_strLabel + NumberText(m_nFormat, m_nNumber);
    if (m_pDoc)
    {
        m_pDoc->m_redraw.InvalByPos(m_nPos, m_nPos + 1);
        m_pDoc->Notify(1);
    }
}
