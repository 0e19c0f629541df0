#include "drive_prefix.h"

#include "cp936.h"

std::string DrivePrefix(const std::string& path) {
    std::size_t end = 0;
    for (int chars = 0; chars < 2 && end < path.size(); ++chars) {
        end += cp936::CharLength(path, end);
    }
    return path.substr(0, end);
}
