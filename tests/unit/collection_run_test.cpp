#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collection_run.h"
#include "compose_script.h"

namespace {

// Records every platform call in order, as one readable line each.
class RecordingPlatform : public CollectionPlatform {
  public:
    WriteResult writeResult = WriteResult::Written;
    int exitCode = 0;
    std::vector<std::uint64_t> listingSizes{0, 120};  // answered in turn, the last one repeated

    std::vector<std::string> calls;
    std::string written;

    WriteResult WriteFile(const std::string& path, const std::string& bytes) override {
        calls.push_back("write " + path);
        written = bytes;
        return writeResult;
    }
    int ExecuteAndWait(const std::string& commandLine, unsigned short showMode) override {
        calls.push_back("run " + commandLine + " show " + std::to_string(showMode));
        return exitCode;
    }
    void ShowNotice(const std::string& text) override { calls.push_back("notice " + text); }
    void RemoveFile(const std::string& path) override { calls.push_back("delete " + path); }
    std::uint64_t FileSize(const std::string& path) override {
        calls.push_back("size " + path);
        const std::uint64_t size = listingSizes.front();
        if (listingSizes.size() > 1) listingSizes.erase(listingSizes.begin());
        return size;
    }
    void ShellOpen(const std::string& path) override { calls.push_back("open " + path); }
    void DisableRunButton() override { calls.push_back("disable"); }
};

const ScriptLines kScript{"@echo off", "for /r \"E:\\照片\" %%a in (.) do (pushd \"%%~fa\"",
                          "for /f ... >> C:\\文件清单.txt)"};

const std::string kWrite = "write D:\\temp.bat";
const std::string kRun = "run D:\\temp.bat show 0";
const std::string kSize = "size C:\\文件清单.txt";
const std::string kDelete = "delete D:\\temp.bat";
const std::string kOpen = "open C:\\文件清单.txt";
const std::string kDisable = "disable";

TEST(CollectionRun, WritesRunsReportsDeletesOpensAndDisables) {
    RecordingPlatform platform;
    platform.exitCode = 1;  // cmd's exit code says nothing about the listing and is ignored
    platform.listingSizes = {500, 620};
    RunCollection(platform, kScript);

    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{kWrite, kSize, kRun, kSize,
                                        "notice 文件整理完毕。请查看文件C:\\文件清单.txt", kDelete,
                                        kOpen, kDisable}));
}

TEST(CollectionRun, ScriptFileIsTheLinesWithCrLfAndOneMoreCrLfWithoutBom) {
    RecordingPlatform platform;
    RunCollection(platform, kScript);

    EXPECT_EQ(platform.written,
              "@echo off\r\n"
              "for /r \"E:\\照片\" %%a in (.) do (pushd \"%%~fa\"\r\n"
              "for /f ... >> C:\\文件清单.txt)\r\n"
              "\r\n");
}

struct FailureCase {
    const char* name;
    CollectionPlatform::WriteResult writeResult;
    int exitCode;
    std::vector<std::uint64_t> listingSizes;
    std::vector<std::string> calls;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class CollectionRunFailure : public testing::TestWithParam<FailureCase> {};

// Every failure is told as what it is, never as the completion message, and opens nothing.
TEST_P(CollectionRunFailure, IsReportedAndOpensNothing) {
    const FailureCase& c = GetParam();
    RecordingPlatform platform;
    platform.writeResult = c.writeResult;
    platform.exitCode = c.exitCode;
    platform.listingSizes = c.listingSizes;
    RunCollection(platform, kScript);
    EXPECT_EQ(platform.calls, c.calls);
}

using WriteResult = CollectionPlatform::WriteResult;
const std::string kWriteFailed =
    "notice 请确认是否关闭杀毒软件！若已关闭，请改一改本软件的名称试试！";
const std::string kStartFailed = "notice 无法运行采集脚本D:\\temp.bat。请确认是否关闭杀毒软件！";
const std::string kNothingWritten =
    "notice 本次采集没有写入任何记录：所选文件夹中可能没有文件，或者本软件无权写入C:\\文件清单.txt"
    "（可尝试以管理员身份运行）。";

INSTANTIATE_TEST_SUITE_P(
    Faults, CollectionRunFailure,
    testing::Values(
        // No stale script from an earlier run may be started when this run cannot write its own.
        FailureCase{
            "ScriptNotCreated", WriteResult::NotCreated, 0, {0}, {kWrite, kWriteFailed, kDisable}},
        FailureCase{"ScriptPartlyWritten",
                    WriteResult::PartlyWritten,
                    0,
                    {0},
                    {kWrite, kDelete, kWriteFailed, kDisable}},
        FailureCase{"ScriptNotStarted",
                    WriteResult::Written,
                    -1,
                    {0},
                    {kWrite, kSize, kRun, kStartFailed, kDelete, kDisable}},
        FailureCase{"ListingAbsentAfterRun",
                    WriteResult::Written,
                    0,
                    {0, 0},
                    {kWrite, kSize, kRun, kSize, kNothingWritten, kDelete, kDisable}},
        FailureCase{"ListingDidNotGrow",
                    WriteResult::Written,
                    0,
                    {4096, 4096},
                    {kWrite, kSize, kRun, kSize, kNothingWritten, kDelete, kDisable}},
        // Someone else shrank or replaced the listing meanwhile: still nothing of ours in it.
        FailureCase{"ListingShrank",
                    WriteResult::Written,
                    0,
                    {4096, 100},
                    {kWrite, kSize, kRun, kSize, kNothingWritten, kDelete, kDisable}}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

}  // namespace
