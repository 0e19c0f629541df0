// The scripted demonstration the run command shows where nobody sits at a display: starts the
// program beside this file, answers the start-up warning, chooses a folder in the folder
// browser, runs a collection, answers the completion message and closes the window, saving a
// screenshot of each step. Exits 0 when every step came as expected.
//
//   demo.exe <folder to choose> <folder for screenshots>
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver.h"
#include "resource.h"
#include "screenshot.h"

namespace {

int step = 0;
std::string shots;

void Shot(const char* name, HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    char file[32];
    std::snprintf(file, sizeof file, "%02d-", ++step);
    SaveSettledScreenshot(area, shots + "\\" + file + name + ".bmp");
}

// Screenshots the next message box and presses its button. False when none came.
bool AnswerMessageBox(const ProgramDriver& program, const char* name) {
    const HWND box = program.WaitForMessageBox();
    if (!box) return false;
    Shot(name, box);
    PressKey(box, VK_RETURN);
    return WaitUntil([&] { return !IsWindow(box); });
}

bool Fail(const ProgramDriver& program, const char* what) {
    std::fprintf(stderr, "demo: %s; open: %s\n", what, program.DescribeWindows().c_str());
    return false;
}

bool RunDemo(const ProgramDriver& program, const std::string& folder) {
    if (!AnswerMessageBox(program, "warning")) return Fail(program, "no start-up warning");
    const HWND main = program.MainWindow();
    if (!WaitUntil([&] { return main && IsWindowVisible(main); })) {
        return Fail(program, "no main window");
    }
    Shot("main-window", main);

    PostMessageA(GetDlgItem(main, IDC_EDIT1), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 8));
    const HWND browser = program.WaitForFolderBrowser();
    if (!browser || !program.SelectInFolderBrowser(browser, folder)) {
        return Fail(program, "could not choose the folder");
    }
    Shot("folder-browser", browser);
    PostMessageA(browser, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(browser); });
    Settle(main);
    Shot("folder-chosen", main);

    PostMessageA(GetDlgItem(main, IDC_BUTTON5), BM_CLICK, 0, 0);
    if (!AnswerMessageBox(program, "collection-done")) return Fail(program, "no completion box");
    Settle(main);
    Shot("after-run", main);

    PostMessageA(main, WM_CLOSE, 0, 0);
    return program.WaitForExit() == 0 || Fail(program, "the program did not end");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: demo <folder to choose> <folder for screenshots>\n");
        return 2;
    }
    shots = argv[2];
    CreateDirectoryA(shots.c_str(), nullptr);
    char own[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string program = own;
    program = program.substr(0, program.rfind('\\') + 1) + "Project1.exe";

    const ProgramDriver driver(program, "C:\\");
    return driver.Started() && RunDemo(driver, argv[1]) ? 0 : 1;
}
