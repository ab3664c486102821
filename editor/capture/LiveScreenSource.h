// The live screen: the anchor is the mouse pointer, regions are read from the
// screen under them.
#pragma once

#include "capture/ScreenSource.h"

namespace glyphsmith {

class LiveScreenSource : public ScreenSource {
public:
    QPoint anchor() const override;
    QImage grab(const QRect &region) const override;
};

}  // namespace glyphsmith
