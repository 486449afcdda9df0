// The HTML importer's pictures: an IMG's file is read through the image
// library and put into the body as a picture field that ends its
// paragraph. Pages name their pictures and style sheets relative to
// themselves.
#include "html/CWHtmlImport.h"
#include "model/GDoc.h"
#include "model/GImage.h"

void CWHtmlImport::ImgBegin(const PROP* record, CString& text)
{
    const IMGPROP* img = dynamic_cast<const IMGPROP*>(record);
    if (!img || img->m_Src.IsEmpty())
        return;
    Image* image = nullptr;
    if (!ReadImage(BesidePage(img->m_Src), image) || !image)
        return;
    InsertFieldAtEnd(new GImage(m_pFlow, m_pFlow->m_chars.GetCount() - 3, image));
    PutParagraphEnd(text);
}
