// The picture object and the file side of the image library: files are
// read and written through Win32 (the program's own paths), the bytes
// decoded and encoded by picture_codec.
#include "Image.h"
#include "picture_codec.h"
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
const WORD kPlainHeaderSize = sizeof(BITMAPINFOHEADER);   // 40
const UINT kMovableZeroed = GMEM_MOVEABLE | GMEM_ZEROINIT;
const LONG kLargestSide = 1 << 20;
const int kLargestColorTable = 256;

const BITMAPINFOHEADER* HeaderOf(const void* dib)
{
    return static_cast<const BITMAPINFOHEADER*>(dib);
}

bool KnownBitCount(WORD bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The whole file through Win32, or false (also for files past the limit).
bool ReadWholeFile(const char* path, std::string& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart > 0
              && (unsigned long long)size.QuadPart <= kLargestPictureBytes;
    if (ok)
    {
        bytes.resize((size_t)size.QuadPart);
        DWORD read = 0;
        ok = ReadFile(file, &bytes[0], (DWORD)bytes.size(), &read, NULL) && read == bytes.size();
    }
    CloseHandle(file);
    return ok;
}

bool WriteWholeFile(const char* path, const std::vector<unsigned char>& bytes)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, NULL)
                    && written == bytes.size();
    CloseHandle(file);
    if (!ok)
        DeleteFileA(path);
    return ok;
}

std::string ExtensionOf(const char* path)
{
    const char* dot = strrchr(path, '.');
    const char* slash = strpbrk(dot ? dot : path, "\\/");
    return dot && !slash ? std::string(dot) : std::string();
}

// A bottom-up 24-bit DIB of the pixels in new locked global memory, or null.
void* DibOf(const picture_codec::Pixels& pixels)
{
    BITMAPINFOHEADER header = {};
    header.biSize = kPlainHeaderSize;
    header.biWidth = pixels.width;
    header.biHeight = pixels.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const unsigned long long rowBytes = DibRowBytes(header);
    const unsigned long long total = kPlainHeaderSize + rowBytes * pixels.height;
    if (total > kLargestPictureBytes)
        return NULL;
    header.biSizeImage = (DWORD)(rowBytes * pixels.height);
    HGLOBAL block = GlobalAlloc(kMovableZeroed, (SIZE_T)total);
    if (!block)
        return NULL;
    BYTE* dib = static_cast<BYTE*>(GlobalLock(block));
    if (!dib)
    {
        GlobalFree(block);
        return NULL;
    }
    memcpy(dib, &header, sizeof(header));
    const size_t sourceRow = (size_t)pixels.width * 3;
    for (int y = 0; y < pixels.height; ++y)
        memcpy(dib + kPlainHeaderSize + rowBytes * (pixels.height - 1 - y),
               pixels.bgr.data() + sourceRow * y, sourceRow);
    return dib;
}

// The pixels of a whole plain DIB, top down, as blue, green, red.
picture_codec::Pixels PixelsOf(const BYTE* dib)
{
    const BITMAPINFOHEADER& header = *HeaderOf(dib);
    const RGBQUAD* colors = reinterpret_cast<const RGBQUAD*>(dib + header.biSize);
    const int colorCount = DibColorCount(header);
    const BYTE* rows = dib + header.biSize + colorCount * sizeof(RGBQUAD);
    const unsigned long long rowBytes = DibRowBytes(header);
    picture_codec::Pixels pixels;
    pixels.width = header.biWidth;
    pixels.height = abs(header.biHeight);
    pixels.bgr.resize((size_t)pixels.width * pixels.height * 3);
    const bool bottomUp = header.biHeight > 0;
    for (int y = 0; y < pixels.height; ++y)
    {
        const BYTE* row = rows + rowBytes * (bottomUp ? pixels.height - 1 - y : y);
        BYTE* out = pixels.bgr.data() + (size_t)pixels.width * 3 * y;
        for (int x = 0; x < pixels.width; ++x, out += 3)
        {
            switch (header.biBitCount)
            {
            case 32:
            case 24:
            {
                const BYTE* p = row + x * (header.biBitCount / 8);
                out[0] = p[0], out[1] = p[1], out[2] = p[2];
                break;
            }
            case 16:
            {
                const WORD v = (WORD)(row[2 * x] | (row[2 * x + 1] << 8));
                out[0] = (BYTE)((v & 0x1F) << 3);
                out[1] = (BYTE)(((v >> 5) & 0x1F) << 3);
                out[2] = (BYTE)(((v >> 10) & 0x1F) << 3);
                break;
            }
            default:
            {
                const int bits = header.biBitCount;
                const int perByte = 8 / bits;
                const int shift = (perByte - 1 - x % perByte) * bits;
                int index = (row[x / perByte] >> shift) & ((1 << bits) - 1);
                if (index >= colorCount)
                    index = 0;
                const RGBQUAD c = colorCount ? colors[index] : RGBQUAD{0, 0, 0, 0};
                out[0] = c.rgbBlue, out[1] = c.rgbGreen, out[2] = c.rgbRed;
            }
            }
        }
    }
    return pixels;
}
}

