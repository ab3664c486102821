// The ring tone calls that need a phone: upload, sending as a smart message
// and sounding a tone on the buzzer.
#include <thread>

#include "phone/ApiSupport.h"
#include "phone/SmartMessage.h"
#include "phone/SmsSending.h"
#include "phoneeng.h"
#include "ringtone/RingToneBinary.h"
#include "util/Barrier.h"

using namespace phoneeng;

namespace {

constexpr int32_t kToneKind = 15;
constexpr int32_t kMaxToneMs = 60000;
constexpr int32_t kMaxTone = 65535;  // twice the frequency in Hz

}  // namespace

extern "C" {

int16_t ringtone_upload(int16_t location) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) {
            return phone.uploadRingTone(location, engine().ringTone);
        });
    });
}

int16_t ringtone_sendsms(const char *dest) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::unique_lock<std::recursive_mutex> lock(engineLock());
        if (!linkRegistry().currentPhone()) {
            return PE_NOT_CONNECTED;
        }
        const std::vector<uint8_t> payload = encodeRingToneBinary(engine().ringTone);
        if (payload.empty()) {
            return PE_BAD_ARGUMENT;  // the tone cannot be expressed as a ring tone binary
        }
        return sendSmartMessage(lock, textIn(dest), smartmessage::kPortRingTone, payload);
    });
}

int16_t play_tone(int32_t kind, int32_t tone, int32_t ms) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        {
            std::lock_guard<std::recursive_mutex> lock(engineLock());
            if (!linkRegistry().currentPhone()) {
                return PE_NOT_CONNECTED;
            }
        }
        if (kind != kToneKind || tone < 0 || tone > kMaxTone || ms < 0 || ms > kMaxToneMs) {
            return PE_BAD_ARGUMENT;
        }
        // The tone sounds while the engine is free for other calls; the call
        // lasts as long as the tone.
        const int16_t started =
            withPhone([&](Phone &phone, PhoneLink &) { return phone.startTone(tone / 2); });
        if (started != PE_OK) {
            return started;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return withPhone([](Phone &phone, PhoneLink &) { return phone.stopTone(); });
    });
}

}  // extern "C"
