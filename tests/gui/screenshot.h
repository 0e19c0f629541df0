#pragma once

#include <windows.h>

#include <string>
#include <vector>

// What the screen shows inside an area, as 24-bit bottom-up rows (the BMP layout).
struct ScreenImage {
    int width = 0, height = 0;
    std::vector<char> pixels;
    bool operator==(const ScreenImage& other) const {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
};

ScreenImage CaptureScreen(const RECT& area);

// Captures `area` once the picture stays the same over two captures in a row (windows just
// shown or changed paint a little later), at most for `timeoutMs`, and saves it as a BMP file.
// Returns false when the file could not be written.
bool SaveSettledScreenshot(const RECT& area, const std::string& path, DWORD timeoutMs = 3000);

// The whole screen.
RECT ScreenArea();
