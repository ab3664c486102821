// The state the engine holds for the whole process: the one logo and the one
// ring tone that the call set works on. Every entry point of the call set
// takes engineLock() for the duration of its call.
#pragma once

#include <mutex>

#include "logo/Logo.h"
#include "ringtone/RingTone.h"

namespace phoneeng {

struct EngineState {
    Logo logo;
    RingTone ringTone;
    // Set when a logo that arrived by smart message was loaded into `logo`.
    bool lastReceivedLoaded = false;
};

// The process-wide engine state. Callers hold engineLock() while using it.
EngineState &engine();
std::recursive_mutex &engineLock();

}  // namespace phoneeng
