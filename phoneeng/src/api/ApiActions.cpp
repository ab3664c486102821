// The actions and clock group, and the engine's hooks that act on its
// virtual phone (an incoming call, the action log).
#include <cctype>

#include "phone/ApiSupport.h"
#include "phone/VirtualPhone.h"
#include "phoneeng.h"
#include "util/Barrier.h"

using namespace phoneeng;

namespace {

std::string lower(std::string text) {
    for (char &c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

extern "C" {

int16_t dialvoice(const char *number) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) { return phone.dial(textIn(number)); });
    });
}

int16_t send_dtmf(const char *digits) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) { return phone.sendDtmf(textIn(digits)); });
    });
}

int16_t sendkeystrokes(const char *keys) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) { return phone.pressKeys(textIn(keys)); });
    });
}

int16_t reset(const char *mode) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) { return phone.reset(textIn(mode)); });
    });
}

int16_t hangup(void) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([](Phone &phone, PhoneLink &) { return phone.hangUp(); });
    });
}

int16_t answercall(void) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([](Phone &phone, PhoneLink &) { return phone.answer(); });
    });
}

int16_t gsmbeep(int32_t on) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) { return phone.beep(on); });
    });
}

int16_t netmonitor(const char *mode, char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return textFromPhone(buf, len, [&](Phone &phone, PhoneLink &, std::string &screen) {
            return phone.netMonitor(textIn(mode), screen);
        });
    });
}

int16_t setlogo(const char *kind, const char *value, const char *extra) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            const std::string k = lower(textIn(kind));
            if (k.empty()) {
                return PE_BAD_ARGUMENT;
            }
            if (k != "text") {
                return PE_NOT_SUPPORTED;
            }
            return phone.setStartupText(textIn(value));
        });
    });
}

int16_t setdatetime(int32_t y, int32_t mo, int32_t d, int32_t h, int32_t mi, int32_t s) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) {
            return phone.setDateTime({y, mo, d, h, mi, s});
        });
    });
}

int16_t getdatetime(int32_t *y, int32_t *mo, int32_t *d, int32_t *h, int32_t *mi, int32_t *s) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            PhoneDateTime t;
            const int16_t code = phone.readDateTime(t);
            if (code != PE_OK) {
                return code;
            }
            valueOut(y, t.year);
            valueOut(mo, t.month);
            valueOut(d, t.day);
            valueOut(h, t.hour);
            valueOut(mi, t.minute);
            valueOut(s, t.second);
            return PE_OK;
        });
    });
}

int16_t setalarm(int32_t h, int32_t mi) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) { return phone.setAlarm(h, mi); });
    });
}

int16_t getalarm(int32_t *on, int32_t *h, int32_t *mi) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            bool isOn = false;
            int32_t hour = 0, minute = 0;
            const int16_t code = phone.readAlarm(isOn, hour, minute);
            if (code != PE_OK) {
                return code;
            }
            valueOut(on, isOn ? 1 : 0);
            valueOut(h, hour);
            valueOut(mi, minute);
            return PE_OK;
        });
    });
}

int16_t phoneeng_virtual_incoming_call(const char *number, const char *name) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone(
            [&](Phone &phone, PhoneLink &) { return phone.ring(textIn(number), textIn(name)); });
    });
}

int16_t phoneeng_virtual_log(int32_t k, char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        if (!buf || len <= 0 || k < 0) {
            return PE_BAD_ARGUMENT;
        }
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        const auto &log = virtualPhone().calls().log();
        if (static_cast<size_t>(k) >= log.size()) {
            textOut(buf, len, "");
            return PE_PAST_END;
        }
        return textOut(buf, len, log[static_cast<size_t>(k)]);
    });
}

}  // extern "C"
