#pragma once

#include <string>

// Longest command line ExecuteAndWait accepts; a longer one is refused and starts nothing.
constexpr std::size_t kMaxCommandLine = 512;

// Starts `commandLine` (code page 936) as a new process in a new console shown with `showMode`
// (SW_HIDE keeps a batch file's console invisible), blocks until the process ends and returns
// its exit code. Returns -1 at once when the process cannot be started or the line is too long.
int ExecuteAndWait(const std::string& commandLine, unsigned short showMode);
