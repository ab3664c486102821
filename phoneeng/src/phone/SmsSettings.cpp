#include "phone/SmsSettings.h"

namespace phoneeng {

SmsSettings &smsSettings() {
    static SmsSettings settings;
    return settings;
}

}  // namespace phoneeng
