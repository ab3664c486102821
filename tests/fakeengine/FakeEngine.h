// Test-side access to the recording fake engine. The test program links
// fakeengine_client, which makes the control library load the fake (through
// PHONEENG_LIBRARY, set before main) and lets the test script and read it
// here. Both sides open the same file, so they share one loaded copy.
//
//   fakeengine::reset();
//   fakeengine::answer("getimei").text(0, "490154203237518");
//   fakeengine::byDefault("isalive").result(1);
//   ... drive the control ...
//   EXPECT_EQ(fakeengine::calls(), (fakeengine::Lines{"set_vlkr_instance(1)", "getimei(buf)"}));
#pragma once

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeEngineControl.h"

namespace fakeengine {

using Lines = std::vector<std::string>;

// The fake engine's file.
inline const char *path() {
    return FAKEENGINE_PATH;
}

// Makes the control library load the fake; must run before its first engine
// call (fakeengine_client does it before main).
inline bool useAsEngine() {
    return setenv("PHONEENG_LIBRARY", FAKEENGINE_PATH, 1) == 0;
}

template <typename F>
F symbol(const char *name) {
    static void *library = dlopen(FAKEENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        throw std::runtime_error(std::string("cannot load the fake engine: ") + dlerror());
    }
    void *f = dlsym(library, name);
    if (!f) {
        throw std::runtime_error(std::string("fake engine lacks ") + name);
    }
    return reinterpret_cast<F>(f);
}

#define FAKEENGINE_FN(name) fakeengine::symbol<decltype(&::name)>(#name)

inline void reset() {
    FAKEENGINE_FN(fakeengine_reset)();
}
inline void note(const std::string &text) {
    FAKEENGINE_FN(fakeengine_note)(text.c_str());
}

// The log, one line per call, with each buffer's capacity as passed.
inline Lines rawCalls() {
    Lines lines;
    const int32_t count = FAKEENGINE_FN(fakeengine_call_count)();
    for (int32_t i = 0; i < count; ++i) {
        const int32_t size = FAKEENGINE_FN(fakeengine_call_text)(i, nullptr, 0);
        std::string line(std::size_t(size) + 1, '\0');
        FAKEENGINE_FN(fakeengine_call_text)(i, line.data(), size + 1);
        line.resize(std::size_t(size));
        lines.push_back(line);
    }
    return lines;
}

// The log with the capacities after text buffers left out ("getimei(buf)"),
// for tests where the buffer's size is not the point.
inline Lines calls() {
    static const std::regex capacity("buf, -?[0-9]+");
    Lines lines = rawCalls();
    for (std::string &line : lines) {
        line = std::regex_replace(line, capacity, "buf");
    }
    return lines;
}

// The function names of the log, in order.
inline Lines names() {
    Lines out;
    for (const std::string &line : calls()) {
        out.push_back(line.substr(0, line.find('(')));
    }
    return out;
}

// The lines of the log that are calls of fn.
inline Lines callsTo(const std::string &fn) {
    Lines out;
    for (const std::string &line : calls()) {
        if (line.compare(0, fn.size() + 1, fn + "(") == 0) {
            out.push_back(line);
        }
    }
    return out;
}

// Builds one answer: queued (answer) or the function's default (byDefault).
class Answer {
public:
    Answer(std::string fn, int32_t target) : fn_(std::move(fn)), target_(target) {}
    Answer &result(int64_t value) {
        FAKEENGINE_FN(fakeengine_set_result)(fn_.c_str(), target_, value);
        return *this;
    }
    // 8-bit text for buffer `buffer` (counted from 0 in argument order).
    Answer &text(int32_t buffer, const std::string &value) {
        FAKEENGINE_FN(fakeengine_set_text)(fn_.c_str(), target_, buffer, value.c_str());
        return *this;
    }
    Answer &utf16(int32_t buffer, const std::u16string &value) {
        FAKEENGINE_FN(fakeengine_set_utf16)
        (fn_.c_str(), target_, buffer, reinterpret_cast<const uint16_t *>(value.c_str()));
        return *this;
    }
    // Value for out pointer `index` (counted from 0).
    Answer &out(int32_t index, int32_t value) {
        FAKEENGINE_FN(fakeengine_set_out)(fn_.c_str(), target_, index, value);
        return *this;
    }

private:
    std::string fn_;
    int32_t target_;
};

inline Answer answer(const std::string &fn) {
    FAKEENGINE_FN(fakeengine_push)(fn.c_str());
    return Answer(fn, FAKEENGINE_LAST);
}

inline Answer byDefault(const std::string &fn) {
    return Answer(fn, FAKEENGINE_DEFAULT);
}

}  // namespace fakeengine
