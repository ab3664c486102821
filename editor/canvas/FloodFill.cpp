#include "canvas/FloodFill.h"

#include <vector>

namespace glyphsmith {

int floodFill(QImage &picture, QPoint seed, QRgb fillColor, const QRect &bounds) {
    if (picture.depth() != 32) {
        return 0;
    }
    const QRect area = bounds.intersected(picture.rect());
    if (!area.contains(seed)) {
        return 0;
    }
    if (picture.format() == QImage::Format_RGB32) {
        fillColor |= 0xFF000000;
    }
    const auto row = [&picture](int y) { return reinterpret_cast<QRgb *>(picture.scanLine(y)); };
    const QRgb target = row(seed.y())[seed.x()];
    if (target == fillColor) {
        return 0;
    }

    // Span fill: each popped point grows into the longest run of target
    // pixels on its row; the rows above and below are searched for runs to
    // continue from. Every painted pixel stops being a target, so each is
    // visited a bounded number of times.
    int painted = 0;
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        QRgb *line = row(p.y());
        if (line[p.x()] != target) {
            continue;
        }
        int left = p.x();
        while (left > area.left() && line[left - 1] == target) {
            --left;
        }
        int right = p.x();
        while (right < area.right() && line[right + 1] == target) {
            ++right;
        }
        for (int x = left; x <= right; ++x) {
            line[x] = fillColor;
        }
        painted += right - left + 1;
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < area.top() || y > area.bottom()) {
                continue;
            }
            const QRgb *next = row(y);
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool isTarget = next[x] == target;
                if (isTarget && !inRun) {
                    pending.emplace_back(x, y);
                }
                inRun = isTarget;
            }
        }
    }
    return painted;
}

}  // namespace glyphsmith
