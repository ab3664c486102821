// Small drawings for the README's pictures, one per logo kind, made from text
// and shapes without antialiasing. Set pixels are black on white.
#pragma once

#include <QImage>

namespace glyphsmith::tools {

// A picture of `width` x `height` pixels for the kind with that size.
QImage PixelArtForSize(int width, int height);

}  // namespace glyphsmith::tools
