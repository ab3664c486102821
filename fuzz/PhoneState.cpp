// The virtual phone's state file: a file that reads is written back in a
// form that reads again and is written the same way (no state is lost or
// invented in the round trip).
#include <string_view>

#include "FuzzCheck.h"
#include "phone/PhoneStateCodec.h"

using namespace phoneeng;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    VirtualPhoneData state;
    std::string error;
    if (!PhoneStateCodec::read({reinterpret_cast<const char *>(data), size}, state, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    const std::string written = PhoneStateCodec::write(state);
    VirtualPhoneData again;
    FUZZ_CHECK(PhoneStateCodec::read(written, again, error));
    FUZZ_CHECK(PhoneStateCodec::write(again) == written);
    return 0;
}
