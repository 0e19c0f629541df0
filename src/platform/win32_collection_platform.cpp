#include "win32_collection_platform.h"

#include "execute_and_wait.h"
#include "shell.h"
#include "show_notice.h"
#include "unique_handle.h"

CollectionPlatform::WriteResult Win32CollectionPlatform::WriteFile(const std::string& path,
                                                                   const std::string& bytes) {
    // Exclusive access (share mode 0) for as long as the file is being written.
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return WriteResult::NotCreated;
    DWORD written = 0;
    const bool complete = ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                      &written, nullptr) &&
                          written == bytes.size();
    return complete ? WriteResult::Written : WriteResult::PartlyWritten;
}

int Win32CollectionPlatform::ExecuteAndWait(const std::string& commandLine,
                                            unsigned short showMode) {
    return ::ExecuteAndWait(commandLine, showMode);
}

void Win32CollectionPlatform::ShowNotice(const std::string& text) { ::ShowNotice(text); }

void Win32CollectionPlatform::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

std::uint64_t Win32CollectionPlatform::FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return 0;
    }
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void Win32CollectionPlatform::ShellOpen(const std::string& path) { ShellOpenFile(path); }

void Win32CollectionPlatform::DisableRunButton() { EnableWindow(runButton_, FALSE); }
