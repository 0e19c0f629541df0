#pragma once

#include <cstdint>
#include <string>

// What a collection run needs from the operating system. All texts and paths are code page 936
// bytes. The Win32 implementation is Win32CollectionPlatform; tests use a recording fake.
class CollectionPlatform {
  public:
    enum class WriteResult {
        Written,        // the file holds exactly the bytes given
        NotCreated,     // the file could not be opened for writing; nothing was touched
        PartlyWritten,  // the file was created or emptied, but not every byte reached it
    };

    virtual ~CollectionPlatform() = default;

    // Creates the file (or replaces an existing one) with exclusive access and writes `bytes`.
    virtual WriteResult WriteFile(const std::string& path, const std::string& bytes) = 0;
    // Runs `commandLine` as a new process with the given show mode and waits for its end.
    // Returns its exit code, or -1 when it could not be started.
    virtual int ExecuteAndWait(const std::string& commandLine, unsigned short showMode) = 0;
    // Shows `text` in the program's modal message box; returns once the user dismissed it.
    virtual void ShowNotice(const std::string& text) = 0;
    // Deletes the file; a failure is ignored. (Not DeleteFile: <windows.h> makes that a macro.)
    virtual void RemoveFile(const std::string& path) = 0;
    // Size of the file in bytes; 0 when it is absent or not a regular file.
    virtual std::uint64_t FileSize(const std::string& path) = 0;
    // Opens the file with the shell's "open" verb; a failure is ignored.
    virtual void ShellOpen(const std::string& path) = 0;
    // Disables the main window's Run button until the next folder choice.
    virtual void DisableRunButton() = 0;
};
