// One call of the fake engine: collects the arguments as text, then records
// the call and applies the scripted answer (texts into the buffers, values
// into the out pointers) and gives its result.
//
//   return FakeCall("getimei").buf(buf, len).num(len).finish<int16_t>();
//
// Each call is logged as one line, for example
//   set_vlkr_instance(1)   getimei(buf, 128)   sendsms("555", "hi", 1, 65537)
//   getnetworkinfo(buf, 64, "1", 0, "1", 0)   getrflevel(&)   logo_setmessage(u"Hi", 4, 1)
// Texts in double quotes (u"..." for UTF-16, shown as UTF-8), buffers the
// engine fills as "buf" (a buffer of length 0 shows its text instead), out
// pointers as "&", null pointers as "null", numbers in decimal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fakeengine {

class FakeCall {
public:
    explicit FakeCall(const char *name) : name_(name) {}

    FakeCall &num(long long value);
    FakeCall &text(const char *text);
    FakeCall &utf16(const uint16_t *text);
    // `bytes` bytes of 8-bit text, or of UTF-16 text when `unicode` is set.
    FakeCall &data(const void *data, int32_t bytes, bool unicode);
    // An 8-bit text buffer of `len` bytes for the engine to fill.
    FakeCall &buf(char *buffer, int32_t len);
    // A buffer filled with UTF-16 text (len counts 16-bit units) when the
    // answer holds UTF-16 text for it, else with 8-bit text.
    FakeCall &anyBuf(void *buffer, int32_t len);
    FakeCall &out(int32_t *value);

    template <typename R>
    R finish() {
        return static_cast<R>(finishCall());
    }

private:
    struct Buffer {
        void *data;
        int32_t len;
        bool mayBeUtf16;
    };
    int64_t finishCall();

    std::string name_;
    std::vector<std::string> args_;
    std::vector<Buffer> buffers_;
    std::vector<int32_t *> outs_;
};

}  // namespace fakeengine

// Defines engine call `name` of the call set: it logs the call with the
// arguments `args` gives (a chain of FakeCall calls) and answers from the
// script, the result converted to R.
//   FAKE(int16_t, getimei, (char *buf, int32_t len), .buf(buf, len).num(len))
#define FAKE(R, name, params, args)                          \
    PHONEENG_API R name params {                             \
        return fakeengine::FakeCall(#name) args.finish<R>(); \
    }
