// NOL (operator logo) and NGG (caller-group graphic): a small header and one
// ASCII character per pixel, row-major, '1' set and '0' clear.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "logo/DecodedLogo.h"
#include "logo/Logo.h"

namespace phoneeng {

// The logo at its own size with its network code ("" is written as 0 0);
// the pixel characters are padded with '0' to a multiple of 8.
std::vector<uint8_t> encodeNol(const Logo &logo);
std::vector<uint8_t> encodeNgg(const Logo &logo);

// PE_OK or PE_FILE_FORMAT (wrong magic, size 0 or over kMaxLogoFileSide,
// fewer pixel characters than the size needs, a character other than '0' or
// '1'). Bytes after the pixels are ignored, as is the header's unknown field.
int16_t decodeNol(std::span<const uint8_t> bytes, DecodedLogo &out);
int16_t decodeNgg(std::span<const uint8_t> bytes, DecodedLogo &out);

}  // namespace phoneeng
