// The text-effects library: a piece of decorated text (face, size,
// colours, outline and shadow) rendered with GDI into a 32-bit bitmap that
// can be drawn anywhere and that fields store as a picture.
#pragma once
#include "afxwin.h"

// Effect bits.
const DWORD kFXOutline = 0x1;
const DWORD kFXShadow = 0x2;

class CFX : public CObject
{
public:
    CFX();
    CFX(const CFX& other);
    virtual ~CFX();
    CFX& operator=(const CFX& other);
    // Equal settings (the rendered bitmap follows from them).
    bool operator==(const CFX& other) const;

    // The settings.
    CString m_strText;
    CString m_strFace;
    LONG m_nPointSize;
    COLORREF m_crText;
    COLORREF m_crBack;
    COLORREF m_crOutline;
    COLORREF m_crShadow;
    DWORD m_dwEffects;           // kFXOutline | kFXShadow
    // Drawing stretches the bitmap to the rectangle given (not 0) or keeps
    // its pixel size at the rectangle's top left (0).
    LONG m_bStretch;
    // Drawing leaves the background out (not 0) or paints it (0).
    LONG m_bTransparent;

    // Renders the text on dc's resolution (null: the screen's) into the
    // bitmap below; what the library calls making the text ready.
    void RetriveText(CDC* dc);
    // Draws the rendered bitmap into rect.
    void Draw(CDC* dc, CRect rect);
    // A versioned record of the settings; reading renders the bitmap anew
    // on the screen's resolution. An unknown version throws the archive
    // exception badSchema.
    virtual void Serialize(CArchive& ar);

    // The rendered bitmap: a bottom-up 32-bit header, its row bytes and
    // its rows (null before the first rendering).
    const BITMAPINFOHEADER& GetBitmapHeader() const { return m_header; }
    LONG GetRowBytes() const { return m_nRowBytes; }
    const BYTE* GetBits() const { return m_pBits; }

private:
    void CopySettings(const CFX& other);
    void DropBitmap();

    BITMAPINFOHEADER m_header;
    LONG m_nRowBytes;
    BYTE* m_pBits;               // the DIB section's rows
    HBITMAP m_hBitmap;
};
