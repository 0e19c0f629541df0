#include <gtest/gtest.h>

#include <string>

#include "compose_script.h"
#include "design_lines.inc"
#include "drive_prefix.h"

namespace {

ScriptLines DefaultScript() { return {std::begin(kDesignMemo1Lines), std::end(kDesignMemo1Lines)}; }
ScriptLines Pieces() { return {std::begin(kDesignMemo2Lines), std::end(kDesignMemo2Lines)}; }

const std::string kLine1Tail = " %%a in (.) do (pushd \"%%~fa\"";
const std::string kLine2Head =
    "for /f \"eol=| delims=\" %%i in ('dir /x/b/a-d/oN *.*') do echo+%%~nxi+ ";
const std::string kLine2Tail = "%%~pi%%~nxi+%%~ti+%%~xi>> C:\\文件清单.txt)";

TEST(DesignScript, DefaultScriptIsTheThreeDesignedLines) {
    EXPECT_EQ(ScriptText(DefaultScript()),
              "@echo off\r\n"
              "for /r D:\\手机软件 %%a in (.) do (pushd \"%%~fa\" \r\n"
              "for /f \"delims=\" %%i in ('dir /x/b/a-d/oN *.*') do echo  %%~nxi  "
              "D:%%~pi%%~nxi   %%~ti>> C:\\文件清单.txt)\r\n");
}

TEST(DesignScript, TemplatePiecesAreTheDesignedOnes) {
    EXPECT_EQ(
        Pieces(),
        (ScriptLines{"for /r", "%%a in (.) do (pushd \"%%~fa\"",
                     "for /f \"eol=| delims=\" %%i in ('dir /x/b/a-d/oN *.*') do echo+%%~nxi+",
                     "%%~pi%%~nxi+%%~ti+%%~xi>> C:\\文件清单.txt)"}));
}

struct CompositionCase {
    const char* name;
    std::string folder;
    std::string quotedFolder;  // as it must stand in line 1
    std::string prefix;        // as it must stand in line 2
};

void PrintTo(const CompositionCase& c, std::ostream* os) { *os << c.name; }

class Composition : public testing::TestWithParam<CompositionCase> {};

TEST_P(Composition, RewritesLinesOneAndTwoOnly) {
    const CompositionCase& c = GetParam();
    ScriptLines script = DefaultScript();
    ComposeScript(script, Pieces(), c.folder);

    ASSERT_EQ(script.size(), 3u);
    EXPECT_EQ(script[0], "@echo off");
    EXPECT_EQ(script[1], "for /r " + c.quotedFolder + kLine1Tail);
    EXPECT_EQ(script[2], kLine2Head + c.prefix + kLine2Tail);
}

const std::string kLongFolder = "D:\\" + std::string(120, 'a') + "\\" + std::string(130, 'b');

INSTANTIATE_TEST_SUITE_P(
    Folders, Composition,
    testing::Values(
        CompositionCase{"DriveRoot", "E:\\", "\"E:\\\"", "E:"},
        CompositionCase{"Plain", "D:\\data\\photos", "\"D:\\data\\photos\"", "D:"},
        CompositionCase{"Blanks", "D:\\my files\\a  b", "\"D:\\my files\\a  b\"", "D:"},
        CompositionCase{"CmdSeparators", "D:\\x&y,z;w=v", "\"D:\\x&y,z;w=v\"", "D:"},
        CompositionCase{"PercentSigns", "D:\\100%\\%PATH%", "\"D:\\100%%\\%%PATH%%\"", "D:"},
        // 踈 is 0xDB 0x5C and 稾 is 0xB7 0x58: trail bytes that read as "\" and "X".
        CompositionCase{"ChineseWithAsciiTrailBytes", "D:\\文件\\踈稾", "\"D:\\文件\\踈稾\"", "D:"},
        CompositionCase{"ChineseFirstCharacter", "踈X:\\a", "\"踈X:\\a\"", "踈X"},
        CompositionCase{"Unc", "\\\\server\\share\\dir", "\"\\\\server\\share\\dir\"", "\\\\"},
        CompositionCase{"Empty", "", "\"\"", ""},
        CompositionCase{"SeveralHundredCharacters", kLongFolder, "\"" + kLongFolder + "\"", "D:"}),
    [](const testing::TestParamInfo<CompositionCase>& info) { return info.param.name; });

TEST(Composition, LastChoiceWinsAndChoosingTwiceEqualsOnce) {
    ScriptLines once = DefaultScript();
    ComposeScript(once, Pieces(), "F:\\second");

    ScriptLines twice = DefaultScript();
    ComposeScript(twice, Pieces(), "E:\\first folder");
    ComposeScript(twice, Pieces(), "F:\\second");
    ComposeScript(twice, Pieces(), "F:\\second");

    EXPECT_EQ(twice, once);
    EXPECT_EQ(ScriptText(twice).find("first"), std::string::npos);
}

TEST(DrivePrefix, CountsDoubleByteCharactersAsOne) {
    const struct {
        std::string path, prefix;
    } cases[] = {
        {"E:\\", "E:"},
        {"\\\\srv\\x", "\\\\"},
        {"", ""},
        {"D", "D"},
        {"踈X:\\", "踈X"},
        {"文件夹", "文件"},
        {"\x81", "\x81"},  // a lead byte standing last
                           // is taken as it is
        {"A\x81", "A\x81"},
    };
    for (const auto& c : cases) EXPECT_EQ(DrivePrefix(c.path), c.prefix) << c.path;
}

}  // namespace
