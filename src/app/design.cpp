#include "design.h"

#include "resource.h"

namespace {

// One 16-bit number of an RCDATA block; the block stores them little-endian and signed.
int Number(const BYTE* data, std::size_t index) {
    return static_cast<SHORT>(data[2 * index] | (data[2 * index + 1] << 8));
}

}  // namespace

std::string LoadDesignString(UINT id) {
    // With a zero buffer size LoadStringW hands out a pointer to the resource's UTF-16 text,
    // which is not terminated, and returns its length.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0) return {};
    // UTF-16 to the ANSI code page, where the program's messages and paths live as well.
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string ansi(size, '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

ScriptLines LoadDesignLines(UINT firstId) {
    ScriptLines lines;
    for (UINT id = firstId;; ++id) {
        std::string line = LoadDesignString(id);
        if (line.empty()) break;
        lines.push_back(std::move(line));
    }
    return lines;
}

FormLayout LoadFormLayout() {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDR_FORM1_LAYOUT), RT_RCDATA);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    const std::size_t numbers = SizeofResource(module, resource) / 2;

    FormLayout layout{Number(data, 0), Number(data, 1), Number(data, 2), {}};
    for (std::size_t i = 3; i + 5 <= numbers; i += 5) {
        layout.controls.push_back({Number(data, i), Number(data, i + 1), Number(data, i + 2),
                                   Number(data, i + 3), Number(data, i + 4)});
    }
    return layout;
}
