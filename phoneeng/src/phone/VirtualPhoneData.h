// Everything the virtual phone keeps across program runs: what the user put
// on it (phonebook, messages, logos, ring tones, startup text, clock offset,
// alarm, monitor mode) and the next message reference.
#pragma once

#include <cstdint>

#include "phone/LogoMemory.h"
#include "phone/NetMonitor.h"
#include "phone/PhoneClock.h"
#include "phone/PhonebookMemory.h"
#include "phone/RingToneMemory.h"
#include "phone/SmsStore.h"

namespace phoneeng {

struct VirtualPhoneData {
    PhoneClock clock;
    PhonebookMemory phonebook;
    SmsStore sms;
    LogoMemory logos;
    RingToneMemory ringTones;
    NetMonitor netMonitor;
    int32_t nextReference = 1;  // 0..255

    // The content of a phone fresh from the shop.
    void seed() {
        phonebook.seed();
        sms.seed();
    }
};

}  // namespace phoneeng
