// NSL (startup logo): IFF-like chunks (4-character id, u16 BE length,
// payload) inside a FORM chunk. The NSLD chunk holds the pixels in bands of 8
// rows: byte (y / 8) * W + x, bit (y mod 8), LSB = top row of the band.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "logo/DecodedLogo.h"
#include "logo/Logo.h"

namespace phoneeng {

// FORM with one NSLD chunk of 84 x 48; a smaller logo is placed top-left.
std::vector<uint8_t> encodeNsl(const Logo &logo);

// PE_OK or PE_FILE_FORMAT. Unknown chunks are skipped, bytes after the FORM
// chunk ignored. NSLD lengths 504 (84 x 48), 768 (96 x 60) and 864 (96 x 65)
// are read at their size; any other length, a missing NSLD chunk, or a chunk
// that runs past its FORM or the file, is refused.
int16_t decodeNsl(std::span<const uint8_t> bytes, DecodedLogo &out);

}  // namespace phoneeng
