// Message sending, reading and the message centres (0x02), and the stored
// messages' status and deletion (0x14); every answer about a stored
// message comes as 0x14.
//
// The stored messages are shown as one memory: locations 1.. run through
// the inbox, then the reports, then the outbox, oldest first in each, so a
// deletion moves the later locations down by one.
#pragma once

#include "fbus/FbusHandler.h"

namespace phoneeng::fbus {

class FbusSmsHandler final : public FbusHandler {
public:
    bool handles(uint8_t type) const override { return type == 0x02 || type == 0x14; }
    void handle(const FbusMessage &request, FbusContext &context,
                std::vector<FbusMessage> &replies) override;

private:
    static void send(const FbusMessage &request, FbusContext &context,
                     std::vector<FbusMessage> &replies);
    static FbusMessage serviceCentre(const FbusMessage &request, Phone &phone);
    static FbusMessage status(Phone &phone);
    static FbusMessage readMessage(const FbusMessage &request, Phone &phone);
    static FbusMessage deleteMessage(const FbusMessage &request, Phone &phone);
};

// The notice of a message that has just arrived (0x02, subtype 0x10).
FbusMessage incomingSmsNotice(const SmsMessage &message);

}  // namespace phoneeng::fbus
