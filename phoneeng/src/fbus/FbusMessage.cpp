#include "fbus/FbusMessage.h"

#include <algorithm>

namespace phoneeng::fbus {

namespace {

// A message longer than this is refused rather than gathered without end.
constexpr size_t kMaxMessage = 16 * 1024;

}  // namespace

std::vector<FbusFrame> splitMessage(const FbusMessage &message, uint8_t &sequence,
                                    uint8_t destination, uint8_t source) {
    const size_t count = std::max<size_t>(1, (message.body.size() + kMaxPart - 1) / kMaxPart);
    std::vector<FbusFrame> frames;
    frames.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        FbusFrame frame;
        frame.destination = destination;
        frame.source = source;
        frame.type = message.type;
        const size_t from = i * kMaxPart;
        const size_t to = std::min(message.body.size(), from + kMaxPart);
        frame.data.assign(message.body.begin() + static_cast<std::ptrdiff_t>(from),
                          message.body.begin() + static_cast<std::ptrdiff_t>(to));
        frame.data.push_back(static_cast<uint8_t>(count - i));
        frame.data.push_back(static_cast<uint8_t>((sequence & 0x07) | (i == 0 ? 0x40 : 0x00)));
        sequence = static_cast<uint8_t>((sequence + 1) & 0x07);
        frames.push_back(std::move(frame));
    }
    return frames;
}

FbusReassembler::Result FbusReassembler::add(const FbusFrame &frame) {
    if (frame.data.size() < 2) {
        return Result::Dropped;
    }
    const uint8_t toGo = frame.data[frame.data.size() - 2];
    const uint8_t sequence = frame.data.back();
    const bool first = (sequence & 0x40) != 0;
    if (first) {
        current_ = FbusMessage{frame.type, {}};
        framesToGo_ = toGo;
    } else if (!current_ || frame.type != current_->type || toGo != framesToGo_) {
        // A lost or foreign frame: the message under way cannot be completed.
        current_.reset();
        return Result::Dropped;
    }
    if (framesToGo_ == 0 || current_->body.size() + frame.data.size() > kMaxMessage) {
        current_.reset();
        return Result::Dropped;
    }
    current_->body.insert(current_->body.end(), frame.data.begin(), frame.data.end() - 2);
    --framesToGo_;
    if (framesToGo_ > 0) {
        return Result::Incomplete;
    }
    done_ = std::move(*current_);
    current_.reset();
    return Result::Complete;
}

}  // namespace phoneeng::fbus
