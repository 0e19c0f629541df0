#include "hostile_names.h"

#include <map>
#include <random>
#include <set>

#include "cp936.h"

namespace {

// Names are built from these pieces: single characters and runs that cmd could take for
// something else than text.
const std::vector<std::string> kAsciiPieces = {"a", "b", "x", "Y", "Z", "0", "7", "-", "_", "."};
const std::vector<std::string> kPunctuationPieces = {
    " ",  "&",    "(",     ")",  "^",  "%",  "!",  ",",    ";",  "=", "+",
    "'",  "`",    "~",     "[",  "]",  "{",  "}",  "#",    "@",  "$", "%OS%",
    "%%", "%~fa", "%~nxi", "%a", "%i", "%1", "%*", "!OS!", "^^", "&&"};
// Second bytes: 踈 DB 5C "\", 乗 81 5C "\", 珅 AB 7C "|", 稾 B7 58 "X", 丂 81 40 "@",
// 乕 81 5B "[", 乚 81 5D "]", 乛 81 5E "^", 乣 81 60 "`", 亄 81 7B "{", 亇 81 7D "}",
// 亊 81 7E "~", 乤 81 61 "a"; 文 and 件 are ordinary.
const std::vector<std::string> kChinesePieces = {"踈", "乗", "珅", "稾", "丂", "乕", "乚", "乛",
                                                 "乣", "亄", "亇", "亊", "乤", "文", "件"};

const std::set<std::string> kDeviceNames = {"CON",  "PRN",  "AUX",  "NUL",  "COM1",   "COM2",
                                            "COM3", "COM4", "COM5", "COM6", "COM7",   "COM8",
                                            "COM9", "LPT1", "LPT2", "LPT3", "LPT4",   "LPT5",
                                            "LPT6", "LPT7", "LPT8", "LPT9", "CONIN$", "CONOUT$"};

// ASCII letters upper-cased, other bytes kept: two names Windows holds for the same one give
// the same key (a trail byte that is a letter may merge two different names, which only makes
// the generator pick another name).
std::string CaseKey(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

class Generator {
  public:
    Generator(std::uint32_t seed, const HostileLimits& limits) : random_(seed), limits_(limits) {}

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    // A new name for an entry of the folder whose names so far are `taken`.
    std::string FolderName(std::set<std::string>& taken) { return Name(taken, true); }
    std::string FileName(std::set<std::string>& taken) { return Name(taken, false); }

  private:
    // Folder names may hold Chinese characters; file names stay ASCII, because Wine's "for /f"
    // garbles Chinese file names.
    std::string Name(std::set<std::string>& taken, bool folder) {
        for (;;) {
            std::string name;
            const int pieces = 1 + Below(folder ? 3 : 4);
            for (int i = 0; i < pieces; ++i) name += Piece(folder);
            if (Acceptable(name) && taken.insert(CaseKey(name)).second) return name;
        }
    }

    const std::string& Piece(bool folder) {
        const int kind = Below(folder ? 3 : 2);
        const std::vector<std::string>& pool = kind == 0   ? kAsciiPieces
                                               : kind == 1 ? kPunctuationPieces
                                                           : kChinesePieces;
        return pool[Below(static_cast<int>(pool.size()))];
    }

    bool Acceptable(const std::string& name) const {
        if (!IsValidWindowsName(name)) return false;
        if (limits_.noLoopVariableReferences) {
            for (std::size_t pos = name.find('%'); pos != std::string::npos;
                 pos = name.find('%', pos + 1)) {
                const char next = pos + 1 < name.size() ? name[pos + 1] : '\0';
                if (next == '~' || next == 'a' || next == 'i') return false;
            }
        }
        return true;
    }

    std::mt19937 random_;
    HostileLimits limits_;
};

}  // namespace

bool IsValidWindowsName(const std::string& name) {
    if (name.empty()) return false;
    std::size_t last = 0;
    for (std::size_t pos = 0; pos < name.size(); pos += cp936::CharLength(name, pos)) {
        last = pos;
        const unsigned char c = static_cast<unsigned char>(name[pos]);
        if (c < 0x20 ||
            std::string("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string::npos) {
            return false;
        }
    }
    if (name[last] == ' ' || name[last] == '.') return false;
    std::string stem = CaseKey(name.substr(0, name.find('.')));
    stem.erase(stem.find_last_not_of(' ') + 1);
    return kDeviceNames.count(stem) == 0;
}

HostileTree GenerateHostileTree(std::uint32_t seed, const std::string& base,
                                const HostileLimits& limits) {
    Generator generator(seed, limits);
    HostileTree tree;
    tree.folder = base;
    for (int levels = 1 + generator.Below(3); levels > 0; --levels) {
        std::set<std::string> fresh;  // each level of the chain is a new folder
        tree.folder += "\\" + generator.FolderName(fresh);
    }
    // cmd lists every folder it walks through a child process of its own, about a quarter of a
    // second each under Wine: at most two folders below the chosen one, each below a random
    // earlier one, which nests up to two levels. Files cost next to nothing.
    std::vector<std::string> walked = {tree.folder};
    std::map<std::string, std::set<std::string>> taken;  // the names used in each folder
    for (int folders = generator.Below(3); folders > 0; --folders) {
        const std::string parent = walked[generator.Below(static_cast<int>(walked.size()))];
        walked.push_back(parent + "\\" + generator.FolderName(taken[parent]));
        tree.folders.push_back(walked.back());
    }
    for (const std::string& folder : walked) {
        for (int files = generator.Below(5); files > 0; --files) {
            tree.files.push_back(folder + "\\" + generator.FileName(taken[folder]));
        }
    }
    if (tree.files.empty()) {
        tree.files.push_back(tree.folder + "\\" + generator.FileName(taken[tree.folder]));
    }
    return tree;
}
