// Every text these tests compare is code page 936 bytes, and the program converts its resource
// strings to the ANSI code page. On a machine where programs get another ANSI code page every
// collection test fails for that one reason; this test names it.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(TestMachine, ProgramsRunWithAnsiCodePage936) {
    EXPECT_EQ(GetACP(), 936u) << "Run the tests under a Chinese (PRC) system locale, or give the "
                                 "program's manifest <activeCodePage>zh-CN</activeCodePage>.";
}

}  // namespace
