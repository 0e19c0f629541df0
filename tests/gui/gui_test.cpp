// The whole program as a person uses it: started, its warning dismissed, a folder chosen in the
// real folder browser, a collection run by the system's cmd, the menu used. Driven from this
// process through messages; every box the program shows is read, screenshotted and answered.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "driver.h"
#include "listing_lines.h"
#include "resource.h"
#include "screenshot.h"
#include "test_files.h"

namespace {

constexpr char kListing[] = "C:\\文件清单.txt";
constexpr char kScript[] = "D:\\temp.bat";
constexpr char kWarning[] =
    "敬告：本软件在运行过程中会被部分杀毒软件误报，请运行软件前关闭杀毒软件等安全软件。"
    "如果你也怀疑本软件有病毒，可以断开网络，在本程序使用完毕后进行全盘查杀后联网。"
    "运行采集后请勿操作电脑，采集完毕后会自动弹出结果。";
constexpr char kDone[] = "文件整理完毕。请查看文件C:\\文件清单.txt";
constexpr char kUsage[] =
    "点击运行采集后软件开始采集，采集中请勿进行其他操作，采集完毕后会自动弹出采集结果。"
    "结果可以导入excel表格中进行汇总分类统计。如果统计结果不令你满意，你可以联系我们为你定做。";

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string own = path;
    return own.substr(0, own.rfind('\\') + 1);
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scaled(int length) { return MulDiv(length, ScreenDpi(), 96); }

RECT WindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

// Horizontal and vertical distance of the window's centre from the centre of `area`.
std::pair<long, long> OffCentre(HWND window, const RECT& area) {
    const RECT rect = WindowRect(window);
    return {(rect.left + rect.right) / 2 - (area.left + area.right) / 2,
            (rect.top + rect.bottom) / 2 - (area.top + area.bottom) / 2};
}

// The usable part of the window's monitor, without the taskbar.
RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

class ProgramWindow : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* path : {kListing, kScript, kRecorderLog, "D:\\gui"}) RemoveTree(path);
        MakeDirs("D:\\cwd");
        MakeStampedFile("D:\\cwd\\SENTINEL.txt");
    }

    void TearDown() override {
        if (program_ && program_->Started() &&
            WaitForSingleObject(program_->Process(), 0) == WAIT_TIMEOUT) {
            Screenshot("left-open");
            ADD_FAILURE() << "the program was still running with:\n" << program_->DescribeWindows();
        }
        program_.reset();
        for (const char* path : {kListing, kScript, kRecorderLog, "D:\\gui"}) RemoveTree(path);
    }

    void Start(const std::string& executable = OwnFolder() + "Project1.exe") {
        program_ = std::make_unique<ProgramDriver>(executable, "D:\\cwd");
        ASSERT_TRUE(program_->Started()) << executable;
    }

    // Waits for the next message box, screenshots it, checks its caption, presses `key` in it
    // and waits until it has gone. Returns its text.
    std::string AnswerMessageBox(const char* shot, UINT key = VK_RETURN,
                                 const std::string& caption = "Project1") {
        const HWND box = program_->WaitForMessageBox();
        if (!box) {
            ADD_FAILURE() << "no message box came; open: " << program_->DescribeWindows();
            return {};
        }
        Screenshot(shot, box);
        EXPECT_EQ(Text(box), caption);
        const std::vector<std::string> texts = StaticTexts(box);
        PressKey(box, key);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }))
            << "the box did not close on key " << key;
        return texts.empty() ? std::string() : texts.back();
    }

    // Starts the program, answers the start-up warning and waits for the main window.
    HWND StartToMainWindow() {
        Start();
        if (HasFatalFailure()) return nullptr;
        EXPECT_EQ(AnswerMessageBox("warning"), kWarning);
        const HWND main = program_->MainWindow();
        EXPECT_TRUE(WaitUntil([&] { return main && IsWindowVisible(main); }));
        return main;
    }

    // Double-clicks the folder field and chooses `folder` in the folder browser.
    void ChooseFolder(HWND main, const std::string& folder, const char* shot) {
        const HWND edit = GetDlgItem(main, IDC_EDIT1);
        PostMessageA(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 8));
        const HWND browser = program_->WaitForFolderBrowser();
        ASSERT_TRUE(browser) << program_->DescribeWindows();
        ASSERT_TRUE(program_->SelectInFolderBrowser(browser, folder)) << folder;
        Screenshot(shot, browser);
        PostMessageA(browser, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(browser); }));
        Settle(main);
    }

    void Screenshot(const std::string& name, HWND window = nullptr) {
        char folder[MAX_PATH] = {};
        if (!GetEnvironmentVariableA("GUI_SCREENSHOTS", folder, MAX_PATH)) return;
        CreateDirectoryA(folder, nullptr);
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        SaveSettledScreenshot(window ? WindowRect(window) : ScreenArea(),
                              std::string(folder) + "\\" + test + "-" + name + ".bmp");
    }

    std::unique_ptr<ProgramDriver> program_;
};

