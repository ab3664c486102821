// One FBUS 2 frame on the cable: frame id 0x1E, destination, source, message
// type, a 16-bit big-endian length, the data (padded to an even count) and
// two XOR checksums, one over the bytes at even offsets and one over those
// at odd offsets, each counted from the frame id.
//
// The data of a message frame is one part of the message followed by the
// frames still to come (this one included) and a sequence byte (0x40 set on
// the first frame of a message, low three bits counting frames). An
// acknowledgement (type 0x7F) carries the acknowledged type and sequence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace phoneeng::fbus {

inline constexpr uint8_t kFrameId = 0x1E;
inline constexpr uint8_t kDevicePhone = 0x00;
inline constexpr uint8_t kDevicePc = 0x0C;
inline constexpr uint8_t kAckType = 0x7F;
// The most message bytes one frame carries (before frames-to-go and sequence).
inline constexpr size_t kMaxPart = 120;
// The longest data a frame may claim; anything longer is line noise.
inline constexpr size_t kMaxFrameData = kMaxPart + 2;
inline constexpr size_t kHeaderSize = 6;

struct FbusFrame {
    uint8_t destination = kDevicePc;
    uint8_t source = kDevicePhone;
    uint8_t type = 0;
    // The data as its length field counts it (no padding, no checksums).
    std::vector<uint8_t> data;
    bool operator==(const FbusFrame &) const = default;
};

enum class FrameStatus {
    Ok,           // a frame was read
    NeedMore,     // the bytes so far start a frame that is not complete
    NotFrameId,   // the first byte is no frame id: drop it and look again
    BadLength,    // the length field is zero or beyond kMaxFrameData
    BadChecksum,  // a checksum does not match
};

struct FrameDecodeResult {
    FrameStatus status = FrameStatus::NeedMore;
    // Bytes to drop from the front of the input: the whole frame for Ok,
    // one byte for each error (so that a frame hidden inside noise is still
    // found), none for NeedMore.
    size_t consumed = 0;
    FbusFrame frame;
};

// The bytes of `frame` on the cable. The data must not be longer than
// kMaxFrameData.
std::vector<uint8_t> encodeFrame(const FbusFrame &frame);

// Reads the frame at the start of `bytes`.
FrameDecodeResult decodeFrame(std::span<const uint8_t> bytes);

// The acknowledgement of a message frame of `type` with `sequence`.
FbusFrame ackFrame(uint8_t type, uint8_t sequence);

}  // namespace phoneeng::fbus
