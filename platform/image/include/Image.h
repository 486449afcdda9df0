// The image library: a picture as one packed device-independent bitmap
// (BITMAPINFOHEADER, colour table, pixel rows) in movable global memory,
// the reading of picture files into it and the writing of JPEG files.
#pragma once
#include <windows.h>

// Pictures that would need more memory than this are refused.
const unsigned long long kLargestPictureBytes = 256ull * 1024 * 1024;

class Image
{
public:
    Image();
    virtual ~Image();

    // Takes over a locked packed DIB held in global memory (the pointer
    // GlobalLock gave); the image unlocks and frees it when it is
    // destroyed or another DIB is attached. Null drops the current one.
    void attach(void* lockedDib);
    // The packed DIB, or null when the image holds none.
    void* get_dib() const { return m_pDib; }
    // Bytes of the global block that holds the DIB (0 without one).
    unsigned long dib_size() const;
    // Pixel width and height (0 without a DIB).
    int width() const;
    int height() const;
    // Entries of the colour table that follows the 40-byte header.
    int numcolors() const;
    // The first pixel row, after the header and the colour table.
    const BYTE* bits() const;

private:
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    void* m_pDib;
};

// Whether a packed DIB of `size` bytes is whole: a 40-byte header of a
// plain (uncompressed) bitmap of 1, 4, 8, 16, 24 or 32 bits, a colour table
// that the bit count allows and every pixel row inside the block.
BOOL DibFitsBlock(const void* dib, unsigned long size);
// Colour-table entries of a header (biClrUsed, or all that the bit count
// names when it is 0 and the bitmap has 8 bits or fewer).
int DibColorCount(const BITMAPINFOHEADER& header);
// Bytes of one pixel row, padded to 4 bytes.
unsigned long long DibRowBytes(const BITMAPINFOHEADER& header);

// Reads a picture file (BMP, JPEG, GIF's first frame, TIFF's first page,
// Targa known by the extension .tga, PCX) into a new Image and answers
// non-zero; answers 0 and leaves image untouched when the file cannot be
// read, is of another kind, damaged, or larger than kLargestPictureBytes.
int ReadImage(const char* path, Image*& image);
// Writes a packed DIB as a JPEG file of the quality (1 to 100); non-zero
// when written.
int writeJPEGfile(const char* path, const void* dib, int quality);
