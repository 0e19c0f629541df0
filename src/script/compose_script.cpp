#include "compose_script.h"

#include "drive_prefix.h"

std::string QuoteFolderForBatch(const std::string& folder) {
    std::string quoted = "\"";
    for (char c : folder) {
        quoted += c;
        if (c == '%') quoted += '%';  // no CP936 trail byte is 0x25, so a byte walk is safe here
    }
    quoted += '"';
    return quoted;
}

void ComposeScript(ScriptLines& script, const ScriptLines& pieces, const std::string& folder) {
    script.at(1) = pieces.at(0) + " " + QuoteFolderForBatch(folder) + " " + pieces.at(1);
    script.at(2) = pieces.at(2) + " " + DrivePrefix(folder) + pieces.at(3);
}

std::string ScriptText(const ScriptLines& script) {
    std::string text;
    for (const std::string& line : script) text += line + "\r\n";
    return text;
}
