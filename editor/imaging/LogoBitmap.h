// A logo's pixels as plain bits, independent of any window: what picture
// import produces and what the exporters write. Pixel (x, y) counts from the
// top-left corner; "set" is a dark (black) pixel, "clear" a light one.
#pragma once

#include <QSize>
#include <cstdint>
#include <vector>

namespace glyphsmith {

class LogoBitmap {
public:
    LogoBitmap() = default;
    // All pixels clear; negative sizes count as 0.
    LogoBitmap(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    QSize size() const { return {width_, height_}; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    // False for points outside the bitmap.
    bool isSet(int x, int y) const;
    // Points outside the bitmap are ignored.
    void set(int x, int y, bool on);
    int countSet() const;
    // Every pixel flipped between set and clear.
    void invert();

    bool operator==(const LogoBitmap &other) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_;  // one byte per pixel, row by row
};

}  // namespace glyphsmith
