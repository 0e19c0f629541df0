#pragma once

#include <windows.h>

#include "collection_platform.h"

// The collection run's operations on Windows, for the main window whose Run button is given.
class Win32CollectionPlatform : public CollectionPlatform {
  public:
    explicit Win32CollectionPlatform(HWND runButton) : runButton_(runButton) {}

    WriteResult WriteFile(const std::string& path, const std::string& bytes) override;
    int ExecuteAndWait(const std::string& commandLine, unsigned short showMode) override;
    void ShowNotice(const std::string& text) override;
    void RemoveFile(const std::string& path) override;
    std::uint64_t FileSize(const std::string& path) override;
    void ShellOpen(const std::string& path) override;
    void DisableRunButton() override;

  private:
    HWND runButton_;
};
