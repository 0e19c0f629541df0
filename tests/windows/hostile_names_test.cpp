// For whatever folder the user chooses, however it and everything below it is named, the composed
// script lists each file below it exactly once under its own path, nothing from elsewhere, and
// creates nothing anywhere. Checked on generated trees: the program's script lists and
// composition, the Win32 platform layer and the system's cmd.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "collection_fixture.h"
#include "collection_run.h"
#include "hostile_names.h"
#include "listing_lines.h"
#include "long_paths.h"
#include "test_files.h"
#include "tree_snapshot.h"

namespace {

constexpr std::uint32_t kDefaultSeed = 20240305;
constexpr int kCases = 200;
constexpr char kSeedVariable[] = "HOSTILE_NAMES_SEED";
const std::string kBase = "D:\\hostile";

std::uint32_t FirstSeed() {
    char value[32];
    const DWORD length = GetEnvironmentVariableA(kSeedVariable, value, sizeof value);
    if (length == 0 || length >= sizeof value) return kDefaultSeed;
    return static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10));
}

HostileLimits LimitsOfThisCmd() {
    HostileLimits limits;
    // Wine's cmd scans the text a loop variable expands to once more for variable references:
    // a folder named "%~fa" makes "pushd "%%~fa"" expand without end until cmd crashes, a file
    // named "x%~xiy" is listed as "xy". Windows' cmd substitutes once, so these names stay in
    // when the test runs there.
    limits.noLoopVariableReferences = IsWine();
    return limits;
}

// Code page 936 text as UTF-8 followed by its bytes in hex, for failure messages.
std::string Readable(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                    utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr));
    std::string hex;
    for (unsigned char byte : text) {
        static const char digits[] = "0123456789ABCDEF";
        hex += {' ', digits[byte >> 4], digits[byte & 15]};
    }
    return "\"" + utf8 + "\" [" + (hex.empty() ? "" : hex.substr(1)) + "]";
}

std::string ReadableLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "    " + Readable(line) + "\n";
    return text;
}

// Lines of `of` that `without` lacks, counted with their multiplicity; both sorted.
std::vector<std::string> Minus(const std::vector<std::string>& of,
                               const std::vector<std::string>& without) {
    std::vector<std::string> rest;
    std::set_difference(of.begin(), of.end(), without.begin(), without.end(),
                        std::back_inserter(rest));
    return rest;
}

// The chosen folder's name up to its first character that is not an ASCII letter or digit: the
// folder cmd would walk if the quoting broke there. Empty when there is no such other name.
std::string CutName(const std::string& folder) {
    const std::string name = folder.substr(folder.rfind('\\') + 1);
    const auto end = std::find_if(name.begin(), name.end(), [](char c) {
        return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
    });
    const std::string cut(name.begin(), end);
    return cut.size() < name.size() && IsValidWindowsName(cut) ? cut : "";
}

class HostileNames : public ScratchCollection {
  protected:
    std::vector<std::string> Scratch() const override { return {kBase}; }

    // Builds the case's tree with decoys beside it, runs a collection of its chosen folder and
    // returns what went wrong; empty when nothing did.
    std::string RunCase(std::uint32_t seed) {
        RemoveLongTree(kBase);
        RemoveLongTree(ListingFilePath);
        platform.notices.clear();
        platform.opened.clear();

        const HostileTree tree = GenerateHostileTree(seed, kBase, LimitsOfThisCmd());
        for (const std::string& folder : tree.folders) MakeDirs(folder);
        MakeDirs(tree.folder);
        std::vector<std::string> expected;
        for (const std::string& file : tree.files) {
            MakeStampedFile(file);
            expected.push_back(ComposedLineFor(file));
        }
        // Files beside the chosen folder and in the folder a broken quoting would walk.
        const std::string parent = tree.folder.substr(0, tree.folder.rfind('\\'));
        MakeStampedFile(parent + "\\DECOY.txt");
        const std::string cut = CutName(tree.folder);
        if (!cut.empty()) {
            MakeDirs(parent + "\\" + cut);
            MakeStampedFile(parent + "\\" + cut + "\\DECOY.txt");
        }

        const std::vector<std::string> shallow = {"C:\\", "D:\\", "E:\\"};
        const std::vector<std::string> deep = {"D:\\cwd", kBase};
        const TreeSnapshot before = TakeSnapshot(shallow, deep);
        RunCollection(platform, ComposedScriptFor(tree.folder));
        TreeSnapshot after = TakeSnapshot(shallow, deep);
        after.entries.erase(ListingFilePath);

        const std::string listing = ReadBytes(ListingFilePath);
        const std::vector<std::string> lines = ListingLines(listing);
        expected = Sorted(expected);
        std::string problems;
        if (const auto missing = Minus(expected, lines); !missing.empty()) {
            problems += "  missing lines:\n" + ReadableLines(missing);
        }
        if (const auto extra = Minus(lines, expected); !extra.empty()) {
            problems += "  lines that do not belong:\n" + ReadableLines(extra);
        }
        if (listing.size() < 2 || listing.compare(listing.size() - 2, 2, "\r\n") != 0) {
            problems += "  the listing does not end with CR LF\n";
        }
        if (platform.notices != std::vector<std::string>{kDoneNotice}) {
            problems += "  notices:\n" + ReadableLines(platform.notices);
        }
        if (platform.opened != std::vector<std::string>{ListingFilePath}) {
            problems += "  opened:\n" + ReadableLines(platform.opened);
        }
        if (const std::string changes = SnapshotChanges(before, after); !changes.empty()) {
            problems += "  files created, removed or changed besides the listing:\n" + changes;
        }
        if (problems.empty()) return "";
        return "chosen folder " + Readable(tree.folder) + "\n  files:\n" +
               ReadableLines(tree.files) + problems;
    }
};

TEST_F(HostileNames, ListingHoldsExactlyTheChosenTreeAndRunsLeaveNothingElse) {
    const std::uint32_t first = FirstSeed();
    for (int i = 0; i < kCases; ++i) {
        const std::uint32_t seed = first + static_cast<std::uint32_t>(i);
        const std::string problems = RunCase(seed);
        if (!problems.empty()) {
            FAIL() << "case " << i << " of " << kCases << ", seed " << seed
                   << " (rerun it first with " << kSeedVariable << "=" << seed
                   << "; the default first seed is " << kDefaultSeed << "):\n"
                   << problems;
        }
    }
}

}  // namespace
