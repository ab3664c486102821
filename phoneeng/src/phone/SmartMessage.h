// Smart messages: logos and ring tones carried in 8-bit SMS user data with
// 16-bit port addressing (single: 06 05 04 PP PP 00 00; concatenated:
// 0B 05 04 PP PP 00 00 00 03 ref total seq), at most 140 bytes per part.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "logo/Logo.h"

namespace phoneeng::smartmessage {

constexpr uint16_t kPortRingTone = 0x1581;
constexpr uint16_t kPortOperatorLogo = 0x1582;
constexpr uint16_t kPortCallerLogo = 0x1583;
constexpr uint16_t kPortPicture = 0x158A;
// Data coding scheme of smart messages: 8-bit data, class 1.
constexpr uint8_t kDcs = 0xF5;
constexpr size_t kMaxUserData = 140;
constexpr size_t kMaxParts = 255;

// "MCC MNC" to the three network-code bytes ("244 05" -> 42 F4 50).
std::optional<std::array<uint8_t, 3>> networkCodeBytes(const std::string &netCode);
// The three bytes back to "MCC MNC"; nullopt when a nibble is not a digit.
std::optional<std::string> networkCodeText(std::span<const uint8_t> bytes);

// The payload and port of a logo's smart message: operator (compact form:
// network code, OTA bitmap), caller group (OTA bitmap) or picture message
// (version 30, bitmap item, then the text item when there is text).
// PE_NOT_SUPPORTED for a startup logo, PE_BAD_ARGUMENT for no logo or an
// operator logo whose network code cannot be written.
int16_t logoPayload(const Logo &logo, uint16_t &port, std::vector<uint8_t> &payload);

// The user data of each part, header included. Empty when the payload
// needs more than kMaxParts parts.
std::vector<std::vector<uint8_t>> userDataParts(uint16_t port, std::span<const uint8_t> payload,
                                                uint8_t reference);

struct PartInfo {
    uint16_t port = 0;
    bool concatenated = false;
    uint8_t reference = 0;
    uint8_t total = 1;
    uint8_t sequence = 1;
    size_t headerLength = 0;  // user data header, its length byte included
};
// Reads the user data header of one part; nullopt when it carries no
// destination port or is malformed.
std::optional<PartInfo> parsePart(std::span<const uint8_t> userData);

// Joins the parts of one message (any order) into its port and payload;
// nullopt when parts are missing, repeated or disagree.
std::optional<std::pair<uint16_t, std::vector<uint8_t>>> joinParts(
    const std::vector<std::vector<uint8_t>> &parts);

// The logo a logo smart message carries; nullopt for another port or a
// payload that holds no readable logo. Both operator forms are read, and
// caller-group logos with or without the version byte.
std::optional<Logo> decodeLogo(uint16_t port, std::span<const uint8_t> payload);

}  // namespace phoneeng::smartmessage
