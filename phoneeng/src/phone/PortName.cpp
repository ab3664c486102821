#include "phone/PortName.h"

#include <unistd.h>

#include <cctype>

namespace phoneeng {

namespace {

bool isProtocol(char c) {
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char *p = kProtocolLetters; *p; ++p) {
        if (*p == u) {
            return true;
        }
    }
    return false;
}

std::string upper(std::string text) {
    for (char &c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

char upperOf(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Splits off a trailing protocol letter (or a letter and the editor's "F")
// when `base` is acceptable without it.
template <class Accept>
std::optional<std::pair<std::string, char>> withProtocol(const std::string &text, Accept accept) {
    if (accept(text)) {
        return std::make_pair(text, '\0');
    }
    const size_t n = text.size();
    if (n > 1 && isProtocol(text[n - 1])) {
        const std::string base = text.substr(0, n - 1);
        if (accept(base)) {
            return std::make_pair(base, upperOf(text[n - 1]));
        }
    }
    if (n > 2 && upperOf(text[n - 1]) == 'F' && isProtocol(text[n - 2]) &&
        upperOf(text[n - 2]) != 'F') {
        const std::string base = text.substr(0, n - 2);
        if (accept(base)) {
            return std::make_pair(base, upperOf(text[n - 2]));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<PortName> parsePortName(const std::string &raw) {
    const size_t first = raw.find_first_not_of(" \t");
    const size_t last = raw.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::string text = raw.substr(first, last - first + 1);

    if (auto v = withProtocol(upper(text), [](const std::string &s) { return s == "VIRTUAL"; })) {
        return PortName{PortName::Kind::Virtual, "", v->second};
    }
    int section = 0;
    const auto isSection = [&section](const std::string &s) {
        if (s.size() < 5 || s.size() > 7 || s.compare(0, 5, "GAMMU") != 0) {
            return false;
        }
        int n = 0;
        for (size_t i = 5; i < s.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(s[i]))) {
                return false;
            }
            n = n * 10 + (s[i] - '0');
        }
        section = n;
        return true;
    };
    if (auto g = withProtocol(upper(text), isSection)) {
        return PortName{PortName::Kind::GammuSection, "", g->second, section};
    }
    int com = 0;
    const auto isCom = [&com](const std::string &s) {
        if (s.size() < 4 || s.size() > 6 || s.compare(0, 3, "COM") != 0) {
            return false;
        }
        int n = 0;
        for (size_t i = 3; i < s.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(s[i]))) {
                return false;
            }
            n = n * 10 + (s[i] - '0');
        }
        com = n;
        return n >= 1 && n <= 256;
    };
    if (auto c = withProtocol(upper(text), isCom)) {
        return PortName{PortName::Kind::Serial, "/dev/ttyS" + std::to_string(com - 1), c->second};
    }
    if (text.front() == '/') {
        const auto exists = [](const std::string &s) { return ::access(s.c_str(), F_OK) == 0; };
        if (auto d = withProtocol(text, exists)) {
            return PortName{PortName::Kind::Serial, d->first, d->second};
        }
        // A path that does not exist: still a serial device (it will not
        // open), named without its protocol letters.
        const auto bare = [](const std::string &s) { return !isProtocol(s.back()); };
        if (auto d = withProtocol(text, bare)) {
            return PortName{PortName::Kind::Serial, d->first, d->second};
        }
        return PortName{PortName::Kind::Serial, text, 0};
    }
    return std::nullopt;
}

}  // namespace phoneeng
