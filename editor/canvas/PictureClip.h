// Cuts a rectangle out of a source picture (the selection's two clip
// controls: one over the document picture at 1:1, one over the zoomed view).
#pragma once

#include <QImage>
#include <QRect>

#include "document/LogoDocument.h"

namespace glyphsmith {

class PictureClip {
public:
    void setPicture(const QImage &picture) { picture_ = picture; }
    const QImage &picture() const { return picture_; }

    // Clip rectangle in the source picture's pixels.
    int ClipX = 0;
    int ClipY = 0;
    int ClipWidth = 0;
    int ClipHeight = 0;

    // The clipped part, ClipWidth x ClipHeight (null when either is below 1).
    // Whatever the rectangle covers outside the source comes back in `outside`.
    QImage Clip(QRgb outside = LogoDocument::kClearColor) const;

private:
    QImage picture_;
};

}  // namespace glyphsmith
