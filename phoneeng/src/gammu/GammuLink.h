// A link to a real phone through libgammu: a serial device (with a protocol
// letter) or a section of the user's gammurc. Owned by the LinkRegistry.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "gammu/GammuPhone.h"
#include "phone/PhoneLink.h"
#include "phone/PortName.h"

namespace phoneeng {

// What a quick look at a serial device finds, before any protocol.
enum class DeviceState { Ready, Missing, NoPermission, CannotOpen, NotTerminal };
DeviceState probeDevice(const std::string &device);

class GammuLink final : public PhoneLink {
public:
    // Connects within `budget` (plus libgammu's grace to abort). A device
    // that is missing, cannot be opened or is no terminal gives
    // PE_NO_SUCH_PORT at once; a phone that does not answer PE_TIMEOUT.
    static int16_t open(const PortName &port, int32_t type, std::chrono::milliseconds budget,
                        std::unique_ptr<GammuLink> &link);

    bool alive() const override { return phone_->alive(); }
    Phone *phone() override { return phone_.get(); }
    int32_t session() const override { return 1; }
    GammuPhone &gammuPhone() { return *phone_; }

private:
    explicit GammuLink(std::unique_ptr<GammuPhone> phone) : phone_(std::move(phone)) {}
    std::unique_ptr<GammuPhone> phone_;
};

}  // namespace phoneeng