TEST_F(ProgramWindow, StartsWithTheWarningThenShowsTheDesignedWindow) {
    Start();
    const HWND warning = program_->WaitForMessageBox();
    ASSERT_TRUE(warning) << program_->DescribeWindows();
    Screenshot("warning", warning);

    // The warning comes first, alone, centred on the screen, without icon, one "OK" button.
    const HWND main = program_->MainWindow();
    ASSERT_TRUE(main);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(Text(warning), "Project1");
    EXPECT_EQ(StaticTexts(warning), std::vector<std::string>{kWarning});
    EXPECT_EQ(Text(ChildOfClass(warning, "Button")), "OK");
    EXPECT_FALSE(ChildOfClass(warning, "Button", 1));
    for (HWND child : Children(warning)) {
        if (ClassOf(child) != "Static") continue;
        EXPECT_FALSE(SendMessageA(child, STM_GETICON, 0, 0)) << "an icon";
    }
    const auto [dx, dy] = OffCentre(warning, WorkArea(warning));
    EXPECT_LE(std::abs(dx), 1);
    EXPECT_LE(std::abs(dy), 1);

    PressKey(warning, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main); })) << program_->DescribeWindows();
    Screenshot("main", main);

    EXPECT_EQ(Text(main), "Varnelo");
    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    const RECT outer = WindowRect(main);
    EXPECT_EQ(outer.right - outer.left, Scaled(518));
    EXPECT_EQ(outer.bottom - outer.top, Scaled(144));
    const auto [mx, my] = OffCentre(main, WorkArea(main));
    EXPECT_LE(std::abs(mx), 1);
    EXPECT_LE(std::abs(my), 1);

    const struct {
        int id;
        const char* className;
        const char* text;
        RECT place;
    } controls[] = {
        {IDC_LABEL1, "Static", "请选择文件目录：", {16, 40, 16 + 121, 40 + 13}},
        {IDC_EDIT1, "Edit", "D:\\", {160, 36, 160 + 225, 36 + 21}},
        {IDC_BUTTON5, "Button", "运行采集", {400, 34, 400 + 75, 34 + 25}},
    };
    for (const auto& control : controls) {
        const HWND child = GetDlgItem(main, control.id);
        ASSERT_TRUE(child) << control.text;
        EXPECT_EQ(ClassOf(child), control.className);
        EXPECT_EQ(Text(child), control.text);
        EXPECT_TRUE(IsWindowVisible(child));
        const RECT place = PlaceInParent(child);
        EXPECT_EQ(place.left, Scaled(control.place.left)) << control.text;
        EXPECT_EQ(place.top, Scaled(control.place.top)) << control.text;
        EXPECT_EQ(place.right, Scaled(control.place.right)) << control.text;
        EXPECT_EQ(place.bottom, Scaled(control.place.bottom)) << control.text;
    }
    const HWND edit = GetDlgItem(main, IDC_EDIT1);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(program_->TooltipText(edit), "双击选定盘符或文件夹");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(main, IDC_BUTTON5)));

    // Left to right, no sub-menus, captions exactly as designed (no accelerator marks).
    const std::vector<std::string> menu = program_->MenuBar();
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].substr(0, menu[0].find('|', 4)), "101|欢迎定制开发各类软件");
    EXPECT_EQ(menu[1].substr(0, menu[1].find('|', 4)), "103|   ");
    EXPECT_EQ(menu[2].substr(0, menu[2].find('|', 4)), "102|使用方法");
    for (const std::string& item : menu) EXPECT_EQ(item.find("submenu"), std::string::npos);

    // Closing the window ends the program with exit code 0.
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), 0u);
}

