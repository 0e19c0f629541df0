#pragma once

#include <string>
#include <vector>

#include "win32_collection_platform.h"

// The real Win32 platform for runs nobody watches: notices and shell "open" requests are
// recorded instead of shown or started, so nothing waits for a person and nothing but cmd runs.
class RecordingPlatform : public Win32CollectionPlatform {
  public:
    RecordingPlatform() : Win32CollectionPlatform(nullptr) {}
    std::vector<std::string> notices;
    std::vector<std::string> opened;  // what a person's run would have opened

    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void ShellOpen(const std::string& path) override { opened.push_back(path); }
};
