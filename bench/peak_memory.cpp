#include "peak_memory.h"

#include <windows.h>

#include <psapi.h>

PeakMemory ReadPeakMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return {0, 0};
    return {counters.PeakWorkingSetSize, counters.PeakPagefileUsage};
}
