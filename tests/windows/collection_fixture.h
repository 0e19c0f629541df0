#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_platform.h"
#include "script_lines.h"

// Running the program's own collection unattended on the scratch drives D: and E:.

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
