// Real collections: the program's script lists and composition, the Win32 platform layer and the
// system's cmd, on fixture folders under D: and E: that the test prefix maps to scratch folders.
#include <gtest/gtest.h>

#include "collection_run.h"
#include "compose_script.h"
#include "design.h"
#include "listing_lines.h"
#include "recording_platform.h"
#include "resource.h"
#include "test_files.h"

namespace {

// Records the shell calls and passes them on to the real shell, whose "open" handler in the test
// prefix is the recorder.
class ShellRecordingPlatform : public RecordingPlatform {
  public:
    void ShellOpen(const std::string& path) override {
        RecordingPlatform::ShellOpen(path);
        Win32CollectionPlatform::ShellOpen(path);
    }
};

const std::string kDone = "文件整理完毕。请查看文件C:\\文件清单.txt";

class Collection : public testing::Test {
  protected:
    void SetUp() override {
        RemoveFixtures();
        // cmd starts in the program's current folder; nothing of it may reach the listing.
        MakeDirs("D:\\cwd");
        MakeStampedFile("D:\\cwd\\SENTINEL.txt");
        SetCurrentDirectoryA("D:\\cwd");
    }

    void TearDown() override {
        SetCurrentDirectoryA("C:\\");
        RemoveFixtures();
    }

    static void RemoveFixtures() {
        for (const char* path : {ListingFilePath, ScriptFilePath, kRecorderLog, "D:\\fixture",
                                 "D:\\手机软件", "D:\\stale-ran.txt", "E:\\root.txt", "E:\\dir"}) {
            RemoveTree(path);
        }
    }

    // Creates each file (relative to `root`) and returns the lines a composed script writes.
    static std::vector<std::string> MakeTree(const std::string& root,
                                             const std::vector<std::string>& files) {
        std::vector<std::string> expected;
        for (const std::string& file : files) {
            const std::string path = root + file;
            const std::size_t slash = path.rfind('\\');
            MakeDirs(path.substr(0, slash));
            MakeStampedFile(path);
            expected.push_back(ComposedLine(path.substr(0, slash + 1), path.substr(slash + 1)));
        }
        return Sorted(expected);
    }

    static ScriptLines ComposedFor(const std::string& folder) {
        ScriptLines script = LoadDesignLines(IDS_MEMO1_LINE0);
        ComposeScript(script, LoadDesignLines(IDS_MEMO2_LINE0), folder);
        return script;
    }

