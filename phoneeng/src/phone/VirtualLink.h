// A link to the process's virtual phone. Opening one starts a session (its
// own event mailbox) with the phone; destroying it ends the session.
#pragma once

#include "phone/PhoneLink.h"

namespace phoneeng {

class VirtualLink final : public PhoneLink {
public:
    VirtualLink();
    ~VirtualLink() override;
    VirtualLink(const VirtualLink &) = delete;
    VirtualLink &operator=(const VirtualLink &) = delete;

    bool alive() const override { return true; }
    Phone *phone() override;
    int32_t session() const override { return session_; }

private:
    int32_t session_ = 0;
};

}  // namespace phoneeng
