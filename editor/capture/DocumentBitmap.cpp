#include "capture/DocumentBitmap.h"

namespace glyphsmith {

LogoBitmap bitmapFromDocument(const LogoDocument &doc) {
    LogoBitmap out(doc.logoWidth(), doc.logoHeight());
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            out.set(x, y, doc.isPixelSet(x, y));
        }
    }
    return out;
}

void paintBitmap(LogoDocument &doc, const LogoBitmap &bitmap) {
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            doc.setPixel(x, y,
                         bitmap.isSet(x, y) ? LogoDocument::kSetColor : LogoDocument::kClearColor);
        }
    }
}

}  // namespace glyphsmith
