// The coordinates of the overlays over the zoomed view (rubber bands, the
// selection rectangle), view pixels, kept within what a window can hold.
#pragma once

#include <algorithm>
#include <cmath>

namespace glyphsmith {

// `v` held to +-100000; not a number gives 0.
inline double heldOverlayCoordinate(double v) {
    constexpr double kFar = 100000.0;
    return std::isfinite(v) ? std::clamp(v, -kFar, kFar) : 0.0;
}

}  // namespace glyphsmith
