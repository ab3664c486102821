#include "phone/PhoneIdentity.h"

namespace phoneeng::virtualphone {

PhoneIdentity identity() {
    PhoneIdentity id;
    id.imei = "351004201234561";
    id.modelCode = "VPH-1";
    id.maker = "Glyphsmith";
    id.modelName = "Virtual Phone";
    id.revision = "V 04.20,HW:0101";
    id.softwareDate = "14-06-00";
    id.capabilities = "OCPSRK";
    return id;
}

NetworkStatus network(std::time_t now) {
    NetworkStatus n;
    n.providerCode = "999 01";
    n.providerName = "Virtual Net";
    n.country = "Testland";
    n.serviceCentre = kSmsCentres[0];
    n.cellId = "1A2B";
    n.areaCode = "03E8";
    // A slow drift between 66 and 90, one step every 10 seconds.
    static constexpr int32_t kDrift[] = {0, 3, 6, 9, 12, 9, 6, 3, 0, -3, -6, -9, -12, -9, -6, -3};
    const auto step = static_cast<size_t>((now / 10) % 16);
    n.rfLevel = 78 + kDrift[step];
    n.batteryLevel = 85;
    n.mainsPower = true;
    return n;
}

}  // namespace phoneeng::virtualphone
