// The links of the engine's instances: each instance (chosen by
// set_vlkr_instance, 0 before any choice) has at most one link. One per
// process (linkRegistry()); callers hold engineLock().
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "phone/PhoneLink.h"

namespace phoneeng {

class LinkRegistry {
public:
    void select(intptr_t instance) { current_ = instance; }
    intptr_t selected() const { return current_; }

    // Connects the current instance (dropping any link it had). type: 0
    // serial, 1 infrared. PE_NO_SUCH_PORT for a port text that names no
    // port, PE_BAD_ARGUMENT for another type.
    int16_t connect(const std::string &port, int32_t type);
    void disconnect();
    // The current instance's link, or null.
    PhoneLink *current();
    // The phone behind the current instance's live link, or null.
    Phone *currentPhone();

    // Closes every instance's link to the virtual phone.
    void closeVirtualLinks();

    // How long a serial device is given to answer at connect.
    void setSerialAnswerTimeout(std::chrono::milliseconds timeout) { serialTimeout_ = timeout; }

private:
    intptr_t current_ = 0;
    std::map<intptr_t, std::unique_ptr<PhoneLink>> links_;
    std::chrono::milliseconds serialTimeout_{0};
};

LinkRegistry &linkRegistry();

}  // namespace phoneeng
