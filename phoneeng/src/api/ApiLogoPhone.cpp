// The logo calls that need a phone: upload, download, sending as a smart
// message and logos received that way.
#include "phone/ApiSupport.h"
#include "phone/SmartMessage.h"
#include "phone/SmsSending.h"
#include "phoneeng.h"
#include "util/Barrier.h"

using namespace phoneeng;

extern "C" {

int16_t logo_upload(void) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([](Phone &phone, PhoneLink &) { return phone.uploadLogo(engine().logo); });
    });
}

int16_t logo_download(int32_t type) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            Logo logo = engine().logo;
            const int16_t code = phone.downloadLogo(type, logo);
            if (code == PE_OK) {
                engine().logo = std::move(logo);
            }
            return code;
        });
    });
}

int16_t sendoplogoviasms(const char *dest) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::unique_lock<std::recursive_mutex> lock(engineLock());
        if (!linkRegistry().currentPhone()) {
            return PE_NOT_CONNECTED;
        }
        uint16_t port = 0;
        std::vector<uint8_t> payload;
        const int16_t code = smartmessage::logoPayload(engine().logo, port, payload);
        if (code != PE_OK) {
            return code;
        }
        return sendSmartMessage(lock, textIn(dest), port, payload);
    });
}

int16_t logo_sendsiemensota(const char *dest, int32_t a, int32_t b) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([](Phone &, PhoneLink &) -> int16_t { return PE_NOT_SUPPORTED; });
    });
}

int32_t logo_getlastreceived(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withPhone<int32_t>(0, [](Phone &phone, PhoneLink &) -> int32_t {
            Logo logo;
            if (!phone.lastReceivedLogo(logo)) {
                return 0;
            }
            engine().logo = std::move(logo);
            engine().lastReceivedLoaded = true;
            return 1;
        });
    });
}

}  // extern "C"
