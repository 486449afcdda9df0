// The picture decoding and JPEG encoding behind the image library, on
// GraphicsMagick. Plain C++ without Win32 types, so that the library's
// headers stay apart from the Win32 ones.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace picture_codec
{
// A decoded picture: rows top down, 3 bytes a pixel in the order blue,
// green, red, no padding.
struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bgr;
};

// The kinds read; Unknown is refused.
enum class Kind { Unknown, Bmp, Jpeg, Gif, Tiff, Targa, Pcx };

// The kind of a file from its first bytes, or Targa from its extension
// (Targa files carry no signature).
Kind KindOf(const unsigned char* data, size_t size, const std::string& extension);

// Decodes the first frame or page of data as kind; false when it cannot,
// or when its pixels would need more than maxBytes (4 bytes a pixel).
bool Decode(const unsigned char* data, size_t size, Kind kind, unsigned long long maxBytes,
            Pixels& pixels);

// Encodes pixels as JPEG of the quality; false when it cannot.
bool EncodeJpeg(const Pixels& pixels, int quality, std::vector<unsigned char>& out);
}
