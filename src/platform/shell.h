#pragma once

#include <windows.h>

#include <string>

// Opens a file with the shell's "open" verb (its default program), owned by no window.
// A failure is ignored.
void ShellOpenFile(const std::string& path);

// Opens a web address with the shell's default verb (the default browser), owned by `owner`.
// A failure is ignored: the shell tells the user if it has anything to say.
void ShellOpenAddress(HWND owner, const std::string& address);
