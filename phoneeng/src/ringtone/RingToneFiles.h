// Ring tone files on disk: RTTTL text, or the ring tone binary (.ott), with
// whole-file reads and all-or-nothing writes. Results are call-set codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "ringtone/RingTone.h"

namespace phoneeng {

// No ring tone file is this long; longer files are refused unread.
constexpr size_t kMaxRingToneFileBytes = 64 * 1024;

// Tells the two formats apart by content: a first byte of 1 to 3 (the
// binary's count of command parts) is the binary, anything else RTTTL text.
int16_t decodeRingToneFile(std::span<const uint8_t> bytes, RingTone &out);

// PE_FILE_OPEN for a missing or unreadable file, PE_FILE_FORMAT for a
// damaged or oversized one; `tone` is only changed on PE_OK.
int16_t readRingToneFile(const std::string &path, RingTone &tone);

// The binary for a path ending in ".ott" (any case), else RTTTL text.
// PE_NOT_SUPPORTED (nothing written) when the binary cannot hold the tone;
// otherwise the codes of writeFileAtomically.
int16_t writeRingToneFile(const std::string &path, const RingTone &tone);

}  // namespace phoneeng
