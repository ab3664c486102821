#include "fbus/FbusChannel.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace phoneeng::fbus {

namespace {

// How long a write may wait for a line that does not drain.
constexpr int kWriteTimeoutMs = 2000;

}  // namespace

std::vector<FbusMessage> FbusChannel::receive(std::chrono::milliseconds timeout, bool &alive) {
    alive = true;
    pollfd pfd{fd_, POLLIN, 0};
    const int ready = ::poll(&pfd, 1, static_cast<int>(timeout.count()));
    if (ready < 0) {
        alive = errno == EINTR;
        return {};
    }
    if (ready == 0) {
        return {};
    }
    if ((pfd.revents & POLLIN) == 0) {
        // A hang-up with nothing to read: nobody has the line open (a
        // pseudo-terminal between two clients). Wait instead of spinning.
        alive = (pfd.revents & POLLNVAL) == 0;
        ::poll(nullptr, 0, static_cast<int>(timeout.count()));
        return {};
    }
    uint8_t buffer[1024];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n < 0) {
        alive = errno == EINTR || errno == EAGAIN || errno == EIO;
        if (errno == EIO) {
            ::poll(nullptr, 0, static_cast<int>(timeout.count()));
        }
        return {};
    }
    return feed(buffer, static_cast<size_t>(n));
}

std::vector<FbusMessage> FbusChannel::feed(const uint8_t *bytes, size_t count) {
    pending_.insert(pending_.end(), bytes, bytes + count);
    std::vector<FbusMessage> messages;
    size_t start = 0;
    while (start < pending_.size()) {
        const auto result =
            decodeFrame(std::span<const uint8_t>(pending_.data() + start, pending_.size() - start));
        if (result.status == FrameStatus::NeedMore) {
            break;
        }
        start += result.consumed;
        if (result.status == FrameStatus::BadChecksum || result.status == FrameStatus::BadLength) {
            ++stats_.framesRefused;
        }
        if (result.status != FrameStatus::Ok) {
            continue;
        }
        const FbusFrame &frame = result.frame;
        if (frame.destination != kDevicePhone) {
            continue;  // a frame of ours echoed back, or for another device
        }
        ++stats_.framesRead;
        if (frame.type == kAckType) {
            ++stats_.acksRead;
            continue;
        }
        if (frame.data.size() >= 2) {
            writeAll(encodeFrame(ackFrame(frame.type, frame.data.back())));
        }
        switch (reassembler_.add(frame)) {
            case FbusReassembler::Result::Complete:
                messages.push_back(reassembler_.take());
                break;
            case FbusReassembler::Result::Dropped:
                ++stats_.messagesDropped;
                break;
            case FbusReassembler::Result::Incomplete:
                break;
        }
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(start));
    return messages;
}

bool FbusChannel::send(const FbusMessage &message) {
    for (const FbusFrame &frame : splitMessage(message, sequence_)) {
        if (!writeAll(encodeFrame(frame))) {
            return false;
        }
    }
    return true;
}

bool FbusChannel::writeAll(const std::vector<uint8_t> &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        }
        pollfd pfd{fd_, POLLOUT, 0};
        if (::poll(&pfd, 1, kWriteTimeoutMs) <= 0) {
            return false;
        }
    }
    return true;
}

}  // namespace phoneeng::fbus
