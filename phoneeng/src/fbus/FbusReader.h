// Bounds-checked reading of a message body: every read past the end gives
// zeros and clears ok(), so a handler reads a whole layout and checks once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace phoneeng::fbus {

class FbusReader {
public:
    FbusReader(std::span<const uint8_t> bytes, size_t at = 0) : bytes_(bytes), pos_(at) {}

    bool ok() const { return ok_; }
    size_t position() const { return pos_; }
    size_t left() const { return pos_ < bytes_.size() ? bytes_.size() - pos_ : 0; }

    uint8_t u8() {
        if (pos_ >= bytes_.size()) {
            ok_ = false;
            return 0;
        }
        return bytes_[pos_++];
    }
    uint16_t u16() {
        const uint16_t hi = u8();
        return static_cast<uint16_t>((hi << 8) | u8());
    }
    std::span<const uint8_t> take(size_t n) {
        if (n > left()) {
            ok_ = false;
            pos_ = bytes_.size();
            return {};
        }
        auto out = bytes_.subspan(pos_, n);
        pos_ += n;
        return out;
    }
    // `n` bytes as 8-bit text.
    std::string text(size_t n) {
        const auto bytes = take(n);
        return std::string(bytes.begin(), bytes.end());
    }
    void skip(size_t n) { take(n); }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace phoneeng::fbus
