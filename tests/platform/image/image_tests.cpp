// Reading pictures of the six kinds into packed DIBs, writing JPEG files,
// and refusing damaged, foreign and oversized files.
#include "tests/support/zt_gtest.h"
#include "tests/support/hide_windows_macros.h"
#include <Magick++.h>
#include "tests/support/restore_windows_macros.h"
#include <windows.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "Image.h"

namespace {

const int kWidth = 40;
const int kHeight = 30;

struct Rgb
{
    int r, g, b;
};
// The quadrants of the test picture: top left, top right, bottom left,
// bottom right.
const Rgb kQuadrants[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

Rgb QuadrantAt(int x, int y)
{
    return kQuadrants[(y >= kHeight / 2 ? 2 : 0) + (x >= kWidth / 2 ? 1 : 0)];
}

Magick::Image Picture(Rgb fill = {-1, -1, -1})
{
    std::vector<unsigned char> rgb(kWidth * kHeight * 3);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            Rgb c = fill.r >= 0 ? fill : QuadrantAt(x, y);
            unsigned char* p = &rgb[(y * kWidth + x) * 3];
            p[0] = (unsigned char)c.r, p[1] = (unsigned char)c.g, p[2] = (unsigned char)c.b;
        }
    return Magick::Image(kWidth, kHeight, "RGB", Magick::CharPixel, rgb.data());
}

std::string Encode(Magick::Image image, const char* coder)
{
    image.magick(coder);
    Magick::Blob blob;
    image.write(&blob);
    return std::string(static_cast<const char*>(blob.data()), blob.length());
}

// Two frames (or pages), the first the quadrant picture.
std::string EncodeTwoFrames(const char* coder)
{
    std::vector<Magick::Image> frames = {Picture(), Picture({0, 0, 0})};
    for (auto& f : frames)
        f.magick(coder);
    Magick::Blob blob;
    Magick::writeImages(frames.begin(), frames.end(), &blob, true);
    return std::string(static_cast<const char*>(blob.data()), blob.length());
}

// A file in Windows' temporary folder, removed with the object.
struct TempFile
{
    std::string path;
    TempFile(const std::string& name, const std::string& bytes)
    {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        path = std::string(dir) + "zt_image_" + name;
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        DWORD written = 0;
        WriteFile(f, bytes.data(), (DWORD)bytes.size(), &written, NULL);
        CloseHandle(f);
    }
    ~TempFile() { DeleteFileA(path.c_str()); }
};

std::unique_ptr<Image> Read(const std::string& path)
{
    Image* image = NULL;
    int ok = ReadImage(path.c_str(), image);
    EXPECT_EQ(ok != 0, image != NULL);
    return std::unique_ptr<Image>(image);
}

Rgb PixelOf(const Image& image, int x, int y)
{
    const BITMAPINFOHEADER& h = *static_cast<const BITMAPINFOHEADER*>(image.get_dib());
    const unsigned long long rowBytes = DibRowBytes(h);
    const int row = h.biHeight > 0 ? image.height() - 1 - y : y;
    const BYTE* p = image.bits() + rowBytes * row + x * (h.biBitCount / 8);
    return {p[2], p[1], p[0]};
}

void ExpectQuadrants(const Image& image, int tolerance)
{
    ASSERT_EQ(image.width(), kWidth);
    ASSERT_EQ(image.height(), kHeight);
    ASSERT_TRUE(DibFitsBlock(image.get_dib(), image.dib_size()));
    const int samples[4][2] = {{5, 5}, {34, 5}, {5, 24}, {34, 24}};
    for (auto& s : samples)
    {
        Rgb want = QuadrantAt(s[0], s[1]), got = PixelOf(image, s[0], s[1]);
        EXPECT_NEAR(got.r, want.r, tolerance) << s[0] << "," << s[1];
        EXPECT_NEAR(got.g, want.g, tolerance) << s[0] << "," << s[1];
        EXPECT_NEAR(got.b, want.b, tolerance) << s[0] << "," << s[1];
    }
}

struct Kind
{
    const char* coder;
    const char* extension;
    int tolerance;
};
const Kind kKinds[] = {
    {"BMP", ".bmp", 0}, {"JPEG", ".jpg", 40}, {"GIF", ".gif", 0},
    {"TIFF", ".tif", 0}, {"TGA", ".tga", 0},  {"PCX", ".pcx", 0},
};

class ImageLibrary : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { Magick::InitializeMagick(NULL); }
};

TEST_F(ImageLibrary, ReadsEachKindToItsSizeAndColours)
{
    for (const Kind& k : kKinds)
    {
        SCOPED_TRACE(k.coder);
        TempFile file(std::string("whole") + k.extension, Encode(Picture(), k.coder));
        auto image = Read(file.path);
        ASSERT_TRUE(image);
        ExpectQuadrants(*image, k.tolerance);
    }
}

TEST_F(ImageLibrary, ReadsTheFirstFrameOfAnAnimationAndTheFirstPageOfATiff)
{
    for (const char* coder : {"GIF", "TIFF"})
    {
        SCOPED_TRACE(coder);
        TempFile file(std::string("frames.") + coder, EncodeTwoFrames(coder));
        auto image = Read(file.path);
        ASSERT_TRUE(image);
        ExpectQuadrants(*image, 0);
    }
}

