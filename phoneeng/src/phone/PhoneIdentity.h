// What a phone says about itself and its network.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace phoneeng {

struct PhoneIdentity {
    std::string imei;
    std::string modelCode;
    std::string maker;
    std::string modelName;
    std::string revision;      // "V " + software + ",HW:" + hardware
    std::string softwareDate;  // "dd-mm-yy", "" when unknown
    std::string capabilities;  // letters O C P S R K
};

struct NetworkStatus {
    std::string providerCode;  // "MCC MNC"
    std::string providerName;
    std::string country;
    std::string serviceCentre;
    std::string cellId;        // hexadecimal
    std::string areaCode;      // hexadecimal
    int32_t rfLevel = 0;       // 0..100
    int32_t batteryLevel = 0;  // 0..100
    bool mainsPower = false;
};

// The built-in virtual phone's fixed data.
namespace virtualphone {

inline constexpr const char *kOwnNumber = "+15555550123";
inline constexpr const char *kSmsCentres[] = {"+15555550200", "+15555550201", "+15555550202"};
inline constexpr int32_t kStoredCentres = 3;

PhoneIdentity identity();
// The network as the phone sees it at computer time `now`; the signal
// level drifts a little over time.
NetworkStatus network(std::time_t now);

}  // namespace virtualphone

}  // namespace phoneeng
