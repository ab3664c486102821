// The ring tone binary (.ott files and ring tone smart messages): a tone
// that reads is within the model's limits and, written again, reads back to
// the same tone.
#include "FuzzCheck.h"
#include "phoneeng.h"
#include "ringtone/RingToneBinary.h"
#include "ringtone/RingToneFiles.h"

using namespace phoneeng;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RingTone tone;
    if (decodeRingToneBinary({data, size}, tone) != PE_OK) {
        return 0;
    }
    FUZZ_CHECK(tone.entries.size() <= RingTone::kMaxEntries);
    FUZZ_CHECK(isRingToneTempo(tone.tempo));

    const std::vector<uint8_t> binary = encodeRingToneBinary(tone);
    if (!binary.empty()) {
        RingTone again;
        FUZZ_CHECK(decodeRingToneBinary(binary, again) == PE_OK);
        FUZZ_CHECK(again == tone);
    }
    // Whatever the first byte, the file reader takes the same bytes safely.
    RingTone viaFile;
    (void)decodeRingToneFile({data, size}, viaFile);
    return 0;
}
