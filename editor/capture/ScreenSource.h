// What the capture window reads: the live screen at the mouse pointer, or a
// still picture of the screen on which the user places the capture box.
// Points and regions are in the source's pixels (screen pixels of the
// virtual desktop for the live screen).
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace glyphsmith {

class ScreenSource {
public:
    virtual ~ScreenSource() = default;

    // The top-left corner of the region the capture box shows.
    virtual QPoint anchor() const = 0;
    // The region, always region.size() (parts beyond the screen black); a
    // null image when the screen cannot be read at all.
    virtual QImage grab(const QRect &region) const = 0;
    // The colour of one pixel (black where it cannot be read).
    virtual QRgb colorAt(QPoint point) const;

    // The still picture the box is placed on; null for the live screen.
    virtual QImage still() const { return {}; }
    // Moves the anchor; only still pictures follow it.
    virtual void setAnchor(QPoint) {}
};

}  // namespace glyphsmith
