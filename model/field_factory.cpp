// One case per field kind that has a record in a flow's stored field list.
#include "model/field_factory.h"
#include "model/GCaption.h"
#include "model/GDateTime.h"
#include "model/GDocTitle.h"
#include "model/GFootNote.h"
#include "model/GImage.h"
#include "model/GOle.h"
#include "model/GListField.h"
#include "model/GPageNum.h"

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
        return new GFootNote(owner, 0, (int)kNoteSideMark);

    case kFieldCaption:
        return new GCaption(owner, 0, kMarkArabic, kCaptionBefore, NULL);

    case kFieldCell:
        return new GCell(owner, 0, NULL);
    }
    return NULL;
}
