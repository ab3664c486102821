// Monochrome Windows bitmaps (1 bit per pixel, uncompressed).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "logo/Bitmap.h"
#include "logo/DecodedLogo.h"

namespace phoneeng {

// A bottom-up 1-bit BMP with a 40-byte info header; palette entry 0 is
// white, 1 black, so a set pixel is a 1 bit.
std::vector<uint8_t> encodeBmp(const Bitmap &bitmap);

// PE_OK or PE_FILE_FORMAT. Takes the core (12-byte) and the info (40 to 124
// byte) headers, bottom-up and top-down rows; refuses other depths,
// compression, sizes of 0 or over kMaxLogoFileSide, and files whose palette
// or rows are cut short. A pixel is set when its palette colour is dark
// (brightness 0.33 R + 0.5 G + 0.17 B below 128).
int16_t decodeBmp(std::span<const uint8_t> bytes, DecodedLogo &out);

}  // namespace phoneeng
