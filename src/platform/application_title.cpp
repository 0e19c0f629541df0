#include "application_title.h"

#include "cp936.h"

std::string ApplicationTitle(const std::string& executablePath) {
    std::size_t nameStart = 0;
    for (std::size_t pos = 0; pos < executablePath.size();
         pos += cp936::CharLength(executablePath, pos)) {
        const char c = executablePath[pos];
        if (c == '\\' || c == '/' || c == ':') nameStart = pos + 1;
    }

    std::string title;
    for (std::size_t pos = nameStart; pos < executablePath.size();) {
        const std::size_t length = cp936::CharLength(executablePath, pos);
        if (length == 1) {
            char c = executablePath[pos];
            if (c == '.') break;
            if (!title.empty() && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            title += c;
        } else {
            title.append(executablePath, pos, length);
        }
        pos += length;
    }
    return title;
}
