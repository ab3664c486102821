#include "fbus/FbusFrame.h"

namespace phoneeng::fbus {

namespace {

size_t paddedSize(size_t dataLength) {
    return kHeaderSize + dataLength + (dataLength % 2);
}

}  // namespace

std::vector<uint8_t> encodeFrame(const FbusFrame &frame) {
    std::vector<uint8_t> out;
    out.reserve(paddedSize(frame.data.size()) + 2);
    out.push_back(kFrameId);
    out.push_back(frame.destination);
    out.push_back(frame.source);
    out.push_back(frame.type);
    out.push_back(static_cast<uint8_t>(frame.data.size() >> 8));
    out.push_back(static_cast<uint8_t>(frame.data.size() & 0xFF));
    out.insert(out.end(), frame.data.begin(), frame.data.end());
    if (frame.data.size() % 2 != 0) {
        out.push_back(0x00);
    }
    uint8_t even = 0;
    uint8_t odd = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        (i % 2 == 0 ? even : odd) ^= out[i];
    }
    out.push_back(even);
    out.push_back(odd);
    return out;
}

FrameDecodeResult decodeFrame(std::span<const uint8_t> bytes) {
    FrameDecodeResult result;
    if (bytes.empty()) {
        return result;
    }
    if (bytes[0] != kFrameId) {
        result.status = FrameStatus::NotFrameId;
        result.consumed = 1;
        return result;
    }
    if (bytes.size() < kHeaderSize) {
        return result;
    }
    const size_t length = (static_cast<size_t>(bytes[4]) << 8) | bytes[5];
    if (length == 0 || length > kMaxFrameData) {
        result.status = FrameStatus::BadLength;
        result.consumed = 1;
        return result;
    }
    const size_t body = paddedSize(length);
    if (bytes.size() < body + 2) {
        return result;
    }
    uint8_t even = 0;
    uint8_t odd = 0;
    for (size_t i = 0; i < body; ++i) {
        (i % 2 == 0 ? even : odd) ^= bytes[i];
    }
    if (even != bytes[body] || odd != bytes[body + 1]) {
        result.status = FrameStatus::BadChecksum;
        result.consumed = 1;
        return result;
    }
    result.status = FrameStatus::Ok;
    result.consumed = body + 2;
    result.frame.destination = bytes[1];
    result.frame.source = bytes[2];
    result.frame.type = bytes[3];
    result.frame.data.assign(bytes.begin() + kHeaderSize, bytes.begin() + kHeaderSize + length);
    return result;
}

FbusFrame ackFrame(uint8_t type, uint8_t sequence) {
    FbusFrame frame;
    frame.type = kAckType;
    frame.data = {type, static_cast<uint8_t>(sequence & 0x0F)};
    return frame;
}

}  // namespace phoneeng::fbus
