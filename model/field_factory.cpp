// One case per field kind that has a record in a flow's stored field list.
#include "model/field_factory.h"
#include "model/GDateTime.h"
#include "model/GDocTitle.h"
#include "model/GImage.h"
#include "model/GOle.h"
#include "model/GListField.h"
#include "model/GPageNum.h"

namespace {

// Still missing: the classes of footnote marks and captions (their
// records hold no more yet); their records are read as a plain field of
// the kind holding its position only.
GField* PlainField(BYTE kind, GDoc* owner)
{
    GField* field = new GField(owner, 0);
    field->m_nKind = kind;
    return field;
}

} // namespace

GField* NewFieldOfKind(BYTE kind, GDoc* owner)
{
    switch (kind)
    {
    case kFieldOle:
        return new GOle(owner, 0, NULL);

    case kFieldDateTime:
        return new GDateTime(owner, 0);

    case kFieldPageNum:
        return new GPageNum(owner, 0, 0, 1);

    case kFieldList:
    {
        GList* list = new GList();
        list->m_pDoc = owner;
        return list;
    }

    case kFieldDocTitle:
        return new GDocTitle(owner, 0, 0);

    case kFieldImage:
        return new GImage(owner, 0, NULL);

    case kFieldFootNote:
        return PlainField(kind, owner);

    case kFieldCaption:
        return PlainField(kind, owner);

    case kFieldCell:
        return new GCell(owner, 0, NULL);
    }
    return NULL;
}
