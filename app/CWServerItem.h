// CWServerItem, the server item of a document: what a container embeds
// (mode 0, the document's own item) or what the clipboard and a drag offer
// (mode 1). It draws the document into the container's context. Still
// missing: the formats it offers (the private format, text rendered on
// demand, pictures and text effects as DIB) and putting it on the
// clipboard or dragging it, which need the base's data object.
#pragma once
#include "afxole.h"

class CWDocument;

class CWServerItem : public COleServerItem
{
    DECLARE_DYNAMIC(CWServerItem)
public:
    // The document's own item is deleted with the document; the clipboard's
    // belongs to whoever offers it.
    enum { kEmbeddedMode = 0, kClipboardMode = 1 };
    CWServerItem(CWDocument* doc, int mode);

    CWDocument* GetDocument() const { return (CWDocument*)COleServerItem::GetDocument(); }
    int GetMode() const { return m_nMode; }
    // Draws the document through its first view with the page areas of
    // the screen off; 0 when the document has no view.
    BOOL OnDraw(CDC* dc, CSize& size) override;

private:
    int m_nMode;
};
