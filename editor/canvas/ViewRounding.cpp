#include "canvas/ViewRounding.h"

#include <algorithm>
#include <cmath>

#include "document/LogoDocument.h"

namespace glyphsmith {

namespace {

constexpr double kLimit = 1e6;

double held(double value) {
    if (std::isnan(value)) {
        return 0.0;
    }
    return std::clamp(value, -kLimit, kLimit);
}

}  // namespace

int roundHalfEven(double value) {
    // nearbyint rounds in the current mode, which is to-nearest-even unless
    // someone changed it; do it by hand so the result never depends on that.
    const double v = held(value);
    const double lower = std::floor(v);
    const double rest = v - lower;
    double result = lower;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(lower, 2.0) != 0.0)) {
        result = lower + 1.0;
    }
    return static_cast<int>(result);
}

int viewToLogoFloor(double viewCoordinate) {
    return static_cast<int>(std::floor(held(viewCoordinate) / LogoDocument::kCell));
}

int viewToLogoRounded(double viewCoordinate) {
    return roundHalfEven(viewCoordinate) / LogoDocument::kCell;
}

QPoint logoPointRounded(QPointF view) {
    return QPoint(viewToLogoRounded(view.x()), viewToLogoRounded(view.y()));
}

}  // namespace glyphsmith
