// libgammu's texts are UCS-2, big-endian, two zero bytes at the end; the
// call set's are 8-bit ISO-8859-1 (or UTF-16 where it says so).
#pragma once

#include <cstddef>
#include <string>

namespace phoneeng {

// Characters beyond ISO-8859-1 become '?'.
std::string latin1FromGammu(const unsigned char *text);
std::u16string utf16FromGammu(const unsigned char *text);
// Writes at most `maxChars` characters and the end mark into `out`, which
// holds (maxChars + 1) * 2 bytes.
void gammuFromLatin1(const std::string &text, unsigned char *out, size_t maxChars);
void gammuFromUtf16(const std::u16string &text, unsigned char *out, size_t maxChars);

}  // namespace phoneeng
