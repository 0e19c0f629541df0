#include "listing_lines.h"

#include <algorithm>

#include "test_files.h"

std::string Stamp() {
    if (IsWine()) return kWineStamp;  // Wine: yyyy/M/d HH:mm in UTC, whatever the time zone
    FILETIME utc, local;
    SystemTimeToFileTime(&kStampUtc, &utc);
    FileTimeToLocalFileTime(&utc, &local);
    SYSTEMTIME time;
    FileTimeToSystemTime(&local, &time);
    char date[64], clock[64];
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, clock, sizeof clock);
    return std::string(date) + " " + clock;
}

std::string ComposedLine(const std::string& folder, const std::string& name) {
    const std::size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    return name + "+ " + folder + name + "+" + Stamp() + "+" + extension;
}

std::vector<std::string> ListingLines(const std::string& bytes) {
    std::vector<std::string> lines = SplitLines(bytes);
    if (IsWine()) {
        for (std::string& line : lines) {
            if (!line.empty() && line[0] == '+') line.erase(0, 1);
        }
    }
    return Sorted(lines);
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}
