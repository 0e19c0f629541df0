#pragma once

#include <windows.h>

// Dots per inch of the monitor the window is on; the system's setting where Windows cannot
// tell per window (before Windows 10).
UINT WindowDpi(HWND window);

// A length designed at 96 DPI, at `dpi`.
inline int Scaled(int length, UINT dpi) { return MulDiv(length, static_cast<int>(dpi), 96); }
