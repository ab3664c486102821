#include "imaging/LogoBitmap.h"

#include <algorithm>
#include <numeric>

namespace glyphsmith {

LogoBitmap::LogoBitmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bits_(static_cast<std::size_t>(width_) * height_, 0) {
    if (width_ == 0 || height_ == 0) {
        width_ = height_ = 0;
        bits_.clear();
    }
}

bool LogoBitmap::isSet(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    return bits_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

void LogoBitmap::set(int x, int y, bool on) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    bits_[static_cast<std::size_t>(y) * width_ + x] = on ? 1 : 0;
}

int LogoBitmap::countSet() const {
    return std::accumulate(bits_.begin(), bits_.end(), 0);
}

void LogoBitmap::invert() {
    for (std::uint8_t &b : bits_) {
        b = b ? 0 : 1;
    }
}

}  // namespace glyphsmith
