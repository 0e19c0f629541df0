#pragma once

#include <string>

// File operations for paths of any length. The ANSI functions stop at MAX_PATH, and Windows'
// CreateDirectoryA already at 248 characters; these go through the wide functions with the
// "\\?\" prefix instead. Paths are absolute, code page 936 bytes, "\" as separator.

// Number of characters of a code page 936 text, a double-byte character counting as one.
std::size_t CharCount(const std::string& text);

// Creates the folder and every missing folder above it.
void MakeLongDirs(const std::string& path);
// Creates a small file whose last-write time is kStampUtc (see test_files.h).
void MakeLongStampedFile(const std::string& path);
// Deletes a file, or a folder with everything below it; nothing when absent.
void RemoveLongTree(const std::string& path);
