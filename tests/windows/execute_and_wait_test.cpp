#include <gtest/gtest.h>

#include <chrono>

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

}  // namespace
