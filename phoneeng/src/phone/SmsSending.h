// Sending through the current instance's phone with the engine's message
// settings: service centre, send delay, waiting and its time-out.
#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string>

#include "phone/Phone.h"

namespace phoneeng {

// The service centre of a setting set: 0 the number given to the engine
// (PE_BAD_ARGUMENT when none was given), 1..3 the phone's stored centre.
int16_t serviceCentreOf(const Phone &phone, int32_t settingSet, std::string &centre);

// Sends `request` through the current instance's phone (PE_NOT_CONNECTED
// without one). In waiting mode the call returns when the network has taken
// the message, or with PE_TIMEOUT once the time-out (at most 10 s) runs out
// first; the message then still goes. `lock` holds engineLock() and is
// released while waiting.
int16_t sendAndWait(std::unique_lock<std::recursive_mutex> &lock, const SmsSendRequest &request);

// Sends a smart message (8-bit data with port addressing, concatenated when
// longer than one SMS) to `destination` through the centre in use, class 1,
// without a delivery report. PE_BAD_ARGUMENT when the payload needs more
// than 255 parts.
int16_t sendSmartMessage(std::unique_lock<std::recursive_mutex> &lock,
                         const std::string &destination, uint16_t port,
                         std::span<const uint8_t> payload);

}  // namespace phoneeng
