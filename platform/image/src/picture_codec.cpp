// GraphicsMagick is a Linux library: its headers must not see the Windows
// platform macros that the Winelib compiler driver defines.
#pragma push_macro("_WIN32")
#pragma push_macro("WIN32")
#pragma push_macro("_WIN64")
#pragma push_macro("WIN64")
#pragma push_macro("__WIN32__")
#undef _WIN32
#undef WIN32
#undef _WIN64
#undef WIN64
#undef __WIN32__
#include <Magick++.h>
#pragma pop_macro("__WIN32__")
#pragma pop_macro("WIN64")
#pragma pop_macro("_WIN64")
#pragma pop_macro("WIN32")
#pragma pop_macro("_WIN32")

#include "picture_codec.h"
#include <algorithm>
#include <cctype>
#include <cstring>

namespace picture_codec
{
namespace
{
const unsigned long long kBytesPerPixelBudget = 4;   // what a 32-bit bitmap of the picture takes
const unsigned char kPcxManufacturer = 0x0A;

void StartLibrary()
{
    static bool started = false;
    if (!started)
    {
        Magick::InitializeMagick(NULL);
        started = true;
    }
}

// The library's coder name for a kind; each read names its coder, so that
// a file is never decoded as anything but the six kinds.
const char* CoderOf(Kind kind)
{
    switch (kind)
    {
    case Kind::Bmp: return "BMP";
    case Kind::Jpeg: return "JPEG";
    case Kind::Gif: return "GIF";
    case Kind::Tiff: return "TIFF";
    case Kind::Targa: return "TGA";
    case Kind::Pcx: return "PCX";
    case Kind::Unknown: break;
    }
    return NULL;
}

const size_t kPcxHeaderSize = 128;
const unsigned char kPcxRunMark = 0xC0;
const size_t kPcxPaletteSize = 769;   // the mark 12 and 256 colours at the end
const unsigned char kPcxPaletteMark = 12;

unsigned Word(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}

// Whether a PCX file holds all the run-length data its header asks for;
// the library fills a cut-short file without a word.
bool PcxDataComplete(const unsigned char* data, size_t size)
{
    if (size < kPcxHeaderSize)
        return false;
    const bool palette = data[3] == 8 && data[65] == 1;
    if (palette)
    {
        if (size < kPcxHeaderSize + kPcxPaletteSize || data[size - kPcxPaletteSize] != kPcxPaletteMark)
            return false;
        size -= kPcxPaletteSize;
    }
    const unsigned long long rows = Word(data + 10) >= Word(data + 6) ? Word(data + 10) - Word(data + 6) + 1 : 0;
    const unsigned long long needed = rows * data[65] * Word(data + 66);
    unsigned long long decoded = 0;
    size_t at = kPcxHeaderSize;
    while (decoded < needed && at < size)
    {
        const unsigned char b = data[at++];
        if ((b & kPcxRunMark) == kPcxRunMark)
        {
            if (at++ >= size)
                return false;
            decoded += b & ~kPcxRunMark;
        }
        else
            ++decoded;
    }
    return needed > 0 && decoded >= needed;
}

bool StartsWith(const unsigned char* data, size_t size, const char* magic, size_t n)
{
    return size >= n && std::memcmp(data, magic, n) == 0;
}

// Reads as far as the library lets a warning pass: a picture whose
// pixels came out stays usable, unless the warning says the file is
// damaged (cut short, bad data), whose pixels would be made up.
template <typename Step> bool Tolerant(Magick::Image& image, Step step)
{
    try
    {
        step();
    }
    catch (Magick::WarningCorruptImage&)
    {
        return false;
    }
    catch (Magick::Warning&)
    {
    }
    catch (std::exception&)
    {
        return false;
    }
    return image.isValid() && image.columns() > 0 && image.rows() > 0;
}
}

Kind KindOf(const unsigned char* data, size_t size, const std::string& extension)
{
    if (StartsWith(data, size, "BM", 2))
        return Kind::Bmp;
    if (StartsWith(data, size, "\xFF\xD8\xFF", 3))
        return Kind::Jpeg;
    if (StartsWith(data, size, "GIF87a", 6) || StartsWith(data, size, "GIF89a", 6))
        return Kind::Gif;
    if (StartsWith(data, size, "II*\0", 4) || StartsWith(data, size, "MM\0*", 4))
        return Kind::Tiff;
    if (size >= 128 && data[0] == kPcxManufacturer && data[1] <= 5 && data[2] <= 1)
        return Kind::Pcx;
    std::string ext = extension;
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return (char)std::tolower(c); });
    if (ext == ".tga")
        return Kind::Targa;
    return Kind::Unknown;
}

bool Decode(const unsigned char* data, size_t size, Kind kind, unsigned long long maxBytes,
            Pixels& pixels)
{
    const char* coder = CoderOf(kind);
    if (!coder || !data || size == 0)
        return false;
    if (kind == Kind::Pcx && !PcxDataComplete(data, size))
        return false;
    StartLibrary();
    Magick::Blob blob(data, size);
    Magick::Image image;
    image.subImage(0);   // the first frame or page only
    image.subRange(1);
    image.magick(coder);
    if (!Tolerant(image, [&] { image.ping(blob); }))
        return false;
    const unsigned long long w = image.columns(), h = image.rows();
    if (w * h * kBytesPerPixelBudget > maxBytes)
        return false;
    Magick::Image full;
    full.subImage(0);
    full.subRange(1);
    full.magick(coder);
    if (!Tolerant(full, [&] { full.read(blob); }))
        return false;
    if (full.columns() != w || full.rows() != h)
        return false;
    Pixels result;
    result.width = (int)w;
    result.height = (int)h;
    result.bgr.resize(w * h * 3);
    try
    {
        full.write(0, 0, (unsigned)w, (unsigned)h, "BGR", Magick::CharPixel, result.bgr.data());
    }
    catch (std::exception&)
    {
        return false;
    }
    pixels = std::move(result);
    return true;
}

bool EncodeJpeg(const Pixels& pixels, int quality, std::vector<unsigned char>& out)
{
    if (pixels.width <= 0 || pixels.height <= 0
        || pixels.bgr.size() < (size_t)pixels.width * pixels.height * 3)
        return false;
    StartLibrary();
    try
    {
        Magick::Image image(pixels.width, pixels.height, "BGR", Magick::CharPixel, pixels.bgr.data());
        image.magick("JPEG");
        image.quality(std::max(1, std::min(100, quality)));
        Magick::Blob blob;
        image.write(&blob);
        const unsigned char* bytes = static_cast<const unsigned char*>(blob.data());
        out.assign(bytes, bytes + blob.length());
    }
    catch (std::exception&)
    {
        return false;
    }
    return !out.empty();
}
}
