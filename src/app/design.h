#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "script_lines.h"

// Reads the main window's design data from the program's resources (Project1.rc).

// The string with this identifier, converted from UTF-16 to the ANSI code page; empty when the
// resource is missing.
std::string LoadDesignString(UINT id);

// The strings numbered firstId, firstId + 1, ... up to the first one that is missing.
ScriptLines LoadDesignLines(UINT firstId);

// A control's place in pixels at 96 DPI, relative to the window's client area.
struct ControlPlace {
    int id, left, top, width, height;
};

struct FormLayout {
    int outerWidth, outerHeight;  // frame included, at 96 DPI
    int fontHeight;               // LOGFONT height at 96 DPI
    std::vector<ControlPlace> controls;
};

FormLayout LoadFormLayout();
