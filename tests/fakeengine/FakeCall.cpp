#include "FakeCall.h"

#include <algorithm>
#include <cstring>

#include "FakeEngineState.h"

namespace fakeengine {

namespace {

std::string quoted(const std::string &text) {
    return "\"" + text + "\"";
}

// UTF-16 to UTF-8, for the log only.
std::string toUtf8(const std::u16string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

FakeCall &FakeCall::num(long long value) {
    args_.push_back(std::to_string(value));
    return *this;
}

FakeCall &FakeCall::text(const char *text) {
    args_.push_back(text ? quoted(text) : "null");
    return *this;
}

FakeCall &FakeCall::utf16(const uint16_t *text) {
    if (!text) {
        args_.push_back("null");
        return *this;
    }
    std::u16string s;
    for (const uint16_t *p = text; *p; ++p) {
        s += char16_t(*p);
    }
    args_.push_back("u" + quoted(toUtf8(s)));
    return *this;
}

FakeCall &FakeCall::data(const void *data, int32_t bytes, bool unicode) {
    if (!data || bytes < 0) {
        args_.push_back("null");
        return *this;
    }
    if (unicode) {
        std::u16string s(std::size_t(bytes / 2), u'\0');
        std::memcpy(s.data(), data, s.size() * 2);
        args_.push_back("u" + quoted(toUtf8(s)));
    } else {
        args_.push_back(quoted(std::string(static_cast<const char *>(data), std::size_t(bytes))));
    }
    return *this;
}

FakeCall &FakeCall::buf(char *buffer, int32_t len) {
    if (!buffer) {
        args_.push_back("null");
    } else if (len == 0) {
        // Not wanted: the engine leaves it alone; the log shows what it held.
        args_.push_back(quoted(std::string(buffer, strnlen(buffer, 16))));
    } else {
        args_.push_back("buf");
    }
    buffers_.push_back({buffer, len, false});
    return *this;
}

FakeCall &FakeCall::anyBuf(void *buffer, int32_t len) {
    args_.push_back(buffer ? "buf" : "null");
    buffers_.push_back({buffer, len, true});
    return *this;
}

FakeCall &FakeCall::out(int32_t *value) {
    args_.push_back(value ? "&" : "null");
    outs_.push_back(value);
    return *this;
}

int64_t FakeCall::finishCall() {
    std::string line = name_ + "(";
    for (std::size_t i = 0; i < args_.size(); ++i) {
        line += (i ? ", " : "") + args_[i];
    }
    line += ")";
    FakeEngineState &state = *fakeengine_state();
    state.record(std::move(line));
    const Scripted answer = state.take(name_);

    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        const Buffer &b = buffers_[i];
        if (!b.data || b.len <= 0) {
            continue;
        }
        auto wide = answer.utf16.find(int(i));
        if (b.mayBeUtf16 && wide != answer.utf16.end()) {
            const std::size_t n =
                std::min<std::size_t>(wide->second.size(), std::size_t(b.len) - 1);
            auto *units = static_cast<uint16_t *>(b.data);
            std::copy_n(wide->second.begin(), n, units);
            units[n] = 0;
            continue;
        }
        auto narrow = answer.texts.find(int(i));
        const std::string text = narrow == answer.texts.end() ? std::string() : narrow->second;
        const std::size_t n = std::min<std::size_t>(text.size(), std::size_t(b.len) - 1);
        auto *bytes = static_cast<char *>(b.data);
        std::memcpy(bytes, text.data(), n);
        bytes[n] = '\0';
    }
    for (std::size_t i = 0; i < outs_.size(); ++i) {
        auto value = answer.outs.find(int(i));
        if (outs_[i] && value != answer.outs.end()) {
            *outs_[i] = value->second;
        }
    }
    return answer.result;
}

}  // namespace fakeengine
