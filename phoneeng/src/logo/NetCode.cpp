#include "logo/NetCode.h"

#include <cstdio>

namespace phoneeng {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int digitsValue(std::string_view digits) {
    int v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

std::optional<NetCode> parseNetCode(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return NetCode{};
    }
    size_t i = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    const std::string_view first = text.substr(0, i);
    if (i == text.size()) {
        // One run of digits: three for the country, the rest for the network.
        if (first.size() != 5 && first.size() != 6) {
            return std::nullopt;
        }
        return NetCode{digitsValue(first.substr(0, 3)), digitsValue(first.substr(3))};
    }
    size_t j = i;
    while (j < text.size() && isBlank(text[j])) {
        ++j;
    }
    if (j < text.size() && text[j] == '-') {
        ++j;
        while (j < text.size() && isBlank(text[j])) {
            ++j;
        }
    }
    const std::string_view second = text.substr(j);
    if (j == i || first.empty() || first.size() > 3 || second.empty() || second.size() > 3) {
        return std::nullopt;
    }
    for (char c : second) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
    }
    return NetCode{digitsValue(first), digitsValue(second)};
}

std::string formatNetCode(const NetCode &code) {
    if (code.mcc == 0 && code.mnc == 0) {
        return {};
    }
    char buf[16];
    // The country code is always three digits: the test network is "001 01".
    std::snprintf(buf, sizeof buf, "%03d %02d", code.mcc, code.mnc);
    return buf;
}

}  // namespace phoneeng
