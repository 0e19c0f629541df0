#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_lines.h"
#include "win32_collection_platform.h"

// Running the program's own collection unattended on the scratch drives D: and E:.

// The real Win32 platform, except that notices and shell "open" requests are recorded instead of
// shown or started: nothing waits for a person and nothing but cmd is started.
class RecordingPlatform : public Win32CollectionPlatform {
  public:
    RecordingPlatform() : Win32CollectionPlatform(nullptr) {}
    std::vector<std::string> notices, opened;

    void ShowNotice(const std::string& text) override { notices.push_back(text); }
    void ShellOpen(const std::string& path) override { opened.push_back(path); }
};

// The notices of a collection run, as the program words them.
extern const std::string kDoneNotice;
extern const std::string kWriteFailedNotice;
extern const std::string kNothingWrittenNotice;

// The program's default script with lines 1 and 2 composed for `folder`, from the program's own
// resources and composition code: what the Run button runs after the user chose `folder`.
ScriptLines ComposedScriptFor(const std::string& folder);

// ComposedLine (listing_lines.h) for the file at `path`, drive included. Its name must be ASCII:
// then the last "\" byte is the separator, whatever trail bytes the folder names hold.
std::string ComposedLineFor(const std::string& path);

// Each test starts with no listing and no script file, in the current folder D:\cwd that holds
// SENTINEL.txt (cmd starts there; that file must never reach a listing), and removes `Scratch()`
// before and after.
class ScratchCollection : public testing::Test {
  protected:
    static constexpr char kSentinel[] = "D:\\cwd\\SENTINEL.txt";

    void SetUp() override;
    void TearDown() override;
    // The folders and files this test creates on the scratch drives.
    virtual std::vector<std::string> Scratch() const = 0;

    RecordingPlatform platform;

  private:
    void RemoveAll() const;
};
