#include "phone/TextCodec.h"

#include <array>
#include <cstring>

#include "phoneeng.h"

namespace phoneeng {

namespace {

// Windows-1252 at 0x80..0x9F; 0 where the code page leaves the byte undefined
// (those bytes pass through as the C1 control of the same value).
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendUtf8Decoded(std::string_view text, std::u16string &out) {
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<uint8_t>(text[i]);
        int extra = 0;
        uint32_t cp = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool ok = i + extra < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto c = static_cast<uint8_t>(text[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        static constexpr uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += extra + 1;
    }
}

void appendUtf8Encoded(std::u16string_view text, std::string &out) {
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            out.push_back('?');
            continue;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

bool isSupportedCodePage(int32_t codePage) {
    return codePage == kCodePageLatin1 || codePage == kCodePageWindows1252 ||
           codePage == kCodePageUtf8;
}

std::u16string decode8Bit(std::string_view text, int32_t codePage) {
    std::u16string out;
    out.reserve(text.size());
    if (codePage == kCodePageUtf8) {
        appendUtf8Decoded(text, out);
        return out;
    }
    for (char c : text) {
        const auto b = static_cast<uint8_t>(c);
        char16_t u = b;
        if (codePage == kCodePageWindows1252 && b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80]) {
            u = kCp1252High[b - 0x80];
        }
        out.push_back(u);
    }
    return out;
}

std::string encode8Bit(std::u16string_view text, int32_t codePage) {
    std::string out;
    out.reserve(text.size());
    if (codePage == kCodePageUtf8) {
        appendUtf8Encoded(text, out);
        return out;
    }
    for (char16_t u : text) {
        if (codePage == kCodePageWindows1252 && u >= 0x100) {
            char mapped = '?';
            for (size_t k = 0; k < kCp1252High.size(); ++k) {
                if (kCp1252High[k] == u) {
                    mapped = static_cast<char>(0x80 + k);
                    break;
                }
            }
            out.push_back(mapped);
        } else {
            out.push_back(u < 0x100 ? static_cast<char>(u) : '?');
        }
    }
    return out;
}

std::u16string utf16FromLatin1(std::string_view text) {
    return decode8Bit(text, kCodePageLatin1);
}

std::optional<std::string> latin1From(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t u : text) {
        if (u > 0xFF) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(u));
    }
    return out;
}

int16_t utf16Out(void *buf, int32_t len, std::u16string_view text) {
    if (!buf || len <= 0) {
        return PE_BAD_ARGUMENT;
    }
    size_t n = std::min<size_t>(text.size(), static_cast<size_t>(len) - 1);
    if (n > 0 && n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) {
        --n;  // do not leave half a surrogate pair
    }
    auto *out = static_cast<unsigned char *>(buf);
    for (size_t i = 0; i < n; ++i) {
        const uint16_t unit = text[i];
        std::memcpy(out + 2 * i, &unit, 2);
    }
    const uint16_t nul = 0;
    std::memcpy(out + 2 * n, &nul, 2);
    return PE_OK;
}

std::optional<std::u16string> utf16In(const uint16_t *text, size_t maxUnits) {
    std::u16string out;
    if (!text) {
        return out;
    }
    for (size_t i = 0; i <= maxUnits; ++i) {
        if (text[i] == 0) {
            return out;
        }
        out.push_back(static_cast<char16_t>(text[i]));
    }
    return std::nullopt;
}

std::string hexOfBytes(const std::vector<uint8_t> &bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0x0F]);
    }
    return out;
}

std::string hexOfUnits(std::u16string_view units) {
    std::vector<uint8_t> bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t u : units) {
        bytes.push_back(static_cast<uint8_t>(u >> 8));
        bytes.push_back(static_cast<uint8_t>(u & 0xFF));
    }
    return hexOfBytes(bytes);
}

std::optional<std::vector<uint8_t>> bytesOfHex(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::vector<uint8_t> out;
    out.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int hi = hexDigit(hex[i]);
        const int lo = hexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<uint8_t>(hi * 16 + lo));
    }
    return out;
}

std::optional<std::u16string> unitsOfHex(std::string_view hex) {
    if (hex.size() % 4 != 0) {
        return std::nullopt;
    }
    const auto bytes = bytesOfHex(hex);
    if (!bytes) {
        return std::nullopt;
    }
    std::u16string out;
    for (size_t i = 0; i < bytes->size(); i += 2) {
        out.push_back(static_cast<char16_t>(((*bytes)[i] << 8) | (*bytes)[i + 1]));
    }
    return out;
}

}  // namespace phoneeng
