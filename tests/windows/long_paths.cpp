#include "long_paths.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "test_files.h"
#include "unique_handle.h"

namespace {

// Code page 936 to UTF-16, stated rather than taken from the process's ANSI code page.
std::wstring Wide(const std::string& text) {
    const int size =
        MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::wstring Extended(const std::wstring& path) { return L"\\\\?\\" + path; }

void RemoveWideTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(Extended(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(Extended(path).c_str());
        return;
    }
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(Extended(path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name != L"." && name != L"..") RemoveWideTree(path + L"\\" + name);
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(Extended(path).c_str());
}

}  // namespace

std::size_t CharCount(const std::string& text) { return Wide(text).size(); }

void MakeLongDirs(const std::string& path) {
    const std::wstring wide = Wide(path);
    // Every "\" after the drive ends a folder to create.
    for (std::size_t pos = 3; pos <= wide.size(); ++pos) {
        if (pos == wide.size() || wide[pos] == L'\\') {
            CreateDirectoryW(Extended(wide.substr(0, pos)).c_str(), nullptr);
        }
    }
    ASSERT_NE(GetFileAttributesW(Extended(wide).c_str()), INVALID_FILE_ATTRIBUTES) << path;
}

void MakeLongStampedFile(const std::string& path) {
    const std::wstring wide = Extended(Wide(path));
    {
        UniqueHandle file(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file.valid()) << path;
        DWORD written = 0;
        WriteFile(file.get(), "x", 1, &written, nullptr);
    }
    // Stamped through a second handle, as MakeStampedFile does, so that no write is pending.
    UniqueHandle file(CreateFileW(wide.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file.valid()) << path;
    FILETIME stamp;
    SystemTimeToFileTime(&kStampUtc, &stamp);
    SetFileTime(file.get(), nullptr, nullptr, &stamp);
}

void RemoveLongTree(const std::string& path) { RemoveWideTree(Wide(path)); }
