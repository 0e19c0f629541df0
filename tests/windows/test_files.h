#pragma once

#include <windows.h>

#include <string>
#include <vector>

// File helpers for the Windows-side tests. Paths and contents are code page 936 bytes.

// True when running under Wine, whose cmd differs from Windows' in known ways.
bool IsWine();

bool Exists(const std::string& path);
// The file's bytes; empty when it is absent.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// Creates the folder and every missing folder above it.
void MakeDirs(const std::string& path);
// Deletes a file, or a folder with everything below it; nothing when absent.
void RemoveTree(const std::string& path);
// Creates a small file whose last-write time is kStampUtc.
void MakeStampedFile(const std::string& path);
// Splits at CR LF; a last line without CR LF counts too.
std::vector<std::string> SplitLines(const std::string& bytes);

// The last-write time MakeStampedFile gives, and how Wine's cmd prints it with %~t (always UTC).
constexpr SYSTEMTIME kStampUtc{2024, 3, 2, 5, 7, 8, 0, 0};
constexpr char kWineStamp[] = "2024/3/5 07:08";

// The shell "open" handler of the test prefix logs here, one line per call.
constexpr char kRecorderLog[] = "C:\\recorder.log";
// Waits until the recorder has logged at least `count` lines (at most 10 s), then returns them.
std::vector<std::string> WaitForRecorderLines(std::size_t count);
