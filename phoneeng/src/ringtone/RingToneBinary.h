// The ring tone binary: the payload of a ring tone smart message (port
// 0x1581) and the content of .ott files.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ringtone/RingTone.h"

namespace phoneeng {

std::vector<uint8_t> encodeRingToneBinary(const RingTone &tone);

// On success fills `out` and returns PE_OK; otherwise returns PE_FILE_FORMAT
// and leaves `out` alone.
int16_t decodeRingToneBinary(std::span<const uint8_t> bytes, RingTone &out);

}  // namespace phoneeng
