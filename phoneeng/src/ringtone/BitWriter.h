// Writes bit fields most significant bit first, as smart messages pack them.
#pragma once

#include <cstdint>
#include <vector>

namespace phoneeng {

class BitWriter {
public:
    // Appends the low `bits` bits of `value` (bits <= 32).
    void put(uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            if (used_ == 0) {
                bytes_.push_back(0);
            }
            if ((value >> i) & 1u) {
                bytes_.back() |= static_cast<uint8_t>(0x80 >> used_);
            }
            used_ = (used_ + 1) % 8;
        }
    }
    // Zero bits up to the next octet boundary.
    void align() { used_ = 0; }
    const std::vector<uint8_t> &bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int used_ = 0;  // bits used in the last byte; 0 = it is full (or none)
};

}  // namespace phoneeng
