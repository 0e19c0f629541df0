#include "test_files.h"

#include <gtest/gtest.h>

bool IsWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"); }

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void MakeDirs(const std::string& path) {
    // Every "\" after the drive ends a folder to create; a trail byte 0x5C is no separator.
    for (std::size_t pos = 3; pos <= path.size(); ++pos) {
        if (pos < path.size() && IsDBCSLeadByteEx(936, static_cast<BYTE>(path[pos]))) {
            ++pos;
            continue;
        }
        if (pos == path.size() || path[pos] == '\\') {
            CreateDirectoryA(path.substr(0, pos).c_str(), nullptr);
        }
    }
    ASSERT_TRUE(Exists(path)) << path;
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..") RemoveTree(path + "\\" + name);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

void MakeStampedFile(const std::string& path) {
    WriteBytes(path, "x");
    FILETIME stamp;
    SystemTimeToFileTime(&kStampUtc, &stamp);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    SetFileTime(file, nullptr, nullptr, &stamp);
    CloseHandle(file);
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> WaitForRecorderLines(std::size_t count) {
    std::vector<std::string> lines;
    for (int waited = 0; waited < 10000; waited += 50) {
        lines = SplitLines(ReadBytes(kRecorderLog));
        if (lines.size() >= count) break;
        Sleep(50);
    }
    return lines;
}
