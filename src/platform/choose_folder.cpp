#include "choose_folder.h"

#include <shlobj.h>

namespace {

// Sets the process's error mode for as long as it lives, then restores the earlier one.
class ScopedErrorMode {
  public:
    explicit ScopedErrorMode(UINT mode) : previous_(SetErrorMode(mode)) {}
    ~ScopedErrorMode() { SetErrorMode(previous_); }
    ScopedErrorMode(const ScopedErrorMode&) = delete;
    ScopedErrorMode& operator=(const ScopedErrorMode&) = delete;

  private:
    UINT previous_;
};

}  // namespace

std::optional<std::string> ChooseFolder(HWND owner, const std::string& prompt) {
    const ScopedErrorMode quiet(SEM_FAILCRITICALERRORS);

    char displayName[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pidlRoot = nullptr;  // the desktop
    browse.pszDisplayName = displayName;
    browse.lpszTitle = prompt.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;

    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
    if (!chosen) return std::nullopt;
    char path[MAX_PATH] = {};
    const bool isFolder = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    if (!isFolder) return std::nullopt;
    return std::string(path);
}
