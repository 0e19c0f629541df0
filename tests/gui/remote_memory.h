#pragma once

#include <windows.h>

#include <string>

// A block of memory inside another process, for messages whose parameters are pointers that
// the system does not carry across processes (BFFM_SETSELECTION, TVM_GETITEM, TTM_ENUMTOOLS).
// Freed when it goes out of scope.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, std::size_t size)
        : process_(process),
          address_(
              VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The address inside the other process, `offset` bytes in.
    LPARAM At(std::size_t offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
    }
    void Write(const void* data, std::size_t size, std::size_t offset = 0) const {
        WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) const {
        ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
    }
    // A zero-terminated string stored `offset` bytes in.
    std::string ReadString(std::size_t offset, std::size_t capacity) const {
        std::string text(capacity, '\0');
        Read(text.data(), capacity, offset);
        return text.substr(0, text.find('\0'));
    }

  private:
    HANDLE process_;
    void* address_;
};
