// A collection as the program's Run button makes it, unattended, and its launch step alone, for
// bench/run.sh:
//
//   collection_bench run FOLDER           composes the script for FOLDER from the program's own
//                                         script lists, runs it with RunCollection and prints
//                                         figures as "name value" lines: the time RunCollection
//                                         took, the part of it spent waiting for the script, and
//                                         the program's peak memory
//   collection_bench script FOLDER FILE   writes the bytes that run would put in D:\temp.bat to
//                                         FILE instead, so that cmd can run them without the
//                                         program
//   collection_bench launch FILE          starts FILE as RunCollection starts the script (hidden,
//                                         in a console of its own) and waits: the launch alone,
//                                         without composing, writing, checking or reporting
//
// FOLDER and FILE are code page 936 text.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "collection_run.h"
#include "compose_script.h"
#include "design.h"
#include "peak_memory.h"
#include "recording_platform.h"
#include "resource.h"

namespace {

// Also adds up the time spent in ExecuteAndWait, that is, waiting for the script to end.
class TimedPlatform : public RecordingPlatform {
  public:
    int ExecuteAndWait(const std::string& commandLine, unsigned short showMode) override {
        const auto start = std::chrono::steady_clock::now();
        const int exitCode = RecordingPlatform::ExecuteAndWait(commandLine, showMode);
        waited += std::chrono::steady_clock::now() - start;
        return exitCode;
    }

    std::chrono::duration<double, std::milli> waited{0};
};

ScriptLines ComposedFor(const std::string& folder) {
    ScriptLines script = LoadDesignLines(IDS_MEMO1_LINE0);
    ComposeScript(script, LoadDesignLines(IDS_MEMO2_LINE0), folder);
    return script;
}

int Run(const std::string& folder) {
    TimedPlatform platform;
    const auto start = std::chrono::steady_clock::now();
    RunCollection(platform, ComposedFor(folder));
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    const PeakMemory peak = ReadPeakMemory();

    // The listing is opened exactly when the run added to it.
    const bool listingGrew = platform.opened.size() == 1;
    std::printf("run_ms %.1f\n", elapsed.count());
    std::printf("wait_ms %.1f\n", platform.waited.count());
    std::printf("listing_grew %d\n", listingGrew ? 1 : 0);
    std::printf("peak_working_set %zu\n", peak.workingSet);
    std::printf("peak_pagefile_usage %zu\n", peak.pagefileUsage);
    return listingGrew ? 0 : 1;
}

int WriteScript(const std::string& folder, const std::string& file) {
    RecordingPlatform platform;
    const auto result = platform.WriteFile(file, ScriptFileContent(ComposedFor(folder)));
    return result == CollectionPlatform::WriteResult::Written ? 0 : 1;
}

int Launch(const std::string& file) {
    RecordingPlatform platform;
    return platform.ExecuteAndWait(file, SW_HIDE) == -1 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "run") == 0) return Run(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "script") == 0) return WriteScript(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "launch") == 0) return Launch(argv[2]);
    std::fprintf(stderr, "usage: collection_bench run FOLDER | script FOLDER FILE | launch FILE\n");
    return 2;
}