TEST_F(ProgramWindow, ChooseRunAndRunAgainAfterANewChoice) {
    MakeDirs("D:\\gui\\相册\\子目录");
    MakeDirs("D:\\gui\\second");
    MakeStampedFile("D:\\gui\\相册\\a.txt");
    MakeStampedFile("D:\\gui\\相册\\子目录\\b.jpg");
    MakeStampedFile("D:\\gui\\second\\c.doc");
    const HWND main = StartToMainWindow();
    ASSERT_TRUE(main);
    const HWND edit = GetDlgItem(main, IDC_EDIT1);
    const HWND run = GetDlgItem(main, IDC_BUTTON5);

    // The field takes no typing: only the folder browser sets it.
    SendMessageA(edit, WM_CHAR, 'x', 0);
    SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    SendMessageA(edit, WM_CUT, 0, 0);
    EXPECT_EQ(Text(edit), "D:\\");

    // The browser opens owned by the window, which stays disabled while it is open.
    PostMessageA(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 8));
    const HWND browser = program_->WaitForFolderBrowser();
    ASSERT_TRUE(browser) << program_->DescribeWindows();
    EXPECT_EQ(GetWindow(browser, GW_OWNER), main);
    EXPECT_FALSE(IsWindowEnabled(main));
    const std::vector<std::string> prompts = StaticTexts(browser);
    EXPECT_NE(std::find(prompts.begin(), prompts.end(), "请指定文件夹"), prompts.end());
    ASSERT_TRUE(program_->SelectInFolderBrowser(browser, "D:\\gui\\相册"));
    Screenshot("browser", browser);
    PostMessageA(browser, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(browser); }));
    Settle(main);
    EXPECT_EQ(Text(edit), "D:\\gui\\相册");
    EXPECT_TRUE(IsWindowEnabled(run));

    PostMessageA(run, BM_CLICK, 0, 0);
    EXPECT_EQ(AnswerMessageBox("done", VK_ESCAPE), kDone);  // Esc presses "OK" as well
    EXPECT_EQ(WaitForRecorderLines(1), std::vector<std::string>{kListing});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(run); }));
    EXPECT_FALSE(Exists(kScript));
    const std::string first = ReadBytes(kListing);
    EXPECT_EQ(ListingLines(first), Sorted({ComposedLine("D:\\gui\\相册\\", "a.txt"),
                                           ComposedLine("D:\\gui\\相册\\子目录\\", "b.jpg")}));

    // Cancelling the browser changes nothing, and a disabled Run button stays disabled.
    PostMessageA(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 8));
    const HWND cancelled = program_->WaitForFolderBrowser();
    ASSERT_TRUE(cancelled);
    PostMessageA(cancelled, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(cancelled); }));
    Settle(main);
    EXPECT_EQ(Text(edit), "D:\\gui\\相册");
    EXPECT_FALSE(IsWindowEnabled(run));

    // A new choice re-arms the Run button; the second collection appends.
    ChooseFolder(main, "D:\\gui\\second", "second-browser");
    EXPECT_TRUE(IsWindowEnabled(run));
    PostMessageA(run, BM_CLICK, 0, 0);
    EXPECT_EQ(AnswerMessageBox("second-done"), kDone);
    EXPECT_EQ(WaitForRecorderLines(2), (std::vector<std::string>{kListing, kListing}));
    const std::string both = ReadBytes(kListing);
    EXPECT_EQ(both.substr(0, first.size()), first);
    EXPECT_EQ(ListingLines(both.substr(first.size())),
              std::vector<std::string>{ComposedLine("D:\\gui\\second\\", "c.doc")});

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), 0u);
}

TEST_F(ProgramWindow, ListingThatCannotBeWrittenIsReportedThroughTheWindow) {
    MakeDirs(kListing);
    MakeDirs("D:\\gui\\x");
    MakeStampedFile("D:\\gui\\x\\a.txt");
    const HWND main = StartToMainWindow();
    ASSERT_TRUE(main);
    ChooseFolder(main, "D:\\gui\\x", "browser");

    PostMessageA(GetDlgItem(main, IDC_BUTTON5), BM_CLICK, 0, 0);
    EXPECT_EQ(AnswerMessageBox("nothing-written"),
              "本次采集没有写入任何记录：所选文件夹中可能没有文件，或者本软件无权写入C:\\文件清单."
              "txt（可尝试以管理员身份运行）。");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(GetDlgItem(main, IDC_BUTTON5)); }));
    EXPECT_FALSE(Exists(kScript));

    // The usage box shows up next, so nothing else was opened in between.
    PostMessageA(main, WM_COMMAND, IDM_N2, 0);
    EXPECT_EQ(AnswerMessageBox("usage"), kUsage);
    EXPECT_TRUE(SplitLines(ReadBytes(kRecorderLog)).empty());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), 0u);
}

TEST_F(ProgramWindow, MenuShowsUsageOpensTheMakersPageAndTheSpacerDoesNothing) {
    const HWND main = StartToMainWindow();
    ASSERT_TRUE(main);

    PostMessageA(main, WM_COMMAND, IDM_N2, 0);
    EXPECT_EQ(AnswerMessageBox("usage"), kUsage);

    // The spacer and the maker's page show no box of the program's own: the next box to come
    // is the usage text asked for after them.
    PostMessageA(main, WM_COMMAND, IDM_N3, 0);
    PostMessageA(main, WM_COMMAND, IDM_N1, 0);
    PostMessageA(main, WM_COMMAND, IDM_N2, 0);
    EXPECT_EQ(AnswerMessageBox("usage-again"), kUsage);
    const std::vector<std::string> opened = WaitForRecorderLines(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].rfind("https://", 0), 0u) << opened[0];

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), 0u);
}

// The box caption is the executable's name up to its first dot, lower case after the first
// character.
TEST_F(ProgramWindow, BoxCaptionFollowsTheExecutablesName) {
    MakeDirs("D:\\gui");
    const std::string renamed = "D:\\gui\\MyTOOL.Build.v2.exe";
    ASSERT_TRUE(CopyFileA((OwnFolder() + "Project1.exe").c_str(), renamed.c_str(), FALSE));
    Start(renamed);
    if (HasFatalFailure()) return;
    EXPECT_EQ(AnswerMessageBox("renamed-warning", VK_RETURN, "Mytool"), kWarning);
    const HWND main = program_->MainWindow();
    ASSERT_TRUE(WaitUntil([&] { return main && IsWindowVisible(main); }));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program_->WaitForExit(), 0u);
}

}  // namespace
