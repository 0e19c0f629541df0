// Folders whose full path comes close to the 259 characters the folder browser can return.
// Composition, writing and launching the script do not depend on the length: the command line is
// only the script's path. cmd itself handles a path as long as it fits MAX_PATH (259 characters
// and the terminating null): every file path and the search pattern "<folder>\*.*" that "dir"
// builds. Beyond that its behaviour differs between Windows and Wine and is not checked here.
#include <gtest/gtest.h>

#include <iterator>

#include "collection_fixture.h"
#include "collection_run.h"
#include "listing_lines.h"
#include "long_paths.h"
#include "test_files.h"

namespace {

const std::string kBase = "D:\\长路径";

// A folder path of exactly `length` characters below kBase, mixing ASCII, blanks and Chinese
// characters (踈 has the trail byte "\"), in folders of at most 40 characters.
std::string LongFolder(std::size_t length) {
    static const char* const kCycle[] = {"长", "路", "径", " ", "踈", "稾", "a", "b", "&", "9"};
    std::string path = kBase + "\\";
    std::size_t chars = CharCount(path), inFolder = 0, next = 0;
    while (chars < length) {
        const bool last = chars + 1 == length;
        std::string piece = kCycle[next++ % std::size(kCycle)];
        if (inFolder == 40 && !last) {
            piece = "\\";
            --next;
            inFolder = 0;
        } else {
            // A folder name neither ends in a blank nor is followed by its "\" that way.
            if (piece == " " && (last || inFolder == 39)) piece = "z";
            ++inFolder;
        }
        path += piece;
        ++chars;
    }
    return path;
}

// Records what reached the script file and the launcher, then does the real work.
class LaunchRecordingPlatform : public RecordingPlatform {
  public:
    std::vector<std::string> launched;  // the command lines ExecuteAndWait was given
    std::string scriptAtLaunch;         // the script file's bytes when it was launched
    int exitCode = -1;

    int ExecuteAndWait(const std::string& commandLine, unsigned short showMode) override {
        launched.push_back(commandLine);
        scriptAtLaunch = ReadBytes(ScriptFilePath);
        exitCode = RecordingPlatform::ExecuteAndWait(commandLine, showMode);
        return exitCode;
    }
};

struct LongCase {
    std::size_t folderLength;
    // Relative to the folder; empty when cmd's handling of this length is not defined.
    std::vector<std::string> listedFiles;
};

void PrintTo(const LongCase& c, std::ostream* os) { *os << c.folderLength << " characters"; }

class LongPath : public ScratchCollection, public testing::WithParamInterface<LongCase> {
  protected:
    std::vector<std::string> Scratch() const override { return {kBase}; }
    LaunchRecordingPlatform launcher;
};

TEST_P(LongPath, ScriptIsComposedWrittenAndLaunchedAndListsWhatFitsMaxPath) {
    const LongCase& c = GetParam();
    const std::string folder = LongFolder(c.folderLength);
    ASSERT_EQ(CharCount(folder), c.folderLength);
    MakeLongDirs(folder);
    std::vector<std::string> expected;
    for (const std::string& file : c.listedFiles) {
        const std::string path = folder + "\\" + file;
        ASSERT_LE(CharCount(path), 259u) << "the table must stay within MAX_PATH";
        MakeLongDirs(path.substr(0, path.rfind('\\')));
        MakeLongStampedFile(path);
        expected.push_back(ComposedLineFor(path));
    }
    // Something to list where cmd's handling is not defined; its line is not checked.
    if (c.listedFiles.empty()) MakeLongStampedFile(folder + "\\a");

    const ScriptLines script = ComposedScriptFor(folder);
    RunCollection(launcher, script);

    ASSERT_EQ(script.size(), 3u);
    EXPECT_EQ(script[1], "for /r \"" + folder + "\" %%a in (.) do (pushd \"%%~fa\"");
    EXPECT_NE(script[2].find("+ D:%%~pi%%~nxi+"), std::string::npos) << script[2];
    EXPECT_EQ(launcher.launched, std::vector<std::string>{ScriptFilePath});
    EXPECT_EQ(launcher.scriptAtLaunch, ScriptFileContent(script));
    EXPECT_NE(launcher.exitCode, -1);
    EXPECT_FALSE(Exists(ScriptFilePath));
    EXPECT_EQ(launcher.notices.size(), 1u);
    if (c.listedFiles.empty()) return;

    EXPECT_EQ(ListingLines(ReadBytes(ListingFilePath)), Sorted(expected));
    EXPECT_EQ(launcher.notices, std::vector<std::string>{kDoneNotice});
}

// The longest file paths are exactly 259 characters; up to a folder of 255 characters the
// pattern "<folder>\*.*" still fits.
INSTANTIATE_TEST_SUITE_P(NearTheBrowsersLimit, LongPath,
                         testing::Values(LongCase{250, {"a.txt", "abcd.txt", "s\\b.t"}},
                                         LongCase{252, {"ab.txt", "a"}}, LongCase{254, {"a.b"}},
                                         LongCase{255, {"abc"}}, LongCase{256, {}},
                                         LongCase{257, {}}, LongCase{258, {}}),
                         [](const testing::TestParamInfo<LongCase>& info) {
                             return std::to_string(info.param.folderLength) + "Characters";
                         });

}  // namespace
