// Helpers shared by the call set's entry points that need a phone. Each
// entry point takes engineLock() (these helpers do it for their callers).
#pragma once

#include <algorithm>
#include <mutex>
#include <string>

#include "Engine.h"
#include "phone/LinkRegistry.h"
#include "util/CText.h"

namespace phoneeng {

// Runs f(phone, link) for the current instance's phone, after finishing the
// phone's due work; gives `notConnected` without a link.
template <class R, class F>
R withPhone(R notConnected, F &&f) {
    std::lock_guard<std::recursive_mutex> lock(engineLock());
    PhoneLink *link = linkRegistry().current();
    Phone *phone = link && link->alive() ? link->phone() : nullptr;
    if (!phone) {
        return notConnected;
    }
    phone->pump();
    return f(*phone, *link);
}

template <class F>
int16_t withPhone(F &&f) {
    return withPhone<int16_t>(PE_NOT_CONNECTED, std::forward<F>(f));
}

// For calls that answer with a text: PE_BAD_ARGUMENT for a bad buffer;
// otherwise the buffer first gets "" (so a failing call leaves an empty
// text), then f(phone, link, text) runs and its text is written on PE_OK.
template <class F>
int16_t textFromPhone(char *buf, int32_t len, F &&f) {
    if (!buf || len <= 0) {
        return PE_BAD_ARGUMENT;
    }
    buf[0] = '\0';
    return withPhone([&](Phone &phone, PhoneLink &link) -> int16_t {
        std::string text;
        const int16_t code = f(phone, link, text);
        return code == PE_OK ? textOut(buf, len, text) : code;
    });
}

}  // namespace phoneeng
