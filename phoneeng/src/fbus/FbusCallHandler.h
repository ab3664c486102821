// Call messages (0x01): dialling, answering and ending single calls, and
// DTMF tones during a call. The notice of an incoming call (subtype 0x05)
// goes out from the responder.
#pragma once

#include "fbus/FbusHandler.h"

namespace phoneeng::fbus {

class FbusCallHandler final : public FbusHandler {
public:
    bool handles(uint8_t type) const override { return type == 0x01; }
    void handle(const FbusMessage &request, FbusContext &context,
                std::vector<FbusMessage> &replies) override;
};

// The key of a libgammu key code as the phone's key presses name it ('0'-'9',
// '*', '#', S send, E end, C clear, M menu, U up, D down); 0 for a key the
// phone has not.
char keyOfCode(uint8_t code);

}  // namespace phoneeng::fbus
