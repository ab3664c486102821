// Text conversions of the phone layer: 8-bit texts of the call set to and
// from the UTF-16 that the phone keeps message texts in, UTF-16 output
// buffers, and hexadecimal forms of bytes and 16-bit units.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace phoneeng {

// Code pages that set_codepage accepts: how 8-bit message texts going in and
// coming out are read.
constexpr int32_t kCodePageLatin1 = 28591;
constexpr int32_t kCodePageWindows1252 = 1252;
constexpr int32_t kCodePageUtf8 = 65001;

bool isSupportedCodePage(int32_t codePage);

// 8-bit text in the given code page to UTF-16. Malformed UTF-8 becomes U+FFFD.
std::u16string decode8Bit(std::string_view text, int32_t codePage);
// UTF-16 to 8-bit text in the given code page; a character the code page
// cannot hold becomes '?'.
std::string encode8Bit(std::u16string_view text, int32_t codePage);

// ISO-8859-1 <-> UTF-16; latin1From gives nullopt when a character is above
// U+00FF.
std::u16string utf16FromLatin1(std::string_view text);
std::optional<std::string> latin1From(std::u16string_view text);

// Writes text NUL-terminated into a buffer of len 16-bit units (the NUL
// included), cut before a surrogate pair that does not fit. The buffer need
// not be aligned. PE_BAD_ARGUMENT for a null buffer or len <= 0.
int16_t utf16Out(void *buf, int32_t len, std::u16string_view text);

// Reads a NUL-terminated UTF-16 text of at most maxUnits units; nullopt when
// no NUL comes within maxUnits + 1 units. A null pointer reads as "".
std::optional<std::u16string> utf16In(const uint16_t *text, size_t maxUnits);

// Upper-case hexadecimal, two digits per byte / four per unit.
std::string hexOfBytes(const std::vector<uint8_t> &bytes);
std::string hexOfUnits(std::u16string_view units);
std::optional<std::vector<uint8_t>> bytesOfHex(std::string_view hex);
std::optional<std::u16string> unitsOfHex(std::string_view hex);

}  // namespace phoneeng
