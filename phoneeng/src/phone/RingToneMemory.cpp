#include "phone/RingToneMemory.h"

#include "phoneeng.h"
#include "ringtone/RingToneBinary.h"

namespace phoneeng {

int16_t RingToneMemory::upload(int32_t location, const RingTone &tone) {
    const auto name = ringToneName(tone.name);
    if (location < 1 || tone.entries.empty() || !name || *name != tone.name ||
        !isRingToneTempo(tone.tempo) || tone.loop < 0 || tone.loop > RingTone::kMaxLoop) {
        return PE_BAD_ARGUMENT;
    }
    if (location > kLocations) {
        return PE_PAST_END;
    }
    if (tone.entries.size() > kMaxNotes) {
        return PE_PHONE_ERROR;
    }
    if (encodeRingToneBinary(tone).empty()) {
        return PE_BAD_ARGUMENT;  // the phone could not hold it
    }
    tones_[static_cast<size_t>(location) - 1] = tone;
    return PE_OK;
}

bool RingToneMemory::restore(int32_t location, const RingTone &tone) {
    return upload(location, tone) == PE_OK;
}

}  // namespace phoneeng
