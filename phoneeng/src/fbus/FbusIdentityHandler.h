// Who the phone is and the extended commands: model and firmware, and key
// presses (0xD1),
// and type 0x40 (IMEI, hardware and product strings, security switch with
// soft and hard reset, dialling, tones, settings reset).
//
// The phone calls itself by a DCT3 model code that libgammu's n6110 driver
// knows as a phone with caller groups and picture messages (8-bit texts);
// firmware, date, IMEI and hardware are the phone's own identity.
#pragma once

#include "fbus/FbusHandler.h"

namespace phoneeng::fbus {

inline constexpr const char *kModelCode = "NSM-3";

class FbusIdentityHandler final : public FbusHandler {
public:
    bool handles(uint8_t type) const override { return type == 0xD1 || type == 0x40; }
    void handle(const FbusMessage &request, FbusContext &context,
                std::vector<FbusMessage> &replies) override;

private:
    void extended(const FbusMessage &request, FbusContext &context,
                  std::vector<FbusMessage> &replies);
};

}  // namespace phoneeng::fbus
