// The labels new captions of pictures, embedded objects and cell fields
// start with; the application fills them from its strings at start-up.
#include "model/GImage.h"
#include "model/GOle.h"

CString GImage::CaptionLabel;
CString GOle::CaptionLabel;
CString GCell::CaptionFieldLabel;
