// The phone's state: levels and power (0x04), network (0x0A), and clock
// and alarm (0x11).
#pragma once

#include "fbus/FbusHandler.h"

namespace phoneeng::fbus {

class FbusStatusHandler final : public FbusHandler {
public:
    bool handles(uint8_t type) const override {
        return type == 0x04 || type == 0x0A || type == 0x11;
    }
    void handle(const FbusMessage &request, FbusContext &context,
                std::vector<FbusMessage> &replies) override;
};

// The network answer (0x0A, subtype 0x71): registered at home, cell, area,
// network code and the operator's name in 16-bit characters.
FbusMessage networkReply(const NetworkStatus &network);

}  // namespace phoneeng::fbus
