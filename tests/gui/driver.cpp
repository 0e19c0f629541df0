#include "driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include "menu_probe.h"
#include "remote_memory.h"

namespace {

constexpr UINT kSendTimeoutMs = 5000;

std::vector<HWND> TopLevelWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->processId) search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ReadFileBytes(const char* path) {
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    char buffer[4096];
    DWORD read = 0;
    std::string bytes;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

// The folder of this test program, where the hook DLL lies beside it.
std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(20);
    }
    return true;
}

std::string Text(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length);
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    text.resize(copied);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND ChildOfClass(HWND parent, const char* className, int index) {
    for (HWND child : Children(parent)) {
        if (lstrcmpiA(ClassOf(child).c_str(), className) == 0 && index-- == 0) return child;
    }
    return nullptr;
}

std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child : Children(dialog)) {
        if (lstrcmpiA(ClassOf(child).c_str(), "Static") != 0) continue;
        std::string text = Text(child);
        if (!text.empty()) texts.push_back(std::move(text));
    }
    return texts;
}

RECT PlaceInParent(HWND child) {
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void PressKey(HWND window, UINT virtualKey) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    const HWND target = thread.hwndFocus ? thread.hwndFocus : window;
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (3u << 30));
}

void Settle(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kWaitMs, &ignored);
}

ProgramDriver::ProgramDriver(const std::string& executable, const std::string& currentFolder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + executable + "\"";
    if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentFolder.c_str(), &startup, &process_)) {
        process_ = {};
        return;
    }
    WaitForInputIdle(process_.hProcess, kWaitMs);
}

ProgramDriver::~ProgramDriver() {
    if (!Started()) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, kWaitMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND ProgramDriver::MainWindow() const {
    for (HWND window : TopLevelWindows(process_.dwProcessId)) {
        if (ClassOf(window) == "TForm1") return window;
    }
    return nullptr;
}

std::vector<HWND> ProgramDriver::Dialogs() const {
    std::vector<HWND> dialogs;
    for (HWND window : TopLevelWindows(process_.dwProcessId)) {
        if (ClassOf(window) == "#32770" && IsWindowVisible(window)) dialogs.push_back(window);
    }
    return dialogs;
}

HWND ProgramDriver::WaitForDialog(const std::function<bool(HWND)>& accept, DWORD timeoutMs) const {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : Dialogs()) {
                if (accept(dialog)) {
                    found = dialog;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

HWND ProgramDriver::WaitForMessageBox(DWORD timeoutMs) const {
    return WaitForDialog(
        [](HWND dialog) {
            return !ChildOfClass(dialog, WC_TREEVIEWA) && ChildOfClass(dialog, "Button");
        },
        timeoutMs);
}

HWND ProgramDriver::WaitForFolderBrowser(DWORD timeoutMs) const {
    return WaitForDialog([](HWND dialog) { return ChildOfClass(dialog, WC_TREEVIEWA) != nullptr; },
                         timeoutMs);
}

std::string ProgramDriver::DescribeWindows() const {
    std::string description;
    for (HWND window : TopLevelWindows(process_.dwProcessId)) {
        if (!IsWindowVisible(window)) continue;
        description += "[" + ClassOf(window) + "] \"" + Text(window) + "\"";
        for (const std::string& text : StaticTexts(window)) description += " \"" + text + "\"";
        description += "\n";
    }
    return description.empty() ? "no window open" : description;
}

DWORD ProgramDriver::WaitForExit(DWORD timeoutMs) const {
    WaitForSingleObject(process_.hProcess, timeoutMs);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
}

bool ProgramDriver::SelectInFolderBrowser(HWND browser, const std::string& folder) const {
    // BFFM_SETSELECTION takes a pointer to the path: it must point into the program's memory.
    RemoteMemory path(process_.hProcess, folder.size() + 1);
    path.Write(folder.c_str(), folder.size() + 1);
    const std::string leaf = folder.substr(folder.find_last_of('\\') + 1);

    const HWND tree = ChildOfClass(browser, WC_TREEVIEWA);
    RemoteMemory item(process_.hProcess, sizeof(TVITEMA) + MAX_PATH);
    return WaitUntil([&] {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(browser, BFFM_SETSELECTIONA, TRUE, path.At(), SMTO_ABORTIFHUNG,
                            kSendTimeoutMs, &ignored);
        DWORD_PTR selected = 0;
        SendMessageTimeoutA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                            &selected);
        if (!selected) return false;
        TVITEMA request{};
        request.mask = TVIF_TEXT;
        request.hItem = reinterpret_cast<HTREEITEM>(selected);
        request.pszText = reinterpret_cast<char*>(item.At(sizeof(TVITEMA)));
        request.cchTextMax = MAX_PATH;
        item.Write(&request, sizeof request);
        DWORD_PTR ok = 0;
        SendMessageTimeoutA(tree, TVM_GETITEMA, 0, item.At(), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                            &ok);
        return ok && item.ReadString(sizeof(TVITEMA), MAX_PATH) == leaf;
    });
}

std::vector<std::string> ProgramDriver::MenuBar() const {
    const HWND main = MainWindow();
    const HMODULE probe = LoadLibraryA((OwnFolder() + "menu_probe.dll").c_str());
    if (!main || !probe) return {};
    const auto hookProc =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(probe, kMenuProbeProc)));
    const HHOOK hook =
        SetWindowsHookExA(WH_CALLWNDPROC, hookProc, probe, GetWindowThreadProcessId(main, nullptr));
    DeleteFileA(kMenuProbeFile);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_NULL, kMenuProbeRequest, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &ignored);
    UnhookWindowsHookEx(hook);
    FreeLibrary(probe);

    std::vector<std::string> items;
    const std::string bytes = ReadFileBytes(kMenuProbeFile);
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        items.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return items;
}

std::string ProgramDriver::TooltipText(HWND tool) const {
    for (HWND window : TopLevelWindows(process_.dwProcessId)) {
        if (ClassOf(window) != TOOLTIPS_CLASSA) continue;
        const int count = static_cast<int>(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
        // TTM_ENUMTOOLS fills a TOOLINFO and copies the text to the buffer it points at: both
        // must live in the program's memory.
        RemoteMemory memory(process_.hProcess, sizeof(TOOLINFOA) + 1024);
        for (int i = 0; i < count; ++i) {
            TOOLINFOA info{};
            info.cbSize = sizeof info;
            info.lpszText = reinterpret_cast<char*>(memory.At(sizeof(TOOLINFOA)));
            memory.Write(&info, sizeof info);
            if (!SendMessageA(window, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), memory.At()))
                continue;
            memory.Read(&info, sizeof info);
            if (info.uId == reinterpret_cast<UINT_PTR>(tool)) {
                return memory.ReadString(sizeof(TOOLINFOA), 1024);
            }
        }
    }
    return {};
}
