// Stands in for the shell's default program: appends the one argument it was started with
// (the file or address the shell opens, without the quotes around it) and CR LF to
// C:\recorder.log, then ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    std::string target = arguments;
    if (target.size() >= 2 && target.front() == '"' && target.back() == '"') {
        target = target.substr(1, target.size() - 2);
    }
    target += "\r\n";
    HANDLE log = CreateFileA("C:\\recorder.log", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(log, target.data(), static_cast<DWORD>(target.size()), &written, nullptr);
    CloseHandle(log);
    return 0;
}
