#pragma once

#include <cstddef>

// Code page 936 (GBK): a character is one byte, or two when the first byte is a lead byte.
// The second byte of a pair may be any of 0x40-0xFE except 0x7F, so it can look like an ASCII
// letter or a backslash: text must be walked character by character, never byte by byte.

namespace cp936 {

constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Length in bytes of the character that starts at `text[pos]` (1 or 2; 1 for a lead byte that
// stands last, so a walk never reads past the end).
template <typename Text>
constexpr std::size_t CharLength(const Text& text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

}  // namespace cp936
