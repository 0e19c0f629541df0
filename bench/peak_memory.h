#pragma once

#include <cstddef>

// The highest memory use of this process so far, in bytes.
struct PeakMemory {
    std::size_t workingSet;     // PROCESS_MEMORY_COUNTERS.PeakWorkingSetSize
    std::size_t pagefileUsage;  // PROCESS_MEMORY_COUNTERS.PeakPagefileUsage
};

// Both figures are 0 when the system does not report them.
PeakMemory ReadPeakMemory();