int DibColorCount(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed)
        return (int)header.biClrUsed;
    return header.biBitCount <= 8 ? 1 << header.biBitCount : 0;
}

unsigned long long DibRowBytes(const BITMAPINFOHEADER& header)
{
    return ((unsigned long long)(unsigned)header.biWidth * header.biBitCount + 31) / 32 * 4;
}

BOOL DibFitsBlock(const void* dib, unsigned long size)
{
    if (!dib || size < kPlainHeaderSize)
        return FALSE;
    const BITMAPINFOHEADER& header = *HeaderOf(dib);
    if (header.biSize != kPlainHeaderSize || header.biPlanes != 1 || !KnownBitCount(header.biBitCount)
        || header.biCompression != BI_RGB)
        return FALSE;
    if (header.biWidth <= 0 || header.biWidth > kLargestSide || header.biHeight == 0
        || header.biHeight > kLargestSide || header.biHeight < -kLargestSide)
        return FALSE;
    const unsigned long long colorLimit =
        header.biBitCount <= 8 ? 1ull << header.biBitCount : (unsigned long long)kLargestColorTable;
    if (header.biClrUsed > colorLimit)
        return FALSE;
    const unsigned long long needed = kPlainHeaderSize + (unsigned long long)DibColorCount(header) * 4
                                      + DibRowBytes(header) * (unsigned long long)abs(header.biHeight);
    return needed <= size;
}

Image::Image() : m_pDib(NULL) {}

Image::~Image()
{
    attach(NULL);
}

void Image::attach(void* lockedDib)
{
    if (m_pDib == lockedDib)
        return;
    if (m_pDib)
    {
        HGLOBAL block = GlobalHandle(m_pDib);
        GlobalUnlock(block);
        GlobalFree(block);
    }
    m_pDib = lockedDib;
}

unsigned long Image::dib_size() const
{
    return m_pDib ? (unsigned long)GlobalSize(GlobalHandle(m_pDib)) : 0;
}

int Image::width() const
{
    return m_pDib ? HeaderOf(m_pDib)->biWidth : 0;
}

int Image::height() const
{
    return m_pDib ? abs(HeaderOf(m_pDib)->biHeight) : 0;
}

int Image::numcolors() const
{
    return m_pDib ? DibColorCount(*HeaderOf(m_pDib)) : 0;
}

const BYTE* Image::bits() const
{
    if (!m_pDib)
        return NULL;
    return static_cast<const BYTE*>(m_pDib) + HeaderOf(m_pDib)->biSize + numcolors() * sizeof(RGBQUAD);
}

int ReadImage(const char* path, Image*& image)
{
    if (!path || !*path)
        return 0;
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return 0;
    const unsigned char* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const picture_codec::Kind kind = picture_codec::KindOf(data, bytes.size(), ExtensionOf(path));
    picture_codec::Pixels pixels;
    if (!picture_codec::Decode(data, bytes.size(), kind, kLargestPictureBytes, pixels))
        return 0;
    void* dib = DibOf(pixels);
    if (!dib)
        return 0;
    image = new Image;
    image->attach(dib);
    return 1;
}

int writeJPEGfile(const char* path, const void* dib, int quality)
{
    if (!path || !dib)
        return 0;
    // A DIB from an Image lives in a global block, whose size bounds what
    // may be read; another DIB is taken at its header's word.
    HGLOBAL block = GlobalHandle(dib);
    const BITMAPINFOHEADER& header = *HeaderOf(dib);
    const unsigned long size = block ? (unsigned long)GlobalSize(block)
                                     : (unsigned long)(kPlainHeaderSize + DibColorCount(header) * 4
                                                       + DibRowBytes(header) * abs(header.biHeight));
    if (!DibFitsBlock(dib, size))
        return 0;
    std::vector<unsigned char> jpeg;
    if (!picture_codec::EncodeJpeg(PixelsOf(static_cast<const BYTE*>(dib)), quality, jpeg))
        return 0;
    return WriteWholeFile(path, jpeg) ? 1 : 0;
}
