#include "gammu/GammuText.h"

#include <algorithm>

namespace phoneeng {

std::u16string utf16FromGammu(const unsigned char *text) {
    std::u16string out;
    for (size_t i = 0; text && (text[i] || text[i + 1]); i += 2) {
        out.push_back(static_cast<char16_t>((text[i] << 8) | text[i + 1]));
    }
    return out;
}

std::string latin1FromGammu(const unsigned char *text) {
    std::string out;
    for (char16_t c : utf16FromGammu(text)) {
        out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    }
    return out;
}

void gammuFromUtf16(const std::u16string &text, unsigned char *out, size_t maxChars) {
    const size_t n = std::min(text.size(), maxChars);
    for (size_t i = 0; i < n; ++i) {
        out[2 * i] = static_cast<unsigned char>(text[i] >> 8);
        out[2 * i + 1] = static_cast<unsigned char>(text[i] & 0xFF);
    }
    out[2 * n] = 0;
    out[2 * n + 1] = 0;
}

void gammuFromLatin1(const std::string &text, unsigned char *out, size_t maxChars) {
    std::u16string wide;
    for (char c : text) {
        wide.push_back(static_cast<unsigned char>(c));
    }
    gammuFromUtf16(wide, out, maxChars);
}

}  // namespace phoneeng
