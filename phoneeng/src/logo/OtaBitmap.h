// The OTA bitmap: the logo form inside smart messages and in .otb files.
// Info byte, width, height, depth 01, then the pixels row-major as one
// continuous bit stream (MSB = leftmost, 1 = set), only the last byte padded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "logo/Bitmap.h"
#include "logo/DecodedLogo.h"

namespace phoneeng {

// Info byte 00 and 8-bit sizes (info bit 4 and 16-bit sizes only for a side
// over 255).
std::vector<uint8_t> encodeOtaBitmap(const Bitmap &bitmap);

// Reads an OTA bitmap from the start of `bytes`. On success fills `out` and
// returns the number of bytes it took; returns 0 (and leaves `out` alone)
// when the bytes hold no complete, sane OTA bitmap. The info byte's other
// bits are ignored; bit 7 announces extension bytes (each with bit 7 telling
// whether another follows), bit 4 16-bit big-endian sizes. Depth must be 1
// and each side 1..kMaxLogoFileSide. Bytes after the bitmap are not looked at.
size_t decodeOtaBitmap(std::span<const uint8_t> bytes, Bitmap &out);

// A whole .otb file: an OTA bitmap, with every row padded to whole bytes
// when the file's length is exactly that layout's (some writers pad rows),
// else the continuous stream with any bytes after it ignored.
// PE_OK or PE_FILE_FORMAT.
int16_t decodeOtbFile(std::span<const uint8_t> bytes, DecodedLogo &out);

}  // namespace phoneeng
