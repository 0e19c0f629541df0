#pragma once

#include <string>

#include "collection_platform.h"
#include "script_lines.h"

// The script file, written at the start of every run and deleted at its end.
inline constexpr char ScriptFilePath[] = "D:\\temp.bat";
// The listing the script appends to; never truncated by the program.
inline constexpr char ListingFilePath[] = "C:\\文件清单.txt";

// The bytes of the script file: the script text and one more CR LF, no byte-order mark.
std::string ScriptFileContent(const ScriptLines& script);

// What the Run button does: writes the script to ScriptFilePath, runs it hidden and waits,
// tells the user how it went, deletes the script file, opens the listing when the run added to
// it, and disables the Run button. A run that could not write the script, could not start it,
// or left the listing no larger than it was is reported as such and opens nothing.
void RunCollection(CollectionPlatform& platform, const ScriptLines& script);
