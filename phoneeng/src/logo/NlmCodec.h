// NLM: a logo of any type. Header "NLM ", 01, type (0 operator, 1 caller
// group, 2 startup, 3 picture message), frames - 1, width, height (u8 each),
// depth 01; then frames of H * ceil(W/8) bytes, rows MSB-first, 1 = set.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "logo/DecodedLogo.h"
#include "logo/Logo.h"

namespace phoneeng {

// One frame at the logo's own size. The logo's type must not be None.
std::vector<uint8_t> encodeNlm(const Logo &logo);

// PE_OK or PE_FILE_FORMAT (wrong magic, unknown type byte, a size of 0, a
// frame shorter than the size needs). Only the first frame is read; the frame
// count and anything after the first frame are ignored.
int16_t decodeNlm(std::span<const uint8_t> bytes, DecodedLogo &out);

}  // namespace phoneeng
