// Test-side access to the recording fake engine. The test program links
// fakeengine_client, which makes the control library load the fake (through
// PHONEENG_LIBRARY, set before main) and lets the test script and read it
// here. Both sides open the same file, so they share one loaded copy and its
// one FakeEngineState.
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

#include "FakeEngineState.h"

namespace fakeengine {

using Lines = std::vector<std::string>;

// Makes the control library load the fake; must run before its first engine
// call (fakeengine_client does it before main).
inline bool useAsEngine() {
    return setenv("PHONEENG_LIBRARY", FAKEENGINE_PATH, 1) == 0;
}

inline FakeEngineState &state() {
    static FakeEngineState *const shared = [] {
        void *library = dlopen(FAKEENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
        void *f = library ? dlsym(library, "fakeengine_state") : nullptr;
        if (!f) {
            const char *why = dlerror();
            throw std::runtime_error(std::string("cannot load the fake engine: ") +
                                     (why ? why : FAKEENGINE_PATH));
        }
        return reinterpret_cast<decltype(&fakeengine_state)>(f)();
    }();
    return *shared;
}

inline void reset() {
    state().reset();
}
// Adds a line of the caller's own to the log (it should begin with "#").
inline void note(const std::string &text) {
    state().record(text);
}

// The log with the capacities after text buffers left out ("getimei(buf)"),
// for tests where the buffer's size is not the point.
inline Lines calls() {
    static const std::regex capacity("buf, -?[0-9]+");
    Lines lines = state().log();
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
    Answer(std::string fn, bool byDefault) : fn_(std::move(fn)), byDefault_(byDefault) {}
    Answer &result(int64_t value) {
        return edit([&](Scripted &a) { a.result = value; });
    }
    // 8-bit text for buffer `buffer` (counted from 0 in argument order).
    Answer &text(int32_t buffer, const std::string &value) {
        return edit([&](Scripted &a) {
            a.texts[buffer] = value;
            a.utf16.erase(buffer);
        });
    }
    Answer &utf16(int32_t buffer, const std::u16string &value) {
        return edit([&](Scripted &a) {
            a.utf16[buffer] = value;
            a.texts.erase(buffer);
        });
    }
    // Value for out pointer `index` (counted from 0).
    Answer &out(int32_t index, int32_t value) {
        return edit([&](Scripted &a) { a.outs[index] = value; });
    }

private:
    template <typename Edit>
    Answer &edit(Edit e) {
        state().edit(fn_, byDefault_, e);
        return *this;
    }
    std::string fn_;
    bool byDefault_;
};

inline Answer answer(const std::string &fn) {
    state().push(fn);
    return Answer(fn, false);
}

inline Answer byDefault(const std::string &fn) {
    return Answer(fn, true);
}

}  // namespace fakeengine
