#pragma once

#include <string>

// Shows `text` (code page 936) in a message box that is modal for the whole program: centred on
// the screen, no icon, one button reading "OK" (whatever the system's language) that Enter and
// Esc both press, captioned with the application title. Returns when the user dismissed it.
void ShowNotice(const std::string& text);
