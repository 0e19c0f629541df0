#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>

#include "execute_and_wait.h"
#include "test_files.h"

namespace {

constexpr unsigned short kHidden = SW_HIDE;

TEST(ExecuteAndWait, MissingProgramGivesMinusOneWithoutWaiting) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ExecuteAndWait("D:\\no such folder\\missing.bat", kHidden), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST(ExecuteAndWait, ReturnsTheChildsExitCodeAfterItEnded) {
    WriteBytes("D:\\exit3.bat", "@echo off\r\necho done> D:\\exit3.txt\r\nexit /b 3\r\n");
    EXPECT_EQ(ExecuteAndWait("D:\\exit3.bat", kHidden), 3);
    EXPECT_EQ(ReadBytes("D:\\exit3.txt"), "done\r\n");  // the child had finished its work
    EXPECT_EQ(ExecuteAndWait("cmd.exe /c exit 0", kHidden), 0);
    RemoveTree("D:\\exit3.bat");
    RemoveTree("D:\\exit3.txt");
}

// The command line must fit the 513-byte buffer: 512 characters run, 513 start nothing.
TEST(ExecuteAndWait, LineOverFiveHundredTwelveCharactersStartsNothing) {
    const std::string command = "cmd.exe /c echo x> D:\\started.txt & rem ";
    const std::string fits = command + std::string(kMaxCommandLine - command.size(), 'a');
    const std::string tooLong = fits + "a";

    EXPECT_EQ(ExecuteAndWait(tooLong, kHidden), -1);
    EXPECT_FALSE(Exists("D:\\started.txt"));

    EXPECT_EQ(ExecuteAndWait(fits, kHidden), 0);
    EXPECT_TRUE(Exists("D:\\started.txt"));
    RemoveTree("D:\\started.txt");
}

// Polls `done` until it holds, for at most `timeoutMs`.
bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    for (int waited = 0; !done(); waited += 20) {
        if (waited >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

bool AnyConsoleVisible() {
    bool visible = false;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (IsWindowVisible(window) && std::string(name).find("Console") != std::string::npos) {
                *reinterpret_cast<bool*>(found) = true;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&visible));
    return visible;
}

// Runs a batch file that waits for D:\go, and answers whether its console was visible while it
// waited.
bool ConsoleVisibleWhileRunning(unsigned short showMode) {
    RemoveTree("D:\\go");
    RemoveTree("D:\\waiting");
    WriteBytes("D:\\wait.bat",
               "@echo off\r\necho x> D:\\waiting\r\n:loop\r\nif not exist D:\\go goto loop\r\n");
    auto run =
        std::async(std::launch::async, [&] { return ExecuteAndWait("D:\\wait.bat", showMode); });
    EXPECT_TRUE(WaitFor([] { return Exists("D:\\waiting"); }, 10000));
    // A console shows within moments of its batch running; give it two seconds to appear.
    const bool visible = WaitFor(AnyConsoleVisible, 2000);
    WriteBytes("D:\\go", "");
    EXPECT_EQ(run.get(), 0);
    for (const char* path : {"D:\\go", "D:\\waiting", "D:\\wait.bat"}) RemoveTree(path);
    return visible;
}

TEST(ExecuteAndWait, BatchConsoleStaysHiddenWithShowModeZero) {
    EXPECT_TRUE(ConsoleVisibleWhileRunning(SW_SHOWNORMAL));  // the check can see a console
    EXPECT_FALSE(ConsoleVisibleWhileRunning(SW_HIDE));
}

}  // namespace
