#pragma once

#include <string>
#include <vector>

// What the listing is expected to hold, and the listing as read back, for comparisons that
// hold on Windows and under Wine alike.

// %~t as this system's cmd prints the time stamp MakeStampedFile gives.
std::string Stamp();

// The line a composed script writes for a file: `folder` is where it lies, drive included and
// ending in "\"; `name` is an ASCII file name.
std::string ComposedLine(const std::string& folder, const std::string& name);

// The listing's lines, sorted. Wine's echo writes the "+" right after "echo" that Windows'
// echo swallows; that one leading "+" is dropped under Wine and nowhere else.
std::vector<std::string> ListingLines(const std::string& bytes);

std::vector<std::string> Sorted(std::vector<std::string> lines);
