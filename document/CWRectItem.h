// CWRectItem, the document's client item of an embedded object: the new,
// empty item handed to the base library when an object field is copied
// into another flow. Still missing: the embedding itself (activation,
// server notifications, storage), which comes with the document's
// embedding work.
#pragma once
#include "ZTItems.h"

class CWRectItem : public CZTOleClientItem
{
};
