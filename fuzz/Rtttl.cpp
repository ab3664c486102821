// RTTTL text: a tone that reads is within the model's limits, its canonical
// text reads back to the same tone, and so does its binary when it has one.
#include <string_view>

#include "FuzzCheck.h"
#include "phoneeng.h"
#include "ringtone/RingToneBinary.h"
#include "ringtone/Rtttl.h"

using namespace phoneeng;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RingTone tone;
    if (decodeRtttl({reinterpret_cast<const char *>(data), size}, tone) != PE_OK) {
        return 0;
    }
    FUZZ_CHECK(tone.name.size() <= RingTone::kMaxName);
    FUZZ_CHECK(tone.entries.size() <= RingTone::kMaxEntries);
    FUZZ_CHECK(isRingToneTempo(tone.tempo));

    const std::string text = encodeRtttl(tone);
    RingTone again;
    FUZZ_CHECK(decodeRtttl(text, again) == PE_OK);
    FUZZ_CHECK(again == tone);

    const std::vector<uint8_t> binary = encodeRingToneBinary(tone);
    if (!binary.empty()) {
        RingTone fromBinary;
        FUZZ_CHECK(decodeRingToneBinary(binary, fromBinary) == PE_OK);
        FUZZ_CHECK(fromBinary.entries == tone.entries);
    }
    return 0;
}
