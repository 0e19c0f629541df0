#include "collection_fixture.h"

#include "collection_run.h"
#include "compose_script.h"
#include "design.h"
#include "listing_lines.h"
#include "long_paths.h"
#include "resource.h"
#include "test_files.h"

const std::string kDoneNotice = "文件整理完毕。请查看文件C:\\文件清单.txt";
const std::string kWriteFailedNotice =
    "请确认是否关闭杀毒软件！若已关闭，请改一改本软件的名称试试！";
const std::string kNothingWrittenNotice =
    "本次采集没有写入任何记录：所选文件夹中可能没有文件，或者本软件无权写入C:\\文件清单.txt"
    "（可尝试以管理员身份运行）。";

ScriptLines ComposedScriptFor(const std::string& folder) {
    ScriptLines script = LoadDesignLines(IDS_MEMO1_LINE0);
    ComposeScript(script, LoadDesignLines(IDS_MEMO2_LINE0), folder);
    return script;
}

std::string ComposedLineFor(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return ComposedLine(path.substr(0, slash + 1), path.substr(slash + 1));
}

void ScratchCollection::SetUp() {
    RemoveAll();
    MakeDirs("D:\\cwd");
    MakeStampedFile(kSentinel);
    SetCurrentDirectoryA("D:\\cwd");
}

void ScratchCollection::TearDown() {
    SetCurrentDirectoryA("C:\\");
    RemoveAll();
}

void ScratchCollection::RemoveAll() const {
    for (const char* path : {ListingFilePath, ScriptFilePath, "D:\\cwd"}) RemoveLongTree(path);
    // Long-path aware: a fixture may go deeper than the ANSI functions reach.
    for (const std::string& path : Scratch()) RemoveLongTree(path);
}
