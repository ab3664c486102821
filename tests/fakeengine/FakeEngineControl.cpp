// The fake engine's own C functions (see FakeEngineControl.h).
#include "FakeEngineControl.h"

#include <cstring>

#include "FakeEngineState.h"

using fakeengine::Answer;
using fakeengine::FakeEngineState;

extern "C" {

void fakeengine_reset(void) {
    FakeEngineState::instance().reset();
}

void fakeengine_push(const char *fn) {
    FakeEngineState::instance().push(fn);
}

void fakeengine_set_result(const char *fn, int32_t target, int64_t result) {
    FakeEngineState::instance().edit(fn, target == FAKEENGINE_DEFAULT,
                                     [&](Answer &a) { a.result = result; });
}

void fakeengine_set_text(const char *fn, int32_t target, int32_t buffer, const char *text) {
    FakeEngineState::instance().edit(fn, target == FAKEENGINE_DEFAULT, [&](Answer &a) {
        a.texts[buffer] = text ? text : "";
        a.utf16.erase(buffer);
    });
}

void fakeengine_set_utf16(const char *fn, int32_t target, int32_t buffer, const uint16_t *text) {
    std::u16string s;
    for (const uint16_t *p = text; p && *p; ++p) {
        s += char16_t(*p);
    }
    FakeEngineState::instance().edit(fn, target == FAKEENGINE_DEFAULT, [&](Answer &a) {
        a.utf16[buffer] = s;
        a.texts.erase(buffer);
    });
}

void fakeengine_set_out(const char *fn, int32_t target, int32_t index, int32_t value) {
    FakeEngineState::instance().edit(fn, target == FAKEENGINE_DEFAULT,
                                     [&](Answer &a) { a.outs[index] = value; });
}

void fakeengine_note(const char *text) {
    FakeEngineState::instance().record(text ? text : "");
}

int32_t fakeengine_call_count(void) {
    return int32_t(FakeEngineState::instance().log().size());
}

int32_t fakeengine_call_text(int32_t i, char *buf, int32_t len) {
    const std::vector<std::string> log = FakeEngineState::instance().log();
    if (i < 0 || std::size_t(i) >= log.size()) {
        return -1;
    }
    const std::string &line = log[std::size_t(i)];
    if (buf && len > 0) {
        const std::size_t n = std::min<std::size_t>(line.size(), std::size_t(len) - 1);
        std::memcpy(buf, line.data(), n);
        buf[n] = '\0';
    }
    return int32_t(line.size());
}

}  // extern "C"
