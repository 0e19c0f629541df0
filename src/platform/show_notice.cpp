#include "show_notice.h"

#include <windows.h>

#include <utility>

#include "application_title.h"
#include "centre_on_screen.h"

namespace {

HHOOK noticeHook = nullptr;

// Catches the message box as it is first activated, before the user sees it: the system labels
// its button in the system's language (确定 on a Chinese system) and centres it on its owner.
LRESULT CALLBACK OnNoticeActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        SetDlgItemTextA(box, IDOK, "OK");
        CentreOnScreen(box);
        UnhookWindowsHookEx(std::exchange(noticeHook, nullptr));
        return 0;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string ModuleApplicationTitle() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ApplicationTitle(path);
}

}  // namespace

void ShowNotice(const std::string& text) {
    noticeHook = SetWindowsHookExA(WH_CBT, OnNoticeActivate, nullptr, GetCurrentThreadId());
    // MB_TASKMODAL with no owner disables every window of this thread while the box is up;
    // MB_SETFOREGROUND brings it to the front when a long collection ends behind other windows.
    MessageBoxA(nullptr, text.c_str(), ModuleApplicationTitle().c_str(),
                MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
    if (noticeHook) UnhookWindowsHookEx(std::exchange(noticeHook, nullptr));
}
