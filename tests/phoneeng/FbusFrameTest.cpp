// The FBUS frame layer: frames on the cable, messages across frames, and a
// line carrying sync bytes, noise and damaged frames.
#include <gtest/gtest.h>

#include <random>

#include "fbus/FbusChannel.h"
#include "fbus/FbusFrame.h"
#include "fbus/FbusMessage.h"

using namespace phoneeng::fbus;

namespace {

FbusMessage message(uint8_t type, size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    FbusMessage m{type, std::vector<uint8_t>(size)};
    for (auto &b : m.body) {
        b = static_cast<uint8_t>(rng());
    }
    return m;
}

// The frames of `m` from the computer, as bytes on the line.
std::vector<uint8_t> fromComputer(const FbusMessage &m, uint8_t &sequence) {
    std::vector<uint8_t> line;
    for (const auto &frame : splitMessage(m, sequence, kDevicePhone, kDevicePc)) {
        const auto bytes = encodeFrame(frame);
        line.insert(line.end(), bytes.begin(), bytes.end());
    }
    return line;
}

}  // namespace

TEST(FbusFrame, ReadsWhatLibgammuWrites) {
    // The model request as libgammu sends it: 00 01 00 03 00, one frame, sequence 0x60.
    const std::vector<uint8_t> line{0x1E, 0x00, 0x0C, 0xD1, 0x00, 0x07, 0x00, 0x01,
                                    0x00, 0x03, 0x00, 0x01, 0x60, 0x00, 0x72, 0xD5};
    const auto result = decodeFrame(line);
    ASSERT_EQ(result.status, FrameStatus::Ok);
    EXPECT_EQ(result.consumed, line.size());
    EXPECT_EQ(result.frame.type, 0xD1);
    EXPECT_EQ(result.frame.data, (std::vector<uint8_t>{0x00, 0x01, 0x00, 0x03, 0x00, 0x01, 0x60}));
    EXPECT_EQ(encodeFrame(result.frame), line);
}

TEST(FbusFrame, EveryDamagedByteIsRefusedAndEveryShortFrameWaits) {
    for (size_t size : {1u, 2u, 7u, 122u}) {
        FbusFrame frame{kDevicePc, kDevicePhone, 0x14, message(0x14, size, 7).body};
        const auto bytes = encodeFrame(frame);
        ASSERT_EQ(decodeFrame(bytes).frame, frame);
        for (size_t cut = 0; cut < bytes.size(); ++cut) {
            EXPECT_EQ(decodeFrame(std::span(bytes).first(cut)).status, FrameStatus::NeedMore);
        }
        for (size_t i = 0; i < bytes.size(); ++i) {
            for (uint8_t flip : {0x01, 0x80}) {
                auto damaged = bytes;
                damaged[i] ^= flip;
                const auto result = decodeFrame(damaged);
                // A longer length only waits for more; nothing damaged reads as a frame.
                EXPECT_NE(result.status, FrameStatus::Ok) << size << " byte " << i;
            }
        }
    }
    const std::vector<uint8_t> tooLong{kFrameId, 0, 0x0C, 0x02, 0x00, kMaxFrameData + 1};
    EXPECT_EQ(decodeFrame(tooLong).status, FrameStatus::BadLength);
}

TEST(FbusChannelTest, GathersMessagesAcrossFramesNoiseAndSplitReads) {
    FbusChannel channel(-1);
    uint8_t sequence = 0;
    const std::vector<FbusMessage> sent{message(0x03, 5, 1), message(0x47, 300, 2),
                                        message(0x02, 120, 3)};
    std::vector<uint8_t> line(40, 0x55);  // sync bytes before the first frame
    for (const auto &m : sent) {
        const auto bytes = fromComputer(m, sequence);
        line.insert(line.end(), bytes.begin(), bytes.end());
        line.push_back(0xC1);
    }
    std::mt19937 rng(4);
    std::vector<FbusMessage> got;
    for (size_t at = 0; at < line.size();) {
        const size_t n = std::min<size_t>(line.size() - at, 1 + rng() % 37);
        for (auto &m : channel.feed(line.data() + at, n)) {
            got.push_back(std::move(m));
        }
        at += n;
    }
    EXPECT_EQ(got, sent);
    EXPECT_EQ(channel.stats().framesRefused, 0u);
}

TEST(FbusChannelTest, ALostOrDamagedFrameDropsOnlyItsMessage) {
    FbusChannel channel(-1);
    uint8_t sequence = 0;
    const FbusMessage longOne = message(0x14, 250, 5);  // three frames
    const FbusMessage next = message(0x03, 9, 6);
    auto frames = splitMessage(longOne, sequence, kDevicePhone, kDevicePc);
    std::vector<uint8_t> line;
    for (size_t i : {0u, 2u}) {  // the middle frame is lost
        const auto bytes = encodeFrame(frames[i]);
        line.insert(line.end(), bytes.begin(), bytes.end());
    }
    auto damaged = fromComputer(next, sequence);
    damaged[8] ^= 0x10;
    line.insert(line.end(), damaged.begin(), damaged.end());
    const auto good = fromComputer(next, sequence);
    line.insert(line.end(), good.begin(), good.end());

    const auto got = channel.feed(line.data(), line.size());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], next);
    EXPECT_EQ(channel.stats().messagesDropped, 1u);
    EXPECT_GE(channel.stats().framesRefused, 1u);
}

TEST(FbusChannelTest, RandomBytesNeverMakeAMessageOrStall) {
    FbusChannel channel(-1);
    std::mt19937 rng(9);
    std::vector<uint8_t> noise(20000);
    for (auto &b : noise) {
        b = static_cast<uint8_t>(rng() % 4 == 0 ? kFrameId : rng());
    }
    size_t messages = channel.feed(noise.data(), noise.size()).size();
    // A good message after the noise still gets through.
    uint8_t sequence = 0;
    const FbusMessage after = message(0x0A, 4, 10);
    auto line = fromComputer(after, sequence);
    line.insert(line.begin(), 130, 0x55);  // ends any frame the noise left open
    const auto got = channel.feed(line.data(), line.size());
    EXPECT_LE(messages, 1u);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back(), after);
}
