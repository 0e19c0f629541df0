#include <gtest/gtest.h>

#include "application_title.h"

namespace {

TEST(ApplicationTitle, NameBeforeFirstDotWithLaterAsciiLettersLowered) {
    const struct {
        const char* path;
        const char* title;
    } cases[] = {
        {"C:\\Tools\\Project1.exe", "Project1"},
        {"C:\\Tools\\MyTool.Final.v2.EXE", "Mytool"},
        {"C:\\A.B\\CAPS", "Caps"},  // dots in the folder do not count
        {"Project1.exe", "Project1"},
        {"C:\\x\\.hidden.exe", ""},
        {"D:\\工具\\文件ABC.exe", "文件abc"},
        // 踈 (0xDB 0x5C) ends in a byte that reads as "\", 稾 (0xB7 0x58) in one that reads "X":
        // neither is a folder separator nor a letter to lower.
        {"D:\\踈稾QR.exe", "踈稾qr"},
        {"D:\\bin\\Q踈稾.exe", "Q踈稾"},
    };
    for (const auto& c : cases) EXPECT_EQ(ApplicationTitle(c.path), c.title) << c.path;
}

}  // namespace
