// Smart messages as they arrive: up to four parts of user data are parsed,
// joined and read as a logo or ring tone. A part's header lies within it; a
// joined message split again joins to the same payload; a logo that reads
// is sent the same way and reads back equal.
#include "FuzzCheck.h"
#include "phone/SmartMessage.h"
#include "phoneeng.h"
#include "ringtone/RingToneBinary.h"

using namespace phoneeng;
namespace sm = phoneeng::smartmessage;

namespace {

// The first byte gives the part count (1-4), then each part is a length
// byte and that many bytes (fewer when the input ends).
std::vector<std::vector<uint8_t>> splitParts(const uint8_t *data, size_t size) {
    std::vector<std::vector<uint8_t>> parts;
    if (size == 0) {
        return parts;
    }
    const size_t count = 1 + data[0] % 4;
    size_t at = 1;
    while (parts.size() < count && at < size) {
        const size_t length = data[at++];
        const size_t n = std::min(length, size - at);
        parts.emplace_back(data + at, data + at + n);
        at += n;
    }
    return parts;
}

void checkLogo(uint16_t port, const std::vector<uint8_t> &payload) {
    const std::optional<Logo> logo = sm::decodeLogo(port, payload);
    if (!logo) {
        return;
    }
    FUZZ_CHECK(logo->bitmap().pixels.size() ==
               static_cast<size_t>(logo->width()) * logo->height());
    uint16_t again = 0;
    std::vector<uint8_t> sent;
    if (sm::logoPayload(*logo, again, sent) != PE_OK) {
        return;
    }
    const std::optional<Logo> back = sm::decodeLogo(again, sent);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(back->type() == logo->type());
    FUZZ_CHECK(back->bitmap() == logo->bitmap());
    FUZZ_CHECK(back->netCode == logo->netCode);
    FUZZ_CHECK(back->message == logo->message);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::vector<std::vector<uint8_t>> parts = splitParts(data, size);
    for (const auto &part : parts) {
        if (const auto info = sm::parsePart(part)) {
            FUZZ_CHECK(info->headerLength <= part.size());
            FUZZ_CHECK(info->sequence >= 1 && info->sequence <= info->total);
        }
    }
    const auto joined = sm::joinParts(parts);
    if (!joined) {
        return 0;
    }
    const auto &[port, payload] = *joined;
    const auto split = sm::userDataParts(port, payload, 7);
    if (!split.empty()) {
        const auto rejoined = sm::joinParts(split);
        FUZZ_CHECK(rejoined.has_value() && *rejoined == *joined);
    }
    checkLogo(port, payload);
    if (port == sm::kPortRingTone) {
        RingTone tone;
        (void)decodeRingToneBinary(payload, tone);
    }
    return 0;
}
