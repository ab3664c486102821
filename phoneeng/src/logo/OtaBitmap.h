// The OTA bitmap: the logo form inside smart messages and in .otb files.
// Info byte, width, height, depth 01, then the pixels row-major as one
// continuous bit stream (MSB = leftmost, 1 = set), only the last byte padded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "logo/Bitmap.h"

namespace phoneeng {

std::vector<uint8_t> encodeOtaBitmap(const Bitmap &bitmap);

// Reads an OTA bitmap from the start of `bytes`. On success fills `out` and
// returns the number of bytes it took; returns 0 (and leaves `out` alone)
// when the bytes hold no complete, sane OTA bitmap.
size_t decodeOtaBitmap(std::span<const uint8_t> bytes, Bitmap &out);

}  // namespace phoneeng
