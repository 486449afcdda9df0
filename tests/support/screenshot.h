// Screenshots of the window tests: what a window shows on the screen as a
// 24-bit BMP file in the build tree, kept as a test artefact.
#pragma once
#include "afxwin.h"
#include <stdlib.h>
#include <string>
#include <vector>

// Writes a 24-bit BMP of what the window shows on the screen.
inline bool SaveScreenshot(CWnd* pWnd, const char* path)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    int width = rect.Width(), height = rect.Height();
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(mem, old);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels((size_t)stride * height);
    ::GetDIBits(mem, bmp, 0, height, pixels.data(), (BITMAPINFO*)&info, DIB_RGB_COLORS);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);

    // File and info headers field by field, little-endian.
    std::vector<BYTE> file;
    auto put16 = [&file](unsigned v) { file.push_back(v & 0xFF); file.push_back((v >> 8) & 0xFF); };
    auto put32 = [&file](unsigned v) { for (int i = 0; i < 4; i++) file.push_back((v >> (8 * i)) & 0xFF); };
    unsigned dataSize = (unsigned)pixels.size();
    put16(0x4D42);
    put32(14 + 40 + dataSize);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32((unsigned)width);
    put32((unsigned)height);
    put16(1);
    put16(24);
    put32(BI_RGB);
    put32(dataSize);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    file.insert(file.end(), pixels.begin(), pixels.end());
    HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(h, file.data(), (DWORD)file.size(), &written, nullptr);
    ::CloseHandle(h);
    return ok && written == file.size();
}

// The screenshot goes into the build tree: the folder that holds the Wine
// prefix (WINEPREFIX is <build>/wineprefix), else beside the program.
inline std::string ScreenshotPath(const char* name)
{
    const char* prefix = getenv("WINEPREFIX");
    std::string dir;
    if (prefix && *prefix == '/')
    {
        dir = std::string("Z:") + prefix;
        for (char& c : dir)
            if (c == '/')
                c = '\\';
        size_t slash = dir.find_last_of('\\');
        dir = dir.substr(0, slash + 1);
    }
    else
    {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, path, sizeof(path));
        if (char* slash = strrchr(path, '\\'))
            slash[1] = 0;
        dir = path;
    }
    return dir + name;
}
