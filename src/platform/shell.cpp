#include "shell.h"

#include <shellapi.h>

void ShellOpenFile(const std::string& path) {
    ShellExecuteA(nullptr, "open", path.c_str(), "", "", SW_SHOWNORMAL);
}

void ShellOpenAddress(HWND owner, const std::string& address) {
    ShellExecuteA(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
