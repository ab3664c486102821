// Phonebook messages (0x03): entries, memory status, speed dials, and the
// caller groups with their names and logos.
//
// Memory bytes: 0x02 phone, 0x03 SIM, 0x05 own numbers, 0x07 dialled,
// 0x08 received, 0x09 missed calls. A caller group travels as 0..4 (0xFF or
// 5 and up: none), names and numbers as 8-bit text.
#pragma once

#include "fbus/FbusHandler.h"

namespace phoneeng::fbus {

class FbusPhonebookHandler final : public FbusHandler {
public:
    bool handles(uint8_t type) const override { return type == 0x03; }
    void handle(const FbusMessage &request, FbusContext &context,
                std::vector<FbusMessage> &replies) override;

private:
    static FbusMessage readEntry(const FbusMessage &request, Phone &phone);
    static FbusMessage writeEntry(const FbusMessage &request, Phone &phone);
    static FbusMessage memoryStatus(const FbusMessage &request, Phone &phone);
    static FbusMessage speedDial(const FbusMessage &request, Phone &phone);
    static FbusMessage readGroup(const FbusMessage &request, Phone &phone);
    static FbusMessage writeGroup(const FbusMessage &request, Phone &phone);
};

}  // namespace phoneeng::fbus
