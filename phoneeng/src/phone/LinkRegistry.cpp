#include "phone/LinkRegistry.h"

#include "gammu/GammuLink.h"
#include "phone/PortName.h"
#include "phone/VirtualLink.h"
#include "phoneeng.h"

namespace phoneeng {

LinkRegistry &linkRegistry() {
    // Never destroyed: closing links at exit would reach statics that may
    // already be gone.
    static LinkRegistry *registry = new LinkRegistry;
    return *registry;
}

int16_t LinkRegistry::connect(const std::string &port, int32_t type) {
    if (type != PE_CONNECTION_SERIAL && type != PE_CONNECTION_INFRARED) {
        return PE_BAD_ARGUMENT;
    }
    disconnect();
    const auto name = parsePortName(port);
    if (!name) {
        return PE_NO_SUCH_PORT;
    }
    if (name->kind == PortName::Kind::Virtual) {
        links_[current_] = std::make_unique<VirtualLink>();
        return PE_OK;
    }
    std::unique_ptr<GammuLink> link;
    const auto budget = callBudget_.count() > 0 ? callBudget_ : kGammuDefaultBudget;
    const int16_t code = GammuLink::open(*name, type, budget, link);
    if (code == PE_OK && link) {
        links_[current_] = std::move(link);
    }
    return code;
}

void LinkRegistry::disconnect() {
    links_.erase(current_);
}

PhoneLink *LinkRegistry::current() {
    const auto it = links_.find(current_);
    return it == links_.end() ? nullptr : it->second.get();
}

Phone *LinkRegistry::currentPhone() {
    PhoneLink *link = current();
    return link && link->alive() ? link->phone() : nullptr;
}

void LinkRegistry::closeVirtualLinks() {
    for (auto it = links_.begin(); it != links_.end();) {
        if (dynamic_cast<VirtualLink *>(it->second.get())) {
            it = links_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace phoneeng
