// CWRectItem, the document's client item of an embedded object: the client
// side of every object item a document makes (CWDocument::CreateOleItem)
// or copies from another document. Still missing: the embedding itself
// (activation, server notifications, storage), as its base lacks it.
#pragma once
#include "ZTItems.h"

class CWRectItem : public CZTOleClientItem
{
    DECLARE_DYNAMIC(CWRectItem)
public:
    CWRectItem() {}
};
