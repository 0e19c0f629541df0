#pragma once

#include <windows.h>

// Moves the window, keeping its size, to the centre of the usable area (the work area, without
// the taskbar) of the monitor it is on.
void CentreOnScreen(HWND window);