    ShellRecordingPlatform platform;
};

struct TreeCase {
    const char* name;
    std::string folder;  // as the folder browser returns it
    std::string root;    // the folder again, ending in "\"
    std::vector<std::string> files;
};

void PrintTo(const TreeCase& c, std::ostream* os) { *os << c.name; }

class CollectionOfTree : public Collection, public testing::WithParamInterface<TreeCase> {};

TEST_P(CollectionOfTree, ListsEveryFileOnceWithItsPathAndNothingElse) {
    const TreeCase& c = GetParam();
    const std::vector<std::string> expected = MakeTree(c.root, c.files);
    // A file beside the chosen folder must stay out of the listing.
    MakeDirs("D:\\fixture");
    MakeStampedFile("D:\\fixture\\NEIGHBOUR.txt");

    RunCollection(platform, ComposedFor(c.folder));

    const std::string listing = ReadBytes(ListingFilePath);
    EXPECT_EQ(ListingLines(listing), expected);
    ASSERT_GE(listing.size(), 2u);
    EXPECT_EQ(listing.substr(listing.size() - 2), "\r\n");
    EXPECT_EQ(platform.notices, std::vector<std::string>{kDone});
    EXPECT_FALSE(Exists(ScriptFilePath));
    EXPECT_EQ(platform.opened, std::vector<std::string>{ListingFilePath});
}

INSTANTIATE_TEST_SUITE_P(
    Folders, CollectionOfTree,
    testing::Values(
        TreeCase{
            "Ascii",
            "D:\\fixture\\plain",
            "D:\\fixture\\plain\\",
            // for /f skips lines starting with its end-of-line character, ";" by default.
            {"a.txt", "noext", "b.tar.gz", ";semicolon.txt", "sub\\c.log", "sub\\deeper\\d.TXT"}},
        TreeCase{"ChineseFolders",
                 "D:\\fixture\\中文目录",
                 "D:\\fixture\\中文目录\\",
                 {"x.txt", "子目录\\y.doc", "踈稾\\z.csv"}},
        // Unquoted, this name ended the for command early and cmd listed its current folder.
        TreeCase{"BlanksAmpersandPercent",
                 "D:\\fixture\\a b&c%d",
                 "D:\\fixture\\a b&c%d\\",
                 {"f.txt", "x y\\g.txt", "100%\\h.txt"}},
        TreeCase{"DriveRoot", "E:\\", "E:\\", {"root.txt", "dir\\deep.txt"}}));

TEST_F(Collection, DefaultScriptListsTheDefaultFolderInItsOwnFormat) {
    MakeTree("D:\\手机软件\\", {"app.apk", "子目录\\readme.txt"});

    RunCollection(platform, LoadDesignLines(IDS_MEMO1_LINE0));

    // Blank-separated, no extension field; the leading blank comes from "echo  ".
    EXPECT_EQ(
        SplitLines(ReadBytes(ListingFilePath)),
        (std::vector<std::string>{" app.apk  D:\\手机软件\\app.apk   " + Stamp(),
                                  " readme.txt  D:\\手机软件\\子目录\\readme.txt   " + Stamp()}));
    EXPECT_EQ(platform.notices, std::vector<std::string>{kDone});
    EXPECT_FALSE(Exists(ScriptFilePath));
    // The shell really started the "open" handler for the listing.
    EXPECT_EQ(WaitForRecorderLines(1), std::vector<std::string>{"C:\\文件清单.txt"});
}

TEST_F(Collection, AppendsAndNeverTouchesEarlierBytes) {
    WriteBytes(ListingFilePath, "earlier line\r\n");
    MakeTree("D:\\fixture\\one\\", {"1.txt"});
    MakeTree("D:\\fixture\\two\\", {"2.txt", "3.txt"});

    RunCollection(platform, ComposedFor("D:\\fixture\\one"));
    const std::string afterFirst = ReadBytes(ListingFilePath);
    RunCollection(platform, ComposedFor("D:\\fixture\\two"));
    const std::string afterSecond = ReadBytes(ListingFilePath);

    EXPECT_EQ(afterFirst.rfind("earlier line\r\n", 0), 0u);
    EXPECT_EQ(afterSecond.substr(0, afterFirst.size()), afterFirst);
    EXPECT_EQ(SplitLines(afterSecond).size(), 4u);
}

// A script file that cannot be replaced, because another program holds it open or a folder
// stands in its place: nothing may run, least of all the stale script left there.
TEST_F(Collection, UnwritableScriptFileStartsNothing) {
    MakeTree("D:\\fixture\\plain\\", {"a.txt"});

    WriteBytes(ScriptFilePath, "echo stale>> D:\\stale-ran.txt\r\n");
    HANDLE held = CreateFileA(ScriptFilePath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RunCollection(platform, ComposedFor("D:\\fixture\\plain"));
    CloseHandle(held);
    RemoveTree(ScriptFilePath);

    MakeDirs(ScriptFilePath);
    RunCollection(platform, ComposedFor("D:\\fixture\\plain"));

    const std::string writeFailed = "请确认是否关闭杀毒软件！若已关闭，请改一改本软件的名称试试！";
    EXPECT_EQ(platform.notices, (std::vector<std::string>{writeFailed, writeFailed}));
    EXPECT_FALSE(Exists("D:\\stale-ran.txt"));
    EXPECT_FALSE(Exists(ListingFilePath));
    EXPECT_TRUE(platform.opened.empty());
}

// cmd fails silently when it cannot append; the run must not claim a listing it never wrote.
TEST_F(Collection, ListingThatCannotBeWrittenIsReported) {
    MakeDirs(ListingFilePath);
    MakeTree("D:\\fixture\\plain\\", {"a.txt"});

    RunCollection(platform, ComposedFor("D:\\fixture\\plain"));

    EXPECT_EQ(
        platform.notices,
        std::vector<std::string>{
            "本次采集没有写入任何记录：所选文件夹中可能没有文件，或者本软件无权写入C:\\文件清单."
            "txt（可尝试以管理员身份运行）。"});
    EXPECT_FALSE(Exists(ScriptFilePath));
    EXPECT_TRUE(platform.opened.empty());
}

TEST_F(Collection, EmptyFolderIsReportedAsNothingWritten) {
    MakeDirs("D:\\fixture\\empty\\sub");

    RunCollection(platform, ComposedFor("D:\\fixture\\empty"));

    ASSERT_EQ(platform.notices.size(), 1u);
    EXPECT_EQ(platform.notices[0].rfind("本次采集没有写入任何记录", 0), 0u);
    EXPECT_FALSE(Exists(ListingFilePath));
    EXPECT_TRUE(platform.opened.empty());
}

}  // namespace
