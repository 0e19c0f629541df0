#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// What lies in some folders at one moment, to tell whether a run created, removed or changed
// anything there. Paths are code page 936 bytes.
struct TreeSnapshot {
    // Full path to size and last-write time for a file; folders map to "folder".
    std::map<std::string, std::string> entries;
};

// The entries directly in each of `shallow` and everything below each of `deep`, system files
// left out; a folder that does not exist contributes nothing.
TreeSnapshot TakeSnapshot(const std::vector<std::string>& shallow,
                          const std::vector<std::string>& deep);

// One line per entry that `after` added ("+ "), lacks ("- ") or holds differently ("~ ")
// compared with `before`; empty when they are equal.
std::string SnapshotChanges(const TreeSnapshot& before, const TreeSnapshot& after);
