#include "execute_and_wait.h"

#include <windows.h>

#include <array>
#include <cstring>

#include "unique_handle.h"

int ExecuteAndWait(const std::string& commandLine, unsigned short showMode) {
    if (commandLine.size() > kMaxCommandLine) return -1;

    // CreateProcessA may write into its command line, so it gets a writable copy.
    std::array<char, kMaxCommandLine + 1> buffer{};
    std::memcpy(buffer.data(), commandLine.data(), commandLine.size());

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showMode;

    PROCESS_INFORMATION process{};
    const BOOL inheritHandles = ~0;  // on, with every bit set
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, inheritHandles,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    // Declared in this order so that the process handle is closed first, then the thread's.
    const UniqueHandle threadHandle(process.hThread);
    const UniqueHandle processHandle(process.hProcess);

    WaitForSingleObject(processHandle.get(), INFINITE);
    DWORD exitCode = 0;
    if (!GetExitCodeProcess(processHandle.get(), &exitCode)) return -1;
    return static_cast<int>(exitCode);
}
