#include "canvas/ShapeRaster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace glyphsmith {

namespace {

// Absorbs the rounding of square roots where an ellipse meets a pixel exactly.
constexpr double kSlack = 1e-9;
// No shape reaches further than this from its centre; keeps the loops small
// whatever radii come in.
constexpr int kReach = 4096;

QPainter *beginAliased(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    return &p;
}

QRect spanning(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// The nearest whole number, halves toward zero (the ellipse's centre).
int roundHalfDown(double v) {
    return static_cast<int>(std::ceil(v - 0.5 - kSlack));
}

// The largest whole number strictly below v.
int below(double v) {
    return static_cast<int>(std::ceil(v - kSlack)) - 1;
}

// Half the width of the ellipse's row `dy` rows from the centre, in whole
// pixels; -1 for rows outside the ellipse. A row reaches to where the curve
// crosses it, rounded to the nearest pixel, and as far as the columns whose
// own crossing, rounded likewise, reaches this row: together the pixels
// nearest the curve, also where it runs flat.
int halfWidth(EllipseRadii r, int dy) {
    const double rx = std::min(r.horizontal, 1.0 * kReach);
    const double ry = std::min(r.vertical, 1.0 * kReach);
    const int m = std::abs(dy);
    if (rx <= 0.0) {
        // no width: the centre column, as far as the vertical radius rounds
        return m <= std::max(roundHalfDown(ry), 0) ? 0 : -1;
    }
    int half = -1;
    if (m <= ry + kSlack) {
        const double t = ry > 0.0 ? m / ry : 0.0;
        half = roundHalfDown(rx * std::sqrt(std::max(1.0 - t * t, 0.0)));
    }
    if (m == 0) {
        half = std::max(half, static_cast<int>(std::floor(rx + kSlack)));
    } else if (m - 0.5 < ry - kSlack) {
        // columns dx whose rounded crossing reaches row m: their crossing lies
        // beyond m - 0.5, which holds for |dx| < rx * sqrt(1 - ((m - 0.5) / ry)^2)
        const double t = (m - 0.5) / ry;
        half = std::max(half, below(rx * std::sqrt(std::max(1.0 - t * t, 0.0))));
    }
    return half;
}

}  // namespace

void forEachLinePixel(QPoint from, QPoint to, const std::function<void(QPoint)> &visit) {
    if (std::abs(from.x()) > kReach || std::abs(from.y()) > kReach || std::abs(to.x()) > kReach ||
        std::abs(to.y()) > kReach) {
        return;  // no line of the editor comes near this
    }
    // The painter's own aliased lines stray up to a pixel from the ideal line
    // and leave lone end pixels; the pixels are chosen here instead, each
    // within half a pixel of the line, the same in both directions.
    if (std::make_pair(to.x(), to.y()) < std::make_pair(from.x(), from.y())) {
        std::swap(from, to);
    }
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    QPoint p = from;
    for (;;) {
        visit(p);
        if (p == to) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.ry() += sy;
        }
    }
}

void drawLine(QImage &picture, QPoint from, QPoint to, QRgb color) {
    color |= 0xFF000000;
    const QRect inside = picture.rect();
    forEachLinePixel(from, to, [&](QPoint p) {
        if (inside.contains(p)) {
            picture.setPixel(p, color);
        }
    });
}

void drawBoxOutline(QImage &picture, QPoint a, QPoint b, QRgb color) {
    const QRect r = spanning(a, b);
    const QColor c = QColor::fromRgb(color | 0xFF000000);
    QPainter p(&picture);
    beginAliased(p);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

void fillBox(QImage &picture, QPoint a, QPoint b, QRgb color) {
    QPainter p(&picture);
    beginAliased(p);
    p.fillRect(spanning(a, b), QColor::fromRgb(color | 0xFF000000));
}

std::optional<EllipseRadii> circleRuleRadii(double radius, double aspect) {
    if (!std::isfinite(radius) || !std::isfinite(aspect) || radius < 0.0 || aspect < 0.0) {
        return std::nullopt;
    }
    if (aspect < 1.0) {
        return EllipseRadii{radius, radius * aspect};
    }
    return EllipseRadii{radius / aspect, radius};
}

bool ellipseContains(QPoint centre, EllipseRadii radii, int x, int y) {
    if (!(radii.horizontal >= 0.0) || !(radii.vertical >= 0.0)) {
        return false;
    }
    const long dy = static_cast<long>(y) - centre.y();
    const long dx = static_cast<long>(x) - centre.x();
    if (dy > kReach || dy < -kReach) {
        return false;
    }
    const int half = halfWidth(radii, static_cast<int>(dy));
    return half >= 0 && std::labs(dx) <= half;
}

void drawEllipse(QImage &picture, QPoint centre, EllipseRadii radii, QRgb outline,
                 std::optional<QRgb> fill) {
    if (!(radii.horizontal >= 0.0) || !(radii.vertical >= 0.0)) {
        return;
    }
    const int reach =
        static_cast<int>(std::floor(std::min(radii.vertical, 1.0 * kReach) + kSlack)) + 1;
    // rows outside the picture draw nothing, but their neighbours are needed
    const int top = std::max(-reach, -centre.y() - 1);
    const int bottom = std::min(reach, picture.height() - centre.y());
    if (top > bottom) {
        return;
    }
    std::vector<int> halves;
    halves.reserve(static_cast<size_t>(bottom - top + 3));
    for (int dy = top - 1; dy <= bottom + 1; ++dy) {
        halves.push_back(halfWidth(radii, dy));
    }
    const auto half = [&](int dy) { return halves[static_cast<size_t>(dy - top + 1)]; };

    QPainter p(&picture);
    beginAliased(p);
    const QColor edge = QColor::fromRgb(outline | 0xFF000000);
    for (int dy = top; dy <= bottom; ++dy) {
        const int h = half(dy);
        if (h < 0) {
            continue;
        }
        const int y = centre.y() + dy;
        if (fill) {
            p.fillRect(QRect(centre.x() - h, y, 2 * h + 1, 1), QColor::fromRgb(*fill | 0xFF000000));
        }
        // a pixel of this row is on the outline when it ends the row or when
        // the row above or below is narrower than it reaches
        const int inner = std::min({h - 1, half(dy - 1), half(dy + 1)});
        if (inner < 0) {
            p.fillRect(QRect(centre.x() - h, y, 2 * h + 1, 1), edge);
        } else {
            p.fillRect(QRect(centre.x() - h, y, h - inner, 1), edge);
            p.fillRect(QRect(centre.x() + inner + 1, y, h - inner, 1), edge);
        }
    }
}

}  // namespace glyphsmith
