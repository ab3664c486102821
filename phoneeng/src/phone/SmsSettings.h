// The engine's message settings: which service centre sends go through, the
// send mode and timing, the code page of 8-bit texts, PID and DCS. They
// belong to the engine (one set per process), not to a phone, and are not
// kept between runs.
#pragma once

#include <cstdint>
#include <string>

#include "phone/TextCodec.h"

namespace phoneeng {

struct SmsSettings {
    static constexpr int32_t kDefaultTimeoutMs = 10000;
    static constexpr int32_t kMaxSendDelayMs = 60000;
    // No call waits longer than this for a send.
    static constexpr int32_t kMaxWaitMs = 10000;

    // 0: `centreNumber` as given; 1..3: the phone's stored centre of that
    // number (last read into `centreNumber`, "" before the first read).
    int32_t centreSet = 1;
    std::string centreNumber;
    int32_t timeoutMs = kDefaultTimeoutMs;  // longest wait of a waiting send
    int32_t sendDelayMs = 0;                // time the network takes to accept a message
    int32_t codePage = kCodePageLatin1;
    bool mustWait = true;  // sends return once the network took the message
    uint8_t pid = 0;
    uint8_t dcs = 0;
    uint8_t nextConcatReference = 1;  // of concatenated smart messages
};

// The process's settings; callers hold engineLock().
SmsSettings &smsSettings();

}  // namespace phoneeng
