// GImage, a picture in the text (kind 9): a packed DIB held by an Image of
// the image library, shown standing on the baseline at its displayed size.
#pragma once
#include "model/GField.h"
#include "Image.h"

class COleDataSource;

class GImage : public GField
{
public:
    // The label a new caption of a picture starts with (set at start-up).
    static CString CaptionLabel;
    LONG m_nWidth = 0;           // displayed size, 0.1 mm; 0 x 0: not yet set
    LONG m_nHeight = 0;
    CRect m_rect;                // where it was drawn last, in that context's units
    Image* m_pImage;             // owned; null when a stored DIB could not be kept

    // Takes image over; a given image gets its natural size when the
    // document has a view.
    GImage(GDoc* owner, long position, Image* image);
    // A copy with its own DIB; without memory for it, the copy has none.
    GImage(const GImage& other);
    ~GImage() override;

    void OpenZVW(CArchive& ar) override;
    void SaveZVW(CArchive& ar) override;
    CSize GetSize(CDC* dc, int& ascent, long page) override;
    void Draw(CDC* dc, int shade, long page, CWView* view) override;
    void Update() override;
    // A copy of its own (undo records and pastes keep these).
    GField* CreateCopy() override { return new GImage(*this); }
    CSize GetObjectSize() const override { return CSize(m_nWidth, m_nHeight); }
    void SetObjectSize(const CSize& size) override { m_nWidth = size.cx, m_nHeight = size.cy; }

    // Sets the displayed size, each side clamped to 0.1 to 10 inches (the
    // user is told when it was).
    void SetSize(CSize size);
    // The last drawn rectangle as view sees it (view/object_field_rects.cpp).
    CRect GetRect(CWView* view);
    // Assignment copies the DIB, so that no image has two owners.
    GField& operator=(const GField& other) override;
    GImage& operator=(const GImage& other) { operator=(static_cast<const GField&>(other)); return *this; }
    bool operator==(const GField& other) const override;
    // The picture as a CF_DIB block: the DIB's whole block, whatever its
    // bit count. Still missing: handing it to the data source waits for
    // the clipboard layer; the caller gets the block (null without a
    // picture or memory) and owns it.
    HGLOBAL CopyToClipboardDIB(COleDataSource* source);

    // The DIB of image in a new locked global block of the same size, or
    // null without memory or image.
    static void* CopyDib(const Image* image);
};
