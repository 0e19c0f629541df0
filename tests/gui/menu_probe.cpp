#include "menu_probe.h"

#include <windows.h>

#include <cstdio>
#include <string>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    MenuProbe(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_NULL && call->wParam == kMenuProbeRequest) {
        std::string lines;
        const HMENU menu = GetMenu(call->hwnd);
        const int count = menu ? GetMenuItemCount(menu) : 0;
        for (int i = 0; i < count; ++i) {
            char text[256] = {};
            MENUITEMINFOA item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
            item.dwTypeData = text;
            item.cch = sizeof text;
            GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
            char flags[64];
            std::snprintf(flags, sizeof flags, "|%x%s", item.fType | item.fState,
                          item.hSubMenu ? "|submenu" : "");
            lines += std::to_string(item.wID) + "|" + text + flags + "\r\n";
        }
        const HANDLE file = CreateFileA(kMenuProbeFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
        CloseHandle(file);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
