#include "tree_snapshot.h"

#include <windows.h>

namespace {

std::string Describe(const WIN32_FIND_DATAA& entry) {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return "folder";
    const std::uint64_t size = (std::uint64_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow;
    const std::uint64_t written = (std::uint64_t{entry.ftLastWriteTime.dwHighDateTime} << 32) |
                                  entry.ftLastWriteTime.dwLowDateTime;
    return std::to_string(size) + " bytes, written " + std::to_string(written);
}

void Add(TreeSnapshot& snapshot, const std::string& folder, bool deep) {
    // A drive root is given as "D:\"; every other folder without the trailing "\".
    const std::string prefix = folder.back() == '\\' ? folder : folder + "\\";
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((prefix + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        // System files (a drive root's page file, for one) change on their own; cmd creates
        // none.
        if (name == "." || name == ".." || (entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM)) {
            continue;
        }
        snapshot.entries[prefix + name] = Describe(entry);
        if (deep && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            Add(snapshot, prefix + name, true);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

}  // namespace

TreeSnapshot TakeSnapshot(const std::vector<std::string>& shallow,
                          const std::vector<std::string>& deep) {
    TreeSnapshot snapshot;
    for (const std::string& folder : shallow) Add(snapshot, folder, false);
    for (const std::string& folder : deep) Add(snapshot, folder, true);
    return snapshot;
}

std::string SnapshotChanges(const TreeSnapshot& before, const TreeSnapshot& after) {
    std::string changes;
    for (const auto& [path, what] : after.entries) {
        const auto old = before.entries.find(path);
        if (old == before.entries.end()) {
            changes += "+ " + path + " (" + what + ")\n";
        } else if (old->second != what) {
            changes += "~ " + path + " (" + old->second + " -> " + what + ")\n";
        }
    }
    for (const auto& [path, what] : before.entries) {
        if (after.entries.count(path) == 0) changes += "- " + path + " (" + what + ")\n";
    }
    return changes;
}
