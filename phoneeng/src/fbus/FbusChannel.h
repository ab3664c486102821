// The FBUS frame layer over a file descriptor (a serial line or the master
// side of a pseudo-terminal), as the phone's end of the cable: reads bytes,
// finds frames in them (skipping sync bytes and noise), acknowledges each
// message frame, gathers frames into messages, and sends messages as frames.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "fbus/FbusMessage.h"

namespace phoneeng::fbus {

struct ChannelStats {
    uint64_t framesRead = 0;
    uint64_t framesRefused = 0;  // bad checksum or length
    uint64_t messagesDropped = 0;
    uint64_t acksRead = 0;
};

class FbusChannel {
public:
    // `fd` stays owned by the caller and open for the channel's lifetime.
    explicit FbusChannel(int fd) : fd_(fd) {}

    // Waits at most `timeout` for bytes, then returns the messages that the
    // bytes read so far complete (possibly none). False in `alive` when the
    // descriptor failed for good.
    std::vector<FbusMessage> receive(std::chrono::milliseconds timeout, bool &alive);
    // Takes bytes as if read from the line (for tests and replays).
    std::vector<FbusMessage> feed(const uint8_t *bytes, size_t count);
    // Writes the message as frames; false when the line would not take them.
    bool send(const FbusMessage &message);

    const ChannelStats &stats() const { return stats_; }

private:
    bool writeAll(const std::vector<uint8_t> &bytes);

    int fd_;
    std::vector<uint8_t> pending_;
    FbusReassembler reassembler_;
    uint8_t sequence_ = 0;
    ChannelStats stats_;
};

}  // namespace phoneeng::fbus
