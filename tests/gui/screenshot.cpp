#include "screenshot.h"

#include "driver.h"

RECT ScreenArea() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

namespace {

// Describes a 24-bit bottom-up image, as GetDIBits fills it and a BMP file stores it.
BITMAPINFOHEADER ImageHeader(const ScreenImage& image) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = image.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    return info;
}

}  // namespace

ScreenImage CaptureScreen(const RECT& area) {
    ScreenImage image;
    image.width = area.right - area.left;
    image.height = area.bottom - area.top;
    if (image.width <= 0 || image.height <= 0) return {};

    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, image.width, image.height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, image.width, image.height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info = ImageHeader(image);
    const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
    image.pixels.resize(stride * image.height);
    GetDIBits(memory, bitmap, 0, image.height, image.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

namespace {

bool SaveBmp(const ScreenImage& image, const std::string& path) {
    const BITMAPINFOHEADER info = ImageHeader(image);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(image.pixels.size());

    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, &header, sizeof header, &written, nullptr) &&
                    WriteFile(file, &info, sizeof info, &written, nullptr) &&
                    WriteFile(file, image.pixels.data(), static_cast<DWORD>(image.pixels.size()),
                              &written, nullptr);
    CloseHandle(file);
    return ok;
}

}  // namespace

bool SaveSettledScreenshot(const RECT& area, const std::string& path, DWORD timeoutMs) {
    ScreenImage image = CaptureScreen(area);
    WaitUntil(
        [&] {
            Sleep(100);
            ScreenImage next = CaptureScreen(area);
            const bool settled = next == image;
            image = std::move(next);
            return settled;
        },
        timeoutMs);
    return SaveBmp(image, path);
}
