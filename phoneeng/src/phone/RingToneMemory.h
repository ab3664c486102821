// The ring tones kept in the virtual phone, in locations 1..7.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ringtone/RingTone.h"

namespace phoneeng {

class RingToneMemory {
public:
    static constexpr int32_t kLocations = 7;
    // The most notes the phone takes; longer tunes are refused.
    static constexpr size_t kMaxNotes = 130;

    // PE_BAD_ARGUMENT for a location below 1, a tune without notes, one
    // that breaks the model's rules (name, tempo, loop) or one the ring tone
    // binary cannot express; PE_PAST_END past location 7,
    // PE_PHONE_ERROR for a tune that is too long for the phone.
    int16_t upload(int32_t location, const RingTone &tone);

    const std::array<std::optional<RingTone>, kLocations> &locations() const { return tones_; }
    // Puts back a saved tune; false when it would not have been accepted.
    bool restore(int32_t location, const RingTone &tone);

private:
    std::array<std::optional<RingTone>, kLocations> tones_;
};

}  // namespace phoneeng
