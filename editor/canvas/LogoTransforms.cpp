#include "canvas/LogoTransforms.h"

#include <QPainter>
#include <algorithm>

#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"

namespace glyphsmith {

namespace {

int cutWidth(int width) {
    return std::clamp(width, 0, static_cast<int>(LogoDocument::kPreviewWidth));
}

int cutHeight(int height) {
    return std::clamp(height, 0, static_cast<int>(LogoDocument::kPreviewHeight));
}

QRgb readAs(const LogoDocument &doc, int x, int y) {
    return doc.isPixelSet(x, y) ? LogoDocument::kSetColor : LogoDocument::kClearColor;
}

// The last index of the first half: width / 2 - 1 rounded half to even.
int lastOfFirstHalf(int size) {
    return roundHalfEven(size / 2.0 - 1.0);
}

}  // namespace

void invertLogo(LogoDocument &doc, int width, int height) {
    width = cutWidth(width);
    height = cutHeight(height);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            doc.setPixel(
                x, y, doc.isPixelSet(x, y) ? LogoDocument::kClearColor : LogoDocument::kSetColor);
        }
    }
}

void flipLogoHorizontal(LogoDocument &doc, int width, int height) {
    width = cutWidth(width);
    height = cutHeight(height);
    const int last = lastOfFirstHalf(width);
    for (int x = 0; x <= last; ++x) {
        const int mirror = width - 1 - x;
        for (int y = 0; y < height; ++y) {
            const QRgb here = readAs(doc, x, y);
            const QRgb there = readAs(doc, mirror, y);
            doc.setPixel(x, y, there);
            doc.setPixel(mirror, y, here);
        }
    }
}

void flipLogoVertical(LogoDocument &doc, int width, int height) {
    width = cutWidth(width);
    height = cutHeight(height);
    const int last = lastOfFirstHalf(height);
    for (int y = 0; y <= last; ++y) {
        const int mirror = height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const QRgb here = readAs(doc, x, y);
            const QRgb there = readAs(doc, x, mirror);
            doc.setPixel(x, y, there);
            doc.setPixel(x, mirror, here);
        }
    }
}

void clearLogoRect(LogoDocument &doc, int x1, int y1, int x2, int y2) {
    const int left = std::max(std::min(x1, x2), 0);
    const int right = std::min(std::max(x1, x2), LogoDocument::kPreviewWidth - 1);
    const int top = std::max(std::min(y1, y2), 0);
    const int bottom = std::min(std::max(y1, y2), LogoDocument::kPreviewHeight - 1);
    for (int x = left; x <= right; ++x) {
        for (int y = top; y <= bottom; ++y) {
            doc.setPixel(x, y, LogoDocument::kClearColor);
        }
    }
}

void pasteIntoPicture(LogoDocument &doc, const QImage &clip, QPoint topLeft) {
    if (clip.isNull()) {
        return;
    }
    QPainter p(&doc.preview());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(topLeft, clip.convertToFormat(QImage::Format_RGB32));
}

QSize usableLogoSize(QSize reported, qint16 lastError, QSize kindSize) {
    const bool fits = reported.width() >= 1 && reported.height() >= 1 &&
                      reported.width() <= LogoDocument::kPreviewWidth &&
                      reported.height() <= LogoDocument::kPreviewHeight;
    return lastError == 0 && fits ? reported : kindSize;
}

}  // namespace glyphsmith
