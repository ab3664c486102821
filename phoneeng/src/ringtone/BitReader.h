// Reads bit fields most significant bit first from a byte span, never past
// its end.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace phoneeng {

class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    // The next `bits` bits (bits <= 32) as an unsigned value; false, with
    // nothing consumed, when fewer remain.
    bool read(int bits, uint32_t &value) {
        if (bits < 0 || bits > 32 || static_cast<size_t>(bits) > remaining()) {
            return false;
        }
        uint32_t v = 0;
        for (int i = 0; i < bits; ++i, ++pos_) {
            v = (v << 1) | ((bytes_[pos_ / 8] >> (7 - pos_ % 8)) & 1u);
        }
        value = v;
        return true;
    }
    // Skips to the next octet boundary.
    void align() { pos_ = (pos_ + 7) / 8 * 8; }
    size_t remaining() const { return bytes_.size() * 8 - std::min(pos_, bytes_.size() * 8); }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;  // in bits
};

}  // namespace phoneeng
