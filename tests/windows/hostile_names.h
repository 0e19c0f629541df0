#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Random folder trees whose names Windows accepts and cmd could read as syntax: blanks,
// & ( ) ^ % ! , ; = + ' ` ~ [ ] { } # @ $, runs that look like variable references (%OS%, %~fa,
// %i, !OS!), and in folder names Chinese characters whose second byte in code page 936 reads as
// an ASCII character ("\", "|", "@", "[", "X", ...). All texts are code page 936 bytes.

// One generated case: a chosen folder somewhere below `base`, with files and folders below it.
struct HostileTree {
    std::string folder;                // the chosen folder, as the folder browser returns it
    std::vector<std::string> folders;  // every folder below it, empty ones included
    std::vector<std::string> files;    // every file below it (ASCII names), full paths
};

// What the generator leaves out; each rule is explained where the options are chosen.
struct HostileLimits {
    // Never a "%" directly before "~", "a" or "i" (the script's loop variables).
    bool noLoopVariableReferences = false;
};

// The same seed gives the same tree. At least one file; names are unique per folder ignoring
// case, as Windows requires.
HostileTree GenerateHostileTree(std::uint32_t seed, const std::string& base,
                                const HostileLimits& limits);

// True when Windows accepts `name` (code page 936) as a file or folder name: not empty, none of
// \ / : * ? " < > |, no control character, no trailing blank or dot, no device name.
bool IsValidWindowsName(const std::string& name);
