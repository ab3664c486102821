#include "ringtone/RingToneBinary.h"

#include "phoneeng.h"

namespace phoneeng {

// Placeholder until the ring tone codecs land.
std::vector<uint8_t> encodeRingToneBinary(const RingTone &) { return {}; }
int16_t decodeRingToneBinary(std::span<const uint8_t>, RingTone &) { return PE_FILE_FORMAT; }

}  // namespace phoneeng
