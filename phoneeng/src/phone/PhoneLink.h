// A link from one engine instance to a phone: the built-in virtual phone or
// a serial cable. Owned by the LinkRegistry, one per instance.
#pragma once

#include <cstdint>

#include "phone/Phone.h"

namespace phoneeng {

class PhoneLink {
public:
    virtual ~PhoneLink() = default;

    // True while the phone answers over the link.
    virtual bool alive() const = 0;
    // The phone at the other end while the link works, else null.
    virtual Phone *phone() = 0;
    // This link's session with that phone (its event mailbox).
    virtual int32_t session() const = 0;
};

}  // namespace phoneeng
