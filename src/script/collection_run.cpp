#include "collection_run.h"

#include "compose_script.h"

namespace {

constexpr unsigned short kHidden = 0;  // SW_HIDE: the script's console is never shown

constexpr char kWriteFailed[] = "请确认是否关闭杀毒软件！若已关闭，请改一改本软件的名称试试！";
constexpr char kStartFailed[] = "无法运行采集脚本D:\\temp.bat。请确认是否关闭杀毒软件！";
constexpr char kNothingWritten[] =
    "本次采集没有写入任何记录：所选文件夹中可能没有文件，或者本软件无权写入C:\\文件清单.txt"
    "（可尝试以管理员身份运行）。";
constexpr char kDone[] = "文件整理完毕。请查看文件C:\\文件清单.txt";

// Runs the written script and reports; false when the listing is not worth opening.
bool RunWrittenScript(CollectionPlatform& platform) {
    const std::uint64_t sizeBefore = platform.FileSize(ListingFilePath);
    if (platform.ExecuteAndWait(ScriptFilePath, kHidden) == -1) {
        platform.ShowNotice(kStartFailed);
        return false;
    }
    // cmd ignores a failed redirection and ends normally, so the exit code says nothing
    // about the listing; its growth does.
    if (platform.FileSize(ListingFilePath) <= sizeBefore) {
        platform.ShowNotice(kNothingWritten);
        return false;
    }
    platform.ShowNotice(kDone);
    return true;
}

}  // namespace

std::string ScriptFileContent(const ScriptLines& script) { return ScriptText(script) + "\r\n"; }

void RunCollection(CollectionPlatform& platform, const ScriptLines& script) {
    switch (platform.WriteFile(ScriptFilePath, ScriptFileContent(script))) {
        case CollectionPlatform::WriteResult::Written: {
            const bool listingGrew = RunWrittenScript(platform);
            platform.RemoveFile(ScriptFilePath);
            if (listingGrew) platform.ShellOpen(ListingFilePath);
            break;
        }
        case CollectionPlatform::WriteResult::PartlyWritten:
            // Never leave a truncated script behind for anyone to run.
            platform.RemoveFile(ScriptFilePath);
            platform.ShowNotice(kWriteFailed);
            break;
        case CollectionPlatform::WriteResult::NotCreated:
            platform.ShowNotice(kWriteFailed);
            break;
    }
    platform.DisableRunButton();
}
