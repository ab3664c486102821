#include "phone/VirtualLink.h"

#include "phone/VirtualPhone.h"

namespace phoneeng {

VirtualLink::VirtualLink() : session_(virtualPhone().openSession()) {}

VirtualLink::~VirtualLink() {
    virtualPhone().closeSession(session_);
}

Phone *VirtualLink::phone() {
    return &virtualPhone();
}

}  // namespace phoneeng
