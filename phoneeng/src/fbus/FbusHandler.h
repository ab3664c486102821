// One group of the phone's message types. Handlers answer from the Phone
// they are given, so a request over the cable and a call of the call set
// see the same state. Callers hold engineLock() around handle().
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "fbus/FbusMessage.h"
#include "phone/Phone.h"

namespace phoneeng::fbus {

struct FbusContext {
    Phone &phone;
    int32_t session = 0;  // the cable's session with the phone
};

class FbusHandler {
public:
    virtual ~FbusHandler() = default;
    virtual bool handles(uint8_t type) const = 0;
    // Appends the answers to `request` (none for a request the phone
    // ignores) to `replies`.
    virtual void handle(const FbusMessage &request, FbusContext &context,
                        std::vector<FbusMessage> &replies) = 0;
};

// An answer of `type` in the usual layout: 0x01 0x08 0x00, then `subtype`
// and `data`.
inline FbusMessage reply(uint8_t type, uint8_t subtype, std::span<const uint8_t> data = {}) {
    FbusMessage m{type, {0x01, 0x08, 0x00, subtype}};
    m.body.insert(m.body.end(), data.begin(), data.end());
    return m;
}
inline FbusMessage reply(uint8_t type, uint8_t subtype, std::initializer_list<uint8_t> data) {
    return reply(type, subtype, std::span<const uint8_t>(data.begin(), data.size()));
}

// The request's subtype (its fourth byte), or -1 when it is too short.
inline int subtypeOf(const FbusMessage &request, size_t at = 3) {
    return request.body.size() > at ? request.body[at] : -1;
}

}  // namespace phoneeng::fbus
