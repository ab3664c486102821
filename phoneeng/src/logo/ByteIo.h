// Little- and big-endian integer access for the logo codecs. Readers take an
// offset that the caller has already checked against the span's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace phoneeng::bytes {

inline uint16_t u16le(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}
inline uint16_t u16be(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>((b[at] << 8) | b[at + 1]);
}
inline uint32_t u32le(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

inline void putU16le(std::vector<uint8_t> &out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}
inline void putU16be(std::vector<uint8_t> &out, uint32_t v) {
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    out.push_back(static_cast<uint8_t>(v & 0xFF));
}
inline void putU32le(std::vector<uint8_t> &out, uint32_t v) {
    putU16le(out, v & 0xFFFF);
    putU16le(out, v >> 16);
}
inline void putText(std::vector<uint8_t> &out, std::string_view text) {
    // Byte by byte: GCC 12 warns falsely on a range insert after reserve().
    for (char c : text) {
        out.push_back(static_cast<uint8_t>(c));
    }
}
inline bool startsWith(std::span<const uint8_t> b, std::string_view magic) {
    if (b.size() < magic.size()) {
        return false;
    }
    for (size_t i = 0; i < magic.size(); ++i) {
        if (b[i] != static_cast<uint8_t>(magic[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace phoneeng::bytes
