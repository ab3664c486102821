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

    // How long each call to a real phone may take before it is aborted
    // (0: the default, which keeps every call within 10 seconds).
    void setCallBudget(std::chrono::milliseconds budget) { callBudget_ = budget; }
    std::chrono::milliseconds callBudget() const { return callBudget_; }

private:
    intptr_t current_ = 0;
    std::map<intptr_t, std::unique_ptr<PhoneLink>> links_;
    std::chrono::milliseconds callBudget_{0};
};

LinkRegistry &linkRegistry();

}  // namespace phoneeng