TEST_F(ImageLibrary, AJpegWrittenAtQualityFiftyReadsBackToItsSize)
{
    TempFile source("source.bmp", Encode(Picture(), "BMP"));
    auto image = Read(source.path);
    ASSERT_TRUE(image);
    TempFile target("written.jpg", "");
    ASSERT_NE(writeJPEGfile(target.path.c_str(), image->get_dib(), 50), 0);
    auto back = Read(target.path);
    ASSERT_TRUE(back);
    ExpectQuadrants(*back, 48);
}

TEST_F(ImageLibrary, DamagedFilesOfEachKindReadNothing)
{
    for (const Kind& k : kKinds)
    {
        SCOPED_TRACE(k.coder);
        const std::string whole = Encode(Picture(), k.coder);
        // Cut inside the pixels (a PCX's palette at its end is not read
        // for 24 bits, so half a file would still be whole), cut after the
        // signature, and garbage after the signature.
        const std::string damaged[] = {
            whole.substr(0, whole.size() / 2 < 200 ? whole.size() / 2 : 200),
            whole.substr(0, 20),
            whole.substr(0, 6) + std::string(whole.size() - 6, '\xA5'),
        };
        for (size_t i = 0; i < std::size(damaged); ++i)
        {
            SCOPED_TRACE(i);
            TempFile file(std::string("damaged") + k.extension, damaged[i]);
            EXPECT_FALSE(Read(file.path));
        }
    }
}

TEST_F(ImageLibrary, RefusesForeignFilesMissingFilesAndHugePictures)
{
    TempFile png("foreign.png", Encode(Picture(), "PNG"));
    EXPECT_FALSE(Read(png.path));
    TempFile text("foreign.txt", "just some words\r\n");
    EXPECT_FALSE(Read(text.path));
    EXPECT_FALSE(Read("C:\\no such folder\\picture.bmp"));

    // A bitmap header that asks for 20000 x 20000 pixels (1.6 GB).
    std::string bmp = Encode(Picture(), "BMP");
    const LONG side = 20000;
    memcpy(&bmp[18], &side, 4);
    memcpy(&bmp[22], &side, 4);
    TempFile huge("huge.bmp", bmp);
    EXPECT_FALSE(Read(huge.path));
}

TEST_F(ImageLibrary, DibsWhoseHeaderDoesNotFitTheirBlockAreRefused)
{
    BITMAPINFOHEADER h = {};
    h.biSize = 40, h.biWidth = 10, h.biHeight = 10, h.biPlanes = 1, h.biBitCount = 24;
    const unsigned long whole = 40 + 32 * 10;   // rows of 30 bytes padded to 32
    std::vector<BYTE> block(whole + 1024);
    struct Case
    {
        const char* what;
        void (*change)(BITMAPINFOHEADER&);
        unsigned long size;
        BOOL fits;
    } cases[] = {
        {"whole", [](BITMAPINFOHEADER&) {}, whole, TRUE},
        {"one byte short", [](BITMAPINFOHEADER&) {}, whole - 1, FALSE},
        {"top-down", [](BITMAPINFOHEADER& x) { x.biHeight = -10; }, whole, TRUE},
        {"header size", [](BITMAPINFOHEADER& x) { x.biSize = 124; }, whole, FALSE},
        {"bit count", [](BITMAPINFOHEADER& x) { x.biBitCount = 7; }, whole, FALSE},
        {"compressed", [](BITMAPINFOHEADER& x) { x.biCompression = BI_RLE8; }, whole, FALSE},
        {"8-bit colour table", [](BITMAPINFOHEADER& x) { x.biBitCount = 8; }, 40 + 1024 + 120, TRUE},
        {"8-bit without room for its table", [](BITMAPINFOHEADER& x) { x.biBitCount = 8; }, whole, FALSE},
        {"too many colours", [](BITMAPINFOHEADER& x) { x.biBitCount = 8, x.biClrUsed = 257; }, whole + 1024, FALSE},
        {"zero width", [](BITMAPINFOHEADER& x) { x.biWidth = 0; }, whole, FALSE},
        {"huge height", [](BITMAPINFOHEADER& x) { x.biHeight = 0x7FFFFFFF; }, whole, FALSE},
        {"smallest height", [](BITMAPINFOHEADER& x) { x.biHeight = (LONG)0x80000000; }, whole, FALSE},
        {"shorter than a header", [](BITMAPINFOHEADER&) {}, 39, FALSE},
    };
    for (const Case& c : cases)
    {
        BITMAPINFOHEADER x = h;
        c.change(x);
        memcpy(block.data(), &x, sizeof(x));
        EXPECT_EQ(DibFitsBlock(block.data(), c.size), c.fits) << c.what;
    }
}

TEST_F(ImageLibrary, AttachedDibsAreFreedAndReplaced)
{
    Image image;
    EXPECT_EQ(image.get_dib(), nullptr);
    EXPECT_EQ(image.width(), 0);
    for (int i = 0; i < 2; ++i)
    {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 40 + 8 * 4 + 4 * 2);
        BITMAPINFOHEADER* h = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
        h->biSize = 40, h->biWidth = 3 + i, h->biHeight = 2, h->biPlanes = 1, h->biBitCount = 4;
        h->biClrUsed = 8;
        image.attach(h);
        EXPECT_EQ(image.width(), 3 + i);
        EXPECT_EQ(image.height(), 2);
        EXPECT_EQ(image.numcolors(), 8);
        EXPECT_EQ(image.bits(), reinterpret_cast<BYTE*>(h) + 40 + 32);
        EXPECT_GE(image.dib_size(), 40u + 32 + 8);
    }
}

}
