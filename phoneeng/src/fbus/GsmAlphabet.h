// The GSM 7-bit default alphabet with its extension table, and the packing
// of septets into octets (septet i at bit 7 * i, least significant first).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace phoneeng::fbus {

// The septets of `text` (extension characters take two); nullopt when a
// character has no place in the alphabet.
std::optional<std::vector<uint8_t>> gsmSeptetsOf(std::u16string_view text);
// The text of septets; an unknown extension reads as a blank.
std::u16string textOfGsmSeptets(std::span<const uint8_t> septets);

// Packs septets into octets, the first one at septet position `first` (the
// positions before it belong to a header already in place and are left as
// they are in `out`, which grows as needed).
void packSeptets(std::span<const uint8_t> septets, size_t first, std::vector<uint8_t> &out);
// `count` septets from septet position `first`; nullopt when the octets end
// first.
std::optional<std::vector<uint8_t>> unpackSeptets(std::span<const uint8_t> octets, size_t first,
                                                  size_t count);

}  // namespace phoneeng::fbus
