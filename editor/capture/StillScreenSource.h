// A still picture of the screen standing in for the live screen: the anchor
// is wherever the user placed the capture box on it.
#pragma once

#include "capture/ScreenSource.h"

namespace glyphsmith {

class StillScreenSource : public ScreenSource {
public:
    // The anchor starts at the picture's top-left corner.
    explicit StillScreenSource(QImage still);

    QPoint anchor() const override { return anchor_; }
    QImage grab(const QRect &region) const override;
    QImage still() const override { return still_; }
    // Kept inside the picture.
    void setAnchor(QPoint point) override;

private:
    QImage still_;
    QPoint anchor_;
};

}  // namespace glyphsmith
