#pragma once

#include <string>

// The first two characters of `path`, a double-byte character counting as one; the whole path
// when it is shorter. "E:\foo" gives "E:", "\\server\share" gives "\\".
std::string DrivePrefix(const std::string& path);
