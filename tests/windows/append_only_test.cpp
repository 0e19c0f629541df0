// The listing is the user's record of every collection so far: a run may add its lines at the
// end and nothing else, whether it succeeds or fails. Several runs in a row, each checked
// against the exact bytes the listing held before it.
#include <gtest/gtest.h>

#include "collection_fixture.h"
#include "collection_run.h"
#include "listing_lines.h"
#include "test_files.h"
#include "unique_handle.h"

namespace {

const std::string kBase = "D:\\append";
// What the user's listing held before these runs: earlier collections in both script formats.
const std::string kEarlier =
    " app.apk  D:\\手机软件\\app.apk   2023/1/2 03:04\r\n"
    "old.txt+ D:\\旧 目录\\old.txt+2023/1/2 03:04+.txt\r\n";

// What stands in a run's way while it runs.
enum class Obstacle {
    None,
    ScriptPathIsAFolder,  // the script file cannot be written
    ListingHeldOpen,      // another program has the listing open without write sharing
};

// Puts the obstacle in place for its lifetime.
class ObstacleInPlace {
  public:
    explicit ObstacleInPlace(Obstacle obstacle) : obstacle_(obstacle) {
        if (obstacle == Obstacle::ScriptPathIsAFolder) MakeDirs(ScriptFilePath);
        if (obstacle == Obstacle::ListingHeldOpen) {
            listing_ =
                UniqueHandle(CreateFileA(ListingFilePath, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            EXPECT_TRUE(listing_.valid());
        }
    }
    ~ObstacleInPlace() {
        if (obstacle_ == Obstacle::ScriptPathIsAFolder) RemoveTree(ScriptFilePath);
    }
    ObstacleInPlace(const ObstacleInPlace&) = delete;
    ObstacleInPlace& operator=(const ObstacleInPlace&) = delete;

  private:
    Obstacle obstacle_;
    UniqueHandle listing_;
};

// One run of the sequence and what it must do to the listing.
struct Step {
    const char* what;
    std::string folder;  // below kBase
    Obstacle obstacle;
    std::vector<std::string> added;  // the files whose lines the run adds, below kBase
    std::string notice;
};

class AppendOnly : public ScratchCollection {
  protected:
    std::vector<std::string> Scratch() const override { return {kBase}; }
};

TEST_F(AppendOnly, RunsOnlyEverAddTheirLinesAtTheEnd) {
    const std::vector<std::string> one = {"one\\1.txt"};
    const std::vector<std::string> two = {"two&三\\a b.txt", "two&三\\子\\c%d.txt"};
    const Step steps[] = {
        {"first collection", "one", Obstacle::None, one, kDoneNotice},
        {"script file blocked", "one", Obstacle::ScriptPathIsAFolder, {}, kWriteFailedNotice},
        {"folder without files", "empty", Obstacle::None, {}, kNothingWrittenNotice},
        {"listing held open", "two&三", Obstacle::ListingHeldOpen, {}, kNothingWrittenNotice},
        {"second folder", "two&三", Obstacle::None, two, kDoneNotice},
        {"same folder again", "two&三", Obstacle::None, two, kDoneNotice},
    };
    for (const auto* files : {&one, &two}) {
        for (const std::string& file : *files) {
            const std::string path = kBase + "\\" + file;
            MakeDirs(path.substr(0, path.rfind('\\')));  // ASCII file names: the last "\" separates
            MakeStampedFile(path);
        }
    }
    MakeDirs(kBase + "\\empty\\sub");
    WriteBytes(ListingFilePath, kEarlier);

    std::string before = kEarlier;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        platform.notices.clear();
        {
            const ObstacleInPlace obstacle(step.obstacle);
            RunCollection(platform, ComposedScriptFor(kBase + "\\" + step.folder));
        }
        const std::string after = ReadBytes(ListingFilePath);

        ASSERT_GE(after.size(), before.size());
        ASSERT_EQ(after.substr(0, before.size()), before) << "an earlier byte changed";
        const std::vector<std::string> added = ListingLines(after.substr(before.size()));
        std::vector<std::string> expected;
        for (const std::string& file : step.added) {
            expected.push_back(ComposedLineFor(kBase + "\\" + file));
        }
        EXPECT_EQ(added, Sorted(expected));
        EXPECT_EQ(platform.notices, std::vector<std::string>{step.notice});
        before = after;
    }
}

}  // namespace
