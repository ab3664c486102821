// The picture and network-code layouts of the phone's logo messages.
//
// Operator, caller-group and picture logos are packed by rows: pixel (x, y)
// is bit 7 - (i % 8) of byte i / 8, i = y * width + x. The startup logo is
// packed in bands of eight rows: pixel (x, y) is bit y % 8 of byte
// (y / 8) * width + x. A set bit is a black pixel.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fbus/FbusReader.h"
#include "logo/Bitmap.h"
#include "logo/Logo.h"

namespace phoneeng::fbus {

std::vector<uint8_t> packRows(const Bitmap &bitmap);
// nullopt when `bytes` is shorter than a width x height picture needs.
std::optional<Bitmap> unpackRows(std::span<const uint8_t> bytes, int width, int height);

// The size word, 00, width, height, 01, then the logo's rows.
void putRowsBlock(std::vector<uint8_t> &out, const Logo &logo);
// Reads 00, width, height, 01, rows into `logo` (whose type sets the size);
// false when the picture is cut short or of another size.
bool readRows(FbusReader &in, Logo &logo);

std::vector<uint8_t> packBands(const Bitmap &bitmap);
std::optional<Bitmap> unpackBands(std::span<const uint8_t> bytes, int width, int height);

// "MCC MNC" as three BCD bytes (MCC digits 1 and 2, 0xF0 | MCC digit 3, MNC
// digits 1 and 2, low nibble first); an empty or malformed code gives zeros.
std::array<uint8_t, 3> encodeNetworkCode(const std::string &code);
// The code as "MCC MNC" ("244 05"); nibbles above 9 are left out.
std::string decodeNetworkCode(std::span<const uint8_t, 3> bytes);

}  // namespace phoneeng::fbus
