// A monochrome picture: row-major, top row first, one byte per pixel,
// 1 = set (black), 0 = clear. This is the engine's own convention; the call
// set speaks the opposite one (0 set, 1 clear) and converts at its boundary.
#pragma once

#include <cstdint>
#include <vector>

namespace phoneeng {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    Bitmap() = default;
    Bitmap(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, 0) {}

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] != 0; }
    void set(int x, int y, bool black) {
        pixels[static_cast<size_t>(y) * width + x] = black ? 1 : 0;
    }
    bool operator==(const Bitmap &) const = default;
};

// The top-left w x h part of `src`; the area beyond `src` is clear.
inline Bitmap cropOrPad(const Bitmap &src, int w, int h) {
    Bitmap out(w, h);
    for (int y = 0; y < h && y < src.height; ++y) {
        for (int x = 0; x < w && x < src.width; ++x) {
            out.set(x, y, src.at(x, y));
        }
    }
    return out;
}

}  // namespace phoneeng
