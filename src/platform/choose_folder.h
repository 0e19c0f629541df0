#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Shows the system's classic folder browser, owned by `owner`, rooted at the desktop, with
// `prompt` above the tree and no folder preselected; only file-system folders can be confirmed.
// The system's critical-error boxes (such as "drive not ready") are suppressed while it is open.
// Returns the confirmed folder's path in the ANSI code page (at most 259 characters, ending in
// "\" only for a drive root), or nothing when the user cancelled.
std::optional<std::string> ChooseFolder(HWND owner, const std::string& prompt);
