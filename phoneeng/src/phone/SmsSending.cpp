#include "phone/SmsSending.h"

#include <algorithm>
#include <thread>

#include "phone/LinkRegistry.h"
#include "phone/SmartMessage.h"
#include "phone/SmsSettings.h"
#include "phoneeng.h"

namespace phoneeng {

int16_t serviceCentreOf(const Phone &phone, int32_t settingSet, std::string &centre) {
    if (settingSet == 0) {
        const SmsSettings &s = smsSettings();
        if (s.centreSet != 0 || s.centreNumber.empty()) {
            return PE_BAD_ARGUMENT;
        }
        centre = s.centreNumber;
        return PE_OK;
    }
    return phone.storedServiceCentre(settingSet, centre);
}

int16_t sendAndWait(std::unique_lock<std::recursive_mutex> &lock, const SmsSendRequest &request) {
    PhoneLink *link = linkRegistry().current();
    Phone *phone = linkRegistry().currentPhone();
    if (!phone) {
        return PE_NOT_CONNECTED;
    }
    phone->pump();
    const SmsSettings &s = smsSettings();
    const std::chrono::milliseconds delay(s.sendDelayMs);
    const auto start = std::chrono::steady_clock::now();
    SteadyTime due;
    const int16_t code = phone->send(request, link->session(), delay, due);
    if (code != PE_OK || !s.mustWait || delay.count() == 0) {
        return code;
    }
    const auto deadline =
        start + std::chrono::milliseconds(std::min(s.timeoutMs, SmsSettings::kMaxWaitMs));
    lock.unlock();
    std::this_thread::sleep_until(std::min(due, deadline));
    lock.lock();
    if (Phone *after = linkRegistry().currentPhone()) {
        after->pump();
    }
    return due <= deadline ? PE_OK : PE_TIMEOUT;
}

int16_t sendSmartMessage(std::unique_lock<std::recursive_mutex> &lock,
                         const std::string &destination, uint16_t port,
                         std::span<const uint8_t> payload) {
    Phone *phone = linkRegistry().currentPhone();
    if (!phone) {
        return PE_NOT_CONNECTED;
    }
    SmsSettings &s = smsSettings();
    SmsSendRequest request;
    request.destination = destination;
    const int16_t code = serviceCentreOf(*phone, s.centreSet, request.serviceCentre);
    if (code != PE_OK) {
        return code;
    }
    request.encoding = SmsEncoding::Binary;
    request.smsClass = 1;
    request.pid = s.pid;
    request.dcs = smartmessage::kDcs;
    request.parts = smartmessage::userDataParts(port, payload, s.nextConcatReference);
    request.partsHaveHeader = true;
    if (request.parts.empty()) {
        return PE_BAD_ARGUMENT;
    }
    if (request.parts.size() > 1) {
        s.nextConcatReference = static_cast<uint8_t>(s.nextConcatReference + 1);
    }
    return sendAndWait(lock, request);
}

}  // namespace phoneeng
