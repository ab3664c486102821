// Settings messages (0x05: startup logo and text, operator logo, ring
// tones, profile features) and picture messages (0x47).
#pragma once

#include "fbus/FbusHandler.h"

namespace phoneeng::fbus {

class FbusLogoHandler final : public FbusHandler {
public:
    bool handles(uint8_t type) const override { return type == 0x05 || type == 0x47; }
    void handle(const FbusMessage &request, FbusContext &context,
                std::vector<FbusMessage> &replies) override;

private:
    static FbusMessage readStartup(Phone &phone);
    static FbusMessage writeStartup(const FbusMessage &request, Phone &phone);
    static FbusMessage readOperator(Phone &phone);
    static FbusMessage writeOperator(const FbusMessage &request, Phone &phone);
    static FbusMessage writeRingTone(const FbusMessage &request, Phone &phone);
    static FbusMessage readPicture(const FbusMessage &request, Phone &phone);
    static FbusMessage writePicture(const FbusMessage &request, Phone &phone);
};

}  // namespace phoneeng::fbus
