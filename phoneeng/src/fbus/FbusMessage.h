// A whole FBUS message (one or more frames' worth) and its splitting into
// frames and reassembly from them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "fbus/FbusFrame.h"

namespace phoneeng::fbus {

struct FbusMessage {
    uint8_t type = 0;
    std::vector<uint8_t> body;
    bool operator==(const FbusMessage &) const = default;
};

// The frames of `message` from `source` to `destination`, each part at most
// kMaxPart bytes. `sequence` is the sender's frame counter (0..7): each frame
// takes the next value, the first one marked with 0x40.
std::vector<FbusFrame> splitMessage(const FbusMessage &message, uint8_t &sequence,
                                    uint8_t destination = kDevicePc, uint8_t source = kDevicePhone);

// Gathers the frames of one message at a time. Acknowledgements are not
// messages and are never given to add().
class FbusReassembler {
public:
    enum class Result {
        Incomplete,  // the frame was taken; more are to come
        Complete,    // the frame finished a message (see take())
        Dropped,     // the frame did not fit the message under way
    };

    Result add(const FbusFrame &frame);
    // The message that the last Complete finished.
    FbusMessage take() { return std::move(done_); }

private:
    std::optional<FbusMessage> current_;
    uint8_t framesToGo_ = 0;
    FbusMessage done_;
};

}  // namespace phoneeng::fbus
